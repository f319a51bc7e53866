#pragma once
// What a platform backend does for the Win32-shaped layer: native windows,
// the event source, input devices, clipboard, dialogs and clocks. The layer
// above keeps the Win32 bookkeeping (classes, messages, window state); a
// backend only performs and reports. Two backends exist: SDL (real windows)
// and scripted (tests, no window system); the program chooses.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/WinTypes.h"

namespace ondrel::platform {

enum class ShowState { Normal, Minimized, Maximized };

struct NativeWindowRequest {
    std::u16string title;
    DWORD style = 0;
    // Client area in screen coordinates; its position is ignored when
    // defaultPosition is set.
    RECT client{};
    bool defaultPosition = false;
};

struct DisplayMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;
    int refreshRate = 60;
};

struct DisplayInfo {
    std::u16string name;
    RECT bounds{};
    RECT workArea{};
    DisplayMode current;
    std::vector<DisplayMode> modes;
};

struct FileDialogFilter {
    std::u16string name;
    // Semicolon-separated patterns, e.g. "*.txt;*.bin".
    std::u16string patterns;
};

struct FileDialogRequest {
    bool save = false;
    HWND owner = nullptr;
    std::u16string title;
    std::vector<FileDialogFilter> filters;
    // 0-based index into filters.
    int filterIndex = 0;
    std::u16string initialFolder;
    std::u16string initialName;
    std::u16string defaultExtension;
    DWORD flags = 0;
};

struct FileDialogAnswer {
    std::u16string path;
    int filterIndex = 0;
};

struct MessageBoxRequest {
    HWND owner = nullptr;
    std::u16string text;
    std::u16string caption;
    UINT type = 0;
};

class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // Native windows. CreateNativeWindow sets window->native; the window
    // starts hidden.
    virtual bool CreateNativeWindow(HWND window, const NativeWindowRequest& request) = 0;
    virtual void DestroyNativeWindow(HWND window) = 0;
    virtual void SetNativeTitle(HWND window, const std::u16string& title) = 0;
    virtual void SetNativeStyle(HWND window, DWORD style) = 0;
    virtual void SetNativeClientRect(HWND window, const RECT& clientOnScreen) = 0;
    // The client area in screen coordinates as the window system has it.
    virtual RECT NativeClientRect(HWND window) = 0;
    virtual void SetNativeShowState(HWND window, bool visible, ShowState state) = 0;
    virtual void SetNativeMinimumClientSize(HWND window, SIZE size) = 0;
    virtual void FocusNativeWindow(HWND window) = 0;
    // The thickness of the frame around the client area for a style.
    virtual RECT FrameInsets(DWORD style) = 0;

    // Turns pending native events into messages through the layer's intake
    // (WindowEvents.h). WaitForEvents blocks up to timeoutMs for the next
    // event; it returns false when no event can ever come.
    virtual void PumpEvents() = 0;
    virtual bool WaitForEvents(int timeoutMs) = 0;

    // Displays, in display-index order; the first is the primary.
    virtual std::vector<DisplayInfo> Displays() = 0;

    // Input devices.
    virtual SHORT AsyncKeyState(int virtualKey) = 0;
    virtual POINT CursorPosition() = 0;
    virtual void WarpCursor(POINT screenPoint) = 0;
    virtual void ConfineCursor(const std::optional<RECT>& screenRect) = 0;
    // cursor null or visible false hides the pointer over the windows.
    virtual void ApplyCursor(HCURSOR cursor, bool visible) = 0;
    virtual void CaptureMouse(bool capture) = 0;
    virtual UINT CaretBlinkTimeMs() = 0;
    virtual UINT DoubleClickTimeMs() = 0;

    // Clipboard of UTF-16 text.
    virtual bool SetClipboardText(const std::u16string& text) = 0;
    virtual std::optional<std::u16string> ClipboardText() = 0;

    // Modal dialogs. ShowMessageBox returns IDOK..IDNO, or 0 on failure.
    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
    // Empty when cancelled; failed set when the dialog could not be shown.
    virtual std::optional<FileDialogAnswer> ShowFileDialog(const FileDialogRequest& request,
                                                           bool& failed) = 0;

    // Clocks.
    virtual std::int64_t PerformanceCounter() = 0;
    virtual std::int64_t PerformanceFrequency() = 0;
    virtual DWORD Milliseconds() = 0;
    virtual void SleepFor(DWORD milliseconds) = 0;
};

// The backend in use. The selected window system (WindowSystems.h) is
// created on first use unless a test installed another backend.
PlatformServices& Services();
// Replaces the backend and starts a fresh session: every window of the old
// one is dropped without messages, queues and state are emptied.
void SetPlatformServices(std::unique_ptr<PlatformServices> services);
// Drops the session; the next use starts over with the selected window system.
void ResetPlatformServices();

}  // namespace ondrel::platform
