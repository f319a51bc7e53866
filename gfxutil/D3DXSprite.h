#pragma once
// Batches textured, coloured rectangles in screen space and draws them
// through the device, one draw per run of equal textures.

#include "gfxutil/D3DXMath.h"
#include "platform/d3d9/D3D9Interfaces.h"

inline constexpr DWORD D3DXSPRITE_DONOTSAVESTATE = 0x00000001;
inline constexpr DWORD D3DXSPRITE_DONOTMODIFY_RENDERSTATE = 0x00000002;
inline constexpr DWORD D3DXSPRITE_OBJECTSPACE = 0x00000004;
inline constexpr DWORD D3DXSPRITE_BILLBOARD = 0x00000008;
inline constexpr DWORD D3DXSPRITE_ALPHABLEND = 0x00000010;
inline constexpr DWORD D3DXSPRITE_SORT_TEXTURE = 0x00000020;
inline constexpr DWORD D3DXSPRITE_SORT_DEPTH_FRONTTOBACK = 0x00000040;
inline constexpr DWORD D3DXSPRITE_SORT_DEPTH_BACKTOFRONT = 0x00000080;

class ID3DXSprite : public IUnknown {
public:
    virtual HRESULT GetDevice(IDirect3DDevice9** device) = 0;
    virtual HRESULT GetTransform(D3DXMATRIX* transform) = 0;
    // Applied to every sprite drawn after it: (corner - centre + position) * transform.
    virtual HRESULT SetTransform(const D3DXMATRIX* transform) = 0;
    virtual HRESULT Begin(DWORD flags) = 0;
    // sourceRect null: the whole texture. centre and position null: origin.
    virtual HRESULT Draw(IDirect3DTexture9* texture, const RECT* sourceRect, const D3DXVECTOR3* center,
                         const D3DXVECTOR3* position, D3DCOLOR color) = 0;
    virtual HRESULT Flush() = 0;
    virtual HRESULT End() = 0;
    virtual HRESULT OnLostDevice() = 0;
    virtual HRESULT OnResetDevice() = 0;
};

using LPD3DXSPRITE = ID3DXSprite*;

HRESULT D3DXCreateSprite(IDirect3DDevice9* device, ID3DXSprite** sprite);
