#include "app/ScenePanel.h"

namespace ondrel::app {
namespace {
constexpr int kPanelWidth = 170;
constexpr int kDevicePanelHeight = 170;
constexpr int kControlPanelHeight = 300;

ScenePanels& Slot() {
    static ScenePanels panels;
    return panels;
}
}  // namespace

ScenePanels& Panels() { return Slot(); }

void ResetPanels() { Slot() = ScenePanels{}; }

void PlacePanels(const ScenePanels& panels, int width, int height) {
    if (panels.devicePanel != nullptr) {
        panels.devicePanel->Place(width - kPanelWidth, 0, kPanelWidth, kDevicePanelHeight);
    }
    if (panels.controlPanel != nullptr) {
        panels.controlPanel->Place(width - kPanelWidth, height - kControlPanelHeight, kPanelWidth,
                                   kControlPanelHeight);
    }
}

}  // namespace ondrel::app
