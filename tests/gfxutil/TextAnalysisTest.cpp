// Caret geometry and logical attributes behind the edit box's measuring.

#include "gfxutil/FontFace.h"
#include "gfxutil/TextAnalysis.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace gfxutil;

class TextAnalysisTest : public ::testing::Test {
protected:
    void SetUp() override {
        FontRequest request;
        request.faceName = u"Arial";
        request.height = 14;
        font_ = FontFace::Create(request);
        ASSERT_TRUE(font_);
    }
    // Analysed with its terminator, as the edit box does.
    TextAnalysis Analyse(const std::u16string& text) const {
        return TextAnalysis(*font_, text.c_str(), static_cast<int>(text.size()) + 1);
    }
    std::unique_ptr<FontFace> font_;
};

TEST_F(TextAnalysisTest, CaretPositionsGrowAndHitTestingInvertsThem) {
    const auto a = Analyse(u"Hello, world!  ok.");
    ASSERT_EQ(a.Length(), 19);
    EXPECT_EQ(a.LeadingX(0), 0);
    for (int i = 0; i + 1 < a.Length(); ++i) {
        EXPECT_LT(a.LeadingX(i), a.LeadingX(i + 1)) << i;
        EXPECT_EQ(a.TrailingX(i), a.LeadingX(i + 1)) << i;
        const auto leading = a.HitTest(a.LeadingX(i));
        EXPECT_EQ(leading.index, i);
        EXPECT_FALSE(leading.trailing);
        const auto trailing = a.HitTest(a.TrailingX(i) - 1);
        EXPECT_EQ(trailing.index, i);
        EXPECT_EQ(trailing.trailing, a.TrailingX(i) - a.LeadingX(i) > 1) << i;
    }
    // The terminator takes no room: its edges are the text's end.
    EXPECT_EQ(a.LeadingX(18), a.Width());
    EXPECT_EQ(a.TrailingX(18), a.Width());
}

TEST_F(TextAnalysisTest, HitsOutsideTheTextClampToItsEnds) {
    const auto a = Analyse(u"abc");
    const auto before = a.HitTest(-5);
    EXPECT_EQ(before.index, 0);
    EXPECT_FALSE(before.trailing);
    const auto after = a.HitTest(a.Width() + 40);
    EXPECT_EQ(after.index, 3);
    EXPECT_TRUE(after.trailing);
}

TEST_F(TextAnalysisTest, WordStopsAndWhiteSpaceOnASentenceWithPunctuation) {
    const std::u16string text = u"Hello, world!  ok.";
    const auto a = Analyse(text);
    std::vector<int> stops;
    std::vector<int> spaces;
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        if (a.Attributes()[static_cast<std::size_t>(i)].wordStop) {
            stops.push_back(i);
        }
        if (a.Attributes()[static_cast<std::size_t>(i)].whiteSpace) {
            spaces.push_back(i);
        }
        EXPECT_TRUE(a.Attributes()[static_cast<std::size_t>(i)].charStop) << i;
    }
    EXPECT_EQ(stops, (std::vector<int>{0, 5, 7, 12, 15, 17}));
    EXPECT_EQ(spaces, (std::vector<int>{6, 13, 14}));
    EXPECT_TRUE(a.Attributes()[15].softBreak);  // a line may break before "ok"
    EXPECT_FALSE(a.Attributes()[3].softBreak);
}

TEST_F(TextAnalysisTest, CombinedCharactersAndSurrogatePairsMoveAsOne) {
    // "e" + combining acute, then a character outside the basic plane.
    const std::u16string text = u"xe\u0301y\U0001D11Ez";
    const auto a = Analyse(text);
    EXPECT_TRUE(a.Attributes()[1].charStop);
    EXPECT_FALSE(a.Attributes()[2].charStop);
    EXPECT_EQ(a.LeadingX(2), a.LeadingX(1));
    EXPECT_EQ(a.TrailingX(2), a.TrailingX(1));
    EXPECT_TRUE(a.Attributes()[4].charStop);
    EXPECT_FALSE(a.Attributes()[5].charStop);
    EXPECT_EQ(a.TrailingX(4), a.TrailingX(5));
    EXPECT_EQ(a.HitTest(a.LeadingX(1) + 1).index, 1);  // never the mark alone
    EXPECT_EQ(a.HitTest(a.TrailingX(5) - 1).index, 4);
}

}  // namespace
