// The framework's keys in a real window under X: the probe runs on the
// OpenGL backend, xdotool presses the keys, and the test reads the probe's
// log of what changed and the window's pixels on the screen.

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "tests/framework/ProbeProcess.h"
#include "tests/support/X11Session.h"
#include "tests/support/TempFiles.h"

namespace ondrel::testing {
namespace {

constexpr char kTitle[] = "Ondrel framework probe";
constexpr unsigned long kTriangle = 0xFFE000;
constexpr unsigned long kBackground = 0x203060;

// The probe as a child process with its log in a temporary folder.
class RunningProbe {
public:
    explicit RunningProbe(const std::filesystem::path& log) : log_(log) {
        pid_ = fork();
        if (pid_ == 0) {
            setenv("ONDREL_PROBE_LOG", log.c_str(), 1);
            unsetenv("SDL_VIDEODRIVER");
            const std::string path = ProbePath();
            execl(path.c_str(), path.c_str(), "-noerrormsgboxes", static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~RunningProbe() {
        if (pid_ > 0 && exitCode_ < 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    RunningProbe(const RunningProbe&) = delete;
    RunningProbe& operator=(const RunningProbe&) = delete;

    // Waits until the last line of the log is status.
    bool WaitForStatus(const std::string& status, int timeoutMs = 10000) {
        return WaitFor([&] { return LastLine() == status; }, timeoutMs);
    }
    // The exit code once the probe has ended, -1 on timeout.
    int WaitForExit(int timeoutMs = 10000) {
        WaitFor(
            [&] {
                int status = 0;
                if (waitpid(pid_, &status, WNOHANG) != pid_) return false;
                exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
                return true;
            },
            timeoutMs);
        return exitCode_;
    }
    std::string LastLine() const {
        std::ifstream in(log_);
        std::string line, last;
        while (std::getline(in, line)) last = line;
        return last;
    }

private:
    template <typename Done>
    static bool WaitFor(Done done, int timeoutMs) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }

    std::filesystem::path log_;
    pid_t pid_ = -1;
    int exitCode_ = -1;
};

// The colour the screen shows at the middle of the window, as 0xRRGGBB.
unsigned long ScreenPixelAtCentre(const std::string& windowId) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 0xFFFFFFFF;
    Window window = static_cast<Window>(std::stoul(windowId, nullptr, 0));
    XWindowAttributes attributes{};
    unsigned long pixel = 0xFFFFFFFF;
    if (XGetWindowAttributes(display, window, &attributes) != 0) {
        XImage* image = XGetImage(display, window, attributes.width / 2, attributes.height / 2, 1, 1, AllPlanes,
                                  ZPixmap);
        if (image != nullptr) {
            pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
            XDestroyImage(image);
        }
    }
    XCloseDisplay(display);
    return pixel;
}

bool PixelBecomes(const std::string& windowId, unsigned long colour) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (ScreenPixelAtCentre(windowId) == colour) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

class FrameworkProbeX11 : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HasDisplay()) GTEST_SKIP() << "needs an X display";
    }
    TempFolder folder;
};

TEST_F(FrameworkProbeX11, PauseAndF8ChangeWhatIsShownAndEscapeEndsTheProgram) {
    RunningProbe probe(folder.File("probe.log"));
    std::string id = WaitForVisibleWindow(kTitle);
    ASSERT_FALSE(id.empty());
    ASSERT_TRUE(Xdotool("windowfocus --sync " + id));
    ASSERT_TRUE(probe.WaitForStatus("windowed=1 timePaused=0 renderingPaused=0 fill=3")) << probe.LastLine();
    EXPECT_TRUE(PixelBecomes(id, kTriangle)) << std::hex << ScreenPixelAtCentre(id);

    // F8: wireframe shows only the triangle's edges, so the middle is empty.
    ASSERT_TRUE(Xdotool("key F8"));
    EXPECT_TRUE(probe.WaitForStatus("windowed=1 timePaused=0 renderingPaused=0 fill=2")) << probe.LastLine();
    EXPECT_TRUE(PixelBecomes(id, kBackground)) << std::hex << ScreenPixelAtCentre(id);
    ASSERT_TRUE(Xdotool("key F8"));
    EXPECT_TRUE(probe.WaitForStatus("windowed=1 timePaused=0 renderingPaused=0 fill=3")) << probe.LastLine();
    EXPECT_TRUE(PixelBecomes(id, kTriangle));

    // Pause freezes time only; drawing goes on.
    ASSERT_TRUE(Xdotool("key Pause"));
    EXPECT_TRUE(probe.WaitForStatus("windowed=1 timePaused=1 renderingPaused=0 fill=3")) << probe.LastLine();
    ASSERT_TRUE(Xdotool("key Pause"));
    EXPECT_TRUE(probe.WaitForStatus("windowed=1 timePaused=0 renderingPaused=0 fill=3")) << probe.LastLine();

    ASSERT_TRUE(Xdotool("key Escape"));
    EXPECT_EQ(probe.WaitForExit(), 0);
}

TEST_F(FrameworkProbeX11, AltEnterSwitchesToFullScreenAndBack) {
    RunningProbe probe(folder.File("probe.log"));
    std::string id = WaitForVisibleWindow(kTitle);
    ASSERT_FALSE(id.empty());
    ASSERT_TRUE(Xdotool("windowfocus --sync " + id));
    ASSERT_TRUE(probe.WaitForStatus("windowed=1 timePaused=0 renderingPaused=0 fill=3")) << probe.LastLine();

    ASSERT_TRUE(Xdotool("key alt+Return"));
    ASSERT_TRUE(probe.WaitForStatus("windowed=0 timePaused=0 renderingPaused=0 fill=3")) << probe.LastLine();
    // The full-screen window is shown and drawn into. (Without a window
    // manager X keeps its size, so the size is not checked here.)
    EXPECT_TRUE(PixelBecomes(id, kTriangle));
    EXPECT_FALSE(FindVisibleWindow(kTitle).empty());

    ASSERT_TRUE(Xdotool("windowfocus --sync " + id + " key alt+Return"));
    EXPECT_TRUE(probe.WaitForStatus("windowed=1 timePaused=0 renderingPaused=0 fill=3")) << probe.LastLine();
    ASSERT_TRUE(Xdotool("key Escape"));
    EXPECT_EQ(probe.WaitForExit(), 0);
}

}  // namespace
}  // namespace ondrel::testing
