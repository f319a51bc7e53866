#include "platform/d3d9/FvfLayout.h"

namespace ondrel::graphics {
namespace {

UINT TexCoordFloats(DWORD fvf, UINT index) {
    switch ((fvf >> (index * 2 + 16)) & 3u) {
        case D3DFVF_TEXTUREFORMAT1: return 1;
        case D3DFVF_TEXTUREFORMAT3: return 3;
        case D3DFVF_TEXTUREFORMAT4: return 4;
        default: return 2;
    }
}

}  // namespace

FvfLayout DescribeFvf(DWORD fvf) {
    FvfLayout layout;
    UINT offset = 0;
    switch (fvf & D3DFVF_POSITION_MASK) {
        case D3DFVF_XYZ: layout.positionFloats = 3; break;
        case D3DFVF_XYZRHW:
            layout.positionFloats = 4;
            layout.pretransformed = true;
            break;
        case D3DFVF_XYZW: layout.positionFloats = 4; break;
        default: return layout;  // no position, or blend weights
    }
    offset += layout.positionFloats * 4;
    if ((fvf & D3DFVF_NORMAL) != 0) {
        layout.normalOffset = static_cast<int>(offset);
        offset += 12;
    }
    if ((fvf & D3DFVF_PSIZE) != 0) {
        layout.pointSizeOffset = static_cast<int>(offset);
        offset += 4;
    }
    if ((fvf & D3DFVF_DIFFUSE) != 0) {
        layout.diffuseOffset = static_cast<int>(offset);
        offset += 4;
    }
    if ((fvf & D3DFVF_SPECULAR) != 0) {
        layout.specularOffset = static_cast<int>(offset);
        offset += 4;
    }
    layout.texCoordCount = (fvf & D3DFVF_TEXCOUNT_MASK) >> D3DFVF_TEXCOUNT_SHIFT;
    if (layout.texCoordCount > 8) return FvfLayout{};
    for (UINT i = 0; i < layout.texCoordCount; ++i) {
        layout.texCoordOffset[i] = static_cast<int>(offset);
        layout.texCoordFloats[i] = TexCoordFloats(fvf, i);
        offset += layout.texCoordFloats[i] * 4;
    }
    layout.stride = offset;
    layout.valid = true;
    return layout;
}

}  // namespace ondrel::graphics
