#pragma once
// What a backend does with the pixels. The device keeps every state and
// resource itself and asks its renderer only to clear, draw, present, read the
// back buffer back and follow a reset.

#include "platform/d3d9/DeviceState.h"
#include "platform/d3d9/FvfLayout.h"
#include "platform/d3d9/PixelImage.h"

namespace ondrel::graphics {

class DeviceCore;

struct DrawBatch {
    D3DPRIMITIVETYPE type = D3DPT_TRIANGLELIST;
    UINT primitiveCount = 0;
    UINT vertexCount = 0;             // vertices readable from `vertices`
    const BYTE* vertices = nullptr;   // the first vertex
    UINT stride = 0;
    FvfLayout layout;
    // Set when the vertices come from a vertex buffer; backends that keep a
    // video-memory copy draw from it. `bufferOffset` is the first vertex's byte.
    const VertexBufferObject* buffer = nullptr;
    UINT bufferOffset = 0;
    // Set for indexed draws: `indexCount` 16- or 32-bit indices into `vertices`.
    const void* indices = nullptr;
    D3DFORMAT indexFormat = D3DFMT_INDEX16;
    UINT indexCount = 0;
};

class DeviceRenderer {
public:
    virtual ~DeviceRenderer() = default;

    // Called once the device exists; the renderer may report device loss to it.
    virtual void Attach(DeviceCore* device) { (void)device; }

    virtual HRESULT Clear(const DeviceState& state, DWORD count, const D3DRECT* rects, DWORD flags,
                          D3DCOLOR color, float z, DWORD stencil) = 0;
    virtual HRESULT Draw(const DeviceState& state, const DrawBatch& batch) = 0;
    virtual HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride) = 0;
    // Fills `into` (allocated by the renderer) with the back buffer, top row first.
    virtual HRESULT ReadBackBuffer(PixelImage& into) = 0;
    // The device was reset with these (already checked) parameters.
    virtual HRESULT Reset(const D3DPRESENT_PARAMETERS& parameters) = 0;

    // A texture or vertex buffer of this device is being destroyed.
    virtual void ForgetResource(const void* resource) { (void)resource; }

    virtual void SetCursorImage(const PixelImage& image, UINT hotSpotX, UINT hotSpotY) {
        (void)image, (void)hotSpotX, (void)hotSpotY;
    }
    virtual void MoveCursor(INT x, INT y) { (void)x, (void)y; }
    virtual void ShowCursor(bool show) { (void)show; }
    virtual UINT AvailableTextureMemory() { return 256u << 20; }
};

}  // namespace ondrel::graphics
