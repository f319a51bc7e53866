#pragma once
// A vertex buffer held in memory. Backends that draw from video memory keep
// their own copy, refreshed when the version moves.

#include <cstdint>
#include <vector>

#include "platform/d3d9/ComObject.h"

namespace ondrel::graphics {

class DeviceCore;

class VertexBufferObject final : public ComObject<IDirect3DVertexBuffer9> {
public:
    // Null when memory for `length` bytes cannot be had.
    static VertexBufferObject* Create(DeviceCore* device, UINT length, DWORD usage, DWORD fvf, D3DPOOL pool);

    HRESULT GetDevice(IDirect3DDevice9** device) override;
    DWORD SetPriority(DWORD priority) override;
    DWORD GetPriority() override { return priority_; }
    void PreLoad() override {}
    D3DRESOURCETYPE GetType() override { return D3DRTYPE_VERTEXBUFFER; }

    HRESULT Lock(UINT offsetToLock, UINT sizeToLock, void** data, DWORD flags) override;
    HRESULT Unlock() override;
    HRESULT GetDesc(D3DVERTEXBUFFER_DESC* desc) override;

    DeviceCore* Owner() const { return device_; }
    const BYTE* Bytes() const { return bytes_.data(); }
    UINT Size() const { return desc_.Size; }
    std::uint64_t Version() const { return version_; }

private:
    VertexBufferObject(DeviceCore* device, const D3DVERTEXBUFFER_DESC& desc);
    ~VertexBufferObject() override;
    void OnLastPublicRelease() override;
    void OnRevived() override;

    DeviceCore* device_;
    D3DVERTEXBUFFER_DESC desc_;
    std::vector<BYTE> bytes_;
    UINT lockCount_ = 0;
    DWORD priority_ = 0;
    std::uint64_t version_ = 1;
};

}  // namespace ondrel::graphics
