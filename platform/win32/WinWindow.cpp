#include "platform/win32/WinWindow.h"

#include <algorithm>

#include "platform/win32/PlatformSession.h"
#include "platform/win32/TextConvert.h"
#include "platform/win32/WinError.h"
#include "platform/win32/WindowState.h"

using ondrel::platform::ClientRectOnScreen;
using ondrel::platform::LiveWindow;
using ondrel::platform::Services;
using ondrel::platform::Session;
using ondrel::platform::ShowState;

namespace {

constexpr DWORD kStateStyles = WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE;
constexpr LONG kDefaultClientWidth = 640;
constexpr LONG kDefaultClientHeight = 480;

PlatformWindow* RequireWindow(HWND window) {
    PlatformWindow* record = LiveWindow(window);
    if (record == nullptr) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return record;
}

RECT InitialClientRect(DWORD style, int x, int y, int width, int height, bool& defaultPosition) {
    defaultPosition = x == CW_USEDEFAULT;
    RECT insets = Services().FrameInsets(style);
    LONG left = defaultPosition ? 0 : x;
    LONG top = defaultPosition || y == CW_USEDEFAULT ? 0 : y;
    if (width == CW_USEDEFAULT) {
        return RECT{left + insets.left, top + insets.top, left + insets.left + kDefaultClientWidth,
                    top + insets.top + kDefaultClientHeight};
    }
    return ondrel::platform::ClientRectFromWindow(RECT{left, top, left + width, top + height}, style);
}

ShowState StateForCommand(int command, ShowState current, bool restoreToMaximized) {
    switch (command) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: return ShowState::Minimized;
    case SW_SHOWMAXIMIZED: return ShowState::Maximized;
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT: return ShowState::Normal;
    case SW_RESTORE:
        if (current == ShowState::Minimized && restoreToMaximized) return ShowState::Maximized;
        return ShowState::Normal;
    default: return current;
    }
}

bool CommandActivates(int command) {
    return command != SW_HIDE && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
           command != SW_SHOWMINNOACTIVE && command != SW_MINIMIZE;
}

}  // namespace

ATOM RegisterClassExW(const WNDCLASSEXW* windowClass) {
    static ATOM nextAtom = 0xC000;
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr || windowClass->lpfnWndProc == nullptr ||
        windowClass->lpszClassName[0] == u'\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ondrel::platform::WindowClass entry;
    entry.name = windowClass->lpszClassName;
    entry.style = windowClass->style;
    entry.procedure = windowClass->lpfnWndProc;
    entry.instance = windowClass->hInstance;
    entry.icon = windowClass->hIcon;
    entry.cursor = windowClass->hCursor;
    if (!Session().AddClass(std::move(entry))) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    return nextAtom == 0xFFFF ? nextAtom : nextAtom++;
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE) {
    std::u16string name = ondrel::platform::FromWide(className);
    if (Session().FindClass(name) == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (Session().ClassHasWindows(name)) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    Session().RemoveClass(name);
    return TRUE;
}

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR title, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID creationData) {
    ondrel::platform::WindowClass* windowClass = Session().FindClass(ondrel::platform::FromWide(className));
    if (windowClass == nullptr) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    auto record = std::make_unique<PlatformWindow>();
    record->className = windowClass->name;
    record->classStyle = windowClass->style;
    record->procedure = windowClass->procedure;
    record->classCursor = windowClass->cursor;
    record->classIcon = windowClass->icon;
    record->instance = instance;
    record->style = style & ~kStateStyles;
    record->exStyle = exStyle;
    record->title = ondrel::platform::FromWide(title);
    record->parent = parent;
    record->menu = menu;

    ondrel::platform::NativeWindowRequest request;
    request.title = record->title;
    request.style = record->style;
    request.client = InitialClientRect(record->style, x, y, width, height, request.defaultPosition);

    HWND window = Session().AddWindow(std::move(record));
    if (!Services().CreateNativeWindow(window, request)) {
        Session().RemoveWindow(window);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    ondrel::platform::ApplyTrackingLimits(window);

    RECT client = ClientRectOnScreen(window);
    CREATESTRUCTW create{};
    create.lpCreateParams = creationData;
    create.hInstance = instance;
    create.hMenu = menu;
    create.hwndParent = parent;
    create.cx = client.right - client.left;
    create.cy = client.bottom - client.top;
    create.x = client.left;
    create.y = client.top;
    create.style = static_cast<LONG>(style);
    create.lpszName = title;
    create.lpszClass = className;
    create.dwExStyle = exStyle;
    LPARAM createParam = reinterpret_cast<LPARAM>(&create);
    if (LiveWindow(window) == nullptr || SendMessageW(window, WM_NCCREATE, 0, createParam) == 0 ||
        LiveWindow(window) == nullptr || SendMessageW(window, WM_CREATE, 0, createParam) == -1) {
        DestroyWindow(window);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    ondrel::platform::ReportGeometryChange(window, false);
    if (style & WS_VISIBLE) {
        int command = (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : (style & WS_MINIMIZE) ? SW_SHOWMINIMIZED : SW_SHOW;
        ShowWindow(window, command);
    }
    return LiveWindow(window) ? window : nullptr;
}

HWND CreateWindowW(LPCWSTR className, LPCWSTR title, DWORD style, int x, int y, int width, int height,
                   HWND parent, HMENU menu, HINSTANCE instance, LPVOID creationData) {
    return CreateWindowExW(0, className, title, style, x, y, width, height, parent, menu, instance, creationData);
}

BOOL DestroyWindow(HWND window) {
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr) return FALSE;
    if (record->destroying) return TRUE;
    record->destroying = true;
    auto& input = Session().Input();
    if (record->visible) {
        record->visible = false;
        Services().SetNativeShowState(window, false, record->showState);
    }
    if (input.capture == window) {
        input.capture = nullptr;
        Services().CaptureMouse(false);
    }
    if (input.focus == window) {
        // The application loses the activation with its focus window, so a
        // later window is activated afresh (WM_ACTIVATEAPP again).
        input.focus = nullptr;
        input.applicationActive = false;
    }
    SendMessageW(window, WM_DESTROY, 0, 0);
    SendMessageW(window, WM_NCDESTROY, 0, 0);
    Services().DestroyNativeWindow(window);
    Session().RemoveWindow(window);
    return TRUE;
}

BOOL IsWindow(HWND window) { return LiveWindow(window) ? TRUE : FALSE; }

BOOL ShowWindow(HWND window, int command) {
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr) return FALSE;
    BOOL wasVisible = record->visible ? TRUE : FALSE;
    if (command == SW_HIDE) {
        ondrel::platform::ChangeVisibility(window, false, true);
        return wasVisible;
    }
    bool restoreToMaximized = record->restoreToMaximized;
    ShowState target = StateForCommand(command, record->showState, restoreToMaximized);
    if (target == ShowState::Minimized) record->restoreToMaximized = record->showState == ShowState::Maximized;
    ondrel::platform::ChangeVisibility(window, true, true);
    ondrel::platform::ChangeShowState(window, target, true);
    if (LiveWindow(window) && CommandActivates(command)) Services().FocusNativeWindow(window);
    return wasVisible;
}

BOOL UpdateWindow(HWND window) {
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr) return FALSE;
    if (record->needsPaint && record->visible) SendMessageW(window, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr) return FALSE;
    if (insertAfter == HWND_TOPMOST && !(flags & SWP_NOZORDER)) record->exStyle |= WS_EX_TOPMOST;
    if (insertAfter == HWND_NOTOPMOST && !(flags & SWP_NOZORDER)) record->exStyle &= ~WS_EX_TOPMOST;

    RECT outer = ondrel::platform::WindowRectFromClient(ClientRectOnScreen(window), record->style);
    RECT target = outer;
    if (!(flags & SWP_NOMOVE)) OffsetRect(&target, x - outer.left, y - outer.top);
    if (!(flags & SWP_NOSIZE)) {
        target.right = target.left + std::max(0, width);
        target.bottom = target.top + std::max(0, height);
    }
    bool geometryChanged = target.left != outer.left || target.top != outer.top ||
                           target.right != outer.right || target.bottom != outer.bottom;
    if (geometryChanged || (flags & SWP_FRAMECHANGED)) {
        Services().SetNativeClientRect(window, ondrel::platform::ClientRectFromWindow(target, record->style));
    }
    if (flags & SWP_HIDEWINDOW) ondrel::platform::ChangeVisibility(window, false, true);
    if (flags & SWP_SHOWWINDOW) ondrel::platform::ChangeVisibility(window, true, true);
    ondrel::platform::ReportGeometryChange(window, false);
    if (LiveWindow(window) && (flags & SWP_SHOWWINDOW) && !(flags & SWP_NOACTIVATE)) {
        Services().FocusNativeWindow(window);
    }
    return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : SWP_NOREDRAW);
    return SetWindowPos(window, nullptr, x, y, width, height, flags);
}

BOOL GetClientRect(HWND window, RECT* rect) {
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr || rect == nullptr) return FALSE;
    RECT client = ClientRectOnScreen(window);
    *rect = RECT{0, 0, client.right - client.left, client.bottom - client.top};
    if (record->showState == ShowState::Minimized) *rect = RECT{0, 0, 0, 0};
    return TRUE;
}

BOOL GetWindowRect(HWND window, RECT* rect) {
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr || rect == nullptr) return FALSE;
    *rect = ondrel::platform::WindowRectFromClient(ClientRectOnScreen(window), record->style);
    return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point) {
    if (RequireWindow(window) == nullptr || point == nullptr) return FALSE;
    RECT client = ClientRectOnScreen(window);
    point->x += client.left;
    point->y += client.top;
    return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point) {
    if (RequireWindow(window) == nullptr || point == nullptr) return FALSE;
    RECT client = ClientRectOnScreen(window);
    point->x -= client.left;
    point->y -= client.top;
    return TRUE;
}

BOOL AdjustWindowRect(RECT* rect, DWORD style, BOOL menu) { return AdjustWindowRectEx(rect, style, menu, 0); }

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL, DWORD) {
    if (rect == nullptr) return FALSE;
    // No menu bar is ever drawn here, so the menu flag adds nothing.
    *rect = ondrel::platform::WindowRectFromClient(*rect, style & ~kStateStyles);
    return TRUE;
}

BOOL IsIconic(HWND window) {
    PlatformWindow* record = LiveWindow(window);
    return record && record->showState == ShowState::Minimized ? TRUE : FALSE;
}

BOOL IsZoomed(HWND window) {
    PlatformWindow* record = LiveWindow(window);
    return record && record->showState == ShowState::Maximized ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
    PlatformWindow* record = LiveWindow(window);
    return record && record->visible ? TRUE : FALSE;
}

BOOL GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement) {
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr || placement == nullptr) return FALSE;
    RECT restored = record->showState == ShowState::Normal ? ClientRectOnScreen(window) : record->restoredClient;
    placement->flags = record->restoreToMaximized ? WPF_RESTORETOMAXIMIZED : 0;
    placement->showCmd = record->showState == ShowState::Minimized   ? SW_SHOWMINIMIZED
                         : record->showState == ShowState::Maximized ? SW_SHOWMAXIMIZED
                                                                     : SW_SHOWNORMAL;
    placement->ptMinPosition = POINT{-1, -1};
    placement->ptMaxPosition = POINT{-1, -1};
    placement->rcNormalPosition = ondrel::platform::WindowRectFromClient(restored, record->style);
    return TRUE;
}

BOOL SetWindowPlacement(HWND window, const WINDOWPLACEMENT* placement) {
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr || placement == nullptr) return FALSE;
    record->restoredClient = ondrel::platform::ClientRectFromWindow(placement->rcNormalPosition, record->style);
    record->restoreToMaximized = (placement->flags & WPF_RESTORETOMAXIMIZED) != 0;
    if (record->showState == ShowState::Normal) {
        const RECT& outer = placement->rcNormalPosition;
        SetWindowPos(window, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (LiveWindow(window)) ShowWindow(window, static_cast<int>(placement->showCmd));
    return TRUE;
}

LONG_PTR GetWindowLongPtrW(HWND window, int index) {
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr) return 0;
    switch (index) {
    case GWL_STYLE: return static_cast<LONG_PTR>(ondrel::platform::VisibleStyle(*record));
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(record->exStyle);
    case GWLP_USERDATA: return record->userData;
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(record->procedure);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(record->instance);
    default: SetLastError(ERROR_INVALID_PARAMETER); return 0;
    }
}

LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value) {
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr) return 0;
    LONG_PTR previous = GetWindowLongPtrW(window, index);
    switch (index) {
    case GWL_STYLE:
        record->style = static_cast<DWORD>(value) & ~kStateStyles;
        Services().SetNativeStyle(window, record->style);
        ondrel::platform::ApplyTrackingLimits(window);
        // The visible bit of a style is the window's visibility, as in
        // Win32: a full-screen device shows its window this way.
        ondrel::platform::ChangeVisibility(window, (static_cast<DWORD>(value) & WS_VISIBLE) != 0, true);
        break;
    case GWL_EXSTYLE: record->exStyle = static_cast<DWORD>(value); break;
    case GWLP_USERDATA: record->userData = value; break;
    case GWLP_WNDPROC: record->procedure = reinterpret_cast<WNDPROC>(value); break;
    case GWLP_HINSTANCE: record->instance = reinterpret_cast<HINSTANCE>(value); break;
    default: SetLastError(ERROR_INVALID_PARAMETER); return 0;
    }
    return previous;
}

LONG GetWindowLongW(HWND window, int index) { return static_cast<LONG>(GetWindowLongPtrW(window, index)); }

LONG SetWindowLongW(HWND window, int index, LONG value) {
    LONG_PTR wide = index == GWL_STYLE || index == GWL_EXSTYLE ? static_cast<LONG_PTR>(static_cast<DWORD>(value))
                                                               : static_cast<LONG_PTR>(value);
    return static_cast<LONG>(SetWindowLongPtrW(window, index, wide));
}

std::uintptr_t GetClassLongPtrW(HWND window, int index) {
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr) return 0;
    switch (index) {
    case GCLP_HCURSOR: return reinterpret_cast<std::uintptr_t>(record->classCursor);
    case GCLP_HICON: return reinterpret_cast<std::uintptr_t>(record->classIcon);
    case GCL_STYLE: return record->classStyle;
    default: SetLastError(ERROR_INVALID_PARAMETER); return 0;
    }
}

BOOL SetWindowTextW(HWND window, LPCWSTR text) {
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr) return FALSE;
    record->title = ondrel::platform::FromWide(text);
    Services().SetNativeTitle(window, record->title);
    return TRUE;
}

int GetWindowTextW(HWND window, LPWSTR buffer, int capacity) {
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr || capacity <= 0) return 0;
    return static_cast<int>(ondrel::platform::CopyToBuffer(record->title, buffer, static_cast<std::size_t>(capacity)));
}

BOOL InvalidateRect(HWND window, const RECT*, BOOL) {
    if (window == nullptr) {
        for (HWND each : Session().Windows()) each->needsPaint = true;
        return TRUE;
    }
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr) return FALSE;
    record->needsPaint = true;
    return TRUE;
}

BOOL ValidateRect(HWND window, const RECT*) {
    if (window == nullptr) {
        for (HWND each : Session().Windows()) each->needsPaint = false;
        return TRUE;
    }
    PlatformWindow* record = RequireWindow(window);
    if (record == nullptr) return FALSE;
    record->needsPaint = false;
    return TRUE;
}

HWND GetFocus() { return Session().Input().focus; }

HWND SetFocus(HWND window) {
    auto& input = Session().Input();
    HWND previous = input.focus;
    if (window != nullptr && LiveWindow(window) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (previous == window) return previous;
    input.focus = window;
    if (LiveWindow(previous)) SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (LiveWindow(window)) SendMessageW(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND GetForegroundWindow() {
    auto& input = Session().Input();
    return input.applicationActive ? input.focus : nullptr;
}

HWND GetActiveWindow() { return GetForegroundWindow(); }

HMENU GetMenu(HWND window) {
    PlatformWindow* record = LiveWindow(window);
    return record ? record->menu : nullptr;
}

BOOL DestroyMenu(HMENU menu) { return menu ? TRUE : FALSE; }

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
    if (rect == nullptr) return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* rect) { return SetRect(rect, 0, 0, 0, 0); }

BOOL OffsetRect(RECT* rect, int dx, int dy) {
    if (rect == nullptr) return FALSE;
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL PtInRect(const RECT* rect, POINT point) {
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top && point.y < rect->bottom
               ? TRUE
               : FALSE;
}

BOOL IsRectEmpty(const RECT* rect) {
    return rect == nullptr || rect->right <= rect->left || rect->bottom <= rect->top ? TRUE : FALSE;
}

BOOL CopyRect(RECT* destination, const RECT* source) {
    if (destination == nullptr || source == nullptr) return FALSE;
    *destination = *source;
    return TRUE;
}

BOOL InflateRect(RECT* rect, int dx, int dy) {
    if (rect == nullptr) return FALSE;
    rect->left -= dx;
    rect->right += dx;
    rect->top -= dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL IntersectRect(RECT* destination, const RECT* a, const RECT* b) {
    if (destination == nullptr || a == nullptr || b == nullptr) return FALSE;
    RECT overlap{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                 std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&overlap)) {
        SetRectEmpty(destination);
        return FALSE;
    }
    *destination = overlap;
    return TRUE;
}
