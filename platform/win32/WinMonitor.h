#pragma once
// Monitors, their display modes and the system metrics derived from them.

#include "platform/win32/WinTypes.h"

inline constexpr int CCHDEVICENAME = 32;

struct MONITORINFO {
    DWORD cbSize;
    RECT rcMonitor;
    RECT rcWork;
    DWORD dwFlags;
};

struct MONITORINFOEXW {
    DWORD cbSize;
    RECT rcMonitor;
    RECT rcWork;
    DWORD dwFlags;
    WCHAR szDevice[CCHDEVICENAME];
};

// The fields of a display mode this platform fills in.
struct DEVMODEW {
    WCHAR dmDeviceName[CCHDEVICENAME];
    WORD dmSize;
    DWORD dmFields;
    POINT dmPosition;
    DWORD dmBitsPerPel;
    DWORD dmPelsWidth;
    DWORD dmPelsHeight;
    DWORD dmDisplayFrequency;
};

inline constexpr DWORD MONITOR_DEFAULTTONULL = 0;
inline constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
inline constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;
inline constexpr DWORD MONITORINFOF_PRIMARY = 1;

inline constexpr DWORD ENUM_CURRENT_SETTINGS = 0xFFFFFFFFu;
inline constexpr DWORD ENUM_REGISTRY_SETTINGS = 0xFFFFFFFEu;
inline constexpr DWORD DM_POSITION = 0x00000020;
inline constexpr DWORD DM_BITSPERPEL = 0x00040000;
inline constexpr DWORD DM_PELSWIDTH = 0x00080000;
inline constexpr DWORD DM_PELSHEIGHT = 0x00100000;
inline constexpr DWORD DM_DISPLAYFREQUENCY = 0x00400000;

// GetSystemMetrics indices.
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXBORDER = 5;
inline constexpr int SM_CYBORDER = 6;
inline constexpr int SM_CXCURSOR = 13;
inline constexpr int SM_CYCURSOR = 14;
inline constexpr int SM_CXFULLSCREEN = 16;
inline constexpr int SM_CYFULLSCREEN = 17;
inline constexpr int SM_CMOUSEBUTTONS = 43;
inline constexpr int SM_CXFRAME = 32;
inline constexpr int SM_CYFRAME = 33;
inline constexpr int SM_CXSIZEFRAME = SM_CXFRAME;
inline constexpr int SM_CYSIZEFRAME = SM_CYFRAME;
inline constexpr int SM_CXMINTRACK = 34;
inline constexpr int SM_CYMINTRACK = 35;
inline constexpr int SM_CXDOUBLECLK = 36;
inline constexpr int SM_CYDOUBLECLK = 37;
inline constexpr int SM_CXDRAG = 68;
inline constexpr int SM_CYDRAG = 69;
inline constexpr int SM_XVIRTUALSCREEN = 76;
inline constexpr int SM_YVIRTUALSCREEN = 77;
inline constexpr int SM_CXVIRTUALSCREEN = 78;
inline constexpr int SM_CYVIRTUALSCREEN = 79;
inline constexpr int SM_CMONITORS = 80;
inline constexpr int SM_MOUSEWHEELPRESENT = 75;
inline constexpr int SM_REMOTESESSION = 0x1000;

// SystemParametersInfoW actions.
inline constexpr UINT SPI_GETWORKAREA = 0x0030;
inline constexpr UINT SPI_GETWHEELSCROLLLINES = 0x0068;

HMONITOR MonitorFromWindow(HWND window, DWORD flags);
HMONITOR MonitorFromPoint(POINT point, DWORD flags);
HMONITOR MonitorFromRect(const RECT* rect, DWORD flags);
// Accepts MONITORINFO or MONITORINFOEXW, told apart by cbSize.
BOOL GetMonitorInfoW(HMONITOR monitor, MONITORINFO* info);
// deviceName is a monitor's szDevice or null for the primary display; mode
// ENUM_CURRENT_SETTINGS reads the current mode, 0.. enumerates the modes.
BOOL EnumDisplaySettingsW(LPCWSTR deviceName, DWORD mode, DEVMODEW* devMode);
int GetSystemMetrics(int index);
BOOL SystemParametersInfoW(UINT action, UINT uiParam, LPVOID pvParam, UINT winIni);

// Ondrel's bridge to display indices (what the graphics layer calls adapters):
// the monitor of display n, and the display of a monitor (-1 if unknown).
HMONITOR MonitorFromDisplayIndex(int displayIndex);
int DisplayIndexOfMonitor(HMONITOR monitor);
