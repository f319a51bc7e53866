// ondrel-graphics-smoke: opens a window, draws a lit level (or built-in
// triangles) through the Direct3D-shaped layer for N frames and can save the
// last frame as a PNG. Exit code 0 on success, 1 on a usage error, 2 when a
// step of the graphics layer fails.

#include <SDL2/SDL.h>

#include <cstdio>

#include "SmokeOptions.h"
#include "SmokeScene.h"
#include "scene/BackBufferPng.h"
#include "platform/opengl/OpenGlDirect3D.h"
#include "platform/win32/NativeWindowLookup.h"

namespace {

int Fail(const char* what, HRESULT hr = S_OK) {
    std::fprintf(stderr, "ondrel-graphics-smoke: %s (0x%08X)\n", what, static_cast<unsigned>(hr));
    return 2;
}

int Run(const ondrel::smoke::SmokeOptions& options, SDL_Window* window) {
    // The smoke program makes its SDL window itself and hands it to the
    // device as the HWND.
    ondrel::platform::SetNativeWindowLookup(
        [window](HWND handle) -> void* { return reinterpret_cast<SDL_Window*>(handle) == window ? window : nullptr; });
    ondrel::graphics::UseOpenGlBackend();
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    if (d3d == nullptr) return Fail("Direct3DCreate9 failed");

    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = options.width;
    pp.BackBufferHeight = options.height;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.Windowed = TRUE;
    pp.EnableAutoDepthStencil = TRUE;
    pp.AutoDepthStencilFormat = D3DFMT_D24S8;
    pp.PresentationInterval = D3DPRESENT_INTERVAL_ONE;
    IDirect3DDevice9* device = nullptr;
    const HRESULT created = d3d->CreateDevice(0, D3DDEVTYPE_HAL, reinterpret_cast<HWND>(window),
                                              D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &device);
    if (FAILED(created)) {
        d3d->Release();
        return Fail("CreateDevice failed", created);
    }

    int status = 0;
    {
        ondrel::smoke::SmokeScene scene(device);
        std::string error;
        const bool loaded = options.levelPath.empty() ? scene.UseBuiltInTriangles(&error)
                                                      : scene.LoadLevel(options.levelPath, options.binaryLevel, &error);
        if (!loaded) {
            std::fprintf(stderr, "ondrel-graphics-smoke: %s\n", error.c_str());
            status = 2;
        } else {
            std::printf("%zu triangles\n", scene.TriangleCount());
            bool quit = false;
            for (unsigned frame = 0; frame < options.frames && !quit; ++frame) {
                SDL_Event event;
                while (SDL_PollEvent(&event)) quit = quit || event.type == SDL_QUIT;
                scene.Render(static_cast<float>(frame) / 60.0f);
                if (!options.screenshotPath.empty() && frame + 1 == options.frames) {
                    if (!ondrel::scene::SaveBackBufferPng(device, options.screenshotPath, &error)) {
                        std::fprintf(stderr, "ondrel-graphics-smoke: %s\n", error.c_str());
                        status = 2;
                    }
                }
                const HRESULT presented = device->Present(nullptr, nullptr, nullptr, nullptr);
                if (FAILED(presented)) status = Fail("Present failed", presented);
            }
        }
    }
    if (device->Release() != 0) status = Fail("device still referenced after release");
    d3d->Release();
    ondrel::platform::ResetNativeWindowLookup();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = ondrel::smoke::ParseSmokeOptions(argc, argv, &error);
    if (!options) {
        std::fprintf(stderr, "ondrel-graphics-smoke: %s\n%s", error.c_str(), ondrel::smoke::SmokeUsage());
        return 1;
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return Fail(SDL_GetError());
    // The GL library stays loaded to the end of the process (see below).
    if (SDL_GL_LoadLibrary(nullptr) != 0) return Fail(SDL_GetError());
    SDL_Window* window = SDL_CreateWindow("Ondrel graphics smoke test", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          static_cast<int>(options->width), static_cast<int>(options->height),
                                          SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    if (window == nullptr) return Fail(SDL_GetError());
    const int status = Run(*options, window);
    SDL_DestroyWindow(window);
    // No SDL_Quit: it would unload the GL driver, whose lasting caches the
    // sanitizer build's leak check can then no longer attribute to it. The
    // process ends here and takes everything with it.
    return status;
}
