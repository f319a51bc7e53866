#pragma once
// The viewer's free-flying camera: any mouse button held turns it, the
// movement keys move it along its own axes (pitch included), Home puts it
// back to the view it was last given.

#include "app/CameraBase.h"

namespace ondrel::app {

class FlyCamera : public CameraBase {
public:
    FlyCamera() = default;

    void Advance(float elapsedSeconds) override;

    int ActiveButtonMask() const { return activeButtonMask_; }

private:
    // While time is paused the framework's elapsed time is 0; one frame at
    // the current rate stands in so the camera still moves.
    static float FrameStep(float elapsedSeconds);
    void Turn();
    void Move(const GFXVECTOR3& localDelta);

    int activeButtonMask_ = kLeftButton | kMiddleButton | kRightButton;
};

}  // namespace ondrel::app
