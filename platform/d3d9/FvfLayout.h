#pragma once
// Where each element of a flexible-vertex-format vertex lies.

#include <array>

#include "platform/d3d9/D3D9Types.h"

namespace ondrel::graphics {

struct FvfLayout {
    bool valid = false;
    bool pretransformed = false;  // D3DFVF_XYZRHW: screen x, y, z and 1/w
    UINT positionFloats = 0;      // 3, or 4 when pretransformed or XYZW
    int normalOffset = -1;
    int pointSizeOffset = -1;
    int diffuseOffset = -1;
    int specularOffset = -1;
    UINT texCoordCount = 0;
    std::array<int, 8> texCoordOffset{};
    std::array<UINT, 8> texCoordFloats{};
    UINT stride = 0;
};

// Invalid for formats without a position or with blend weights.
FvfLayout DescribeFvf(DWORD fvf);

}  // namespace ondrel::graphics
