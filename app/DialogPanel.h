#pragma once
// A GUI dialog as one of the scene's panels: the scene knows panels only
// through ScenePanel, so the GUI toolkit stays out of the scene's code.

#include "app/ScenePanel.h"
#include "gui/GuiDialog.h"

namespace ondrel::app {

class DialogPanel final : public ScenePanel {
public:
    explicit DialogPanel(gui::GuiDialog& dialog) : dialog_(dialog) {}

    bool HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void Render(float elapsedSeconds) override;
    void Place(int x, int y, int width, int height) override;

private:
    gui::GuiDialog& dialog_;
};

}  // namespace ondrel::app
