// One dialog with every control in every state, drawn on the OpenGL device
// offscreen and compared with the committed picture. The picture is what a
// person checked by eye; set ONDREL_UPDATE_REFERENCE=1 to write a new one.

#include <gtest/gtest.h>

#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "tools/skingen/PngFile.h"
#include "gfxutil/Image.h"
#include "gui/GuiButton.h"
#include "gui/GuiCheckBox.h"
#include "gui/GuiComboBox.h"
#include "gui/GuiDialog.h"
#include "gui/GuiEditBox.h"
#include "gui/GuiRadioButton.h"
#include "gui/GuiResourceManager.h"
#include "gui/GuiScrollBar.h"
#include "gui/GuiSharedState.h"
#include "gui/GuiStatic.h"
#include "platform/d3d9/D3D9.h"
#include "platform/scripted/ScriptedPlatformServices.h"
#include "tests/support/GlTestDevice.h"
#include "tests/gui/GuiResourceHookup.h"

namespace ondrel::testing {
namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 400;
constexpr char kReference[] = ONDREL_SOURCE_DIR "/tests/gui/reference/control_sheet.png";

std::unique_ptr<gfxutil::Image> ReadPng(const char* path) {
    int w = 0, h = 0, channels = 0;
    unsigned char* rgba = stbi_load(path, &w, &h, &channels, 4);
    if (rgba == nullptr) return nullptr;
    auto image = std::make_unique<gfxutil::Image>(w, h);
    for (int i = 0; i < w * h; ++i) {
        const unsigned char* p = rgba + 4 * i;
        image->pixels[static_cast<std::size_t>(i)] = 0xFF000000u | (std::uint32_t{p[0]} << 16) |
                                                     (std::uint32_t{p[1]} << 8) | std::uint32_t{p[2]};
    }
    stbi_image_free(rgba);
    return image;
}

// Pixels whose channels differ by more than the tolerance: drivers may
// round blends and glyph edges slightly differently.
int DifferingPixels(const gfxutil::Image& a, const gfxutil::Image& b, int tolerance) {
    int differing = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        for (int shift : {16, 8, 0}) {
            const int d = static_cast<int>((a.pixels[i] >> shift) & 0xFF) - static_cast<int>((b.pixels[i] >> shift) & 0xFF);
            if (d > tolerance || d < -tolerance) {
                ++differing;
                break;
            }
        }
    }
    return differing;
}

class ControlSheetTest : public GlDeviceFixture {
protected:
    ControlSheetTest()
        : GlDeviceFixture(GlTarget{kWidth, kHeight, false, D3DCREATE_SOFTWARE_VERTEXPROCESSING, false}) {}

    void SetUp() override {
        // The controls ask the window system for the time and the keys; a
        // scripted one keeps the picture the same on every run.
        platform::InstallScriptedPlatform();
        GlDeviceFixture::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        gui::ResetSharedGuiState();
        dialog_ = std::make_unique<gui::GuiDialog>();
        ASSERT_NO_FATAL_FAILURE(ConnectGuiResources(device_));
    }
    void TearDown() override {
        dialog_.reset();
        DisconnectGuiResources();
        gui::ResetSharedGuiState();
        GlDeviceFixture::TearDown();
        platform::ResetPlatformServices();
    }

    // Columns: normal, disabled, focus, mouse over, pressed.
    template <class Control>
    void InStates(Control* (&row)[5]) {
        row[1]->SetEnabled(false);
        row[2]->hasFocus = true;
        row[3]->mouseOver = true;
        row[4]->pressed = true;
    }

    void BuildSheet() {
        dialog_->SetLocation(10, 10);
        dialog_->SetSize(540, 380);
        dialog_->EnableCaption(true);
        dialog_->SetCaptionText(u"Control sheet");
        dialog_->SetBackgroundColours(0xC0203050, 0xC0203050, 0xC0506080, 0xC0506080);
        const char16_t* names[5] = {u"Normal", u"Disabled", u"Focus", u"Over", u"Pressed"};
        for (int c = 0; c < 5; ++c) dialog_->AddStatic(100 + c, names[c], 10 + 105 * c, 0, 100, 18);
        gui::GuiStatic* disabledLabel = nullptr;
        dialog_->AddStatic(110, u"Disabled label", 10, 330, 150, 18, false, &disabledLabel);
        disabledLabel->SetEnabled(false);

        gui::GuiButton* buttons[5];
        gui::GuiCheckBox* checks[5];
        gui::GuiCheckBox* checked[5];
        gui::GuiRadioButton* radios[5];
        gui::GuiRadioButton* chosen[5];
        for (int c = 0; c < 5; ++c) {
            const int x = 10 + 105 * c;
            dialog_->AddButton(1 + c, u"Button", x, 22, 95, 30, 0, false, &buttons[c]);
            dialog_->AddCheckBox(10 + c, u"Check", x, 62, 95, 22, false, 0, false, &checks[c]);
            dialog_->AddCheckBox(20 + c, u"Checked", x, 90, 95, 22, true, 0, false, &checked[c]);
            dialog_->AddRadioButton(30 + c, 30 + c, u"Radio", x, 118, 95, 22, false, 0, false, &radios[c]);
            dialog_->AddRadioButton(40 + c, 40 + c, u"Chosen", x, 146, 95, 22, true, 0, false, &chosen[c]);
        }
        InStates(buttons);
        InStates(checks);
        InStates(checked);
        InStates(radios);
        InStates(chosen);

        gui::GuiEditBox* edit = nullptr;
        gui::GuiEditBox* editOff = nullptr;
        dialog_->AddEditBox(60, u"Edit box text", 10, 180, 200, 32, false, &edit);
        dialog_->AddEditBox(61, u"Disabled edit box", 220, 180, 200, 32, false, &editOff);
        editOff->SetEnabled(false);
        gui::GuiComboBox* combo = nullptr;
        gui::GuiComboBox* comboOff = nullptr;
        dialog_->AddComboBox(70, 10, 224, 200, 26, 0, false, &combo);
        dialog_->AddComboBox(71, 220, 224, 200, 26, 0, false, &comboOff);
        for (gui::GuiComboBox* box : {combo, comboOff}) {
            box->AppendItem(u"First item", nullptr);
            box->AppendItem(u"Second item", nullptr);
        }
        comboOff->SetEnabled(false);
        auto* bar = new gui::GuiScrollBar(dialog_.get());
        ASSERT_EQ(dialog_->AdoptControl(bar), S_OK);
        gui::GuiDialog::PlaceControl(bar, 80, 440, 180, 18, 140, false);
        bar->SetRange(0, 10);
        bar->SetPageSize(3);
    }

    gfxutil::Image Draw() {
        for (int frame = 0; frame < 40; ++frame) {
            device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF101010, 1.0f, 0);
            device_->BeginScene();
            dialog_->Render(0.1f);
            device_->EndScene();
        }
        return ToImage(Screenshot());
    }

    std::unique_ptr<gui::GuiDialog> dialog_;
};

TEST_F(ControlSheetTest, EveryControlInEveryStateLooksAsCommitted) {
    BuildSheet();
    const gfxutil::Image image = Draw();
    KeepScreenshot(image, "control_sheet");
    if (std::getenv("ONDREL_UPDATE_REFERENCE") != nullptr) {
        ASSERT_TRUE(skingen::WritePng(kReference, image));
        GTEST_SKIP() << "reference written";
    }
    const auto reference = ReadPng(kReference);
    ASSERT_NE(reference, nullptr) << "missing " << kReference;
    ASSERT_EQ(reference->width, kWidth);
    ASSERT_EQ(reference->height, kHeight);
    // A few glyph-edge pixels may round differently; a moved or missing
    // control changes thousands.
    EXPECT_LT(DifferingPixels(image, *reference, 8), 200);
}

// The dialog's own blending reaches the picture: the background is
// translucent over what was drawn before, and a normal button face (alpha
// 0x96) lets the background through.
TEST_F(ControlSheetTest, BackgroundAndButtonFacesAreTranslucent) {
    dialog_->SetSize(200, 100);
    dialog_->SetBackgroundColours(0x80FFFFFF);
    dialog_->AddButton(1, u"", 100, 20, 90, 40);
    const gfxutil::Image image = Draw();
    const std::uint32_t background = image.At(50, 50) & 0xFF;
    EXPECT_GT(background, 0x70u);
    EXPECT_LT(background, 0x90u) << "half white over 0x10";
    EXPECT_EQ(image.At(300, 300) & 0xFFFFFF, 0x101010u);
    const std::uint32_t face = image.At(145, 40);
    EXPECT_NE(face & 0xFFFFFF, 0xFFFFFFu);
}

}  // namespace
}  // namespace ondrel::testing
