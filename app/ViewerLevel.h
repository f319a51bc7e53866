#pragma once
// The viewer's one level: imported by the control panel, drawn by the scene,
// emptied when the device goes.

#include "level/LevelData.h"

namespace ondrel::app {

LevelData& ViewerLevel();
// The next ViewerLevel() starts from an empty level. For tests.
void ResetViewerLevel();

}  // namespace ondrel::app
