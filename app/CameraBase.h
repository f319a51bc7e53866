#pragma once
// Everything a camera needs except its per-frame update: the view and
// projection it is drawn with, the key and mouse-button state it gathers
// from window messages, the smoothed mouse movement and the scalers that
// turn input into motion. A derived camera supplies Advance.

#include <cstdint>

#include "app/CameraAction.h"
#include "gfxutil/GfxMath.h"
#include "platform/win32/Windows.h"

namespace ondrel::app {

inline constexpr std::uint8_t kKeyHeld = 0x01;
inline constexpr int kLeftButton = 1;
inline constexpr int kMiddleButton = 2;
inline constexpr int kRightButton = 4;

class CameraBase {
public:
    virtual ~CameraBase() = default;
    CameraBase(const CameraBase&) = delete;
    CameraBase& operator=(const CameraBase&) = delete;

    // Turns key and mouse-button messages into held state. True for a
    // button press, false for everything else.
    virtual bool OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual void Advance(float elapsedSeconds) = 0;
    virtual void ResetToDefaultView();
    // Both become the default view as well. Null pointers are ignored.
    virtual void SetView(const GFXVECTOR3* eye, const GFXVECTOR3* lookAt);
    virtual void SetProjection(float fieldOfView, float aspect, float nearPlane, float farPlane);
    virtual void SetDragArea(const RECT& area);
    virtual CameraAction KeyToAction(UINT virtualKey);

    const GFXMATRIX& ViewMatrix() const { return view_; }
    const GFXMATRIX& ProjectionMatrix() const { return projection_; }
    const GFXVECTOR3& Eye() const { return eye_; }
    const GFXVECTOR3& LookAt() const { return lookAt_; }
    float Yaw() const { return yaw_; }
    float Pitch() const { return pitch_; }
    const GFXVECTOR3& Velocity() const { return velocity_; }
    int ButtonMask() const { return buttonMask_; }
    bool IsHeld(CameraAction action) const;

protected:
    // Remembers where the cursor is now, so the first drag starts from there.
    CameraBase();

    void UpdateMouseLook();
    void UpdateMotion(float elapsedSeconds);

    GFXMATRIX view_;
    GFXMATRIX projection_;
    std::uint8_t keys_[kCameraActionCount] = {};
    POINT lastMousePosition_{0, 0};
    bool leftButtonHeld_ = false;
    bool middleButtonHeld_ = false;
    bool rightButtonHeld_ = false;
    int buttonMask_ = 0;
    GFXVECTOR2 smoothedMouseDelta_{0.0f, 0.0f};
    float framesToSmoothMouseData_ = 2.0f;
    GFXVECTOR3 defaultEye_{0.0f, 0.0f, 0.0f};
    GFXVECTOR3 defaultLookAt_{0.0f, 0.0f, 1.0f};
    GFXVECTOR3 eye_{0.0f, 0.0f, 0.0f};
    GFXVECTOR3 lookAt_{0.0f, 0.0f, 1.0f};
    float yaw_ = 0.0f;
    float pitch_ = 0.0f;
    RECT dragArea_{-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647};
    GFXVECTOR3 velocity_{0.0f, 0.0f, 0.0f};
    GFXVECTOR2 rotationVelocity_{0.0f, 0.0f};
    float fieldOfView_ = 0.0f;
    float aspect_ = 1.0f;
    float nearPlane_ = 1.0f;
    float farPlane_ = 1000.0f;
    float rotationScaler_ = 0.01f;
    float moveScaler_ = 50.0f;

private:
    void PressKey(UINT virtualKey);
    void ReleaseKey(UINT virtualKey);
    void PressButton(HWND window, LPARAM lParam, bool& held, int bit);
    void ReleaseButton(bool& held, int bit);
};

}  // namespace ondrel::app
