#include "platform/win32/KeyStateTable.h"

#include "platform/win32/WinInput.h"

namespace ondrel::platform {

namespace {

struct SidedKey {
    int generic;
    int left;
    int right;
};

constexpr SidedKey kSidedKeys[] = {
    {VK_SHIFT, VK_LSHIFT, VK_RSHIFT},
    {VK_CONTROL, VK_LCONTROL, VK_RCONTROL},
    {VK_MENU, VK_LMENU, VK_RMENU},
};

}  // namespace

void KeyStateTable::Press(int virtualKey) {
    if (!Valid(virtualKey)) return;
    if (!down_[virtualKey]) toggled_[virtualKey] = !toggled_[virtualKey];
    down_[virtualKey] = true;
    pressedSinceAsk_[virtualKey] = true;
    for (const SidedKey& key : kSidedKeys) {
        if (virtualKey == key.left || virtualKey == key.right) RefreshGeneric(key.generic, key.left, key.right);
    }
}

void KeyStateTable::Release(int virtualKey) {
    if (!Valid(virtualKey)) return;
    down_[virtualKey] = false;
    for (const SidedKey& key : kSidedKeys) {
        if (virtualKey == key.left || virtualKey == key.right) RefreshGeneric(key.generic, key.left, key.right);
        // Releasing the generic key releases whichever side was recorded.
        if (virtualKey == key.generic) {
            down_[key.left] = false;
            down_[key.right] = false;
        }
    }
}

void KeyStateTable::RefreshGeneric(int genericKey, int leftKey, int rightKey) {
    bool held = down_[leftKey] || down_[rightKey];
    if (held && !down_[genericKey]) toggled_[genericKey] = !toggled_[genericKey];
    if (held) pressedSinceAsk_[genericKey] = true;
    down_[genericKey] = held;
}

void KeyStateTable::SetToggled(int virtualKey, bool toggled) {
    if (Valid(virtualKey)) toggled_[virtualKey] = toggled;
}

bool KeyStateTable::IsDown(int virtualKey) const { return Valid(virtualKey) && down_[virtualKey]; }

SHORT KeyStateTable::State(int virtualKey) const {
    if (!Valid(virtualKey)) return 0;
    unsigned bits = (down_[virtualKey] ? 0x8000u : 0u) | (toggled_[virtualKey] ? 1u : 0u);
    return static_cast<SHORT>(bits);
}

SHORT KeyStateTable::TakeAsyncState(int virtualKey) {
    if (!Valid(virtualKey)) return 0;
    unsigned bits = (down_[virtualKey] ? 0x8000u : 0u) | (pressedSinceAsk_[virtualKey] ? 1u : 0u);
    pressedSinceAsk_[virtualKey] = false;
    return static_cast<SHORT>(bits);
}

void KeyStateTable::Clear() {
    down_.fill(false);
    toggled_.fill(false);
    pressedSinceAsk_.fill(false);
}

}  // namespace ondrel::platform
