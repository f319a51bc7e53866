// The scroll bar's arithmetic (positions, thumb) and its arrow auto-repeat
// on the framework's clock.

#include "GuiControlsFixture.h"
#include "gui/GuiScrollBar.h"

namespace ondrel::testing {
namespace {

using gui::GuiArrowState;
using gui::GuiScrollBar;

class GuiScrollBarTest : public GuiControlsTest {
protected:
    void SetUp() override {
        GuiControlsTest::SetUp();
        bar_ = std::make_unique<GuiScrollBar>(dialog_.get());
        ASSERT_EQ(dialog_->PrepareControl(bar_.get()), S_OK);
        bar_->SetLocation(0, 0);
        bar_->SetSize(16, 116);  // 16-pixel arrows, an 84-pixel track
        bar_->SetRange(0, 10);
        bar_->SetPageSize(4);
    }
    void TearDown() override {
        gui::ThumbDrag() = {};
        bar_.reset();
        GuiControlsTest::TearDown();
    }
    bool Mouse(UINT message, int x, int y) { return bar_->HandleMouse(message, POINT{x, y}, 0, 0); }
    // The bar alone, as its combo box draws it.
    void RenderBar(float elapsed = 0.016f) {
        ASSERT_EQ(device_->BeginScene(), D3D_OK);
        bar_->Render(device_, elapsed);
        device_->EndScene();
    }
    int ThumbHeight() const { return bar_->thumb.bottom - bar_->thumb.top; }
    std::unique_ptr<GuiScrollBar> bar_;
};

TEST_F(GuiScrollBarTest, ScrollIntoViewAndClampingKeepThePageInsideTheRange) {
    bar_->ScrollIntoView(7);
    EXPECT_EQ(bar_->position, 4);
    bar_->ScrollIntoView(2);
    EXPECT_EQ(bar_->position, 2);
    bar_->ScrollIntoView(3);
    EXPECT_EQ(bar_->position, 2);
    bar_->ScrollIntoView(99);
    EXPECT_EQ(bar_->position, 6);

    bar_->Scroll(10);
    EXPECT_EQ(bar_->position, 6);
    bar_->Scroll(-10);
    EXPECT_EQ(bar_->position, 0);
    bar_->Scroll(5);
    // Shrinking the range pulls the position back; a page that holds
    // everything puts it at the start.
    bar_->SetRange(0, 7);
    EXPECT_EQ(bar_->position, 3);
    bar_->SetPageSize(7);
    EXPECT_EQ(bar_->position, 0);
}

TEST_F(GuiScrollBarTest, ThumbIsProportionalNeverBelowEightPixelsAndHiddenWhenAllFits) {
    EXPECT_TRUE(bar_->showThumb);
    EXPECT_EQ(ThumbHeight(), 84 * 4 / 10);
    EXPECT_EQ(bar_->thumb.top, bar_->track.top);
    bar_->Scroll(6);
    EXPECT_EQ(bar_->thumb.bottom, bar_->track.bottom);

    bar_->SetRange(0, 1000);
    EXPECT_EQ(ThumbHeight(), GuiScrollBar::kMinimumThumbHeight);

    bar_->SetRange(0, 4);
    EXPECT_FALSE(bar_->showThumb);
    EXPECT_EQ(ThumbHeight(), 0);
    // With nothing to scroll the bar fades to its disabled look.
    for (int frame = 0; frame < 30; ++frame) RenderBar(0.1f);
    const gui::GuiElement* track = bar_->GetElement(0);
    EXPECT_EQ(gui::D3DColourFrom(track->textureColour.current), track->textureColour.states[gui::StateDisabled]);
}

TEST_F(GuiScrollBarTest, HeldArrowRepeatsAfterADelayOnlyWhileThePointerStaysOnIt) {
    SetFrameworkTime(10.0);
    const int downY = 110;
    EXPECT_TRUE(Mouse(WM_LBUTTONDOWN, 8, downY));
    EXPECT_EQ(bar_->position, 1);
    EXPECT_EQ(bar_->arrowState, GuiArrowState::ClickedDown);

    SetFrameworkTime(10.30);
    RenderBar();
    EXPECT_EQ(bar_->position, 1);
    SetFrameworkTime(10.34);
    RenderBar();
    EXPECT_EQ(bar_->position, 2);
    EXPECT_EQ(bar_->arrowState, GuiArrowState::HeldDown);
    SetFrameworkTime(10.38);
    RenderBar();
    EXPECT_EQ(bar_->position, 2);
    SetFrameworkTime(10.40);
    RenderBar();
    EXPECT_EQ(bar_->position, 3);

    // Off the arrow it waits; back on it carries on.
    Mouse(WM_MOUSEMOVE, 8, 50);
    SetFrameworkTime(11.0);
    RenderBar();
    EXPECT_EQ(bar_->position, 3);
    Mouse(WM_MOUSEMOVE, 8, downY);
    RenderBar();
    EXPECT_EQ(bar_->position, 4);

    EXPECT_FALSE(Mouse(WM_LBUTTONUP, 8, downY));
    EXPECT_EQ(bar_->arrowState, GuiArrowState::Clear);
    SetFrameworkTime(12.0);
    RenderBar();
    EXPECT_EQ(bar_->position, 4);

    // Up, down to the start; pressing at the start changes nothing.
    SetFrameworkTime(20.0);
    Mouse(WM_LBUTTONDOWN, 8, 4);
    for (int step = 1; step <= 10; ++step) {
        SetFrameworkTime(20.0 + 0.34 * step);
        RenderBar();
    }
    EXPECT_EQ(bar_->position, 0);
    Mouse(WM_LBUTTONUP, 8, 4);
}

TEST_F(GuiScrollBarTest, TrackClicksPageAndTheDraggedThumbLandsOnTheNearestPosition) {
    EXPECT_TRUE(Mouse(WM_LBUTTONDOWN, 8, bar_->thumb.bottom + 5));
    EXPECT_EQ(bar_->position, 3);
    Mouse(WM_LBUTTONUP, 8, 0);
    EXPECT_TRUE(Mouse(WM_LBUTTONDOWN, 8, bar_->thumb.top - 2));
    EXPECT_EQ(bar_->position, 0);
    Mouse(WM_LBUTTONUP, 8, 0);
    EXPECT_FALSE(Mouse(WM_LBUTTONDOWN, 40, 50));

    // Grab the thumb 3 pixels below its top; the travel is 84 - 33 = 51
    // pixels over 6 positions, 8.5 pixels each.
    const int grab = bar_->thumb.top + 3;
    EXPECT_TRUE(Mouse(WM_LBUTTONDOWN, 8, grab));
    EXPECT_TRUE(Mouse(WM_MOUSEMOVE, 8, grab + 12));  // 1.4 positions
    EXPECT_EQ(bar_->position, 1);
    EXPECT_TRUE(Mouse(WM_MOUSEMOVE, 8, grab + 13));  // 1.5 positions rounds up
    EXPECT_EQ(bar_->position, 2);
    EXPECT_TRUE(Mouse(WM_MOUSEMOVE, 8, grab + 500));
    EXPECT_EQ(bar_->position, 6);
    EXPECT_EQ(bar_->thumb.bottom, bar_->track.bottom);
    Mouse(WM_LBUTTONUP, 8, grab + 500);
    EXPECT_FALSE(Mouse(WM_MOUSEMOVE, 8, grab));
    EXPECT_EQ(bar_->position, 6);
}

}  // namespace
}  // namespace ondrel::testing
