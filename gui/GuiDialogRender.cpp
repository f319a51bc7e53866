// Drawing a dialog: the device state it needs, its background and caption,
// its controls, and the element drawing the controls call.

#include "framework/Framework.h"
#include "gfxutil/GfxMath.h"
#include "gui/GuiDialog.h"
#include "gui/GuiSharedState.h"
#include "gui/GuiText.h"

namespace ondrel::gui {
namespace {

struct ScreenVertex {
    float x, y, z, rhw;
    D3DCOLOR colour;
    float u, v;
};
constexpr DWORD kScreenVertexFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;
static_assert(sizeof(ScreenVertex) == 28 && kScreenVertexFvf == 0x144);

constexpr WCHAR kMinimizedSuffix[] = u" (Minimized)";

void SelectDiffuse(IDirect3DDevice9* device) {
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG2);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
}

void ModulateTexture(IDirect3DDevice9* device) {
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
}

// Corners in fan order: top left, top right, bottom right, bottom left.
HRESULT DrawQuad(IDirect3DDevice9* device, float left, float top, float right, float bottom,
                 const D3DCOLOR (&colours)[4]) {
    const ScreenVertex fan[4] = {
        {left, top, 0.5f, 1.0f, colours[0], 0.0f, 0.0f},
        {right, top, 0.5f, 1.0f, colours[1], 1.0f, 0.0f},
        {right, bottom, 0.5f, 1.0f, colours[3], 1.0f, 1.0f},
        {left, bottom, 0.5f, 1.0f, colours[2], 0.0f, 1.0f},
    };
    device->SetFVF(kScreenVertexFvf);
    return device->DrawPrimitiveUP(D3DPT_TRIANGLEFAN, 2, fan, sizeof(ScreenVertex));
}

}  // namespace

RECT GuiDialog::ToScreen(const RECT& rect) const {
    const int down = y_ + (hasCaption_ ? captionHeight_ : 0);
    return RECT{rect.left + x_, rect.top + down, rect.right + x_, rect.bottom + down};
}

HRESULT GuiDialog::Render(float elapsedTime) {
    if (lastRefreshTime_ < SharedGuiState().refreshTime) {
        lastRefreshTime_ = framework::GetTime();
        Refresh();
    }
    GuiResourceManager& manager = GetGlobalResourceManager();
    IDirect3DDevice9* device = manager.Device();
    IGfxSprite* sprite = manager.Sprite();
    if (device == nullptr || sprite == nullptr) return S_OK;

    if (IDirect3DStateBlock9* saved = manager.StateBlock()) saved->Capture();
    if (HRESULT hr = SetUpDeviceState(device); FAILED(hr)) return hr;
    if (!minimized_) DrawBackground(device);

    ModulateTexture(device);
    device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    GuiTextureNode* skin = GetTexture(0);
    device->SetTexture(0, skin != nullptr ? skin->texture : nullptr);
    HRESULT result = sprite->Begin(GFXSPRITE_DONOTSAVESTATE);
    if (SUCCEEDED(result)) {
        if (hasCaption_) DrawCaption();
        if (!minimized_) RenderControls(device, elapsedTime);
        result = sprite->End();
    }
    if (IDirect3DStateBlock9* saved = manager.StateBlock()) saved->Apply();
    return result;
}

HRESULT GuiDialog::SetUpDeviceState(IDirect3DDevice9* device) {
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device->SetRenderState(D3DRS_ALPHATESTENABLE, FALSE);
    SelectDiffuse(device);
    device->SetVertexShader(nullptr);
    device->SetPixelShader(nullptr);
    return device->SetRenderState(D3DRS_ZENABLE, FALSE);
}

void GuiDialog::DrawBackground(IDirect3DDevice9* device) {
    DrawQuad(device, static_cast<float>(x_), static_cast<float>(y_), static_cast<float>(x_ + width_),
             static_cast<float>(y_ + height_), background_);
}

void GuiDialog::DrawCaption() {
    RECT bar{0, -captionHeight_, width_, 0};
    DrawElementSprite(&captionElement_, &bar);
    WCHAR text[kCaptionLength] = {};
    CopyLimitedText(text, kCaptionLength, caption_);
    if (minimized_) {
        const int length = TextLength(text);
        CopyLimitedText(text + length, kCaptionLength - length, kMinimizedSuffix);
    }
    bar.left += 5;
    DrawElementText(text, &captionElement_, &bar, true);
}

void GuiDialog::RenderControls(IDirect3DDevice9* device, float elapsedTime) {
    GuiControl* focused = SharedGuiState().focusedControl;
    for (GuiControl* control : controls_) {
        if (control != focused) control->Render(device, elapsedTime);
    }
    // Drawn last so that it is on top of its neighbours (an open drop-down).
    if (OwnsFocus()) focused->Render(device, elapsedTime);
}

HRESULT GuiDialog::DrawElementSprite(GuiElement* element, const RECT* rect) {
    if (element == nullptr || rect == nullptr || element->textureColour.current.a == 0.0f) return S_OK;
    GuiTextureNode* node = GetTexture(element->textureIndex);
    IGfxSprite* sprite = GetGlobalResourceManager().Sprite();
    const RECT& source = element->textureRect;
    const LONG sourceWidth = source.right - source.left;
    const LONG sourceHeight = source.bottom - source.top;
    if (node == nullptr || node->texture == nullptr || sprite == nullptr || sourceWidth == 0 || sourceHeight == 0) {
        return S_OK;
    }
    const RECT screen = ToScreen(*rect);
    GFXMATRIX transform;
    GfxMatrixScaling(&transform, static_cast<float>(screen.right - screen.left) / static_cast<float>(sourceWidth),
                     static_cast<float>(screen.bottom - screen.top) / static_cast<float>(sourceHeight), 1.0f);
    transform.m[3][0] = static_cast<float>(screen.left);
    transform.m[3][1] = static_cast<float>(screen.top);
    sprite->SetTransform(&transform);
    return sprite->Draw(node->texture, &source, nullptr, nullptr, D3DColourFrom(element->textureColour.current));
}

HRESULT GuiDialog::DrawElementText(LPCWSTR text, GuiElement* element, const RECT* rect, bool shadow, int count) {
    if (text == nullptr || element == nullptr || rect == nullptr || element->fontColour.current.a == 0.0f) {
        return S_OK;
    }
    GuiFontNode* node = GetFont(element->fontIndex);
    IGfxSprite* sprite = GetGlobalResourceManager().Sprite();
    if (node == nullptr || node->font == nullptr) return S_OK;
    if (sprite != nullptr) {
        GFXMATRIX identity;
        sprite->SetTransform(GfxMatrixIdentity(&identity));
    }
    RECT screen = ToScreen(*rect);
    const GuiColourValue& colour = element->fontColour.current;
    if (shadow) {
        RECT shadowRect{screen.left + 1, screen.top + 1, screen.right + 1, screen.bottom + 1};
        const D3DCOLOR black = D3DColourFrom(GuiColourValue{0.0f, 0.0f, 0.0f, colour.a});
        node->font->DrawTextW(sprite, text, count, &shadowRect, element->textFormat, black);
    }
    node->font->DrawTextW(sprite, text, count, &screen, element->textFormat, D3DColourFrom(colour));
    return S_OK;
}

HRESULT GuiDialog::DrawFilledRect(const RECT* rect, D3DCOLOR colour) {
    GuiResourceManager& manager = GetGlobalResourceManager();
    IDirect3DDevice9* device = manager.Device();
    if (rect == nullptr || device == nullptr) return S_OK;
    const RECT screen = ToScreen(*rect);
    if (IGfxSprite* sprite = manager.Sprite()) sprite->Flush();
    IDirect3DVertexDeclaration9* saved = nullptr;
    device->GetVertexDeclaration(&saved);
    SelectDiffuse(device);
    const D3DCOLOR colours[4] = {colour, colour, colour, colour};
    const HRESULT hr = DrawQuad(device, static_cast<float>(screen.left) - 0.5f, static_cast<float>(screen.top) - 0.5f,
                                static_cast<float>(screen.right) - 0.5f, static_cast<float>(screen.bottom) - 0.5f,
                                colours);
    ModulateTexture(device);
    if (saved != nullptr) {
        device->SetVertexDeclaration(saved);
        // GetVertexDeclaration handed us a reference of our own.
        saved->Release();
    }
    return hr;
}

}  // namespace ondrel::gui
