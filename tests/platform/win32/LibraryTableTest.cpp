// Run-time libraries from the built-in table, the test hiding, the system
// folder and full paths as Win32 answers them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/win32/PathConvert.h"
#include "platform/win32/Windows.h"

namespace ondrel::testing {
namespace {

class LibraryTable : public ::testing::Test {
protected:
    void TearDown() override { platform::ResetLibraryTable(); }
};

void Sample() {}

TEST_F(LibraryTable, WinmmFromTheSystemFolderHasTheTimerCalls) {
    WCHAR path[MAX_PATH];
    UINT length = GetSystemDirectoryW(path, MAX_PATH);
    ASSERT_GT(length, 0u);
    EXPECT_NE(path[length - 1], u'/');
    wcscat_s(path, MAX_PATH, u"\\WINMM.DLL");
    HMODULE winmm = LoadLibraryW(path);
    ASSERT_NE(winmm, nullptr);
    auto begin = reinterpret_cast<UINT (*)(UINT)>(GetProcAddress(winmm, "timeBeginPeriod"));
    ASSERT_NE(begin, nullptr);
    EXPECT_EQ(begin(1), TIMERR_NOERROR);
    EXPECT_EQ(GetProcAddress(winmm, "timeSetEvent"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
    EXPECT_EQ(platform::LoadedLibraryCount(), 1);
    EXPECT_TRUE(FreeLibrary(winmm));
    EXPECT_FALSE(FreeLibrary(winmm));
    EXPECT_EQ(platform::LoadedLibraryCount(), 0);
}

TEST_F(LibraryTable, RegisteredEntriesAndHidingReachTheMissingPaths) {
    EXPECT_EQ(LoadLibraryW(u"d3dtest.dll"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
    platform::RegisterLibraryEntry(u"d3dtest.dll", "Sample", &Sample);
    HMODULE library = LoadLibraryW(u"C:\\somewhere\\d3dtest.dll");
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(GetProcAddress(library, "Sample"), &Sample);
    platform::HideLibraryEntry(u"d3dtest.dll", "Sample");
    EXPECT_EQ(GetProcAddress(library, "Sample"), nullptr);
    FreeLibrary(library);
    platform::HideLibraryEntry(u"d3dtest.dll");
    EXPECT_EQ(LoadLibraryW(u"d3dtest.dll"), nullptr);
    platform::HideSystemDirectory(true);
    WCHAR path[MAX_PATH];
    EXPECT_EQ(GetSystemDirectoryW(path, MAX_PATH), 0u);
}

TEST(StockObjects, BlackBrushIsAHandle) {
    EXPECT_NE(GetStockObject(BLACK_BRUSH), nullptr);
    EXPECT_NE(GetStockObject(BLACK_BRUSH), GetStockObject(0));
    EXPECT_EQ(GetStockObject(-1), nullptr);
}

std::u16string Full(std::u16string_view path, std::u16string* filePart = nullptr) {
    WCHAR buffer[MAX_PATH];
    LPWSTR part = nullptr;
    if (GetFullPathNameW(std::u16string(path).c_str(), MAX_PATH, buffer, &part) == 0) return u"<failed>";
    if (filePart != nullptr) *filePart = part != nullptr ? part : u"<null>";
    return buffer;
}

TEST(FullPaths, NoTrailingSeparatorAndTheLastComponentAsFilePart) {
    std::u16string here = platform::FromNativePath(std::filesystem::current_path());
    std::u16string parent = platform::FromNativePath(std::filesystem::current_path().parent_path());
    std::u16string part;
    EXPECT_EQ(Full(u".", &part), here);
    EXPECT_EQ(part, here.substr(here.find_last_of(u'/') + 1));
    EXPECT_EQ(Full(u"a\\..", &part), here);
    EXPECT_EQ(Full(u"..", &part), parent);
    EXPECT_EQ(Full(u"x\\y.dds", &part), here + u"/x/y.dds");
    EXPECT_EQ(part, u"y.dds");
    EXPECT_EQ(Full(u"/usr/./lib/", &part), u"/usr/lib");
    EXPECT_EQ(part, u"lib");
    EXPECT_EQ(Full(u"/..", &part), u"/");
    EXPECT_EQ(part, u"<null>");
}

TEST(ProcessCommandLine, TestsReplaceIt) {
    std::u16string own = GetCommandLineW();
    platform::SetCommandLineForTesting(u"\"C:\\a b\\viewer.exe\" -windowed");
    EXPECT_EQ(std::u16string(GetCommandLineW()), u"\"C:\\a b\\viewer.exe\" -windowed");
    platform::ResetCommandLineForTesting();
    EXPECT_EQ(std::u16string(GetCommandLineW()), own);
}

}  // namespace
}  // namespace ondrel::testing
