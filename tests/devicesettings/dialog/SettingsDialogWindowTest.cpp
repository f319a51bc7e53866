// The settings dialog in a real window on OpenGL, driven with xdotool as a
// person would: F2 opens it, a click on "Full Screen" and a resolution from
// the combo's list, OK changes the window, F2 and Cancel close it.

#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <string>

#include "devicesettings/dialog/ComboItems.h"
#include "devicesettings/dialog/SettingsDialog.h"
#include "framework/Framework.h"
#include "framework/FrameworkState.h"
#include "gui/GuiResourceManager.h"
#include "gui/GuiSharedState.h"
#include "platform/d3d9/GraphicsBackend.h"
#include "platform/opengl/OpenGlDirect3D.h"
#include "platform/win32/PlatformServices.h"
#include "tests/support/SourceTreeMedia.h"
#include "tests/support/X11Session.h"

namespace ondrel::testing {
namespace {

using namespace devicesettings;

class SettingsDialogWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HasDisplay()) GTEST_SKIP() << "no DISPLAY";
        platform::ResetPlatformServices();
        graphics::UseOpenGlBackend();
        graphics::ResetGraphicsBackend();
        framework::ResetFrameworkState();
        ResetSettingsDialog();
        gui::ResetSharedGuiState();
        gui::GetGlobalResourceManager().SetMediaFinder(&SourceTreeMedia);
        framework::SetResourceManager(&gui::GetGlobalResourceManager());
        framework::SetSettingsDialogMaker(&MakeSettingsDialog);
        ASSERT_EQ(framework::Init(false, true, false), S_OK);
        ASSERT_EQ(framework::CreateAppWindow(u"Ondrel test", nullptr, nullptr, nullptr, 50, 50), S_OK);
        ASSERT_EQ(framework::CreateDevice(0, true, 640, 480, nullptr, nullptr), S_OK);
        // The GL driver stays loaded to the end (besides SDL's video, kept up
        // by the program's test environment), so the leak report can name
        // what it keeps.
        static const bool glKept = SDL_GL_LoadLibrary(nullptr) == 0;
        ASSERT_TRUE(glKept);
        window_ = framework::GetCurrentWindow();
        ASSERT_TRUE(FocusWindow(window_, [] { return Frame(); }));
    }
    void TearDown() override {
        framework::Shutdown();
        framework::ResetFrameworkState();
        ResetSettingsDialog();
        ResetDeviceEnumeration();
        gui::ResetGlobalResourceManager();
        gui::ResetSharedGuiState();
    }

    // One pass of the main loop's idle branch.
    static bool Frame() {
        framework::RenderFrame();
        return true;
    }
    bool RunUntil(const std::function<bool()>& done, int timeoutMs = 8000) {
        return PumpUntil([&] { return Frame() && done(); }, timeoutMs);
    }
    void RunFrames(int frames) {
        int drawn = 0;
        RunUntil([&] { return ++drawn >= frames; });
    }
    bool Key(const std::string& key) { return Xdotool("key --window " + XWindowId(window_) + " " + key); }
    bool ClickAt(int x, int y) {
        return Xdotool("mousemove --window " + XWindowId(window_) + " " + std::to_string(x) + " " +
                       std::to_string(y)) &&
               Xdotool("mousedown 1") && Xdotool("mouseup 1");
    }
    bool ClickCentre(const RECT& rect) { return ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2); }
    gui::GuiControl& Control(int id) { return *GetSettingsDialog().Dialog().FindControl(id); }
    gui::GuiComboBox& Box(int id) { return static_cast<gui::GuiComboBox&>(Control(id)); }

    HWND window_ = nullptr;
};

TEST_F(SettingsDialogWindowTest, F2OpensFullScreenResolutionAndOkChangeTheWindowCancelCloses) {
    ASSERT_TRUE(Key("F2"));
    ASSERT_TRUE(RunUntil([] { return framework::IsSettingsDialogShown(); })) << "F2 opens the dialog";
    RunFrames(5);

    ASSERT_TRUE(ClickAt(250, 155));
    ASSERT_TRUE(RunUntil([] { return !GetSettingsDialog().Working().presentParameters.Windowed; }))
        << "the Full Screen radio button was clicked";
    ASSERT_TRUE(RunUntil([&] { return Control(kResolution).IsEnabled(); }));

    // Open the resolution list and pick the first shown size other than the window's 640 x 480.
    gui::GuiComboBox& resolutions = Box(kResolution);
    ASSERT_GT(resolutions.ItemCount(), 0);
    ASSERT_TRUE(ClickAt(350, 216));
    ASSERT_TRUE(RunUntil([&] { return resolutions.opened && resolutions.ItemAt(0)->visible; }));
    int pick = -1;
    for (int i = 0; i < resolutions.ItemCount() && pick < 0; ++i) {
        const bool windowSize = ItemValue(resolutions.ItemAt(i)->data) == PackResolution(640, 480);
        if (resolutions.ItemAt(i)->visible && !windowSize) pick = i;
    }
    ASSERT_GE(pick, 0) << "the display offers a size other than the window's";
    ASSERT_TRUE(ClickCentre(resolutions.ItemAt(pick)->activeRect));
    ASSERT_TRUE(RunUntil([&] { return !resolutions.opened && resolutions.selected == pick; }));
    const UINT wanted = ItemValue(resolutions.ItemAt(pick)->data);
    const UINT wantedWidth = wanted & 0xFFFFu;
    const UINT wantedHeight = wanted >> 16;
    EXPECT_EQ(GetSettingsDialog().Working().presentParameters.BackBufferWidth, wantedWidth);

    ASSERT_TRUE(ClickAt(266, 450));
    ASSERT_TRUE(RunUntil([] { return !framework::IsSettingsDialogShown(); })) << "OK closes the dialog";
    const framework::DeviceSettings applied = framework::GetDeviceSettings();
    EXPECT_FALSE(applied.presentParameters.Windowed);
    EXPECT_EQ(applied.presentParameters.BackBufferWidth, wantedWidth);
    EXPECT_EQ(applied.presentParameters.BackBufferHeight, wantedHeight);
    RECT client{};
    EXPECT_TRUE(RunUntil([&] {
        GetClientRect(window_, &client);
        return client.right - client.left == static_cast<LONG>(wantedWidth) &&
               client.bottom - client.top == static_cast<LONG>(wantedHeight);
    })) << "the window took the chosen size: " << client.right << " x " << client.bottom;

    // Open again and Cancel: the device stays as OK left it.
    ASSERT_TRUE(Key("F2"));
    ASSERT_TRUE(RunUntil([] { return framework::IsSettingsDialogShown(); }));
    RunFrames(5);
    ASSERT_TRUE(ClickAt(350, 450));
    ASSERT_TRUE(RunUntil([] { return !framework::IsSettingsDialogShown(); })) << "Cancel closes the dialog";
    EXPECT_EQ(framework::GetDeviceSettings().presentParameters.BackBufferWidth, wantedWidth);
}

}  // namespace
}  // namespace ondrel::testing
