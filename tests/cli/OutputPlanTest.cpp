// Which map each input becomes, and which plans are refused.

#include <gtest/gtest.h>

#include "cli/OutputPlan.h"
#include "tests/support/TempFiles.h"

namespace ondrel::cli {
namespace {

using ondrel::testing::TempFolder;

ConvertOptions With(std::vector<std::string> inputs, std::string output = "") {
    ConvertOptions options;
    options.inputs = std::move(inputs);
    options.output = std::move(output);
    return options;
}

std::vector<std::string> Outputs(const OutputPlan& plan) {
    std::vector<std::string> outputs;
    for (const PlannedFile& file : plan.files) outputs.push_back(file.output);
    return outputs;
}

TEST(OutputPlanTest, FormatIsChosenByNameUnlessForced) {
    ConvertOptions options = With({"a.bin", "b.txt"});
    OutputPlan plan = PlanOutputs(options);
    ASSERT_EQ(plan.files.size(), 2u);
    EXPECT_TRUE(plan.files[0].binary);
    EXPECT_FALSE(plan.files[1].binary);
    options.format = FormatChoice::Text;
    EXPECT_FALSE(PlanOutputs(options).files[0].binary);
    options.format = FormatChoice::Binary;
    EXPECT_TRUE(PlanOutputs(options).files[1].binary);
}

TEST(OutputPlanTest, WithoutOutputEachMapGoesBesideItsInput) {
    const OutputPlan plan = PlanOutputs(With({"dir/level.txt", "x.bin", "noext", "a.b/c", "LEVEL.BIN"}));
    ASSERT_EQ(plan.error, "");
    EXPECT_EQ(Outputs(plan),
              (std::vector<std::string>{"dir/level.map", "x.map", "noext.map", "a.b/c.map", "LEVEL.map"}));
}

TEST(OutputPlanTest, OutputIsAFileForOneInputAndADirectoryForSeveral) {
    TempFolder folder;
    const std::string dir = folder.Path().string();
    EXPECT_EQ(Outputs(PlanOutputs(With({"in/a.txt"}, "out.map"))), std::vector<std::string>{"out.map"});
    EXPECT_EQ(Outputs(PlanOutputs(With({"in/a.txt"}, dir))), std::vector<std::string>{dir + "/a.map"});
    EXPECT_NE(PlanOutputs(With({"in/a.txt"}, "later/")).error.find("existing directory"), std::string::npos);
    EXPECT_EQ(Outputs(PlanOutputs(With({"in/a.txt", "b.bin"}, dir))),
              (std::vector<std::string>{dir + "/a.map", dir + "/b.map"}));

    const OutputPlan refused = PlanOutputs(With({"a.txt", "b.txt"}, dir + "/missing"));
    EXPECT_NE(refused.error.find("existing directory"), std::string::npos);
    EXPECT_TRUE(refused.files.empty());
}

TEST(OutputPlanTest, RefusesToWriteTwoMapsToOneFileOrAMapOverAnInput) {
    TempFolder folder;
    EXPECT_NE(PlanOutputs(With({"level.txt", "level.bin"})).error, "");
    EXPECT_NE(PlanOutputs(With({"a/x.txt", "b/x.txt"}, folder.Path().string())).error, "");
    EXPECT_NE(PlanOutputs(With({"same.txt", "./same.txt"})).error, "");
    EXPECT_NE(PlanOutputs(With({"level.map"})).error, "");
    EXPECT_NE(PlanOutputs(With({"level.txt"}, "level.txt")).error, "");
    EXPECT_NE(PlanOutputs(With({"a.txt", "b.map"})).error, "");
    EXPECT_EQ(PlanOutputs(With({"a/x.txt", "b/x.txt"})).error, "");
}

// real/x.txt and alias/x.txt (alias a link to real) both become real/x.map.
TEST(OutputPlanTest, ALinkedFolderIsNoWayAroundAClash) {
    TempFolder folder;
    std::filesystem::create_directory(folder.File("real"));
    std::filesystem::create_directory_symlink("real", folder.File("alias"));
    const std::string real = folder.File("real/x.txt").string();
    const std::string alias = folder.File("alias/x.txt").string();
    EXPECT_NE(PlanOutputs(With({real, alias})).error.find("would both be written to"), std::string::npos);
    EXPECT_NE(PlanOutputs(With({real}, folder.File("alias/x.txt").string())).error, "");
}

}  // namespace
}  // namespace ondrel::cli
