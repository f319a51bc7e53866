#pragma once
// Batches textured, coloured rectangles in screen space and draws them
// through the device, one draw per run of equal textures.

#include "gfxutil/GfxMath.h"
#include "platform/d3d9/D3D9Interfaces.h"

inline constexpr DWORD GFXSPRITE_DONOTSAVESTATE = 0x00000001;
inline constexpr DWORD GFXSPRITE_DONOTMODIFY_RENDERSTATE = 0x00000002;
inline constexpr DWORD GFXSPRITE_OBJECTSPACE = 0x00000004;
inline constexpr DWORD GFXSPRITE_BILLBOARD = 0x00000008;
inline constexpr DWORD GFXSPRITE_ALPHABLEND = 0x00000010;
inline constexpr DWORD GFXSPRITE_SORT_TEXTURE = 0x00000020;
inline constexpr DWORD GFXSPRITE_SORT_DEPTH_FRONTTOBACK = 0x00000040;
inline constexpr DWORD GFXSPRITE_SORT_DEPTH_BACKTOFRONT = 0x00000080;

class IGfxSprite : public IUnknown {
public:
    virtual HRESULT GetDevice(IDirect3DDevice9** device) = 0;
    virtual HRESULT GetTransform(GFXMATRIX* transform) = 0;
    // Applied to every sprite drawn after it: (corner - centre + position) * transform.
    virtual HRESULT SetTransform(const GFXMATRIX* transform) = 0;
    virtual HRESULT Begin(DWORD flags) = 0;
    // sourceRect null: the whole texture. centre and position null: origin.
    virtual HRESULT Draw(IDirect3DTexture9* texture, const RECT* sourceRect, const GFXVECTOR3* center,
                         const GFXVECTOR3* position, D3DCOLOR color) = 0;
    virtual HRESULT Flush() = 0;
    virtual HRESULT End() = 0;
    virtual HRESULT OnLostDevice() = 0;
    virtual HRESULT OnResetDevice() = 0;
};

using LPGFXSPRITE = IGfxSprite*;

HRESULT GfxCreateSprite(IDirect3DDevice9* device, IGfxSprite** sprite);
