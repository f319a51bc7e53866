#include "platform/sdl/SdlPlatformServices.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <thread>

#include "platform/sdl/GtkFileChooser.h"
#include "platform/sdl/SdlMessageBox.h"
#include "platform/sdl/SdlNativeKind.h"
#include "platform/win32/PlatformWindow.h"
#include "platform/win32/TextConvert.h"
#include "platform/win32/WinWindow.h"

namespace ondrel::platform {

namespace {

const char kSdlKind = 0;

bool Decorated(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION || (style & WS_THICKFRAME); }

SDL_SystemCursor SystemCursorFor(int resourceId) {
    switch (resourceId) {
    case 32513: return SDL_SYSTEM_CURSOR_IBEAM;
    case 32514: return SDL_SYSTEM_CURSOR_WAIT;
    case 32515: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case 32646: return SDL_SYSTEM_CURSOR_SIZEALL;
    case 32649: return SDL_SYSTEM_CURSOR_HAND;
    default: return SDL_SYSTEM_CURSOR_ARROW;
    }
}

int BitsOf(Uint32 format) { return SDL_BYTESPERPIXEL(format) == 4 ? 32 : static_cast<int>(SDL_BITSPERPIXEL(format)); }

DisplayMode ModeOf(const SDL_DisplayMode& mode) {
    return DisplayMode{mode.w, mode.h, BitsOf(mode.format), mode.refresh_rate};
}

RECT RectOf(const SDL_Rect& rect) { return RECT{rect.x, rect.y, rect.x + rect.w, rect.y + rect.h}; }

}  // namespace

const void* SdlNativeKind() { return &kSdlKind; }

SdlPlatformServices::SdlPlatformServices() = default;

SdlPlatformServices::~SdlPlatformServices() {
    for (auto& [id, cursor] : cursors_) SDL_FreeCursor(cursor);
    if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlPlatformServices::Video() {
    if (videoStarted_) return true;
    if (videoFailed_) return false;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        videoFailed_ = true;
        return false;
    }
    videoStarted_ = true;
    return true;
}

SDL_Window* SdlPlatformServices::NativeOf(HWND window) {
    SdlWindowEntry* entry = book_.Find(window);
    return entry ? entry->window : nullptr;
}

bool SdlPlatformServices::CreateNativeWindow(HWND window, const NativeWindowRequest& request) {
    if (!Video()) return false;
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    if (request.style & WS_THICKFRAME) flags |= SDL_WINDOW_RESIZABLE;
    if (!Decorated(request.style)) flags |= SDL_WINDOW_BORDERLESS;
    int width = std::max<LONG>(1, request.client.right - request.client.left);
    int height = std::max<LONG>(1, request.client.bottom - request.client.top);
    int x = request.defaultPosition ? static_cast<int>(SDL_WINDOWPOS_UNDEFINED) : request.client.left;
    int y = request.defaultPosition ? static_cast<int>(SDL_WINDOWPOS_UNDEFINED) : request.client.top;
    SDL_Window* native = SDL_CreateWindow(Utf16ToDisplayUtf8(request.title).c_str(), x, y, width, height, flags);
    if (native == nullptr) return false;
    SDL_SetWindowData(native, kSdlHwndKey, window);
    window->native = native;
    window->nativeKind = &kSdlKind;
    book_.Add(window, native, RECT{});
    book_.Find(window)->requestedClient = NativeClientRect(window);
    return true;
}

void SdlPlatformServices::DestroyNativeWindow(HWND window) {
    if (SDL_Window* native = NativeOf(window)) {
        SDL_SetWindowData(native, kSdlHwndKey, nullptr);
        SDL_DestroyWindow(native);
    }
    book_.Remove(window);
}

void SdlPlatformServices::SetNativeTitle(HWND window, const std::u16string& title) {
    if (SDL_Window* native = NativeOf(window)) SDL_SetWindowTitle(native, Utf16ToDisplayUtf8(title).c_str());
}

void SdlPlatformServices::SetNativeStyle(HWND window, DWORD style) {
    SDL_Window* native = NativeOf(window);
    if (native == nullptr) return;
    SDL_SetWindowBordered(native, Decorated(style) ? SDL_TRUE : SDL_FALSE);
    SDL_SetWindowResizable(native, (style & WS_THICKFRAME) ? SDL_TRUE : SDL_FALSE);
}

void SdlPlatformServices::SetNativeClientRect(HWND window, const RECT& clientOnScreen) {
    SdlWindowEntry* entry = book_.Find(window);
    if (entry == nullptr) return;
    SDL_SetWindowPosition(entry->window, clientOnScreen.left, clientOnScreen.top);
    SDL_SetWindowSize(entry->window, std::max<LONG>(1, clientOnScreen.right - clientOnScreen.left),
                      std::max<LONG>(1, clientOnScreen.bottom - clientOnScreen.top));
    // What SDL settled on (it applies the minimum size).
    entry->requestedClient = NativeClientRect(window);
}

RECT SdlPlatformServices::NativeClientRect(HWND window) {
    SDL_Window* native = NativeOf(window);
    if (native == nullptr) return RECT{0, 0, 0, 0};
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowPosition(native, &x, &y);
    SDL_GetWindowSize(native, &width, &height);
    return RECT{x, y, x + width, y + height};
}

void SdlPlatformServices::SetNativeShowState(HWND window, bool visible, ShowState state) {
    SDL_Window* native = NativeOf(window);
    if (native == nullptr) return;
    if (!visible) {
        SDL_HideWindow(native);
        return;
    }
    Uint32 flags = SDL_GetWindowFlags(native);
    if (flags & SDL_WINDOW_HIDDEN) SDL_ShowWindow(native);
    switch (state) {
    case ShowState::Minimized:
        if (!(flags & SDL_WINDOW_MINIMIZED)) SDL_MinimizeWindow(native);
        break;
    case ShowState::Maximized:
        if (!(flags & SDL_WINDOW_MAXIMIZED)) SDL_MaximizeWindow(native);
        break;
    case ShowState::Normal:
        if (flags & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_MAXIMIZED)) SDL_RestoreWindow(native);
        break;
    }
}

void SdlPlatformServices::SetNativeMinimumClientSize(HWND window, SIZE size) {
    SdlWindowEntry* entry = book_.Find(window);
    if (entry == nullptr) return;
    SDL_SetWindowMinimumSize(entry->window, std::max<LONG>(1, size.cx), std::max<LONG>(1, size.cy));
    entry->requestedClient = NativeClientRect(window);
}

void SdlPlatformServices::FocusNativeWindow(HWND window) {
    if (SDL_Window* native = NativeOf(window)) SDL_RaiseWindow(native);
}

RECT SdlPlatformServices::FrameInsets(DWORD style) {
    if (!Decorated(style)) return RECT{0, 0, 0, 0};
    // The window manager's decoration, read off a decorated window it has
    // framed; without a window manager there is none.
    for (const auto& [handle, entry] : book_.Entries()) {
        int top = 0, left = 0, bottom = 0, right = 0;
        if (SDL_GetWindowBordersSize(entry.window, &top, &left, &bottom, &right) == 0 && (top | left | bottom | right)) {
            return RECT{left, top, right, bottom};
        }
    }
    return RECT{0, 0, 0, 0};
}

void SdlPlatformServices::PumpEvents() {
    if (!videoStarted_) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) translator_.Translate(event);
}

bool SdlPlatformServices::WaitForEvents(int timeoutMs) {
    if (!videoStarted_) return false;
    SDL_WaitEventTimeout(nullptr, timeoutMs);
    return true;
}

std::vector<DisplayInfo> SdlPlatformServices::Displays() {
    std::vector<DisplayInfo> displays;
    if (!Video()) return displays;
    int count = SDL_GetNumVideoDisplays();
    for (int i = 0; i < count; ++i) {
        DisplayInfo display;
        display.name = u"\\\\.\\DISPLAY" + Utf8ToUtf16(std::to_string(i + 1));
        SDL_Rect bounds{};
        SDL_GetDisplayBounds(i, &bounds);
        display.bounds = RectOf(bounds);
        SDL_Rect usable = bounds;
        SDL_GetDisplayUsableBounds(i, &usable);
        display.workArea = RectOf(usable);
        SDL_DisplayMode mode{};
        if (SDL_GetCurrentDisplayMode(i, &mode) == 0) display.current = ModeOf(mode);
        int modes = SDL_GetNumDisplayModes(i);
        for (int m = 0; m < modes; ++m) {
            if (SDL_GetDisplayMode(i, m, &mode) == 0) display.modes.push_back(ModeOf(mode));
        }
        if (display.modes.empty()) display.modes.push_back(display.current);
        displays.push_back(display);
    }
    return displays;
}

POINT SdlPlatformServices::CursorPosition() {
    if (!Video()) return POINT{0, 0};
    int x = 0, y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    return POINT{x, y};
}

void SdlPlatformServices::WarpCursor(POINT screenPoint) {
    if (Video()) SDL_WarpMouseGlobal(screenPoint.x, screenPoint.y);
}

void SdlPlatformServices::ApplyConfinement(SDL_Window* window) {
    if (!confinement_) {
        SDL_SetWindowMouseRect(window, nullptr);
        return;
    }
    int x = 0, y = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_Rect inside{confinement_->left - x, confinement_->top - y, confinement_->right - confinement_->left,
                    confinement_->bottom - confinement_->top};
    SDL_SetWindowMouseRect(window, &inside);
}

void SdlPlatformServices::ConfineCursor(const std::optional<RECT>& screenRect) {
    confinement_ = screenRect;
    for (const auto& [handle, entry] : book_.Entries()) ApplyConfinement(entry.window);
}

void SdlPlatformServices::ApplyCursor(HCURSOR cursor, bool visible) {
    if (!Video()) return;
    if (cursor == nullptr || !visible) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    SDL_Cursor*& shape = cursors_[cursor->resourceId];
    if (shape == nullptr) shape = SDL_CreateSystemCursor(SystemCursorFor(cursor->resourceId));
    if (shape != nullptr) SDL_SetCursor(shape);
    SDL_ShowCursor(SDL_ENABLE);
}

void SdlPlatformServices::CaptureMouse(bool capture) {
    if (Video()) SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE);
}

bool SdlPlatformServices::SetClipboardText(const std::u16string& text) {
    return Video() && SDL_SetClipboardText(Utf16ToDisplayUtf8(text).c_str()) == 0;
}

std::optional<std::u16string> SdlPlatformServices::ClipboardText() {
    if (!Video() || !SDL_HasClipboardText()) return std::nullopt;
    char* text = SDL_GetClipboardText();
    if (text == nullptr) return std::nullopt;
    std::u16string converted = Utf8ToUtf16(text);
    SDL_free(text);
    return converted;
}

int SdlPlatformServices::ShowMessageBox(const MessageBoxRequest& request) { return ShowSdlMessageBox(request); }

std::optional<FileDialogAnswer> SdlPlatformServices::ShowFileDialog(const FileDialogRequest& request, bool& failed) {
    return RunGtkFileChooser(request, failed);
}

std::int64_t SdlPlatformServices::PerformanceCounter() {
    auto elapsed = std::chrono::steady_clock::now() - start_;
    return std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count();
}

std::int64_t SdlPlatformServices::PerformanceFrequency() { return 1'000'000'000; }

DWORD SdlPlatformServices::Milliseconds() {
    auto elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void SdlPlatformServices::SleepFor(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace ondrel::platform
