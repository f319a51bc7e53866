// The device lifecycle against the recording machine: who is told what and
// in which order, failures with their exit codes and messages, and nothing
// left alive after shutdown.
#include <gtest/gtest.h>

#include "framework/FrameworkErrors.h"
#include "tests/framework/LifecycleFixture.h"

namespace ondrel::testing {
namespace {

using Log = std::vector<std::string>;

TEST_F(LifecycleTest, FirstDeviceIsWindowedOnTheDesktopFormatAndEveryoneIsToldInOrder) {
    ASSERT_EQ(Start(), S_OK);
    EXPECT_EQ(StepLog::entries, (Log{"Manager.Create", "DeviceCreated", "Manager.Reset", "DeviceReset"}));

    const framework::DeviceSettings settings = Current();
    EXPECT_EQ(settings.adapterOrdinal, 0u);
    EXPECT_EQ(settings.deviceType, D3DDEVTYPE_HAL);
    EXPECT_EQ(settings.adapterFormat, D3DFMT_X8R8G8B8);
    EXPECT_EQ(settings.behaviorFlags, static_cast<DWORD>(D3DCREATE_HARDWARE_VERTEXPROCESSING));
    const D3DPRESENT_PARAMETERS& pp = settings.presentParameters;
    EXPECT_TRUE(pp.Windowed);
    EXPECT_EQ(pp.BackBufferWidth, 640u);
    EXPECT_EQ(pp.BackBufferHeight, 480u);
    EXPECT_EQ(pp.BackBufferFormat, D3DFMT_X8R8G8B8);
    EXPECT_EQ(pp.BackBufferCount, 2u);
    EXPECT_EQ(pp.SwapEffect, D3DSWAPEFFECT_DISCARD);
    EXPECT_TRUE(pp.EnableAutoDepthStencil);
    EXPECT_EQ(pp.AutoDepthStencilFormat, D3DFMT_D32) << "32 depth bits suit an 8-bit back buffer best";
    EXPECT_EQ(pp.Flags, static_cast<DWORD>(D3DPRESENTFLAG_DISCARD_DEPTHSTENCIL));
    EXPECT_EQ(pp.PresentationInterval, D3DPRESENT_INTERVAL_IMMEDIATE);
    EXPECT_EQ(pp.hDeviceWindow, framework::GetCurrentWindow());

    framework::FrameworkState& state = framework::State();
    EXPECT_TRUE(state.Get(&framework::StateFields::deviceCreated));
    EXPECT_TRUE(state.Get(&framework::StateFields::deviceObjectsReset));
    EXPECT_EQ(state.Get(&framework::StateFields::adapterMonitor), world_->Catalogue().adapters[0].monitor);
    EXPECT_EQ(framework::GetBackBufferSurfaceDesc().Width, 640u);
    EXPECT_FALSE(framework::IsRenderingPaused()) << "the change's pause is over";
    EXPECT_EQ(framework::GetExitCode(), 0);
    EXPECT_TRUE(platform_->MessageBoxes().empty());
}

TEST_F(LifecycleTest, ASizeChangeResetsTheDeviceAndALostResetIsLeftToTheFrameLoop) {
    ASSERT_EQ(Start(), S_OK);
    StepLog::entries.clear();
    framework::DeviceSettings bigger = Current();
    bigger.presentParameters.BackBufferWidth = 800;
    bigger.presentParameters.BackBufferHeight = 600;
    ASSERT_EQ(framework::ChangeDevice(&bigger, nullptr, false), S_OK);
    EXPECT_EQ(StepLog::entries, (Log{"Manager.Lost", "DeviceLost", "Manager.Reset", "DeviceReset"}));
    EXPECT_EQ(world_->CountCalls("IDirect3D9::CreateDevice"), 1u) << "reset, not re-created";
    EXPECT_EQ(world_->CountCalls("IDirect3DDevice9::Reset"), 1u);
    EXPECT_EQ(framework::GetBackBufferSurfaceDesc().Width, 800u);

    StepLog::entries.clear();
    world_->FailCall("IDirect3DDevice9::Reset", D3DERR_DEVICELOST, 1);
    bigger.presentParameters.BackBufferWidth = 900;
    EXPECT_EQ(framework::ChangeDevice(&bigger, nullptr, false), S_OK);
    EXPECT_TRUE(framework::State().Get(&framework::StateFields::deviceLost));
    EXPECT_EQ(StepLog::entries, (Log{"Manager.Lost", "DeviceLost"}));
    EXPECT_FALSE(framework::IsRenderingPaused());
    EXPECT_FALSE(framework::State().Get(&framework::StateFields::ignoreSizeChange))
        << "a lost device must not leave the window deaf to resizes";

    // Recovery as the frame loop does it, once the system allows.
    StepLog::entries.clear();
    world_->AllowReset();
    ASSERT_EQ(framework::ResetEnvironment(), S_OK);
    EXPECT_EQ(StepLog::entries, (Log{"Manager.Reset", "DeviceReset"})) << "no second DeviceLost";
    EXPECT_EQ(framework::GetBackBufferSurfaceDesc().Width, 900u);
}

TEST_F(LifecycleTest, AResetFailingForAnotherReasonRecreatesTheDeviceFromScratch) {
    ASSERT_EQ(Start(), S_OK);
    StepLog::entries.clear();
    world_->FailCall("IDirect3DDevice9::Reset", D3DERR_INVALIDCALL, 1);
    framework::DeviceSettings bigger = Current();
    bigger.presentParameters.BackBufferWidth = 800;
    ASSERT_EQ(framework::ChangeDevice(&bigger, nullptr, false), S_OK);
    EXPECT_EQ(world_->CountCalls("IDirect3D9::CreateDevice"), 2u);
    EXPECT_EQ(StepLog::entries, (Log{"Manager.Lost", "DeviceLost", "Manager.Lost", "Manager.Destroy",
                                     "Manager.Lost", "DeviceLost", "DeviceDestroyed", "Manager.Create",
                                     "DeviceCreated", "Manager.Reset", "DeviceReset"}));
    EXPECT_EQ(Presented().BackBufferWidth, 800u);
    EXPECT_EQ(world_->LiveObjects(graphics::ObjectKind::Device), 1);
}

TEST_F(LifecycleTest, AFailingDeviceCreatedStillLosesAndDestroysAndEndsWithExitCodeEight) {
    StepLog::deviceCreatedResult = E_FAIL;
    EXPECT_EQ(Start(), framework::CreatingDeviceObjects);
    EXPECT_EQ(StepLog::entries, (Log{"Manager.Create", "DeviceCreated", "Manager.Lost", "Manager.Destroy",
                                     "Manager.Lost", "DeviceLost", "DeviceDestroyed"}));
    EXPECT_EQ(framework::GetExitCode(), 8);
    ASSERT_EQ(platform_->MessageBoxes().size(), 1u);
    EXPECT_EQ(platform_->MessageBoxes()[0].text, u"Failed creating Direct3D device objects.");
    EXPECT_EQ(platform_->MessageBoxes()[0].caption, u"Lifecycle");
    EXPECT_EQ(platform_->MessageBoxes()[0].type, static_cast<UINT>(MB_ICONERROR | MB_OK));
    EXPECT_EQ(framework::GetDevice(), nullptr);
    EXPECT_EQ(framework::State().Get(&framework::StateFields::currentSettings), nullptr) << "settings released";
    EXPECT_EQ(world_->LiveObjects(graphics::ObjectKind::Device), 0);
    EXPECT_FALSE(framework::IsRenderingPaused());
}

TEST_F(LifecycleTest, MissingMediaKeepsItsOwnCodeAndMessage) {
    StepLog::managerCreateResult = framework::MediaNotFound;
    EXPECT_EQ(Start(), framework::MediaNotFound);
    EXPECT_EQ(framework::GetExitCode(), 4);
    EXPECT_EQ(MessageTexts(),
              std::vector<std::u16string>{u"Could not find required media. Ensure that the program is correctly installed."});
}

TEST_F(LifecycleTest, ShutdownLeavesNothingAliveAndALeakIsReportedWithExitCodeFive) {
    ASSERT_EQ(Start(), S_OK);
    IDirect3DTexture9* leaked = nullptr;
    ASSERT_EQ(framework::GetDevice()->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &leaked, nullptr),
              D3D_OK);
    framework::Shutdown();
    EXPECT_EQ(framework::GetExitCode(), 5);
    EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{u"The D3D device has a non-zero reference count, meaning "
                                                          u"some objects were not released."});
    EXPECT_EQ(framework::GetDirect3D(), nullptr);
    EXPECT_FALSE(devicesettings::DeviceEnumerationExists()) << "the catalogue let go of Direct3D too";
    leaked->Release();
    EXPECT_EQ(world_->LiveObjectsTotal(), 0);
}

TEST_F(LifecycleTest, ErrorsWithoutMessageBoxesStillSetTheExitCode) {
    framework::State().Set(&framework::StateFields::showMessageBoxesOnError, false);
    framework::ShowError(framework::ResettingDevice);
    EXPECT_EQ(framework::GetExitCode(), 7);
    framework::ShowError(E_FAIL);
    EXPECT_EQ(framework::GetExitCode(), 1);
    EXPECT_TRUE(platform_->MessageBoxes().empty());

    framework::State().Set(&framework::StateFields::showMessageBoxesOnError, true);
    framework::ShowError(E_OUTOFMEMORY);
    EXPECT_TRUE(platform_->MessageBoxes().empty()) << "codes outside the table have no message";
    framework::ShowError(framework::NoCompatibleDevices);
    ASSERT_EQ(platform_->MessageBoxes().size(), 1u);
    EXPECT_EQ(platform_->MessageBoxes()[0].caption, u"DirectX Application") << "no window title yet";
    EXPECT_EQ(platform_->MessageBoxes()[0].text, u"Could not find any compatible Direct3D devices.");
}

TEST_F(LifecycleTest, FullScreenToggleGoesBothWaysByResettingTheDevice) {
    ASSERT_EQ(Start(), S_OK);
    ASSERT_EQ(framework::ToggleFullScreen(), S_OK);
    EXPECT_FALSE(Presented().Windowed);
    EXPECT_EQ(Presented().BackBufferWidth, 1280u) << "the desktop's size when none was remembered";
    EXPECT_EQ(Presented().BackBufferHeight, 1024u);
    EXPECT_EQ(Presented().FullScreen_RefreshRateInHz, 60u);

    ASSERT_EQ(framework::ToggleFullScreen(), S_OK);
    EXPECT_TRUE(Presented().Windowed);
    EXPECT_EQ(Presented().BackBufferWidth, 640u) << "the remembered window size";
    EXPECT_EQ(world_->CountCalls("IDirect3D9::CreateDevice"), 1u);
    EXPECT_FALSE(framework::IsRenderingPaused());
}

// Windows only on the reference device, full screen only on the hardware
// device, so the toggle has to make a new device.
bool ReferenceWindowedHardwareFullScreen(const D3DCAPS9* caps, D3DFORMAT, D3DFORMAT, bool windowed) {
    return windowed == (caps->DeviceType == D3DDEVTYPE_REF);
}

TEST_F(LifecycleTest, AFullScreenDeviceThatCannotBeMadeFallsBackToTheWindowAndThenEnds) {
    AddReferenceDevice();
    StepLog::accept = &ReferenceWindowedHardwareFullScreen;
    ASSERT_EQ(Start(true, 700, 500), S_OK);

    world_->FailCall("IDirect3D9::CreateDevice", D3DERR_NOTAVAILABLE, 1);
    EXPECT_EQ(framework::ToggleFullScreen(), D3DERR_NOTAVAILABLE);
    EXPECT_TRUE(Presented().Windowed);
    EXPECT_EQ(Current().deviceType, D3DDEVTYPE_REF);
    EXPECT_EQ(Presented().BackBufferWidth, 700u) << "the previous window size";
    EXPECT_NE(framework::GetDevice(), nullptr);
    EXPECT_FALSE(framework::IsRenderingPaused());

    world_->FailCall("IDirect3D9::CreateDevice", D3DERR_NOTAVAILABLE, 2);
    EXPECT_EQ(framework::ToggleFullScreen(), D3DERR_NOTAVAILABLE);
    EXPECT_EQ(framework::GetDevice(), nullptr);
    EXPECT_EQ(framework::GetDirect3D(), nullptr) << "the program ends";
    EXPECT_EQ(framework::GetExitCode(), 6);
    EXPECT_EQ(MessageTexts().back(), u"Failed creating the Direct3D device.");
}

TEST_F(LifecycleTest, ReferenceToggleSwitchesTheDeviceTypeAndBack) {
    AddReferenceDevice();
    ASSERT_EQ(Start(), S_OK);
    ASSERT_EQ(framework::ToggleReference(), S_OK);
    EXPECT_EQ(Current().deviceType, D3DDEVTYPE_REF);
    EXPECT_TRUE(platform_->MessageBoxes().empty()) << "the notice is for a first device only";
    ASSERT_EQ(framework::ToggleReference(), S_OK);
    EXPECT_EQ(Current().deviceType, D3DDEVTYPE_HAL);
    EXPECT_EQ(world_->LiveObjects(graphics::ObjectKind::Device), 1);
}

}  // namespace
}  // namespace ondrel::testing
