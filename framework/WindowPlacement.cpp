// The window's side of a device change, and following the user's resizes
// and moves to another monitor.

#include "framework/Framework.h"
#include "framework/FrameworkState.h"

namespace ondrel::framework {

namespace {

MONITORINFO InfoOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    return info;
}

// Pulls one axis of a window created at the default position onto the work
// area when it would stick out.
LONG CentredOffset(LONG offset, LONG size, LONG workStart, LONG workEnd) {
    if (offset + size + workStart > workEnd) return ((workEnd - workStart) - size) / 2;
    return offset;
}

void StoreWindowRects(HWND window) {
    RECT client{};
    RECT bounds{};
    GetClientRect(window, &client);
    GetWindowRect(window, &bounds);
    State().Set(&StateFields::windowedClientRect, client);
    State().Set(&StateFields::windowedWindowRect, bounds);
}

}  // namespace

void SetWindowStyleForMode(bool windowed) {
    HWND window = GetCurrentWindow();
    if (window == nullptr) return;
    DWORD style = windowed ? State().Get(&StateFields::windowedStyle) : (WS_POPUP | WS_SYSMENU | WS_VISIBLE);
    SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(style));
}

void PlaceWindowAfterDeviceChange() {
    FrameworkState& state = State();
    HWND window = state.Get(&StateFields::deviceWindowWindowed);
    if (window == nullptr) return;
    RECT bounds = state.Get(&StateFields::windowedWindowRect);
    SetWindowPos(window, HWND_NOTOPMOST, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, 0);
    state.Set(&StateFields::windowedStyle, state.Get(&StateFields::windowedStyle) | WS_VISIBLE);

    MONITORINFO adapter = InfoOf(state.Get(&StateFields::adapterMonitor));
    MONITORINFO current = InfoOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
    LONG offsetX = bounds.left - current.rcMonitor.left;
    LONG offsetY = bounds.top - current.rcMonitor.top;
    LONG width = bounds.right - bounds.left;
    LONG height = bounds.bottom - bounds.top;
    if (state.Get(&StateFields::centerWindowOnMonitor)) {
        state.Set(&StateFields::centerWindowOnMonitor, false);
        offsetX = CentredOffset(offsetX, width, adapter.rcWork.left, adapter.rcWork.right);
        offsetY = CentredOffset(offsetY, height, adapter.rcWork.top, adapter.rcWork.bottom);
    }
    SetWindowPos(window, HWND_NOTOPMOST, adapter.rcMonitor.left + offsetX, adapter.rcMonitor.top + offsetY, 0, 0,
                 SWP_NOSIZE | SWP_SHOWWINDOW);
    StoreWindowRects(window);
}

void CheckWindowSize() {
    FrameworkState& state = State();
    if (!state.Get(&StateFields::deviceCreated) || state.Get(&StateFields::ignoreSizeChange) || !IsWindowed()) {
        return;
    }
    RECT previous = state.Get(&StateFields::windowedClientRect);
    StoreWindowRects(GetCurrentWindow());
    RECT client = state.Get(&StateFields::windowedClientRect);
    if (client.right - client.left == previous.right - previous.left &&
        client.bottom - client.top == previous.bottom - previous.top) {
        CheckMonitor();
        return;
    }
    Pause(true, true);
    DeviceSettings* settings = state.Get(&StateFields::currentSettings);
    settings->presentParameters.BackBufferWidth = static_cast<UINT>(client.right - client.left);
    settings->presentParameters.BackBufferHeight = static_cast<UINT>(client.bottom - client.top);
    if (state.Get(&StateFields::device) != nullptr) {
        HRESULT reset = ResetEnvironment();
        if (reset == D3DERR_DEVICELOST) {
            state.Set(&StateFields::deviceLost, true);
        } else if (reset == ResettingDeviceObjects || reset == MediaNotFound) {
            ShowError(reset);
            Shutdown();
            return;
        } else if (FAILED(reset)) {
            DeviceSettings current = *settings;
            if (FAILED(ChangeDevice(&current, nullptr, true))) {
                Shutdown();
                return;
            }
        }
    }
    Pause(false, false);
    CheckMonitor();
}

void CheckMonitor() {
    FrameworkState& state = State();
    if (!state.Get(&StateFields::autoChangeAdapter)) return;
    HMONITOR nearest = MonitorFromWindow(GetCurrentWindow(), MONITOR_DEFAULTTONEAREST);
    if (nearest == state.Get(&StateFields::adapterMonitor)) return;
    IDirect3D9* direct3d = state.Get(&StateFields::direct3d);
    if (direct3d == nullptr) return;
    Pause(true, true);
    for (UINT adapter = 0; adapter < direct3d->GetAdapterCount(); ++adapter) {
        if (direct3d->GetAdapterMonitor(adapter) != nearest) continue;
        DeviceSettings wanted = GetDeviceSettings();
        wanted.adapterOrdinal = adapter;
        MatchOptions options{Preserve, Closest, Closest, Closest, Closest, Closest, Closest, Closest,
                             Closest,  Closest, Closest, Closest, Closest, Closest, Closest};
        DeviceSettings found{};
        if (SUCCEEDED(FindValidDeviceSettings(&found, &wanted, &options)) &&
            FAILED(ChangeDevice(&found, nullptr, false))) {
            Shutdown();
        }
        break;
    }
    Pause(false, false);
}

}  // namespace ondrel::framework
