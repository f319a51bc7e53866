#include "scene/BackBufferPng.h"

#include <stb/stb_image_write.h>

#include <vector>

#include "platform/d3d9/PixelFormats.h"

namespace ondrel::scene {

bool SaveBackBufferPng(IDirect3DDevice9* device, const std::string& path, std::string* error) {
    IDirect3DSurface9* backBuffer = nullptr;
    if (FAILED(device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer))) {
        *error = "no back buffer";
        return false;
    }
    D3DSURFACE_DESC desc{};
    backBuffer->GetDesc(&desc);
    IDirect3DSurface9* copy = nullptr;
    HRESULT hr = device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format, D3DPOOL_SYSTEMMEM, &copy,
                                                     nullptr);
    if (SUCCEEDED(hr)) hr = device->GetRenderTargetData(backBuffer, copy);
    backBuffer->Release();
    D3DLOCKED_RECT locked{};
    if (SUCCEEDED(hr)) hr = copy->LockRect(&locked, nullptr, D3DLOCK_READONLY);
    if (FAILED(hr)) {
        if (copy != nullptr) copy->Release();
        *error = "the back buffer cannot be read";
        return false;
    }
    const UINT bytes = graphics::BytesPerPixel(desc.Format);
    std::vector<unsigned char> rgb(static_cast<std::size_t>(desc.Width) * desc.Height * 3);
    for (UINT y = 0; y < desc.Height; ++y) {
        const BYTE* row = static_cast<const BYTE*>(locked.pBits) + static_cast<std::size_t>(y) * locked.Pitch;
        for (UINT x = 0; x < desc.Width; ++x) {
            const DWORD argb = graphics::ReadArgb(desc.Format, row + static_cast<std::size_t>(x) * bytes);
            unsigned char* out = &rgb[(static_cast<std::size_t>(y) * desc.Width + x) * 3];
            out[0] = static_cast<unsigned char>(argb >> 16);
            out[1] = static_cast<unsigned char>(argb >> 8);
            out[2] = static_cast<unsigned char>(argb);
        }
    }
    copy->UnlockRect();
    copy->Release();
    if (stbi_write_png(path.c_str(), static_cast<int>(desc.Width), static_cast<int>(desc.Height), 3, rgb.data(),
                       static_cast<int>(desc.Width * 3)) == 0) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace ondrel::scene
