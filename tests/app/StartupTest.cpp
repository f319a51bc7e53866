// How the viewer is started on a level: the level file among the program's
// arguments, and files dropped on the window, both through the same import
// as the button.

#include <gtest/gtest.h>

#include "PanelFixture.h"
#include "app/Application.h"
#include "app/AppPanels.h"
#include "app/SceneObjects.h"
#include "app/ViewerCamera.h"
#include "framework/FrameTimer.h"
#include "framework/FrameworkState.h"
#include "gui/GuiSharedState.h"
#include "platform/recording/RecordingWorld.h"
#include "platform/scripted/ScriptedPlatformServices.h"
#include "app/ViewerLevel.h"

namespace ondrel::testing {
namespace {

TEST(LevelFileArgument, IsTheFirstWordThatIsNotASwitch) {
    using app::LevelFileArgument;
    EXPECT_EQ(LevelFileArgument({}), std::nullopt);
    EXPECT_EQ(LevelFileArgument({u"-windowed", u"-width:800"}), std::nullopt);
    EXPECT_EQ(LevelFileArgument({u"-forceref", u"level.txt", u"other.txt"}), u"level.txt");
    // A Linux path starts with '/', like the framework's other switch form.
    EXPECT_EQ(LevelFileArgument({u"/Windowed", u"/home/user/level.bin"}), u"/home/user/level.bin");
    EXPECT_EQ(LevelFileArgument({u"/width:640", u"/heights/level.txt"}), std::nullopt)
        << "a path that starts with a switch's name is taken as the switch, as the framework does";
}

LRESULT ViewerWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    bool done = false;
    const LRESULT result = app::ApplicationMessage(window, message, wParam, lParam, &done);
    return done ? result : DefWindowProcW(window, message, wParam, lParam);
}

class DroppedFiles : public PanelFixture {
protected:
    void SetUp() override {
        PanelFixture::SetUp();
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ViewerWindowProcedure));
    }
    void Drop(const std::filesystem::path& path) {
        machine_->DropFile(window_, path.u16string());
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
};

TEST_F(DroppedFiles, AreImportedWithTheBinaryRuleOfTheDialog) {
    Drop(Sample("facility.txt"));
    const std::uint32_t fromText = app::ViewerLevel().sourceCount;
    ASSERT_GT(fromText, 0u);
    app::ViewerLevel().Reset();
    Drop(Sample("facility.bin"));
    EXPECT_EQ(app::ViewerLevel().sourceCount, fromText);
    EXPECT_EQ(MessageBoxCount(), 0u);
}

TEST_F(DroppedFiles, ThatCannotBeReadAreReported) {
    Drop(folder_.File("gone.txt"));
    ASSERT_EQ(MessageBoxCount(), 1u);
    EXPECT_EQ(machine_->MessageBoxes()[0].text, u"Unable to read the level file.");
}

// A close by the user ends the loop with the window gone but the device and
// the Direct3D object still held; the viewer lets go of both before it
// returns its exit code.
TEST(ViewerRun, AWindowClosedByTheUserLeavesNoDeviceObjectAlive) {
    platform::InstallScriptedPlatform();
    framework::ResetFrameworkState();
    framework::ResetGlobalTimer();
    gui::ResetSharedGuiState();
    app::ResetAppPanels();
    app::ResetScene();
    app::ResetViewerLevel();
    app::ResetViewerCamera();
    auto world = recording::RecordingWorld::Create();
    recording::ScopedRecordingBackend installed(world);

    PostQuitMessage(0);  // the close, waiting before the loop's first pass
    EXPECT_EQ(app::RunApplication(std::nullopt), 0);
    EXPECT_GT(world->CountCalls("IDirect3D9::CreateDevice"), 0u);
    EXPECT_EQ(world->LiveObjectsTotal(), 0) << "device objects outlived the viewer's run";

    app::ResetAppPanels();
    app::ResetScene();
    framework::ResetFrameworkState();
}

}  // namespace
}  // namespace ondrel::testing
