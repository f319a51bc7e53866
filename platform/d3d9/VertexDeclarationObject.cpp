#include "platform/d3d9/VertexDeclarationObject.h"

#include <new>

#include "platform/d3d9/DeviceCore.h"
#include "platform/d3d9/FvfLayout.h"

namespace ondrel::graphics {
namespace {

bool IsEnd(const D3DVERTEXELEMENT9& e) { return e.Stream == 0xFF && e.Type == D3DDECLTYPE_UNUSED; }

D3DVERTEXELEMENT9 Element(UINT offset, BYTE type, BYTE usage, BYTE usageIndex = 0) {
    return D3DVERTEXELEMENT9{0, static_cast<WORD>(offset), type, D3DDECLMETHOD_DEFAULT, usage, usageIndex};
}

BYTE FloatType(UINT floats) { return static_cast<BYTE>(D3DDECLTYPE_FLOAT1 + (floats - 1)); }

}  // namespace

std::vector<D3DVERTEXELEMENT9> DeclarationOfFvf(DWORD fvf) {
    std::vector<D3DVERTEXELEMENT9> elements;
    const FvfLayout layout = DescribeFvf(fvf);
    if (layout.valid) {
        elements.push_back(Element(0, layout.positionFloats == 4 ? D3DDECLTYPE_FLOAT4 : D3DDECLTYPE_FLOAT3,
                                   layout.pretransformed ? D3DDECLUSAGE_POSITIONT : D3DDECLUSAGE_POSITION));
        if (layout.normalOffset >= 0)
            elements.push_back(Element(static_cast<UINT>(layout.normalOffset), D3DDECLTYPE_FLOAT3, D3DDECLUSAGE_NORMAL));
        if (layout.pointSizeOffset >= 0)
            elements.push_back(Element(static_cast<UINT>(layout.pointSizeOffset), D3DDECLTYPE_FLOAT1, D3DDECLUSAGE_PSIZE));
        if (layout.diffuseOffset >= 0)
            elements.push_back(Element(static_cast<UINT>(layout.diffuseOffset), D3DDECLTYPE_D3DCOLOR, D3DDECLUSAGE_COLOR, 0));
        if (layout.specularOffset >= 0)
            elements.push_back(Element(static_cast<UINT>(layout.specularOffset), D3DDECLTYPE_D3DCOLOR, D3DDECLUSAGE_COLOR, 1));
        for (UINT i = 0; i < layout.texCoordCount; ++i) {
            elements.push_back(Element(static_cast<UINT>(layout.texCoordOffset[i]), FloatType(layout.texCoordFloats[i]),
                                       D3DDECLUSAGE_TEXCOORD, static_cast<BYTE>(i)));
        }
    }
    elements.push_back(D3DDECL_END());
    return elements;
}

DWORD FvfOfDeclaration(const std::vector<D3DVERTEXELEMENT9>& elements) {
    // Rebuild the format from the elements in the order a flexible format
    // lays them out, then check the layouts agree.
    DWORD fvf = 0;
    UINT texCount = 0;
    for (const D3DVERTEXELEMENT9& e : elements) {
        if (IsEnd(e)) break;
        if (e.Stream != 0) return 0;
        switch (e.Usage) {
            case D3DDECLUSAGE_POSITION: fvf |= e.Type == D3DDECLTYPE_FLOAT4 ? D3DFVF_XYZW : D3DFVF_XYZ; break;
            case D3DDECLUSAGE_POSITIONT: fvf |= D3DFVF_XYZRHW; break;
            case D3DDECLUSAGE_NORMAL: fvf |= D3DFVF_NORMAL; break;
            case D3DDECLUSAGE_PSIZE: fvf |= D3DFVF_PSIZE; break;
            case D3DDECLUSAGE_COLOR: fvf |= e.UsageIndex == 0 ? D3DFVF_DIFFUSE : D3DFVF_SPECULAR; break;
            case D3DDECLUSAGE_TEXCOORD: {
                if (e.Type > D3DDECLTYPE_FLOAT4 || e.UsageIndex != texCount) return 0;
                const UINT floats = static_cast<UINT>(e.Type) + 1;
                if (floats == 1) fvf |= D3DFVF_TEXCOORDSIZE1(texCount);
                if (floats == 3) fvf |= D3DFVF_TEXCOORDSIZE3(texCount);
                if (floats == 4) fvf |= D3DFVF_TEXCOORDSIZE4(texCount);
                ++texCount;
                break;
            }
            default: return 0;
        }
    }
    fvf |= texCount << D3DFVF_TEXCOUNT_SHIFT;
    const std::vector<D3DVERTEXELEMENT9> expected = DeclarationOfFvf(fvf);
    if (expected.size() != elements.size()) return 0;
    for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
        const D3DVERTEXELEMENT9& a = expected[i];
        const D3DVERTEXELEMENT9& b = elements[i];
        if (a.Offset != b.Offset || a.Type != b.Type || a.Usage != b.Usage || a.UsageIndex != b.UsageIndex) return 0;
    }
    return fvf;
}

VertexDeclarationObject* VertexDeclarationObject::FromElements(DeviceCore* device,
                                                               const D3DVERTEXELEMENT9* elements) {
    auto* declaration = new (std::nothrow) VertexDeclarationObject(device);
    if (declaration == nullptr) return nullptr;
    for (UINT i = 0; i < MAXD3DDECLLENGTH + 1; ++i) {
        declaration->elements_.push_back(elements[i]);
        if (IsEnd(elements[i])) break;
    }
    if (!IsEnd(declaration->elements_.back())) {
        declaration->Release();
        return nullptr;
    }
    declaration->fvf_ = FvfOfDeclaration(declaration->elements_);
    return declaration;
}

VertexDeclarationObject* VertexDeclarationObject::FromFvf(DeviceCore* device, DWORD fvf) {
    auto* declaration = new (std::nothrow) VertexDeclarationObject(device);
    if (declaration == nullptr) return nullptr;
    declaration->elements_ = DeclarationOfFvf(fvf);
    declaration->fvf_ = fvf;
    return declaration;
}

VertexDeclarationObject::VertexDeclarationObject(DeviceCore* device)
    : ComObject(device->Census(), ObjectKind::VertexDeclaration), device_(device) {
    device_->AddRef();
}

void VertexDeclarationObject::OnLastPublicRelease() { device_->Release(); }
void VertexDeclarationObject::OnRevived() { device_->AddRef(); }

HRESULT VertexDeclarationObject::GetDevice(IDirect3DDevice9** device) {
    if (device == nullptr) return D3DERR_INVALIDCALL;
    device_->AddRef();
    *device = device_;
    return D3D_OK;
}

HRESULT VertexDeclarationObject::GetDeclaration(D3DVERTEXELEMENT9* elements, UINT* numElements) {
    if (numElements == nullptr) return D3DERR_INVALIDCALL;
    if (elements != nullptr) {
        for (std::size_t i = 0; i < elements_.size(); ++i) elements[i] = elements_[i];
    }
    *numElements = static_cast<UINT>(elements_.size());
    return D3D_OK;
}

}  // namespace ondrel::graphics
