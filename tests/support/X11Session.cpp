#include "X11Session.h"

#include <SDL2/SDL_syswm.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/sdl/SdlWindowHandle.h"
#include "platform/win32/Windows.h"

namespace ondrel::testing {

bool HasDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && *display != '\0';
}

bool Xdotool(const std::string& arguments) {
    std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

std::string FindVisibleWindow(const std::string& title) {
    std::FILE* listing = popen("xwininfo -root -children 2>/dev/null", "r");
    if (listing == nullptr) return {};
    std::string id;
    std::string quoted = "\"" + title + "\"";
    char line[1024];
    while (std::fgets(line, sizeof line, listing) != nullptr) {
        std::string text = line;
        std::size_t name = text.find(quoted);
        if (name == std::string::npos) continue;
        std::size_t start = text.find("0x");
        std::size_t end = text.find(' ', start);
        std::string candidate = text.substr(start, end - start);
        std::string state = "xwininfo -id " + candidate + " 2>/dev/null | grep -q IsViewable";
        if (std::system(state.c_str()) == 0) id = candidate;
    }
    pclose(listing);
    return id;
}

std::string WaitForVisibleWindow(const std::string& title, int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string id;
    while ((id = FindVisibleWindow(title)).empty()) {
        if (std::chrono::steady_clock::now() > deadline) return {};
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return id;
}

bool AnswerWindowLater(const std::string& title, const std::string& keys, int timeoutSeconds) {
    std::string command = std::string("sh '") + ONDREL_ANSWER_WINDOW_SCRIPT + "' '" + title + "' '" + keys + "' " +
                          std::to_string(timeoutSeconds) + " >/dev/null 2>&1 &";
    return std::system(command.c_str()) == 0;
}

std::string XWindowId(HWND window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(SdlWindowOf(window), &info) || info.subsystem != SDL_SYSWM_X11) return "0";
    return std::to_string(static_cast<unsigned long>(info.info.x11.window));
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                // Left for the test to see.
                PostQuitMessage(static_cast<int>(message.wParam));
                break;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool FocusWindow(HWND window, const std::function<bool()>& activated) {
    std::string id = XWindowId(window);
    // Without a window manager nothing maps or focuses on its own.
    if (!PumpUntil([&] { return !FindVisibleWindow("Ondrel test").empty(); })) return false;
    if (!Xdotool("windowfocus --sync " + id)) return false;
    return PumpUntil(activated);
}

}  // namespace ondrel::testing
