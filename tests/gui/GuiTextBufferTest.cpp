// The edit box's text storage: the character limit, growth, insertion and
// removal, and caret measuring through the text-measuring service.

#include "GuiTextBufferFont.h"
#include "gui/GuiTextBuffer.h"
#include "gui/GuiTextBufferService.h"

#include <gtest/gtest.h>

#include <string>

namespace ondrel::testing {
namespace {

using gui::GuiTextBuffer;

std::u16string Text(const GuiTextBuffer& buffer) { return std::u16string(buffer.Text()); }

// The longest text the buffer holds: with its terminator one below the limit.
constexpr int kLongest = GuiTextBuffer::kCharacterLimit - 2;

TEST(GuiTextBufferLimitTest, TextWithTerminatorNeverReachesTheLimit) {
    GuiTextBuffer buffer;
    const std::u16string longest(kLongest, u'x');
    ASSERT_TRUE(buffer.SetText(longest.c_str()));
    EXPECT_EQ(buffer.Length(), kLongest);
    EXPECT_LE(buffer.Capacity(), GuiTextBuffer::kCharacterLimit);

    // Every way of adding one more is refused and leaves the text alone.
    EXPECT_FALSE(buffer.InsertCharacter(0, u'y'));
    EXPECT_FALSE(buffer.InsertText(kLongest, u"y", -1));
    EXPECT_EQ(buffer.Length(), kLongest);
    EXPECT_EQ(buffer.At(0), u'x');
    EXPECT_EQ(buffer.Text()[kLongest], 0);

    const std::u16string tooLong(kLongest + 1, u'z');
    EXPECT_FALSE(buffer.SetText(tooLong.c_str()));
    EXPECT_EQ(buffer.Length(), kLongest);
    EXPECT_EQ(buffer.At(0), u'x');

    // Replacing in place is not an insertion.
    EXPECT_TRUE(buffer.ReplaceCharacter(kLongest - 1, u'q'));
    EXPECT_EQ(buffer.At(kLongest - 1), u'q');
}

TEST(GuiTextBufferLimitTest, CapacityDoublesAndJumpsForLargeInsertions) {
    GuiTextBuffer buffer;
    EXPECT_EQ(buffer.Capacity(), 1);
    ASSERT_TRUE(buffer.InsertCharacter(0, u'a'));
    EXPECT_EQ(buffer.Capacity(), 2);
    ASSERT_TRUE(buffer.InsertCharacter(1, u'b'));
    EXPECT_EQ(buffer.Capacity(), 4);

    // A request at least twice the capacity grows to twice the request.
    const std::u16string block(20, u'c');
    ASSERT_TRUE(buffer.InsertText(2, block.c_str(), -1));
    EXPECT_EQ(buffer.Capacity(), 2 * (2 + 20 + 1));
    // One that still fits needs nothing; a smaller overflow just doubles.
    ASSERT_TRUE(buffer.InsertText(0, block.c_str(), 10));
    EXPECT_EQ(buffer.Capacity(), 46);
    ASSERT_TRUE(buffer.InsertText(0, block.c_str(), 20));
    EXPECT_EQ(buffer.Capacity(), 2 * 46);

    // Whole texts double step by step, never past the limit.
    GuiTextBuffer whole;
    ASSERT_TRUE(whole.SetText(std::u16string(300, u'w').c_str()));
    EXPECT_EQ(whole.Capacity(), 512);
    ASSERT_TRUE(whole.SetText(std::u16string(kLongest, u'w').c_str()));
    EXPECT_EQ(whole.Capacity(), GuiTextBuffer::kCharacterLimit);
}

TEST(GuiTextBufferEditTest, InsertAndRemoveShiftTheTailAndKeepTheTerminator) {
    GuiTextBuffer buffer;
    ASSERT_TRUE(buffer.SetText(u"ace"));
    ASSERT_TRUE(buffer.InsertCharacter(1, u'b'));
    ASSERT_TRUE(buffer.InsertCharacter(3, u'd'));
    ASSERT_TRUE(buffer.InsertCharacter(5, u'f'));
    EXPECT_EQ(Text(buffer), u"abcdef");
    ASSERT_TRUE(buffer.InsertText(3, u"XYZW", 3));
    EXPECT_EQ(Text(buffer), u"abcXYZdef");

    EXPECT_FALSE(buffer.InsertCharacter(10, u'!'));
    EXPECT_FALSE(buffer.InsertCharacter(-1, u'!'));
    EXPECT_FALSE(buffer.InsertText(10, u"!", -1));
    EXPECT_FALSE(buffer.RemoveCharacter(9));
    EXPECT_FALSE(buffer.RemoveCharacter(-1));
    EXPECT_FALSE(buffer.ReplaceCharacter(9, u'!'));

    ASSERT_TRUE(buffer.RemoveCharacter(8));
    ASSERT_TRUE(buffer.RemoveCharacter(0));
    EXPECT_EQ(Text(buffer), u"bcXYZde");
    buffer.RemoveRange(2, 3);
    EXPECT_EQ(Text(buffer), u"bcde");
    buffer.RemoveRange(3, 50);
    EXPECT_EQ(Text(buffer), u"bcd");
    EXPECT_EQ(buffer.Length(), 3);

    buffer.Clear();
    EXPECT_FALSE(buffer.RemoveCharacter(0));
    EXPECT_EQ(Text(buffer), u"");
}

// A service that counts analyses and frees, to see the analysis rebuilt only
// after a change and always released.
struct CountingService {
    static inline int analyses = 0;
    static inline int frees = 0;
    static HRESULT Analyse(IGfxFont* font, const void* text, int length, int glyphs, int charset, DWORD flags,
                           int width, SCRIPT_CONTROL* control, SCRIPT_STATE* state, const int* dx,
                           SCRIPT_TABDEF* tabs, const BYTE* classes, SCRIPT_STRING_ANALYSIS* analysis) {
        ++analyses;
        return AvailableScriptStringService().analyse(font, text, length, glyphs, charset, flags, width, control,
                                                      state, dx, tabs, classes, analysis);
    }
    static HRESULT Free(SCRIPT_STRING_ANALYSIS* analysis) {
        ++frees;
        return AvailableScriptStringService().free(analysis);
    }
    static ScriptStringService Make() {
        ScriptStringService service = AvailableScriptStringService();
        service.analyse = Analyse;
        service.free = Free;
        analyses = 0;
        frees = 0;
        return service;
    }
};

class GuiTextBufferMeasureTest : public MeasuringFontTest {};

TEST_F(GuiTextBufferMeasureTest, CaretEdgesRunLeftToRightAndHitTestsClamp) {
    GuiTextBuffer buffer;
    buffer.SetFont(font_);
    ASSERT_TRUE(buffer.SetText(u"Export Scale"));
    int previous = -1;
    for (int i = 0; i <= buffer.Length(); ++i) {
        int leading = 0;
        ASSERT_EQ(buffer.IndexToX(i, false, &leading), S_OK);
        EXPECT_GT(leading, previous) << i;
        if (i < buffer.Length()) {
            int trailing = 0;
            ASSERT_EQ(buffer.IndexToX(i, true, &trailing), S_OK);
            EXPECT_GT(trailing, leading) << i;
            int hit = -1;
            bool hitTrailing = true;
            ASSERT_EQ(buffer.XToIndex(leading, &hit, &hitTrailing), S_OK);
            EXPECT_EQ(hit, i);
            EXPECT_FALSE(hitTrailing);
        }
        previous = leading;
    }
    int hit = -1;
    bool trailing = true;
    ASSERT_EQ(buffer.XToIndex(-40, &hit, &trailing), S_OK);
    EXPECT_EQ(hit, 0);
    EXPECT_FALSE(trailing);
    ASSERT_EQ(buffer.XToIndex(previous + 100, &hit, &trailing), S_OK);
    EXPECT_EQ(hit, buffer.Length());
    EXPECT_TRUE(trailing);
}

TEST_F(GuiTextBufferMeasureTest, AnalysisIsRebuiltOnlyAfterAChangeAndAlwaysFreed) {
    gui::SetTextMeasuring(CountingService::Make());
    {
        GuiTextBuffer buffer;
        buffer.SetFont(font_);
        ASSERT_TRUE(buffer.SetText(u"12.5"));
        int wide = 0;
        ASSERT_EQ(buffer.IndexToX(4, false, &wide), S_OK);
        int x = 0;
        buffer.IndexToX(2, false, &x);
        buffer.IndexToX(1, true, &x);
        EXPECT_EQ(CountingService::analyses, 1);

        ASSERT_TRUE(buffer.InsertCharacter(0, u'1'));
        int wider = 0;
        ASSERT_EQ(buffer.IndexToX(5, false, &wider), S_OK);
        EXPECT_EQ(CountingService::analyses, 2);
        EXPECT_GT(wider, wide);

        // A new font is a change too; the same font again is not.
        buffer.SetFont(font_);
        buffer.IndexToX(0, false, &x);
        EXPECT_EQ(CountingService::analyses, 2);
        buffer.SetFont(nullptr);
        EXPECT_NE(buffer.IndexToX(1, false, &x), S_OK);
        EXPECT_EQ(x, 0);
        EXPECT_EQ(CountingService::analyses, 3);
        buffer.SetFont(font_);
        ASSERT_EQ(buffer.IndexToX(5, false, &x), S_OK);
        EXPECT_EQ(x, wider);

        // Swapping the service (as at exit) leaves the analysis to its maker.
        gui::ResetTextMeasuring();
    }
    EXPECT_EQ(CountingService::frees, CountingService::analyses - 1);
}

TEST_F(GuiTextBufferMeasureTest, WordStartsSkipWhiteSpaceBothWays) {
    GuiTextBuffer buffer;
    buffer.SetFont(font_);
    //                        0    5    10   15
    ASSERT_TRUE(buffer.SetText(u"alpha beta  gamma"));
    EXPECT_EQ(buffer.NextWordStart(0), 6);
    EXPECT_EQ(buffer.NextWordStart(6), 12);
    EXPECT_EQ(buffer.NextWordStart(12), buffer.Length());
    EXPECT_EQ(buffer.NextWordStart(buffer.Length()), buffer.Length());
    EXPECT_EQ(buffer.PreviousWordStart(buffer.Length()), 12);
    EXPECT_EQ(buffer.PreviousWordStart(12), 6);
    EXPECT_EQ(buffer.PreviousWordStart(8), 6);
    EXPECT_EQ(buffer.PreviousWordStart(6), 0);
    EXPECT_EQ(buffer.PreviousWordStart(0), 0);
}

TEST(GuiTextBufferPlaceholderTest, WithoutTheServiceEditingWorksAndMeasuresZero) {
    gui::ResetTextMeasuring();
    GuiTextBuffer buffer;
    ASSERT_TRUE(buffer.SetText(u"one two"));
    int x = 7;
    EXPECT_EQ(buffer.IndexToX(3, false, &x), E_NOTIMPL);
    EXPECT_EQ(x, 0);
    int hit = 5;
    bool trailing = true;
    EXPECT_EQ(buffer.XToIndex(30, &hit, &trailing), E_NOTIMPL);
    EXPECT_EQ(hit, 0);
    EXPECT_FALSE(trailing);
    EXPECT_EQ(buffer.PreviousWordStart(5), 0);
    EXPECT_EQ(buffer.NextWordStart(1), buffer.Length());
    ASSERT_TRUE(buffer.InsertCharacter(3, u'!'));
    EXPECT_EQ(Text(buffer), u"one! two");
}

}  // namespace
}  // namespace ondrel::testing
