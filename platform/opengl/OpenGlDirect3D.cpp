#include "platform/opengl/OpenGlDirect3D.h"

#include <SDL2/SDL.h>

#include <string>

#include "platform/d3d9/GraphicsBackend.h"
#include "platform/d3d9/SystemCore.h"
#include "platform/opengl/GlRenderer.h"
#include "platform/win32/NativeWindowLookup.h"
#include "platform/win32/WinMonitor.h"

namespace ondrel::graphics {
namespace {

// Device windows are found through the window system's lookup; this backend
// draws with SDL's OpenGL contexts, so the native window is an SDL_Window.
SDL_Window* ResolveSdlWindow(HWND window) { return static_cast<SDL_Window*>(platform::NativeWindowOf(window)); }

D3DFORMAT FormatOfSdl(Uint32 format) {
    if (format == SDL_PIXELFORMAT_ARGB2101010) return D3DFMT_A2R10G10B10;
    switch (SDL_BITSPERPIXEL(format)) {
        case 24:
        case 32: return D3DFMT_X8R8G8B8;
        case 16: return D3DFMT_R5G6B5;
        case 15: return D3DFMT_X1R5G5B5;
        default: return D3DFMT_UNKNOWN;
    }
}

D3DDISPLAYMODE ModeOfSdl(const SDL_DisplayMode& mode) {
    return D3DDISPLAYMODE{static_cast<UINT>(mode.w), static_cast<UINT>(mode.h), static_cast<UINT>(mode.refresh_rate),
                          FormatOfSdl(mode.format)};
}

// Adapters are SDL's displays. HAL is the GL context; no reference device is
// offered, because the backend has no separate software device to give.
class OpenGlBackend final : public SystemBackend {
public:
    OpenGlBackend() { Refresh(); }
    ~OpenGlBackend() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
    OpenGlBackend(const OpenGlBackend&) = delete;
    OpenGlBackend& operator=(const OpenGlBackend&) = delete;

    const AdapterCatalogue& Catalogue() override {
        // The desktop mode may change while the program runs.
        for (std::size_t i = 0; i < catalogue_.adapters.size(); ++i) {
            SDL_DisplayMode mode{};
            if (SDL_GetDesktopDisplayMode(static_cast<int>(i), &mode) == 0) {
                catalogue_.adapters[i].currentMode = ModeOfSdl(mode);
            }
        }
        return catalogue_;
    }

    bool WindowClientSize(HWND window, UINT* width, UINT* height) override {
        SDL_Window* sdlWindow = ResolveSdlWindow(window);
        if (sdlWindow == nullptr) return false;
        int w = 0, h = 0;
        SDL_GetWindowSize(sdlWindow, &w, &h);
        *width = static_cast<UINT>(w);
        *height = static_cast<UINT>(h);
        return true;
    }

    HRESULT CreateRenderer(const DeviceCreation& creation, std::unique_ptr<DeviceRenderer>* renderer) override {
        const HWND window = creation.parameters.hDeviceWindow != nullptr ? creation.parameters.hDeviceWindow
                                                                         : creation.focusWindow;
        SDL_Window* sdlWindow = ResolveSdlWindow(window);
        if (sdlWindow == nullptr || (SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_OPENGL) == 0) {
            return D3DERR_INVALIDCALL;
        }
        return GlRenderer::Create(sdlWindow, creation, renderer);
    }

private:
    void Refresh() {
        catalogue_.adapters.clear();
        const int displays = SDL_GetNumVideoDisplays();
        for (int i = 0; i < displays; ++i) catalogue_.adapters.push_back(Describe(i));
    }

    static AdapterDescription Describe(int display) {
        AdapterDescription adapter;
        const char* name = SDL_GetDisplayName(display);
        const std::string description = std::string("OpenGL on ") + (name != nullptr ? name : "display");
        CopyIdentifierText(adapter.identifier.Driver, sizeof adapter.identifier.Driver,
                           std::string("sdl-") + SDL_GetCurrentVideoDriver());
        CopyIdentifierText(adapter.identifier.Description, sizeof adapter.identifier.Description, description);
        CopyIdentifierText(adapter.identifier.DeviceName, sizeof adapter.identifier.DeviceName,
                           "\\\\.\\DISPLAY" + std::to_string(display + 1));
        adapter.identifier.WHQLLevel = 1;
        const int modes = SDL_GetNumDisplayModes(display);
        for (int m = 0; m < modes; ++m) {
            SDL_DisplayMode mode{};
            if (SDL_GetDisplayMode(display, m, &mode) != 0) continue;
            const D3DDISPLAYMODE converted = ModeOfSdl(mode);
            if (converted.Format != D3DFMT_UNKNOWN) adapter.modes.push_back(converted);
        }
        SDL_DisplayMode desktop{};
        if (SDL_GetDesktopDisplayMode(display, &desktop) == 0) adapter.currentMode = ModeOfSdl(desktop);
        if (adapter.modes.empty() && adapter.currentMode.Format != D3DFMT_UNKNOWN) {
            adapter.modes.push_back(adapter.currentMode);
        }
        adapter.monitor = MonitorFromDisplayIndex(display);
        DeviceTypeSupport hal = TypicalDeviceSupport(D3DDEVTYPE_HAL);
        hal.adapterFormats = {D3DFMT_X8R8G8B8, D3DFMT_R5G6B5, D3DFMT_X1R5G5B5};
        hal.backBufferFormats = {D3DFMT_A8R8G8B8, D3DFMT_X8R8G8B8, D3DFMT_R5G6B5, D3DFMT_X1R5G5B5,
                                 D3DFMT_A1R5G5B5};
        for (D3DFORMAT format : hal.backBufferFormats) {
            bool listed = false;
            for (FormatSupport& support : hal.resourceFormats) {
                if (support.format == format && support.resourceType == D3DRTYPE_TEXTURE) {
                    support.usages |= D3DUSAGE_RENDERTARGET;
                    listed = true;
                }
            }
            if (!listed) {
                hal.resourceFormats.push_back({D3DRTYPE_TEXTURE, format, D3DUSAGE_RENDERTARGET});
            }
        }
        adapter.devices.push_back(hal);
        return adapter;
    }

    AdapterCatalogue catalogue_;
};

}  // namespace

IDirect3D9* CreateOpenGlDirect3D(UINT) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
    return SystemCore::Create(std::make_unique<OpenGlBackend>(), std::make_shared<ObjectCensus>());
}

void KeepGlDriverLoaded() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) SDL_GL_LoadLibrary(nullptr);
}

void UseOpenGlBackend() {
    RegisterGraphicsBackend(kOpenGlBackendName, CreateOpenGlDirect3D);
    SelectGraphicsBackend(kOpenGlBackendName);
}

}  // namespace ondrel::graphics
