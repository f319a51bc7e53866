// The window procedure's message table and keys, and frames of the loop, on
// the scripted platform with a recording device put in place by hand (the
// lifecycle's own steps are tested with the lifecycle).

#include <vector>

#include "tests/framework/FrameworkFixture.h"

namespace ondrel::testing {
namespace {

using namespace ondrel::framework;

struct Seen {
    std::vector<UINT> keysDown;
    std::vector<UINT> messages;
    int frameMoves = 0;
    int frameRenders = 0;
    std::vector<float> elapsed;
    bool swallow = false;
};
Seen seen;

void OnKey(UINT key, bool down, bool) {
    if (down) seen.keysDown.push_back(key);
}
LRESULT OnMessage(HWND, UINT message, WPARAM, LPARAM, bool* noFurther) {
    seen.messages.push_back(message);
    *noFurther = seen.swallow;
    return 42;
}
void OnFrameMove(IDirect3DDevice9*, double, float elapsed) {
    ++seen.frameMoves;
    seen.elapsed.push_back(elapsed);
}
void OnFrameRender(IDirect3DDevice9*, double, float) { ++seen.frameRenders; }

class WindowAndLoop : public FrameworkFixture {
protected:
    WindowAndLoop() {
        seen = {};
        SetKeyPressedCallback(OnKey);
        SetWindowMessageCallback(OnMessage);
        SetFrameMoveCallback(OnFrameMove);
        SetFrameRenderCallback(OnFrameRender);
    }
    // Through the real lifecycle on the recording machine, which also offers
    // a reference device so F3 has somewhere to go.
    void MakeWindowAndDevice(std::u16string commandLine = u"viewer.exe") {
        platform::SetCommandLineForTesting(std::move(commandLine));
        world_->Catalogue().adapters[0].devices.push_back(graphics::TypicalDeviceSupport(D3DDEVTYPE_REF));
        ASSERT_EQ(CreateAppWindow(u"Test", nullptr, nullptr, nullptr, CW_USEDEFAULT, CW_USEDEFAULT), S_OK);
        window_ = State().Get(&StateFields::focusWindow);
        ASSERT_EQ(CreateDevice(0, true, 640, 480, nullptr, nullptr), S_OK);
        ASSERT_TRUE(IsWindowVisible(window_));
        world_->ClearCalls();
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return WindowProcedure(window_, message, wParam, lParam);
    }

    HWND window_ = nullptr;
};

TEST_F(WindowAndLoop, WindowTakesItsSizeAndPlaceFromTheCommandLine) {
    platform::SetCommandLineForTesting(u"viewer.exe -width:800 -height:600 -startx:30 -starty:40");
    ASSERT_EQ(CreateAppWindow(u"Sized", nullptr, nullptr, nullptr, CW_USEDEFAULT, CW_USEDEFAULT), S_OK);
    RECT client = GetWindowClientRect();
    EXPECT_EQ(client.right - client.left, 800);
    EXPECT_EQ(client.bottom - client.top, 600);
    RECT bounds = State().Get(&StateFields::windowedWindowRect);
    EXPECT_EQ(bounds.left, 30);
    EXPECT_EQ(bounds.top, 40);
    EXPECT_FALSE(State().Get(&StateFields::centerWindowOnMonitor));
    EXPECT_EQ(std::u16string(State().Address(&StateFields::windowTitle)), u"Sized");
    // A second call changes nothing.
    EXPECT_EQ(CreateAppWindow(u"Other", nullptr, nullptr, nullptr, 0, 0), S_OK);
    EXPECT_EQ(std::u16string(State().Address(&StateFields::windowTitle)), u"Sized");
}

// The window is never shown by CreateAppWindow; a windowed device shows it by
// placing it, a full-screen one through the style of its mode.
TEST_F(WindowAndLoop, AFirstFullScreenDeviceShowsItsWindow) {
    ASSERT_EQ(CreateAppWindow(u"Test", nullptr, nullptr, nullptr, CW_USEDEFAULT, CW_USEDEFAULT), S_OK);
    window_ = State().Get(&StateFields::focusWindow);
    ASSERT_FALSE(IsWindowVisible(window_));
    ASSERT_EQ(CreateDevice(0, false, 640, 480, nullptr, nullptr), S_OK);
    EXPECT_FALSE(IsWindowed());
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_TRUE(platform_.NativeVisible(window_));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)), WS_POPUP | WS_SYSMENU | WS_VISIBLE);
}

TEST_F(WindowAndLoop, ApplicationSeesKeysAndMessagesAndMayStopThem) {
    MakeWindowAndDevice();
    Send(WM_KEYDOWN, 'W', 0);
    EXPECT_EQ(seen.keysDown, std::vector<UINT>{'W'});
    seen.swallow = true;
    EXPECT_EQ(Send(WM_KEYDOWN, VK_ESCAPE, 0), 42);
    EXPECT_TRUE(IsWindow(window_));  // the framework never saw the Escape
}

TEST_F(WindowAndLoop, FrameworkKeys) {
    MakeWindowAndDevice();
    Send(WM_KEYDOWN, VK_PAUSE);
    EXPECT_TRUE(IsTimePaused());
    EXPECT_FALSE(IsRenderingPaused());
    Send(WM_KEYDOWN, VK_PAUSE);
    EXPECT_FALSE(IsTimePaused());

    Send(WM_KEYDOWN, VK_F8);
    Send(WM_KEYDOWN, VK_F8);
    std::vector<std::string> fills;
    for (const auto& call : world_->Calls()) {
        if (call.name == "IDirect3DDevice9::SetRenderState") fills.push_back(call.arguments);
    }
    EXPECT_EQ(fills, (std::vector<std::string>{"8, 2", "8, 3"}));

    Send(WM_KEYDOWN, VK_F3);
    EXPECT_EQ(GetDeviceSettings().deviceType, D3DDEVTYPE_REF);
    Send(WM_KEYDOWN, VK_F3);
    EXPECT_EQ(GetDeviceSettings().deviceType, D3DDEVTYPE_HAL);
    Send(WM_SYSCHAR, VK_RETURN, 0);  // Enter without Alt
    EXPECT_TRUE(IsWindowed());
    EXPECT_EQ(Send(WM_SYSCHAR, VK_RETURN, 1 << 29), 0);
    EXPECT_FALSE(IsWindowed());
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_EQ(Send(WM_SYSCHAR, VK_RETURN, 1 << 29), 0);
    EXPECT_TRUE(IsWindowed());
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_FALSE(IsRenderingPaused());
    EXPECT_FALSE(IsTimePaused());

    Send(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(GetCurrentWindow(), nullptr);
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
}

TEST_F(WindowAndLoop, HotkeysOffLeaveTheKeysToTheApplication) {
    MakeWindowAndDevice();
    State().Set(&StateFields::handleDefaultHotkeys, false);
    Send(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_TRUE(IsWindow(window_));
}

TEST_F(WindowAndLoop, PausingMessagesAreBalanced) {
    MakeWindowAndDevice();
    Send(WM_ENTERMENULOOP);
    Send(WM_ENTERSIZEMOVE);
    EXPECT_TRUE(IsRenderingPaused());
    Send(WM_EXITSIZEMOVE);
    Send(WM_EXITMENULOOP);
    EXPECT_FALSE(IsRenderingPaused());
    Send(WM_SIZE, SIZE_MINIMIZED);
    EXPECT_TRUE(IsTimePaused());
    EXPECT_TRUE(State().Get(&StateFields::minimized));
    Send(WM_SIZE, SIZE_RESTORED);
    EXPECT_FALSE(IsTimePaused());
    EXPECT_FALSE(State().Get(&StateFields::minimized));
    Send(WM_ACTIVATEAPP, FALSE);
    EXPECT_FALSE(State().Get(&StateFields::active));
}

TEST_F(WindowAndLoop, FullScreenAnswersForTheWholeWindowAndIgnoresSystemCommands) {
    MakeWindowAndDevice();
    EXPECT_NE(Send(WM_NCHITTEST), HTCLIENT + 1000);  // windowed: the default answer
    State().Get(&StateFields::currentSettings)->presentParameters.Windowed = FALSE;
    EXPECT_EQ(Send(WM_NCHITTEST), HTCLIENT);
    EXPECT_EQ(Send(WM_SYSCOMMAND, SC_MOVE), 1);
    EXPECT_EQ(Send(WM_SYSCOMMAND, SC_KEYMENU), 1);
    EXPECT_EQ(Send(WM_SETCURSOR), TRUE);
    MINMAXINFO limits{};
    Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 200);
    EXPECT_EQ(limits.ptMinTrackSize.y, 200);
    EXPECT_EQ(Send(WM_POWERBROADCAST, PBT_APMQUERYSUSPEND), TRUE);
}

TEST_F(WindowAndLoop, PausedRenderingStillMovesAndCountsFrames) {
    MakeWindowAndDevice();
    Pause(true, true);
    RenderFrame();
    EXPECT_EQ(seen.frameMoves, 1);
    EXPECT_EQ(seen.frameRenders, 0);
    EXPECT_EQ(world_->CountCalls("IDirect3DDevice9::Present"), 0u);
    EXPECT_EQ(State().Get(&StateFields::frameNumber), 1);
    EXPECT_EQ(platform_.Sleeps(), std::vector<DWORD>{100});
}

TEST_F(WindowAndLoop, QuitAfterFrameRunsOneMoreFrameThenTheLoopEnds) {
    MakeWindowAndDevice(u"viewer.exe -quitafterframe:2 -constantframetime");
    EXPECT_EQ(MainLoop(nullptr), S_OK);
    EXPECT_EQ(seen.frameRenders, 3);
    EXPECT_EQ(world_->CountCalls("IDirect3DDevice9::Present"), 3u);
    EXPECT_EQ(seen.elapsed, (std::vector<float>{0.0333f, 0.0333f, 0.0333f}));
    EXPECT_DOUBLE_EQ(GetTime(), double{0.0333f} * 3);
    EXPECT_EQ(GetExitCode(), 0);
}

TEST_F(WindowAndLoop, LostDeviceIsRecoveredOnALaterFrame) {
    MakeWindowAndDevice();
    world_->LoseDeviceOnPresent();
    RenderFrame();
    EXPECT_TRUE(State().Get(&StateFields::deviceLost));
    RenderFrame();  // still lost: waits
    EXPECT_EQ(world_->CountCalls("IDirect3DDevice9::Reset"), 0u);
    world_->AllowReset();
    RenderFrame();
    EXPECT_EQ(world_->CountCalls("IDirect3DDevice9::Reset"), 1u);
    EXPECT_FALSE(State().Get(&StateFields::deviceLost));
    EXPECT_EQ(seen.frameRenders, 2);  // the recovered frame is drawn
}

TEST_F(WindowAndLoop, ChangedDesktopFormatSearchesNewSettingsInsteadOfResetting) {
    MakeWindowAndDevice();
    State().Get(&StateFields::currentSettings)->adapterFormat = D3DFMT_R5G6B5;
    world_->LoseDeviceOnPresent();
    RenderFrame();
    world_->AllowReset();
    RenderFrame();
    // A plain reset would have kept the stale format; the new search took
    // the desktop's again.
    EXPECT_EQ(GetDeviceSettings().adapterFormat, D3DFMT_X8R8G8B8);
    RenderFrame();
    EXPECT_FALSE(State().Get(&StateFields::deviceLost));
}

TEST_F(WindowAndLoop, MainLoopRefusesToRunTwice) {
    State().Set(&StateFields::insideMainLoop, true);
    EXPECT_EQ(MainLoop(nullptr), E_FAIL);
    EXPECT_EQ(GetExitCode(), 1);
}

}  // namespace
}  // namespace ondrel::testing
