// Clipboard, message boxes, file dialogs, monitors and clocks through the
// Win32-shaped calls, over the scripted backend.

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/TestWindow.h"
#include "platform/scripted/ScriptedPlatformServices.h"

using namespace ondrel::platform;
using ondrel::testing::TestWindow;

namespace {

class ScriptedServices : public ::testing::Test {
protected:
    void SetUp() override { script = &InstallScriptedPlatform(); }
    void TearDown() override { ResetPlatformServices(); }

    static bool CopyText(const std::u16string& text) {
        if (!OpenClipboard(nullptr)) return false;
        EmptyClipboard();
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(WCHAR));
        std::memcpy(GlobalLock(block), text.c_str(), (text.size() + 1) * sizeof(WCHAR));
        GlobalUnlock(block);
        bool stored = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
        if (!stored) GlobalFree(block);
        CloseClipboard();
        return stored;
    }

    static std::optional<std::u16string> PasteText() {
        if (!OpenClipboard(nullptr)) return std::nullopt;
        std::optional<std::u16string> text;
        if (HANDLE block = GetClipboardData(CF_UNICODETEXT)) {
            text = std::u16string(static_cast<const WCHAR*>(GlobalLock(block)));
            GlobalUnlock(block);
        }
        CloseClipboard();
        return text;
    }

    static OPENFILENAMEW Record(WCHAR* buffer, DWORD capacity, DWORD flags) {
        OPENFILENAMEW record{};
        record.lStructSize = sizeof(record);
        record.lpstrFilter = u"Exported GoldenEye 007\u2122 Files (*.txt, *.bin)\0*.txt;*.bin\0All\0*.*\0";
        record.lpstrFile = buffer;
        record.nMaxFile = capacity;
        record.Flags = flags;
        return record;
    }

    ScriptedPlatformServices* script = nullptr;
};

}  // namespace

TEST_F(ScriptedServices, ClipboardTextRoundTripsThroughGlobalMemory) {
    std::u16string text = u"Export Scale 40 \u00e9\U0001F600";
    ASSERT_TRUE(CopyText(text));
    EXPECT_EQ(script->Clipboard(), text);
    EXPECT_EQ(PasteText(), text);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));

    script->SetClipboard(u"from elsewhere");
    EXPECT_EQ(PasteText(), u"from elsewhere");
}

TEST_F(ScriptedServices, ClipboardCallsNeedAnOpenClipboardHeldByOne) {
    EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_CLIPBOARD_NOT_OPEN);
    EXPECT_FALSE(EmptyClipboard());
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(OpenClipboard(nullptr)) << "already open";
    HGLOBAL narrow = GlobalAlloc(GHND, 4);
    EXPECT_EQ(SetClipboardData(CF_TEXT, narrow), nullptr) << "only UTF-16 text";
    GlobalFree(narrow);  // refused blocks stay the caller's
    CloseClipboard();
    EXPECT_FALSE(CloseClipboard());
}

TEST_F(ScriptedServices, MessageBoxesAreRecordedAndAnsweredFromTheScript) {
    EXPECT_EQ(MessageBoxW(nullptr, u"Unable to convert to solids.", u"Error", MB_ICONHAND), IDOK);
    script->QueueMessageBoxAnswer(IDNO);
    TestWindow owner;
    EXPECT_EQ(MessageBoxW(owner.Handle(), u"Overwrite?", u"Ondrel", MB_YESNO | MB_ICONQUESTION), IDNO);
    ASSERT_EQ(script->MessageBoxes().size(), 2u);
    const MessageBoxRequest& first = script->MessageBoxes()[0];
    EXPECT_EQ(first.text, u"Unable to convert to solids.");
    EXPECT_EQ(first.caption, u"Error");
    EXPECT_EQ(first.type, MB_ICONHAND);
    EXPECT_EQ(first.owner, nullptr);
    EXPECT_EQ(script->MessageBoxes()[1].owner, owner.Handle());
}

TEST_F(ScriptedServices, OpenDialogPassesFiltersAndReturnsThePath) {
    WCHAR file[260] = {};
    OPENFILENAMEW record = Record(file, 260, OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    record.nFilterIndex = 2;
    script->QueueFileDialogAnswer(u"/levels/Facility \u00e9.bin", 0);
    ASSERT_TRUE(GetOpenFileNameW(&record));
    EXPECT_EQ(std::u16string(file), u"/levels/Facility \u00e9.bin");
    EXPECT_EQ(record.nFileOffset, 8);
    EXPECT_EQ(record.nFileExtension, 19);
    EXPECT_EQ(record.nFilterIndex, 1u);

    ASSERT_EQ(script->FileDialogs().size(), 1u);
    const FileDialogRequest& asked = script->FileDialogs()[0];
    EXPECT_FALSE(asked.save);
    ASSERT_EQ(asked.filters.size(), 2u);
    EXPECT_EQ(asked.filters[0].name, u"Exported GoldenEye 007\u2122 Files (*.txt, *.bin)");
    EXPECT_EQ(asked.filters[0].patterns, u"*.txt;*.bin");
    EXPECT_EQ(asked.filters[1].patterns, u"*.*");
    EXPECT_EQ(asked.filterIndex, 1);
    EXPECT_EQ(asked.flags, OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
}

TEST_F(ScriptedServices, SaveDialogAddsTheDefaultExtensionOnlyWhenThereIsNone) {
    WCHAR file[260] = u"start";
    OPENFILENAMEW record = Record(file, 260, OFN_OVERWRITEPROMPT);
    record.lpstrFilter = u"Hammer Files (*.map)\0*.map\0";
    record.lpstrDefExt = u"map";
    script->QueueFileDialogAnswer(u"/maps/facility");
    script->QueueFileDialogAnswer(u"/maps/facility.vmf");
    script->QueueFileDialogAnswer(u"/maps.d/plain");
    ASSERT_TRUE(GetSaveFileNameW(&record));
    EXPECT_EQ(std::u16string(file), u"/maps/facility.map");
    ASSERT_TRUE(GetSaveFileNameW(&record));
    EXPECT_EQ(std::u16string(file), u"/maps/facility.vmf");
    ASSERT_TRUE(GetSaveFileNameW(&record));
    EXPECT_EQ(std::u16string(file), u"/maps.d/plain.map") << "a dot in a folder is no extension";
    EXPECT_TRUE(script->FileDialogs()[0].save);
    EXPECT_EQ(script->FileDialogs()[0].initialName, u"start");
}

TEST_F(ScriptedServices, CancelledFailedAndTooSmallDialogsReturnZero) {
    WCHAR file[8] = {};
    OPENFILENAMEW record = Record(file, 8, 0);
    script->QueueFileDialogAnswer(std::nullopt);
    EXPECT_FALSE(GetOpenFileNameW(&record));
    EXPECT_EQ(CommDlgExtendedError(), 0u) << "a cancel is no error";

    script->FailNextFileDialog();
    EXPECT_FALSE(GetOpenFileNameW(&record));
    EXPECT_NE(CommDlgExtendedError(), 0u);

    script->QueueFileDialogAnswer(u"/a/long/path.txt");
    EXPECT_FALSE(GetOpenFileNameW(&record));
    EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
    EXPECT_EQ(file[0], 17) << "the size needed";

    record.lStructSize = 12;
    EXPECT_FALSE(GetOpenFileNameW(&record));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);
}

TEST_F(ScriptedServices, MonitorsWorkAreasAndModes) {
    DisplayInfo left;
    left.name = u"\\\\.\\DISPLAY1";
    left.bounds = RECT{0, 0, 1280, 1024};
    left.workArea = RECT{0, 0, 1280, 984};
    left.current = DisplayMode{1280, 1024, 32, 60};
    left.modes = {{640, 480, 32, 60}, {1280, 1024, 32, 60}};
    DisplayInfo right = left;
    right.name = u"\\\\.\\DISPLAY2";
    right.bounds = RECT{1280, 0, 3200, 1080};
    right.workArea = RECT{1280, 0, 3200, 1080};
    right.current = DisplayMode{1920, 1080, 32, 75};
    script->SetDisplays({left, right});

    TestWindow window;
    SetWindowPos(window.Handle(), nullptr, 2000, 100, 400, 300, SWP_NOZORDER);
    HMONITOR monitor = MonitorFromWindow(window.Handle(), MONITOR_DEFAULTTONEAREST);
    EXPECT_EQ(monitor, MonitorFromDisplayIndex(1));
    EXPECT_EQ(DisplayIndexOfMonitor(monitor), 1);
    MONITORINFOEXW info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetMonitorInfoW(monitor, reinterpret_cast<MONITORINFO*>(&info)));
    EXPECT_EQ(info.rcMonitor.left, 1280);
    EXPECT_EQ(info.dwFlags, 0u);
    EXPECT_EQ(std::u16string(info.szDevice), u"\\\\.\\DISPLAY2");

    // Off every display: the nearest one, or none when asked for none.
    SetWindowPos(window.Handle(), nullptr, -5000, 100, 400, 300, SWP_NOZORDER);
    EXPECT_EQ(MonitorFromWindow(window.Handle(), MONITOR_DEFAULTTONEAREST), MonitorFromDisplayIndex(0));
    EXPECT_EQ(MonitorFromWindow(window.Handle(), MONITOR_DEFAULTTONULL), nullptr);
    MONITORINFO primary{};
    primary.cbSize = sizeof(primary);
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromDisplayIndex(0), &primary));
    EXPECT_EQ(primary.rcWork.bottom, 984);
    EXPECT_EQ(primary.dwFlags, MONITORINFOF_PRIMARY);

    DEVMODEW mode{};
    ASSERT_TRUE(EnumDisplaySettingsW(info.szDevice, ENUM_CURRENT_SETTINGS, &mode));
    EXPECT_EQ(mode.dmPelsWidth, 1920u);
    EXPECT_EQ(mode.dmDisplayFrequency, 75u);
    ASSERT_TRUE(EnumDisplaySettingsW(nullptr, 0, &mode));
    EXPECT_EQ(mode.dmPelsWidth, 640u);
    EXPECT_FALSE(EnumDisplaySettingsW(nullptr, 2, &mode));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 3200);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    EXPECT_EQ(GetSystemMetrics(SM_REMOTESESSION), 0);
}

TEST_F(ScriptedServices, ClocksMoveOnlyWithTheScriptAndSleep) {
    LARGE_INTEGER frequency{};
    ASSERT_TRUE(QueryPerformanceFrequency(&frequency));
    LARGE_INTEGER before{};
    QueryPerformanceCounter(&before);
    DWORD startMs = timeGetTime();
    Sleep(100);
    script->AdvanceTime(5);
    LARGE_INTEGER after{};
    QueryPerformanceCounter(&after);
    EXPECT_EQ(after.QuadPart - before.QuadPart, frequency.QuadPart * 105 / 1000);
    EXPECT_EQ(timeGetTime() - startMs, 105u);
    EXPECT_EQ(script->Sleeps(), std::vector<DWORD>{100});
    EXPECT_EQ(timeBeginPeriod(1), TIMERR_NOERROR);
    EXPECT_EQ(timeEndPeriod(1), TIMERR_NOERROR);
    EXPECT_EQ(GetCaretBlinkTime(), 530u);
}

TEST_F(ScriptedServices, ResettingStartsAFreshSession) {
    TestWindow window;
    HWND handle = window.Handle();
    PostQuitMessage(3);
    ScriptedPlatformServices& fresh = InstallScriptedPlatform();
    EXPECT_FALSE(IsWindow(handle));
    MSG message{};
    EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(&Services(), &fresh);
}
