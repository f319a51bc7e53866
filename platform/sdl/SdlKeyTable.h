#pragma once
// SDL key identities to Win32 virtual keys and set-1 scan codes.

#include <SDL2/SDL_keyboard.h>

#include "platform/win32/WinTypes.h"

namespace ondrel::platform {

struct Win32Key {
    int virtualKey = 0;
    BYTE scanCode = 0;
    bool extended = false;
};

// Letters and digits follow the keyboard layout (the keycode); other keys
// their position (the scan code). Keypad digits give VK_NUMPAD0..9 while Num
// Lock is on and the navigation keys otherwise. Modifiers give the generic
// code (VK_SHIFT, VK_CONTROL, VK_MENU). virtualKey 0 for an unknown key.
Win32Key TranslateSdlKey(SDL_Scancode scancode, SDL_Keycode keycode, Uint16 modifiers);
// The left/right variant of a generic modifier (VK_LSHIFT...), else the key.
int SidedVirtualKey(SDL_Scancode scancode, int virtualKey);

}  // namespace ondrel::platform
