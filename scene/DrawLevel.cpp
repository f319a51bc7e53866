#include "scene/DrawLevel.h"

#include <mutex>

#include "scene/LevelVertexBufferFactory.h"

namespace ondrel::scene {

int DrawLevel(LevelData& level, IDirect3DDevice9* device, const GFXMATRIX& view, const GFXMATRIX& projection) {
    // Import, conversion and Reset hold the same lock, so no half-built
    // buffer is ever drawn.
    std::lock_guard<std::recursive_mutex> held(level.lock);
    if (level.sourceCount == 0) {
        return 1;
    }
    GFXMATRIX world;
    GfxMatrixIdentity(&world);
    const GFXMATRIX transform = world * view * projection;
    device->SetTransform(D3DTS_WORLD, &transform);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
    device->SetTexture(0, nullptr);
    device->SetFVF(kLevelVertexFormat);

    const bool converted = level.previewCount != 0;
    const LevelVertexBuffer* chosen = converted ? level.previewBuffer.get() : level.sourceBuffer.get();
    const UINT vertices = converted ? level.previewCount : level.sourceCount;
    // A conversion whose buffer could not be made has nothing to show.
    IDirect3DVertexBuffer9* buffer = DeviceVertexBufferOf(chosen);
    if (buffer == nullptr || vertices / 3 == 0) {
        return 1;
    }
    device->SetStreamSource(0, buffer, 0, kLevelVertexStride);
    device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, vertices / 3);
    return 1;
}

}  // namespace ondrel::scene
