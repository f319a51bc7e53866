#pragma once
// The Win32 vocabulary the framework, GUI and scene code are written in:
// integer types, handles, geometry records and HRESULT status codes. The
// platform layer's backends give the handles their meaning.

#include <cstddef>
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using INT = std::int32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using BOOL = std::int32_t;
using HRESULT = std::int32_t;
using WCHAR = char16_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using LONGLONG = std::int64_t;
using D3DCOLOR = DWORD;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using CHAR = char;
using LPVOID = void*;
using LPCVOID = const void*;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPSTR = char*;
using LPCSTR = const char*;
using ATOM = WORD;
using SIZE_T = std::size_t;
using DWORD_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
using ULONGLONG = std::uint64_t;
using HANDLE = void*;
using HGLOBAL = HANDLE;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Opaque handles; each backend defines the structures behind them.
struct PlatformWindow;
struct PlatformMonitor;
struct PlatformCursor;
struct PlatformIcon;
struct PlatformMenu;
struct PlatformModule;
struct PlatformAccelerators;
struct PlatformBrush;
struct PlatformRegistryKey;
using HWND = PlatformWindow*;
using HMONITOR = PlatformMonitor*;
using HCURSOR = PlatformCursor*;
using HICON = PlatformIcon*;
using HMENU = PlatformMenu*;
using HINSTANCE = PlatformModule*;
using HMODULE = PlatformModule*;
using HACCEL = PlatformAccelerators*;
using HBRUSH = PlatformBrush*;
using HKEY = PlatformRegistryKey*;

struct POINT {
    LONG x;
    LONG y;
};

struct SIZE {
    LONG cx;
    LONG cy;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

union LARGE_INTEGER {
    struct {
        DWORD LowPart;
        LONG HighPart;
    } u;
    LONGLONG QuadPart;
};

// Status codes. Negative is failure; S_OK and S_FALSE are success.
inline constexpr HRESULT MakeStatus(std::uint32_t bits) { return static_cast<HRESULT>(bits); }
inline constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
inline constexpr bool FAILED(HRESULT hr) { return hr < 0; }

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = MakeStatus(0x80004001u);
inline constexpr HRESULT E_POINTER = MakeStatus(0x80004003u);
inline constexpr HRESULT E_FAIL = MakeStatus(0x80004005u);
inline constexpr HRESULT E_OUTOFMEMORY = MakeStatus(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = MakeStatus(0x80070057u);

inline constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFFu); }
inline constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFFu); }
inline constexpr LPARAM MAKELPARAM(WORD low, WORD high) {
    return static_cast<LPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}

inline constexpr HRESULT HRESULT_FROM_WIN32(DWORD error) {
    return error == 0 ? S_OK : MakeStatus((error & 0xFFFFu) | 0x80070000u);
}

inline constexpr WORD MAKEWORD(BYTE low, BYTE high) {
    return static_cast<WORD>(low | (static_cast<WORD>(high) << 8));
}
inline constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
    return static_cast<WPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
inline constexpr LRESULT MAKELRESULT(WORD low, WORD high) { return MAKELPARAM(low, high); }
inline constexpr DWORD MAKELONG(WORD low, WORD high) {
    return static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16);
}
