#pragma once
// A window for tests: registers its class, records every message its window
// procedure sees, sets the 200 x 200 minimum tracking size the framework
// uses, and otherwise behaves like DefWindowProcW.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Windows.h"

namespace ondrel::testing {

struct SeenMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct TestWindowOptions {
    DWORD style = WS_OVERLAPPEDWINDOW;
    int x = 100;
    int y = 100;
    int width = 416;
    int height = 339;
    UINT classStyle = CS_DBLCLKS;
    LONG minTrackSize = 200;
    bool quitOnDestroy = true;
};

class TestWindow {
public:
    explicit TestWindow(TestWindowOptions options = {});
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return handle_; }
    const std::vector<SeenMessage>& Seen() const { return seen_; }
    std::vector<UINT> Codes() const;
    // Codes of the messages seen, in order, restricted to those listed.
    std::vector<UINT> CodesAmong(std::initializer_list<UINT> interesting) const;
    const SeenMessage* Last(UINT message) const;
    std::size_t Count(UINT message) const;
    void Clear() { seen_.clear(); }
    // The path read while a WM_ONDREL_DROPFILE was handled.
    const std::u16string& DroppedPath() const { return droppedPath_; }
    // Called before default handling; a value ends the handling with it.
    std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)> handler;

private:
    static LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Respond(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    TestWindowOptions options_;
    HWND handle_ = nullptr;
    std::vector<SeenMessage> seen_;
    std::u16string droppedPath_;
};

// Fetches, translates and dispatches every waiting message; returns how many.
int PumpMessages();
// The messages waiting, removed without dispatching.
std::vector<MSG> DrainMessages();

}  // namespace ondrel::testing
