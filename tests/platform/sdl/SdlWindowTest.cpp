// The SDL backend in a real X window, driven by xdotool as a person would:
// what arrives at the window procedure for clicks, typing and the wheel,
// what the window system shows, and the clipboard.

#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <csignal>

#include "tests/support/TestWindow.h"
#include "tests/support/X11Session.h"
#include "platform/sdl/SdlWindowHandle.h"
#include "platform/win32/PlatformServices.h"

using namespace ondrel::testing;

namespace {

class SdlWindow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HasDisplay()) GTEST_SKIP() << "needs an X server (DISPLAY)";
        ondrel::platform::ResetPlatformServices();
        TestWindowOptions options;
        options.x = 120;
        options.y = 90;
        options.width = 400;
        options.height = 300;
        window = std::make_unique<TestWindow>(options);
        ASSERT_NE(window->Handle(), nullptr);
    }
    void TearDown() override {
        window.reset();
        ondrel::platform::ResetPlatformServices();
    }

    void ShowAndFocus() {
        ShowWindow(window->Handle(), SW_SHOW);
        ASSERT_TRUE(FocusWindow(window->Handle(), [&] { return window->Count(WM_ACTIVATEAPP) > 0; }));
        window->Clear();
    }

    bool Saw(UINT message) { return PumpUntil([&] { return window->Count(message) > 0; }); }

    std::string Id() const { return XWindowId(window->Handle()); }

    std::unique_ptr<TestWindow> window;
};

}  // namespace

TEST_F(SdlWindow, WindowsAreOpenGlCapableAndHiddenUntilShown) {
    SDL_Window* native = SdlWindowOf(window->Handle());
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(HwndOfSdlWindow(native), window->Handle());
    EXPECT_EQ(SdlWindowOf(nullptr), nullptr);
    Uint32 flags = SDL_GetWindowFlags(native);
    EXPECT_TRUE(flags & SDL_WINDOW_OPENGL);
    EXPECT_TRUE(flags & SDL_WINDOW_HIDDEN);
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(FindVisibleWindow("Ondrel test"), "") << "nothing on screen yet";

    ShowAndFocus();
    EXPECT_FALSE(SDL_GetWindowFlags(native) & SDL_WINDOW_HIDDEN);
    RECT client{};
    GetClientRect(window->Handle(), &client);
    int width = 0, height = 0;
    SDL_GetWindowSize(native, &width, &height);
    EXPECT_EQ(client.right, width);
    EXPECT_EQ(client.bottom, height);

    HWND handle = window->Handle();
    window.reset();
    EXPECT_EQ(SdlWindowOf(handle), nullptr);
    EXPECT_TRUE(PumpUntil([] { return FindVisibleWindow("Ondrel test").empty(); }));
}

TEST_F(SdlWindow, ClicksArriveAsButtonMessagesAtClientCoordinates) {
    ShowAndFocus();
    ASSERT_TRUE(Xdotool("mousemove --sync --window " + Id() + " 40 50 click 1"));
    ASSERT_TRUE(Saw(WM_LBUTTONUP));
    const SeenMessage* down = window->Last(WM_LBUTTONDOWN);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(GET_X_LPARAM(down->lParam), 40);
    EXPECT_EQ(GET_Y_LPARAM(down->lParam), 50);
    EXPECT_EQ(down->wParam, MK_LBUTTON);
    EXPECT_EQ(window->Last(WM_LBUTTONUP)->wParam, 0u);
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(window->Last(WM_SETCURSOR)->lParam)), HTCLIENT);
    POINT cursor{};
    GetCursorPos(&cursor);
    POINT origin{0, 0};
    ClientToScreen(window->Handle(), &origin);
    EXPECT_EQ(cursor.x - origin.x, 40);
    EXPECT_EQ(cursor.y - origin.y, 50);

    ASSERT_TRUE(Xdotool("mousemove --sync --window " + Id() + " 300 7 click 3"));
    ASSERT_TRUE(Saw(WM_RBUTTONUP));
    EXPECT_EQ(GET_X_LPARAM(window->Last(WM_RBUTTONDOWN)->lParam), 300);
    EXPECT_EQ(GET_Y_LPARAM(window->Last(WM_RBUTTONDOWN)->lParam), 7);
    EXPECT_EQ(window->Last(WM_RBUTTONDOWN)->wParam, MK_RBUTTON);
}

TEST_F(SdlWindow, ADoubleClickGivesTheDoubleClickMessage) {
    ShowAndFocus();
    // Away from earlier clicks in place and time, so the run starts afresh.
    ASSERT_TRUE(Xdotool("mousemove --sync --window " + Id() + " 350 250 sleep 0.6 click --repeat 2 --delay 60 1"));
    ASSERT_TRUE(PumpUntil([&] { return window->Count(WM_LBUTTONUP) == 2; }));
    EXPECT_EQ(window->CodesAmong({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
}

TEST_F(SdlWindow, TheWheelGivesItsDeltaPerNotch) {
    ShowAndFocus();
    ASSERT_TRUE(Xdotool("mousemove --sync --window " + Id() + " 100 100 click 5"));
    ASSERT_TRUE(Saw(WM_MOUSEWHEEL));
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(window->Last(WM_MOUSEWHEEL)->wParam), -WHEEL_DELTA);
    window->Clear();
    ASSERT_TRUE(Xdotool("click 4"));
    ASSERT_TRUE(Saw(WM_MOUSEWHEEL));
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(window->Last(WM_MOUSEWHEEL)->wParam), WHEEL_DELTA);
}

TEST_F(SdlWindow, TypingGivesKeyDownsFollowedByCharacters) {
    ShowAndFocus();
    ASSERT_TRUE(Xdotool("type --delay 30 'a7'"));
    ASSERT_TRUE(PumpUntil([&] { return window->Count(WM_CHAR) == 2; }));
    std::vector<std::pair<UINT, WPARAM>> typed;
    for (const SeenMessage& seen : window->Seen()) {
        if (seen.message == WM_KEYDOWN || seen.message == WM_CHAR) typed.emplace_back(seen.message, seen.wParam);
    }
    EXPECT_EQ(typed, (std::vector<std::pair<UINT, WPARAM>>{
                         {WM_KEYDOWN, 'A'}, {WM_CHAR, u'a'}, {WM_KEYDOWN, '7'}, {WM_CHAR, u'7'}}));
    const SeenMessage* keyDown = window->Last(WM_KEYDOWN);
    EXPECT_EQ((keyDown->lParam >> 16) & 0xFF, 0x08) << "the 7 key's scan code";

    window->Clear();
    ASSERT_TRUE(Xdotool("key ctrl+c Return BackSpace"));
    ASSERT_TRUE(PumpUntil([&] { return window->Count(WM_CHAR) == 3; }));
    std::vector<WPARAM> characters;
    for (const SeenMessage& seen : window->Seen()) {
        if (seen.message == WM_CHAR) characters.push_back(seen.wParam);
    }
    EXPECT_EQ(characters, (std::vector<WPARAM>{0x03, 0x0D, 0x08}));
    EXPECT_EQ(GetKeyState(VK_CONTROL) & 0x8000, 0);
}

TEST_F(SdlWindow, AltEnterIsASystemCharacterWithTheAltBit) {
    ShowAndFocus();
    ASSERT_TRUE(Xdotool("key alt+Return"));
    ASSERT_TRUE(Saw(WM_SYSCHAR));
    const SeenMessage* sysChar = window->Last(WM_SYSCHAR);
    EXPECT_EQ(sysChar->wParam, static_cast<WPARAM>(VK_RETURN));
    EXPECT_NE(sysChar->lParam & (LPARAM{1} << 29), 0);
    EXPECT_EQ(window->Count(WM_CHAR), 0u);
    const SeenMessage* sysKey = window->Last(WM_SYSKEYDOWN);
    ASSERT_NE(sysKey, nullptr);
    EXPECT_EQ(sysKey->wParam, static_cast<WPARAM>(VK_RETURN));
}

TEST_F(SdlWindow, TheMinimumTrackingSizeHoldsAgainstProgramAndUser) {
    ShowAndFocus();
    SetWindowPos(window->Handle(), nullptr, 0, 0, 60, 60, SWP_NOMOVE | SWP_NOZORDER);
    RECT outer{};
    GetWindowRect(window->Handle(), &outer);
    EXPECT_GE(outer.right - outer.left, 200);
    EXPECT_GE(outer.bottom - outer.top, 200);
    int width = 0, height = 0;
    SDL_GetWindowMinimumSize(SdlWindowOf(window->Handle()), &width, &height);
    EXPECT_GT(width, 0);
    EXPECT_LE(width, 200);
}

TEST_F(SdlWindow, AResizeFromOutsideIsADragWithItsNewSize) {
    ShowAndFocus();
    ASSERT_TRUE(Xdotool("windowsize --sync " + Id() + " 500 350"));
    ASSERT_TRUE(Saw(WM_EXITSIZEMOVE));
    EXPECT_EQ(window->CodesAmong({WM_ENTERSIZEMOVE, WM_SIZE, WM_EXITSIZEMOVE}),
              (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_SIZE, WM_EXITSIZEMOVE}));
    EXPECT_EQ(window->Last(WM_SIZE)->lParam, MAKELPARAM(500, 350));
    EXPECT_EQ(window->Last(WM_SIZE)->wParam, SIZE_RESTORED);
}

TEST_F(SdlWindow, FullScreenChangesBySdlAreNoDrags) {
    ShowAndFocus();
    SDL_Window* native = SdlWindowOf(window->Handle());
    ASSERT_EQ(SDL_SetWindowFullscreen(native, SDL_WINDOW_FULLSCREEN_DESKTOP), 0);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window->Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    LONG screenWidth = monitor.rcMonitor.right - monitor.rcMonitor.left;
    ASSERT_TRUE(PumpUntil([&] {
        const SeenMessage* size = window->Last(WM_SIZE);
        return size != nullptr && LOWORD(static_cast<std::uintptr_t>(size->lParam)) == screenWidth;
    }));

    // Back to a window, placed by the program as the framework does.
    SDL_SetWindowFullscreen(native, 0);
    RECT outer{0, 0, 400, 300};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
    SetWindowPos(window->Handle(), HWND_NOTOPMOST, 120, 90, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_SHOWWINDOW);
    PumpUntil([] { return false; }, 300);
    RECT client{};
    GetClientRect(window->Handle(), &client);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(window->Last(WM_SIZE)->lParam)), 400);
    EXPECT_EQ(window->Count(WM_ENTERSIZEMOVE), 0u);
}

TEST_F(SdlWindow, DropsAndCloseRequestsFromTheWindowSystemBecomeMessages) {
    ShowAndFocus();
    Uint32 id = SDL_GetWindowID(SdlWindowOf(window->Handle()));
    SDL_Event drop{};
    drop.type = SDL_DROPFILE;
    drop.drop.windowID = id;
    drop.drop.file = SDL_strdup("/tmp/Facility \xC3\xA9.bin");
    ASSERT_EQ(SDL_PushEvent(&drop), 1);
    ASSERT_TRUE(Saw(WM_ONDREL_DROPFILE));
    EXPECT_EQ(window->DroppedPath(), u"/tmp/Facility \u00e9.bin");

    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = id;
    ASSERT_EQ(SDL_PushEvent(&close), 1);
    HWND handle = window->Handle();
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(handle); }));
    EXPECT_EQ(window->CodesAmong({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}),
              (std::vector<UINT>{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}));
    MSG quit{};
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// SDL turns SIGTERM and SIGINT into its quit event; the program must then end
// as when its windows' close buttons are pressed, every top-level window
// asked once per signal.
TEST_F(SdlWindow, TerminationSignalsAskEveryWindowToClose) {
    ASSERT_TRUE(SDL_WasInit(SDL_INIT_EVENTS)) << "SDL's signal handlers come with its event queue";
    TestWindowOptions otherOptions;
    otherOptions.x = 560;
    otherOptions.quitOnDestroy = false;
    TestWindow other(otherOptions);
    HWND first = window->Handle();
    HWND second = other.Handle();
    ShowWindow(second, SW_SHOW);

    // The first window refuses, so that the next signal is seen to ask again.
    window->handler = [](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_CLOSE) return 0;
        return std::nullopt;
    };
    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(second); }));
    EXPECT_EQ(other.CodesAmong({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}),
              (std::vector<UINT>{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}));
    EXPECT_EQ(window->Count(WM_CLOSE), 1u);
    ASSERT_TRUE(IsWindow(first));

    window->handler = nullptr;
    // A second signal while the first is still pending is the same request.
    ASSERT_EQ(std::raise(SIGINT), 0);
    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(first); }));
    EXPECT_EQ(window->Count(WM_CLOSE), 2u);
    MSG quit{};
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    // Once nothing is left to close, a late signal finds nothing to do.
    ASSERT_EQ(std::raise(SIGTERM), 0);
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(window->Count(WM_CLOSE), 2u);
}

TEST_F(SdlWindow, ClipboardTextRoundTrips) {
    std::u16string text = u"Extrude 5.0 \u00e9\U0001F600";
    ASSERT_TRUE(OpenClipboard(window->Handle()));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(WCHAR));
    std::copy(text.begin(), text.end() + 1, static_cast<WCHAR*>(GlobalLock(block)));
    GlobalUnlock(block);
    ASSERT_NE(SetClipboardData(CF_UNICODETEXT, block), nullptr);
    CloseClipboard();

    ASSERT_TRUE(OpenClipboard(window->Handle()));
    HANDLE pasted = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(std::u16string(static_cast<const WCHAR*>(GlobalLock(pasted))), text);
    GlobalUnlock(pasted);
    CloseClipboard();
}

TEST_F(SdlWindow, TheWindowsMonitorContainsIt) {
    ShowAndFocus();
    HMONITOR monitor = MonitorFromWindow(window->Handle(), MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetMonitorInfoW(monitor, &info));
    RECT outer{};
    GetWindowRect(window->Handle(), &outer);
    EXPECT_LE(info.rcMonitor.left, outer.left);
    EXPECT_GE(info.rcMonitor.right, outer.right);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), info.rcMonitor.right - info.rcMonitor.left);
    DEVMODEW mode{};
    ASSERT_TRUE(EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode));
    EXPECT_EQ(static_cast<LONG>(mode.dmPelsWidth), info.rcMonitor.right - info.rcMonitor.left);
}
