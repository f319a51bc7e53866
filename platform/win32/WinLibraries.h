#pragma once
// Libraries loaded at run time. There are no DLLs here: LoadLibraryW finds
// a library of a built-in table by its file name (the folder is ignored, so
// paths built on GetSystemDirectoryW work), and GetProcAddress answers the
// entries registered for it. winmm.dll's timer-period calls are built in;
// other layers and programs register theirs (the graphics layer's
// Direct3DCreate9, text-measuring calls). Tests hide entries or whole
// libraries to reach the "missing library / missing entry" paths.

#include <string_view>

#include "platform/win32/WinTypes.h"

using FARPROC = void (*)();
struct PlatformGdiObject;
using HGDIOBJ = PlatformGdiObject*;

// The system folder, e.g. "/ondrel/system32" (no trailing separator).
// Returns its length, or the size needed (terminator included) when the
// buffer is too small; 0 when hidden by a test.
UINT GetSystemDirectoryW(LPWSTR buffer, UINT capacity);
// Null with ERROR_MOD_NOT_FOUND when the table has no such library.
HMODULE LoadLibraryW(LPCWSTR fileName);
// Null with ERROR_PROC_NOT_FOUND when the library has no such entry.
FARPROC GetProcAddress(HMODULE module, LPCSTR name);
BOOL FreeLibrary(HMODULE module);
// Stock objects are fixed handles; only the brushes are meaningful here.
HGDIOBJ GetStockObject(int object);

inline constexpr DWORD ERROR_MOD_NOT_FOUND = 126;
inline constexpr DWORD ERROR_PROC_NOT_FOUND = 127;

namespace ondrel::platform {

// Adds (or replaces) an entry; the library exists once it has one entry.
void RegisterLibraryEntry(std::u16string_view library, std::string_view name, FARPROC entry);
// An empty name hides the whole library. Hidden stays hidden until reset.
void HideLibraryEntry(std::u16string_view library, std::string_view name = {});
void HideSystemDirectory(bool hidden);
// Back to the built-in table: registrations and hidings are dropped.
void ResetLibraryTable();
// How many libraries are loaded now (LoadLibraryW minus FreeLibrary).
int LoadedLibraryCount();

}  // namespace ondrel::platform
