#include "platform/win32/PlatformSession.h"
#include "platform/win32/WindowSystems.h"

#include <algorithm>

#include "platform/win32/WinClipboard.h"
#include "platform/win32/WinCursor.h"

namespace ondrel::platform {

namespace {

std::u16string FoldCase(const std::u16string& name) {
    std::u16string folded = name;
    for (char16_t& c : folded) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return folded;
}

std::unique_ptr<PlatformSession>& CurrentSession() {
    static std::unique_ptr<PlatformSession> session;
    return session;
}

}  // namespace

PlatformSession::PlatformSession(std::unique_ptr<PlatformServices> services)
    : services_(std::move(services)) {
    input_.cursor = LoadCursorW(nullptr, IDC_ARROW);
}

PlatformSession::~PlatformSession() {
    for (auto& window : windows_) services_->DestroyNativeWindow(window.get());
    for (HGLOBAL block : clipboard_.lent) GlobalFree(block);
}

WindowClass* PlatformSession::FindClass(const std::u16string& name) {
    auto found = classes_.find(FoldCase(name));
    return found == classes_.end() ? nullptr : &found->second;
}

bool PlatformSession::AddClass(WindowClass windowClass) {
    std::u16string key = FoldCase(windowClass.name);
    return classes_.emplace(key, std::move(windowClass)).second;
}

bool PlatformSession::RemoveClass(const std::u16string& name) { return classes_.erase(FoldCase(name)) > 0; }

bool PlatformSession::ClassHasWindows(const std::u16string& name) const {
    std::u16string key = FoldCase(name);
    return std::any_of(windows_.begin(), windows_.end(),
                       [&](const auto& window) { return FoldCase(window->className) == key; });
}

HWND PlatformSession::AddWindow(std::unique_ptr<PlatformWindow> window) {
    HWND handle = window.get();
    windows_.push_back(std::move(window));
    live_.insert(handle);
    return handle;
}

void PlatformSession::RemoveWindow(HWND window) {
    live_.erase(window);
    queue_.RemoveAllFor(window);
    windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                  [&](const auto& owned) { return owned.get() == window; }),
                   windows_.end());
}

bool PlatformSession::IsLive(HWND window) const { return window != nullptr && live_.count(window) > 0; }

std::vector<HWND> PlatformSession::Windows() const {
    std::vector<HWND> handles;
    for (const auto& window : windows_) handles.push_back(window.get());
    return handles;
}

PlatformSession& Session() {
    auto& session = CurrentSession();
    if (!session) session = std::make_unique<PlatformSession>(CreateSelectedWindowSystem());
    return *session;
}

PlatformWindow* LiveWindow(HWND window) {
    PlatformSession& session = Session();
    return session.IsLive(window) ? window : nullptr;
}

PlatformServices& Services() { return Session().Services(); }

void SetPlatformServices(std::unique_ptr<PlatformServices> services) {
    auto& session = CurrentSession();
    session.reset();
    session = std::make_unique<PlatformSession>(std::move(services));
}

void ResetPlatformServices() { CurrentSession().reset(); }

}  // namespace ondrel::platform
