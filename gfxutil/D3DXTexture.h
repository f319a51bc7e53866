#pragma once
// Loading textures from image files (DDS) into a device's texture.

#include "platform/d3d9/D3D9Interfaces.h"

inline constexpr UINT D3DX_DEFAULT = 0xFFFFFFFFu;
inline constexpr UINT D3DX_DEFAULT_NONPOW2 = 0xFFFFFFFEu;
inline constexpr UINT D3DX_FROM_FILE = 0xFFFFFFFDu;
inline constexpr D3DFORMAT D3DFMT_FROM_FILE = static_cast<D3DFORMAT>(0xFFFFFFFDu);

enum D3DXIMAGE_FILEFORMAT : DWORD {
    D3DXIFF_BMP = 0,
    D3DXIFF_JPG = 1,
    D3DXIFF_TGA = 2,
    D3DXIFF_PNG = 3,
    D3DXIFF_DDS = 4,
    D3DXIFF_FORCE_DWORD = 0x7FFFFFFF
};

struct D3DXIMAGE_INFO {
    UINT Width;
    UINT Height;
    UINT Depth;
    UINT MipLevels;
    D3DFORMAT Format;
    D3DRESOURCETYPE ResourceType;
    D3DXIMAGE_FILEFORMAT ImageFileFormat;
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
// matching pixels into transparent black. Fails with D3DXERR_FILENOTFOUND
// or D3DXERR_INVALIDDATA.
HRESULT D3DXCreateTextureFromFileExW(IDirect3DDevice9* device, const WCHAR* srcFile, UINT width, UINT height,
                                     UINT mipLevels, DWORD usage, D3DFORMAT format, D3DPOOL pool, DWORD filter,
                                     DWORD mipFilter, D3DCOLOR colorKey, D3DXIMAGE_INFO* srcInfo,
                                     PALETTEENTRY* palette, IDirect3DTexture9** texture);

HRESULT D3DXCreateTextureFromFileW(IDirect3DDevice9* device, const WCHAR* srcFile, IDirect3DTexture9** texture);

// Reads only the file's description.
HRESULT D3DXGetImageInfoFromFileW(const WCHAR* srcFile, D3DXIMAGE_INFO* srcInfo);
