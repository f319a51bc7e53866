#include "gfxutil/DeviceTexture.h"

#include <cstring>

namespace gfxutil {

HRESULT CreateManagedTexture(IDirect3DDevice9* device, int width, int height, IDirect3DTexture9** texture) {
    if (device == nullptr || texture == nullptr || width <= 0 || height <= 0) {
        return D3DERR_INVALIDCALL;
    }
    return device->CreateTexture(static_cast<UINT>(width), static_cast<UINT>(height), 1, 0, D3DFMT_A8R8G8B8,
                                 D3DPOOL_MANAGED, texture, nullptr);
}

HRESULT UploadImage(IDirect3DTexture9* texture, const Image& image) {
    D3DSURFACE_DESC desc{};
    HRESULT hr = texture->GetLevelDesc(0, &desc);
    if (FAILED(hr)) {
        return hr;
    }
    if (desc.Width != static_cast<UINT>(image.width) || desc.Height != static_cast<UINT>(image.height)) {
        return D3DERR_INVALIDCALL;
    }
    D3DLOCKED_RECT locked{};
    hr = texture->LockRect(0, &locked, nullptr, 0);
    if (FAILED(hr)) {
        return hr;
    }
    auto* rows = static_cast<unsigned char*>(locked.pBits);
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 4;
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(rows + static_cast<std::ptrdiff_t>(y) * locked.Pitch,
                    image.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width), rowBytes);
    }
    return texture->UnlockRect(0);
}

}  // namespace gfxutil
