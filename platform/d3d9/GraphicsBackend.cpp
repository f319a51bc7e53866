#include "platform/d3d9/GraphicsBackend.h"

#include "platform/d3d9/D3D9.h"
#include "platform/opengl/OpenGlDirect3D.h"

namespace ondrel::graphics {
namespace {

Direct3DFactory& Slot() {
    static Direct3DFactory factory = CreateOpenGlDirect3D;
    return factory;
}

}  // namespace

void SetGraphicsBackend(Direct3DFactory factory) {
    Slot() = factory ? std::move(factory) : Direct3DFactory(CreateOpenGlDirect3D);
}

void ResetGraphicsBackend() { Slot() = CreateOpenGlDirect3D; }

const Direct3DFactory& CurrentGraphicsBackend() { return Slot(); }

}  // namespace ondrel::graphics

IDirect3D9* Direct3DCreate9(UINT sdkVersion) {
    if (sdkVersion != D3D_SDK_VERSION) return nullptr;
    return ondrel::graphics::CurrentGraphicsBackend()(sdkVersion);
}
