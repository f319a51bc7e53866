#include "platform/d3d9/VertexBufferObject.h"

#include <new>

#include "platform/d3d9/DeviceCore.h"

namespace ondrel::graphics {

VertexBufferObject* VertexBufferObject::Create(DeviceCore* device, UINT length, DWORD usage, DWORD fvf,
                                               D3DPOOL pool) {
    D3DVERTEXBUFFER_DESC desc{D3DFMT_VERTEXDATA, D3DRTYPE_VERTEXBUFFER, usage, pool, length, fvf};
    auto* buffer = new (std::nothrow) VertexBufferObject(device, desc);
    if (buffer == nullptr) return nullptr;
    try {
        buffer->bytes_.assign(length, 0);
    } catch (const std::bad_alloc&) {
        buffer->Release();
        return nullptr;
    }
    return buffer;
}

VertexBufferObject::VertexBufferObject(DeviceCore* device, const D3DVERTEXBUFFER_DESC& desc)
    : ComObject(device->Census(), ObjectKind::VertexBuffer), device_(device), desc_(desc) {
    device_->AddRef();
    device_->Bind();
    device_->ResourceAlive(desc_.Pool, +1);
}

VertexBufferObject::~VertexBufferObject() {
    device_->ForgetResource(this);
    device_->Unbind();
}

void VertexBufferObject::OnLastPublicRelease() {
    device_->ResourceAlive(desc_.Pool, -1);
    device_->Release();
}

void VertexBufferObject::OnRevived() {
    device_->AddRef();
    device_->ResourceAlive(desc_.Pool, +1);
}

HRESULT VertexBufferObject::GetDevice(IDirect3DDevice9** device) {
    if (device == nullptr) return D3DERR_INVALIDCALL;
    device_->AddRef();
    *device = device_;
    return D3D_OK;
}

DWORD VertexBufferObject::SetPriority(DWORD priority) {
    const DWORD old = priority_;
    priority_ = priority;
    return old;
}

HRESULT VertexBufferObject::Lock(UINT offsetToLock, UINT sizeToLock, void** data, DWORD flags) {
    if (HRESULT hr = device_->Observe("IDirect3DVertexBuffer9::Lock",
                                      FormatArguments(offsetToLock, sizeToLock, data, flags));
        FAILED(hr)) {
        return hr;
    }
    if (data == nullptr) return D3DERR_INVALIDCALL;
    *data = nullptr;
    if (offsetToLock > desc_.Size) return D3DERR_INVALIDCALL;
    const UINT size = sizeToLock == 0 ? desc_.Size - offsetToLock : sizeToLock;
    if (size > desc_.Size - offsetToLock) return D3DERR_INVALIDCALL;
    *data = bytes_.data() + offsetToLock;
    ++lockCount_;
    return D3D_OK;
}

HRESULT VertexBufferObject::Unlock() {
    if (HRESULT hr = device_->Observe("IDirect3DVertexBuffer9::Unlock", {}); FAILED(hr)) return hr;
    if (lockCount_ == 0) return D3DERR_INVALIDCALL;
    --lockCount_;
    ++version_;
    return D3D_OK;
}

HRESULT VertexBufferObject::GetDesc(D3DVERTEXBUFFER_DESC* desc) {
    if (desc == nullptr) return D3DERR_INVALIDCALL;
    *desc = desc_;
    return D3D_OK;
}

}  // namespace ondrel::graphics
