#include "platform/sdl/SdlEventTranslator.h"

#include <vector>

#include "platform/sdl/SdlKeyTable.h"
#include "platform/sdl/SdlWindowHandle.h"
#include "platform/win32/PlatformWindow.h"
#include "platform/win32/TextConvert.h"
#include "platform/win32/WinInput.h"
#include "platform/win32/WinWindow.h"
#include "platform/win32/WindowEvents.h"

namespace ondrel::platform {

namespace {

bool ToMouseButton(Uint8 sdlButton, MouseButton& button) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: button = MouseButton::Left; return true;
    case SDL_BUTTON_RIGHT: button = MouseButton::Right; return true;
    case SDL_BUTTON_MIDDLE: button = MouseButton::Middle; return true;
    case SDL_BUTTON_X1: button = MouseButton::X1; return true;
    case SDL_BUTTON_X2: button = MouseButton::X2; return true;
    default: return false;
    }
}

POINT GlobalCursor() {
    int x = 0;
    int y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    return POINT{x, y};
}

// Stamped with the platform clock when it reaches the queue.
MSG MessageFor(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG made{};
    made.hwnd = window;
    made.message = message;
    made.wParam = wParam;
    made.lParam = lParam;
    made.pt = GlobalCursor();
    return made;
}

}  // namespace

HWND HwndOfWindowId(Uint32 windowId) { return HwndOfSdlWindow(SDL_GetWindowFromID(windowId)); }

void SdlEventTranslator::Translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: Key(event.key); break;
    case SDL_TEXTINPUT: Text(event.text); break;
    case SDL_MOUSEMOTION: Motion(event.motion); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: Button(event.button); break;
    case SDL_MOUSEWHEEL: Wheel(event.wheel); break;
    case SDL_WINDOWEVENT: Window(event.window); break;
    case SDL_DROPFILE: Drop(event.drop); break;
    case SDL_QUIT: CloseEveryWindow(); break;
    default: break;
    }
}

WPARAM SdlEventTranslator::MouseKeys(UINT message, MouseButton button) const {
    SDL_Keymod modifiers = SDL_GetModState();
    return MouseWParam(buttons_.held, (modifiers & KMOD_SHIFT) != 0, (modifiers & KMOD_CTRL) != 0, message, button);
}

void SdlEventTranslator::Key(const SDL_KeyboardEvent& event) {
    Win32Key key = TranslateSdlKey(event.keysym.scancode, event.keysym.sym, event.keysym.mod);
    if (key.virtualKey == 0) return;
    bool down = event.type == SDL_KEYDOWN;
    int sided = SidedVirtualKey(event.keysym.scancode, key.virtualKey);
    if (down) {
        asyncKeys_.Press(sided);
    } else {
        asyncKeys_.Release(sided);
    }
    HWND window = HwndOfWindowId(event.windowID);
    if (window == nullptr) return;
    KeyEventFacts facts;
    facts.virtualKey = key.virtualKey;
    facts.scanCode = key.scanCode;
    facts.extended = key.extended;
    facts.down = down;
    facts.repeat = event.repeat != 0;
    facts.altHeld = (event.keysym.mod & KMOD_ALT) != 0 || key.virtualKey == VK_MENU;
    facts.controlHeld = (event.keysym.mod & KMOD_CTRL) != 0;
    facts.shiftHeld = (event.keysym.mod & KMOD_SHIFT) != 0;
    ReportInput(MessageFor(window, KeyMessageFor(facts), static_cast<WPARAM>(key.virtualKey), KeyLParamFor(facts)),
                ControlCharactersFor(facts));
}

void SdlEventTranslator::Text(const SDL_TextInputEvent& event) {
    HWND window = HwndOfWindowId(event.windowID);
    if (window == nullptr) return;
    // Control+letter already made its control character from the key.
    SDL_Keymod modifiers = SDL_GetModState();
    if ((modifiers & KMOD_CTRL) && !(modifiers & KMOD_ALT)) return;
    ReportText(window, Utf8ToUtf16(event.text));
}

void SdlEventTranslator::Motion(const SDL_MouseMotionEvent& event) {
    HWND window = HwndOfWindowId(event.windowID);
    if (window == nullptr) return;
    ReportInput(MessageFor(window, WM_MOUSEMOVE, MouseKeys(), PointLParam(event.x, event.y)));
}

void SdlEventTranslator::Button(const SDL_MouseButtonEvent& event) {
    MouseButton button;
    if (!ToMouseButton(event.button, button)) return;
    bool down = event.type == SDL_MOUSEBUTTONDOWN;
    if (down) {
        buttons_.Press(button);
        asyncKeys_.Press(ButtonVirtualKey(button));
    } else {
        buttons_.Release(button);
        asyncKeys_.Release(ButtonVirtualKey(button));
    }
    HWND window = HwndOfWindowId(event.windowID);
    if (window == nullptr) return;
    // Every second click of a run is a double click, for classes that ask.
    bool doubleClick = down && event.clicks >= 2 && event.clicks % 2 == 0 && (window->classStyle & CS_DBLCLKS);
    UINT message = MouseButtonMessage(button, down, doubleClick);
    ReportInput(MessageFor(window, message, MouseKeys(message, button), PointLParam(event.x, event.y)));
}

void SdlEventTranslator::Wheel(const SDL_MouseWheelEvent& event) {
    HWND window = HwndOfWindowId(event.windowID);
    if (window == nullptr) return;
    int sign = event.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
    // As in Win32, the wheel messages carry the cursor in screen coordinates.
    POINT cursor = GlobalCursor();
    if (event.y != 0) {
        ReportInput(MessageFor(window, WM_MOUSEWHEEL, WheelWParam(sign * event.y * WHEEL_DELTA, MouseKeys()),
                               PointLParam(cursor.x, cursor.y)));
    }
    if (event.x != 0) {
        ReportInput(MessageFor(window, WM_MOUSEHWHEEL, WheelWParam(sign * event.x * WHEEL_DELTA, MouseKeys()),
                               PointLParam(cursor.x, cursor.y)));
    }
}

void SdlEventTranslator::Geometry(HWND window) {
    SdlWindowEntry* entry = book_.Find(window);
    if (entry == nullptr) return;
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowPosition(entry->window, &x, &y);
    SDL_GetWindowSize(entry->window, &width, &height);
    RECT now{x, y, x + width, y + height};
    const RECT& asked = entry->requestedClient;
    bool asRequested = now.left == asked.left && now.top == asked.top && now.right == asked.right &&
                       now.bottom == asked.bottom;
    bool fullScreen = (SDL_GetWindowFlags(entry->window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    bool byUser = !asRequested && !fullScreen && !entry->wasFullScreen && window->showState == ShowState::Normal;
    entry->requestedClient = now;
    entry->wasFullScreen = fullScreen;
    ReportClientRect(window, byUser);
}

void SdlEventTranslator::Window(const SDL_WindowEvent& event) {
    HWND window = HwndOfWindowId(event.windowID);
    if (window == nullptr) return;
    switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED: ReportExposed(window); break;
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_SIZE_CHANGED: Geometry(window); break;
    case SDL_WINDOWEVENT_MINIMIZED: ReportShowState(window, ShowState::Minimized); break;
    case SDL_WINDOWEVENT_MAXIMIZED: ReportShowState(window, ShowState::Maximized); break;
    case SDL_WINDOWEVENT_RESTORED: ReportShowState(window, ShowState::Normal); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: ReportActivation(window, true); break;
    case SDL_WINDOWEVENT_FOCUS_LOST: ReportActivation(window, false); break;
    case SDL_WINDOWEVENT_CLOSE: ReportCloseRequest(window); break;
    default: break;
    }
}

void SdlEventTranslator::Drop(const SDL_DropEvent& event) {
    HWND window = HwndOfWindowId(event.windowID);
    if (window != nullptr && event.file != nullptr) {
        POINT point = GlobalCursor();
        if (SdlWindowEntry* entry = book_.Find(window)) {
            int x = 0, y = 0;
            SDL_GetWindowPosition(entry->window, &x, &y);
            point.x -= x;
            point.y -= y;
        }
        ReportDroppedFile(window, Utf8ToUtf16(event.file), point);
    }
    SDL_free(event.file);
}

// SDL's quit event comes from SIGTERM or SIGINT; the program should end as
// when each of its windows' close buttons is pressed.
void SdlEventTranslator::CloseEveryWindow() {
    // A close can destroy other windows and so change the book under a loop.
    std::vector<HWND> topLevel;
    for (const auto& [handle, entry] : book_.Entries()) {
        if ((handle->style & WS_CHILD) == 0) topLevel.push_back(handle);
    }
    for (HWND window : topLevel) ReportCloseRequest(window);
}

}  // namespace ondrel::platform
