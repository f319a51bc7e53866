#include "platform/d3d9/StateBlockObject.h"

#include <new>

#include "platform/d3d9/DeviceCore.h"

namespace ondrel::graphics {

StateBlockObject* StateBlockObject::Create(DeviceCore* device, const StateMask& mask, const DeviceState* recorded) {
    auto* block = new (std::nothrow) StateBlockObject(device, mask);
    if (block != nullptr) CopyMasked(recorded != nullptr ? *recorded : device->State(), block->saved_, block->mask_);
    return block;
}

StateBlockObject::StateBlockObject(DeviceCore* device, const StateMask& mask)
    : ComObject(device->Census(), ObjectKind::StateBlock), device_(device), mask_(mask) {
    device_->AddRef();
    device_->StateBlockAlive(+1);
}

void StateBlockObject::OnLastPublicRelease() {
    // Let go of captured textures and buffers now, not when the last binding goes.
    saved_ = DeviceState{};
    device_->StateBlockAlive(-1);
    device_->Release();
}

void StateBlockObject::OnRevived() {
    device_->AddRef();
    device_->StateBlockAlive(+1);
}

HRESULT StateBlockObject::GetDevice(IDirect3DDevice9** device) {
    if (device == nullptr) return D3DERR_INVALIDCALL;
    device_->AddRef();
    *device = device_;
    return D3D_OK;
}

HRESULT StateBlockObject::Capture() {
    if (HRESULT hr = device_->Observe("IDirect3DStateBlock9::Capture", {}); FAILED(hr)) return hr;
    if (device_->IsRecordingStateBlock()) return D3DERR_INVALIDCALL;
    CopyMasked(device_->State(), saved_, mask_);
    return D3D_OK;
}

HRESULT StateBlockObject::Apply() {
    if (HRESULT hr = device_->Observe("IDirect3DStateBlock9::Apply", {}); FAILED(hr)) return hr;
    if (device_->IsRecordingStateBlock()) return D3DERR_INVALIDCALL;
    device_->ApplyState(saved_, mask_);
    return D3D_OK;
}

}  // namespace ondrel::graphics
