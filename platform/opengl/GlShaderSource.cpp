#include "platform/opengl/GlShaderSource.h"

namespace ondrel::graphics {

// Positions arrive either in model space (row vectors, transformed by world,
// view and projection with Direct3D's clip z from 0 to w) or already in
// screen pixels with 1/w. Both end in GL clip space moved by half a pixel,
// so that pixel centres sit on integer coordinates as in Direct3D 9.
const char* const kFixedFunctionVertexShader = R"glsl(
#version 330 core
layout(location = 0) in vec4 inPosition;
layout(location = 1) in vec3 inNormal;
layout(location = 2) in vec4 inDiffuse;
layout(location = 3) in vec4 inSpecular;
layout(location = 4) in vec4 inTex0;
layout(location = 5) in vec4 inTex1;
layout(location = 6) in vec4 inTex2;
layout(location = 7) in vec4 inTex3;

uniform bool uPretransformed;
uniform vec2 uTargetSize;
uniform vec2 uViewportSize;
uniform mat4 uWorldView;
uniform mat4 uProjection;
uniform mat3 uNormalMatrix;

uniform bool uHasNormal;
uniform bool uHasDiffuse;
uniform bool uHasSpecular;
uniform bool uLighting;
uniform bool uColorVertex;
uniform bool uNormalizeNormals;
uniform bool uSpecularEnable;
uniform bool uLocalViewer;
uniform int uDiffuseSource;
uniform int uAmbientSource;
uniform int uSpecularSource;
uniform int uEmissiveSource;
uniform vec4 uGlobalAmbient;
uniform vec4 uMaterialDiffuse;
uniform vec4 uMaterialAmbient;
uniform vec4 uMaterialSpecular;
uniform vec4 uMaterialEmissive;
uniform float uMaterialPower;

uniform int uLightCount;
uniform int uLightType[8];
uniform vec4 uLightDiffuse[8];
uniform vec4 uLightSpecular[8];
uniform vec4 uLightAmbient[8];
uniform vec3 uLightPosition[8];   // camera space
uniform vec3 uLightDirection[8];  // camera space, towards the light, unit length
uniform float uLightRange[8];
uniform vec4 uLightAttenuation[8]; // a0, a1, a2, falloff
uniform vec2 uLightCone[8];        // cos(theta / 2), cos(phi / 2)

out vec4 vDiffuse;
flat out vec4 vDiffuseFlat;
out vec4 vSpecular;
flat out vec4 vSpecularFlat;
out vec4 vTex0;
out vec4 vTex1;
out vec4 vTex2;
out vec4 vTex3;

vec4 Source(int source, vec4 material) {
    if (uColorVertex && source == 1 && uHasDiffuse) return inDiffuse;
    if (uColorVertex && source == 2 && uHasSpecular) return inSpecular;
    return material;
}

void Light(vec3 position) {
    vec4 md = Source(uDiffuseSource, uMaterialDiffuse);
    vec4 ma = Source(uAmbientSource, uMaterialAmbient);
    vec4 ms = Source(uSpecularSource, uMaterialSpecular);
    vec4 me = Source(uEmissiveSource, uMaterialEmissive);
    vec3 n = uHasNormal ? uNormalMatrix * inNormal : vec3(0.0);
    if (uNormalizeNormals && dot(n, n) > 0.0) n = normalize(n);
    vec3 toViewer = uLocalViewer ? normalize(-position) : vec3(0.0, 0.0, -1.0);

    vec3 ambient = uGlobalAmbient.rgb;
    vec3 diffuse = vec3(0.0);
    vec3 specular = vec3(0.0);
    for (int i = 0; i < uLightCount; ++i) {
        vec3 l = uLightDirection[i];
        float atten = 1.0;
        if (uLightType[i] != 3) {
            vec3 d = uLightPosition[i] - position;
            float dist = length(d);
            l = dist > 0.0 ? d / dist : vec3(0.0);
            if (dist > uLightRange[i]) {
                atten = 0.0;
            } else {
                vec4 a = uLightAttenuation[i];
                float denominator = a.x + a.y * dist + a.z * dist * dist;
                atten = denominator > 0.0 ? 1.0 / denominator : 1.0;
            }
            if (uLightType[i] == 2) {
                float rho = dot(-l, uLightDirection[i] * -1.0);
                vec2 cone = uLightCone[i];
                if (rho <= cone.y) atten = 0.0;
                else if (rho < cone.x) atten *= pow((rho - cone.y) / max(cone.x - cone.y, 1e-6), uLightAttenuation[i].w);
            }
        }
        ambient += atten * uLightAmbient[i].rgb;
        float nDotL = dot(n, l);
        if (nDotL > 0.0) {
            diffuse += atten * nDotL * uLightDiffuse[i].rgb;
            if (uSpecularEnable) {
                vec3 h = normalize(l + toViewer);
                float nDotH = max(dot(n, h), 0.0);
                specular += atten * pow(nDotH, uMaterialPower) * uLightSpecular[i].rgb;
            }
        }
    }
    vDiffuse = clamp(vec4(me.rgb + ma.rgb * ambient + md.rgb * diffuse, md.a), 0.0, 1.0);
    vSpecular = clamp(vec4(ms.rgb * specular, ms.a), 0.0, 1.0);
}

void main() {
    if (uPretransformed) {
        float w = inPosition.w != 0.0 ? 1.0 / inPosition.w : 1.0;
        vec2 ndc = vec2((inPosition.x + 0.5) / uTargetSize.x * 2.0 - 1.0,
                        1.0 - (inPosition.y + 0.5) / uTargetSize.y * 2.0);
        gl_Position = vec4(ndc * w, (inPosition.z * 2.0 - 1.0) * w, w);
        vDiffuse = uHasDiffuse ? inDiffuse : vec4(1.0);
        vSpecular = uHasSpecular ? inSpecular : vec4(0.0);
    } else {
        vec4 viewPosition = uWorldView * vec4(inPosition.xyz, 1.0);
        vec4 clip = uProjection * viewPosition;
        clip.x += clip.w / uViewportSize.x;
        clip.y -= clip.w / uViewportSize.y;
        clip.z = clip.z * 2.0 - clip.w;
        gl_Position = clip;
        if (uLighting) {
            Light(viewPosition.xyz);
        } else {
            vDiffuse = uHasDiffuse ? inDiffuse : vec4(1.0);
            vSpecular = uHasSpecular ? inSpecular : vec4(0.0);
        }
    }
    vDiffuseFlat = vDiffuse;
    vSpecularFlat = vSpecular;
    vTex0 = inTex0;
    vTex1 = inTex1;
    vTex2 = inTex2;
    vTex3 = inTex3;
}
)glsl";

// Texture stages as Direct3D 9 combines them: each stage's colour and alpha
// operation on its two arguments, the result feeding the next stage as
// "current", until a stage whose colour operation is disabled.
const char* const kFixedFunctionFragmentShader = R"glsl(
#version 330 core
in vec4 vDiffuse;
flat in vec4 vDiffuseFlat;
in vec4 vSpecular;
flat in vec4 vSpecularFlat;
in vec4 vTex0;
in vec4 vTex1;
in vec4 vTex2;
in vec4 vTex3;

uniform bool uFlat;
uniform int uColorOp[4];
uniform int uColorArg1[4];
uniform int uColorArg2[4];
uniform int uAlphaOp[4];
uniform int uAlphaArg1[4];
uniform int uAlphaArg2[4];
uniform int uTexCoordIndex[4];
uniform bool uHasTexture[4];
uniform sampler2D uSampler0;
uniform sampler2D uSampler1;
uniform sampler2D uSampler2;
uniform sampler2D uSampler3;
uniform vec4 uTextureFactor;
uniform bool uSpecularAdd;
uniform bool uAlphaTest;
uniform int uAlphaFunc;
uniform int uAlphaRef;

out vec4 fragColor;

vec2 Coordinates(int index) {
    if (index == 1) return vTex1.xy;
    if (index == 2) return vTex2.xy;
    if (index == 3) return vTex3.xy;
    return vTex0.xy;
}

vec4 Sample(int stage) {
    if (!uHasTexture[stage]) return vec4(1.0);
    vec2 uv = Coordinates(uTexCoordIndex[stage]);
    if (stage == 0) return texture(uSampler0, uv);
    if (stage == 1) return texture(uSampler1, uv);
    if (stage == 2) return texture(uSampler2, uv);
    return texture(uSampler3, uv);
}

vec4 Argument(int arg, vec4 current, vec4 diffuse, vec4 specular, vec4 texel) {
    int selector = arg & 15;
    vec4 v = current;
    if (selector == 0) v = diffuse;
    else if (selector == 2) v = texel;
    else if (selector == 3) v = uTextureFactor;
    else if (selector == 4) v = specular;
    if ((arg & 16) != 0) v = vec4(1.0) - v;
    if ((arg & 32) != 0) v = vec4(v.a);
    return v;
}

vec4 Combine(int op, vec4 a1, vec4 a2, vec4 current, vec4 diffuse, vec4 texel) {
    if (op == 2) return a1;
    if (op == 3) return a2;
    if (op == 4) return a1 * a2;
    if (op == 5) return 2.0 * a1 * a2;
    if (op == 6) return 4.0 * a1 * a2;
    if (op == 7) return a1 + a2;
    if (op == 8) return a1 + a2 - 0.5;
    if (op == 9) return 2.0 * (a1 + a2 - 0.5);
    if (op == 10) return a1 - a2;
    if (op == 11) return a1 + a2 - a1 * a2;
    if (op == 12) return mix(a2, a1, diffuse.a);
    if (op == 13) return mix(a2, a1, texel.a);
    if (op == 14) return mix(a2, a1, uTextureFactor.a);
    if (op == 15) return a1 + a2 * (1.0 - texel.a);
    if (op == 16) return mix(a2, a1, current.a);
    if (op == 18) return vec4(a1.rgb + a1.a * a2.rgb, a1.a);
    if (op == 19) return vec4(a1.rgb * a2.rgb + a1.a, a1.a * a2.a);
    if (op == 20) return vec4((1.0 - a1.a) * a2.rgb + a1.rgb, a1.a);
    if (op == 21) return vec4((vec3(1.0) - a1.rgb) * a2.rgb + a1.a, a1.a * a2.a);
    if (op == 24) return vec4(clamp(dot(a1.rgb - 0.5, a2.rgb - 0.5) * 4.0, 0.0, 1.0));
    return a1;
}

bool Passes(int func, int value, int reference) {
    if (func == 1) return false;
    if (func == 2) return value < reference;
    if (func == 3) return value == reference;
    if (func == 4) return value <= reference;
    if (func == 5) return value > reference;
    if (func == 6) return value != reference;
    if (func == 7) return value >= reference;
    return true;
}

void main() {
    vec4 diffuse = uFlat ? vDiffuseFlat : vDiffuse;
    vec4 specular = uFlat ? vSpecularFlat : vSpecular;
    vec4 current = diffuse;
    for (int stage = 0; stage < 4; ++stage) {
        if (uColorOp[stage] == 1) break;
        vec4 texel = Sample(stage);
        vec4 c1 = Argument(uColorArg1[stage], current, diffuse, specular, texel);
        vec4 c2 = Argument(uColorArg2[stage], current, diffuse, specular, texel);
        vec3 rgb = Combine(uColorOp[stage], c1, c2, current, diffuse, texel).rgb;
        float a = current.a;
        if (uAlphaOp[stage] != 1) {
            vec4 x1 = Argument(uAlphaArg1[stage], current, diffuse, specular, texel);
            vec4 x2 = Argument(uAlphaArg2[stage], current, diffuse, specular, texel);
            a = Combine(uAlphaOp[stage], x1, x2, current, diffuse, texel).a;
        }
        current = clamp(vec4(rgb, a), 0.0, 1.0);
    }
    if (uSpecularAdd) current.rgb = clamp(current.rgb + specular.rgb, 0.0, 1.0);
    if (uAlphaTest && !Passes(uAlphaFunc, int(current.a * 255.0 + 0.5), uAlphaRef)) discard;
    fragColor = current;
}
)glsl";

}  // namespace ondrel::graphics
