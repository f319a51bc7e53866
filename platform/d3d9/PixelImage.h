#pragma once
// One level of pixels held in memory: a surface, a texture level or a
// screenshot. Locking hands out a pointer into it; every write unlock bumps
// the version so a backend knows when to upload again.

#include <cstdint>
#include <vector>

#include "platform/d3d9/D3D9Types.h"

namespace ondrel::graphics {

class PixelImage {
public:
    PixelImage() = default;
    // False when the format cannot be stored or memory cannot be had.
    bool Allocate(D3DFORMAT format, UINT width, UINT height);

    HRESULT Lock(D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags);
    HRESULT Unlock();
    bool IsLocked() const { return locked_; }

    D3DFORMAT Format() const { return format_; }
    UINT Width() const { return width_; }
    UINT Height() const { return height_; }
    UINT Pitch() const { return pitch_; }
    BYTE* Row(UINT y) { return bytes_.data() + static_cast<std::size_t>(y) * pitch_; }
    const BYTE* Row(UINT y) const { return bytes_.data() + static_cast<std::size_t>(y) * pitch_; }
    std::uint64_t Version() const { return version_; }
    void Touch() { ++version_; }

    DWORD PixelArgb(UINT x, UINT y) const;
    void SetPixelArgb(UINT x, UINT y, DWORD argb);
    // Rows top to bottom, each pixel R, G, B, A bytes.
    std::vector<BYTE> ToRgba8() const;

private:
    D3DFORMAT format_ = D3DFMT_UNKNOWN;
    UINT width_ = 0;
    UINT height_ = 0;
    UINT pitch_ = 0;
    std::vector<BYTE> bytes_;
    bool locked_ = false;
    bool readOnlyLock_ = false;
    std::uint64_t version_ = 1;
};

}  // namespace ondrel::graphics
