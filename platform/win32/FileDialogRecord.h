#pragma once
// Between the OPENFILENAMEW record and the backend's file dialog: reading the
// request out of the record and writing the answer back into it.

#include <vector>

#include "platform/win32/PlatformServices.h"
#include "platform/win32/WinDialogs.h"

namespace ondrel::platform {

// Pairs of name and patterns from a double-terminated filter list.
std::vector<FileDialogFilter> ParseFilterList(LPCWSTR filterList);
FileDialogRequest RequestFromRecord(const OPENFILENAMEW& record, bool save);
// The path as it is returned: the default extension appended when the file
// name has none.
std::u16string PathWithDefaultExtension(const std::u16string& path, const std::u16string& defaultExtension);
// Writes the answer into the record; CommDlgExtendedError code, 0 on success.
DWORD WriteAnswer(const FileDialogAnswer& answer, OPENFILENAMEW& record);

}  // namespace ondrel::platform
