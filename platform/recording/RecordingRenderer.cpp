#include "platform/recording/RecordingRenderer.h"

#include <algorithm>

#include "platform/d3d9/PixelFormats.h"

namespace ondrel::recording {
namespace {

// Memory back buffers hold what the formats can; anything else is kept as
// X8R8G8B8 so that clears can still be read back.
D3DFORMAT StorageFormat(D3DFORMAT format) {
    return graphics::IsStorableFormat(format) ? format : D3DFMT_X8R8G8B8;
}

}  // namespace

RecordingRenderer::RecordingRenderer(const D3DPRESENT_PARAMETERS& parameters) { Reset(parameters); }

HRESULT RecordingRenderer::Reset(const D3DPRESENT_PARAMETERS& parameters) {
    if (!backBuffer_.Allocate(StorageFormat(parameters.BackBufferFormat), parameters.BackBufferWidth,
                              parameters.BackBufferHeight)) {
        return D3DERR_OUTOFVIDEOMEMORY;
    }
    return D3D_OK;
}

void RecordingRenderer::FillRect(LONG left, LONG top, LONG right, LONG bottom, D3DCOLOR color) {
    const LONG width = static_cast<LONG>(backBuffer_.Width());
    const LONG height = static_cast<LONG>(backBuffer_.Height());
    for (LONG y = std::max<LONG>(0, top); y < std::min<LONG>(height, bottom); ++y) {
        for (LONG x = std::max<LONG>(0, left); x < std::min<LONG>(width, right); ++x) {
            backBuffer_.SetPixelArgb(static_cast<UINT>(x), static_cast<UINT>(y), color);
        }
    }
}

HRESULT RecordingRenderer::Clear(const graphics::DeviceState& state, DWORD count, const D3DRECT* rects, DWORD flags,
                                 D3DCOLOR color, float, DWORD) {
    if ((flags & D3DCLEAR_TARGET) == 0) return D3D_OK;
    const D3DVIEWPORT9& vp = state.viewport;
    const LONG vl = static_cast<LONG>(vp.X), vt = static_cast<LONG>(vp.Y);
    const LONG vr = static_cast<LONG>(vp.X + vp.Width), vb = static_cast<LONG>(vp.Y + vp.Height);
    if (count == 0) {
        FillRect(vl, vt, vr, vb, color);
        return D3D_OK;
    }
    for (DWORD i = 0; i < count; ++i) {
        FillRect(std::max<LONG>(vl, rects[i].x1), std::max<LONG>(vt, rects[i].y1),
                 std::min<LONG>(vr, rects[i].x2), std::min<LONG>(vb, rects[i].y2), color);
    }
    return D3D_OK;
}

HRESULT RecordingRenderer::Draw(const graphics::DeviceState&, const graphics::DrawBatch& batch) {
    ++draws_;
    primitives_ += batch.primitiveCount;
    return D3D_OK;
}

HRESULT RecordingRenderer::Present(const RECT*, const RECT*, HWND) {
    ++presents_;
    return D3D_OK;
}

HRESULT RecordingRenderer::ReadBackBuffer(graphics::PixelImage& into) {
    into = backBuffer_;
    return D3D_OK;
}

void RecordingRenderer::SetCursorImage(const graphics::PixelImage& image, UINT hotSpotX, UINT hotSpotY) {
    cursor_ = image;
    cursorHotSpot_ = POINT{static_cast<LONG>(hotSpotX), static_cast<LONG>(hotSpotY)};
}

}  // namespace ondrel::recording
