#pragma once
// Everything the Win32-shaped layer remembers between calls, owned by one
// session object so that tests can throw it away (ResetPlatformServices).

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/win32/KeyStateTable.h"
#include "platform/win32/MessageQueue.h"
#include "platform/win32/PlatformServices.h"
#include "platform/win32/PlatformWindow.h"

namespace ondrel::platform {

struct WindowClass {
    std::u16string name;
    UINT style = 0;
    WNDPROC procedure = nullptr;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
};

struct InputState {
    HWND capture = nullptr;
    HWND focus = nullptr;
    bool applicationActive = false;
    int cursorShowCount = 0;
    HCURSOR cursor = nullptr;
    std::optional<RECT> cursorClip;
};

struct ClipboardState {
    bool open = false;
    HWND owner = nullptr;
    // Blocks handed out by GetClipboardData, freed at CloseClipboard.
    std::vector<HGLOBAL> lent;
};

class PlatformSession {
public:
    explicit PlatformSession(std::unique_ptr<PlatformServices> services);
    ~PlatformSession();
    PlatformSession(const PlatformSession&) = delete;
    PlatformSession& operator=(const PlatformSession&) = delete;

    PlatformServices& Services() { return *services_; }

    // Class names compare without regard to ASCII case, as in Win32.
    WindowClass* FindClass(const std::u16string& name);
    bool AddClass(WindowClass windowClass);
    bool RemoveClass(const std::u16string& name);
    bool ClassHasWindows(const std::u16string& name) const;

    HWND AddWindow(std::unique_ptr<PlatformWindow> window);
    void RemoveWindow(HWND window);
    bool IsLive(HWND window) const;
    // Live windows in creation order.
    std::vector<HWND> Windows() const;

    MessageQueue& Queue() { return queue_; }
    KeyStateTable& KeyStates() { return keyStates_; }
    InputState& Input() { return input_; }
    ClipboardState& Clipboard() { return clipboard_; }
    DWORD& DialogError() { return dialogError_; }

private:
    std::unique_ptr<PlatformServices> services_;
    std::map<std::u16string, WindowClass> classes_;
    std::vector<std::unique_ptr<PlatformWindow>> windows_;
    std::set<HWND> live_;
    MessageQueue queue_;
    KeyStateTable keyStates_;
    InputState input_;
    ClipboardState clipboard_;
    DWORD dialogError_ = 0;
};

// The current session, created with the default backend on first use.
PlatformSession& Session();
// The window record for a handle, or null for a null, dead or foreign handle.
PlatformWindow* LiveWindow(HWND window);

}  // namespace ondrel::platform
