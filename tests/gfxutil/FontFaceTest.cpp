// Face lookup, GDI-style sizing and the CPU layout of text in rectangles.

#include "gfxutil/FontFace.h"
#include "gfxutil/FontFaceLookup.h"
#include "gfxutil/GlyphAtlas.h"
#include "gfxutil/TextFormat.h"
#include "gfxutil/TextLayout.h"
#include "gfxutil/TextShaper.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace gfxutil;

std::unique_ptr<FontFace> Arial(int height, int weight = 400) {
    FontRequest request;
    request.faceName = u"Arial";
    request.height = height;
    request.weight = weight;
    return FontFace::Create(request);
}

int WidthOf(const FontFace& font, std::u16string_view text) {
    return ShapeText(font, text.data(), text.size()).width;
}

TEST(FontFaceTest, ArialResolvesToItsMetricCompatibleFace) {
    const auto regular = FindFontFile(u"Arial", 400, false);
    ASSERT_TRUE(regular);
    EXPECT_NE(regular->path.find("LiberationSans-Regular"), std::string::npos) << regular->path;
    const auto bold = FindFontFile(u"Arial", 700, false);
    ASSERT_TRUE(bold);
    EXPECT_NE(bold->path.find("LiberationSans-Bold"), std::string::npos) << bold->path;
    // Unknown names fall back to a proportional sans face, not a monospaced one.
    const auto unknown = FindFontFile(u"No Such Face 1234", 400, false);
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->path.find("Mono"), std::string::npos) << unknown->path;
}

TEST(FontFaceTest, PositiveHeightIsTheCellNegativeHeightTheEm) {
    for (int height : {14, 15, 28}) {
        const auto font = Arial(height);
        ASSERT_TRUE(font);
        EXPECT_EQ(font->LineHeight(), height);
        EXPECT_GT(font->Ascent(), font->Descent());
    }
    // The baseline sits where GDI puts it: the ascent rounded on its own.
    EXPECT_EQ(Arial(14)->Ascent(), 11);
    EXPECT_EQ(Arial(28)->Ascent(), 23);
    // Arial's cell is about 1.15 em.
    const auto em = Arial(-20);
    ASSERT_TRUE(em);
    EXPECT_GE(em->LineHeight(), 22);
    EXPECT_LE(em->LineHeight(), 24);
}

TEST(FontFaceTest, AdvancesAreWholePixelsWithoutKerning) {
    const auto font = Arial(14);
    ASSERT_TRUE(font);
    // Kerned, "AV" would be narrower than its letters apart.
    EXPECT_EQ(WidthOf(*font, u"AV"), WidthOf(*font, u"A") + WidthOf(*font, u"V"));
    EXPECT_GT(WidthOf(*font, u"W"), WidthOf(*font, u"i"));
    const auto bold = Arial(14, 700);
    EXPECT_GT(WidthOf(*bold, u"Import"), WidthOf(*font, u"Import"));
    // Twice the height, roughly twice the width.
    const auto big = Arial(28);
    const int small = WidthOf(*font, u"Extrude Factor");
    EXPECT_NEAR(WidthOf(*big, u"Extrude Factor"), 2 * small, small / 5);
}

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        font_ = Arial(14);
        ASSERT_TRUE(font_);
        width_ = WidthOf(*font_, u"Hi there");
    }
    TextLayoutResult Lay(std::u16string_view text, DWORD format) const {
        return LayOutText(*font_, text.data(), text.size(), kBox, format);
    }
    static constexpr RECT kBox{10, 20, 210, 120};
    std::unique_ptr<FontFace> font_;
    int width_ = 0;
};

TEST_F(LayoutTest, HorizontalAlignmentPlacesTheLineInTheBox) {
    const auto left = Lay(u"Hi there", DT_LEFT);
    EXPECT_EQ(left.extent.left, 10);
    EXPECT_EQ(left.glyphs.front().penX, 10);
    const auto right = Lay(u"Hi there", DT_RIGHT);
    EXPECT_EQ(right.extent.right, 210);
    const auto centre = Lay(u"Hi there", DT_CENTER);
    EXPECT_EQ(centre.extent.left, 10 + (200 - width_) / 2);
    EXPECT_EQ(centre.extent.right - centre.extent.left, width_);
}

TEST_F(LayoutTest, VerticalAlignmentAndTheAnsweredHeight) {
    const auto top = Lay(u"Hi", DT_TOP);
    EXPECT_EQ(top.extent.top, 20);
    EXPECT_EQ(top.result, 14);
    EXPECT_EQ(top.glyphs.front().baseline, 20 + font_->Ascent());
    // Centred without DT_SINGLELINE too: the controls rely on it.
    const auto middle = Lay(u"Hi", DT_VCENTER);
    EXPECT_EQ(middle.extent.top, 20 + (100 - 14) / 2);
    EXPECT_EQ(middle.result, middle.extent.bottom - 20);
    const auto bottom = Lay(u"Hi", DT_BOTTOM | DT_SINGLELINE);
    EXPECT_EQ(bottom.extent.bottom, 120);
    EXPECT_EQ(bottom.result, 100);
}

TEST_F(LayoutTest, LinesBreakAtLineFeedsUnlessSingleLine) {
    const auto two = Lay(u"Hi\r\nthere", DT_LEFT);
    EXPECT_EQ(two.result, 28);
    EXPECT_EQ(two.glyphs.back().baseline - two.glyphs.front().baseline, 14);
    EXPECT_EQ(two.glyphs.back().penX - 10, WidthOf(*font_, u"ther"));
    const auto one = Lay(u"Hi\r\nthere", DT_SINGLELINE);
    EXPECT_EQ(one.result, 14);
    EXPECT_EQ(one.extent.right - one.extent.left, WidthOf(*font_, u"Hithere"));
}

TEST_F(LayoutTest, CalcRectMeasuresFromTheTopLeftCorner) {
    const auto measured = Lay(u"Hi there", DT_CALCRECT | DT_CENTER | DT_VCENTER);
    EXPECT_EQ(measured.extent.left, 10);
    EXPECT_EQ(measured.extent.top, 20);
    EXPECT_EQ(measured.extent.right, 10 + width_);
    EXPECT_EQ(measured.extent.bottom, 34);
    EXPECT_EQ(measured.result, 14);
}

TEST(GlyphAtlasTest, GlyphsArePackedOnceWithoutOverlapAndSpillToNewPages) {
    const auto font = Arial(28);
    ASSERT_TRUE(font);
    GlyphAtlas atlas(64);  // small pages, so a few glyphs fill one
    const std::u16string text = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const auto run = ShapeText(*font, text.data(), text.size());
    std::vector<AtlasGlyph> cells;
    for (const auto& glyph : run.glyphs) {
        cells.push_back(atlas.Find(*font, glyph.glyphIndex));
    }
    EXPECT_GT(atlas.Pages().size(), 1u);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto& a = cells[i];
        ASSERT_GT(a.width, 0);
        EXPECT_LE(a.x + a.width, 64);
        EXPECT_LE(a.y + a.height, 64);
        for (std::size_t j = i + 1; j < cells.size(); ++j) {
            const auto& b = cells[j];
            const bool apart = a.page != b.page || a.x + a.width < b.x || b.x + b.width < a.x ||
                               a.y + a.height < b.y || b.y + b.height < a.y;
            EXPECT_TRUE(apart) << "glyphs " << i << " and " << j << " touch";
        }
    }
    const auto revision = atlas.Pages().back().revision;
    const AtlasGlyph again = atlas.Find(*font, run.glyphs.front().glyphIndex);
    EXPECT_EQ(again.x, cells.front().x);
    EXPECT_EQ(again.page, cells.front().page);
    EXPECT_EQ(atlas.Pages().back().revision, revision);
}

}  // namespace
