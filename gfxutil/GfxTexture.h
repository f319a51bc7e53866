#pragma once
// Loading textures from image files (DDS) into a device's texture.

#include "platform/d3d9/D3D9Interfaces.h"

inline constexpr UINT GFX_DEFAULT = 0xFFFFFFFFu;
inline constexpr UINT GFX_DEFAULT_NONPOW2 = 0xFFFFFFFEu;
inline constexpr UINT GFX_FROM_FILE = 0xFFFFFFFDu;
inline constexpr D3DFORMAT D3DFMT_FROM_FILE = static_cast<D3DFORMAT>(0xFFFFFFFDu);

enum GFXIMAGE_FILEFORMAT : DWORD {
    GFXIFF_BMP = 0,
    GFXIFF_JPG = 1,
    GFXIFF_TGA = 2,
    GFXIFF_PNG = 3,
    GFXIFF_DDS = 4,
    GFXIFF_FORCE_DWORD = 0x7FFFFFFF
};

struct GFXIMAGE_INFO {
    UINT Width;
    UINT Height;
    UINT Depth;
    UINT MipLevels;
    D3DFORMAT Format;
    D3DRESOURCETYPE ResourceType;
    GFXIMAGE_FILEFORMAT ImageFileFormat;
};

struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};

// The texture keeps the file's size and one level, in A8R8G8B8 (a format
// every backend samples); info reports the file's own size, levels and
// format. Sizes, levels and format other than the defaults, a usage or a
// filter are accepted and not applied. A colour key (non-zero) turns
// matching pixels into transparent black. Fails with GFXERR_FILENOTFOUND
// or GFXERR_INVALIDDATA.
HRESULT GfxCreateTextureFromFileExW(IDirect3DDevice9* device, const WCHAR* srcFile, UINT width, UINT height,
                                     UINT mipLevels, DWORD usage, D3DFORMAT format, D3DPOOL pool, DWORD filter,
                                     DWORD mipFilter, D3DCOLOR colorKey, GFXIMAGE_INFO* srcInfo,
                                     PALETTEENTRY* palette, IDirect3DTexture9** texture);

HRESULT GfxCreateTextureFromFileW(IDirect3DDevice9* device, const WCHAR* srcFile, IDirect3DTexture9** texture);

// Reads only the file's description.
HRESULT GfxGetImageInfoFromFileW(const WCHAR* srcFile, GFXIMAGE_INFO* srcInfo);
