#pragma once
// Paths and files. Paths are UTF-16 here and UTF-8 towards the operating
// system; a backslash in a path given to these functions separates folders,
// as it does in the Win32 paths the rest of the program builds.

#include "platform/win32/WinTypes.h"

inline constexpr DWORD MAX_PATH = 260;

inline constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;
inline constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x00000001;
inline constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x00000010;
inline constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x00000080;

inline constexpr DWORD GENERIC_READ = 0x80000000u;
inline constexpr DWORD GENERIC_WRITE = 0x40000000u;
inline constexpr DWORD FILE_SHARE_READ = 0x00000001;
inline constexpr DWORD FILE_SHARE_WRITE = 0x00000002;
inline constexpr DWORD CREATE_ALWAYS = 2;
inline constexpr DWORD OPEN_EXISTING = 3;
inline constexpr DWORD FILE_FLAG_SEQUENTIAL_SCAN = 0x08000000;
inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(std::intptr_t{-1});
inline constexpr DWORD INVALID_FILE_SIZE = 0xFFFFFFFFu;

// The program's own file; module must be null. Returns the length copied
// (capacity when truncated, with ERROR_INSUFFICIENT_BUFFER).
DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD capacity);
HMODULE GetModuleHandleW(LPCWSTR moduleName);
// The absolute form of a path, "." and ".." resolved lexically, with '/'
// separators. Returns the length written, or the size needed (terminator
// included) when the buffer is too small; filePart, if given, points at the
// last component inside buffer.
DWORD GetFullPathNameW(LPCWSTR fileName, DWORD capacity, LPWSTR buffer, LPWSTR* filePart);
DWORD GetFileAttributesW(LPCWSTR fileName);

// Plain file access for reading level exports.
HANDLE CreateFileW(LPCWSTR fileName, DWORD access, DWORD shareMode, void* security,
                   DWORD creation, DWORD flags, HANDLE templateFile);
BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, DWORD* bytesRead, void* overlapped);
BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, DWORD* bytesWritten, void* overlapped);
DWORD GetFileSize(HANDLE file, DWORD* sizeHigh);
BOOL CloseHandle(HANDLE handle);

// The command line as one UTF-16 string: the program path, then each
// argument, separated by spaces, arguments with spaces or quotes quoted.
LPWSTR GetCommandLineW();

#include <string>

namespace ondrel::platform {

// Tests replace the process command line that GetCommandLineW answers.
void SetCommandLineForTesting(std::u16string line);
void ResetCommandLineForTesting();

}  // namespace ondrel::platform
