#include "platform/win32/WindowEvents.h"

#include "platform/win32/PlatformSession.h"
#include "platform/win32/WinWindow.h"
#include "platform/win32/WindowState.h"

namespace ondrel::platform {

namespace {

MSG Stamped(MSG message) {
    if (message.time == 0) message.time = Services().Milliseconds();
    if (message.pt.x == 0 && message.pt.y == 0) message.pt = Services().CursorPosition();
    return message;
}

}  // namespace

void ReportInput(const MSG& message, const std::u16string& characters) {
    if (LiveWindow(message.hwnd) == nullptr) return;
    Session().Queue().PostWithCharacters(Stamped(message), characters);
}

void ReportText(HWND window, const std::u16string& text) {
    if (LiveWindow(window) == nullptr || text.empty()) return;
    auto& queue = Session().Queue();
    if (queue.AppendCharactersToPendingKey(window, text)) return;
    for (char16_t unit : text) {
        MSG character{};
        character.hwnd = window;
        character.message = WM_CHAR;
        character.wParam = unit;
        character.lParam = 1;
        queue.Post(Stamped(character));
    }
}

void ReportClientRect(HWND window, bool byUser) { ReportGeometryChange(window, byUser); }

void ReportShowState(HWND window, ShowState state) { ChangeShowState(window, state, false); }

void ReportVisible(HWND window, bool visible) { ChangeVisibility(window, visible, false); }

void ReportActivation(HWND window, bool active) {
    if (LiveWindow(window) == nullptr) return;
    auto& input = Session().Input();
    if (active) {
        if (!input.applicationActive) {
            input.applicationActive = true;
            SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0);
        }
        if (LiveWindow(window)) SendMessageW(window, WM_ACTIVATE, WA_ACTIVE, 0);
        if (LiveWindow(window)) SetFocus(window);
        return;
    }
    if (!input.applicationActive) return;
    SendMessageW(window, WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(nullptr);
    input.applicationActive = false;
    if (LiveWindow(window)) SendMessageW(window, WM_ACTIVATEAPP, FALSE, 0);
}

void ReportCloseRequest(HWND window) {
    if (LiveWindow(window)) SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void ReportExposed(HWND window) {
    if (PlatformWindow* record = LiveWindow(window)) record->needsPaint = true;
}

void ReportDroppedFile(HWND window, const std::u16string& path, POINT clientPoint) {
    if (LiveWindow(window) == nullptr) return;
    MSG drop{};
    drop.hwnd = window;
    drop.message = WM_ONDREL_DROPFILE;
    drop.wParam = Session().Queue().AddDroppedPath(path);
    drop.lParam = MAKELPARAM(static_cast<WORD>(clientPoint.x), static_cast<WORD>(clientPoint.y));
    Session().Queue().Post(Stamped(drop));
}

}  // namespace ondrel::platform
