// The text line writer and the overlay against a font and a sprite that
// note what they are asked to do.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ExportSummary.h"
#include "app/OverlayText.h"
#include "app/SceneObjects.h"
#include "app/TextLineWriter.h"
#include "framework/FrameworkState.h"
#include "gfxutil/RefCounted.h"

namespace ondrel::testing {
namespace {

struct DrawnLine {
    IGfxSprite* sprite;
    std::u16string text;
    INT count;
    RECT rect;
    DWORD format;
    D3DCOLOR colour;
};

class NotingFont final : public gfxutil::RefCounted<IGfxFont> {
public:
    HRESULT GetDevice(IDirect3DDevice9**) override { return E_NOTIMPL; }
    HRESULT GetDescW(GFXFONT_DESCW*) override { return E_NOTIMPL; }
    HRESULT PreloadTextW(const WCHAR*, INT) override { return S_OK; }
    INT DrawTextW(IGfxSprite* sprite, const WCHAR* text, INT count, RECT* rect, DWORD format,
                  D3DCOLOR colour) override {
        lines.push_back(DrawnLine{sprite, text, count, *rect, format, colour});
        return answer;
    }
    HRESULT OnLostDevice() override { return S_OK; }
    HRESULT OnResetDevice() override { return S_OK; }

    std::vector<DrawnLine> lines;
    INT answer = 15;
};

class NotingSprite final : public gfxutil::RefCounted<IGfxSprite> {
public:
    HRESULT GetDevice(IDirect3DDevice9**) override { return E_NOTIMPL; }
    HRESULT GetTransform(GFXMATRIX*) override { return E_NOTIMPL; }
    HRESULT SetTransform(const GFXMATRIX*) override { return E_NOTIMPL; }
    HRESULT Begin(DWORD flags) override {
        steps.push_back("begin " + std::to_string(flags));
        return S_OK;
    }
    HRESULT Draw(IDirect3DTexture9*, const RECT*, const GFXVECTOR3*, const GFXVECTOR3*, D3DCOLOR) override {
        return S_OK;
    }
    HRESULT Flush() override { return S_OK; }
    HRESULT End() override {
        steps.push_back("end");
        return S_OK;
    }
    HRESULT OnLostDevice() override { return S_OK; }
    HRESULT OnResetDevice() override { return S_OK; }

    std::vector<std::string> steps;
};

class OverlayTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        font_ = new NotingFont;
        sprite_ = new NotingSprite;
    }
    void TearDown() override {
        gfxutil::SafeRelease(font_);
        gfxutil::SafeRelease(sprite_);
    }
    NotingFont* font_ = nullptr;
    NotingSprite* sprite_ = nullptr;
};

TEST_F(OverlayTextTest, LinesStepDownOneLineHeightFromTheInsertionPointUnclipped) {
    app::TextLineWriter writer(font_, sprite_, 15);
    writer.Begin();
    writer.SetInsertionPoint(2, 0);
    EXPECT_EQ(writer.DrawTextLine(u"first"), S_OK);
    EXPECT_EQ(writer.DrawTextLine(u"second"), S_OK);
    writer.End();

    ASSERT_EQ(font_->lines.size(), 2u);
    const DrawnLine& second = font_->lines[1];
    EXPECT_EQ(second.text, u"second");
    EXPECT_EQ(second.count, -1);
    EXPECT_EQ(second.rect.left, 2);
    EXPECT_EQ(second.rect.top, 15);
    EXPECT_EQ(second.rect.right, 0);
    EXPECT_EQ(second.rect.bottom, 0);
    EXPECT_EQ(second.format, DT_NOCLIP);
    EXPECT_EQ(second.sprite, sprite_);
    EXPECT_EQ(second.colour, 0xFFFFFFFFu) << "white until told otherwise";
    EXPECT_EQ(sprite_->steps, (std::vector<std::string>{"begin 48", "end"}));
    EXPECT_EQ(writer.InsertionY(), 30);
}

TEST_F(OverlayTextTest, ColoursClampAndRoundToTheNearestStep) {
    app::TextLineWriter writer(font_, sprite_, 15);
    writer.SetColour(1.5f, -0.2f, 0.5f, 1.0f);
    writer.DrawTextLine(u"x");
    writer.SetColour(0.998f, 0.003f, 0.0019f, 0.25f);
    writer.DrawTextLine(u"x");
    ASSERT_EQ(font_->lines.size(), 2u);
    EXPECT_EQ(font_->lines[0].colour, 0xFFFF0080u);
    EXPECT_EQ(font_->lines[1].colour, 0x40FE0100u);
}

TEST_F(OverlayTextTest, OnlyANegativeHeightIsAFailedDraw) {
    app::TextLineWriter writer(font_, sprite_, 15);
    // An empty text is drawn 0 high, and that is no failure: the next line
    // still goes below it.
    font_->answer = 0;
    EXPECT_EQ(writer.DrawTextLine(u""), S_OK);
    EXPECT_EQ(writer.InsertionY(), 15);
    font_->answer = -1;
    EXPECT_TRUE(FAILED(writer.DrawTextLine(u"lost")));
    EXPECT_EQ(writer.InsertionY(), 15) << "a failed line keeps its place";
}

TEST_F(OverlayTextTest, WithoutASpriteTheFontDrawsAloneAndWithoutAFontNothingIsDrawn) {
    app::TextLineWriter alone(font_, nullptr, 15);
    alone.Begin();
    EXPECT_EQ(alone.DrawTextLine(u"x"), S_OK);
    alone.End();
    EXPECT_EQ(font_->lines.at(0).sprite, nullptr);

    app::TextLineWriter none(nullptr, sprite_, 15);
    none.Begin();
    EXPECT_EQ(none.DrawTextLine(u"x"), E_INVALIDARG);
    none.End();
    EXPECT_EQ(none.InsertionY(), 0);
    EXPECT_EQ(sprite_->steps.size(), 2u) << "the batch is still opened and closed";
}

TEST_F(OverlayTextTest, TheOverlayWritesTheFrameStatisticsInYellowAtTheTopLeft) {
    framework::ResetFrameworkState();
    const std::u16string stats = u"59.94 fps (640x480), X8R8G8B8 (D16)";
    std::copy(stats.begin(), stats.end(), framework::State().Address(&framework::StateFields::frameStats));
    app::ResetScene();
    app::Scene().font = font_;
    app::Scene().sprite = sprite_;
    font_->AddRef();
    sprite_->AddRef();

    app::RenderOverlayText(12.5);
    ASSERT_EQ(font_->lines.size(), 1u);
    EXPECT_EQ(font_->lines[0].text, stats);
    EXPECT_EQ(font_->lines[0].colour, 0xFFFFFF00u);
    EXPECT_EQ(font_->lines[0].rect.left, 2);
    EXPECT_EQ(font_->lines[0].rect.top, 0);
    EXPECT_EQ(font_->lines[0].sprite, sprite_);
    EXPECT_EQ(sprite_->steps, (std::vector<std::string>{"begin 48", "end"}));

    // After an export its summary follows on the next line, in the same colour.
    app::SummariseWrittenMap(ONDREL_SOURCE_DIR "/tests/app/no-such.map");
    app::RenderOverlayText(12.5);
    ASSERT_EQ(font_->lines.size(), 3u);
    EXPECT_EQ(font_->lines[2].text.rfind(u"Exported; the check could not read the map: ", 0), 0u);
    EXPECT_EQ(font_->lines[2].colour, 0xFFFFFF00u);
    EXPECT_EQ(font_->lines[2].rect.left, 2);
    EXPECT_EQ(font_->lines[2].rect.top, font_->lines[1].rect.top + app::kOverlayLineHeight);
    app::ResetExportSummary();
    font_->lines.erase(font_->lines.begin() + 1, font_->lines.end());

    // Without a font (device not yet made) the overlay is skipped quietly.
    app::ResetScene();
    app::RenderOverlayText(0.0);
    EXPECT_EQ(font_->lines.size(), 1u);
    framework::ResetFrameworkState();
}

}  // namespace
}  // namespace ondrel::testing
