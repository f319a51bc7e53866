#pragma once

#include "platform/d3d9/D3D9.h"

namespace ondrel::graphics {

// a x b for row vectors: transforming by the result is transforming by a,
// then by b.
D3DMATRIX MatrixProduct(const D3DMATRIX& a, const D3DMATRIX& b);

}  // namespace ondrel::graphics
