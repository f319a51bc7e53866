#pragma once
// What a held key asks of the camera. The values index the camera's key
// state, so they are fixed.

#include <cstdint>

#include "platform/win32/Windows.h"

namespace ondrel::app {

enum class CameraAction : std::uint8_t {
    StrafeLeft = 0,
    StrafeRight = 1,
    MoveForward = 2,
    MoveBackward = 3,
    MoveUp = 4,
    MoveDown = 5,
    ResetView = 6,
    NoAction = 255,
};

inline constexpr int kCameraActionCount = 7;

// Arrows, WASD-style letters and the numeric keypad all steer; Home resets.
CameraAction CameraActionForKey(UINT virtualKey);

}  // namespace ondrel::app
