// The terminal status line: it names file and phase, and leaves nothing
// behind once a file is done, so summaries print on a clean line.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cli/TerminalProgress.h"

namespace ondrel::cli {
namespace {

using conversion::ConversionPhase;

std::string Contents(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;) text.push_back(static_cast<char>(c));
    return text;
}

TEST(TerminalProgressTest, ShowsFileAndPhaseThenClearsTheLine) {
    std::FILE* terminal = std::tmpfile();
    ASSERT_NE(terminal, nullptr);
    {
        TerminalProgress progress(terminal, false);
        progress.Redraw();  // nothing to show before a file starts
        progress.BeginFile("levels/dam.txt", 2, 5);
        progress.EnterPhase(ConversionPhase::Converting);
        progress.EnterPhase(ConversionPhase::Writing);
        progress.EndFile();
        progress.Redraw();  // nor after it ended
    }
    const std::string shown = Contents(terminal);
    std::fclose(terminal);
    EXPECT_EQ(shown.rfind("\r\033[K[2/5] levels/dam.txt: importing... ", 0), 0u) << shown;
    EXPECT_NE(shown.find("[2/5] levels/dam.txt: converting... "), std::string::npos);
    EXPECT_NE(shown.find("[2/5] levels/dam.txt: writing... "), std::string::npos);
    EXPECT_EQ(shown.substr(shown.size() - 4), "\r\033[K");
    EXPECT_EQ(shown.find("\n"), std::string::npos);
}

TEST(TerminalProgressTest, TickerStopsCleanlyWithAFileInProgress) {
    std::FILE* terminal = std::tmpfile();
    ASSERT_NE(terminal, nullptr);
    {
        TerminalProgress progress(terminal);
        progress.BeginFile("big.txt", 1, 1);
    }
    const std::string shown = Contents(terminal);
    std::fclose(terminal);
    EXPECT_EQ(shown.substr(shown.size() - 4), "\r\033[K");
}

}  // namespace
}  // namespace ondrel::cli
