// The real open and save dialogs in an X session, answered with xdotool:
// the chosen path comes back in the OPENFILENAMEW record, a cancel returns
// zero, and the process locale is left alone.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "tests/support/X11Session.h"
#include "platform/win32/PathConvert.h"
#include "platform/win32/PlatformServices.h"
#include "platform/win32/Windows.h"

using namespace ondrel::testing;

namespace {

class GtkFileDialog : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HasDisplay()) GTEST_SKIP() << "needs an X server (DISPLAY)";
        // No desktop session here: settings in memory, no accessibility bus.
        setenv("GSETTINGS_BACKEND", "memory", 0);
        setenv("NO_AT_BRIDGE", "1", 0);
        ondrel::platform::ResetPlatformServices();
        folder = std::filesystem::temp_directory_path() / ("ondrel-dialog-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        ondrel::platform::ResetPlatformServices();
        std::filesystem::remove_all(folder);
    }

    OPENFILENAMEW Record(LPCWSTR title, WCHAR* buffer) {
        OPENFILENAMEW record{};
        record.lStructSize = sizeof(record);
        record.lpstrTitle = title;
        record.lpstrFilter = u"Exported GoldenEye 007\u2122 Files (*.txt, *.bin)\0*.txt;*.bin\0";
        record.lpstrFile = buffer;
        record.nMaxFile = MAX_PATH;
        return record;
    }

    std::filesystem::path folder;
};

}  // namespace

TEST_F(GtkFileDialog, OpenReturnsTheChosenPathAndKeepsTheLocale) {
    std::filesystem::path level = folder / "facility.BIN";
    std::ofstream(level) << "binary";
    std::string localeBefore = std::setlocale(LC_ALL, nullptr);

    // The record names the file to start from; the person accepts it.
    WCHAR file[MAX_PATH] = {};
    std::u16string initial = ondrel::platform::FromNativePath(level);
    std::copy(initial.begin(), initial.end(), file);
    OPENFILENAMEW record = Record(u"Ondrel open test", file);
    record.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    ASSERT_TRUE(AnswerWindowLater("Ondrel open test", "sleep 1 key Return"));
    BOOL chosen = GetOpenFileNameW(&record);
    ASSERT_TRUE(chosen) << "error " << CommDlgExtendedError();
    EXPECT_EQ(std::u16string(file), ondrel::platform::FromNativePath(level));
    EXPECT_EQ(record.nFilterIndex, 1u);
    EXPECT_EQ(std::string(std::setlocale(LC_ALL, nullptr)), localeBefore);
}

TEST_F(GtkFileDialog, EscapeCancelsWithZero) {
    WCHAR file[MAX_PATH] = {};
    OPENFILENAMEW record = Record(u"Ondrel cancel test", file);
    ASSERT_TRUE(AnswerWindowLater("Ondrel cancel test", "key Escape"));
    BOOL chosen = GetSaveFileNameW(&record);
    EXPECT_FALSE(chosen);
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(file[0], u'\0');
}
