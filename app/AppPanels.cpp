#include "app/AppPanels.h"

#include <memory>

#include "app/DialogPanel.h"
#include "app/ScenePanel.h"

namespace ondrel::app {
namespace {

struct PanelPair {
    gui::GuiDialog devicePanel;
    gui::GuiDialog controlPanel;
    DialogPanel deviceSide{devicePanel};
    DialogPanel controlSide{controlPanel};
};

std::unique_ptr<PanelPair>& Slot() {
    static std::unique_ptr<PanelPair> panels;
    return panels;
}

// Made on first use, not during static initialisation: a dialog's default
// elements ask the GUI toolkit's shared state, which must not come up
// before main.
PanelPair& Pair() {
    if (!Slot()) Slot() = std::make_unique<PanelPair>();
    return *Slot();
}

}  // namespace

gui::GuiDialog& DevicePanel() { return Pair().devicePanel; }

gui::GuiDialog& ControlPanel() { return Pair().controlPanel; }

void ShowPanelsInScene() { Panels() = ScenePanels{&Pair().deviceSide, &Pair().controlSide}; }

void ResetAppPanels() {
    ResetPanels();
    Slot().reset();
}

}  // namespace ondrel::app
