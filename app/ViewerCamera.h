#pragma once
// The viewer's one camera. It is made on first use, not before main: its
// constructor asks where the cursor is, and that must not start the window
// system while static objects are still being built.

#include "app/FlyCamera.h"

namespace ondrel::app {

FlyCamera& ViewerCamera();
// The next ViewerCamera() builds a fresh camera. For tests.
void ResetViewerCamera();

}  // namespace ondrel::app
