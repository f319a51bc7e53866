#pragma once
// Status codes of the utility library, with their Direct3D-era values.

#include "platform/win32/WinTypes.h"

inline constexpr HRESULT GFXERR_INVALIDDATA = MakeStatus(0x88760B59u);
// A file that is not there, as Win32 reports it (ERROR_FILE_NOT_FOUND).
inline constexpr HRESULT GFXERR_FILENOTFOUND = MakeStatus(0x80070002u);
