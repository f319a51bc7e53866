#include "app/SceneFrame.h"

#include "scene/DrawLevel.h"
#include "app/OverlayText.h"
#include "scene/SceneLighting.h"
#include "app/ScenePanel.h"
#include "app/ViewerCamera.h"
#include "app/ViewerLevel.h"
#include "platform/win32/Windows.h"

namespace ondrel::app {

// The light follows the wall clock rather than the framework's time, so it
// keeps swaying while time is paused.
void FrameMove(IDirect3DDevice9* device, double /*time*/, float elapsedSeconds) {
    scene::ApplySceneLighting(device, timeGetTime());
    ViewerCamera().Advance(elapsedSeconds);
}

void FrameRender(IDirect3DDevice9* device, double time, float elapsedSeconds) {
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, scene::kSceneClearColour, 1.0f, 0);
    if (FAILED(device->BeginScene())) {
        return;
    }
    const FlyCamera& camera = ViewerCamera();
    scene::DrawLevel(ViewerLevel(), device, camera.ViewMatrix(), camera.ProjectionMatrix());
    const ScenePanels& panels = Panels();
    if (panels.devicePanel != nullptr) {
        panels.devicePanel->Render(elapsedSeconds);
    }
    if (panels.controlPanel != nullptr) {
        panels.controlPanel->Render(elapsedSeconds);
    }
    RenderOverlayText(time);
    device->EndScene();
}

}  // namespace ondrel::app
