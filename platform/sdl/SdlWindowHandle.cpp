#include "platform/sdl/SdlWindowHandle.h"

#include <SDL2/SDL_video.h>

#include "platform/sdl/SdlNativeKind.h"
#include "platform/win32/PlatformSession.h"

SDL_Window* SdlWindowOf(HWND window) {
    PlatformWindow* record = ondrel::platform::LiveWindow(window);
    if (record == nullptr || record->nativeKind != ondrel::platform::SdlNativeKind()) return nullptr;
    return static_cast<SDL_Window*>(record->native);
}

HWND HwndOfSdlWindow(SDL_Window* window) {
    if (window == nullptr) return nullptr;
    auto* handle = static_cast<HWND>(SDL_GetWindowData(window, ondrel::platform::kSdlHwndKey));
    return ondrel::platform::LiveWindow(handle);
}
