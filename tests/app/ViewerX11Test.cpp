// The viewer as a person uses it, in a real X session: started on the
// sample, flown with W and a mouse drag, the three parameters typed into
// the panel, exported through the GTK save dialog under a non-ASCII name;
// the map must be byte for byte the converter's with the same parameters.

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "ScreenGrab.h"
#include "tests/support/X11Session.h"
#include "tests/support/TempFiles.h"

extern char** environ;

namespace ondrel::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr std::uint32_t kClearRgb = 0x004040;
constexpr int kPanelWidth = 170;

std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char chunk[512];
        while (std::fgets(chunk, sizeof chunk, pipe) != nullptr) text += chunk;
        pclose(pipe);
    }
    return text;
}

int Field(const std::string& text, const std::string& label) {
    const auto at = text.find(label);
    return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + label.size());
}

struct Geometry {
    int x = -1, y = -1, width = 0, height = 0;
};

Geometry WindowGeometry(const std::string& id) {
    const std::string info = Output("xwininfo -id " + id);
    return {Field(info, "Absolute upper-left X:"), Field(info, "Absolute upper-left Y:"), Field(info, "Width:"),
            Field(info, "Height:")};
}

class Viewer : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HasDisplay()) GTEST_SKIP() << "no X display";
    }
    void TearDown() override {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            for (int i = 0; i < 30 && waitpid(pid_, nullptr, WNOHANG) == 0; ++i) std::this_thread::sleep_for(100ms);
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    // The viewer runs in the test's folder, where the save dialog then opens:
    // a bare file name typed there meets no completion popup, which a typed
    // folder path raises and which can take the keys meant for the name.
    void Start(const std::string& level) {
        const char* arguments[] = {ONDREL_VIEWER_PATH, level.empty() ? nullptr : level.c_str(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, folder_.Path().c_str());
        const int spawned =
            posix_spawn(&pid_, ONDREL_VIEWER_PATH, &actions, nullptr, const_cast<char**>(arguments), environ);
        posix_spawn_file_actions_destroy(&actions);
        ASSERT_EQ(spawned, 0);
        window_ = WaitForVisibleWindow("Ondrel", 20000);
        ASSERT_FALSE(window_.empty()) << "the viewer's window never showed";
        ASSERT_TRUE(Xdotool("windowfocus --sync " + window_));
        std::this_thread::sleep_for(1500ms);
        geometry_ = WindowGeometry(window_);
        ASSERT_GT(geometry_.width, kPanelWidth);
    }
    // The start view looks away from the sample, level with its floor: rise
    // with E, then turn half round with a drag (0.01 radians a pixel). The
    // pauses let the camera's smoothing take each step of the drag.
    void TurnToTheLevel() {
        ASSERT_TRUE(Xdotool("keydown e sleep 2 keyup e"));
        std::string drag = "mousemove --window " + window_ + " 100 200 mousedown 1";
        for (int i = 0; i < 4; ++i) drag += " mousemove_relative --sync 80 0 sleep 0.1";
        ASSERT_TRUE(Xdotool(drag + " mouseup 1"));
        std::this_thread::sleep_for(500ms);
    }
    // Clicks "Export…" and answers the save dialog with a bare file name,
    // each step its own xdotool run: "type" takes every word after it as
    // text, so nothing may follow it in one command line. Typing a character
    // outside the keymap borrows a key code and gives it back; the dialog
    // can lose a key pressed while it reloads its keymap, so Return is
    // pressed again, after a pause, for as long as the dialog stays open.
    void ExportAs(const std::string& name) {
        ASSERT_TRUE(Xdotool("mousemove --window " + window_ + " " + InControlPanel(95, 81) + " click 1"));
        const std::string dialog = WaitForVisibleWindow("Save As", 20000);
        ASSERT_FALSE(dialog.empty()) << "the save dialog never showed";
        ASSERT_TRUE(Xdotool("windowfocus --sync " + dialog + " sleep 0.3 key ctrl+a"));
        ASSERT_TRUE(Xdotool("type --delay 40 '" + name + "'"));
        for (int i = 0; i < 10 && FindVisibleWindow("Save As") == dialog; ++i) {
            std::this_thread::sleep_for(500ms);
            Xdotool("windowfocus --sync " + dialog + " key Return");
            std::this_thread::sleep_for(500ms);
        }
        EXPECT_TRUE(FindVisibleWindow("Save As").empty()) << "the save dialog stayed open";
    }
    ScreenImage Shot() { return GrabScreen(geometry_.x, geometry_.y, geometry_.width, geometry_.height); }
    void Keep(const ScreenImage& image, const char* name) {
        if (const char* folder = std::getenv("ONDREL_SCREENSHOT_DIR")) SavePng(image, std::string(folder) + "/" + name);
    }
    // Client coordinates of a point in the control panel (bottom right).
    std::string InControlPanel(int x, int y) const {
        return std::to_string(geometry_.width - kPanelWidth + x) + " " + std::to_string(geometry_.height - 300 + y);
    }
    // Types in front of the old text, then deletes it, so the box never
    // passes through a value below the floor. "type" ends its command line.
    void Retype(int boxCentreY, const std::string& text, int oldLength) {
        std::string deletes = "key";
        for (int i = 0; i < oldLength; ++i) deletes += " Delete";
        ASSERT_TRUE(Xdotool("mousemove --window " + window_ + " " + InControlPanel(95, boxCentreY) +
                            " click 1 sleep 0.2 key Home"));
        ASSERT_TRUE(Xdotool("type " + text));
        ASSERT_TRUE(Xdotool(deletes));
    }
    // Pixels of a bright yellow, the overlay's colour, in a rectangle.
    static int Yellowish(const ScreenImage& image, int left, int top, int right, int bottom) {
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                const std::uint32_t p = image.Pixel(x, y);
                count += ((p >> 16) & 0xFF) > 0x80 && ((p >> 8) & 0xFF) > 0x80 && (p & 0xFF) < 0x60 ? 1 : 0;
            }
        }
        return count;
    }
    // The device panel's three buttons (x 35 to 160, y 10 to 80 in a panel
    // at the top right) and the control panel's Import… and Export… buttons
    // (y 34 to 92 in a panel at the bottom right) are drawn where the panels
    // belong for a window of this size.
    void ExpectPanelsInPlace(const ScreenImage& image) const {
        const int left = image.width - kPanelWidth;
        const int buttons = 125 * 70;
        EXPECT_GT(image.CountUnlike(left + 35, 10, left + 160, 80, kClearRgb), buttons / 2) << "device panel";
        const int top = image.height - 300;
        EXPECT_GT(image.CountUnlike(left + 35, top + 34, left + 160, top + 92, kClearRgb), buttons / 3)
            << "control panel";
        EXPECT_EQ(image.CountUnlike(left + 35, top + 23, left + 160, top + 33, kClearRgb), 0)
            << "the control panel starts 300 pixels above the bottom";
    }
    int LevelPixels(const ScreenImage& image) const {
        return image.CountUnlike(0, 40, image.width - kPanelWidth, image.height, kClearRgb);
    }

    pid_t pid_ = -1;
    std::string window_;
    Geometry geometry_;
    TempFolder folder_;
};

TEST_F(Viewer, FliesThroughTheSampleAndExportsTheConvertersMap) {
    const fs::path sample = fs::path(ONDREL_SOURCE_DIR) / "samples" / "facility.txt";
    Start(sample.string());
    TurnToTheLevel();

    const ScreenImage level = Shot();
    Keep(level, "viewer-level.png");
    ASSERT_EQ(level.width, geometry_.width);
    EXPECT_GT(LevelPixels(level), level.width * level.height / 20) << "the sample level is not on screen";

    ASSERT_TRUE(Xdotool("keydown w sleep 0.6 keyup w"));
    ASSERT_TRUE(Xdotool("mousemove --window " + window_ + " 200 200 mousedown 1 mousemove_relative --sync 60 30 "
                        "mousemove_relative --sync 60 30 mouseup 1"));
    std::this_thread::sleep_for(500ms);
    const ScreenImage flown = Shot();
    EXPECT_NE(flown.rgb, level.rgb) << "neither W nor the drag moved the view";

    Retype(144, "7.5", 1);
    Retype(202, "3", 1);
    Retype(260, "32", 2);

    const fs::path chosen = folder_.Path() / fs::path(u"\u0431\u4E2D-map.map");
    ExportAs(chosen.filename().string());
    for (int i = 0; i < 100 && !fs::exists(chosen); ++i) std::this_thread::sleep_for(200ms);
    ASSERT_TRUE(fs::exists(chosen)) << "no map under the chosen name";
    std::this_thread::sleep_for(1500ms);

    const ScreenImage solids = Shot();
    Keep(solids, "viewer-solids.png");
    EXPECT_GT(LevelPixels(solids), solids.width * solids.height / 20);
    EXPECT_NE(solids.rgb, flown.rgb) << "the view did not switch to the solids";

    const fs::path reference = folder_.File("reference.map");
    const std::string convert = std::string(ONDREL_CONVERT_PATH) + " -q --tris 7.5 --blocks 3 --scale 32 -o '" +
                                reference.string() + "' '" + sample.string() + "'";
    ASSERT_EQ(std::system(convert.c_str()), 0);
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(ReadWholeFile(chosen), ReadWholeFile(reference));

    ASSERT_TRUE(Xdotool("windowfocus --sync " + window_ + " key Escape"));
    int status = -1;
    for (int i = 0; i < 50 && waitpid(pid_, &status, WNOHANG) == 0; ++i) std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "Escape did not end the viewer cleanly";
    if (WIFEXITED(status)) pid_ = -1;
}

TEST_F(Viewer, BeforeAnImportOnlyTheClearColourThePanelsAndTheOverlayShow) {
    Start("");
    const ScreenImage empty = Shot();
    ASSERT_EQ(empty.width, geometry_.width);
    EXPECT_EQ(LevelPixels(empty), 0) << "something besides the clear colour in the 3D view";
    EXPECT_GT(Yellowish(empty, 0, 0, empty.width - kPanelWidth, 20), 40) << "no statistics line at the top";
    ExpectPanelsInPlace(empty);
}

// Columns from the first to the last of a label's white text pixels.
int TextWidth(const ScreenImage& image, int top, int bottom) {
    int first = image.width, last = -1;
    for (int y = top; y < bottom; ++y) {
        for (int x = image.width - kPanelWidth; x < image.width; ++x) {
            const std::uint32_t p = image.Pixel(x, y);
            if (((p >> 16) & 0xFF) > 0xD0 && ((p >> 8) & 0xFF) > 0xD0 && (p & 0xFF) > 0xD0) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return last - first + 1;
}

// "Blocks" is about 20 pixels wider than "Tris" in the panel's font; a label
// cut at its 125-pixel box shows less of the difference.
TEST_F(Viewer, TheBlocksLabelIsShownWhole) {
    Start("");
    const ScreenImage image = Shot();
    const int top = image.height - 300;
    const int tris = TextWidth(image, top + 106, top + 128);
    const int blocks = TextWidth(image, top + 164, top + 186);
    ASSERT_GT(tris, 80);
    EXPECT_GE(blocks - tris, 17) << "Tris " << tris << " pixels wide, Blocks " << blocks;
}

TEST_F(Viewer, F8DrawsTheLevelAsWireframeAndBack) {
    Start((fs::path(ONDREL_SOURCE_DIR) / "samples" / "facility.txt").string());
    TurnToTheLevel();
    const int solid = LevelPixels(Shot());
    ASSERT_GT(solid, geometry_.width * geometry_.height / 20) << "the sample level is not on screen";

    ASSERT_TRUE(Xdotool("key F8"));
    std::this_thread::sleep_for(500ms);
    const int wire = LevelPixels(Shot());
    EXPECT_GT(wire, 0) << "nothing drawn in wireframe";
    EXPECT_LT(wire, solid * 2 / 3) << "F8 left the triangles filled";

    ASSERT_TRUE(Xdotool("key F8"));
    std::this_thread::sleep_for(500ms);
    EXPECT_GT(LevelPixels(Shot()), solid * 9 / 10) << "a second F8 did not fill the triangles again";
}

TEST_F(Viewer, AResizedWindowHasItsPanelsAtTheNewRightEdge) {
    Start("");
    ASSERT_TRUE(Xdotool("windowsize --sync " + window_ + " 900 700"));
    std::this_thread::sleep_for(1500ms);
    geometry_ = WindowGeometry(window_);
    ASSERT_EQ(geometry_.width, 900);
    ASSERT_EQ(geometry_.height, 700);
    const ScreenImage resized = Shot();
    ExpectPanelsInPlace(resized);
    EXPECT_EQ(LevelPixels(resized), 0) << "a panel left behind at its old place";
}

TEST_F(Viewer, F2OpensTheSettingsDialogAndCancelClosesItUnchanged) {
    Start("");
    const ScreenImage before = Shot();
    ASSERT_TRUE(Xdotool("key F2"));
    std::this_thread::sleep_for(1000ms);
    const ScreenImage dialog = Shot();
    // The dialog covers the whole back buffer with its own controls.
    EXPECT_GT(dialog.CountUnlike(0, 40, dialog.width, dialog.height, kClearRgb),
              before.CountUnlike(0, 40, before.width, before.height, kClearRgb) + 5000)
        << "F2 showed no settings dialog";

    // Cancel sits at (315, 435), 73 by 31, in the dialog's 640 x 480 layout.
    ASSERT_TRUE(Xdotool("mousemove --window " + window_ + " 351 450 click 1"));
    std::this_thread::sleep_for(1000ms);
    const Geometry after = WindowGeometry(window_);
    EXPECT_EQ(after.width, geometry_.width);
    EXPECT_EQ(after.height, geometry_.height);
    const ScreenImage closed = Shot();
    EXPECT_EQ(LevelPixels(closed), 0) << "the dialog is still on screen";
    ExpectPanelsInPlace(closed);
}

}  // namespace
}  // namespace ondrel::testing
