#include "platform/d3d9/PixelImage.h"

#include <new>

#include "platform/d3d9/PixelFormats.h"

namespace ondrel::graphics {

bool PixelImage::Allocate(D3DFORMAT format, UINT width, UINT height) {
    const UINT bpp = BytesPerPixel(format);
    if (bpp == 0 || width == 0 || height == 0) return false;
    // Rows start on 4-byte boundaries, as drivers commonly lay them out.
    const UINT pitch = (width * bpp + 3u) & ~3u;
    try {
        bytes_.assign(static_cast<std::size_t>(pitch) * height, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    format_ = format;
    width_ = width;
    height_ = height;
    pitch_ = pitch;
    locked_ = false;
    Touch();
    return true;
}

HRESULT PixelImage::Lock(D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) {
    if (locked == nullptr || locked_ || bytes_.empty()) return D3DERR_INVALIDCALL;
    UINT x = 0, y = 0;
    if (rect != nullptr) {
        if (rect->left < 0 || rect->top < 0 || rect->right <= rect->left || rect->bottom <= rect->top ||
            static_cast<UINT>(rect->right) > width_ || static_cast<UINT>(rect->bottom) > height_) {
            return D3DERR_INVALIDCALL;
        }
        x = static_cast<UINT>(rect->left);
        y = static_cast<UINT>(rect->top);
    }
    locked->Pitch = static_cast<INT>(pitch_);
    locked->pBits = Row(y) + static_cast<std::size_t>(x) * BytesPerPixel(format_);
    locked_ = true;
    readOnlyLock_ = (flags & D3DLOCK_READONLY) != 0;
    return D3D_OK;
}

HRESULT PixelImage::Unlock() {
    if (!locked_) return D3DERR_INVALIDCALL;
    locked_ = false;
    if (!readOnlyLock_) Touch();
    return D3D_OK;
}

DWORD PixelImage::PixelArgb(UINT x, UINT y) const {
    return ReadArgb(format_, Row(y) + static_cast<std::size_t>(x) * BytesPerPixel(format_));
}

void PixelImage::SetPixelArgb(UINT x, UINT y, DWORD argb) {
    WriteArgb(format_, Row(y) + static_cast<std::size_t>(x) * BytesPerPixel(format_), argb);
}

std::vector<BYTE> PixelImage::ToRgba8() const {
    std::vector<BYTE> out(static_cast<std::size_t>(width_) * height_ * 4);
    std::size_t i = 0;
    for (UINT y = 0; y < height_; ++y) {
        for (UINT x = 0; x < width_; ++x) {
            const DWORD argb = PixelArgb(x, y);
            out[i++] = static_cast<BYTE>(argb >> 16);
            out[i++] = static_cast<BYTE>(argb >> 8);
            out[i++] = static_cast<BYTE>(argb);
            out[i++] = static_cast<BYTE>(argb >> 24);
        }
    }
    return out;
}

}  // namespace ondrel::graphics
