#include "app/FlyCamera.h"

#include <algorithm>
#include <cmath>

#include "framework/Framework.h"
#include "framework/FrameTimer.h"

namespace ondrel::app {
namespace {
constexpr float kHalfPi = 1.57079632679489661923f;
}  // namespace

float FlyCamera::FrameStep(float elapsedSeconds) {
    if (!framework::GetGlobalTimer().Stopped()) {
        return elapsedSeconds;
    }
    // No rate has been measured yet (or a broken one): standing still beats
    // dividing by zero and flying off to infinity.
    const float framesPerSecond = framework::GetFps();
    if (!(framesPerSecond > 0.0f) || !std::isfinite(framesPerSecond)) {
        return 0.0f;
    }
    return 1.0f / framesPerSecond;
}

void FlyCamera::Advance(float elapsedSeconds) {
    const float step = FrameStep(elapsedSeconds);
    if (IsHeld(CameraAction::ResetView)) {
        ResetToDefaultView();
    }
    const bool dragging = (buttonMask_ & activeButtonMask_) != 0;
    if (dragging) {
        UpdateMouseLook();
    }
    UpdateMotion(step);
    const GFXVECTOR3 localDelta = velocity_ * step;
    if (dragging) {
        Turn();
    }
    Move(localDelta);
}

// Rotation is a per-frame step from the mouse movement, not scaled by time.
// Yaw is left to grow; pitch stops at straight up and straight down.
void FlyCamera::Turn() {
    yaw_ += rotationVelocity_.x;
    pitch_ += rotationVelocity_.y;
    pitch_ = std::clamp(pitch_, -kHalfPi, kHalfPi);
}

void FlyCamera::Move(const GFXVECTOR3& localDelta) {
    GFXMATRIX rotation;
    GfxMatrixRotationYawPitchRoll(&rotation, yaw_, pitch_, 0.0f);
    const GFXVECTOR3 localUp{0.0f, 1.0f, 0.0f};
    const GFXVECTOR3 localAhead{0.0f, 0.0f, 1.0f};
    GFXVECTOR3 worldUp;
    GFXVECTOR3 worldAhead;
    GFXVECTOR3 worldDelta;
    GfxVec3TransformCoord(&worldUp, &localUp, &rotation);
    GfxVec3TransformCoord(&worldAhead, &localAhead, &rotation);
    GfxVec3TransformCoord(&worldDelta, &localDelta, &rotation);
    eye_ += worldDelta;
    lookAt_ = eye_ + worldAhead;
    GfxMatrixLookAtLH(&view_, &eye_, &lookAt_, &worldUp);
}

}  // namespace ondrel::app
