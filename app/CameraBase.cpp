#include "app/CameraBase.h"

#include <cmath>

namespace ondrel::app {
namespace {

constexpr float kQuarterPi = 0.785398163f;  // 0x3F490FDB
const GFXVECTOR3 kWorldUp{0.0f, 1.0f, 0.0f};

bool InDragArea(const RECT& area, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    return area.left <= x && x < area.right && area.top <= y && y < area.bottom;
}

}  // namespace

CameraBase::CameraBase() : fieldOfView_(kQuarterPi) {
    GfxMatrixLookAtLH(&view_, &eye_, &lookAt_, &kWorldUp);
    GfxMatrixPerspectiveFovLH(&projection_, kQuarterPi, 1.0f, 1.0f, 1000.0f);
    GetCursorPos(&lastMousePosition_);
}

bool CameraBase::IsHeld(CameraAction action) const {
    const auto index = static_cast<int>(action);
    return index < kCameraActionCount && (keys_[index] & kKeyHeld) != 0;
}

bool CameraBase::OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            PressKey(static_cast<UINT>(wParam));
            return false;
        case WM_KEYUP:
            ReleaseKey(static_cast<UINT>(wParam));
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            PressButton(window, lParam, leftButtonHeld_, kLeftButton);
            return true;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            PressButton(window, lParam, middleButtonHeld_, kMiddleButton);
            return true;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            PressButton(window, lParam, rightButtonHeld_, kRightButton);
            return true;
        case WM_LBUTTONUP:
            ReleaseButton(leftButtonHeld_, kLeftButton);
            return false;
        case WM_MBUTTONUP:
            ReleaseButton(middleButtonHeld_, kMiddleButton);
            return false;
        case WM_RBUTTONUP:
            ReleaseButton(rightButtonHeld_, kRightButton);
            return false;
        default:
            return false;
    }
}

void CameraBase::PressKey(UINT virtualKey) {
    const CameraAction action = KeyToAction(virtualKey);
    if (action != CameraAction::NoAction && !IsHeld(action)) {
        keys_[static_cast<int>(action)] |= kKeyHeld;
    }
}

void CameraBase::ReleaseKey(UINT virtualKey) {
    const CameraAction action = KeyToAction(virtualKey);
    if (action != CameraAction::NoAction) {
        keys_[static_cast<int>(action)] &= static_cast<std::uint8_t>(~kKeyHeld);
    }
}

// A press outside the drag area still captures the mouse and restarts the
// movement measurement; it just does not turn the camera.
void CameraBase::PressButton(HWND window, LPARAM lParam, bool& held, int bit) {
    if (InDragArea(dragArea_, lParam)) {
        held = true;
        buttonMask_ |= bit;
    }
    SetCapture(window);
    GetCursorPos(&lastMousePosition_);
}

void CameraBase::ReleaseButton(bool& held, int bit) {
    held = false;
    buttonMask_ &= ~bit;
    if (!leftButtonHeld_ && !middleButtonHeld_ && !rightButtonHeld_) {
        ReleaseCapture();
    }
}

void CameraBase::ResetToDefaultView() {
    // Copies, because SetView overwrites the defaults it is given.
    const GFXVECTOR3 eye = defaultEye_;
    const GFXVECTOR3 lookAt = defaultLookAt_;
    SetView(&eye, &lookAt);
}

void CameraBase::SetView(const GFXVECTOR3* eye, const GFXVECTOR3* lookAt) {
    if (eye == nullptr || lookAt == nullptr) {
        return;
    }
    defaultEye_ = eye_ = *eye;
    defaultLookAt_ = lookAt_ = *lookAt;
    GfxMatrixLookAtLH(&view_, &eye_, &lookAt_, &kWorldUp);

    // The inverse view's third row is the camera's forward axis in the
    // world. A degenerate view (eye on the look-at point) cannot be
    // inverted; the identity then stands in and the camera looks along +z.
    GFXMATRIX inverse;
    GfxMatrixIdentity(&inverse);
    GfxMatrixInverse(&inverse, nullptr, &view_);
    const float x = inverse._31;
    const float y = inverse._32;
    const float z = inverse._33;
    yaw_ = std::atan2(x, z);
    pitch_ = -std::atan2(y, std::sqrt(x * x + z * z));
}

void CameraBase::SetProjection(float fieldOfView, float aspect, float nearPlane, float farPlane) {
    fieldOfView_ = fieldOfView;
    aspect_ = aspect;
    nearPlane_ = nearPlane;
    farPlane_ = farPlane;
    GfxMatrixPerspectiveFovLH(&projection_, fieldOfView, aspect, nearPlane, farPlane);
}

void CameraBase::SetDragArea(const RECT& area) { dragArea_ = area; }

CameraAction CameraBase::KeyToAction(UINT virtualKey) { return CameraActionForKey(virtualKey); }

void CameraBase::UpdateMouseLook() {
    POINT now = lastMousePosition_;
    GetCursorPos(&now);
    const int deltaX = now.x - lastMousePosition_.x;
    const int deltaY = now.y - lastMousePosition_.y;
    lastMousePosition_ = now;

    const float newShare = 1.0f / framesToSmoothMouseData_;
    const float oldShare = 1.0f - newShare;
    smoothedMouseDelta_.x = static_cast<float>(deltaX) * newShare + smoothedMouseDelta_.x * oldShare;
    smoothedMouseDelta_.y = static_cast<float>(deltaY) * newShare + smoothedMouseDelta_.y * oldShare;
    rotationVelocity_.x = smoothedMouseDelta_.x * rotationScaler_;
    rotationVelocity_.y = smoothedMouseDelta_.y * rotationScaler_;
}

void CameraBase::UpdateMotion(float /*elapsedSeconds*/) {
    GFXVECTOR3 acceleration{0.0f, 0.0f, 0.0f};
    if (IsHeld(CameraAction::MoveForward)) acceleration.z += 1.0f;
    if (IsHeld(CameraAction::MoveBackward)) acceleration.z -= 1.0f;
    if (IsHeld(CameraAction::MoveUp)) acceleration.y += 1.0f;
    if (IsHeld(CameraAction::MoveDown)) acceleration.y -= 1.0f;
    if (IsHeld(CameraAction::StrafeRight)) acceleration.x += 1.0f;
    if (IsHeld(CameraAction::StrafeLeft)) acceleration.x -= 1.0f;
    // Normalising keeps diagonals as fast as straight lines; opposite keys
    // leave a zero vector, which stays zero.
    GfxVec3Normalize(&acceleration, &acceleration);
    velocity_ = acceleration * moveScaler_;
}

}  // namespace ondrel::app
