#include "platform/win32/MessagePacking.h"

#include "platform/win32/WinInput.h"

namespace ondrel::platform {

UINT KeyMessageFor(const KeyEventFacts& key) {
    bool system = (key.altHeld && !key.controlHeld) || key.virtualKey == VK_F10;
    if (key.down) return system ? WM_SYSKEYDOWN : WM_KEYDOWN;
    return system ? WM_SYSKEYUP : WM_KEYUP;
}

LPARAM KeyLParamFor(const KeyEventFacts& key) {
    DWORD bits = 1u;
    bits |= static_cast<DWORD>(key.scanCode) << 16;
    if (key.extended) bits |= 1u << 24;
    if (key.altHeld) bits |= 1u << 29;
    if (key.repeat || !key.down) bits |= 1u << 30;
    if (!key.down) bits |= 1u << 31;
    return static_cast<LPARAM>(bits);
}

std::u16string ControlCharactersFor(const KeyEventFacts& key) {
    if (!key.down) return {};
    switch (key.virtualKey) {
    case VK_RETURN: return key.controlHeld ? u"\n" : u"\r";
    case VK_BACK: return key.controlHeld ? u"\x7F" : u"\b";
    case VK_TAB: return key.controlHeld || key.altHeld ? u"" : u"\t";
    case VK_ESCAPE: return u"\x1B";
    default: break;
    }
    if (key.controlHeld && !key.altHeld && key.virtualKey >= 'A' && key.virtualKey <= 'Z') {
        return std::u16string(1, static_cast<char16_t>(key.virtualKey - 'A' + 1));
    }
    return {};
}

WPARAM MouseKeyBit(MouseButton button) {
    switch (button) {
    case MouseButton::Left: return MK_LBUTTON;
    case MouseButton::Right: return MK_RBUTTON;
    case MouseButton::Middle: return MK_MBUTTON;
    case MouseButton::X1: return MK_XBUTTON1;
    case MouseButton::X2: return MK_XBUTTON2;
    }
    return 0;
}

int ButtonVirtualKey(MouseButton button) {
    switch (button) {
    case MouseButton::Left: return VK_LBUTTON;
    case MouseButton::Right: return VK_RBUTTON;
    case MouseButton::Middle: return VK_MBUTTON;
    case MouseButton::X1: return VK_XBUTTON1;
    case MouseButton::X2: return VK_XBUTTON2;
    }
    return 0;
}

void MouseButtonState::Press(MouseButton button) { held |= MouseKeyBit(button); }

void MouseButtonState::Release(MouseButton button) { held &= ~MouseKeyBit(button); }

UINT MouseButtonMessage(MouseButton button, bool down, bool doubleClick) {
    UINT base = WM_LBUTTONDOWN;
    switch (button) {
    case MouseButton::Left: base = WM_LBUTTONDOWN; break;
    case MouseButton::Right: base = WM_RBUTTONDOWN; break;
    case MouseButton::Middle: base = WM_MBUTTONDOWN; break;
    case MouseButton::X1:
    case MouseButton::X2: base = WM_XBUTTONDOWN; break;
    }
    // Each button's messages run down, up, double click.
    if (!down) return base + 1;
    return doubleClick ? base + 2 : base;
}

WPARAM MouseWParam(WPARAM held, bool shift, bool control, UINT message, MouseButton button) {
    WPARAM keys = held | (shift ? MK_SHIFT : 0) | (control ? MK_CONTROL : 0);
    if (message >= WM_XBUTTONDOWN && message <= WM_XBUTTONDBLCLK) {
        WORD which = button == MouseButton::X2 ? XBUTTON2 : XBUTTON1;
        keys |= static_cast<WPARAM>(which) << 16;
    }
    return keys;
}

LPARAM PointLParam(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

WPARAM WheelWParam(int delta, WPARAM keyState) {
    return MAKEWPARAM(static_cast<WORD>(keyState), static_cast<WORD>(static_cast<SHORT>(delta)));
}

}  // namespace ondrel::platform
