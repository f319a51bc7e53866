#include "app/DialogPanel.h"

namespace ondrel::app {

bool DialogPanel::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return dialog_.HandleMessage(window, message, wParam, lParam);
}

// A dialog that cannot draw this frame draws again next frame; there is
// nobody to tell in between.
void DialogPanel::Render(float elapsedSeconds) { (void)dialog_.Render(elapsedSeconds); }

void DialogPanel::Place(int x, int y, int width, int height) {
    dialog_.SetLocation(x, y);
    dialog_.SetSize(width, height);
}

}  // namespace ondrel::app
