#pragma once
// A read-only registry of string values. The program states the values it
// wants found before the code that reads them runs (SetRegistryValue); key
// and value names compare without regard to ASCII case, and '/' in a key
// path is taken as '\\'. A key exists while it holds at least one value.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/win32/WinTypes.h"

inline const HKEY HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(std::uintptr_t{0x80000000u});
inline const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(std::uintptr_t{0x80000001u});
inline const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(std::uintptr_t{0x80000002u});

using REGSAM = DWORD;
inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_READ = 0x20019;

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;

// Results are Win32 error codes (ERROR_SUCCESS, ERROR_FILE_NOT_FOUND, ...).
LONG RegOpenKeyExW(HKEY root, LPCWSTR subKey, DWORD options, REGSAM access, HKEY* result);
// data == null asks for the size. Sizes are in bytes, terminator included.
LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, DWORD* reserved, DWORD* type, BYTE* data,
                      DWORD* dataSize);
LONG RegCloseKey(HKEY key);

namespace ondrel::platform {

// Adds or replaces a REG_SZ value; later opens of the key see it.
void SetRegistryValue(HKEY root, std::u16string_view subKey, std::u16string_view name, std::u16string value);
// Forgets every value (tests).
void ClearRegistryValues();

}  // namespace ondrel::platform
