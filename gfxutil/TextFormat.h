#pragma once
// Win32 text-format flags, with Win32's values, as the text drawing takes them.

#include "platform/win32/WinTypes.h"

inline constexpr DWORD DT_TOP = 0x00000000;
inline constexpr DWORD DT_LEFT = 0x00000000;
inline constexpr DWORD DT_CENTER = 0x00000001;
inline constexpr DWORD DT_RIGHT = 0x00000002;
inline constexpr DWORD DT_VCENTER = 0x00000004;
inline constexpr DWORD DT_BOTTOM = 0x00000008;
inline constexpr DWORD DT_WORDBREAK = 0x00000010;
inline constexpr DWORD DT_SINGLELINE = 0x00000020;
inline constexpr DWORD DT_EXPANDTABS = 0x00000040;
inline constexpr DWORD DT_NOCLIP = 0x00000100;
inline constexpr DWORD DT_CALCRECT = 0x00000400;
inline constexpr DWORD DT_NOPREFIX = 0x00000800;
