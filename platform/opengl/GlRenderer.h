#pragma once
// The OpenGL renderer of one device: a GL 3.3 core context on the device's SDL
// window, a framebuffer object of back-buffer size that everything is drawn
// into, and the fixed-function shaders. Present scales the back buffer into
// the window.

#include <SDL2/SDL.h>
#include <epoxy/gl.h>

#include <array>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/d3d9/DeviceRenderer.h"
#include "platform/d3d9/SystemBackend.h"
#include "platform/opengl/GlProgram.h"
#include "platform/opengl/GlShaderVariant.h"

namespace ondrel::graphics {

class GlRenderer final : public DeviceRenderer {
public:
    static HRESULT Create(SDL_Window* window, const DeviceCreation& creation,
                          std::unique_ptr<DeviceRenderer>* renderer);
    ~GlRenderer() override;

    void Attach(DeviceCore* device) override;
    HRESULT Clear(const DeviceState& state, DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color,
                  float z, DWORD stencil) override;
    HRESULT Draw(const DeviceState& state, const DrawBatch& batch) override;
    HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride) override;
    HRESULT ReadBackBuffer(PixelImage& into) override;
    HRESULT Reset(const D3DPRESENT_PARAMETERS& parameters) override;
    void ForgetResource(const void* resource) override;
    void SetCursorImage(const PixelImage& image, UINT hotSpotX, UINT hotSpotY) override;
    void ShowCursor(bool show) override;

private:
    struct GlObject {
        GLuint name = 0;
        std::uint64_t version = 0;
    };

    GlRenderer(SDL_Window* window, const D3DPRESENT_PARAMETERS& parameters);
    bool Initialise(std::string* log);
    bool MakeCurrent();
    bool CreateTargets(UINT width, UINT height);
    void DestroyTargets();
    void ApplyPresentationMode(const D3DPRESENT_PARAMETERS& parameters);
    void ApplyOutputState(const DeviceState& state, bool pretransformed);
    void ApplyTransformsAndLights(const DeviceState& state);
    void ApplyStages(const DeviceState& state);
    void BindVertices(const DrawBatch& batch);
    ShaderChoices ChoicesFor(const DeviceState& state, const FvfLayout& layout) const;
    GlProgram* ProgramFor(const DeviceState& state, const FvfLayout& layout);
    GLuint TextureFor(TextureObject* texture);
    GLuint BufferFor(const VertexBufferObject* buffer);
    static int WatchEvents(void* self, SDL_Event* event);
    // The device's window while it exists, else null. Looked up by its id
    // each time: DestroyWindow frees the SDL window under a live device.
    SDL_Window* Window() const;

    Uint32 windowId_;
    SDL_GLContext context_ = nullptr;
    DeviceCore* device_ = nullptr;
    D3DPRESENT_PARAMETERS parameters_;
    GLuint framebuffer_ = 0;
    GLuint colour_ = 0;
    GLuint depthStencil_ = 0;
    GLuint vertexArray_ = 0;
    GLuint streamBuffer_ = 0;
    GLuint indexBuffer_ = 0;
    std::array<GLuint, 4> samplers_{};
    // The general shaders, with every choice a uniform, and the variants
    // made for the combinations drawn so far (null: it did not build, the
    // general one serves). program_ is the one of the draw under way.
    GlProgram generic_;
    std::unordered_map<std::string, std::unique_ptr<GlProgram>> variants_;
    GlProgram* program_ = &generic_;
    std::unordered_map<const void*, GlObject> textures_;
    std::unordered_map<const void*, GlObject> buffers_;
    SDL_Cursor* cursor_ = nullptr;
    bool cursorShown_ = false;
};

}  // namespace ondrel::graphics
