#include "preview/OffscreenDevice.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>

#include "platform/opengl/OpenGlDirect3D.h"
#include "platform/win32/NativeWindowLookup.h"

namespace ondrel::preview {
namespace {

std::string HresultText(const char* step, HRESULT hr) {
    char text[96];
    std::snprintf(text, sizeof text, "%s failed (0x%08X)", step, static_cast<unsigned>(hr));
    return text;
}

}  // namespace

OffscreenDevice::~OffscreenDevice() {
    if (device_ != nullptr) device_->Release();
    if (d3d_ != nullptr) d3d_->Release();
    platform::ResetNativeWindowLookup();
    if (window_ != nullptr) SDL_DestroyWindow(window_);
}

bool OffscreenDevice::Create(unsigned width, unsigned height, std::string* error) {
    // Always offscreen: a display named in the environment is not wanted.
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || SDL_GL_LoadLibrary(nullptr) != 0) {
        *error = std::string("no offscreen OpenGL: ") + SDL_GetError();
        return false;
    }
    window_ = SDL_CreateWindow("Ondrel preview", 0, 0, static_cast<int>(width), static_cast<int>(height),
                               SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window_ == nullptr) {
        *error = std::string("no offscreen OpenGL window: ") + SDL_GetError();
        return false;
    }
    SDL_Window* window = window_;
    platform::SetNativeWindowLookup(
        [window](HWND handle) -> void* { return reinterpret_cast<SDL_Window*>(handle) == window ? window : nullptr; });
    graphics::UseOpenGlBackend();
    d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
    if (d3d_ == nullptr) {
        *error = "no OpenGL graphics system";
        return false;
    }
    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = width;
    pp.BackBufferHeight = height;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.BackBufferCount = 1;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.Windowed = TRUE;
    pp.EnableAutoDepthStencil = TRUE;
    pp.AutoDepthStencilFormat = D3DFMT_D24S8;
    pp.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    pp.hDeviceWindow = reinterpret_cast<HWND>(window_);
    const HRESULT created = d3d_->CreateDevice(0, D3DDEVTYPE_HAL, pp.hDeviceWindow,
                                               D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &device_);
    if (FAILED(created) || device_ == nullptr) {
        device_ = nullptr;
        *error = HresultText("creating the OpenGL device", created);
        return false;
    }
    return true;
}

}  // namespace ondrel::preview
