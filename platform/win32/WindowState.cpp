#include "platform/win32/WindowState.h"

#include <algorithm>

#include "platform/win32/SizeMoveGesture.h"
#include "platform/win32/WinMonitor.h"
#include "platform/win32/WinWindow.h"

namespace ondrel::platform {

namespace {

constexpr LONG kDefaultMinTrackWidth = 136;
constexpr LONG kDefaultMinTrackHeight = 39;

SIZE SizeOf(const RECT& rect) { return SIZE{rect.right - rect.left, rect.bottom - rect.top}; }

}  // namespace

RECT ClientRectOnScreen(HWND window) { return Services().NativeClientRect(window); }

RECT WindowRectFromClient(const RECT& client, DWORD style) {
    RECT insets = Services().FrameInsets(style);
    return RECT{client.left - insets.left, client.top - insets.top, client.right + insets.right,
                client.bottom + insets.bottom};
}

RECT ClientRectFromWindow(const RECT& outer, DWORD style) {
    RECT insets = Services().FrameInsets(style);
    RECT client{outer.left + insets.left, outer.top + insets.top, outer.right - insets.right,
                outer.bottom - insets.bottom};
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    return client;
}

DWORD VisibleStyle(const PlatformWindow& window) {
    DWORD style = window.style;
    if (window.visible) style |= WS_VISIBLE;
    if (window.showState == ShowState::Minimized) style |= WS_MINIMIZE;
    if (window.showState == ShowState::Maximized) style |= WS_MAXIMIZE;
    return style;
}

WPARAM SizeKind(ShowState state) {
    switch (state) {
    case ShowState::Minimized: return SIZE_MINIMIZED;
    case ShowState::Maximized: return SIZE_MAXIMIZED;
    case ShowState::Normal: break;
    }
    return SIZE_RESTORED;
}

void ReportGeometryChange(HWND window, bool byUser) {
    PlatformWindow* record = LiveWindow(window);
    if (record == nullptr) return;
    RECT client = ClientRectOnScreen(window);
    SIZE size = record->showState == ShowState::Minimized ? SIZE{0, 0} : SizeOf(client);
    POINT origin{client.left, client.top};
    bool resized = size.cx != record->reportedClientSize.cx || size.cy != record->reportedClientSize.cy;
    bool moved = origin.x != record->reportedClientOrigin.x || origin.y != record->reportedClientOrigin.y;
    if (record->showState == ShowState::Normal) record->restoredClient = client;
    if (!resized && !moved) return;
    if (byUser) ContinueSizeMove(window);
    if (LiveWindow(window) && resized) {
        record->reportedClientSize = size;
        record->needsPaint = true;
        SendMessageW(window, WM_SIZE, SizeKind(record->showState),
                     MAKELPARAM(static_cast<WORD>(size.cx), static_cast<WORD>(size.cy)));
    }
    if (LiveWindow(window) && moved) {
        record->reportedClientOrigin = origin;
        SendMessageW(window, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(origin.x), static_cast<WORD>(origin.y)));
    }
}

void ChangeVisibility(HWND window, bool visible, bool native) {
    PlatformWindow* record = LiveWindow(window);
    if (record == nullptr || record->visible == visible) return;
    record->visible = visible;
    if (native) Services().SetNativeShowState(window, visible, record->showState);
    if (visible) record->needsPaint = true;
    SendMessageW(window, WM_SHOWWINDOW, visible ? TRUE : FALSE, 0);
}

void ChangeShowState(HWND window, ShowState state, bool native) {
    PlatformWindow* record = LiveWindow(window);
    if (record == nullptr || record->showState == state) return;
    if (record->showState == ShowState::Normal) record->restoredClient = ClientRectOnScreen(window);
    record->showState = state;
    if (native) Services().SetNativeShowState(window, record->visible, state);
    RECT client = ClientRectOnScreen(window);
    SIZE size = state == ShowState::Minimized ? SIZE{0, 0} : SizeOf(client);
    record->reportedClientSize = size;
    record->needsPaint = true;
    SendMessageW(window, WM_SIZE, SizeKind(state),
                 MAKELPARAM(static_cast<WORD>(size.cx), static_cast<WORD>(size.cy)));
}

void ApplyTrackingLimits(HWND window) {
    PlatformWindow* record = LiveWindow(window);
    if (record == nullptr) return;
    MINMAXINFO limits{};
    limits.ptMinTrackSize = POINT{kDefaultMinTrackWidth, kDefaultMinTrackHeight};
    limits.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    limits.ptMaxSize = limits.ptMaxTrackSize;
    SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    if (LiveWindow(window) == nullptr) return;
    RECT insets = Services().FrameInsets(record->style);
    SIZE minimumClient{std::max<LONG>(0, limits.ptMinTrackSize.x - insets.left - insets.right),
                       std::max<LONG>(0, limits.ptMinTrackSize.y - insets.top - insets.bottom)};
    Services().SetNativeMinimumClientSize(window, minimumClient);
}

}  // namespace ondrel::platform
