#include "app/CameraAction.h"

namespace ondrel::app {

CameraAction CameraActionForKey(UINT virtualKey) {
    switch (static_cast<int>(virtualKey)) {
        case VK_LEFT:
        case 'A':
        case VK_NUMPAD4:
            return CameraAction::StrafeLeft;
        case VK_RIGHT:
        case 'D':
        case VK_NUMPAD6:
            return CameraAction::StrafeRight;
        case VK_UP:
        case 'W':
        case VK_NUMPAD8:
            return CameraAction::MoveForward;
        case VK_DOWN:
        case 'S':
        case VK_NUMPAD2:
            return CameraAction::MoveBackward;
        case VK_PRIOR:
        case 'E':
        case VK_NUMPAD9:
            return CameraAction::MoveUp;
        case VK_NEXT:
        case 'Q':
        case VK_NUMPAD3:
            return CameraAction::MoveDown;
        case VK_HOME:
            return CameraAction::ResetView;
        default:
            return CameraAction::NoAction;
    }
}

}  // namespace ondrel::app
