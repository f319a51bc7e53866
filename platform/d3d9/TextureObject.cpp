#include "platform/d3d9/TextureObject.h"

#include <algorithm>
#include <new>

#include "platform/d3d9/DeviceCore.h"
#include "platform/d3d9/SurfaceObject.h"

namespace ondrel::graphics {

TextureObject* TextureObject::Create(DeviceCore* device, UINT width, UINT height, UINT levels, DWORD usage,
                                     D3DFORMAT format, D3DPOOL pool) {
    if (width == 0 || height == 0) return nullptr;
    UINT fullChain = 1;
    for (UINT w = width, h = height; w > 1 || h > 1; w = std::max(1u, w / 2), h = std::max(1u, h / 2)) ++fullChain;
    const UINT count = levels == 0 ? fullChain : std::min(levels, fullChain);

    auto* texture = new (std::nothrow) TextureObject(device, usage, format, pool);
    if (texture == nullptr) return nullptr;
    try {
        texture->levels_.resize(count);
    } catch (const std::bad_alloc&) {
        texture->Release();
        return nullptr;
    }
    UINT w = width, h = height;
    for (UINT i = 0; i < count; ++i) {
        if (!texture->levels_[i].Allocate(format, w, h)) {
            texture->Release();
            return nullptr;
        }
        w = std::max(1u, w / 2);
        h = std::max(1u, h / 2);
    }
    return texture;
}

TextureObject::TextureObject(DeviceCore* device, DWORD usage, D3DFORMAT format, D3DPOOL pool)
    : ComObject(device->Census(), ObjectKind::Texture), device_(device), usage_(usage), format_(format), pool_(pool) {
    device_->AddRef();
    device_->Bind();
    device_->ResourceAlive(pool_, +1);
}

TextureObject::~TextureObject() {
    device_->ForgetResource(this);
    device_->Unbind();
}

void TextureObject::OnLastPublicRelease() {
    device_->ResourceAlive(pool_, -1);
    device_->Release();
}

void TextureObject::OnRevived() {
    device_->AddRef();
    device_->ResourceAlive(pool_, +1);
}

HRESULT TextureObject::GetDevice(IDirect3DDevice9** device) {
    if (device == nullptr) return D3DERR_INVALIDCALL;
    device_->AddRef();
    *device = device_;
    return D3D_OK;
}

DWORD TextureObject::SetPriority(DWORD priority) {
    const DWORD old = priority_;
    priority_ = priority;
    return old;
}

DWORD TextureObject::SetLOD(DWORD lodNew) {
    const DWORD old = lod_;
    if (pool_ == D3DPOOL_MANAGED) lod_ = std::min<DWORD>(lodNew, GetLevelCount() - 1);
    return old;
}

HRESULT TextureObject::SetAutoGenFilterType(D3DTEXTUREFILTERTYPE filter) {
    autoGenFilter_ = filter;
    return D3D_OK;
}

D3DSURFACE_DESC TextureObject::LevelDesc(UINT level) const {
    const PixelImage& image = levels_[level];
    return D3DSURFACE_DESC{format_, D3DRTYPE_SURFACE, usage_, pool_, D3DMULTISAMPLE_NONE, 0,
                           image.Width(), image.Height()};
}

HRESULT TextureObject::GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) {
    if (desc == nullptr || level >= levels_.size()) return D3DERR_INVALIDCALL;
    *desc = LevelDesc(level);
    return D3D_OK;
}

HRESULT TextureObject::GetSurfaceLevel(UINT level, IDirect3DSurface9** surface) {
    if (surface == nullptr) return D3DERR_INVALIDCALL;
    *surface = nullptr;
    if (level >= levels_.size()) return D3DERR_INVALIDCALL;
    SurfaceObject* levelSurface = SurfaceObject::ForTextureLevel(this, level);
    if (levelSurface == nullptr) return E_OUTOFMEMORY;
    *surface = levelSurface;
    return D3D_OK;
}

HRESULT TextureObject::LockRect(UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags) {
    if (HRESULT hr = device_->Observe("IDirect3DTexture9::LockRect", FormatArguments(level, lockedRect, rect, flags));
        FAILED(hr)) {
        return hr;
    }
    if (level >= levels_.size()) return D3DERR_INVALIDCALL;
    return levels_[level].Lock(lockedRect, rect, flags);
}

HRESULT TextureObject::UnlockRect(UINT level) {
    if (HRESULT hr = device_->Observe("IDirect3DTexture9::UnlockRect", FormatArguments(level)); FAILED(hr)) return hr;
    if (level >= levels_.size()) return D3DERR_INVALIDCALL;
    return levels_[level].Unlock();
}

std::uint64_t TextureObject::ContentVersion() const {
    std::uint64_t sum = 0;
    for (const PixelImage& image : levels_) sum += image.Version();
    return sum;
}

}  // namespace ondrel::graphics
