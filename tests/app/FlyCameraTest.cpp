// The fly camera against scripted input: keys and buttons arrive as window
// messages, the cursor moves on the scripted machine, time comes from the
// framework's state.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "app/FlyCamera.h"
#include "framework/FrameTimer.h"
#include "framework/FrameworkState.h"
#include "platform/scripted/ScriptedPlatformServices.h"

namespace ondrel::testing {
namespace {

using app::CameraAction;
using app::FlyCamera;

constexpr float kHalfPi = 1.57079632679489661923f;
constexpr char16_t kClassName[] = u"CameraTestWindow";

class FlyCameraTest : public ::testing::Test {
protected:
    void SetUp() override {
        machine_ = &platform::InstallScriptedPlatform();
        framework::ResetFrameworkState();
        framework::ResetGlobalTimer();
        framework::GetGlobalTimer().Reset();  // running, as after the framework's Init
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.lpszClassName = kClassName;
        RegisterClassExW(&windowClass);
        window_ = CreateWindowExW(0, kClassName, u"camera", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                  nullptr, nullptr);
        machine_->SetCursorPosition(POINT{500, 400});
        camera_ = std::make_unique<FlyCamera>();
        const GFXVECTOR3 eye{0.0f, 0.0f, -15.0f};
        const GFXVECTOR3 origin{0.0f, 0.0f, 0.0f};
        camera_->SetView(&eye, &origin);
    }
    void TearDown() override {
        camera_.reset();
        DestroyWindow(window_);
        UnregisterClassW(kClassName, nullptr);
        framework::ResetFrameworkState();
        framework::ResetGlobalTimer();
        platform::ResetPlatformServices();
    }

    void Key(UINT message, int virtualKey) { camera_->OnWindowMessage(window_, message, virtualKey, 0); }
    bool Button(UINT message, int x = 10, int y = 10) {
        return camera_->OnWindowMessage(window_, message, 0,
                                        MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    }
    void MoveCursorBy(int dx, int dy) {
        POINT p{};
        GetCursorPos(&p);
        machine_->SetCursorPosition(POINT{p.x + dx, p.y + dy});
    }
    float Travelled(const GFXVECTOR3& from) const {
        const GFXVECTOR3 d = camera_->Eye() - from;
        return GfxVec3Length(&d);
    }

    platform::ScriptedPlatformServices* machine_ = nullptr;
    HWND window_ = nullptr;
    std::unique_ptr<FlyCamera> camera_;
};

TEST_F(FlyCameraTest, EveryListedKeyDrivesItsActionAndOthersDoNothing) {
    struct Row {
        CameraAction action;
        int keys[3];
    };
    const Row rows[] = {
        {CameraAction::StrafeLeft, {37, 65, 100}},  {CameraAction::StrafeRight, {39, 68, 102}},
        {CameraAction::MoveForward, {38, 87, 104}}, {CameraAction::MoveBackward, {40, 83, 98}},
        {CameraAction::MoveUp, {33, 69, 105}},      {CameraAction::MoveDown, {34, 81, 99}},
    };
    for (const Row& row : rows) {
        for (int key : row.keys) {
            EXPECT_EQ(camera_->KeyToAction(key), row.action) << "key " << key;
        }
    }
    EXPECT_EQ(camera_->KeyToAction(36), CameraAction::ResetView);
    for (int key : {0, int{'Z'}, int{'X'}, 101, 103, 35, 45, 0x70}) {
        EXPECT_EQ(camera_->KeyToAction(key), CameraAction::NoAction) << "key " << key;
    }
    // Two keys of one action share one held bit: the first release ends it.
    Key(WM_KEYDOWN, 'W');
    Key(WM_KEYDOWN, VK_UP);
    Key(WM_KEYUP, VK_NUMPAD8);
    EXPECT_FALSE(camera_->IsHeld(CameraAction::MoveForward));
}

TEST_F(FlyCameraTest, OppositeKeysCancelAndDiagonalsAreNoFasterThanStraightLines) {
    const GFXVECTOR3 start = camera_->Eye();
    Key(WM_KEYDOWN, 'W');
    Key(WM_KEYDOWN, 'S');
    camera_->Advance(0.5f);
    EXPECT_EQ(camera_->Eye(), start);
    EXPECT_EQ(Travelled(start), 0.0f);

    Key(WM_KEYUP, 'S');
    Key(WM_KEYDOWN, 'D');
    camera_->Advance(0.1f);
    // 50 units a second along (1, 0, 1) / sqrt 2 for a tenth of a second.
    EXPECT_NEAR(Travelled(start), 5.0f, 1e-4f);
    EXPECT_NEAR(camera_->Eye().x, 5.0f / std::sqrt(2.0f), 1e-4f);
    EXPECT_NEAR(camera_->Eye().z, -15.0f + 5.0f / std::sqrt(2.0f), 1e-4f);
    EXPECT_NEAR(GfxVec3Length(&camera_->Velocity()), 50.0f, 1e-4f);

    // All six at once cancel too.
    for (int key : {int{'A'}, int{'E'}, int{'Q'}}) Key(WM_KEYDOWN, key);
    Key(WM_KEYDOWN, 'S');
    const GFXVECTOR3 before = camera_->Eye();
    camera_->Advance(1.0f);
    EXPECT_EQ(camera_->Eye(), before);
}

TEST_F(FlyCameraTest, MouseDragTurnsByHalfTheSmoothedMovementAndPitchStopsAtStraightDown) {
    EXPECT_TRUE(Button(WM_LBUTTONDOWN));
    MoveCursorBy(10, 0);
    camera_->Advance(0.0f);
    // The first frame takes half of the 10 pixels, at 0.01 radians a pixel.
    EXPECT_NEAR(camera_->Yaw(), 0.05f, 1e-6f);
    camera_->Advance(0.0f);
    // No new movement: half of what was left still turns.
    EXPECT_NEAR(camera_->Yaw(), 0.075f, 1e-6f);

    for (int frame = 0; frame < 50; ++frame) {
        MoveCursorBy(200, 300);
        camera_->Advance(0.0f);
    }
    EXPECT_EQ(camera_->Pitch(), kHalfPi);
    EXPECT_GT(camera_->Yaw(), 20.0f) << "yaw is never wrapped";
    for (int frame = 0; frame < 50; ++frame) {
        MoveCursorBy(0, -300);
        camera_->Advance(0.0f);
    }
    EXPECT_EQ(camera_->Pitch(), -kHalfPi);
    // Whatever the drag, the view stays a proper rotation and translation.
    float determinant = 0.0f;
    GFXMATRIX inverse;
    EXPECT_NE(GfxMatrixInverse(&inverse, &determinant, &camera_->ViewMatrix()), nullptr);
    EXPECT_NEAR(determinant, 1.0f, 1e-3f);
}

TEST_F(FlyCameraTest, ButtonsCaptureTheMouseUntilTheLastOneIsReleased) {
    // A press outside the drag area captures but does not turn the camera.
    camera_->SetDragArea(RECT{0, 0, 100, 100});
    EXPECT_TRUE(Button(WM_RBUTTONDOWN, 150, 10));
    EXPECT_EQ(GetCapture(), window_);
    EXPECT_EQ(camera_->ButtonMask(), 0);
    MoveCursorBy(40, 0);
    camera_->Advance(0.0f);
    EXPECT_EQ(camera_->Yaw(), 0.0f);

    EXPECT_TRUE(Button(WM_LBUTTONDBLCLK, 99, 99));
    EXPECT_TRUE(Button(WM_MBUTTONDOWN, 0, 0));
    EXPECT_EQ(camera_->ButtonMask(), app::kLeftButton | app::kMiddleButton);
    EXPECT_FALSE(Button(WM_LBUTTONUP));
    EXPECT_EQ(GetCapture(), window_) << "the middle button is still down";
    EXPECT_FALSE(Button(WM_MBUTTONUP));
    EXPECT_EQ(camera_->ButtonMask(), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(machine_->MouseCaptured());
    // Negative client coordinates are read as signed 16-bit values.
    camera_->SetDragArea(RECT{-50, -50, 0, 0});
    EXPECT_TRUE(Button(WM_LBUTTONDOWN, -10, -20));
    EXPECT_EQ(camera_->ButtonMask(), app::kLeftButton);
}

TEST_F(FlyCameraTest, ForwardFollowsPitchAndHomeReturnsToTheLastGivenView) {
    Button(WM_LBUTTONDOWN);
    for (int frame = 0; frame < 20; ++frame) {
        MoveCursorBy(0, 400);  // look straight down
        camera_->Advance(0.0f);
    }
    Button(WM_LBUTTONUP);
    Key(WM_KEYDOWN, 'W');
    camera_->Advance(1.0f);
    EXPECT_NEAR(camera_->Eye().y, -50.0f, 1e-3f) << "forward while looking down descends";
    Key(WM_KEYUP, 'W');

    Key(WM_KEYDOWN, VK_HOME);
    camera_->Advance(0.016f);
    EXPECT_EQ(camera_->Eye(), GFXVECTOR3(0.0f, 0.0f, -15.0f));
    EXPECT_EQ(camera_->LookAt(), GFXVECTOR3(0.0f, 0.0f, -14.0f));
    EXPECT_EQ(camera_->Yaw(), 0.0f);
    EXPECT_EQ(camera_->Pitch(), 0.0f);
}

TEST_F(FlyCameraTest, SetViewDerivesYawAndPitchAndIgnoresNullOrDegenerateInput) {
    const GFXVECTOR3 eye{1.0f, 2.0f, 3.0f};
    const GFXVECTOR3 ahead{2.0f, 2.0f + std::sqrt(2.0f), 4.0f};  // 45 degrees right, 45 up
    camera_->SetView(&eye, &ahead);
    EXPECT_NEAR(camera_->Yaw(), kHalfPi / 2, 1e-5f);
    EXPECT_NEAR(camera_->Pitch(), -kHalfPi / 2, 1e-5f);

    camera_->SetView(nullptr, &ahead);
    camera_->SetView(&eye, nullptr);
    EXPECT_EQ(camera_->Eye(), eye);

    camera_->SetView(&eye, &eye);
    EXPECT_TRUE(std::isfinite(camera_->Yaw()));
    EXPECT_TRUE(std::isfinite(camera_->Pitch()));
    // Home goes back to whatever SetView was given last, degenerate or not.
    Key(WM_KEYDOWN, VK_HOME);
    camera_->Advance(0.0f);
    EXPECT_EQ(camera_->Eye(), eye);
}

TEST_F(FlyCameraTest, PausedTimeMovesOneFrameAtTheMeasuredRateAndStandsStillWithoutOne) {
    auto& state = framework::State();
    framework::GetGlobalTimer().Stop();
    state.Set(&framework::StateFields::framesPerSecond, 20.0f);
    Key(WM_KEYDOWN, 'W');
    const GFXVECTOR3 start = camera_->Eye();
    camera_->Advance(0.0f);
    EXPECT_NEAR(Travelled(start), 50.0f / 20.0f, 1e-4f);

    state.Set(&framework::StateFields::framesPerSecond, 0.0f);
    const GFXVECTOR3 before = camera_->Eye();
    camera_->Advance(0.0f);
    EXPECT_EQ(camera_->Eye(), before);
    EXPECT_TRUE(std::isfinite(camera_->ViewMatrix()._41 + camera_->ViewMatrix()._43));

    // Running time uses the framework's elapsed time as it is.
    framework::GetGlobalTimer().Start();
    camera_->Advance(0.2f);
    EXPECT_NEAR(Travelled(before), 10.0f, 1e-4f);
}

TEST_F(FlyCameraTest, StartsWithItsDefaultsAndADragCountsFromThePress) {
    machine_->SetCursorPosition(POINT{100, 100});
    FlyCamera fresh;
    EXPECT_EQ(fresh.Yaw(), 0.0f);
    EXPECT_EQ(fresh.Eye(), GFXVECTOR3(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(fresh.LookAt(), GFXVECTOR3(0.0f, 0.0f, 1.0f));
    GFXMATRIX projection;
    GfxMatrixPerspectiveFovLH(&projection, 0.785398163f, 1.0f, 1.0f, 1000.0f);
    EXPECT_EQ(fresh.ProjectionMatrix(), projection);
    // A key press is no button press. The drag counts from where the button
    // went down, not from where the cursor was at construction.
    EXPECT_FALSE(fresh.OnWindowMessage(window_, WM_KEYDOWN, 'W', 0));
    machine_->SetCursorPosition(POINT{130, 100});
    fresh.OnWindowMessage(window_, WM_LBUTTONDOWN, 0, 0);
    machine_->SetCursorPosition(POINT{140, 100});
    fresh.Advance(0.0f);
    EXPECT_NEAR(fresh.Yaw(), 0.05f, 1e-6f);
}

}  // namespace
}  // namespace ondrel::testing
