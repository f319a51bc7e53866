// The check on the sample level converted at settings that give a compiler
// trouble, its counts held against the plain second computation.

#include <gtest/gtest.h>

#include <ostream>

#include "conversion/ConversionJob.h"
#include "mapcheck/MapQuality.h"
#include "tests/mapcheck/PlainBrushCheck.h"
#include "tests/support/TempFiles.h"

namespace ondrel::testing {
namespace {

struct Settings {
    const char* name;
    float tris;
    float blocks;
    float scale;
    bool merge;
};

// Test names stay readable and the same on every run.
void PrintTo(const Settings& settings, std::ostream* out) { *out << settings.name; }

class SampleQualityTest : public ::testing::TestWithParam<Settings> {};

TEST_P(SampleQualityTest, CountsAgreeWithAPlainComputation) {
    const Settings& settings = GetParam();
    TempFolder folder;
    conversion::ConversionJob job;
    job.input = ONDREL_SAMPLE_DIR "/facility.txt";
    job.output = folder.File("facility.map").string();
    job.parameters.extrudeFactorTris = settings.tris;
    job.parameters.extrudeFactorBlocks = settings.blocks;
    job.parameters.exportScale = settings.scale;
    job.merge = settings.merge;
    conversion::SilentProgress progress;
    ASSERT_EQ(conversion::RunConversion(job, progress).status, conversion::ConversionStatus::Converted);

    mapcheck::MapQuality quality;
    std::string whyNot;
    ASSERT_TRUE(mapcheck::CheckMapFile(job.output, quality, nullptr, whyNot)) << whyNot;
    const PlainCounts plain = PlainCheckOfWrittenMap(ReadWholeFile(job.output));

    EXPECT_EQ(quality.brushes, plain.brushes);
    EXPECT_EQ(quality.coincidentFaces, plain.coincidentFaces);
    EXPECT_EQ(quality.collinearFaces, plain.collinearFaces);
    EXPECT_EQ(quality.designedDuplicates, plain.designedDuplicates);
    EXPECT_EQ(quality.otherDuplicates, plain.otherDuplicates);
    EXPECT_EQ(quality.emptyBrushes, plain.emptyBrushes);
    EXPECT_EQ(quality.thinBrushes, plain.thinBrushes);
    EXPECT_EQ(quality.unboundedBrushes, plain.unboundedBrushes);
    EXPECT_EQ(quality.problemBrushes, plain.problemBrushes);
    RecordProperty("problem_brushes", std::to_string(quality.problemBrushes));
}

INSTANTIATE_TEST_SUITE_P(Settings, SampleQualityTest,
                         ::testing::Values(Settings{"Defaults", 5.0f, 6.0f, 40.0f, false},
                                           Settings{"SmallFactors", 0.1f, 0.1f, 40.0f, false},
                                           Settings{"SmallScale", 5.0f, 6.0f, 0.1f, false},
                                           Settings{"MergedDefaults", 5.0f, 6.0f, 40.0f, true},
                                           Settings{"MergedSmallFactors", 0.1f, 0.1f, 40.0f, true},
                                           Settings{"MergedSmallScale", 5.0f, 6.0f, 0.1f, true}),
                         [](const ::testing::TestParamInfo<Settings>& info) { return info.param.name; });

// The settings above are only worth comparing if they do give trouble. (Its
// flat brushes have lost their sides too, so they are open, not thin.)
TEST(SampleQualityTest, SmallFactorsGiveEveryKindOfShapeProblem) {
    TempFolder folder;
    conversion::ConversionJob job;
    job.input = ONDREL_SAMPLE_DIR "/facility.txt";
    job.output = folder.File("facility.map").string();
    job.parameters.extrudeFactorTris = 0.1f;
    job.parameters.extrudeFactorBlocks = 0.1f;
    conversion::SilentProgress progress;
    ASSERT_EQ(conversion::RunConversion(job, progress).status, conversion::ConversionStatus::Converted);
    mapcheck::MapQuality quality;
    std::string whyNot;
    ASSERT_TRUE(mapcheck::CheckMapFile(job.output, quality, nullptr, whyNot)) << whyNot;
    EXPECT_GT(quality.emptyBrushes, 0u);
    EXPECT_GT(quality.unboundedBrushes, 0u);
    EXPECT_GT(quality.coincidentFaces, 0u);
    EXPECT_GT(quality.otherDuplicates, 0u);
}

}  // namespace
}  // namespace ondrel::testing
