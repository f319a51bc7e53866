#include "platform/win32/WinMessages.h"

#include <algorithm>
#include <optional>

#include "platform/win32/PlatformSession.h"
#include "platform/win32/SizeMoveGesture.h"
#include "platform/win32/TextConvert.h"
#include "platform/win32/WinCursor.h"
#include "platform/win32/WinError.h"
#include "platform/win32/WinInput.h"
#include "platform/win32/WinWindow.h"

using ondrel::platform::LiveWindow;
using ondrel::platform::MessageFilter;
using ondrel::platform::Services;
using ondrel::platform::Session;

namespace {

constexpr int kWaitSliceMs = 100;
constexpr WORD kRightShiftScanCode = 0x36;

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }

// The left or right variant of a generic modifier, read from the scan code
// and extended bit that the key message carries.
int SidedKey(const MSG& message) {
    auto flags = HIWORD(static_cast<std::uintptr_t>(message.lParam));
    bool extended = (flags & KF_EXTENDED) != 0;
    int scanCode = flags & 0xFF;
    switch (message.wParam) {
    case VK_SHIFT: return scanCode == kRightShiftScanCode ? VK_RSHIFT : VK_LSHIFT;
    case VK_CONTROL: return extended ? VK_RCONTROL : VK_LCONTROL;
    case VK_MENU: return extended ? VK_RMENU : VK_LMENU;
    default: return static_cast<int>(message.wParam);
    }
}

void TrackKeyState(const MSG& message) {
    auto& keys = Session().KeyStates();
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) keys.Press(SidedKey(message));
    if (message.message == WM_KEYUP || message.message == WM_SYSKEYUP) keys.Release(SidedKey(message));
    struct ButtonKey {
        UINT down, doubleClick, up;
        int key;
    };
    static constexpr ButtonKey kButtons[] = {
        {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP, VK_LBUTTON},
        {WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_RBUTTONUP, VK_RBUTTON},
        {WM_MBUTTONDOWN, WM_MBUTTONDBLCLK, WM_MBUTTONUP, VK_MBUTTON},
    };
    for (const ButtonKey& button : kButtons) {
        if (message.message == button.down || message.message == button.doubleClick) keys.Press(button.key);
        if (message.message == button.up) keys.Release(button.key);
    }
    if (message.message >= WM_XBUTTONDOWN && message.message <= WM_XBUTTONDBLCLK) {
        int key = GET_XBUTTON_WPARAM(message.wParam) == XBUTTON2 ? VK_XBUTTON2 : VK_XBUTTON1;
        if (message.message == WM_XBUTTONUP) {
            keys.Release(key);
        } else {
            keys.Press(key);
        }
    }
}

// Win32 asks the window which cursor to show before it sees a mouse
// message, unless the mouse is captured.
void OfferCursorChoice(const MSG& message) {
    if (Session().Input().capture != nullptr || LiveWindow(message.hwnd) == nullptr) return;
    LRESULT hit = SendMessageW(message.hwnd, WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(message.pt.x),
                                                                         static_cast<WORD>(message.pt.y)));
    if (LiveWindow(message.hwnd) == nullptr) return;
    SendMessageW(message.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(message.hwnd),
                 MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(message.message)));
}

void PrepareRemoved(const MSG& message) {
    Session().Queue().lastMessageTime = message.time;
    if (IsKeyMessage(message.message) || IsMouseMessage(message.message)) TrackKeyState(message);
    if (IsMouseMessage(message.message)) OfferCursorChoice(message);
}

bool FetchPaint(const MessageFilter& filter, MSG* out) {
    MSG probe{};
    probe.message = WM_PAINT;
    for (HWND window : Session().Windows()) {
        probe.hwnd = window;
        if (window->needsPaint && window->visible && !window->destroying && filter.Accepts(probe)) {
            *out = probe;
            out->time = Services().Milliseconds();
            return true;
        }
    }
    return false;
}

MSG MakeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG made{};
    made.hwnd = window;
    made.message = message;
    made.wParam = wParam;
    made.lParam = lParam;
    made.time = Services().Milliseconds();
    made.pt = Services().CursorPosition();
    return made;
}

}  // namespace

BOOL PeekMessageW(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
    Services().PumpEvents();
    ondrel::platform::EndQuietSizeMoves();
    auto& queue = Session().Queue();
    MessageFilter filter{window, filterMin, filterMax};
    bool remove = (removeFlags & PM_REMOVE) != 0;
    if (auto queued = queue.Fetch(filter, remove)) {
        if (remove) PrepareRemoved(*queued);
        if (message) *message = *queued;
        return TRUE;
    }
    if (auto exitCode = queue.FetchQuit(filter, remove)) {
        if (message) *message = MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(*exitCode), 0);
        return TRUE;
    }
    MSG paint{};
    if (FetchPaint(filter, &paint)) {
        if (message) *message = paint;
        return TRUE;
    }
    return FALSE;
}

BOOL GetMessageW(MSG* message, HWND window, UINT filterMin, UINT filterMax) {
    MSG fetched{};
    while (!PeekMessageW(&fetched, window, filterMin, filterMax, PM_REMOVE)) {
        std::optional<DWORD> dragEnd = ondrel::platform::NextSizeMoveEndMs();
        int slice = dragEnd ? std::min(kWaitSliceMs, static_cast<int>(*dragEnd)) : kWaitSliceMs;
        if (Services().WaitForEvents(slice)) continue;
        // A backend with nothing more to deliver still lets an open drag end.
        if (dragEnd) {
            Services().SleepFor(*dragEnd);
            continue;
        }
        SetLastError(ERROR_INVALID_FUNCTION);
        return -1;
    }
    if (message) *message = fetched;
    return fetched.message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG* message) {
    if (message == nullptr || !IsKeyMessage(message->message)) return FALSE;
    if (message->lPrivate == 0) return TRUE;
    auto& queue = Session().Queue();
    std::u16string characters = queue.TakeCharacters(message->lPrivate);
    UINT charMessage = message->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    // Queued in reverse at the front, so they come out in typing order.
    for (auto unit = characters.rbegin(); unit != characters.rend(); ++unit) {
        MSG character = *message;
        character.message = charMessage;
        character.wParam = *unit;
        character.lPrivate = 0;
        queue.PostNext(character);
    }
    return TRUE;
}

LRESULT DispatchMessageW(const MSG* message) {
    if (message == nullptr || message->hwnd == nullptr) return 0;
    PlatformWindow* record = LiveWindow(message->hwnd);
    LRESULT result = 0;
    if (record != nullptr && record->procedure != nullptr) {
        result = record->procedure(message->hwnd, message->message, message->wParam, message->lParam);
    }
    if (message->message == WM_ONDREL_DROPFILE) Session().Queue().ReleaseDroppedPath(message->wParam);
    return result;
}

BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && LiveWindow(window) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    Session().Queue().Post(MakeMessage(window, message, wParam, lParam));
    return TRUE;
}

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    PlatformWindow* record = LiveWindow(window);
    if (record == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (record->procedure == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return record->procedure(window, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) { Session().Queue().PostQuit(exitCode); }

LRESULT CallWindowProcW(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return procedure ? procedure(window, message, wParam, lParam) : 0;
}

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    PlatformWindow* record = LiveWindow(window);
    if (record == nullptr) return 0;
    switch (message) {
    case WM_NCCREATE: return TRUE;
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_PAINT: ValidateRect(window, nullptr); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_NCHITTEST: {
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(window, &point);
        RECT client{};
        GetClientRect(window, &client);
        return PtInRect(&client, point) ? HTCLIENT : HTNOWHERE;
    }
    case WM_SETCURSOR:
        if (static_cast<LRESULT>(LOWORD(static_cast<std::uintptr_t>(lParam))) == HTCLIENT &&
            record->classCursor != nullptr) {
            SetCursor(record->classCursor);
            return TRUE;
        }
        return FALSE;
    case WM_SYSKEYDOWN:
        if (wParam == static_cast<WPARAM>(VK_F4) && (HIWORD(static_cast<std::uintptr_t>(lParam)) & KF_ALTDOWN)) {
            SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0u) {
        case SC_CLOSE: SendMessageW(window, WM_CLOSE, 0, 0); break;
        case SC_MINIMIZE: ShowWindow(window, SW_MINIMIZE); break;
        case SC_MAXIMIZE: ShowWindow(window, SW_MAXIMIZE); break;
        case SC_RESTORE: ShowWindow(window, SW_RESTORE); break;
        default: break;
        }
        return 0;
    default: return 0;
    }
}

int TranslateAcceleratorW(HWND, HACCEL, MSG*) { return 0; }

DWORD GetMessageTime() { return Session().Queue().lastMessageTime; }

UINT GetDroppedFilePathW(WPARAM drop, WCHAR* buffer, UINT capacity) {
    const std::u16string* path = Session().Queue().DroppedPath(drop);
    if (path == nullptr) return 0;
    ondrel::platform::CopyToBuffer(*path, buffer, capacity);
    return static_cast<UINT>(path->size());
}
