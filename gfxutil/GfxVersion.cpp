#include "gfxutil/GfxVersion.h"

namespace {
// The Direct3D interface version this library draws through.
constexpr UINT kDirect3DSdkVersion = 32;
}  // namespace

BOOL GfxCheckVersion(UINT d3dSdkVersion, UINT utilitySdkVersion) {
    return d3dSdkVersion == kDirect3DSdkVersion && utilitySdkVersion == GFX_SDK_VERSION ? TRUE : FALSE;
}
