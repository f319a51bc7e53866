// Keyboard, mouse and cursor through the window layer, scripted.

#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/scripted/ScriptedPlatformServices.h"
#include "platform/win32/PlatformWindow.h"

using namespace ondrel::platform;
using ondrel::testing::DrainMessages;
using ondrel::testing::PumpMessages;
using ondrel::testing::TestWindow;
using ondrel::testing::TestWindowOptions;

namespace {

class ScriptedInput : public ::testing::Test {
protected:
    void SetUp() override {
        script = &InstallScriptedPlatform();
        window = std::make_unique<TestWindow>();
        ShowWindow(window->Handle(), SW_SHOW);
        PumpMessages();
        window->Clear();
    }
    void TearDown() override {
        window.reset();
        ResetPlatformServices();
    }

    std::vector<std::pair<UINT, WPARAM>> Typed() const {
        std::vector<std::pair<UINT, WPARAM>> typed;
        for (const auto& seen : window->Seen()) {
            if (seen.message >= WM_KEYFIRST && seen.message <= WM_KEYLAST) typed.emplace_back(seen.message, seen.wParam);
        }
        return typed;
    }

    ScriptedPlatformServices* script = nullptr;
    std::unique_ptr<TestWindow> window;
};

using KeyLog = std::vector<std::pair<UINT, WPARAM>>;

}  // namespace

TEST_F(ScriptedInput, TranslatedKeysGiveTheirCharactersRightAfterTheKeyDown) {
    script->PressKey(window->Handle(), 'A', u"a");
    script->ReleaseKey(window->Handle(), 'A');
    script->PressKey(window->Handle(), VK_BACK);
    PumpMessages();
    EXPECT_EQ(Typed(), (KeyLog{{WM_KEYDOWN, 'A'}, {WM_CHAR, u'a'}, {WM_KEYUP, 'A'}, {WM_KEYDOWN, VK_BACK},
                              {WM_CHAR, 0x08}}));

    // Without TranslateMessage there are no characters.
    window->Clear();
    script->PressKey(window->Handle(), 'B', u"b");
    for (const MSG& message : DrainMessages()) DispatchMessageW(&message);
    EXPECT_EQ(Typed(), (KeyLog{{WM_KEYDOWN, 'B'}}));
}

TEST_F(ScriptedInput, ControlLettersAndAltEnterMakeTheirCharacters) {
    script->PressKey(window->Handle(), VK_CONTROL);
    for (int letter : {'A', 'C', 'V', 'X'}) {
        script->PressKey(window->Handle(), letter);
        script->ReleaseKey(window->Handle(), letter);
    }
    script->ReleaseKey(window->Handle(), VK_CONTROL);
    PumpMessages();
    std::vector<WPARAM> characters;
    for (const auto& [message, wParam] : Typed()) {
        if (message == WM_CHAR) characters.push_back(wParam);
    }
    EXPECT_EQ(characters, (std::vector<WPARAM>{0x01, 0x03, 0x16, 0x18}));

    window->Clear();
    script->PressKey(window->Handle(), VK_MENU);
    script->PressKey(window->Handle(), VK_RETURN);
    PumpMessages();
    EXPECT_EQ(Typed(), (KeyLog{{WM_SYSKEYDOWN, VK_MENU}, {WM_SYSKEYDOWN, VK_RETURN}, {WM_SYSCHAR, VK_RETURN}}));
    const auto* sysChar = window->Last(WM_SYSCHAR);
    EXPECT_NE(sysChar->lParam & (LPARAM{1} << 29), 0) << "Alt bit";
}

TEST_F(ScriptedInput, AutoRepeatSetsThePreviousStateBit) {
    script->PressKey(window->Handle(), VK_LEFT);
    script->PressKey(window->Handle(), VK_LEFT);
    PumpMessages();
    ASSERT_EQ(window->Count(WM_KEYDOWN), 2u);
    EXPECT_EQ(window->Seen()[0].lParam & (LPARAM{1} << 30), 0);
    EXPECT_NE(window->Last(WM_KEYDOWN)->lParam & (LPARAM{1} << 30), 0);
}

TEST_F(ScriptedInput, KeyStateFollowsTheMessagesFetched) {
    script->PressKey(window->Handle(), VK_SHIFT);
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0) << "not fetched yet";
    EXPECT_NE(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0) << "the device already has it";
    PumpMessages();
    EXPECT_NE(GetKeyState(VK_SHIFT) & 0x8000, 0);
    EXPECT_NE(GetKeyState(VK_LSHIFT) & 0x8000, 0);
    script->ReleaseKey(window->Handle(), VK_SHIFT);
    PumpMessages();
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0);
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 1, 1) << "one press toggles";

    // The asynchronous low bit means "pressed since the last question".
    script->SetAsyncKeyDown(VK_TAB, true);
    script->SetAsyncKeyDown(VK_TAB, false);
    EXPECT_EQ(GetAsyncKeyState(VK_TAB), 1);
    EXPECT_EQ(GetAsyncKeyState(VK_TAB), 0);

    script->PressButton(window->Handle(), MouseButton::Left, 1, 1);
    EXPECT_NE(GetAsyncKeyState(VK_LBUTTON) & 0x8000, 0);
    PumpMessages();
    EXPECT_NE(GetKeyState(VK_LBUTTON) & 0x8000, 0);
}

TEST_F(ScriptedInput, MouseMessagesCarryClientPointAndButtonState) {
    script->PressKey(window->Handle(), VK_CONTROL);
    script->PressButton(window->Handle(), MouseButton::Right, 12, 34);
    script->MoveMouse(window->Handle(), -3, 40);
    script->ReleaseButton(window->Handle(), MouseButton::Right, -3, 40);
    PumpMessages();
    const auto* down = window->Last(WM_RBUTTONDOWN);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(GET_X_LPARAM(down->lParam), 12);
    EXPECT_EQ(GET_Y_LPARAM(down->lParam), 34);
    EXPECT_EQ(down->wParam, MK_RBUTTON | MK_CONTROL);
    const auto* move = window->Last(WM_MOUSEMOVE);
    EXPECT_EQ(GET_X_LPARAM(move->lParam), -3);
    EXPECT_EQ(move->wParam, MK_RBUTTON | MK_CONTROL);
    EXPECT_EQ(window->Last(WM_RBUTTONUP)->wParam, MK_CONTROL);
    POINT cursor{};
    GetCursorPos(&cursor);
    POINT origin{0, 0};
    ClientToScreen(window->Handle(), &origin);
    EXPECT_EQ(cursor.x, origin.x - 3) << "GetCursorPos is in screen coordinates";
}

TEST_F(ScriptedInput, DoubleClicksOnlyForClassesThatAskForThem) {
    script->PressButton(window->Handle(), MouseButton::Left, 5, 5);
    script->ReleaseButton(window->Handle(), MouseButton::Left, 5, 5);
    script->PressButton(window->Handle(), MouseButton::Left, 5, 5, true);
    PumpMessages();
    EXPECT_EQ(window->CodesAmong({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}));
    window.reset();

    TestWindowOptions plain;
    plain.classStyle = 0;
    window = std::make_unique<TestWindow>(plain);
    script->PressButton(window->Handle(), MouseButton::Left, 5, 5, true);
    PumpMessages();
    EXPECT_EQ(window->Count(WM_LBUTTONDBLCLK), 0u);
    EXPECT_EQ(window->Count(WM_LBUTTONDOWN), 1u);
}

TEST_F(ScriptedInput, WheelDeltaIsInTheHighWordAndThePointOnTheScreen) {
    script->SetCursorPosition(POINT{700, 600});
    script->TurnWheel(window->Handle(), -WHEEL_DELTA);
    PumpMessages();
    const auto* wheel = window->Last(WM_MOUSEWHEEL);
    ASSERT_NE(wheel, nullptr);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel->wParam), -120);
    EXPECT_EQ(GET_X_LPARAM(wheel->lParam), 700);
    EXPECT_EQ(GET_Y_LPARAM(wheel->lParam), 600);
}

TEST_F(ScriptedInput, TheWindowChoosesItsCursorBeforeEachMouseMessage) {
    SetCursor(nullptr);
    EXPECT_FALSE(script->CursorShown());
    script->MoveMouse(window->Handle(), 10, 10);
    PumpMessages();
    EXPECT_EQ(window->CodesAmong({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE}),
              (std::vector<UINT>{WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE}));
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(window->Last(WM_SETCURSOR)->lParam)), HTCLIENT);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW)) << "the class cursor";
    EXPECT_TRUE(script->CursorShown());

    // A window that hides the cursor, as the framework does in full screen.
    window->handler = [](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_SETCURSOR) return std::nullopt;
        SetCursor(nullptr);
        return TRUE;
    };
    script->MoveMouse(window->Handle(), 11, 10);
    PumpMessages();
    EXPECT_FALSE(script->CursorShown());

    // While the mouse is captured the window is not asked.
    window->Clear();
    EXPECT_EQ(SetCapture(window->Handle()), nullptr);
    EXPECT_TRUE(script->MouseCaptured());
    script->MoveMouse(window->Handle(), 12, 10);
    PumpMessages();
    EXPECT_EQ(window->Count(WM_SETCURSOR), 0u);
    EXPECT_EQ(GetCapture(), window->Handle());
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(script->MouseCaptured());
    EXPECT_EQ(window->Count(WM_CAPTURECHANGED), 1u);
}

TEST_F(ScriptedInput, ShowCursorCountsAndClipCursorConfines) {
    EXPECT_EQ(ShowCursor(FALSE), -1);
    EXPECT_FALSE(script->CursorShown());
    EXPECT_EQ(ShowCursor(FALSE), -2);
    EXPECT_EQ(ShowCursor(TRUE), -1);
    EXPECT_FALSE(script->CursorShown());
    EXPECT_EQ(ShowCursor(TRUE), 0);
    EXPECT_TRUE(script->CursorShown());

    RECT area{100, 100, 200, 200};
    ClipCursor(&area);
    ASSERT_TRUE(script->CursorClip().has_value());
    SetCursorPos(500, 50);
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 199);
    EXPECT_EQ(cursor.y, 100);
    ClipCursor(nullptr);
    EXPECT_FALSE(script->CursorClip().has_value());
    RECT whole{};
    GetClipCursor(&whole);
    EXPECT_EQ(whole.right, GetSystemMetrics(SM_CXSCREEN));
}

TEST_F(ScriptedInput, ArrowCursorImageIsAnOpaqueShapeOnAClearGround) {
    CursorImage image{};
    ASSERT_TRUE(GetCursorImage(LoadCursorW(nullptr, IDC_ARROW), &image));
    EXPECT_EQ(image.xHotspot, 0u);
    EXPECT_EQ(image.pixels[0], 0xFF000000u) << "the tip is the outline";
    int opaque = 0;
    int white = 0;
    for (DWORD pixel : image.pixels) {
        if ((pixel >> 24) == 0xFF) ++opaque;
        if (pixel == 0xFFFFFFFFu) ++white;
        EXPECT_TRUE((pixel >> 24) == 0 || (pixel >> 24) == 0xFF);
        if ((pixel >> 24) == 0) {
            EXPECT_EQ(pixel, 0u);
        }
    }
    EXPECT_GT(white, 40);
    EXPECT_LT(opaque, 32 * 32 / 3);
    EXPECT_EQ(image.pixels[31 * 32 + 31], 0u);
    EXPECT_FALSE(GetCursorImage(nullptr, &image));
}
