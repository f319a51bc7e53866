#pragma once
// Finds a media file by name near the current folder, near the program, in
// the installed media folder, or further up either folder tree.

#include "platform/win32/Windows.h"

namespace ondrel::framework {

// S_OK with the path found; MediaNotFound with the bare name copied;
// E_INVALIDARG for bad arguments (capacity below 10 included).
HRESULT FindMediaFile(LPWSTR destination, int capacity, LPCWSTR name);
// The installed program's folder from the registry with "\Media\" appended.
HRESULT GetInstalledMediaPath(LPWSTR destination, int capacity);

}  // namespace ondrel::framework
