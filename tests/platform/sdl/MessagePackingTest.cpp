// The pure translation tables: key identities to virtual keys, key facts to
// message codes and lParam bits, mouse state to wParam.

#include <gtest/gtest.h>

#include "platform/sdl/SdlKeyTable.h"
#include "platform/win32/MessagePacking.h"
#include "platform/win32/WinInput.h"

using namespace ondrel::platform;

namespace {

KeyEventFacts Key(int virtualKey, bool down = true) {
    KeyEventFacts facts;
    facts.virtualKey = virtualKey;
    facts.down = down;
    return facts;
}

}  // namespace

TEST(SdlKeyTable, LettersAndDigitsFollowTheLayoutOtherKeysTheirPosition) {
    // On an AZERTY keyboard the key in the Q position types 'a'.
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_Q, SDLK_a, KMOD_NONE).virtualKey, 'A');
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_Q, SDLK_a, KMOD_NONE).scanCode, 0x10);
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_7, SDLK_7, KMOD_NONE).virtualKey, '7');
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_SPACE, SDLK_SPACE, KMOD_NONE).virtualKey, VK_SPACE);
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_PAUSE, SDLK_PAUSE, KMOD_NONE).virtualKey, VK_PAUSE);
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_F12, SDLK_F12, KMOD_NONE).virtualKey, VK_F12);
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_F1, SDLK_F1, KMOD_NONE).virtualKey, VK_F1);
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, KMOD_NONE).virtualKey, VK_BACK);
    // Unknown keys give no virtual key.
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_AUDIOPLAY, SDLK_AUDIOPLAY, KMOD_NONE).virtualKey, 0);
}

TEST(SdlKeyTable, NavigationKeysAreExtendedAndModifiersGeneric) {
    for (SDL_Scancode scancode : {SDL_SCANCODE_LEFT, SDL_SCANCODE_UP, SDL_SCANCODE_HOME, SDL_SCANCODE_END,
                                  SDL_SCANCODE_PAGEUP, SDL_SCANCODE_PAGEDOWN, SDL_SCANCODE_INSERT,
                                  SDL_SCANCODE_DELETE}) {
        EXPECT_TRUE(TranslateSdlKey(scancode, 0, KMOD_NONE).extended) << scancode;
    }
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_PAGEUP, SDLK_PAGEUP, KMOD_NONE).virtualKey, VK_PRIOR);
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_PAGEDOWN, SDLK_PAGEDOWN, KMOD_NONE).virtualKey, VK_NEXT);
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, KMOD_NONE).virtualKey, VK_SHIFT);
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_RCTRL, SDLK_RCTRL, KMOD_NONE).virtualKey, VK_CONTROL);
    EXPECT_TRUE(TranslateSdlKey(SDL_SCANCODE_RCTRL, SDLK_RCTRL, KMOD_NONE).extended);
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_LALT, SDLK_LALT, KMOD_NONE).virtualKey, VK_MENU);
    EXPECT_EQ(SidedVirtualKey(SDL_SCANCODE_RALT, VK_MENU), VK_RMENU);
    EXPECT_EQ(SidedVirtualKey(SDL_SCANCODE_A, 'A'), 'A');
    // The keypad's Enter is Return with the extended bit.
    Win32Key keypadEnter = TranslateSdlKey(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, KMOD_NONE);
    EXPECT_EQ(keypadEnter.virtualKey, VK_RETURN);
    EXPECT_TRUE(keypadEnter.extended);
}

TEST(SdlKeyTable, KeypadDigitsDependOnNumLock) {
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_KP_8, SDLK_KP_8, KMOD_NUM).virtualKey, VK_NUMPAD8);
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_KP_8, SDLK_KP_8, KMOD_NONE).virtualKey, VK_UP);
    EXPECT_FALSE(TranslateSdlKey(SDL_SCANCODE_KP_8, SDLK_KP_8, KMOD_NONE).extended);
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_KP_0, SDLK_KP_0, KMOD_NUM).virtualKey, VK_NUMPAD0);
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, KMOD_NUM).virtualKey, VK_DECIMAL);
    EXPECT_EQ(TranslateSdlKey(SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, KMOD_NONE).virtualKey, VK_ADD);
}

TEST(KeyMessages, AltMakesSystemKeysUnlessControlIsHeld) {
    EXPECT_EQ(KeyMessageFor(Key('A')), WM_KEYDOWN);
    EXPECT_EQ(KeyMessageFor(Key('A', false)), WM_KEYUP);
    KeyEventFacts altA = Key('A');
    altA.altHeld = true;
    EXPECT_EQ(KeyMessageFor(altA), WM_SYSKEYDOWN);
    altA.down = false;
    EXPECT_EQ(KeyMessageFor(altA), WM_SYSKEYUP);
    KeyEventFacts altGr = Key('Q');
    altGr.altHeld = true;
    altGr.controlHeld = true;
    EXPECT_EQ(KeyMessageFor(altGr), WM_KEYDOWN);
    EXPECT_EQ(KeyMessageFor(Key(VK_F10)), WM_SYSKEYDOWN);
}

TEST(KeyMessages, LParamCarriesScanCodeAltRepeatAndTransition) {
    KeyEventFacts press = Key(VK_RETURN);
    press.scanCode = 0x1C;
    LPARAM first = KeyLParamFor(press);
    EXPECT_EQ(first & 0xFFFF, 1);
    EXPECT_EQ((first >> 16) & 0xFF, 0x1C);
    EXPECT_EQ(first & (LPARAM{1} << 29), 0);
    EXPECT_EQ(first & (LPARAM{1} << 30), 0);

    press.altHeld = true;
    press.repeat = true;
    press.extended = true;
    LPARAM repeated = KeyLParamFor(press);
    EXPECT_NE(repeated & (LPARAM{1} << 29), 0);
    EXPECT_NE(repeated & (LPARAM{1} << 30), 0);
    EXPECT_NE(repeated & (LPARAM{1} << 24), 0);
    EXPECT_NE(HIWORD(static_cast<std::uintptr_t>(repeated)) & KF_ALTDOWN, 0);

    LPARAM release = KeyLParamFor(Key(VK_RETURN, false));
    EXPECT_NE(release & (LPARAM{1} << 30), 0);
    EXPECT_NE(release & (LPARAM{1} << 31), 0);
    EXPECT_GT(release, 0) << "lParam is 64-bit here; bit 31 must not sign-extend";
}

TEST(KeyMessages, ControlCharactersAsTranslateMessageMakesThem) {
    auto withControl = [](int key) {
        KeyEventFacts facts = Key(key);
        facts.controlHeld = true;
        return ControlCharactersFor(facts);
    };
    EXPECT_EQ(withControl('A'), u"\x01");
    EXPECT_EQ(withControl('C'), u"\x03");
    EXPECT_EQ(withControl('V'), u"\x16");
    EXPECT_EQ(withControl('X'), u"\x18");
    EXPECT_EQ(ControlCharactersFor(Key(VK_BACK)), u"\b");
    EXPECT_EQ(ControlCharactersFor(Key(VK_RETURN)), u"\r");
    EXPECT_EQ(ControlCharactersFor(Key(VK_ESCAPE)), u"\x1B");
    EXPECT_EQ(ControlCharactersFor(Key(VK_TAB)), u"\t");
    // Printable keys wait for the text input; releases make nothing.
    EXPECT_EQ(ControlCharactersFor(Key('A')), u"");
    EXPECT_EQ(ControlCharactersFor(Key(VK_RETURN, false)), u"");
    EXPECT_EQ(ControlCharactersFor(Key(VK_DELETE)), u"");
}

TEST(MouseMessages, ButtonsMapToTheirDownUpAndDoubleClickCodes) {
    EXPECT_EQ(MouseButtonMessage(MouseButton::Left, true, false), WM_LBUTTONDOWN);
    EXPECT_EQ(MouseButtonMessage(MouseButton::Left, false, false), WM_LBUTTONUP);
    EXPECT_EQ(MouseButtonMessage(MouseButton::Left, true, true), WM_LBUTTONDBLCLK);
    EXPECT_EQ(MouseButtonMessage(MouseButton::Right, true, true), WM_RBUTTONDBLCLK);
    EXPECT_EQ(MouseButtonMessage(MouseButton::Middle, false, false), WM_MBUTTONUP);
    EXPECT_EQ(MouseButtonMessage(MouseButton::X2, true, false), WM_XBUTTONDOWN);
    EXPECT_EQ(MouseButtonMessage(MouseButton::X1, true, true), WM_XBUTTONDBLCLK);
}

TEST(MouseMessages, WParamHoldsButtonsModifiersAndXButton) {
    MouseButtonState state;
    state.Press(MouseButton::Left);
    state.Press(MouseButton::Middle);
    EXPECT_EQ(MouseWParam(state.held, true, false), MK_LBUTTON | MK_MBUTTON | MK_SHIFT);
    state.Release(MouseButton::Left);
    EXPECT_EQ(MouseWParam(state.held, false, true), MK_MBUTTON | MK_CONTROL);
    state.Press(MouseButton::X2);
    WPARAM xDown = MouseWParam(state.held, false, false, WM_XBUTTONDOWN, MouseButton::X2);
    EXPECT_EQ(GET_XBUTTON_WPARAM(xDown), XBUTTON2);
    EXPECT_EQ(GET_KEYSTATE_WPARAM(xDown), MK_MBUTTON | MK_XBUTTON2);
}

TEST(MouseMessages, PointsAndWheelAreSigned16BitWords) {
    LPARAM point = PointLParam(-5, 700);
    EXPECT_EQ(GET_X_LPARAM(point), -5);
    EXPECT_EQ(GET_Y_LPARAM(point), 700);
    WPARAM down = WheelWParam(-WHEEL_DELTA, MK_SHIFT);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(down), -120);
    EXPECT_EQ(GET_KEYSTATE_WPARAM(down), MK_SHIFT);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(WheelWParam(2 * WHEEL_DELTA, 0)), 240);
}
