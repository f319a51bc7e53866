#include "app/SceneMessages.h"

#include "app/ScenePanel.h"
#include "app/ViewerCamera.h"

namespace ondrel::app {
namespace {

bool OfferTo(ScenePanel* panel, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
             bool* noFurtherProcessing) {
    if (panel == nullptr) {
        return false;
    }
    const bool handled = panel->HandleMessage(window, message, wParam, lParam);
    if (noFurtherProcessing != nullptr) {
        *noFurtherProcessing = handled;
    }
    return handled;
}

}  // namespace

LRESULT WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool* noFurtherProcessing) {
    const ScenePanels& panels = Panels();
    if (OfferTo(panels.devicePanel, window, message, wParam, lParam, noFurtherProcessing) ||
        OfferTo(panels.controlPanel, window, message, wParam, lParam, noFurtherProcessing)) {
        return 0;
    }
    ViewerCamera().OnWindowMessage(window, message, wParam, lParam);
    return 0;
}

}  // namespace ondrel::app
