#pragma once
// Fonts that draw UTF-16 text into rectangles with the Win32 text-format
// flags, through a sprite batch or on their own.

#include "gfxutil/GfxSprite.h"
#include "gfxutil/TextFormat.h"
#include "platform/d3d9/D3D9Interfaces.h"

inline constexpr DWORD DEFAULT_CHARSET = 1;
inline constexpr DWORD OUT_DEFAULT_PRECIS = 0;
inline constexpr DWORD DEFAULT_QUALITY = 0;
inline constexpr DWORD DEFAULT_PITCH = 0;
inline constexpr DWORD FF_DONTCARE = 0;
inline constexpr UINT FW_NORMAL = 400;
inline constexpr UINT FW_BOLD = 700;
inline constexpr int LF_FACESIZE = 32;

struct GFXFONT_DESCW {
    INT Height;
    UINT Width;
    UINT Weight;
    UINT MipLevels;
    BOOL Italic;
    BYTE CharSet;
    BYTE OutputPrecision;
    BYTE Quality;
    BYTE PitchAndFamily;
    WCHAR FaceName[LF_FACESIZE];
};

class IGfxFont : public IUnknown {
public:
    virtual HRESULT GetDevice(IDirect3DDevice9** device) = 0;
    virtual HRESULT GetDescW(GFXFONT_DESCW* desc) = 0;
    // Rasterises the glyphs of the text ahead of drawing.
    virtual HRESULT PreloadTextW(const WCHAR* text, INT count) = 0;
    // count -1: up to the terminator. Answers the text's height (with
    // DT_VCENTER or DT_BOTTOM: from the rectangle's top to the text's
    // bottom), 0 on failure. DT_CALCRECT measures into rect and draws nothing.
    virtual INT DrawTextW(IGfxSprite* sprite, const WCHAR* text, INT count, RECT* rect, DWORD format,
                          D3DCOLOR color) = 0;
    virtual HRESULT OnLostDevice() = 0;
    virtual HRESULT OnResetDevice() = 0;
};

using LPGFXFONT = IGfxFont*;

HRESULT GfxCreateFontW(IDirect3DDevice9* device, INT height, UINT width, UINT weight, UINT mipLevels, BOOL italic,
                        DWORD charSet, DWORD outputPrecision, DWORD quality, DWORD pitchAndFamily,
                        const WCHAR* faceName, IGfxFont** font);

namespace gfxutil {
class FontFace;
// The face a font of this library draws with, for measuring text; null for
// fonts from elsewhere.
const FontFace* FontFaceOf(IGfxFont* font);
}  // namespace gfxutil
