#include "platform/win32/WinError.h"

namespace {

// Per thread, as in Win32; every call that fails sets it, so tests need no reset.
thread_local DWORD lastError = ERROR_SUCCESS;

}  // namespace

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD error) { lastError = error; }
