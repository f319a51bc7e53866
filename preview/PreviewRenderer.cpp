#include "preview/PreviewRenderer.h"

#include <filesystem>
#include <memory>

#include "mapexport/SolidBuilder.h"
#include "preview/OffscreenDevice.h"
#include "preview/PreviewView.h"
#include "scene/BackBufferPng.h"
#include "scene/DrawLevel.h"
#include "scene/LevelVertexBufferFactory.h"
#include "scene/SceneLighting.h"

namespace ondrel::preview {
namespace {

// The light sways with the clock in the viewer; the picture takes it at one
// fixed moment, leaning to the side, so walls facing either way differ and
// the same level always gives the same picture.
constexpr DWORD kLightMoment = 1000;

bool LoadLevel(LevelData& level, const conversion::PreviewRequest& request, std::string* error) {
    if (!level.Import(std::filesystem::path(request.level), request.binary) || level.sourceCount < 3) {
        *error = "cannot read a whole triangle from " + request.level;
        return false;
    }
    if (request.solids && !ConvertToSolids(level, request.parameters)) {
        *error = "cannot convert " + request.level + " to solids";
        return false;
    }
    return true;
}

void DrawFrame(IDirect3DDevice9* device, LevelData& level, const PreviewView& view) {
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, scene::kSceneClearColour, 1.0f, 0);
    if (FAILED(device->BeginScene())) return;
    scene::ApplySceneLighting(device, kLightMoment);
    scene::DrawLevel(level, device, view.view, view.projection);
    device->EndScene();
}

}  // namespace

PreviewStatus RenderPreview(const conversion::PreviewRequest& request, std::string* error) {
    OffscreenDevice offscreen;
    if (!offscreen.Create(request.width, request.height, error)) return PreviewStatus::NoGraphics;
    IDirect3DDevice9* device = offscreen.Device();

    PreviewStatus status = PreviewStatus::Written;
    {
        // The level lets go of its buffers before the factory, which holds
        // the device, goes.
        scene::DeviceLevelVertexBufferFactory factory(device);
        LevelData level;
        level.SetBufferFactory(&factory);
        if (!LoadLevel(level, request, error)) return PreviewStatus::LevelUnusable;
        const bool solids = level.previewCount != 0;
        const auto bounds = solids ? BoundsOf(level.previewVertices.get(), level.previewCount)
                                   : BoundsOf(level.sourceVertices.get(), level.sourceCount);
        DrawFrame(device, level, FrameLevel(*bounds, request));
        if (!scene::SaveBackBufferPng(device, request.png, error)) status = PreviewStatus::PngUnwritten;
        level.Reset();
        level.SetBufferFactory(nullptr);
    }
    return status;
}

}  // namespace ondrel::preview
