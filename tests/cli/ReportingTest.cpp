// What the converter tells a script: the exit code of a batch and the line
// per converted file.

#include <gtest/gtest.h>

#include "cli/ExitCode.h"
#include "cli/SummaryLine.h"

namespace ondrel::cli {
namespace {

using conversion::ConversionResult;
using conversion::ConversionStatus;

TEST(ExitCodeTest, EachFailureHasItsCodeAndTheMostSeriousOfABatchWins) {
    EXPECT_EQ(ExitCodeFor(ConversionStatus::Converted), ExitCode::Success);
    for (ConversionStatus input : {ConversionStatus::InputMissing, ConversionStatus::InputNotRegular,
                                   ConversionStatus::InputUnreadable, ConversionStatus::NoWholeTriangle,
                                   ConversionStatus::ConversionFailed}) {
        EXPECT_EQ(ExitCodeFor(input), ExitCode::InputFailed);
    }
    EXPECT_EQ(ExitCodeFor(ConversionStatus::OutputFailed), ExitCode::OutputFailed);
    EXPECT_EQ(MoreSerious(ExitCode::Success, ExitCode::InputFailed), ExitCode::InputFailed);
    EXPECT_EQ(MoreSerious(ExitCode::OutputFailed, ExitCode::InputFailed), ExitCode::OutputFailed);
    EXPECT_EQ(MoreSerious(ExitCode::InputFailed, ExitCode::Success), ExitCode::InputFailed);
}

// A missing picture outranks a check's findings but no failure of the
// conversion itself, although its code is the highest.
TEST(ExitCodeTest, AFailedPreviewRanksBelowEveryConversionFailure) {
    EXPECT_EQ(MoreSerious(ExitCode::PreviewFailed, ExitCode::Usage), ExitCode::Usage);
    EXPECT_EQ(MoreSerious(ExitCode::PreviewFailed, ExitCode::InputFailed), ExitCode::InputFailed);
    EXPECT_EQ(MoreSerious(ExitCode::OutputFailed, ExitCode::PreviewFailed), ExitCode::OutputFailed);
    EXPECT_EQ(MoreSerious(ExitCode::QualityProblems, ExitCode::PreviewFailed), ExitCode::PreviewFailed);
    EXPECT_EQ(MoreSerious(ExitCode::PreviewFailed, ExitCode::Success), ExitCode::PreviewFailed);
}

TEST(ExitCodeTest, TheMostSeriousFailureOfABatchWins) {
    EXPECT_EQ(ExitCodeFor(ConversionStatus::Converted), ExitCode::Success);
    EXPECT_EQ(MoreSerious(ExitCode::Success, ExitCode::InputFailed), ExitCode::InputFailed);
    EXPECT_EQ(MoreSerious(ExitCode::OutputFailed, ExitCode::InputFailed), ExitCode::OutputFailed);
    EXPECT_EQ(MoreSerious(ExitCode::InputFailed, ExitCode::Success), ExitCode::InputFailed);
}

TEST(SummaryLineTest, NamesCountsOriginOutputSizeAndTime) {
    ConversionResult result;
    result.input = "levels/dam.txt";
    result.output = "maps/dam.map";
    result.trianglesRead = 3;
    result.prisms = 2;
    result.pyramids = 1;
    result.brushes = 3;
    result.origin[0] = -12.0f;
    result.origin[1] = 1000000.0f;
    result.origin[2] = 0.0f;
    result.outputBytes = 4321;
    result.seconds = 0.0125;
    EXPECT_EQ(FormatSummaryLine(result),
              "levels/dam.txt: 3 triangles read, 2 prisms, 1 pyramids, 3 brushes, origin (-12 1000000 0), "
              "wrote maps/dam.map (4321 bytes) in 0.013 s");
}

}  // namespace
}  // namespace ondrel::cli
