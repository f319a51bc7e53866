#pragma once
// The fixed-size UTF-16 buffers of the toolkit: bounded copies and the
// case-blind name comparison of the resource tables.

#include "platform/win32/Windows.h"

namespace ondrel::gui {

// Copies at most capacity - 1 characters and terminates; null gives "".
void CopyLimitedText(WCHAR* destination, int capacity, LPCWSTR source);
// Equal over at most maxChars characters, ignoring the case of A-Z. File
// and face names only differ in case in those letters in practice, and a
// locale-dependent folding would make the tables differ between machines.
bool SameNameIgnoringCase(LPCWSTR a, LPCWSTR b, int maxChars);
// Characters before the terminator.
int TextLength(LPCWSTR text);

}  // namespace ondrel::gui
