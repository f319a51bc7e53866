#include "gfxutil/D3DXVersion.h"

namespace {
// The Direct3D interface version this library draws through.
constexpr UINT kDirect3DSdkVersion = 32;
}  // namespace

BOOL D3DXCheckVersion(UINT d3dSdkVersion, UINT d3dxSdkVersion) {
    return d3dSdkVersion == kDirect3DSdkVersion && d3dxSdkVersion == D3DX_SDK_VERSION ? TRUE : FALSE;
}
