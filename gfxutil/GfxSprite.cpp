#include "gfxutil/GfxSprite.h"

#include "gfxutil/RefCounted.h"

#include <algorithm>
#include <vector>

namespace gfxutil {
namespace {

struct SpriteVertex {
    float x, y, z, rhw;
    D3DCOLOR color;
    float u, v;
};
constexpr DWORD kSpriteFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

struct QueuedSprite {
    IDirect3DTexture9* texture;  // one reference held while queued
    SpriteVertex corners[4];     // top-left, top-right, bottom-left, bottom-right
};

class Sprite final : public RefCounted<IGfxSprite> {
public:
    explicit Sprite(IDirect3DDevice9* device) : device_(device) {
        device_->AddRef();
        GfxMatrixIdentity(&transform_);
    }

    HRESULT GetDevice(IDirect3DDevice9** device) override {
        if (device == nullptr) {
            return D3DERR_INVALIDCALL;
        }
        device_->AddRef();
        *device = device_;
        return D3D_OK;
    }
    HRESULT GetTransform(GFXMATRIX* transform) override {
        if (transform == nullptr) {
            return D3DERR_INVALIDCALL;
        }
        *transform = transform_;
        return D3D_OK;
    }
    HRESULT SetTransform(const GFXMATRIX* transform) override {
        if (transform == nullptr) {
            return D3DERR_INVALIDCALL;
        }
        transform_ = *transform;
        return D3D_OK;
    }
    HRESULT Begin(DWORD flags) override;
    HRESULT Draw(IDirect3DTexture9* texture, const RECT* sourceRect, const GFXVECTOR3* center,
                 const GFXVECTOR3* position, D3DCOLOR color) override;
    HRESULT Flush() override;
    HRESULT End() override;
    HRESULT OnLostDevice() override {
        DropQueue();
        SafeRelease(savedState_);
        return D3D_OK;
    }
    HRESULT OnResetDevice() override { return D3D_OK; }

private:
    ~Sprite() override {
        DropQueue();
        SafeRelease(savedState_);
        device_->Release();
    }

    void SetDrawingState();
    void DropQueue() {
        for (auto& queued : queue_) {
            queued.texture->Release();
        }
        queue_.clear();
    }
    SpriteVertex Corner(float x, float y, float u, float v, D3DCOLOR color) const {
        // Pixel centres sit on whole coordinates: shift by half a pixel so
        // each texel covers exactly one pixel at scale 1.
        const float sx = x * transform_.m[0][0] + y * transform_.m[1][0] + transform_.m[3][0] - 0.5f;
        const float sy = x * transform_.m[0][1] + y * transform_.m[1][1] + transform_.m[3][1] - 0.5f;
        return SpriteVertex{sx, sy, 0.0f, 1.0f, color, u, v};
    }

    IDirect3DDevice9* device_;
    IDirect3DStateBlock9* savedState_ = nullptr;
    GFXMATRIX transform_;
    DWORD flags_ = 0;
    bool begun_ = false;
    std::vector<QueuedSprite> queue_;
    std::vector<SpriteVertex> vertices_;
};

HRESULT Sprite::Begin(DWORD flags) {
    if (begun_) {
        return D3DERR_INVALIDCALL;
    }
    if ((flags & GFXSPRITE_DONOTSAVESTATE) == 0) {
        if (savedState_ == nullptr) {
            const HRESULT hr = device_->CreateStateBlock(D3DSBT_ALL, &savedState_);
            if (FAILED(hr)) {
                return hr;
            }
        }
        savedState_->Capture();
    }
    flags_ = flags;
    begun_ = true;
    if ((flags & GFXSPRITE_DONOTMODIFY_RENDERSTATE) == 0) {
        SetDrawingState();
    }
    return D3D_OK;
}

void Sprite::SetDrawingState() {
    // Blending is only ours to set when asked for: a caller that prepared
    // its own (the dialogs) must keep it, or translucent pictures go opaque.
    if ((flags_ & GFXSPRITE_ALPHABLEND) != 0) {
        device_->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
        device_->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        device_->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    }
    device_->SetRenderState(D3DRS_ALPHATESTENABLE, FALSE);
    device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device_->SetRenderState(D3DRS_LIGHTING, FALSE);
    device_->SetRenderState(D3DRS_ZENABLE, FALSE);
    device_->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
    device_->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device_->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device_->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device_->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device_->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device_->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    device_->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
    device_->SetTextureStageState(1, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
    device_->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    device_->SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
    device_->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    device_->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device_->SetVertexShader(nullptr);
    device_->SetPixelShader(nullptr);
}

HRESULT Sprite::Draw(IDirect3DTexture9* texture, const RECT* sourceRect, const GFXVECTOR3* center,
                     const GFXVECTOR3* position, D3DCOLOR color) {
    if (!begun_ || texture == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    D3DSURFACE_DESC desc{};
    if (FAILED(texture->GetLevelDesc(0, &desc)) || desc.Width == 0 || desc.Height == 0) {
        return D3DERR_INVALIDCALL;
    }
    const RECT source = sourceRect != nullptr ? *sourceRect
                                              : RECT{0, 0, static_cast<LONG>(desc.Width), static_cast<LONG>(desc.Height)};
    const float width = static_cast<float>(source.right - source.left);
    const float height = static_cast<float>(source.bottom - source.top);
    const float left = (position != nullptr ? position->x : 0.0f) - (center != nullptr ? center->x : 0.0f);
    const float top = (position != nullptr ? position->y : 0.0f) - (center != nullptr ? center->y : 0.0f);
    const float u0 = static_cast<float>(source.left) / static_cast<float>(desc.Width);
    const float v0 = static_cast<float>(source.top) / static_cast<float>(desc.Height);
    const float u1 = static_cast<float>(source.right) / static_cast<float>(desc.Width);
    const float v1 = static_cast<float>(source.bottom) / static_cast<float>(desc.Height);

    QueuedSprite queued{texture,
                        {Corner(left, top, u0, v0, color), Corner(left + width, top, u1, v0, color),
                         Corner(left, top + height, u0, v1, color), Corner(left + width, top + height, u1, v1, color)}};
    texture->AddRef();
    queue_.push_back(queued);
    return D3D_OK;
}

HRESULT Sprite::Flush() {
    if (!begun_) {
        return D3DERR_INVALIDCALL;
    }
    if (queue_.empty()) {
        return D3D_OK;
    }
    if ((flags_ & GFXSPRITE_SORT_TEXTURE) != 0) {
        std::stable_sort(queue_.begin(), queue_.end(), [](const QueuedSprite& a, const QueuedSprite& b) {
            return std::less<IDirect3DTexture9*>{}(a.texture, b.texture);
        });
    }
    // Someone may have drawn between our draws (the dialogs fill rectangles
    // mid-batch); the vertex format is ours again for every flush.
    device_->SetFVF(kSpriteFvf);
    HRESULT result = D3D_OK;
    std::size_t first = 0;
    while (first < queue_.size()) {
        std::size_t last = first;
        vertices_.clear();
        while (last < queue_.size() && queue_[last].texture == queue_[first].texture) {
            const SpriteVertex* c = queue_[last].corners;
            vertices_.insert(vertices_.end(), {c[0], c[1], c[2], c[2], c[1], c[3]});
            ++last;
        }
        device_->SetTexture(0, queue_[first].texture);
        const HRESULT hr = device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, static_cast<UINT>(2 * (last - first)),
                                                    vertices_.data(), sizeof(SpriteVertex));
        if (FAILED(hr)) {
            result = hr;
        }
        first = last;
    }
    DropQueue();
    return result;
}

HRESULT Sprite::End() {
    if (!begun_) {
        return D3DERR_INVALIDCALL;
    }
    const HRESULT result = Flush();
    if ((flags_ & GFXSPRITE_DONOTSAVESTATE) == 0 && savedState_ != nullptr) {
        savedState_->Apply();
    }
    begun_ = false;
    return result;
}

}  // namespace
}  // namespace gfxutil

HRESULT GfxCreateSprite(IDirect3DDevice9* device, IGfxSprite** sprite) {
    if (device == nullptr || sprite == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    *sprite = new gfxutil::Sprite(device);
    return D3D_OK;
}
