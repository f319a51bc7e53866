#include "platform/sdl/SdlWindowBook.h"

namespace ondrel::platform {

void SdlWindowBook::Add(HWND window, SDL_Window* native, const RECT& client) {
    entries_[window] = SdlWindowEntry{native, client};
}

void SdlWindowBook::Remove(HWND window) { entries_.erase(window); }

SdlWindowEntry* SdlWindowBook::Find(HWND window) {
    auto found = entries_.find(window);
    return found == entries_.end() ? nullptr : &found->second;
}

}  // namespace ondrel::platform
