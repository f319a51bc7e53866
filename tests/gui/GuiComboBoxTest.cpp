// The combo box: items and selection, keys, wheel, hotkey and the mouse on
// the control and in its drop-down list.

#include "GuiControlsFixture.h"
#include "gui/GuiComboBox.h"

#include <string>

namespace ondrel::testing {
namespace {

using gui::GuiComboBox;
constexpr int kCombo = 3;
const SeenEvent kChanged{gui::ComboBoxSelectionChanged, kCombo};

int data[8];

class GuiComboBoxTest : public GuiControlsTest {
protected:
    void SetUp() override {
        GuiControlsTest::SetUp();
        ASSERT_EQ(dialog_->AddComboBox(kCombo, 10, 10, 200, 30, 'K', false, &combo_), S_OK);
    }
    void Fill(int count) {
        for (int i = 0; i < count; ++i) {
            const std::u16string text = u"Item " + std::u16string(1, static_cast<char16_t>(u'0' + i));
            ASSERT_EQ(combo_->AppendItem(text.c_str(), &data[i]), S_OK);
        }
        TakeEvents();
    }
    // The middle of item i's row in the list as last drawn.
    POINT ItemPoint(int i) {
        const RECT& r = combo_->ItemAt(i)->activeRect;
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    GuiComboBox* combo_ = nullptr;
};

TEST_F(GuiComboBoxTest, ItemsSelectionAndLookUps) {
    EXPECT_EQ(combo_->SelectedData(), nullptr);
    EXPECT_EQ(combo_->AppendItem(nullptr, nullptr), E_INVALIDARG);
    dialog_->EnableProgrammaticEvents(true);
    Fill(3);
    ASSERT_EQ(combo_->AppendItem(u"Item 1", &data[5]), S_OK);
    // Only the first item selected itself, and said so.
    EXPECT_EQ(combo_->selected, 0);
    EXPECT_EQ(combo_->SelectedData(), &data[0]);
    EXPECT_EQ(combo_->IndexOfText(u"Item 1"), 1);
    EXPECT_EQ(combo_->IndexOfText(u"Item 1", 2), 3);
    EXPECT_EQ(combo_->IndexOfText(u"item 1"), -1);
    EXPECT_EQ(combo_->IndexOfText(u"Item 1", 9), -1);
    EXPECT_FALSE(combo_->HasItem(nullptr));

    EXPECT_EQ(combo_->SelectByData(&data[2]), S_OK);
    EXPECT_EQ(combo_->selected, 2);
    EXPECT_EQ(combo_->focused, 2);
    EXPECT_EQ(TakeEvents(), std::vector<SeenEvent>{kChanged});
    EXPECT_EQ(combo_->SelectByData(&data[7]), E_FAIL);
    EXPECT_EQ(combo_->selected, 2);

    const std::u16string longText(300, u'L');
    ASSERT_EQ(combo_->AppendItem(longText.c_str(), nullptr), S_OK);
    EXPECT_EQ(std::u16string(combo_->ItemAt(4)->text).size(), 255u);

    combo_->ClearItems();
    EXPECT_EQ(combo_->ItemCount(), 0);
    EXPECT_EQ(combo_->selected, -1);
    EXPECT_EQ(combo_->SelectedData(), nullptr);
}

TEST_F(GuiComboBoxTest, KeysMoveTheSelectionAndTheOpenListReportsOnClosing) {
    Fill(3);
    dialog_->EnableKeyboardInput(true);
    gui::GuiDialog::GiveFocus(combo_);

    // At the first item Up is still the box's key, not the dialog's.
    Press(VK_UP);
    EXPECT_TRUE(LastMessageConsumed());
    Release(VK_UP);
    EXPECT_EQ(combo_->selected, 0);
    EXPECT_EQ(gui::GuiDialog::FocusedControl(), combo_);
    EXPECT_TRUE(TakeEvents().empty());
    Tap(VK_DOWN);
    Tap(VK_RIGHT);
    Tap(VK_DOWN);
    EXPECT_EQ(combo_->selected, 2);
    EXPECT_EQ(TakeEvents(), (std::vector<SeenEvent>{kChanged, kChanged}));

    Press(VK_RETURN);
    EXPECT_FALSE(LastMessageConsumed());
    Release(VK_RETURN);

    Tap(VK_F4);
    EXPECT_TRUE(combo_->opened);
    // A held F4 repeating does not close it again.
    script_->PostInput(Window(), WM_KEYDOWN, VK_F4, LPARAM{1} << 30);
    Pump();
    EXPECT_TRUE(combo_->opened);
    Tap(VK_LEFT);
    EXPECT_EQ(combo_->focused, 1);
    EXPECT_TRUE(TakeEvents().empty());
    Tap(VK_RETURN);
    EXPECT_FALSE(combo_->opened);
    EXPECT_EQ(combo_->selected, 1);
    EXPECT_EQ(gui::GuiDialog::FocusedControl(), combo_);

    Tap(VK_F4);
    Tap(VK_F4);
    EXPECT_FALSE(combo_->opened);
    EXPECT_EQ(TakeEvents(), std::vector<SeenEvent>{kChanged});
}

TEST_F(GuiComboBoxTest, TheWheelStepsAClosedBoxAndScrollsAnOpenList) {
    Fill(8);
    script_->MoveMouse(Window(), 100, 25);
    Wheel(-1);
    EXPECT_EQ(combo_->selected, 1);
    EXPECT_EQ(TakeEvents(), std::vector<SeenEvent>{kChanged});
    Wheel(1);
    Wheel(1);
    EXPECT_EQ(combo_->selected, 0);
    EXPECT_EQ(TakeEvents(), std::vector<SeenEvent>{kChanged});

    Click(100, 25);
    ASSERT_TRUE(combo_->opened);
    ASSERT_GT(combo_->scrollBar.PageSize(), 1);
    ASSERT_LT(combo_->scrollBar.PageSize(), 8);
    Wheel(-1);
    EXPECT_EQ(combo_->scrollBar.TrackPosition(), 8 - combo_->scrollBar.PageSize());
    EXPECT_EQ(combo_->selected, 0);
    Wheel(1);
    EXPECT_EQ(combo_->scrollBar.TrackPosition(), 0);
}

TEST_F(GuiComboBoxTest, TheHotkeyFiresOnReleaseAndWrapsToTheFirstItem) {
    Fill(3);
    combo_->SelectByData(&data[2]);
    Press('K');
    EXPECT_EQ(combo_->selected, 2);
    Release('K');
    EXPECT_EQ(combo_->selected, 0);
    EXPECT_EQ(combo_->focused, 0);
    EXPECT_EQ(TakeEvents(), std::vector<SeenEvent>{kChanged});
    combo_->ClearItems();
    Tap('K');
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(GuiComboBoxTest, ClickingOpensPicksAnItemAndClickingElsewhereCancels) {
    Fill(5);
    Click(100, 25);
    ASSERT_TRUE(combo_->opened);
    EXPECT_EQ(gui::GuiDialog::FocusedControl(), combo_);
    EXPECT_FALSE(script_->MouseCaptured());
    RenderFrame();
    ASSERT_TRUE(combo_->ItemAt(3)->visible);
    const POINT third = ItemPoint(3);
    script_->MoveMouse(Window(), third.x, third.y);
    Pump();
    EXPECT_EQ(combo_->focused, 3);
    EXPECT_EQ(combo_->selected, 0);
    Click(third.x, third.y);
    EXPECT_FALSE(combo_->opened);
    EXPECT_EQ(combo_->selected, 3);
    EXPECT_EQ(TakeEvents(), std::vector<SeenEvent>{kChanged});
    // Keyboard input is off, so the box lets the focus go after a choice.
    EXPECT_EQ(gui::GuiDialog::FocusedControl(), nullptr);

    Click(100, 25);
    RenderFrame();
    const POINT first = ItemPoint(1);
    script_->MoveMouse(Window(), first.x, first.y);
    Click(380, 280);
    EXPECT_FALSE(combo_->opened);
    EXPECT_EQ(combo_->selected, 3);
    EXPECT_EQ(combo_->focused, 3);
}

}  // namespace
}  // namespace ondrel::testing
