#include "platform/sdl/SdlWindowSystem.h"

#include "platform/sdl/SdlPlatformServices.h"
#include "platform/sdl/SdlWindowHandle.h"
#include "platform/win32/NativeWindowLookup.h"
#include "platform/win32/WindowSystems.h"

namespace ondrel::platform {

void UseSdlWindowSystem() {
    RegisterWindowSystem(kSdlWindowSystemName, [] { return std::make_unique<SdlPlatformServices>(); });
    SelectWindowSystem(kSdlWindowSystemName);
    SetNativeWindowLookup([](HWND window) -> void* { return SdlWindowOf(window); });
}

}  // namespace ondrel::platform
