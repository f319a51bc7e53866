// The complex-script stand-in measured through a font: it agrees with what
// the font draws, and the placeholders answer as a missing service does.

#include "tests/support/RecordingFixture.h"
#include "gfxutil/ScriptString.h"

#include <string>

namespace {

class ScriptStringTest : public ondrel::testing::RecordingSceneTest {
protected:
    void SetUp() override {
        RecordingSceneTest::SetUp();
        ASSERT_EQ(GfxCreateFontW(device_, 14, 0, FW_NORMAL, 1, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH, u"Arial", &font_),
                  D3D_OK);
    }
    void TearDown() override {
        font_->Release();
        RecordingSceneTest::TearDown();
    }
    // As the edit box analyses: the terminator included, its flags and
    // glyph buffer size, the default digit substitution.
    SCRIPT_STRING_ANALYSIS Analyse(const std::u16string& text) {
        SCRIPT_CONTROL control{};
        SCRIPT_STATE state{};
        EXPECT_EQ(ScriptApplyDigitSubstitution(nullptr, &control, &state), S_OK);
        const int length = static_cast<int>(text.size()) + 1;
        SCRIPT_STRING_ANALYSIS analysis = nullptr;
        EXPECT_EQ(ScriptStringAnalyse(font_, text.c_str(), length, length * 3 / 2 + 16, -1,
                                      SSA_BREAK | SSA_GLYPHS | SSA_FALLBACK | SSA_LINK, 0, &control, &state,
                                      nullptr, nullptr, nullptr, &analysis),
                  S_OK);
        return analysis;
    }
    IGfxFont* font_ = nullptr;
};

TEST_F(ScriptStringTest, CaretsAgreeWithTheDrawnWidthAndHitTestsInvertThem) {
    const std::u16string text = u"Extrude Factor (Tris)";
    SCRIPT_STRING_ANALYSIS analysis = Analyse(text);
    ASSERT_NE(analysis, nullptr);
    ASSERT_EQ(*ScriptString_pcOutChars(analysis), static_cast<int>(text.size()) + 1);

    RECT box{0, 0, 0, 0};
    font_->DrawTextW(nullptr, text.c_str(), -1, &box, DT_CALCRECT, 0);
    int end = 0;
    ASSERT_EQ(ScriptStringCPtoX(analysis, static_cast<int>(text.size()), FALSE, &end), S_OK);
    EXPECT_EQ(end, box.right);

    int previous = -1;
    for (int i = 0; i <= static_cast<int>(text.size()); ++i) {
        int x = 0;
        ASSERT_EQ(ScriptStringCPtoX(analysis, i, FALSE, &x), S_OK);
        EXPECT_GT(x, previous) << i;
        previous = x;
        int hit = -1;
        int trailing = -1;
        ASSERT_EQ(ScriptStringXtoCP(analysis, x, &hit, &trailing), S_OK);
        if (i < static_cast<int>(text.size())) {
            EXPECT_EQ(hit, i);
            EXPECT_EQ(trailing, 0);
        }
    }
    int hit = 0;
    int trailing = 0;
    ASSERT_EQ(ScriptStringXtoCP(analysis, -20, &hit, &trailing), S_OK);
    EXPECT_EQ(hit, 0);
    EXPECT_EQ(trailing, 0);
    ASSERT_EQ(ScriptStringXtoCP(analysis, end + 50, &hit, &trailing), S_OK);
    EXPECT_EQ(hit, static_cast<int>(text.size()));
    EXPECT_EQ(trailing, 1);

    int x = 0;
    EXPECT_EQ(ScriptStringCPtoX(analysis, static_cast<int>(text.size()) + 1, FALSE, &x), E_INVALIDARG);
    EXPECT_EQ(ScriptStringCPtoX(analysis, -1, FALSE, &x), E_INVALIDARG);
    ASSERT_EQ(ScriptStringFree(&analysis), S_OK);
    EXPECT_EQ(analysis, nullptr);
}

TEST_F(ScriptStringTest, LogicalAttributesMarkWordsAndSpaces) {
    SCRIPT_STRING_ANALYSIS analysis = Analyse(u"5.0  scale, ok");
    const SCRIPT_LOGATTR* attributes = ScriptString_pLogAttr(analysis);
    ASSERT_NE(attributes, nullptr);
    EXPECT_TRUE(attributes[0].fWordStop);
    EXPECT_FALSE(attributes[1].fWordStop);  // "5.0" is one number
    EXPECT_TRUE(attributes[3].fWhiteSpace);
    EXPECT_TRUE(attributes[4].fWhiteSpace);
    EXPECT_TRUE(attributes[5].fWordStop);
    EXPECT_TRUE(attributes[10].fWordStop);  // the comma
    EXPECT_TRUE(attributes[12].fWordStop);
    EXPECT_TRUE(attributes[12].fSoftBreak);
    ScriptStringFree(&analysis);
}

TEST_F(ScriptStringTest, BadArgumentsAndTheMissingServiceAreRefused) {
    SCRIPT_STRING_ANALYSIS analysis = nullptr;
    EXPECT_EQ(ScriptStringAnalyse(nullptr, u"a", 2, 19, -1, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  &analysis),
              E_INVALIDARG);
    EXPECT_EQ(ScriptStringAnalyse(font_, u"", 0, 16, -1, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, &analysis),
              E_INVALIDARG);
    EXPECT_EQ(ScriptStringFree(&analysis), E_INVALIDARG);
    EXPECT_EQ(ScriptString_pLogAttr(nullptr), nullptr);

    const ScriptStringService missing = PlaceholderScriptStringService();
    SCRIPT_CONTROL control{};
    SCRIPT_STATE state{};
    EXPECT_EQ(missing.applyDigitSubstitution(nullptr, &control, &state), E_NOTIMPL);
    EXPECT_EQ(missing.analyse(font_, u"a", 2, 19, -1, 0, 0, &control, &state, nullptr, nullptr, nullptr, &analysis),
              E_NOTIMPL);
    int x = 7;
    EXPECT_EQ(missing.cpToX(nullptr, 0, FALSE, &x), E_NOTIMPL);
    EXPECT_EQ(missing.xToCp(nullptr, 0, &x, &x), E_NOTIMPL);
    EXPECT_EQ(missing.free(&analysis), E_NOTIMPL);
    EXPECT_EQ(missing.logAttr(nullptr), nullptr);
    EXPECT_EQ(missing.outChars(nullptr), nullptr);

    const ScriptStringService available = AvailableScriptStringService();
    EXPECT_EQ(available.analyse, &ScriptStringAnalyse);
}

}  // namespace
