#pragma once
// A Direct3D-shaped device on the OpenGL backend, drawing into a hidden
// window of SDL's offscreen video driver. SDL's video and the GL library
// stay loaded until the process ends (the program is short-lived, and
// unloading the driver early only hides its lasting allocations from the
// leak checker).

#include <string>

#include "platform/d3d9/D3D9.h"

struct SDL_Window;

namespace ondrel::preview {

class OffscreenDevice {
public:
    OffscreenDevice() = default;
    ~OffscreenDevice();
    OffscreenDevice(const OffscreenDevice&) = delete;
    OffscreenDevice& operator=(const OffscreenDevice&) = delete;

    // False, with the reason, when any step fails.
    bool Create(unsigned width, unsigned height, std::string* error);
    IDirect3DDevice9* Device() const { return device_; }

private:
    SDL_Window* window_ = nullptr;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
};

}  // namespace ondrel::preview
