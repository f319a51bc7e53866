#include "platform/scripted/ScriptedPlatformServices.h"

#include <algorithm>

#include "platform/win32/PlatformWindow.h"
#include "platform/win32/WinDialogs.h"
#include "platform/win32/WinInput.h"
#include "platform/win32/WinWindow.h"
#include "platform/win32/WindowEvents.h"

namespace ondrel::platform {

namespace {

const char kScriptedKind = 0;
constexpr LONG kDefaultPlacementStep = 26;
constexpr LONG kDefaultPlacementOrigin = 52;

DisplayInfo DefaultDisplay() {
    DisplayInfo display;
    display.name = u"\\\\.\\DISPLAY1";
    display.bounds = RECT{0, 0, 1280, 1024};
    display.workArea = RECT{0, 0, 1280, 984};
    display.current = DisplayMode{1280, 1024, 32, 60};
    display.modes = {{640, 480, 32, 60}, {800, 600, 32, 60}, {1024, 768, 32, 60}, {1280, 1024, 32, 60}};
    return display;
}

int DefaultAnswer(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDOK;
    }
}

// The generic and sided codes a scripted key press stands for.
int SidedKeyFor(int virtualKey) {
    switch (virtualKey) {
    case VK_SHIFT: return VK_LSHIFT;
    case VK_CONTROL: return VK_LCONTROL;
    case VK_MENU: return VK_LMENU;
    default: return virtualKey;
    }
}

}  // namespace

ScriptedPlatformServices::ScriptedPlatformServices() : displays_{DefaultDisplay()} {}

ScriptedPlatformServices::NativeWindow* ScriptedPlatformServices::Find(HWND window) {
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

const ScriptedPlatformServices::NativeWindow* ScriptedPlatformServices::Find(HWND window) const {
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

RECT ScriptedPlatformServices::Clamped(const NativeWindow& native, RECT client) const {
    client.right = std::max(client.right, client.left + native.minimum.cx);
    client.bottom = std::max(client.bottom, client.top + native.minimum.cy);
    return client;
}

// --- Input script.

void ScriptedPlatformServices::PostInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         std::u16string characters) {
    Later([=, this] {
        MSG posted{};
        posted.hwnd = window;
        posted.message = message;
        posted.wParam = wParam;
        posted.lParam = lParam;
        ReportInput(posted, characters);
    });
}

KeyEventFacts ScriptedPlatformServices::FactsFor(int virtualKey, bool down) const {
    KeyEventFacts facts;
    facts.virtualKey = virtualKey;
    facts.down = down;
    facts.altHeld = asyncKeys_.IsDown(VK_MENU) || (down && virtualKey == VK_MENU);
    facts.controlHeld = asyncKeys_.IsDown(VK_CONTROL);
    facts.shiftHeld = asyncKeys_.IsDown(VK_SHIFT);
    facts.repeat = down && asyncKeys_.IsDown(SidedKeyFor(virtualKey));
    return facts;
}

void ScriptedPlatformServices::PressKey(HWND window, int virtualKey, std::u16string text) {
    KeyEventFacts facts = FactsFor(virtualKey, true);
    asyncKeys_.Press(SidedKeyFor(virtualKey));
    std::u16string characters = ControlCharactersFor(facts) + text;
    PostInput(window, KeyMessageFor(facts), static_cast<WPARAM>(virtualKey), KeyLParamFor(facts), characters);
}

void ScriptedPlatformServices::ReleaseKey(HWND window, int virtualKey) {
    asyncKeys_.Release(SidedKeyFor(virtualKey));
    KeyEventFacts facts = FactsFor(virtualKey, false);
    facts.altHeld = facts.altHeld || virtualKey == VK_MENU;
    PostInput(window, KeyMessageFor(facts), static_cast<WPARAM>(virtualKey), KeyLParamFor(facts));
}

void ScriptedPlatformServices::PostMouse(HWND window, UINT message, WPARAM wParam, int x, int y, bool screenPoint) {
    NativeWindow* native = Find(window);
    POINT screen = screenPoint ? POINT{x, y} : POINT{x + (native ? native->client.left : 0),
                                                      y + (native ? native->client.top : 0)};
    cursor_ = screen;
    Later([=, this] {
        MSG posted{};
        posted.hwnd = window;
        posted.message = message;
        posted.wParam = wParam;
        posted.lParam = PointLParam(x, y);
        posted.pt = screen;
        ReportInput(posted);
    });
}

void ScriptedPlatformServices::MoveMouse(HWND window, int x, int y) {
    bool shift = asyncKeys_.IsDown(VK_SHIFT);
    bool control = asyncKeys_.IsDown(VK_CONTROL);
    PostMouse(window, WM_MOUSEMOVE, MouseWParam(buttons_.held, shift, control), x, y);
}

void ScriptedPlatformServices::PressButton(HWND window, MouseButton button, int x, int y, bool doubleClick) {
    buttons_.Press(button);
    asyncKeys_.Press(ButtonVirtualKey(button));
    bool allowsDouble = window != nullptr && (window->classStyle & CS_DBLCLKS) != 0;
    UINT message = MouseButtonMessage(button, true, doubleClick && allowsDouble);
    WPARAM wParam = MouseWParam(buttons_.held, asyncKeys_.IsDown(VK_SHIFT), asyncKeys_.IsDown(VK_CONTROL), message,
                                button);
    PostMouse(window, message, wParam, x, y);
}

void ScriptedPlatformServices::ReleaseButton(HWND window, MouseButton button, int x, int y) {
    buttons_.Release(button);
    asyncKeys_.Release(ButtonVirtualKey(button));
    UINT message = MouseButtonMessage(button, false, false);
    WPARAM wParam = MouseWParam(buttons_.held, asyncKeys_.IsDown(VK_SHIFT), asyncKeys_.IsDown(VK_CONTROL), message,
                                button);
    PostMouse(window, message, wParam, x, y);
}

void ScriptedPlatformServices::TurnWheel(HWND window, int delta) {
    WPARAM keys = MouseWParam(buttons_.held, asyncKeys_.IsDown(VK_SHIFT), asyncKeys_.IsDown(VK_CONTROL));
    PostMouse(window, WM_MOUSEWHEEL, WheelWParam(delta, keys), cursor_.x, cursor_.y, true);
}

void ScriptedPlatformServices::DropFile(HWND window, std::u16string path, POINT clientPoint) {
    Later([=, this] { ReportDroppedFile(window, path, clientPoint); });
}

// --- Window script.

void ScriptedPlatformServices::ResizeByUser(HWND window, int clientWidth, int clientHeight) {
    Later([=, this] {
        NativeWindow* native = Find(window);
        if (native == nullptr) return;
        RECT wanted{native->client.left, native->client.top, native->client.left + clientWidth,
                    native->client.top + clientHeight};
        native->client = Clamped(*native, wanted);
        ReportClientRect(window, true);
    });
}

void ScriptedPlatformServices::MoveByUser(HWND window, int clientLeft, int clientTop) {
    Later([=, this] {
        NativeWindow* native = Find(window);
        if (native == nullptr) return;
        RECT& client = native->client;
        client = RECT{clientLeft, clientTop, clientLeft + client.right - client.left,
                      clientTop + client.bottom - client.top};
        ReportClientRect(window, true);
    });
}

void ScriptedPlatformServices::MinimizeByUser(HWND window) {
    Later([=, this] {
        SetNativeShowState(window, true, ShowState::Minimized);
        ReportShowState(window, ShowState::Minimized);
    });
}

void ScriptedPlatformServices::MaximizeByUser(HWND window) {
    Later([=, this] {
        SetNativeShowState(window, true, ShowState::Maximized);
        ReportShowState(window, ShowState::Maximized);
    });
}

void ScriptedPlatformServices::RestoreByUser(HWND window) {
    Later([=, this] {
        SetNativeShowState(window, true, ShowState::Normal);
        ReportShowState(window, ShowState::Normal);
    });
}

void ScriptedPlatformServices::Activate(HWND window, bool active) {
    Later([=, this] { ReportActivation(window, active); });
}

void ScriptedPlatformServices::RequestClose(HWND window) {
    Later([=, this] { ReportCloseRequest(window); });
}

void ScriptedPlatformServices::Expose(HWND window) {
    Later([=, this] { ReportExposed(window); });
}

// --- World script.

void ScriptedPlatformServices::SetDisplays(std::vector<DisplayInfo> displays) { displays_ = std::move(displays); }

void ScriptedPlatformServices::SetAsyncKeyDown(int virtualKey, bool down) {
    if (down) {
        asyncKeys_.Press(SidedKeyFor(virtualKey));
    } else {
        asyncKeys_.Release(SidedKeyFor(virtualKey));
    }
}

void ScriptedPlatformServices::QueueFileDialogAnswer(std::optional<std::u16string> path, int filterIndex) {
    if (path) {
        fileDialogAnswers_.push_back(FileDialogAnswer{*path, filterIndex});
    } else {
        fileDialogAnswers_.push_back(std::nullopt);
    }
}

SIZE ScriptedPlatformServices::MinimumClientSize(HWND window) const {
    const NativeWindow* native = Find(window);
    return native ? native->minimum : SIZE{0, 0};
}

bool ScriptedPlatformServices::NativeVisible(HWND window) const {
    const NativeWindow* native = Find(window);
    return native && native->visible;
}

std::u16string ScriptedPlatformServices::NativeTitle(HWND window) const {
    const NativeWindow* native = Find(window);
    return native ? native->title : std::u16string();
}

DWORD ScriptedPlatformServices::NativeStyle(HWND window) const {
    const NativeWindow* native = Find(window);
    return native ? native->style : 0;
}

// --- PlatformServices.

bool ScriptedPlatformServices::CreateNativeWindow(HWND window, const NativeWindowRequest& request) {
    NativeWindow native;
    native.client = request.client;
    if (request.defaultPosition) {
        LONG offset = kDefaultPlacementOrigin + kDefaultPlacementStep * (nextDefaultOffset_++ % 8);
        OffsetRect(&native.client, offset - native.client.left, offset - native.client.top);
    }
    native.restored = native.client;
    native.style = request.style;
    native.title = request.title;
    windows_[window] = native;
    window->native = &windows_[window];
    window->nativeKind = &kScriptedKind;
    return true;
}

void ScriptedPlatformServices::DestroyNativeWindow(HWND window) { windows_.erase(window); }

void ScriptedPlatformServices::SetNativeTitle(HWND window, const std::u16string& title) {
    if (NativeWindow* native = Find(window)) native->title = title;
}

void ScriptedPlatformServices::SetNativeStyle(HWND window, DWORD style) {
    if (NativeWindow* native = Find(window)) native->style = style;
}

void ScriptedPlatformServices::SetNativeClientRect(HWND window, const RECT& clientOnScreen) {
    if (NativeWindow* native = Find(window)) native->client = Clamped(*native, clientOnScreen);
}

RECT ScriptedPlatformServices::NativeClientRect(HWND window) {
    NativeWindow* native = Find(window);
    return native ? native->client : RECT{0, 0, 0, 0};
}

void ScriptedPlatformServices::SetNativeShowState(HWND window, bool visible, ShowState state) {
    NativeWindow* native = Find(window);
    if (native == nullptr) return;
    native->visible = visible;
    if (native->state == state) return;
    if (native->state == ShowState::Normal) native->restored = native->client;
    if (state == ShowState::Maximized && !displays_.empty()) {
        native->client = displays_.front().workArea;
    } else if (state == ShowState::Normal) {
        native->client = native->restored;
    }
    native->state = state;
}

void ScriptedPlatformServices::SetNativeMinimumClientSize(HWND window, SIZE size) {
    NativeWindow* native = Find(window);
    if (native == nullptr) return;
    native->minimum = size;
    native->client = Clamped(*native, native->client);
}

void ScriptedPlatformServices::FocusNativeWindow(HWND window) { Later([=, this] { ReportActivation(window, true); }); }

RECT ScriptedPlatformServices::FrameInsets(DWORD style) {
    // The frame of a classic Win32 window at 96 dots per inch.
    if ((style & WS_CAPTION) == WS_CAPTION) return RECT{8, 31, 8, 8};
    if (style & WS_THICKFRAME) return RECT{8, 8, 8, 8};
    if (style & (WS_BORDER | WS_DLGFRAME)) return RECT{1, 1, 1, 1};
    return RECT{0, 0, 0, 0};
}

void ScriptedPlatformServices::PumpEvents() {
    // Steps may script further steps; those wait for the next pump.
    std::deque<std::function<void()>> due;
    due.swap(pending_);
    for (auto& step : due) step();
}

bool ScriptedPlatformServices::WaitForEvents(int) { return !pending_.empty(); }

void ScriptedPlatformServices::ApplyCursor(HCURSOR cursor, bool visible) {
    cursorShape_ = cursor;
    cursorShown_ = visible && cursor != nullptr;
}

bool ScriptedPlatformServices::SetClipboardText(const std::u16string& text) {
    clipboard_ = text;
    return true;
}

int ScriptedPlatformServices::ShowMessageBox(const MessageBoxRequest& request) {
    messageBoxes_.push_back(request);
    if (messageBoxAnswers_.empty()) return DefaultAnswer(request.type);
    int answer = messageBoxAnswers_.front();
    messageBoxAnswers_.pop_front();
    return answer;
}

std::optional<FileDialogAnswer> ScriptedPlatformServices::ShowFileDialog(const FileDialogRequest& request,
                                                                         bool& failed) {
    fileDialogs_.push_back(request);
    failed = failNextFileDialog_;
    failNextFileDialog_ = false;
    if (failed || fileDialogAnswers_.empty()) return std::nullopt;
    std::optional<FileDialogAnswer> answer = fileDialogAnswers_.front();
    fileDialogAnswers_.pop_front();
    return answer;
}

void ScriptedPlatformServices::SleepFor(DWORD milliseconds) {
    sleeps_.push_back(milliseconds);
    AdvanceTime(milliseconds);
}

ScriptedPlatformServices& InstallScriptedPlatform() {
    auto services = std::make_unique<ScriptedPlatformServices>();
    ScriptedPlatformServices& installed = *services;
    SetPlatformServices(std::move(services));
    return installed;
}

}  // namespace ondrel::platform
