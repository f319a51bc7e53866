// The edit boxes and a combo box in a real window with real input: typing,
// selecting with Shift+arrows and the mouse, copying between two fields and
// with the system clipboard, and picking from the drop-down list with the
// wheel and a click. Drawn by the OpenGL device, so the selection a person
// sees is checked in the window's pixels.

#include "tests/support/X11Session.h"
#include "tests/support/GlTestDevice.h"
#include "tests/support/TestWindow.h"
#include "framework/FrameTimer.h"
#include "framework/FrameworkState.h"
#include "gui/GuiComboBox.h"
#include "gui/GuiDialog.h"
#include "gui/GuiEditBox.h"
#include "gui/GuiSharedState.h"
#include "gui/GuiTextBufferService.h"
#include "platform/d3d9/D3D9.h"
#include "platform/win32/PlatformServices.h"
#include "platform/win32/WinLibraries.h"
#include "tests/gui/GuiResourceHookup.h"
#include "tests/support/SourceTreeMedia.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace ondrel::testing {
namespace {

constexpr int kFieldA = 1;
constexpr int kFieldB = 2;
constexpr int kCombo = 3;

int comboChanges = 0;
void CountCombo(UINT event, int id, gui::GuiControl*) {
    if (event == gui::ComboBoxSelectionChanged && id == kCombo) ++comboChanges;
}

class GuiControlsX11Test : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HasDisplay()) GTEST_SKIP() << "needs an X display";
        platform::ResetPlatformServices();
        framework::ResetFrameworkState();
        framework::ResetGlobalTimer();
        framework::GetGlobalTimer().Start();
        gui::ResetSharedGuiState();
        gui::LoadTextMeasuring();
        comboChanges = 0;

        TestWindowOptions options;
        options.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
        window_ = std::make_unique<TestWindow>(options);
        window_->handler = [this](UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
            if (dialog_ != nullptr && dialog_->HandleMessage(window_->Handle(), message, wParam, lParam)) return 0;
            return std::nullopt;
        };
        ShowWindow(window_->Handle(), SW_SHOW);
        framework::State().Set(&framework::StateFields::deviceWindowFullScreen, window_->Handle());
        framework::State().Set(&framework::StateFields::deviceWindowWindowed, window_->Handle());

        D3DPRESENT_PARAMETERS pp{};
        ASSERT_NO_FATAL_FAILURE(OpenWindowedGlDevice(window_->Handle(), d3d_, device_, pp));
        width_ = pp.BackBufferWidth;
        height_ = pp.BackBufferHeight;
        gui::GetGlobalResourceManager().SetMediaFinder(&SourceTreeMedia);
        ASSERT_NO_FATAL_FAILURE(ConnectGuiResources(device_));

        dialog_ = std::make_unique<gui::GuiDialog>();
        dialog_->SetCallback(&CountCombo);
        dialog_->SetSize(static_cast<int>(width_), static_cast<int>(height_));
        ASSERT_EQ(dialog_->AddEditBox(kFieldA, u"", 20, 20, 180, 32, false, &fieldA_), S_OK);
        ASSERT_EQ(dialog_->AddEditBox(kFieldB, u"", 20, 70, 180, 32, false, &fieldB_), S_OK);
        ASSERT_EQ(dialog_->AddComboBox(kCombo, 220, 20, 160, 26, 0, false, &combo_), S_OK);
        for (const char16_t* text : {u"640 x 480", u"800 x 600", u"1024 x 768", u"1280 x 720", u"1280 x 1024",
                                     u"1600 x 900", u"1920 x 1080", u"2560 x 1440", u"3840 x 2160"}) {
            ASSERT_EQ(combo_->AppendItem(text, nullptr), S_OK);
        }
        xid_ = XWindowId(window_->Handle());
        ASSERT_FALSE(xid_.empty());
        ASSERT_TRUE(FocusWindow(window_->Handle(), [this] { return window_->Count(WM_ACTIVATEAPP) > 0; }));
        Frame();
    }

    void TearDown() override {
        StopClipboardServer();
        dialog_.reset();
        DisconnectGuiResources();
        if (device_ != nullptr) {
            EXPECT_EQ(device_->Release(), 0u);
        }
        if (d3d_ != nullptr) d3d_->Release();
        window_.reset();
        gui::ResetTextMeasuring();
        gui::ResetSharedGuiState();
        framework::ResetFrameworkState();
        framework::ResetGlobalTimer();
        platform::ResetLibraryTable();
        platform::ResetPlatformServices();
    }

    void Frame() {
        device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF406080, 1.0f, 0);
        ASSERT_EQ(device_->BeginScene(), D3D_OK);
        dialog_->Render(0.05f);
        device_->EndScene();
    }
    // Runs xdotool against our window, then lets the messages arrive.
    void Do(const std::string& arguments, const std::function<bool()>& done) {
        ASSERT_TRUE(Xdotool(arguments)) << arguments;
        EXPECT_TRUE(PumpUntil(done)) << arguments;
        Frame();
    }
    void Settle() {
        PumpUntil([] { return false; }, 150);
        Frame();
    }
    std::string At(int x, int y) {
        return "mousemove --window " + xid_ + " " + std::to_string(x) + " " + std::to_string(y);
    }
    std::string ClickAt(int x, int y) { return At(x, y) + " click 1"; }
    // Pixels of the back buffer inside rect with this colour (RGB).
    int CountColour(const RECT& rect, DWORD rgb) {
        Frame();
        IDirect3DSurface9* backBuffer = nullptr;
        IDirect3DSurface9* memory = nullptr;
        EXPECT_EQ(device_->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer), D3D_OK);
        EXPECT_EQ(device_->CreateOffscreenPlainSurface(width_, height_, D3DFMT_X8R8G8B8, D3DPOOL_SYSTEMMEM, &memory,
                                                       nullptr),
                  D3D_OK);
        int count = 0;
        if (backBuffer != nullptr && memory != nullptr && device_->GetRenderTargetData(backBuffer, memory) == D3D_OK) {
            D3DLOCKED_RECT locked{};
            memory->LockRect(&locked, nullptr, D3DLOCK_READONLY);
            for (LONG y = rect.top; y < rect.bottom; ++y) {
                const auto* row = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits) +
                                                                 y * locked.Pitch);
                for (LONG x = rect.left; x < rect.right; ++x) count += (row[x] & 0xFFFFFF) == rgb ? 1 : 0;
            }
            memory->UnlockRect();
        }
        if (memory != nullptr) memory->Release();
        if (backBuffer != nullptr) backBuffer->Release();
        return count;
    }
    // The system clipboard as another program reads it; our window must
    // keep answering while it asks.
    std::string ReadSystemClipboard() {
        const std::string path = ::testing::TempDir() + "ondrel_clipboard.txt";
        std::remove(path.c_str());
        const std::string command = "(xclip -o -selection clipboard > " + path + ".part 2>/dev/null; mv " + path +
                                    ".part " + path + ") &";
        if (std::system(command.c_str()) != 0) return "<xclip failed>";
        PumpUntil([&] { return std::ifstream(path).good(); });
        std::stringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    }
    void WriteSystemClipboard(const std::string& text) {
        // xclip stays in the foreground serving the text, away from our
        // output so the test's pipe can close; the test ends it by its id.
        const std::string pidFile = ::testing::TempDir() + "ondrel_xclip.pid";
        const std::string command = "printf '%s' '" + text +
                                    "' | xclip -quiet -selection clipboard >/dev/null 2>&1 & echo $! > " + pidFile;
        ASSERT_EQ(std::system(command.c_str()), 0);
        std::ifstream(pidFile) >> xclipPid_;
    }
    void StopClipboardServer() {
        if (xclipPid_ > 0) {
            std::system(("kill " + std::to_string(xclipPid_) + " 2>/dev/null").c_str());
            xclipPid_ = 0;
        }
    }

    std::unique_ptr<TestWindow> window_;
    std::string xid_;
    int xclipPid_ = 0;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
    UINT width_ = 0;
    UINT height_ = 0;
    std::unique_ptr<gui::GuiDialog> dialog_;
    gui::GuiEditBox* fieldA_ = nullptr;
    gui::GuiEditBox* fieldB_ = nullptr;
    gui::GuiComboBox* combo_ = nullptr;
};

std::u16string Text(const gui::GuiEditBox* box) { return box->GetText(); }

TEST_F(GuiControlsX11Test, TypingSelectingAndCopyingBetweenFieldsAndTheSystemClipboard) {
    Do(ClickAt(60, 36), [this] { return gui::GuiDialog::FocusedControl() == fieldA_; });
    Do("type --delay 30 12.5", [this] { return Text(fieldA_) == u"12.5"; });
    EXPECT_EQ(Text(fieldA_), u"12.5");

    // Nothing selected: no selection colour anywhere in the field.
    const DWORD selection = 0x28325C;
    EXPECT_EQ(CountColour(fieldA_->textRect, selection), 0);
    Do("key --delay 30 shift+Left shift+Left", [this] { return fieldA_->selectionStart == 4 && fieldA_->caret == 2; });
    EXPECT_GT(CountColour(fieldA_->textRect, selection), 20) << "the selection is drawn";
    Do("key ctrl+c", [] { return true; });
    Settle();

    Do(ClickAt(60, 86), [this] { return gui::GuiDialog::FocusedControl() == fieldB_; });
    Do("key ctrl+v", [this] { return Text(fieldB_) == u".5"; });
    EXPECT_EQ(Text(fieldB_), u".5");

    // Select B's text with the mouse and read it from the system clipboard.
    Do(At(fieldB_->textRect.left - 2, 86) + " mousedown 1 " + At(fieldB_->textRect.right - 2, 86) + " mouseup 1",
       [this] { return fieldB_->caret == 2 && fieldB_->selectionStart == 0; });
    Do("key ctrl+c", [] { return true; });
    EXPECT_EQ(ReadSystemClipboard(), ".5");

    // And the other way: what another program copied lands in field A.
    WriteSystemClipboard("40");
    Do(ClickAt(60, 36), [this] { return gui::GuiDialog::FocusedControl() == fieldA_; });
    Do("key End ctrl+a ctrl+v", [this] { return Text(fieldA_) == u"40"; });
    EXPECT_EQ(Text(fieldA_), u"40");
}

TEST_F(GuiControlsX11Test, OpeningTheComboBoxAndPickingWithTheWheelAndAClick) {
    Do(ClickAt(280, 32), [this] { return combo_->opened; });
    ASSERT_TRUE(combo_->opened);
    Frame();
    const int page = combo_->scrollBar.PageSize();
    ASSERT_LT(page, combo_->ItemCount());
    // Wheel down over the list scrolls it.
    const RECT& list = combo_->dropdownRect;
    Do(At((list.left + list.right) / 2, (list.top + list.bottom) / 2) + " click 5",
       [this] { return combo_->scrollBar.TrackPosition() > 0; });
    EXPECT_EQ(combo_->scrollBar.TrackPosition(), combo_->ItemCount() - page);
    Frame();
    const int last = combo_->ItemCount() - 1;
    ASSERT_TRUE(combo_->ItemAt(last)->visible);
    const RECT& row = combo_->ItemAt(last)->activeRect;
    Do(ClickAt((row.left + row.right) / 2, (row.top + row.bottom) / 2), [this] { return !combo_->opened; });
    EXPECT_EQ(combo_->selected, last);
    EXPECT_EQ(comboChanges, 1);

    // Closed, the wheel steps the selection back up.
    Do(At(280, 32) + " click 4", [this, last] { return combo_->selected == last - 1; });
    EXPECT_EQ(combo_->selected, last - 1);
}

}  // namespace
}  // namespace ondrel::testing
