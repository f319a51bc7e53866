#pragma once
// Held and toggled state of the 256 virtual keys, in GetKeyState's encoding.
// A generic modifier (Shift, Control, Alt) is held while either side is.

#include <array>

#include "platform/win32/WinTypes.h"

namespace ondrel::platform {

class KeyStateTable {
public:
    void Press(int virtualKey);
    void Release(int virtualKey);
    void SetToggled(int virtualKey, bool toggled);
    bool IsDown(int virtualKey) const;
    // High bit set while held, low bit while toggled.
    SHORT State(int virtualKey) const;
    // Like State, but the low bit means "pressed since the last call".
    SHORT TakeAsyncState(int virtualKey);
    void Clear();

private:
    static bool Valid(int virtualKey) { return virtualKey >= 0 && virtualKey < 256; }
    void RefreshGeneric(int genericKey, int leftKey, int rightKey);

    std::array<bool, 256> down_{};
    std::array<bool, 256> toggled_{};
    std::array<bool, 256> pressedSinceAsk_{};
};

}  // namespace ondrel::platform
