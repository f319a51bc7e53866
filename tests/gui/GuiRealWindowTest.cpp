// A dialog in a real X window, clicked with xdotool as a person would.

#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <memory>
#include <string>

#include "tests/support/GlTestDevice.h"
#include "tests/support/TestWindow.h"
#include "tests/support/X11Session.h"
#include "gui/GuiButton.h"
#include "gui/GuiCheckBox.h"
#include "gui/GuiDialog.h"
#include "gui/GuiRadioButton.h"
#include "gui/GuiResourceManager.h"
#include "gui/GuiSharedState.h"
#include "platform/d3d9/D3D9.h"
#include "platform/win32/PlatformServices.h"
#include "tests/gui/GuiResourceHookup.h"

namespace ondrel::testing {
namespace {

int clicks = 0;
void CountClicks(UINT event, int /*id*/, gui::GuiControl* /*control*/) {
    if (event == gui::ButtonClicked) ++clicks;
}

class GuiRealWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HasDisplay()) GTEST_SKIP() << "no DISPLAY";
        platform::ResetPlatformServices();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
        static const bool glLoaded = SDL_GL_LoadLibrary(nullptr) == 0;
        ASSERT_TRUE(glLoaded);
        window_ = std::make_unique<TestWindow>();
        window_->handler = [this](UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
            if (dialog_ && dialog_->HandleMessage(window_->Handle(), message, wParam, lParam)) return 0;
            return std::nullopt;
        };
        ShowWindow(window_->Handle(), SW_SHOW);
        D3DPRESENT_PARAMETERS pp{};
        ASSERT_NO_FATAL_FAILURE(OpenWindowedGlDevice(window_->Handle(), d3d_, device_, pp));
        gui::ResetSharedGuiState();
        clicks = 0;
        dialog_ = std::make_unique<gui::GuiDialog>();
        dialog_->SetCallback(&CountClicks);
        dialog_->SetSize(300, 200);
        dialog_->SetBackgroundColours(0xFF304060);
        ASSERT_NO_FATAL_FAILURE(ConnectGuiResources(device_));
    }
    void TearDown() override {
        dialog_.reset();
        DisconnectGuiResources();
        gui::ResetSharedGuiState();
        if (device_ != nullptr) device_->Release();
        if (d3d_ != nullptr) d3d_->Release();
        window_.reset();
    }

    // Pumps and draws frames until done() or a timeout.
    bool RunUntil(const std::function<bool()>& done) {
        return PumpUntil([&] {
            device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
            device_->BeginScene();
            dialog_->Render(0.02f);
            device_->EndScene();
            device_->Present(nullptr, nullptr, nullptr, nullptr);
            return done();
        });
    }
    void DrawFrames(int frames) {
        int drawn = 0;
        RunUntil([&] { return ++drawn >= frames; });
    }
    bool ClickAt(int x, int y) {
        const std::string id = XWindowId(window_->Handle());
        return Xdotool("mousemove --window " + id + " " + std::to_string(x) + " " + std::to_string(y)) &&
               Xdotool("mousedown 1") && Xdotool("mouseup 1");
    }

    std::unique_ptr<TestWindow> window_;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
    std::unique_ptr<gui::GuiDialog> dialog_;
};

TEST_F(GuiRealWindowTest, ClickingButtonsCheckBoxesAndRadioButtonsWorks) {
    gui::GuiCheckBox* box = nullptr;
    gui::GuiRadioButton* first = nullptr;
    gui::GuiRadioButton* second = nullptr;
    dialog_->AddButton(1, u"Press me", 20, 20, 120, 32);
    dialog_->AddCheckBox(2, u"Tick", 20, 70, 120, 22, false, 0, false, &box);
    dialog_->AddRadioButton(3, 1, u"One", 20, 110, 120, 22, true, 0, false, &first);
    dialog_->AddRadioButton(4, 1, u"Two", 20, 140, 120, 22, false, 0, false, &second);
    DrawFrames(10);

    ASSERT_TRUE(ClickAt(80, 36));
    EXPECT_TRUE(RunUntil([] { return clicks == 1; })) << "the button was clicked";
    ASSERT_TRUE(ClickAt(30, 81));
    EXPECT_TRUE(RunUntil([&] { return box->checked; })) << "the check box is ticked";
    ASSERT_TRUE(ClickAt(60, 151));
    EXPECT_TRUE(RunUntil([&] { return second->checked && !first->checked; })) << "the other radio button took over";
    ASSERT_TRUE(ClickAt(30, 81));
    EXPECT_TRUE(RunUntil([&] { return !box->checked; })) << "a second click unticks";
    // Pressed on the button, released beside it: no click.
    const std::string id = XWindowId(window_->Handle());
    Xdotool("mousemove --window " + id + " 80 36");
    DrawFrames(5);
    Xdotool("mousedown 1");
    auto* button = static_cast<gui::GuiButton*>(dialog_->FindControl(1, gui::GuiControlType::Button));
    EXPECT_TRUE(RunUntil([&] { return button->pressed; }));
    Xdotool("mousemove --window " + id + " 250 180");
    DrawFrames(5);
    Xdotool("mouseup 1");
    EXPECT_TRUE(RunUntil([&] { return !button->pressed; }));
    DrawFrames(10);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace ondrel::testing
