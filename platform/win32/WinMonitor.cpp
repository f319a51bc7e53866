#include "platform/win32/WinMonitor.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/win32/PlatformSession.h"
#include "platform/win32/TextConvert.h"
#include "platform/win32/WinWindow.h"
#include "platform/win32/WindowState.h"

using ondrel::platform::DisplayInfo;
using ondrel::platform::Services;

namespace {

constexpr int kDoubleClickSize = 4;
constexpr int kCursorSize = 32;
constexpr UINT kWheelScrollLines = 3;

// Squared distance from a point to a rectangle (0 inside).
long long DistanceSquared(const RECT& rect, POINT point) {
    long long dx = point.x < rect.left ? rect.left - point.x : point.x >= rect.right ? point.x - rect.right + 1 : 0;
    long long dy = point.y < rect.top ? rect.top - point.y : point.y >= rect.bottom ? point.y - rect.bottom + 1 : 0;
    return dx * dx + dy * dy;
}

long long OverlapArea(const RECT& a, const RECT& b) {
    long long width = std::min(a.right, b.right) - std::max(a.left, b.left);
    long long height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

HMONITOR ChooseMonitor(const RECT& area, DWORD flags) {
    std::vector<DisplayInfo> displays = Services().Displays();
    if (displays.empty()) return nullptr;
    int best = -1;
    long long bestOverlap = 0;
    for (std::size_t i = 0; i < displays.size(); ++i) {
        long long overlap = OverlapArea(displays[i].bounds, area);
        if (overlap > bestOverlap) best = static_cast<int>(i), bestOverlap = overlap;
    }
    if (best >= 0) return MonitorFromDisplayIndex(best);
    if (flags == MONITOR_DEFAULTTOPRIMARY) return MonitorFromDisplayIndex(0);
    if (flags != MONITOR_DEFAULTTONEAREST) return nullptr;
    POINT centre{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    long long bestDistance = LLONG_MAX;
    for (std::size_t i = 0; i < displays.size(); ++i) {
        long long distance = DistanceSquared(displays[i].bounds, centre);
        if (distance < bestDistance) best = static_cast<int>(i), bestDistance = distance;
    }
    return MonitorFromDisplayIndex(best);
}

// The display named by a monitor's szDevice ("\\.\DISPLAY1" and on), or the
// primary one for a null name.
int DisplayIndexOfName(LPCWSTR deviceName, const std::vector<DisplayInfo>& displays) {
    if (deviceName == nullptr) return displays.empty() ? -1 : 0;
    std::u16string name = deviceName;
    for (std::size_t i = 0; i < displays.size(); ++i) {
        if (displays[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

void FillMode(DEVMODEW* devMode, const ondrel::platform::DisplayMode& mode, const DisplayInfo& display) {
    ondrel::platform::CopyToBuffer(display.name, devMode->dmDeviceName, CCHDEVICENAME);
    devMode->dmFields = DM_POSITION | DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
    devMode->dmPosition = POINT{display.bounds.left, display.bounds.top};
    devMode->dmBitsPerPel = static_cast<DWORD>(mode.bitsPerPixel);
    devMode->dmPelsWidth = static_cast<DWORD>(mode.width);
    devMode->dmPelsHeight = static_cast<DWORD>(mode.height);
    devMode->dmDisplayFrequency = static_cast<DWORD>(mode.refreshRate);
}

RECT VirtualScreen() {
    std::vector<DisplayInfo> displays = Services().Displays();
    if (displays.empty()) return RECT{0, 0, 0, 0};
    RECT all = displays.front().bounds;
    for (const DisplayInfo& display : displays) {
        all.left = std::min(all.left, display.bounds.left);
        all.top = std::min(all.top, display.bounds.top);
        all.right = std::max(all.right, display.bounds.right);
        all.bottom = std::max(all.bottom, display.bounds.bottom);
    }
    return all;
}

RECT PrimaryBounds() {
    std::vector<DisplayInfo> displays = Services().Displays();
    return displays.empty() ? RECT{0, 0, 0, 0} : displays.front().bounds;
}

}  // namespace

HMONITOR MonitorFromDisplayIndex(int displayIndex) {
    if (displayIndex < 0) return nullptr;
    return reinterpret_cast<HMONITOR>(static_cast<std::uintptr_t>(displayIndex) + 1);
}

int DisplayIndexOfMonitor(HMONITOR monitor) {
    auto index = static_cast<long long>(reinterpret_cast<std::uintptr_t>(monitor)) - 1;
    long long count = static_cast<long long>(Services().Displays().size());
    return index >= 0 && index < count ? static_cast<int>(index) : -1;
}

HMONITOR MonitorFromWindow(HWND window, DWORD flags) {
    RECT outer{};
    if (!GetWindowRect(window, &outer)) return flags == MONITOR_DEFAULTTONULL ? nullptr : MonitorFromDisplayIndex(0);
    return ChooseMonitor(outer, flags);
}

HMONITOR MonitorFromPoint(POINT point, DWORD flags) {
    return ChooseMonitor(RECT{point.x, point.y, point.x + 1, point.y + 1}, flags);
}

HMONITOR MonitorFromRect(const RECT* rect, DWORD flags) {
    return rect ? ChooseMonitor(*rect, flags) : nullptr;
}

BOOL GetMonitorInfoW(HMONITOR monitor, MONITORINFO* info) {
    int index = DisplayIndexOfMonitor(monitor);
    if (index < 0 || info == nullptr) return FALSE;
    if (info->cbSize != sizeof(MONITORINFO) && info->cbSize != sizeof(MONITORINFOEXW)) return FALSE;
    DisplayInfo display = Services().Displays()[static_cast<std::size_t>(index)];
    info->rcMonitor = display.bounds;
    info->rcWork = display.workArea;
    info->dwFlags = index == 0 ? MONITORINFOF_PRIMARY : 0;
    if (info->cbSize == sizeof(MONITORINFOEXW)) {
        auto* extended = reinterpret_cast<MONITORINFOEXW*>(info);
        ondrel::platform::CopyToBuffer(display.name, extended->szDevice, CCHDEVICENAME);
    }
    return TRUE;
}

BOOL EnumDisplaySettingsW(LPCWSTR deviceName, DWORD mode, DEVMODEW* devMode) {
    if (devMode == nullptr) return FALSE;
    std::vector<DisplayInfo> displays = Services().Displays();
    int index = DisplayIndexOfName(deviceName, displays);
    if (index < 0) return FALSE;
    const DisplayInfo& display = displays[static_cast<std::size_t>(index)];
    if (mode == ENUM_CURRENT_SETTINGS || mode == ENUM_REGISTRY_SETTINGS) {
        FillMode(devMode, display.current, display);
        return TRUE;
    }
    if (mode >= display.modes.size()) return FALSE;
    FillMode(devMode, display.modes[mode], display);
    return TRUE;
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN: {
        RECT primary = PrimaryBounds();
        return primary.right - primary.left;
    }
    case SM_CYSCREEN: {
        RECT primary = PrimaryBounds();
        return primary.bottom - primary.top;
    }
    case SM_CXVIRTUALSCREEN: {
        RECT all = VirtualScreen();
        return all.right - all.left;
    }
    case SM_CYVIRTUALSCREEN: {
        RECT all = VirtualScreen();
        return all.bottom - all.top;
    }
    case SM_XVIRTUALSCREEN: return VirtualScreen().left;
    case SM_YVIRTUALSCREEN: return VirtualScreen().top;
    case SM_CMONITORS: return static_cast<int>(Services().Displays().size());
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG: return kDoubleClickSize;
    case SM_CXCURSOR:
    case SM_CYCURSOR: return kCursorSize;
    case SM_CYCAPTION: return static_cast<int>(Services().FrameInsets(WS_OVERLAPPEDWINDOW).top -
                                               Services().FrameInsets(WS_OVERLAPPEDWINDOW).bottom);
    case SM_CXSIZEFRAME: return static_cast<int>(Services().FrameInsets(WS_OVERLAPPEDWINDOW).left);
    case SM_CYSIZEFRAME: return static_cast<int>(Services().FrameInsets(WS_OVERLAPPEDWINDOW).bottom);
    case SM_CXMINTRACK: return 136;
    case SM_CYMINTRACK: return 39;
    case SM_CMOUSEBUTTONS: return 5;
    case SM_MOUSEWHEELPRESENT: return 1;
    case SM_REMOTESESSION: return 0;
    default: return 0;
    }
}

BOOL SystemParametersInfoW(UINT action, UINT, LPVOID pvParam, UINT) {
    if (pvParam == nullptr) return FALSE;
    switch (action) {
    case SPI_GETWHEELSCROLLLINES: *static_cast<UINT*>(pvParam) = kWheelScrollLines; return TRUE;
    case SPI_GETWORKAREA: {
        std::vector<DisplayInfo> displays = Services().Displays();
        if (displays.empty()) return FALSE;
        *static_cast<RECT*>(pvParam) = displays.front().workArea;
        return TRUE;
    }
    default: return FALSE;
    }
}
