#include "platform/win32/SizeMoveGesture.h"

#include "platform/win32/WinMessages.h"
#include "platform/win32/WinWindow.h"

namespace ondrel::platform {

namespace {

DWORD QuietFor(const PlatformWindow& window) { return Services().Milliseconds() - window.lastSizeMoveStepMs; }

}  // namespace

void ContinueSizeMove(HWND window) {
    PlatformWindow* record = LiveWindow(window);
    if (record == nullptr) return;
    record->lastSizeMoveStepMs = Services().Milliseconds();
    if (record->inSizeMove) return;
    record->inSizeMove = true;
    SendMessageW(window, WM_ENTERSIZEMOVE, 0, 0);
}

void EndQuietSizeMoves() {
    for (HWND window : Session().Windows()) {
        PlatformWindow* record = LiveWindow(window);
        if (record == nullptr || !record->inSizeMove || QuietFor(*record) < kSizeMoveQuietMs) continue;
        record->inSizeMove = false;
        SendMessageW(window, WM_EXITSIZEMOVE, 0, 0);
    }
}

std::optional<DWORD> NextSizeMoveEndMs() {
    std::optional<DWORD> next;
    for (HWND window : Session().Windows()) {
        const PlatformWindow* record = LiveWindow(window);
        if (record == nullptr || !record->inSizeMove) continue;
        DWORD quiet = QuietFor(*record);
        DWORD remaining = quiet >= kSizeMoveQuietMs ? 0 : kSizeMoveQuietMs - quiet;
        if (!next || remaining < *next) next = remaining;
    }
    return next;
}

}  // namespace ondrel::platform
