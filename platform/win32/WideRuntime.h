#pragma once
// The C runtime's wide-text calls for Win32-written code. WCHAR is a 16-bit
// code unit here (Linux's wchar_t is 32-bit), so these work on WCHAR
// buffers and never touch wchar_t or the process locale.

#include <cstdarg>
#include <cstddef>

#include "platform/win32/WinTypes.h"

// Units before the terminator.
std::size_t lstrlenW(LPCWSTR text);

// printf-style formatting into a WCHAR buffer: %s and %c are wide (WCHAR
// strings and units), numbers follow printf (%d %i %u %x %X %o %g %G %e %f
// with flags, width, precision and '*'), %% is a percent sign. The format
// may be data. The result is truncated to fit and always terminated; the
// return is the units written, or -1 when the text was truncated.
int swprintf_s(WCHAR* buffer, std::size_t capacity, LPCWSTR format, ...);
int vswprintf_s(WCHAR* buffer, std::size_t capacity, LPCWSTR format, std::va_list arguments);

// Bounded copies that always terminate (a null source copies as empty).
// Return 0, or ERANGE-like 34 when the source was cut short.
int wcscpy_s(WCHAR* destination, std::size_t capacity, LPCWSTR source);
int wcsncpy_s(WCHAR* destination, std::size_t capacity, LPCWSTR source, std::size_t count);
int wcscat_s(WCHAR* destination, std::size_t capacity, LPCWSTR source);

// Compares at most count units, folding only ASCII letters.
int _wcsnicmp(LPCWSTR a, LPCWSTR b, std::size_t count);
int _wcsicmp(LPCWSTR a, LPCWSTR b);

// Locale-free number reading with the C runtime's rules: leading blanks, an
// optional sign, then digits (and for decimals a fraction and exponent); the
// reading stops at the first unit that does not fit; no number gives 0.
int _wtoi(LPCWSTR text);
double _wtof(LPCWSTR text);

// Code pages: the system code page (CP_ACP) is UTF-8 on this platform.
inline constexpr UINT CP_ACP = 0;
inline constexpr UINT CP_UTF8 = 65001;
// Win32 semantics: count -1 reads up to and including the terminator; a zero
// output size asks for the size needed. Returns units written, 0 on failure.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int count, LPWSTR output, int outputSize);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR text, int count, LPSTR output, int outputSize,
                        LPCSTR defaultChar, BOOL* usedDefaultChar);
