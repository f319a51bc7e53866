#pragma once
// What the SDL backend remembers per window: the last geometry it asked the
// window system for, so that a change it did not ask for is known to be the
// user's doing.

#include <SDL2/SDL_video.h>

#include <map>

#include "platform/win32/WinTypes.h"

namespace ondrel::platform {

struct SdlWindowEntry {
    SDL_Window* window = nullptr;
    RECT requestedClient{};
    // Entering and leaving full screen resizes the window without the user.
    bool wasFullScreen = false;
};

class SdlWindowBook {
public:
    void Add(HWND window, SDL_Window* native, const RECT& client);
    void Remove(HWND window);
    SdlWindowEntry* Find(HWND window);
    const std::map<HWND, SdlWindowEntry>& Entries() const { return entries_; }

private:
    std::map<HWND, SdlWindowEntry> entries_;
};

}  // namespace ondrel::platform
