#include "platform/win32/WinCursor.h"

#include <algorithm>

#include "platform/win32/PlatformSession.h"
#include "platform/win32/StandardCursors.h"
#include "platform/win32/WinError.h"
#include "platform/win32/WinMonitor.h"

using ondrel::platform::Services;
using ondrel::platform::Session;

struct PlatformIcon {
    int resourceId;
};

namespace {

constexpr PlatformIcon kApplicationIcon{32512};

void ApplyCursorState() {
    auto& input = Session().Input();
    Services().ApplyCursor(input.cursor, input.cursorShowCount >= 0);
}

}  // namespace

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr) return FALSE;
    *point = Services().CursorPosition();
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    POINT target{x, y};
    if (const auto& clip = Session().Input().cursorClip) {
        target.x = std::max(clip->left, std::min(target.x, clip->right - 1));
        target.y = std::max(clip->top, std::min(target.y, clip->bottom - 1));
    }
    Services().WarpCursor(target);
    return TRUE;
}

BOOL ClipCursor(const RECT* rect) {
    auto& clip = Session().Input().cursorClip;
    if (rect == nullptr) {
        clip.reset();
    } else {
        clip = *rect;
    }
    Services().ConfineCursor(clip);
    return TRUE;
}

BOOL GetClipCursor(RECT* rect) {
    if (rect == nullptr) return FALSE;
    if (const auto& clip = Session().Input().cursorClip) {
        *rect = *clip;
        return TRUE;
    }
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    *rect = RECT{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    return TRUE;
}

int ShowCursor(BOOL show) {
    int& count = Session().Input().cursorShowCount;
    count += show ? 1 : -1;
    ApplyCursorState();
    return count;
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR& current = Session().Input().cursor;
    HCURSOR previous = current;
    current = cursor;
    if (previous != cursor) ApplyCursorState();
    return previous;
}

HCURSOR GetCursor() { return Session().Input().cursor; }

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    HCURSOR cursor = instance == nullptr ? ondrel::platform::StandardCursor(name) : nullptr;
    if (cursor == nullptr) SetLastError(ERROR_FILE_NOT_FOUND);
    return cursor;
}

HICON LoadIconW(HINSTANCE instance, LPCWSTR name) {
    if (instance == nullptr && name == IDI_APPLICATION) return const_cast<PlatformIcon*>(&kApplicationIcon);
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
}

HICON ExtractIconW(HINSTANCE, LPCWSTR fileName, UINT index) {
    if (fileName == nullptr || index != 0) return nullptr;
    return const_cast<PlatformIcon*>(&kApplicationIcon);
}

BOOL DestroyIcon(HICON icon) { return icon ? TRUE : FALSE; }

UINT GetCaretBlinkTime() { return Services().CaretBlinkTimeMs(); }

BOOL GetCursorImage(HCURSOR cursor, CursorImage* image) {
    if (cursor == nullptr || image == nullptr) return FALSE;
    ondrel::platform::DrawStandardCursor(*cursor, *image);
    return TRUE;
}
