#include "gfxutil/GfxFont.h"

#include "gfxutil/GfxErrors.h"
#include "gfxutil/DeviceTexture.h"
#include "gfxutil/FontFace.h"
#include "gfxutil/GlyphAtlas.h"
#include "gfxutil/RefCounted.h"
#include "gfxutil/TextLayout.h"
#include "gfxutil/TextShaper.h"
#include "gfxutil/Utf16.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace gfxutil {
namespace {

struct GlyphSprite {
    int page;
    RECT source;  // in the atlas page
    int x;        // top-left corner on screen
    int y;
};

// Cuts a glyph's box to the clip rectangle, moving the source with it.
bool ClipTo(const RECT& clip, GlyphSprite& glyph) {
    const int width = glyph.source.right - glyph.source.left;
    const int height = glyph.source.bottom - glyph.source.top;
    const int left = std::max<int>(glyph.x, clip.left);
    const int top = std::max<int>(glyph.y, clip.top);
    const int right = std::min<int>(glyph.x + width, clip.right);
    const int bottom = std::min<int>(glyph.y + height, clip.bottom);
    if (left >= right || top >= bottom) {
        return false;
    }
    glyph.source.left += left - glyph.x;
    glyph.source.top += top - glyph.y;
    glyph.source.right = glyph.source.left + (right - left);
    glyph.source.bottom = glyph.source.top + (bottom - top);
    glyph.x = left;
    glyph.y = top;
    return true;
}

class Font final : public RefCounted<IGfxFont> {
public:
    Font(IDirect3DDevice9* device, std::unique_ptr<FontFace> face, const GFXFONT_DESCW& desc)
        : device_(device), face_(std::move(face)), desc_(desc) {
        device_->AddRef();
    }

    HRESULT GetDevice(IDirect3DDevice9** device) override {
        if (device == nullptr) {
            return D3DERR_INVALIDCALL;
        }
        device_->AddRef();
        *device = device_;
        return D3D_OK;
    }
    HRESULT GetDescW(GFXFONT_DESCW* desc) override {
        if (desc == nullptr) {
            return D3DERR_INVALIDCALL;
        }
        *desc = desc_;
        return D3D_OK;
    }
    HRESULT PreloadTextW(const WCHAR* text, INT count) override;
    INT DrawTextW(IGfxSprite* sprite, const WCHAR* text, INT count, RECT* rect, DWORD format,
                  D3DCOLOR color) override;
    HRESULT OnLostDevice() override { return ownSprite_ != nullptr ? ownSprite_->OnLostDevice() : D3D_OK; }
    HRESULT OnResetDevice() override { return ownSprite_ != nullptr ? ownSprite_->OnResetDevice() : D3D_OK; }

    const FontFace& Face() const { return *face_; }

private:
    ~Font() override {
        SafeRelease(ownSprite_);
        for (auto& page : pages_) {
            SafeRelease(page.texture);
        }
        device_->Release();
    }

    HRESULT UploadChangedPages();
    HRESULT DrawGlyphs(IGfxSprite* sprite, const std::vector<GlyphSprite>& glyphs, D3DCOLOR color);

    struct PageTexture {
        IDirect3DTexture9* texture = nullptr;
        std::uint64_t revision = 0;
    };

    IDirect3DDevice9* device_;
    std::unique_ptr<FontFace> face_;
    GFXFONT_DESCW desc_;
    GlyphAtlas atlas_;
    std::vector<PageTexture> pages_;
    IGfxSprite* ownSprite_ = nullptr;
};

HRESULT Font::PreloadTextW(const WCHAR* text, INT count) {
    if (text == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    const ShapedRun run = ShapeText(*face_, text, Utf16Length(text, count));
    for (const ShapedGlyph& glyph : run.glyphs) {
        atlas_.Find(*face_, glyph.glyphIndex);
    }
    return UploadChangedPages();
}

HRESULT Font::UploadChangedPages() {
    const auto& pages = atlas_.Pages();
    pages_.resize(pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        PageTexture& target = pages_[i];
        if (target.texture != nullptr && target.revision == pages[i].revision) {
            continue;
        }
        if (target.texture == nullptr) {
            const HRESULT hr = CreateManagedTexture(device_, atlas_.PageSize(), atlas_.PageSize(), &target.texture);
            if (FAILED(hr)) {
                return hr;
            }
        }
        // White everywhere, the glyph's coverage as alpha: the sprite's
        // colour then tints it.
        Image image(atlas_.PageSize(), atlas_.PageSize());
        for (std::size_t p = 0; p < image.pixels.size(); ++p) {
            image.pixels[p] = (static_cast<std::uint32_t>(pages[i].coverage[p]) << 24) | 0x00FFFFFFu;
        }
        const HRESULT hr = UploadImage(target.texture, image);
        if (FAILED(hr)) {
            return hr;
        }
        target.revision = pages[i].revision;
    }
    return D3D_OK;
}

HRESULT Font::DrawGlyphs(IGfxSprite* sprite, const std::vector<GlyphSprite>& glyphs, D3DCOLOR color) {
    for (const GlyphSprite& glyph : glyphs) {
        const GFXVECTOR3 position{static_cast<float>(glyph.x), static_cast<float>(glyph.y), 0.0f};
        const HRESULT hr =
            sprite->Draw(pages_[static_cast<std::size_t>(glyph.page)].texture, &glyph.source, nullptr, &position, color);
        if (FAILED(hr)) {
            return hr;
        }
    }
    return D3D_OK;
}

INT Font::DrawTextW(IGfxSprite* sprite, const WCHAR* text, INT count, RECT* rect, DWORD format, D3DCOLOR color) {
    if (text == nullptr) {
        return 0;
    }
    const RECT box = rect != nullptr ? *rect : RECT{0, 0, 0, 0};
    const TextLayoutResult layout = LayOutText(*face_, text, Utf16Length(text, count), box, format);
    if ((format & DT_CALCRECT) != 0) {
        if (rect != nullptr) {
            *rect = layout.extent;
        }
        return layout.result;
    }
    // A missing rectangle gives nothing to clip against.
    const bool clip = (format & DT_NOCLIP) == 0 && rect != nullptr;
    std::vector<GlyphSprite> glyphs;
    glyphs.reserve(layout.glyphs.size());
    for (const PlacedGlyph& placed : layout.glyphs) {
        const AtlasGlyph& cell = atlas_.Find(*face_, placed.glyphIndex);
        if (cell.width == 0 || cell.height == 0) {
            continue;
        }
        GlyphSprite glyph{cell.page, RECT{cell.x, cell.y, cell.x + cell.width, cell.y + cell.height},
                          placed.penX + cell.left, placed.baseline - cell.top};
        if (!clip || ClipTo(box, glyph)) {
            glyphs.push_back(glyph);
        }
    }
    if (FAILED(UploadChangedPages())) {
        return 0;
    }
    if (glyphs.empty()) {
        return layout.result;
    }
    HRESULT hr = D3D_OK;
    if (sprite != nullptr) {
        hr = DrawGlyphs(sprite, glyphs, color);
    } else {
        if (ownSprite_ == nullptr && FAILED(GfxCreateSprite(device_, &ownSprite_))) {
            return 0;
        }
        hr = ownSprite_->Begin(GFXSPRITE_ALPHABLEND | GFXSPRITE_SORT_TEXTURE);
        if (SUCCEEDED(hr)) {
            hr = DrawGlyphs(ownSprite_, glyphs, color);
            const HRESULT ended = ownSprite_->End();
            hr = FAILED(hr) ? hr : ended;
        }
    }
    return FAILED(hr) ? 0 : layout.result;
}

}  // namespace

const FontFace* FontFaceOf(IGfxFont* font) {
    const auto* ours = dynamic_cast<const Font*>(font);
    return ours != nullptr ? &ours->Face() : nullptr;
}

}  // namespace gfxutil

HRESULT GfxCreateFontW(IDirect3DDevice9* device, INT height, UINT width, UINT weight, UINT mipLevels, BOOL italic,
                        DWORD charSet, DWORD outputPrecision, DWORD quality, DWORD pitchAndFamily,
                        const WCHAR* faceName, IGfxFont** font) {
    if (device == nullptr || font == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    *font = nullptr;
    GFXFONT_DESCW desc{};
    desc.Height = height;
    desc.Width = width;
    desc.Weight = weight;
    desc.MipLevels = mipLevels;
    desc.Italic = italic;
    desc.CharSet = static_cast<BYTE>(charSet);
    desc.OutputPrecision = static_cast<BYTE>(outputPrecision);
    desc.Quality = static_cast<BYTE>(quality);
    desc.PitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    const std::size_t nameLength = std::min<std::size_t>(gfxutil::Utf16Length(faceName, -1), LF_FACESIZE - 1);
    std::copy_n(faceName != nullptr ? faceName : u"", nameLength, desc.FaceName);

    gfxutil::FontRequest request;
    request.faceName = std::u16string_view{desc.FaceName, nameLength};
    request.height = height;
    request.width = static_cast<int>(std::min<UINT>(width, 0x7FFFFFFF));
    request.weight = static_cast<int>(std::min<UINT>(weight, 1000));
    request.italic = italic != FALSE;
    auto face = gfxutil::FontFace::Create(request);
    if (!face) {
        return GFXERR_INVALIDDATA;
    }
    *font = new gfxutil::Font(device, std::move(face), desc);
    return D3D_OK;
}
