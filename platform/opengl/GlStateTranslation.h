#pragma once
// Direct3D 9 state values in OpenGL terms.

#include <epoxy/gl.h>

#include "platform/d3d9/D3D9Types.h"

namespace ondrel::graphics {

GLenum GlCompare(DWORD d3dCmpFunc);
GLenum GlBlendFactor(DWORD d3dBlend, bool source);
GLenum GlBlendEquation(DWORD d3dBlendOp);
GLenum GlStencilOp(DWORD d3dStencilOp);
GLenum GlPrimitive(D3DPRIMITIVETYPE type);
GLint GlAddressMode(DWORD d3dTextureAddress);
GLint GlMinFilter(DWORD minFilter, DWORD mipFilter, bool hasMips);
GLint GlMagFilter(DWORD magFilter);

}  // namespace ondrel::graphics
