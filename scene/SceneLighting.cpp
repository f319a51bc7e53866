#include "scene/SceneLighting.h"

#include <cmath>

#include "gfxutil/GfxMath.h"

namespace ondrel::scene {
namespace {

constexpr float kLightRange = 10000.0f;

D3DMATERIAL9 WhiteMaterial() {
    D3DMATERIAL9 material{};
    material.Diffuse = D3DCOLORVALUE{1.0f, 1.0f, 1.0f, 1.0f};
    material.Ambient = D3DCOLORVALUE{1.0f, 1.0f, 1.0f, 1.0f};
    return material;
}

D3DLIGHT9 SwayingLight(DWORD milliseconds) {
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = D3DCOLORVALUE{1.0f, 1.0f, 1.0f, 0.0f};
    light.Direction = SwayingLightDirection(milliseconds);
    light.Range = kLightRange;
    return light;
}

}  // namespace

D3DVECTOR SwayingLightDirection(DWORD milliseconds) {
    const float t = static_cast<float>(milliseconds);
    const float quotient = t / 1000.0f;
    const GFXVECTOR3 raw{static_cast<float>(std::sin(static_cast<double>(quotient))), 1.0f, 0.0f};
    GFXVECTOR3 direction;
    GfxVec3Normalize(&direction, &raw);
    return direction;
}

void ApplySceneLighting(IDirect3DDevice9* device, DWORD milliseconds) {
    const D3DMATERIAL9 material = WhiteMaterial();
    device->SetMaterial(&material);
    const D3DLIGHT9 light = SwayingLight(milliseconds);
    device->SetLight(0, &light);
    device->LightEnable(0, TRUE);
    device->LightEnable(1, FALSE);
    device->SetRenderState(D3DRS_LIGHTING, TRUE);
    device->SetRenderState(D3DRS_AMBIENT, kSceneAmbient);
    device->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
}

}  // namespace ondrel::scene
