#pragma once
// How input becomes Win32 message codes and parameters. Pure functions,
// shared by the backends.

#include <string>

#include "platform/win32/WinMessages.h"

namespace ondrel::platform {

enum class MouseButton { Left, Right, Middle, X1, X2 };

struct KeyEventFacts {
    int virtualKey = 0;
    BYTE scanCode = 0;
    bool extended = false;
    bool down = true;
    // The key was already down before this event (auto-repeat).
    bool repeat = false;
    bool altHeld = false;
    bool controlHeld = false;
    bool shiftHeld = false;
};

// WM_KEYDOWN / WM_KEYUP, or their WM_SYS* forms while Alt (without Control)
// is held and for F10.
UINT KeyMessageFor(const KeyEventFacts& key);
// Repeat count 1, scan code, extended bit 24, Alt bit 29, previous-state bit
// 30 (set for repeats and releases), transition bit 31 (releases).
LPARAM KeyLParamFor(const KeyEventFacts& key);
// The characters TranslateMessage makes of a key-down that the text input
// does not deliver: Return, Backspace, Tab, Escape and Control+letter.
std::u16string ControlCharactersFor(const KeyEventFacts& key);

// Which buttons are held, as MK_* bits.
struct MouseButtonState {
    WPARAM held = 0;

    void Press(MouseButton button);
    void Release(MouseButton button);
};

WPARAM MouseKeyBit(MouseButton button);
// VK_LBUTTON and its kin, for the key-state tables.
int ButtonVirtualKey(MouseButton button);
UINT MouseButtonMessage(MouseButton button, bool down, bool doubleClick);
// Buttons held plus MK_SHIFT / MK_CONTROL; X-button messages also carry the
// button (XBUTTON1 / XBUTTON2) in the high word.
WPARAM MouseWParam(WPARAM held, bool shift, bool control, UINT message = WM_MOUSEMOVE,
                   MouseButton button = MouseButton::Left);
LPARAM PointLParam(int x, int y);
// The signed wheel distance in the high word, the key state in the low.
WPARAM WheelWParam(int delta, WPARAM keyState);

}  // namespace ondrel::platform
