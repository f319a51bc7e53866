#pragma once
// The real backend: SDL2 windows (OpenGL-capable, for the graphics layer),
// SDL input and clipboard, SDL message boxes, GTK file dialogs.

#include <SDL2/SDL_mouse.h>

#include <chrono>
#include <map>
#include <memory>

#include "platform/sdl/SdlEventTranslator.h"
#include "platform/sdl/SdlWindowBook.h"
#include "platform/win32/KeyStateTable.h"
#include "platform/win32/PlatformServices.h"

namespace ondrel::platform {

class SdlPlatformServices : public PlatformServices {
public:
    SdlPlatformServices();
    ~SdlPlatformServices() override;
    SdlPlatformServices(const SdlPlatformServices&) = delete;
    SdlPlatformServices& operator=(const SdlPlatformServices&) = delete;

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
    std::vector<DisplayInfo> Displays() override;
    SHORT AsyncKeyState(int virtualKey) override { return asyncKeys_.TakeAsyncState(virtualKey); }
    POINT CursorPosition() override;
    void WarpCursor(POINT screenPoint) override;
    void ConfineCursor(const std::optional<RECT>& screenRect) override;
    void ApplyCursor(HCURSOR cursor, bool visible) override;
    void CaptureMouse(bool capture) override;
    UINT CaretBlinkTimeMs() override { return 530; }
    UINT DoubleClickTimeMs() override { return 500; }
    bool SetClipboardText(const std::u16string& text) override;
    std::optional<std::u16string> ClipboardText() override;
    int ShowMessageBox(const MessageBoxRequest& request) override;
    std::optional<FileDialogAnswer> ShowFileDialog(const FileDialogRequest& request, bool& failed) override;
    std::int64_t PerformanceCounter() override;
    std::int64_t PerformanceFrequency() override;
    DWORD Milliseconds() override;
    void SleepFor(DWORD milliseconds) override;

private:
    // Starts SDL video on first need; false when there is no display.
    bool Video();
    SDL_Window* NativeOf(HWND window);
    void ApplyConfinement(SDL_Window* window);

    bool videoStarted_ = false;
    bool videoFailed_ = false;
    SdlWindowBook book_;
    KeyStateTable asyncKeys_;
    SdlEventTranslator translator_{book_, asyncKeys_};
    std::map<int, SDL_Cursor*> cursors_;
    std::optional<RECT> confinement_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace ondrel::platform
