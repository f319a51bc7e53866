// The panels' event handling on the recording device with scripted file
// dialogs: which files are read as binary, the parameter boxes' floor,
// cancelled dialogs, and what the user is told when import, conversion or
// writing fails.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "PanelFixture.h"
#include "app/ControlIds.h"
#include "app/AppPanels.h"
#include "app/ExportSummary.h"
#include "app/InitApplication.h"
#include "app/SceneDevice.h"
#include "app/ViewerLevel.h"
#include "conversion/ConversionJob.h"
#include "conversion/FactorText.h"
#include "mapexport/ExportScale.h"
#include "unicode/Utf16ToUtf8.h"

namespace ondrel::testing {
namespace {

using app::ViewerLevel;
namespace fs = std::filesystem;

std::u16string Wide(const fs::path& path) { return path.u16string(); }

std::string MapOf(const fs::path& input, bool binary, ConversionParameters parameters, const fs::path& output) {
    conversion::ConversionJob job{input.string(), output.string(), binary, parameters};
    conversion::SilentProgress quiet;
    const auto result = conversion::RunConversion(job, quiet);
    EXPECT_EQ(result.status, conversion::ConversionStatus::Converted) << result.problem;
    return ReadWholeFile(output);
}

class Panels : public PanelFixture {
protected:
    // Imports `source` copied under `name` through the open dialog.
    std::uint32_t ImportCopyNamed(const fs::path& source, const fs::path& name) {
        fs::copy_file(source, name, fs::copy_options::overwrite_existing);
        machine_->QueueFileDialogAnswer(Wide(name));
        Raise(app::kImportId);
        return ViewerLevel().sourceCount;
    }
    std::uint32_t SampleCount() {
        EXPECT_TRUE(ViewerLevel().Import(Sample("facility.txt"), false));
        return ViewerLevel().sourceCount;
    }
    void Export(const fs::path& path) {
        machine_->QueueFileDialogAnswer(Wide(path));
        Raise(app::kExportId);
    }
};

// The sample exists in both formats with the same triangles, so a copy
// read in the right format gives the text sample's count and a copy read in
// the wrong one does not.
TEST_F(Panels, OnlyANameEndingInLowerCaseDotBinIsReadAsBinary) {
    const std::uint32_t expected = SampleCount();
    ASSERT_GT(expected, 0u);
    EXPECT_EQ(ImportCopyNamed(Sample("facility.bin"), folder_.File("level.bin")), expected);
    for (const char* name : {"LEVEL.BIN", "level.Bin", "level.bin.txt"}) {
        EXPECT_EQ(ImportCopyNamed(Sample("facility.txt"), folder_.File(name)), expected) << name;
    }
    EXPECT_NE(ImportCopyNamed(Sample("facility.txt"), folder_.File("text.bin")), expected);
}

TEST_F(Panels, ANameShorterThanFourCharactersIsText) {
    const std::uint32_t expected = SampleCount();
    const fs::path before = fs::current_path();
    fs::current_path(folder_.Path());
    EXPECT_EQ(ImportCopyNamed(Sample("facility.txt"), "bin"), expected);
    EXPECT_EQ(ImportCopyNamed(Sample("facility.txt"), "b"), expected);
    fs::current_path(before);
    EXPECT_EQ(MessageBoxCount(), 0u);
}

TEST_F(Panels, TheDialogsAskForTheirFilesWithTheirFiltersAndFlags) {
    machine_->QueueFileDialogAnswer(std::nullopt);
    Raise(app::kImportId);
    machine_->QueueFileDialogAnswer(std::nullopt);
    Raise(app::kExportId);
    const auto& dialogs = machine_->FileDialogs();
    ASSERT_EQ(dialogs.size(), 2u);

    const auto& open = dialogs[0];
    EXPECT_FALSE(open.save);
    ASSERT_EQ(open.filters.size(), 1u);
    EXPECT_EQ(open.filters[0].name, u"Exported GoldenEye 007\u2122 Files (*.txt, *.bin)");
    EXPECT_EQ(open.filters[0].patterns, u"*.txt;*.bin");
    EXPECT_EQ(open.flags, 0x81800u);
    EXPECT_EQ(open.owner, nullptr);

    const auto& save = dialogs[1];
    EXPECT_TRUE(save.save);
    ASSERT_EQ(save.filters.size(), 1u);
    EXPECT_EQ(save.filters[0].name, u"Hammer Files (*.map)");
    EXPECT_EQ(save.filters[0].patterns, u"*.map");
    EXPECT_EQ(save.flags, 0x80002u);
    EXPECT_EQ(save.defaultExtension, u"map");
}

TEST_F(Panels, CancellingEitherDialogChangesNothing) {
    ASSERT_TRUE(ViewerLevel().Import(Sample("facility.txt"), false));
    const std::uint32_t count = ViewerLevel().sourceCount;
    machine_->QueueFileDialogAnswer(std::nullopt);
    Raise(app::kImportId);
    machine_->FailNextFileDialog();
    Raise(app::kImportId);
    machine_->QueueFileDialogAnswer(std::nullopt);
    Raise(app::kExportId);
    EXPECT_EQ(ViewerLevel().sourceCount, count);
    EXPECT_EQ(ViewerLevel().brushCount, 0u);
    EXPECT_EQ(ViewerLevel().previewCount, 0u);
    EXPECT_EQ(MessageBoxCount(), 0u);
    EXPECT_TRUE(fs::is_empty(folder_.Path()));
}

TEST_F(Panels, AnUnreadableLevelIsReportedOnce) {
    machine_->QueueFileDialogAnswer(Wide(folder_.File("absent.txt")));
    Raise(app::kImportId);
    ASSERT_EQ(MessageBoxCount(), 1u);
    const auto& box = machine_->MessageBoxes()[0];
    EXPECT_EQ(box.text, u"Unable to read the level file.");
    EXPECT_EQ(box.caption, u"Error");
    EXPECT_EQ(box.type, MB_ICONHAND);
    EXPECT_EQ(box.owner, nullptr);
}

TEST_F(Panels, AFailedConversionShowsExactlyOneBoxAndWritesNoFile) {
    Export(folder_.File("empty.map"));
    ASSERT_EQ(MessageBoxCount(), 1u);
    const auto& box = machine_->MessageBoxes()[0];
    EXPECT_EQ(box.text, u"Unable to convert to solids.");
    EXPECT_EQ(box.caption, u"Error");
    EXPECT_EQ(box.type, MB_ICONHAND);
    EXPECT_TRUE(fs::is_empty(folder_.Path()));
}

// The export writes exactly what the converter writes with the same
// parameters, under exactly the name chosen: characters above U+00FF
// included, which an 8-bit copy of the name would have turned into another
// file.
TEST_F(Panels, ExportWritesTheConvertersMapUnderTheChosenName) {
    machine_->QueueFileDialogAnswer(Wide(Sample("facility.txt")));
    Raise(app::kImportId);
    Type(app::kTrisFactorId, u"7.5");
    Type(app::kBlocksFactorId, u"3");
    Type(app::kScaleId, u"32");
    const fs::path chosen = folder_.Path() / fs::path(u"\u0431\u4E2D-map.map");
    Export(chosen);
    EXPECT_EQ(MessageBoxCount(), 0u);
    ASSERT_TRUE(fs::exists(chosen));
    const fs::path reference = folder_.File("reference.map");
    EXPECT_EQ(ReadWholeFile(chosen), MapOf(Sample("facility.txt"), false, {7.5f, 3.0f, 32.0f}, reference));
    EXPECT_GT(ViewerLevel().previewCount, 0u) << "the view switches to the solids";
}

// Brushes are the blocks one level inside an entity's braces.
std::uint64_t BrushBlocks(const std::string& map) {
    std::uint64_t brushes = 0;
    int depth = 0;
    for (const char c : map) {
        if (c == '{' && ++depth == 2) ++brushes;
        if (c == '}') --depth;
    }
    return brushes;
}

// After an export the overlay's second line counts the written map's
// brushes as the map check finds them; a new import clears it.
TEST_F(Panels, AnExportSummarisesTheCheckOfTheWrittenMapUntilTheNextImport) {
    machine_->QueueFileDialogAnswer(Wide(Sample("facility.txt")));
    Raise(app::kImportId);
    EXPECT_TRUE(app::ExportSummary().empty());
    const fs::path chosen = folder_.File("summary.map");
    Export(chosen);
    ASSERT_TRUE(fs::exists(chosen));
    const std::uint64_t brushes = BrushBlocks(ReadWholeFile(chosen));
    ASSERT_GT(brushes, 100u);
    EXPECT_EQ(app::ExportSummary(), u"Exported " + Wide(std::to_string(brushes)) + u" brushes, 0 with problems");

    machine_->QueueFileDialogAnswer(Wide(Sample("facility.txt")));
    Raise(app::kImportId);
    EXPECT_TRUE(app::ExportSummary().empty()) << "a new import keeps the old map's line";
}

TEST_F(Panels, AnExportThatFailsLeavesNoSummary) {
    machine_->QueueFileDialogAnswer(Wide(Sample("facility.txt")));
    Raise(app::kImportId);
    Export(folder_.Path() / "no-such-folder" / "lost.map");
    EXPECT_EQ(MessageBoxCount(), 1u);
    EXPECT_TRUE(app::ExportSummary().empty());
}

TEST(ExportSummaryLine, NamesOnlyTheKindsOfProblemFoundInTheConvertersWords) {
    mapcheck::MapQuality quality;
    quality.brushes = 1;
    EXPECT_EQ(app::ExportSummaryLine(quality), u"Exported 1 brush, 0 with problems");
    quality.brushes = 12;
    quality.problemBrushes = 3;
    quality.collinearFaces = 2;
    quality.coincidentFaces = 1;
    quality.unboundedBrushes = 1;
    quality.otherDuplicates = 1;
    quality.designedDuplicates = 40;
    EXPECT_EQ(app::ExportSummaryLine(quality),
              u"Exported 12 brushes, 3 with problems: 2 collinear faces, 1 coincident face, 1 unbounded, "
              u"1 repeated plane");
}

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

// A disk that fills up half-way: the user is told, and the map that was
// there before is still whole.
TEST_F(Panels, AFailedWriteIsReportedAndTheOldMapKept) {
    ASSERT_TRUE(ViewerLevel().Import(Sample("facility.txt"), false));
    const fs::path map = folder_.Write("old.map", "precious");
    {
        FileSizeLimit nearlyFull(1024);
        Export(map);
    }
    ASSERT_EQ(MessageBoxCount(), 1u);
    EXPECT_EQ(machine_->MessageBoxes()[0].text, u"Unable to write the map file.");
    EXPECT_EQ(machine_->MessageBoxes()[0].caption, u"Error");
    EXPECT_EQ(ReadWholeFile(map), "precious");
}

// Every keystroke re-reads the box; what is not a number of at least 0.1
// becomes 0.1 at once and the box says so.
TEST_F(Panels, ParameterBoxesFloorAtOneTenthAndShowIt) {
    for (const char16_t* text : {u"", u"0", u"-", u".", u"0.05x", u"1e-3", u"0.09", u"-5", u"\u0661"}) {
        Type(app::kTrisFactorId, text);
        EXPECT_EQ(ViewerLevel().extrudeFactorTris, 0.1f) << unicode::Utf16ToUtf8(text);
        EXPECT_EQ(BoxText(app::kTrisFactorId), u"0.1") << unicode::Utf16ToUtf8(text);
    }
    Type(app::kBlocksFactorId, u"12abc");
    EXPECT_EQ(ViewerLevel().extrudeFactorBlocks, 12.0f);
    EXPECT_EQ(BoxText(app::kBlocksFactorId), u"12abc");
    Type(app::kScaleId, u"0.1");
    EXPECT_EQ(ExportScale(), 0.1f);
    EXPECT_EQ(BoxText(app::kScaleId), u"0.1");
}

// U+0431 narrowed to 8 bits is '1': it must end the number, not extend it.
TEST_F(Panels, ACharacterAboveAsciiEndsTheNumber) {
    Type(app::kScaleId, u"2\u0431");
    EXPECT_EQ(ExportScale(), 2.0f);
    EXPECT_EQ(BoxText(app::kScaleId), u"2\u0431");
}

// The boxes show what the level and the scale start with, so a user who
// changes nothing exports with exactly the numbers on screen.
TEST_F(Panels, TheBoxesStartWithTheParametersStartingValues) {
    EXPECT_EQ(conversion::ReadFactor(BoxText(app::kTrisFactorId)), ViewerLevel().extrudeFactorTris);
    EXPECT_EQ(conversion::ReadFactor(BoxText(app::kBlocksFactorId)), ViewerLevel().extrudeFactorBlocks);
    EXPECT_EQ(conversion::ReadFactor(BoxText(app::kScaleId)), ExportScale());
}

TEST_F(Panels, EventsOfUnknownIdsAndLabelsDoNothing) {
    for (int id : {0, 2, 5, 12, app::kBlocksLabelId, app::kScaleLabelId, 99}) Raise(id);
    EXPECT_TRUE(machine_->FileDialogs().empty());
    EXPECT_EQ(MessageBoxCount(), 0u);
    EXPECT_EQ(ViewerLevel().extrudeFactorTris, 5.0f);
}

// The panels go top right and bottom right of whatever size the back
// buffer has after a reset.
TEST_F(Panels, AResetPlacesThePanelsAtTheRightEdge) {
    backBuffer_.Width = 1024;
    backBuffer_.Height = 700;
    app::DeviceLost();
    ASSERT_EQ(app::DeviceReset(device_, &backBuffer_), S_OK);
    EXPECT_EQ(app::DevicePanel().X(), 854);
    EXPECT_EQ(app::DevicePanel().Y(), 0);
    EXPECT_EQ(app::DevicePanel().Height(), 170);
    EXPECT_EQ(app::ControlPanel().X(), 854);
    EXPECT_EQ(app::ControlPanel().Y(), 400);
    EXPECT_EQ(app::ControlPanel().Width(), 170);
    EXPECT_EQ(app::ControlPanel().Height(), 300);
}

}  // namespace
}  // namespace ondrel::testing
