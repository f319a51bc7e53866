// What the reader takes from .map text, and where it stops.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mapcheck/MapReader.h"
#include "tests/support/TempFiles.h"

namespace ondrel::testing {
namespace {

using mapcheck::MapBrushView;

struct SeenBrush {
    std::uint64_t number;
    std::uint32_t entity;
    std::uint64_t line;
    std::vector<mapcheck::MapFace> faces;
};

std::vector<SeenBrush> Collect(std::string_view text, bool expectRead = true) {
    std::vector<SeenBrush> seen;
    std::string whyNot;
    const bool read = mapcheck::ReadMapText(
        text, [&](const MapBrushView& b) { seen.push_back({b.number, b.entity, b.line, {b.faces.begin(), b.faces.end()}}); },
        whyNot);
    EXPECT_EQ(read, expectRead) << whyNot;
    return seen;
}

TEST(MapReaderTest, ReadsBrushesOfEveryEntityWithDecimalPointsAndComments) {
    const auto seen = Collect(
        "// a comment\r\n{\r\n\"classname\" \"worldspawn\"\r\n{ ;0\r\n"
        "\t(160 240 200) (-40 1.5 -8e1) ( 1 2 3 ) BASE_COLD [ 0 1 0 0 ] [ 0 0 -1 0 ] 0 1 1 \r\n}\r\n}\r\n"
        "{\n\"classname\" \"func_wall\"\n{\n( 1 1 1 ) ( 2 2 2 ) ( 3 3 3 ) X 0 0 0 1 1\n}\n}\n");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].line, 4u);
    EXPECT_EQ(seen[0].entity, 0u);
    ASSERT_EQ(seen[0].faces.size(), 1u);
    EXPECT_EQ(seen[0].faces[0].points[0], (mapcheck::MapPoint{160, 240, 200}));
    EXPECT_EQ(seen[0].faces[0].points[1], (mapcheck::MapPoint{-40, 1.5, -80}));
    EXPECT_EQ(seen[1].number, 1u);
    EXPECT_EQ(seen[1].entity, 1u);
}

TEST(MapReaderTest, RefusesTextThatIsNotAMapAndSaysWhere) {
    std::string whyNot;
    const auto fails = [&](std::string_view text) {
        whyNot.clear();
        return !mapcheck::ReadMapText(text, [](const MapBrushView&) {}, whyNot);
    };
    EXPECT_TRUE(fails("{\n{\n( 1 2 ) ( 1 2 3 ) ( 1 2 3 )\n}\n}\n"));
    EXPECT_EQ(whyNot.rfind("line 3: ", 0), 0u) << whyNot;
    EXPECT_TRUE(fails("{\n( 1 2 3 ) ( 1 2 3 ) ( 1 2 3 )\n}\n"));
    EXPECT_TRUE(fails("{\n{\n"));
    EXPECT_TRUE(fails("}\n"));
    EXPECT_TRUE(fails("{\n{\n{\n"));
    EXPECT_TRUE(fails("{\n{\n( 99999999999999999999999999999999999999999999e999999 2 3 ) ( 1 2 3 ) ( 1 2 3 )\n}\n}\n"));
}

// Lines longer than the reader's block, and a last line without its end,
// arrive whole.
TEST(MapReaderTest, FileLinesCutByBlocksArriveWhole) {
    TempFolder folder;
    std::string text = "{\n{\n( 1 2 3 ) ( 4 5 6 ) ( 7 8 9 ) " + std::string(3 << 20, 'x') + "\n";
    for (int i = 0; i < 60000; ++i) text += "( 1 2 3 ) ( 4 5 6 ) ( 7 8 " + std::to_string(i) + " )\n";
    text += "}\n}";
    const auto path = folder.Write("long.map", text);
    std::uint64_t faces = 0;
    double lastZ = 0.0;
    std::string whyNot;
    ASSERT_TRUE(mapcheck::ReadMapFile(
        path.string(),
        [&](const MapBrushView& b) {
            faces += b.faces.size();
            lastZ = b.faces.back().points[2].z;
        },
        whyNot))
        << whyNot;
    EXPECT_EQ(faces, 60001u);
    EXPECT_EQ(lastZ, 59999.0);
    EXPECT_FALSE(mapcheck::ReadMapFile((folder.Path() / "missing.map").string(), [](const MapBrushView&) {}, whyNot));
}

}  // namespace
}  // namespace ondrel::testing
