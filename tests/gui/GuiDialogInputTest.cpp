// Scripted message sequences against one dialog: focus, hotkeys, the
// caption, and what the simple controls report.

#include <new>

#include "GuiTestSupport.h"
#include "gui/GuiButton.h"
#include "gui/GuiCheckBox.h"
#include "gui/GuiRadioButton.h"
#include "gui/GuiSharedState.h"
#include "gui/GuiStatic.h"

namespace ondrel::testing {
namespace {

using gui::GuiDialog;

// Stands in for the edit box: it takes the focus and, like the real one,
// lets no hotkey through while it has it.
class FocusableEditBox : public gui::GuiControl {
public:
    explicit FocusableEditBox(GuiDialog* owner) : GuiControl(owner) { type = gui::GuiControlType::EditBox; }
    bool CanTakeFocus() override { return visible && enabled; }
};

class DialogInputTest : public GuiRecordingTest {
protected:
    gui::GuiButton* AddButton(int id, int x, bool isDefault = false, UINT hotkey = 0) {
        gui::GuiButton* button = nullptr;
        EXPECT_EQ(dialog_->AddButton(id, u"Go", x, 10, 50, 20, hotkey, isDefault, &button), S_OK);
        return button;
    }
};

TEST_F(DialogInputTest, TabAndArrowsCycleThroughFocusableControlsOnly) {
    dialog_->EnableKeyboardInput(true);
    gui::GuiButton* first = AddButton(1, 0);
    gui::GuiButton* disabled = AddButton(2, 60, true);
    gui::GuiButton* hidden = AddButton(3, 120);
    dialog_->AddStatic(4, u"label", 180, 10, 50, 20);
    gui::GuiButton* last = AddButton(5, 240);
    gui::GuiButton* defaultButton = AddButton(6, 300, true);
    disabled->SetEnabled(false);
    hidden->SetVisible(false);

    EXPECT_FALSE(KeyDown(VK_RIGHT)) << "arrows do nothing without a focus";
    EXPECT_EQ(GuiDialog::FocusedControl(), nullptr);

    // The first default control is disabled; Tab still goes to "the first
    // control marked default", and a control that cannot take the focus
    // does not get it.
    EXPECT_TRUE(KeyDown(VK_TAB));
    EXPECT_EQ(GuiDialog::FocusedControl(), nullptr);
    disabled->isDefault = false;
    EXPECT_TRUE(KeyDown(VK_TAB));
    EXPECT_EQ(GuiDialog::FocusedControl(), defaultButton);
    EXPECT_TRUE(defaultButton->hasFocus);

    EXPECT_TRUE(KeyDown(VK_TAB));
    EXPECT_EQ(GuiDialog::FocusedControl(), first) << "wraps round from the last control";
    EXPECT_FALSE(defaultButton->hasFocus);
    EXPECT_TRUE(KeyDown(VK_TAB));
    EXPECT_EQ(GuiDialog::FocusedControl(), last) << "skips disabled, hidden and static controls";

    platform_->SetAsyncKeyDown(VK_SHIFT, true);
    EXPECT_TRUE(KeyDown(VK_TAB));
    EXPECT_EQ(GuiDialog::FocusedControl(), first);
    platform_->SetAsyncKeyDown(VK_SHIFT, false);
    EXPECT_TRUE(KeyDown(VK_UP));
    EXPECT_EQ(GuiDialog::FocusedControl(), defaultButton);
    EXPECT_TRUE(KeyDown(VK_DOWN));
    EXPECT_EQ(GuiDialog::FocusedControl(), first);
}

TEST_F(DialogInputTest, WithoutKeyboardInputTabIsNotConsumedAndRefreshTakesNoDefault) {
    AddButton(1, 0, true);
    EXPECT_FALSE(KeyDown(VK_TAB));
    dialog_->Refresh();
    EXPECT_EQ(GuiDialog::FocusedControl(), nullptr);
    dialog_->EnableKeyboardInput(true);
    dialog_->Refresh();
    ASSERT_NE(GuiDialog::FocusedControl(), nullptr);
    EXPECT_EQ(GuiDialog::FocusedControl()->id, 1);
}

TEST_F(DialogInputTest, HotkeysFireOnReleaseOnlyAndNeverPastAFocusedEditBox) {
    gui::GuiButton* button = AddButton(7, 0, false, 'X');
    EXPECT_FALSE(KeyDown('X'));
    EXPECT_TRUE(EventLog().empty());
    EXPECT_TRUE(KeyUp('X'));
    EXPECT_EQ(EventLog(), (std::vector<LoggedEvent>{{gui::ButtonClicked, 7}}));
    EXPECT_FALSE(KeyUp('Y'));

    button->SetEnabled(false);
    EXPECT_FALSE(KeyUp('X')) << "a disabled button ignores its hotkey";
    button->SetEnabled(true);

    auto* edit = new FocusableEditBox(dialog_.get());
    ASSERT_EQ(dialog_->AdoptControl(edit), S_OK);
    GuiDialog::PlaceControl(edit, 8, 0, 50, 100, 20, false);
    GuiDialog::GiveFocus(edit);
    EXPECT_FALSE(KeyUp('X'));
    EXPECT_EQ(EventLog().size(), 1u);
}

TEST_F(DialogInputTest, ClickingTheCaptionMinimizesAndAMinimizedDialogPassesEverythingOn) {
    dialog_->SetLocation(10, 20);
    dialog_->SetSize(200, 100);
    dialog_->EnableCaption(true);
    AddButton(1, 0);  // on screen at (10..60, 48..68): below the 18-pixel caption

    EXPECT_TRUE(Press(50, 25));
    EXPECT_TRUE(gui::SharedGuiState().captionDrag);
    EXPECT_TRUE(Release(50, 37));
    EXPECT_TRUE(dialog_->IsMinimized());
    EXPECT_FALSE(gui::SharedGuiState().captionDrag);

    EXPECT_FALSE(Press(20, 50));
    EXPECT_FALSE(Release(20, 50));
    EXPECT_FALSE(KeyDown(VK_TAB));
    EXPECT_TRUE(EventLog().empty()) << "no control is reached while minimized";

    Click(209, 20);
    EXPECT_FALSE(dialog_->IsMinimized()) << "a second click restores";
    Click(20, 50);
    EXPECT_EQ(EventLog(), (std::vector<LoggedEvent>{{gui::ButtonClicked, 1}}));

    // A press on the caption released elsewhere does not minimize, and the
    // drag is over.
    EXPECT_TRUE(Press(50, 25));
    EXPECT_FALSE(Release(300, 300));
    EXPECT_FALSE(dialog_->IsMinimized());
    EXPECT_FALSE(gui::SharedGuiState().captionDrag);
}

TEST_F(DialogInputTest, AButtonClicksOnlyWhenReleasedInsideAndEmptySpaceTakesTheFocus) {
    gui::GuiButton* button = AddButton(3, 0);
    EXPECT_TRUE(Press(10, 15));
    EXPECT_TRUE(button->pressed);
    EXPECT_EQ(GuiDialog::FocusedControl(), button) << "a press focuses the button";
    EXPECT_TRUE(Release(200, 200)) << "the release is consumed even outside";
    EXPECT_EQ(GuiDialog::FocusedControl(), nullptr) << "keyboard input off: the release drops the focus";
    EXPECT_TRUE(EventLog().empty());
    EXPECT_FALSE(button->pressed);

    Click(49, 29);
    EXPECT_EQ(EventLog(), (std::vector<LoggedEvent>{{gui::ButtonClicked, 3}}));
    EXPECT_FALSE(Press(50, 15)) << "right edge is outside";

    dialog_->EnableKeyboardInput(true);
    Click(10, 15);
    EXPECT_EQ(GuiDialog::FocusedControl(), button);
    EXPECT_TRUE(KeyDown(VK_SPACE));
    EXPECT_TRUE(KeyUp(VK_SPACE));
    EXPECT_EQ(EventLog().size(), 3u);
    EXPECT_FALSE(Press(300, 300)) << "a click on empty space is not consumed";
    EXPECT_EQ(GuiDialog::FocusedControl(), nullptr);
    EXPECT_FALSE(button->hasFocus);
}

TEST_F(DialogInputTest, MouseMovesTellControlsWhenThePointerEntersAndLeaves) {
    gui::GuiButton* left = AddButton(1, 0);
    gui::GuiButton* right = AddButton(2, 60);
    Send(WM_MOUSEMOVE, 0, MAKELPARAM(10, 15));
    EXPECT_TRUE(left->mouseOver);
    Send(WM_MOUSEMOVE, 0, MAKELPARAM(70, 15));
    EXPECT_FALSE(left->mouseOver);
    EXPECT_TRUE(right->mouseOver);
    EXPECT_EQ(dialog_->ControlUnderMouse(), right);
    dialog_->DeleteAllControls();
    EXPECT_EQ(dialog_->ControlUnderMouse(), nullptr);
}

TEST_F(DialogInputTest, CheckBoxTogglesFromMouseSpaceAndHotkeyAndReportsProgrammaticChangesOnRequest) {
    gui::GuiCheckBox* box = nullptr;
    ASSERT_EQ(dialog_->AddCheckBox(5, u"Wire", 0, 0, 200, 20, true, 'W', false, &box), S_OK);
    EXPECT_TRUE(box->checked);
    EXPECT_TRUE(EventLog().empty()) << "no event for the initial state by default";
    EXPECT_EQ(box->boxRect.right - box->boxRect.left, 20);
    EXPECT_EQ(box->boxRect.bottom - box->boxRect.top, 20);
    EXPECT_EQ(box->textRect.left, 25);

    Click(150, 10);
    EXPECT_FALSE(box->checked);
    EXPECT_EQ(GuiDialog::FocusedControl(), nullptr) << "keyboard input off: a click does not focus";
    KeyUp('W');
    EXPECT_TRUE(box->checked);
    EXPECT_EQ(EventLog(), (std::vector<LoggedEvent>{{gui::CheckBoxChanged, 5}, {gui::CheckBoxChanged, 5}}));

    dialog_->EnableProgrammaticEvents(true);
    ASSERT_EQ(dialog_->AddCheckBox(6, u"Other", 0, 30, 200, 20, true), S_OK);
    EXPECT_EQ(EventLog().back(), (LoggedEvent{gui::CheckBoxChanged, 6}));
}

TEST_F(DialogInputTest, RadioButtonsKeepOneCheckedPerGroup) {
    gui::GuiRadioButton* a = nullptr;
    gui::GuiRadioButton* b = nullptr;
    gui::GuiRadioButton* c = nullptr;
    gui::GuiRadioButton* elsewhere = nullptr;
    dialog_->AddRadioButton(1, 1, u"A", 0, 0, 100, 20, true, 0, false, &a);
    dialog_->AddRadioButton(2, 1, u"B", 0, 30, 100, 20, false, 0, false, &b);
    dialog_->AddRadioButton(9, 2, u"Z", 0, 90, 100, 20, true, 0, false, &elsewhere);
    dialog_->AddRadioButton(3, 1, u"C", 0, 60, 100, 20, true, 'C', false, &c);
    EXPECT_FALSE(a->checked) << "adding a checked button unchecks its group";
    EXPECT_TRUE(c->checked);
    EXPECT_TRUE(elsewhere->checked) << "other groups are left alone";
    EXPECT_TRUE(EventLog().empty());

    Click(50, 40);
    EXPECT_TRUE(b->checked);
    EXPECT_FALSE(c->checked);
    Click(50, 40);
    EXPECT_TRUE(b->checked) << "clicking a checked button keeps it checked";
    KeyUp('C');
    EXPECT_TRUE(c->checked);
    EXPECT_FALSE(b->checked);
    EXPECT_TRUE(elsewhere->checked);
    EXPECT_EQ(EventLog(), (std::vector<LoggedEvent>{{gui::RadioButtonChanged, 2},
                                                     {gui::RadioButtonChanged, 2},
                                                     {gui::RadioButtonChanged, 3}}));
}

TEST_F(DialogInputTest, AStaticSharingAnIdWithAButtonIsNeverHitNorFound) {
    dialog_->AddStatic(4, u"Label over the button", 0, 10, 200, 20);
    gui::GuiButton* button = AddButton(4, 0);
    EXPECT_EQ(dialog_->FindControl(4, gui::GuiControlType::Button), button);
    Click(10, 15);
    EXPECT_EQ(EventLog(), (std::vector<LoggedEvent>{{gui::ButtonClicked, 4}}));
}

TEST_F(DialogInputTest, AddingControlsCopiesTheDefaultsOfTheirTypeAndSetsIndices) {
    gui::GuiElement look;
    look.SetTexture(0, RECT{1, 2, 3, 4});
    ASSERT_EQ(dialog_->RegisterDefaultElement(gui::GuiControlType::Button, 3, look), S_OK);
    gui::GuiStatic* label = nullptr;
    dialog_->AddStatic(1, nullptr, 0, 0, 10, 10, false, &label);
    gui::GuiButton* button = AddButton(2, 0);
    EXPECT_EQ(label->index, 0u);
    EXPECT_EQ(button->index, 1u);
    EXPECT_EQ(label->text[0], 0) << "null text is empty";
    ASSERT_EQ(button->elements.GetSize(), 4);
    EXPECT_EQ(button->elements[3].textureRect.right, 3);
    EXPECT_EQ(button->elements[0].textureRect.right, 136) << "the skin's button face";
    EXPECT_EQ(dialog_->PrepareControl(nullptr), E_INVALIDARG);
}

}  // namespace
}  // namespace ondrel::testing
