#include "platform/d3d9/SurfaceObject.h"

#include <new>

#include "platform/d3d9/DeviceCore.h"
#include "platform/d3d9/TextureObject.h"

namespace ondrel::graphics {

SurfaceObject* SurfaceObject::Standalone(DeviceCore* device, UINT width, UINT height, D3DFORMAT format,
                                         D3DPOOL pool) {
    auto* surface = new (std::nothrow) SurfaceObject(device, Kind::Standalone);
    if (surface == nullptr) return nullptr;
    surface->pool_ = pool;
    surface->TakeOwnerReference();
    if (!surface->image_.Allocate(format, width, height)) {
        surface->Release();
        return nullptr;
    }
    return surface;
}

SurfaceObject* SurfaceObject::ForTextureLevel(TextureObject* texture, UINT level) {
    auto* surface = new (std::nothrow) SurfaceObject(texture->Owner(), Kind::TextureLevel);
    if (surface == nullptr) return nullptr;
    surface->texture_ = texture;
    surface->level_ = level;
    surface->TakeOwnerReference();
    return surface;
}

SurfaceObject* SurfaceObject::BackBuffer(DeviceCore* device) {
    auto* surface = new (std::nothrow) SurfaceObject(device, Kind::BackBuffer);
    if (surface == nullptr) return nullptr;
    surface->TakeOwnerReference();
    return surface;
}

SurfaceObject::SurfaceObject(DeviceCore* device, Kind kind)
    : ComObject(device->Census(), ObjectKind::Surface), device_(device), kind_(kind) {}

void SurfaceObject::TakeOwnerReference() {
    if (kind_ == Kind::TextureLevel) {
        texture_->AddRef();
    } else {
        device_->AddRef();
        device_->ResourceAlive(kind_ == Kind::BackBuffer ? D3DPOOL_DEFAULT : pool_, +1);
    }
}

void SurfaceObject::DropOwnerReference() {
    if (kind_ == Kind::TextureLevel) {
        texture_->Release();
    } else {
        device_->ResourceAlive(kind_ == Kind::BackBuffer ? D3DPOOL_DEFAULT : pool_, -1);
        device_->Release();
    }
}

void SurfaceObject::OnLastPublicRelease() { DropOwnerReference(); }
void SurfaceObject::OnRevived() { TakeOwnerReference(); }

HRESULT SurfaceObject::GetDevice(IDirect3DDevice9** device) {
    if (device == nullptr) return D3DERR_INVALIDCALL;
    device_->AddRef();
    *device = device_;
    return D3D_OK;
}

HRESULT SurfaceObject::GetContainer(REFIID, void** container) {
    if (container != nullptr) *container = nullptr;
    return E_NOINTERFACE;
}

D3DSURFACE_DESC SurfaceObject::Desc() const {
    switch (kind_) {
        case Kind::TextureLevel: return texture_->LevelDesc(level_);
        case Kind::BackBuffer: return device_->BackBufferDesc();
        case Kind::Standalone: break;
    }
    return D3DSURFACE_DESC{image_.Format(), D3DRTYPE_SURFACE, 0, pool_, D3DMULTISAMPLE_NONE, 0,
                           image_.Width(), image_.Height()};
}

PixelImage& SurfaceObject::Image() { return kind_ == Kind::TextureLevel ? texture_->Level(level_) : image_; }

HRESULT SurfaceObject::GetDesc(D3DSURFACE_DESC* desc) {
    if (desc == nullptr) return D3DERR_INVALIDCALL;
    *desc = Desc();
    return D3D_OK;
}

HRESULT SurfaceObject::LockRect(D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags) {
    if (HRESULT hr = device_->Observe("IDirect3DSurface9::LockRect", FormatArguments(lockedRect, rect, flags));
        FAILED(hr)) {
        return hr;
    }
    if (kind_ == Kind::BackBuffer) {
        if (!device_->BackBufferLockable()) return D3DERR_INVALIDCALL;
        if (HRESULT hr = device_->ReadBackBuffer(image_); FAILED(hr)) return hr;
    }
    return Image().Lock(lockedRect, rect, flags);
}

HRESULT SurfaceObject::UnlockRect() {
    if (HRESULT hr = device_->Observe("IDirect3DSurface9::UnlockRect", {}); FAILED(hr)) return hr;
    return Image().Unlock();
}

}  // namespace ondrel::graphics
