#include "app/SceneDevice.h"

#include <new>

#include "app/ScenePanel.h"
#include "app/SceneObjects.h"
#include "app/ViewerCamera.h"
#include "app/ViewerLevel.h"
#include "gfxutil/RefCounted.h"
#include "scene/LevelVertexBufferFactory.h"

namespace ondrel::app {
namespace {

constexpr INT kFontHeight = 15;
constexpr float kQuarterPi = 0.785398163f;  // 0x3F490FDB
constexpr float kNearPlane = 0.1f;
constexpr float kFarPlane = 50000.0f;

HRESULT CreateSceneFont(IDirect3DDevice9* device, IGfxFont** font) {
    return GfxCreateFontW(device, kFontHeight, 0, FW_BOLD, 1, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, u"Arial", font);
}

// The level's buffers go into the managed pool of this device from now on.
HRESULT InstallBufferFactory(IDirect3DDevice9* device) {
    SceneObjects& scene = Scene();
    ViewerLevel().SetBufferFactory(nullptr);
    scene.bufferFactory.reset(new (std::nothrow) scene::DeviceLevelVertexBufferFactory(device));
    if (!scene.bufferFactory) {
        return E_OUTOFMEMORY;
    }
    ViewerLevel().SetBufferFactory(scene.bufferFactory.get());
    return S_OK;
}

}  // namespace

HRESULT DeviceCreated(IDirect3DDevice9* device, const D3DSURFACE_DESC* /*backBuffer*/) {
    SceneObjects& scene = Scene();
    // A device step the framework skipped must not leak the last device's objects.
    gfxutil::SafeRelease(scene.font);
    gfxutil::SafeRelease(scene.sprite);

    if (const HRESULT hr = CreateSceneFont(device, &scene.font); FAILED(hr)) {
        scene.font = nullptr;
        return hr;
    }
    if (const HRESULT hr = InstallBufferFactory(device); FAILED(hr)) {
        return hr;
    }
    const GFXVECTOR3 eye{0.0f, 0.0f, -15.0f};
    const GFXVECTOR3 lookAt{0.0f, 0.0f, 0.0f};
    ViewerCamera().SetView(&eye, &lookAt);
    return S_OK;
}

HRESULT DeviceReset(IDirect3DDevice9* device, const D3DSURFACE_DESC* backBuffer) {
    SceneObjects& scene = Scene();
    if (scene.font != nullptr) {
        if (const HRESULT hr = scene.font->OnResetDevice(); FAILED(hr)) {
            return hr;
        }
    }
    gfxutil::SafeRelease(scene.sprite);
    if (const HRESULT hr = GfxCreateSprite(device, &scene.sprite); FAILED(hr)) {
        scene.sprite = nullptr;
        return hr;
    }
    const UINT width = backBuffer != nullptr ? backBuffer->Width : 0;
    const UINT height = backBuffer != nullptr ? backBuffer->Height : 0;
    // A zero-height back buffer would make the aspect infinite; keep 1 then.
    const float aspect = height != 0 ? static_cast<float>(width) / static_cast<float>(height) : 1.0f;
    ViewerCamera().SetProjection(kQuarterPi, aspect, kNearPlane, kFarPlane);
    PlacePanels(Panels(), static_cast<int>(width), static_cast<int>(height));
    return S_OK;
}

void DeviceLost() {
    SceneObjects& scene = Scene();
    if (scene.font != nullptr) {
        scene.font->OnLostDevice();
    }
    gfxutil::SafeRelease(scene.sprite);
}

void DeviceDestroyed() {
    SceneObjects& scene = Scene();
    gfxutil::SafeRelease(scene.font);
    // The buffers go before the factory, which holds the device.
    ViewerLevel().Reset();
    ViewerLevel().SetBufferFactory(nullptr);
    scene.bufferFactory.reset();
}

}  // namespace ondrel::app
