#include "TestWindow.h"

#include <algorithm>

namespace ondrel::testing {

namespace {

constexpr const WCHAR* kClassName = u"OndrelTestWindow";

// The window being created, until its WM_NCCREATE hands it over.
TestWindow* creating = nullptr;

}  // namespace

TestWindow::TestWindow(TestWindowOptions options) : options_(options) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = options.classStyle;
    windowClass.lpfnWndProc = &TestWindow::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    creating = this;
    handle_ = CreateWindowExW(0, kClassName, u"Ondrel test", options.style, options.x, options.y, options.width,
                              options.height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    creating = nullptr;
}

TestWindow::~TestWindow() {
    if (IsWindow(handle_)) {
        options_.quitOnDestroy = false;
        DestroyWindow(handle_);
    }
    UnregisterClassW(kClassName, GetModuleHandleW(nullptr));
}

std::vector<UINT> TestWindow::Codes() const {
    std::vector<UINT> codes;
    for (const SeenMessage& seen : seen_) codes.push_back(seen.message);
    return codes;
}

std::vector<UINT> TestWindow::CodesAmong(std::initializer_list<UINT> interesting) const {
    std::vector<UINT> codes;
    for (const SeenMessage& seen : seen_) {
        if (std::find(interesting.begin(), interesting.end(), seen.message) != interesting.end()) {
            codes.push_back(seen.message);
        }
    }
    return codes;
}

const SeenMessage* TestWindow::Last(UINT message) const {
    auto found = std::find_if(seen_.rbegin(), seen_.rend(), [&](const SeenMessage& m) { return m.message == message; });
    return found == seen_.rend() ? nullptr : &*found;
}

std::size_t TestWindow::Count(UINT message) const {
    return static_cast<std::size_t>(
        std::count_if(seen_.begin(), seen_.end(), [&](const SeenMessage& m) { return m.message == message; }));
}

LRESULT TestWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) self = creating;
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return self->Respond(window, message, wParam, lParam);
}

LRESULT TestWindow::Respond(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    seen_.push_back(SeenMessage{message, wParam, lParam});
    if (message == WM_GETMINMAXINFO) {
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = POINT{options_.minTrackSize, options_.minTrackSize};
    }
    if (message == WM_ONDREL_DROPFILE) {
        UINT length = GetDroppedFilePathW(wParam, nullptr, 0);
        droppedPath_.assign(length + 1, u'\0');
        GetDroppedFilePathW(wParam, droppedPath_.data(), length + 1);
        droppedPath_.resize(length);
    }
    if (message == WM_DESTROY && options_.quitOnDestroy) PostQuitMessage(0);
    if (handler) {
        if (std::optional<LRESULT> result = handler(message, wParam, lParam)) return *result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int PumpMessages() {
    int count = 0;
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
        ++count;
    }
    return count;
}

std::vector<MSG> DrainMessages() {
    std::vector<MSG> drained;
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_PAINT) {
            ValidateRect(message.hwnd, nullptr);
            continue;
        }
        drained.push_back(message);
        if (message.message == WM_QUIT) break;
    }
    return drained;
}

}  // namespace ondrel::testing
