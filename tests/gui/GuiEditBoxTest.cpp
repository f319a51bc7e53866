// The edit box driven by scripted keys, characters and mouse clicks through
// a window, as a person would use it.

#include "GuiControlsFixture.h"
#include "gui/GuiButton.h"
#include "gui/GuiEditBox.h"

#include <string>

namespace ondrel::testing {
namespace {

using gui::GuiEditBox;
constexpr int kBox = 7;
constexpr int kButton = 8;

class GuiEditBoxTest : public GuiControlsTest {
protected:
    void SetUp() override {
        GuiControlsTest::SetUp();
        ASSERT_EQ(dialog_->AddEditBox(kBox, u"abc", 10, 10, 200, 32, false, &box_), S_OK);
        gui::GuiDialog::GiveFocus(box_);
        TakeEvents();
    }
    std::u16string Text() const { return box_->GetText(); }
    GuiEditBox* box_ = nullptr;
};

const SeenEvent kChange{gui::EditBoxChange, kBox};
const SeenEvent kString{gui::EditBoxString, kBox};

TEST_F(GuiEditBoxTest, ShiftEndSelectsAllAndDeleteEmptiesTheText) {
    Tap(VK_HOME);
    EXPECT_EQ(box_->caret, 0);
    Chord(VK_SHIFT, VK_END);
    EXPECT_EQ(box_->selectionStart, 0);
    EXPECT_EQ(box_->caret, 3);
    EXPECT_TRUE(TakeEvents().empty());
    Tap(VK_DELETE);
    EXPECT_EQ(Text(), u"");
    EXPECT_EQ(TakeEvents(), std::vector<SeenEvent>{kChange});
    // Nothing left to delete: nothing reported.
    Tap(VK_DELETE);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(GuiEditBoxTest, TypingReplacesTheSelectionAndOverwriteAppendsAtTheEnd) {
    // Ctrl+A selects everything only when nothing is selected.
    Chord(VK_CONTROL, 'A');
    EXPECT_EQ(box_->selectionStart, 0);
    EXPECT_EQ(box_->caret, 3);
    Tap(VK_HOME);
    Chord(VK_SHIFT, VK_RIGHT);
    Chord(VK_CONTROL, 'A');
    EXPECT_EQ(box_->selectionStart, 0);
    EXPECT_EQ(box_->caret, 1);

    Type(u"x");
    EXPECT_EQ(Text(), u"xbc");
    EXPECT_EQ(box_->caret, 1);
    EXPECT_EQ(box_->selectionStart, 1);
    EXPECT_EQ(TakeEvents(), std::vector<SeenEvent>{kChange});

    Tap(VK_INSERT);
    EXPECT_FALSE(box_->insertMode);
    Type(u"yz");
    EXPECT_EQ(Text(), u"xyz");
    Type(u"w");
    EXPECT_EQ(Text(), u"xyzw");
    Tap(VK_INSERT);
    Tap(VK_HOME);
    Type(u"v");
    EXPECT_EQ(Text(), u"vxyzw");
}

TEST_F(GuiEditBoxTest, BackspaceEnterTabAndTheArrowsDoWhatTheFieldNeeds) {
    ASSERT_EQ(dialog_->AddButton(kButton, u"OK", 10, 60, 80, 30), S_OK);
    dialog_->EnableKeyboardInput(true);

    Tap(VK_HOME);
    Tap(VK_BACK);
    EXPECT_EQ(Text(), u"abc");
    EXPECT_TRUE(TakeEvents().empty());
    Tap(VK_END);
    Tap(VK_BACK);
    EXPECT_EQ(Text(), u"ab");
    EXPECT_EQ(box_->caret, 2);
    EXPECT_EQ(TakeEvents(), std::vector<SeenEvent>{kChange});

    Tap(VK_RETURN);
    EXPECT_EQ(Text(), u"ab");
    EXPECT_EQ(TakeEvents(), std::vector<SeenEvent>{kString});

    // Tab stays in the field instead of moving the focus on.
    Tap(VK_TAB);
    EXPECT_EQ(gui::GuiDialog::FocusedControl(), box_);
    EXPECT_EQ(Text(), u"ab");
    EXPECT_TRUE(TakeEvents().empty());

    Press(VK_UP);
    EXPECT_TRUE(LastMessageConsumed());
    Release(VK_UP);
    // Escape's key-down is left to the dialog's owner.
    script_->PostInput(Window(), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_FALSE(LastMessageConsumed());
    // Right at the end and Left at the start go nowhere.
    Tap(VK_RIGHT);
    EXPECT_EQ(box_->caret, 2);
    Tap(VK_HOME);
    Tap(VK_LEFT);
    EXPECT_EQ(box_->caret, 0);
}

TEST_F(GuiEditBoxTest, ClipboardCopyCutAndPaste) {
    box_->SetText(u"one two", false);
    Chord(VK_CONTROL, VK_LEFT);
    EXPECT_EQ(box_->caret, 4);
    Press(VK_SHIFT);
    Tap(VK_END);
    Release(VK_SHIFT);
    Chord(VK_CONTROL, 'C');
    EXPECT_EQ(script_->Clipboard(), std::optional<std::u16string>(u"two"));
    EXPECT_TRUE(TakeEvents().empty());

    Chord(VK_CONTROL, 'X');
    EXPECT_EQ(Text(), u"one ");
    EXPECT_EQ(TakeEvents(), std::vector<SeenEvent>{kChange});

    Tap(VK_HOME);
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(Text(), u"twoone ");
    EXPECT_EQ(box_->caret, 3);
    EXPECT_EQ(box_->selectionStart, 3);
    EXPECT_EQ(TakeEvents(), std::vector<SeenEvent>{kChange});

    // Ctrl+Insert copies, Shift+Insert pastes over the selection.
    Chord(VK_SHIFT, VK_LEFT);
    Chord(VK_CONTROL, VK_INSERT);
    EXPECT_EQ(script_->Clipboard(), std::optional<std::u16string>(u"o"));
    script_->SetClipboard(u"12.5");
    Chord(VK_SHIFT, VK_INSERT);
    EXPECT_EQ(Text(), u"tw12.5one ");
    EXPECT_TRUE(box_->insertMode);

    // Copying nothing leaves the clipboard alone.
    Chord(VK_CONTROL, 'C');
    EXPECT_EQ(script_->Clipboard(), std::optional<std::u16string>(u"12.5"));
}

TEST_F(GuiEditBoxTest, TheCharacterLimitRefusesTypingAndPastingButTypingIsStillReported) {
    const std::u16string full(gui::GuiTextBuffer::kCharacterLimit - 2, u'9');
    box_->SetText(full.c_str(), false);
    ASSERT_EQ(box_->GetTextLength(), static_cast<int>(full.size()));
    Type(u"1");
    EXPECT_EQ(box_->GetTextLength(), static_cast<int>(full.size()));
    EXPECT_EQ(box_->caret, static_cast<int>(full.size()));
    EXPECT_EQ(TakeEvents(), std::vector<SeenEvent>{kChange});

    script_->SetClipboard(u"77");
    Chord(VK_CONTROL, 'V');
    EXPECT_EQ(box_->GetTextLength(), static_cast<int>(full.size()));
    EXPECT_EQ(box_->caret, static_cast<int>(full.size()));
}

TEST_F(GuiEditBoxTest, LongTextScrollsToKeepTheCaretInViewAndHomeScrollsBack) {
    box_->SetText(u"The quick brown fox jumps over the lazy dog again and again", false);
    const int visibleWidth = box_->textRect.right - box_->textRect.left;
    EXPECT_GT(box_->firstVisible, 0);
    auto caretOffset = [&] {
        int first = 0;
        int at = 0;
        box_->buffer.IndexToX(box_->firstVisible, false, &first);
        box_->buffer.IndexToX(box_->caret, false, &at);
        return at - first;
    };
    EXPECT_GE(caretOffset(), 0);
    EXPECT_LE(caretOffset(), visibleWidth);

    Tap(VK_HOME);
    EXPECT_EQ(box_->firstVisible, 0);
    // Walking right scrolls only once the caret would leave the field.
    int lastFirst = 0;
    for (int i = 0; i < box_->GetTextLength(); ++i) {
        Tap(VK_RIGHT);
        EXPECT_GE(box_->firstVisible, lastFirst);
        EXPECT_LE(caretOffset(), visibleWidth) << i;
        lastFirst = box_->firstVisible;
    }
    Tap(VK_END);
    const int scrolled = box_->firstVisible;
    Tap(VK_LEFT);
    EXPECT_EQ(box_->firstVisible, scrolled);
}

TEST_F(GuiEditBoxTest, ClickPlacesTheCaretAndDraggingSelects) {
    gui::GuiDialog::ClearFocus();
    box_->SetText(u"drag me", false);
    const int textLeft = box_->textRect.left;
    const int middle = (box_->textRect.top + box_->textRect.bottom) / 2;
    Click(textLeft - 3, middle);
    EXPECT_EQ(gui::GuiDialog::FocusedControl(), box_);
    EXPECT_EQ(box_->caret, 0);

    script_->PressButton(Window(), platform::MouseButton::Left, textLeft + 1, middle);
    script_->MoveMouse(Window(), box_->textRect.right - 1, middle);
    Pump();
    EXPECT_TRUE(script_->MouseCaptured());
    EXPECT_EQ(box_->selectionStart, 0);
    EXPECT_EQ(box_->caret, 7);
    script_->ReleaseButton(Window(), platform::MouseButton::Left, box_->textRect.right - 1, middle);
    script_->MoveMouse(Window(), textLeft, middle);
    Pump();
    EXPECT_FALSE(script_->MouseCaptured());
    EXPECT_EQ(box_->caret, 7);

    // A click on empty dialog space takes the focus away.
    Click(300, 200);
    EXPECT_EQ(gui::GuiDialog::FocusedControl(), nullptr);
}

TEST_F(GuiEditBoxTest, TheCaretBlinksOnTheCounterAndEveryEditShowsItAgain) {
    ASSERT_GT(box_->caretBlinkPeriod, 0.0);
    const auto half = static_cast<DWORD>(box_->caretBlinkPeriod * 1000.0 / 2.0);
    RenderFrame();
    EXPECT_TRUE(box_->caretOn);
    AdvanceCounter(half * 2 + 1);
    RenderFrame();
    EXPECT_FALSE(box_->caretOn);
    AdvanceCounter(half);
    RenderFrame();
    EXPECT_FALSE(box_->caretOn);
    Type(u"d");
    EXPECT_TRUE(box_->caretOn);
    RenderFrame();
    EXPECT_TRUE(box_->caretOn);
}

}  // namespace
}  // namespace ondrel::testing
