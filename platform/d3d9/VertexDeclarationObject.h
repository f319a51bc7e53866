#pragma once
// A vertex declaration. The layer draws flexible vertex formats only, so a
// declaration is kept together with the format it amounts to (0 when it has
// none, in which case drawing with it fails).

#include <vector>

#include "platform/d3d9/ComObject.h"

namespace ondrel::graphics {

class DeviceCore;

class VertexDeclarationObject final : public ComObject<IDirect3DVertexDeclaration9> {
public:
    static VertexDeclarationObject* FromElements(DeviceCore* device, const D3DVERTEXELEMENT9* elements);
    static VertexDeclarationObject* FromFvf(DeviceCore* device, DWORD fvf);

    HRESULT GetDevice(IDirect3DDevice9** device) override;
    HRESULT GetDeclaration(D3DVERTEXELEMENT9* elements, UINT* numElements) override;

    DWORD Fvf() const { return fvf_; }

private:
    explicit VertexDeclarationObject(DeviceCore* device);
    ~VertexDeclarationObject() override = default;
    void OnLastPublicRelease() override;
    void OnRevived() override;

    DeviceCore* device_;
    std::vector<D3DVERTEXELEMENT9> elements_;  // including the end marker
    DWORD fvf_ = 0;
};

// The flexible vertex format a declaration describes, or 0 when it matches none.
DWORD FvfOfDeclaration(const std::vector<D3DVERTEXELEMENT9>& elements);
// The declaration of a flexible vertex format, end marker included.
std::vector<D3DVERTEXELEMENT9> DeclarationOfFvf(DWORD fvf);

}  // namespace ondrel::graphics
