#pragma once
// The shaders that reproduce Direct3D 9's fixed-function pipeline for the
// subset the layer offers.

namespace ondrel::graphics {

extern const char* const kFixedFunctionVertexShader;
extern const char* const kFixedFunctionFragmentShader;

inline constexpr int kGlTextureStages = 4;
inline constexpr int kGlMaxLights = 8;

}  // namespace ondrel::graphics
