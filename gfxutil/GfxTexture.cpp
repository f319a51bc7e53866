#include "gfxutil/GfxTexture.h"

#include "gfxutil/GfxErrors.h"
#include "gfxutil/DdsCodec.h"
#include "gfxutil/DeviceTexture.h"
#include "gfxutil/Utf16.h"
#include "platform/win32/PathConvert.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace gfxutil {
namespace {

// Larger than any texture a 16384-pixel square allows, with its header.
constexpr std::streamoff kMaxFileBytes = 16384LL * 16384LL * 4LL + 4096LL;

// Paths arrive in Windows form ("UI\Controls.dds"); the platform layer's
// path rule gives the file system's name for them.
std::string NativePath(const WCHAR* path) {
    return ondrel::platform::ToNativePath(std::u16string_view{path, Utf16Length(path, -1)}).string();
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const WCHAR* path) {
    std::ifstream in(NativePath(path), std::ios::binary | std::ios::ate);
    if (!in) {
        return std::nullopt;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kMaxFileBytes) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        return std::nullopt;
    }
    return bytes;
}

D3DFORMAT Direct3DFormatOf(DdsSourceFormat format) {
    switch (format) {
        case DdsSourceFormat::A8R8G8B8: return D3DFMT_A8R8G8B8;
        case DdsSourceFormat::X8R8G8B8: return D3DFMT_X8R8G8B8;
        case DdsSourceFormat::A8B8G8R8: return D3DFMT_A8B8G8R8;
        case DdsSourceFormat::X8B8G8R8: return D3DFMT_X8B8G8R8;
        case DdsSourceFormat::R8G8B8: return D3DFMT_R8G8B8;
        case DdsSourceFormat::R5G6B5: return D3DFMT_R5G6B5;
        case DdsSourceFormat::A1R5G5B5: return D3DFMT_A1R5G5B5;
        case DdsSourceFormat::X1R5G5B5: return D3DFMT_X1R5G5B5;
        case DdsSourceFormat::A4R4G4B4: return D3DFMT_A4R4G4B4;
        case DdsSourceFormat::L8: return D3DFMT_L8;
        case DdsSourceFormat::Dxt1: return D3DFMT_DXT1;
        case DdsSourceFormat::Dxt3: return D3DFMT_DXT3;
        case DdsSourceFormat::Dxt5: return D3DFMT_DXT5;
        case DdsSourceFormat::OtherMasked: break;
    }
    return D3DFMT_UNKNOWN;
}

HRESULT LoadDds(const WCHAR* path, DdsDecoded& decoded) {
    if (path == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return GFXERR_FILENOTFOUND;
    }
    return DecodeDds(*bytes, decoded) == DdsStatus::Ok ? D3D_OK : GFXERR_INVALIDDATA;
}

GFXIMAGE_INFO InfoOf(const DdsDecoded& decoded) {
    return GFXIMAGE_INFO{static_cast<UINT>(decoded.image.width), static_cast<UINT>(decoded.image.height), 1,
                          static_cast<UINT>(decoded.mipLevels), Direct3DFormatOf(decoded.format), D3DRTYPE_TEXTURE,
                          GFXIFF_DDS};
}

void ApplyColourKey(Image& image, D3DCOLOR key) {
    for (auto& pixel : image.pixels) {
        if (pixel == key) {
            pixel = 0;
        }
    }
}

}  // namespace
}  // namespace gfxutil

HRESULT GfxCreateTextureFromFileExW(IDirect3DDevice9* device, const WCHAR* srcFile, UINT, UINT, UINT, DWORD,
                                     D3DFORMAT, D3DPOOL pool, DWORD, DWORD, D3DCOLOR colorKey,
                                     GFXIMAGE_INFO* srcInfo, PALETTEENTRY*, IDirect3DTexture9** texture) {
    if (device == nullptr || texture == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    *texture = nullptr;
    gfxutil::DdsDecoded decoded;
    HRESULT hr = gfxutil::LoadDds(srcFile, decoded);
    if (FAILED(hr)) {
        return hr;
    }
    if (colorKey != 0) {
        gfxutil::ApplyColourKey(decoded.image, colorKey);
    }
    IDirect3DTexture9* created = nullptr;
    hr = device->CreateTexture(static_cast<UINT>(decoded.image.width), static_cast<UINT>(decoded.image.height), 1, 0,
                               D3DFMT_A8R8G8B8, pool, &created, nullptr);
    if (FAILED(hr)) {
        return hr;
    }
    hr = gfxutil::UploadImage(created, decoded.image);
    if (FAILED(hr)) {
        created->Release();
        return hr;
    }
    if (srcInfo != nullptr) {
        *srcInfo = gfxutil::InfoOf(decoded);
    }
    *texture = created;
    return D3D_OK;
}

HRESULT GfxCreateTextureFromFileW(IDirect3DDevice9* device, const WCHAR* srcFile, IDirect3DTexture9** texture) {
    return GfxCreateTextureFromFileExW(device, srcFile, GFX_DEFAULT, GFX_DEFAULT, GFX_DEFAULT, 0, D3DFMT_UNKNOWN,
                                        D3DPOOL_MANAGED, GFX_DEFAULT, GFX_DEFAULT, 0, nullptr, nullptr, texture);
}

HRESULT GfxGetImageInfoFromFileW(const WCHAR* srcFile, GFXIMAGE_INFO* srcInfo) {
    if (srcInfo == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    gfxutil::DdsDecoded decoded;
    const HRESULT hr = gfxutil::LoadDds(srcFile, decoded);
    if (SUCCEEDED(hr)) {
        *srcInfo = gfxutil::InfoOf(decoded);
    }
    return hr;
}
