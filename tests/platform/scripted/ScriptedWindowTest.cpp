// The window layer over the scripted backend: creation, geometry, show
// states, the message queue and the messages Win32 code relies on.

#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/scripted/ScriptedPlatformServices.h"

using namespace ondrel::platform;
using ondrel::testing::DrainMessages;
using ondrel::testing::PumpMessages;
using ondrel::testing::TestWindow;
using ondrel::testing::TestWindowOptions;

namespace {

class ScriptedWindow : public ::testing::Test {
protected:
    void SetUp() override { script = &InstallScriptedPlatform(); }
    void TearDown() override { ResetPlatformServices(); }

    static RECT ClientOf(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        return client;
    }

    ScriptedPlatformServices* script = nullptr;
};

using Codes = std::vector<UINT>;

}  // namespace

TEST_F(ScriptedWindow, CreationSendsTheWin32SequenceAndKeepsTheWindowHidden) {
    TestWindow window;
    ASSERT_NE(window.Handle(), nullptr);
    EXPECT_EQ(window.CodesAmong({WM_GETMINMAXINFO, WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE}),
              (Codes{WM_GETMINMAXINFO, WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE}));
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    EXPECT_FALSE(script->NativeVisible(window.Handle()));
    EXPECT_EQ(GetWindowLongPtrW(window.Handle(), GWL_STYLE), static_cast<LONG_PTR>(WS_OVERLAPPEDWINDOW));

    ShowWindow(window.Handle(), SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
    EXPECT_TRUE(script->NativeVisible(window.Handle()));
    EXPECT_EQ(GetWindowLongPtrW(window.Handle(), GWL_STYLE), static_cast<LONG_PTR>(WS_OVERLAPPEDWINDOW | WS_VISIBLE));
}

TEST_F(ScriptedWindow, ClassRegistrationFollowsWin32Errors) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = u"Direct3DWindowClass";
    EXPECT_NE(RegisterClassExW(&windowClass), 0);
    windowClass.lpszClassName = u"DIRECT3DWINDOWCLASS";
    EXPECT_EQ(RegisterClassExW(&windowClass), 0);
    EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);

    HWND window = CreateWindowW(u"Direct3DWindowClass", u"t", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(UnregisterClassW(u"Direct3DWindowClass", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_CLASS_HAS_WINDOWS);
    DestroyWindow(window);
    EXPECT_TRUE(UnregisterClassW(u"Direct3DWindowClass", nullptr));
    EXPECT_EQ(CreateWindowW(u"Direct3DWindowClass", u"t", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
}

TEST_F(ScriptedWindow, OuterAndClientRectanglesAgreeWithAdjustWindowRect) {
    RECT wanted{0, 0, 640, 480};
    ASSERT_TRUE(AdjustWindowRect(&wanted, WS_OVERLAPPEDWINDOW, FALSE));
    EXPECT_LT(wanted.left, 0);
    EXPECT_LT(wanted.top, wanted.left) << "the caption makes the top frame thicker";
    TestWindowOptions options;
    options.x = 30;
    options.y = 40;
    options.width = wanted.right - wanted.left;
    options.height = wanted.bottom - wanted.top;
    TestWindow window(options);

    RECT client = ClientOf(window.Handle());
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 480);
    RECT outer{};
    GetWindowRect(window.Handle(), &outer);
    EXPECT_EQ(outer.left, 30);
    EXPECT_EQ(outer.top, 40);
    EXPECT_EQ(outer.right - outer.left, wanted.right - wanted.left);
    POINT origin{0, 0};
    ClientToScreen(window.Handle(), &origin);
    EXPECT_EQ(origin.x, 30 - wanted.left);
    EXPECT_EQ(origin.y, 40 - wanted.top);

    RECT popup{0, 0, 800, 600};
    AdjustWindowRect(&popup, WS_POPUP | WS_SYSMENU | WS_VISIBLE, FALSE);
    EXPECT_EQ(popup.left, 0);
    EXPECT_EQ(popup.right, 800);
}

TEST_F(ScriptedWindow, MinimumTrackingSizeFromGetMinMaxInfoIsHonoured) {
    TestWindow window;
    SetWindowPos(window.Handle(), HWND_NOTOPMOST, 0, 0, 50, 60, SWP_NOMOVE);
    RECT outer{};
    GetWindowRect(window.Handle(), &outer);
    EXPECT_EQ(outer.right - outer.left, 200);
    EXPECT_EQ(outer.bottom - outer.top, 200);

    script->ResizeByUser(window.Handle(), 10, 10);
    PumpMessages();
    GetWindowRect(window.Handle(), &outer);
    EXPECT_EQ(outer.right - outer.left, 200);
}

TEST_F(ScriptedWindow, SetWindowPosSendsSizeAndMoveOnlyForRealChanges) {
    TestWindow window;
    window.Clear();
    SetWindowPos(window.Handle(), HWND_NOTOPMOST, 10, 20, 500, 400, 0);
    ASSERT_EQ(window.Count(WM_SIZE), 1u);
    EXPECT_EQ(window.Last(WM_SIZE)->wParam, SIZE_RESTORED);
    RECT client = ClientOf(window.Handle());
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(window.Last(WM_SIZE)->lParam)), client.right);
    EXPECT_EQ(window.Count(WM_MOVE), 1u);
    EXPECT_EQ(window.Count(WM_ENTERSIZEMOVE), 0u) << "a program's own move is not a drag";

    window.Clear();
    SetWindowPos(window.Handle(), nullptr, 99, 99, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(window.Count(WM_SIZE), 0u);
    EXPECT_EQ(window.Count(WM_MOVE), 0u);

    SetWindowPos(window.Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
}

// The window system reports a drag as many size events and no end; the
// whole gesture is one WM_ENTERSIZEMOVE / WM_EXITSIZEMOVE pair, the end
// being a short quiet spell, so the framework resets its device once.
TEST_F(ScriptedWindow, ADragOfManyStepsIsOneSizeMoveGesture) {
    TestWindow window;
    window.Clear();
    script->ResizeByUser(window.Handle(), 300, 250);
    PumpMessages();
    script->AdvanceTime(50);
    script->ResizeByUser(window.Handle(), 320, 260);
    script->MoveByUser(window.Handle(), 40, 30);
    PumpMessages();
    EXPECT_EQ(window.CodesAmong({WM_ENTERSIZEMOVE, WM_SIZE, WM_EXITSIZEMOVE}),
              (Codes{WM_ENTERSIZEMOVE, WM_SIZE, WM_SIZE}));

    script->AdvanceTime(1000);
    PumpMessages();
    EXPECT_EQ(window.CodesAmong({WM_ENTERSIZEMOVE, WM_SIZE, WM_EXITSIZEMOVE}),
              (Codes{WM_ENTERSIZEMOVE, WM_SIZE, WM_SIZE, WM_EXITSIZEMOVE}));
    EXPECT_EQ(window.Last(WM_SIZE)->lParam, MAKELPARAM(320, 260));
    EXPECT_EQ(ClientOf(window.Handle()).right, 320);

    // The next drag is a gesture of its own. GetMessageW waits out the quiet
    // spell before it gives up on a script with nothing more to come.
    window.Clear();
    script->ResizeByUser(window.Handle(), 400, 300);
    MSG message{};
    EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), -1);
    EXPECT_EQ(window.CodesAmong({WM_ENTERSIZEMOVE, WM_SIZE, WM_EXITSIZEMOVE}),
              (Codes{WM_ENTERSIZEMOVE, WM_SIZE, WM_EXITSIZEMOVE}));
}

TEST_F(ScriptedWindow, ShowStatesReportTheirSizeKinds) {
    TestWindow window;
    ShowWindow(window.Handle(), SW_SHOWNORMAL);
    RECT before = ClientOf(window.Handle());
    window.Clear();

    ShowWindow(window.Handle(), SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(window.Handle()));
    EXPECT_EQ(window.Last(WM_SIZE)->wParam, SIZE_MINIMIZED);
    EXPECT_TRUE(GetWindowLongPtrW(window.Handle(), GWL_STYLE) & WS_MINIMIZE);

    ShowWindow(window.Handle(), SW_RESTORE);
    EXPECT_FALSE(IsIconic(window.Handle()));
    EXPECT_EQ(window.Last(WM_SIZE)->wParam, SIZE_RESTORED);
    EXPECT_EQ(ClientOf(window.Handle()).right, before.right);

    ShowWindow(window.Handle(), SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(window.Handle()));
    EXPECT_EQ(window.Last(WM_SIZE)->wParam, SIZE_MAXIMIZED);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(window.Handle(), &placement);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    RECT restoredOuter = placement.rcNormalPosition;

    // Minimised from maximised, a restore returns to maximised.
    ShowWindow(window.Handle(), SW_MINIMIZE);
    ShowWindow(window.Handle(), SW_RESTORE);
    EXPECT_TRUE(IsZoomed(window.Handle()));

    ShowWindow(window.Handle(), SW_SHOWNORMAL);
    RECT outer{};
    GetWindowRect(window.Handle(), &outer);
    EXPECT_EQ(outer.right - outer.left, restoredOuter.right - restoredOuter.left);

    // The user's minimise arrives through the backend.
    window.Clear();
    script->MinimizeByUser(window.Handle());
    PumpMessages();
    EXPECT_TRUE(IsIconic(window.Handle()));
    EXPECT_EQ(window.Last(WM_SIZE)->wParam, SIZE_MINIMIZED);
}

TEST_F(ScriptedWindow, SetWindowPlacementMovesAndChangesState) {
    TestWindow window;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    placement.showCmd = SW_SHOWNORMAL;
    placement.rcNormalPosition = RECT{50, 60, 450, 360};
    ASSERT_TRUE(SetWindowPlacement(window.Handle(), &placement));
    RECT outer{};
    GetWindowRect(window.Handle(), &outer);
    EXPECT_EQ(outer.left, 50);
    EXPECT_EQ(outer.bottom, 360);
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
    placement.showCmd = SW_SHOWMAXIMIZED;
    SetWindowPlacement(window.Handle(), &placement);
    EXPECT_TRUE(IsZoomed(window.Handle()));
}

TEST_F(ScriptedWindow, StyleChangesReachTheBackendAndKeepStateBits) {
    TestWindow window;
    ShowWindow(window.Handle(), SW_SHOW);
    DWORD fullScreen = WS_POPUP | WS_SYSMENU | WS_VISIBLE;
    SetWindowLongPtrW(window.Handle(), GWL_STYLE, static_cast<LONG_PTR>(fullScreen));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window.Handle(), GWL_STYLE)), fullScreen);
    EXPECT_EQ(script->NativeStyle(window.Handle()), WS_POPUP | WS_SYSMENU);
    SetWindowTextW(window.Handle(), u"Ondrel \u00e9");
    EXPECT_EQ(script->NativeTitle(window.Handle()), u"Ondrel \u00e9");
    WCHAR title[8] = {};
    EXPECT_EQ(GetWindowTextW(window.Handle(), title, 8), 7);
    EXPECT_EQ(std::u16string(title), u"Ondrel ");
}

// A full-screen device change shows its window through the style alone
// (WS_VISIBLE in the style), and a windowed style without it hides it again.
TEST_F(ScriptedWindow, TheVisibleBitOfAStyleShowsAndHidesTheWindow) {
    TestWindow window;
    ASSERT_FALSE(IsWindowVisible(window.Handle()));
    SetWindowLongW(window.Handle(), GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_SYSMENU | WS_VISIBLE));
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
    EXPECT_TRUE(script->NativeVisible(window.Handle()));
    SetWindowLongW(window.Handle(), GWL_STYLE, static_cast<LONG>(WS_OVERLAPPEDWINDOW));
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    EXPECT_FALSE(script->NativeVisible(window.Handle()));
}

TEST_F(ScriptedWindow, CloseDestroysThenQuitEndsGetMessage) {
    TestWindow window;
    ShowWindow(window.Handle(), SW_SHOW);
    script->RequestClose(window.Handle());
    MSG message{};
    int fetched = 0;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        ASSERT_LT(++fetched, 100);
    }
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 0u);
    EXPECT_FALSE(IsWindow(window.Handle()));
    EXPECT_EQ(window.CodesAmong({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY, WM_NCDESTROY}),
              (Codes{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY, WM_NCDESTROY}));
    // With nothing left to wait for, the scripted backend reports an error
    // instead of blocking for ever.
    EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), -1);
}

TEST_F(ScriptedWindow, SendMessageCloseRunsTheProcedureAtOnce) {
    TestWindow window;
    window.handler = [](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_CLOSE) return 0;  // refuses to close
        return std::nullopt;
    };
    SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window.Handle()));
    window.handler = nullptr;
    SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window.Handle()));
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_QUIT);
}

TEST_F(ScriptedWindow, PeekWithoutRemoveLeavesTheMessageAndFiltersApply) {
    TestWindow window;
    PostMessageW(window.Handle(), WM_APP + 1, 7, 8);
    PostMessageW(window.Handle(), WM_APP + 2, 0, 0);
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(message.message, WM_APP + 1);
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_APP + 2, WM_APP + 2, PM_REMOVE));
    EXPECT_EQ(message.message, WM_APP + 2);
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_APP + 1);
    EXPECT_EQ(message.wParam, 7u);
    EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(ScriptedWindow, PaintComesWhenTheQueueIsEmptyAndStopsOnceValidated) {
    TestWindow window;
    ShowWindow(window.Handle(), SW_SHOW);
    PostMessageW(window.Handle(), WM_APP, 0, 0);
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_APP) << "posted messages come before WM_PAINT";
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    ASSERT_EQ(message.message, WM_PAINT);
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_PAINT) << "WM_PAINT stays until the window is validated";
    DispatchMessageW(&message);
    EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    InvalidateRect(window.Handle(), nullptr, FALSE);
    UpdateWindow(window.Handle());
    EXPECT_EQ(window.Count(WM_PAINT), 2u);
    EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(ScriptedWindow, ActivationSendsActivateAppBothWays) {
    TestWindow window;
    ShowWindow(window.Handle(), SW_SHOW);
    PumpMessages();
    ASSERT_NE(window.Last(WM_ACTIVATEAPP), nullptr);
    EXPECT_EQ(window.Last(WM_ACTIVATEAPP)->wParam, static_cast<WPARAM>(TRUE));
    EXPECT_EQ(GetFocus(), window.Handle());
    script->Activate(window.Handle(), false);
    PumpMessages();
    EXPECT_EQ(window.Last(WM_ACTIVATEAPP)->wParam, static_cast<WPARAM>(FALSE));
    EXPECT_EQ(GetForegroundWindow(), nullptr);
    EXPECT_EQ(window.Count(WM_ACTIVATEAPP), 2u);

    // A window made after the active one was destroyed is activated afresh.
    script->Activate(window.Handle(), true);
    PumpMessages();
    DestroyWindow(window.Handle());
    TestWindow next;
    ShowWindow(next.Handle(), SW_SHOW);
    PumpMessages();
    ASSERT_NE(next.Last(WM_ACTIVATEAPP), nullptr);
    EXPECT_EQ(next.Last(WM_ACTIVATEAPP)->wParam, static_cast<WPARAM>(TRUE));
}

TEST_F(ScriptedWindow, DroppedFilePathIsReadableWhileTheMessageIsHandled) {
    TestWindow window;
    script->DropFile(window.Handle(), u"/tmp/level \u00e9\U0001F600.bin", POINT{5, 6});
    std::vector<MSG> drained;
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_ONDREL_DROPFILE, WM_ONDREL_DROPFILE, PM_REMOVE));
    EXPECT_EQ(GET_X_LPARAM(message.lParam), 5);
    DispatchMessageW(&message);
    EXPECT_EQ(window.DroppedPath(), u"/tmp/level \u00e9\U0001F600.bin");
    EXPECT_EQ(GetDroppedFilePathW(message.wParam, nullptr, 0), 0u) << "released after dispatch";
}

TEST_F(ScriptedWindow, DestroyedHandlesAreRefused) {
    HWND stale = nullptr;
    {
        TestWindow window;
        stale = window.Handle();
    }
    EXPECT_FALSE(IsWindow(stale));
    EXPECT_FALSE(ShowWindow(stale, SW_SHOW));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    RECT rect{};
    EXPECT_FALSE(GetClientRect(stale, &rect));
    EXPECT_EQ(SendMessageW(stale, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(PostMessageW(stale, WM_APP, 0, 0));
}
