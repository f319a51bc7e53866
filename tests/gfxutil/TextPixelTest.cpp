// Text as a person sees it: drawn by the OpenGL device and read back.

#include "tests/support/GlTestDevice.h"
#include "gfxutil/GfxFont.h"

#include <algorithm>

namespace {

using ondrel::testing::LitBox;
using ondrel::testing::PixelBox;

constexpr D3DCOLOR kBackground = 0xFF000000;
constexpr RECT kBox{40, 40, 280, 200};

class TextPixelTest : public ondrel::testing::GlFrameTest {
protected:
    void SetUp() override {
        GlFrameTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        font_ = Create(28, FW_NORMAL);
        ASSERT_NE(font_, nullptr);
    }
    void TearDown() override {
        if (font_ != nullptr) {
            font_->Release();
        }
        GlFrameTest::TearDown();
    }
    IGfxFont* Create(int height, UINT weight) {
        IGfxFont* font = nullptr;
        GfxCreateFontW(device_, height, 0, weight, 1, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH, u"Arial", &font);
        return font;
    }
    gfxutil::Image Drawn(const char16_t* text, RECT box, DWORD format, D3DCOLOR colour) {
        BeginFrame(kBackground);
        font_->DrawTextW(nullptr, text, -1, &box, format, colour);
        return EndFrame();
    }
    IGfxFont* font_ = nullptr;
};

TEST_F(TextPixelTest, EachAlignmentPutsTheTextWhereTheFlagsSay) {
    struct Case {
        DWORD format;
        const char* name;
    };
    const Case cases[] = {
        {DT_LEFT | DT_TOP, "left-top"},
        {DT_CENTER | DT_TOP, "centre-top"},
        {DT_RIGHT | DT_TOP, "right-top"},
        {DT_LEFT | DT_VCENTER, "left-vcentre"},
        {DT_CENTER | DT_VCENTER, "centre-vcentre"},
        {DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, "right-bottom"},
    };
    for (const Case& c : cases) {
        RECT measured = kBox;
        font_->DrawTextW(nullptr, u"Hg", -1, &measured, c.format | DT_CALCRECT, 0);
        const int w = measured.right - measured.left;
        const int h = measured.bottom - measured.top;
        const int x0 = (c.format & DT_CENTER) != 0  ? kBox.left + (kBox.right - kBox.left - w) / 2
                       : (c.format & DT_RIGHT) != 0 ? kBox.right - w
                                                    : kBox.left;
        const int y0 = (c.format & DT_VCENTER) != 0  ? kBox.top + (kBox.bottom - kBox.top - h) / 2
                       : (c.format & DT_BOTTOM) != 0 ? kBox.bottom - h
                                                     : kBox.top;
        const gfxutil::Image image = Drawn(u"Hg", kBox, c.format, 0xFFFFFFFF);
        ondrel::testing::KeepScreenshot(image, std::string("text-") + c.name);
        const PixelBox lit = LitBox(image, kBackground);
        ASSERT_FALSE(lit.empty) << c.name;
        // Inside the text's cell, and filling it but for the side bearings
        // and the space above the capitals.
        EXPECT_GE(lit.left, x0) << c.name;
        EXPECT_LE(lit.left, x0 + 4) << c.name;
        EXPECT_LE(lit.right, x0 + w + 1) << c.name;
        EXPECT_GE(lit.right, x0 + w - 3) << c.name;
        EXPECT_GE(lit.top, y0) << c.name;
        EXPECT_LE(lit.top, y0 + 8) << c.name;
        EXPECT_LE(lit.bottom, y0 + h) << c.name;
        EXPECT_GE(lit.bottom, y0 + h - 5) << c.name;
    }
}

TEST_F(TextPixelTest, GlyphsTakeTheTextColourAndItsAlpha) {
    auto brightest = [](const gfxutil::Image& image, int shift) {
        std::uint32_t best = 0;
        for (std::uint32_t p : image.pixels) {
            if (((p >> shift) & 0xFF) > ((best >> shift) & 0xFF)) {
                best = p;
            }
        }
        return best & 0xFFFFFFu;
    };
    const auto green = Drawn(u"M", kBox, DT_NOCLIP, 0xFF20C040);
    const std::uint32_t core = brightest(green, 8);
    EXPECT_NEAR(static_cast<int>((core >> 16) & 0xFF), 0x20, 2);
    EXPECT_NEAR(static_cast<int>((core >> 8) & 0xFF), 0xC0, 2);
    EXPECT_NEAR(static_cast<int>(core & 0xFF), 0x40, 2);
    const auto faint = Drawn(u"M", kBox, DT_NOCLIP, 0x80FFFFFF);
    EXPECT_NEAR(static_cast<int>(brightest(faint, 8) & 0xFF), 0x80, 3);
}

TEST_F(TextPixelTest, TextIsClippedToItsRectangleUnlessNoClip) {
    const RECT small{100, 100, 140, 120};
    const auto clipped = Drawn(u"Clipped text here", small, DT_LEFT | DT_TOP, 0xFFFFFFFF);
    const PixelBox inside = LitBox(clipped, kBackground);
    ASSERT_FALSE(inside.empty);
    EXPECT_GE(inside.left, 100);
    EXPECT_GE(inside.top, 100);
    EXPECT_LE(inside.right, 140);
    EXPECT_LE(inside.bottom, 120);
    EXPECT_GE(inside.right, 136);  // cut at the edge, not dropped whole

    const auto free = Drawn(u"Clipped text here", small, DT_LEFT | DT_TOP | DT_NOCLIP, 0xFFFFFFFF);
    const PixelBox beyond = LitBox(free, kBackground);
    EXPECT_GT(beyond.right, 200);
    EXPECT_GT(beyond.bottom, 120);
}

TEST_F(TextPixelTest, ArialAt14And28PixelsForTheEye) {
    IGfxFont* small = Create(14, FW_NORMAL);
    IGfxFont* bold = Create(15, FW_BOLD);
    ASSERT_NE(small, nullptr);
    ASSERT_NE(bold, nullptr);
    BeginFrame(0xFF004040);
    RECT line{8, 8, 312, 30};
    small->DrawTextW(nullptr, u"Arial 14: Import\u2026 Export\u2026 (Tris) 5.0", -1, &line, DT_NOCLIP, 0xFFFFFFFF);
    line = RECT{8, 28, 312, 50};
    bold->DrawTextW(nullptr, u"59.98 fps (320x240), X8R8G8B8", -1, &line, DT_NOCLIP, 0xFFFFFF00);
    line = RECT{8, 56, 312, 100};
    font_->DrawTextW(nullptr, u"Arial 28: Scale 40", -1, &line, DT_NOCLIP, 0xFFFFFFFF);
    line = RECT{8, 100, 312, 230};
    font_->DrawTextW(nullptr, u"Centred in a box\nsecond line", -1, &line, DT_CENTER | DT_VCENTER, 0xFF9FD0FF);
    const auto image = EndFrame();
    ondrel::testing::KeepScreenshot(image, "text-arial-14-28");
    EXPECT_FALSE(LitBox(image, 0xFF004040).empty);
    small->Release();
    bold->Release();
}

}  // namespace
