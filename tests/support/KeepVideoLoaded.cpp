// These tests run on the SDL window system, chosen once for the program as a
// viewer would choose it.
//
// SDL unloads the GL driver whenever its video subsystem stops, which these
// tests cause between cases (ResetPlatformServices). The driver's caches
// would then point into unmapped code, where the sanitizer's leak checker
// can no longer tell whose they are; one reference held for the whole run
// keeps the driver loaded until exit.

#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include "platform/sdl/SdlWindowSystem.h"
#include "tests/support/X11Session.h"

namespace {

class KeepVideoLoaded : public ::testing::Environment {
public:
    void SetUp() override {
        ondrel::platform::UseSdlWindowSystem();
        if (ondrel::testing::HasDisplay()) SDL_InitSubSystem(SDL_INIT_VIDEO);
    }
};

::testing::Environment* const keepVideoLoaded = ::testing::AddGlobalTestEnvironment(new KeepVideoLoaded);

}  // namespace
