#pragma once
// The recording backend's renderer: a back buffer in memory that Clear fills
// (inside the viewport and the given rectangles), so screenshots of cleared
// frames can be checked; draws and presents are only counted.

#include "platform/d3d9/DeviceRenderer.h"

namespace ondrel::recording {

class RecordingRenderer final : public graphics::DeviceRenderer {
public:
    explicit RecordingRenderer(const D3DPRESENT_PARAMETERS& parameters);

    HRESULT Clear(const graphics::DeviceState& state, DWORD count, const D3DRECT* rects, DWORD flags,
                  D3DCOLOR color, float z, DWORD stencil) override;
    HRESULT Draw(const graphics::DeviceState& state, const graphics::DrawBatch& batch) override;
    HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride) override;
    HRESULT ReadBackBuffer(graphics::PixelImage& into) override;
    HRESULT Reset(const D3DPRESENT_PARAMETERS& parameters) override;
    void SetCursorImage(const graphics::PixelImage& image, UINT hotSpotX, UINT hotSpotY) override;

    UINT DrawCount() const { return draws_; }
    UINT PrimitiveCount() const { return primitives_; }
    UINT PresentCount() const { return presents_; }
    const graphics::PixelImage& BackBuffer() const { return backBuffer_; }
    const graphics::PixelImage& CursorImage() const { return cursor_; }
    POINT CursorHotSpot() const { return cursorHotSpot_; }

private:
    void FillRect(LONG left, LONG top, LONG right, LONG bottom, D3DCOLOR color);

    graphics::PixelImage backBuffer_;
    graphics::PixelImage cursor_;
    POINT cursorHotSpot_{0, 0};
    UINT draws_ = 0;
    UINT primitives_ = 0;
    UINT presents_ = 0;
};

}  // namespace ondrel::recording
