#pragma once
// What the scene asks of each of its two on-screen panels: take window
// messages first, draw over the level, and move where the back buffer's
// size puts them. The panels themselves live with the program's entry.

#include "platform/win32/Windows.h"

namespace ondrel::app {

class ScenePanel {
public:
    virtual ~ScenePanel() = default;
    // True when the panel used the message; the camera then never sees it.
    virtual bool HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    virtual void Render(float elapsedSeconds) = 0;
    virtual void Place(int x, int y, int width, int height) = 0;
};

// The panels in the order they get messages and are drawn. Not owned;
// either may be absent.
struct ScenePanels {
    ScenePanel* devicePanel = nullptr;
    ScenePanel* controlPanel = nullptr;
};

ScenePanels& Panels();
// Forgets both panels. For tests.
void ResetPanels();

// Where the panels go for a back buffer of width x height: the device panel
// at the top right, the control panel at the bottom right.
void PlacePanels(const ScenePanels& panels, int width, int height);

}  // namespace ondrel::app
