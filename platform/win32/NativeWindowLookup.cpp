#include "platform/win32/NativeWindowLookup.h"

namespace ondrel::platform {
namespace {

NativeWindowLookup& Slot() {
    static NativeWindowLookup lookup;
    return lookup;
}

}  // namespace

void SetNativeWindowLookup(NativeWindowLookup lookup) { Slot() = std::move(lookup); }

void ResetNativeWindowLookup() { Slot() = nullptr; }

void* NativeWindowOf(HWND window) {
    const NativeWindowLookup& lookup = Slot();
    return window != nullptr && lookup ? lookup(window) : nullptr;
}

}  // namespace ondrel::platform
