#pragma once
// A backend without a window system, for tests of the layers above: windows
// are plain records, input is pushed by the test and arrives at the next
// message fetch, dialogs and message boxes answer from a script and are
// recorded, and the clock only moves when told to (Sleep moves it too).

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/KeyStateTable.h"
#include "platform/win32/MessagePacking.h"
#include "platform/win32/PlatformServices.h"

namespace ondrel::platform {

class ScriptedPlatformServices : public PlatformServices {
public:
    // One 1280 x 1024 display whose work area leaves 40 pixels for a task bar.
    ScriptedPlatformServices();

    // --- Script: input, delivered at the next PeekMessage / GetMessage.
    // Any message, as it stands.
    void PostInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam, std::u16string characters = {});
    // A key press; text is what the keyboard types (Return, Backspace, Tab,
    // Escape and Control+letter add their control characters themselves).
    // Held modifiers come from earlier PressKey calls.
    void PressKey(HWND window, int virtualKey, std::u16string text = {});
    void ReleaseKey(HWND window, int virtualKey);
    // Client coordinates.
    void MoveMouse(HWND window, int x, int y);
    void PressButton(HWND window, MouseButton button, int x, int y, bool doubleClick = false);
    void ReleaseButton(HWND window, MouseButton button, int x, int y);
    void TurnWheel(HWND window, int delta);
    void DropFile(HWND window, std::u16string path, POINT clientPoint = {0, 0});

    // --- Script: what the user does to the window.
    void ResizeByUser(HWND window, int clientWidth, int clientHeight);
    void MoveByUser(HWND window, int clientLeft, int clientTop);
    void MinimizeByUser(HWND window);
    void MaximizeByUser(HWND window);
    void RestoreByUser(HWND window);
    void Activate(HWND window, bool active);
    void RequestClose(HWND window);
    void Expose(HWND window);

    // --- Script: devices and the world.
    void SetDisplays(std::vector<DisplayInfo> displays);
    void SetAsyncKeyDown(int virtualKey, bool down);
    void SetCursorPosition(POINT screenPoint) { cursor_ = screenPoint; }
    void SetClipboard(std::optional<std::u16string> text) { clipboard_ = std::move(text); }
    void QueueMessageBoxAnswer(int answer) { messageBoxAnswers_.push_back(answer); }
    // A chosen path, or nullopt for a cancelled dialog.
    void QueueFileDialogAnswer(std::optional<std::u16string> path, int filterIndex = 0);
    void FailNextFileDialog() { failNextFileDialog_ = true; }
    void AdvanceTime(DWORD milliseconds) { nowMicroseconds_ += std::int64_t{milliseconds} * 1000; }

    // --- Observations.
    const std::vector<MessageBoxRequest>& MessageBoxes() const { return messageBoxes_; }
    const std::vector<FileDialogRequest>& FileDialogs() const { return fileDialogs_; }
    const std::optional<std::u16string>& Clipboard() const { return clipboard_; }
    bool CursorShown() const { return cursorShown_; }
    HCURSOR CursorShape() const { return cursorShape_; }
    const std::optional<RECT>& CursorClip() const { return cursorClip_; }
    bool MouseCaptured() const { return mouseCaptured_; }
    std::vector<DWORD> Sleeps() const { return sleeps_; }
    SIZE MinimumClientSize(HWND window) const;
    bool NativeVisible(HWND window) const;
    std::u16string NativeTitle(HWND window) const;
    DWORD NativeStyle(HWND window) const;
    bool HasPendingInput() const { return !pending_.empty(); }

    // --- PlatformServices.
    bool CreateNativeWindow(HWND window, const NativeWindowRequest& request) override;
    void DestroyNativeWindow(HWND window) override;
    void SetNativeTitle(HWND window, const std::u16string& title) override;
    void SetNativeStyle(HWND window, DWORD style) override;
    void SetNativeClientRect(HWND window, const RECT& clientOnScreen) override;
    RECT NativeClientRect(HWND window) override;
    void SetNativeShowState(HWND window, bool visible, ShowState state) override;
    void SetNativeMinimumClientSize(HWND window, SIZE size) override;
    void FocusNativeWindow(HWND window) override;
    RECT FrameInsets(DWORD style) override;
    void PumpEvents() override;
    bool WaitForEvents(int timeoutMs) override;
    std::vector<DisplayInfo> Displays() override { return displays_; }
    SHORT AsyncKeyState(int virtualKey) override { return asyncKeys_.TakeAsyncState(virtualKey); }
    POINT CursorPosition() override { return cursor_; }
    void WarpCursor(POINT screenPoint) override { cursor_ = screenPoint; }
    void ConfineCursor(const std::optional<RECT>& screenRect) override { cursorClip_ = screenRect; }
    void ApplyCursor(HCURSOR cursor, bool visible) override;
    void CaptureMouse(bool capture) override { mouseCaptured_ = capture; }
    UINT CaretBlinkTimeMs() override { return 530; }
    UINT DoubleClickTimeMs() override { return 500; }
    bool SetClipboardText(const std::u16string& text) override;
    std::optional<std::u16string> ClipboardText() override { return clipboard_; }
    int ShowMessageBox(const MessageBoxRequest& request) override;
    std::optional<FileDialogAnswer> ShowFileDialog(const FileDialogRequest& request, bool& failed) override;
    std::int64_t PerformanceCounter() override { return nowMicroseconds_; }
    std::int64_t PerformanceFrequency() override { return 1'000'000; }
    DWORD Milliseconds() override { return static_cast<DWORD>(nowMicroseconds_ / 1000); }
    void SleepFor(DWORD milliseconds) override;

private:
    struct NativeWindow {
        RECT client{};
        RECT restored{};
        bool visible = false;
        ShowState state = ShowState::Normal;
        DWORD style = 0;
        SIZE minimum{0, 0};
        std::u16string title;
    };

    NativeWindow* Find(HWND window);
    const NativeWindow* Find(HWND window) const;
    void Later(std::function<void()> step) { pending_.push_back(std::move(step)); }
    KeyEventFacts FactsFor(int virtualKey, bool down) const;
    void PostMouse(HWND window, UINT message, WPARAM wParam, int x, int y, bool screenPoint = false);
    RECT Clamped(const NativeWindow& native, RECT client) const;

    std::map<HWND, NativeWindow> windows_;
    std::deque<std::function<void()>> pending_;
    std::vector<DisplayInfo> displays_;
    KeyStateTable asyncKeys_;
    MouseButtonState buttons_;
    POINT cursor_{0, 0};
    bool cursorShown_ = true;
    HCURSOR cursorShape_ = nullptr;
    std::optional<RECT> cursorClip_;
    bool mouseCaptured_ = false;
    std::optional<std::u16string> clipboard_;
    std::deque<int> messageBoxAnswers_;
    std::vector<MessageBoxRequest> messageBoxes_;
    std::deque<std::optional<FileDialogAnswer>> fileDialogAnswers_;
    std::vector<FileDialogRequest> fileDialogs_;
    bool failNextFileDialog_ = false;
    std::int64_t nowMicroseconds_ = 0;
    std::vector<DWORD> sleeps_;
    int nextDefaultOffset_ = 0;
};

// Installs a fresh scripted backend (a fresh session) and returns it; it
// stays installed until the next SetPlatformServices / ResetPlatformServices.
ScriptedPlatformServices& InstallScriptedPlatform();

}  // namespace ondrel::platform
