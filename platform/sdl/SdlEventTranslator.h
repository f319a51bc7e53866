#pragma once
// Turns SDL events into the Win32 messages they stand for, through the
// platform layer's intake.

#include <SDL2/SDL_events.h>

#include "platform/sdl/SdlWindowBook.h"
#include "platform/win32/KeyStateTable.h"
#include "platform/win32/MessagePacking.h"

namespace ondrel::platform {

class SdlEventTranslator {
public:
    SdlEventTranslator(SdlWindowBook& book, KeyStateTable& asyncKeys) : book_(book), asyncKeys_(asyncKeys) {}

    void Translate(const SDL_Event& event);

private:
    void Key(const SDL_KeyboardEvent& event);
    void Text(const SDL_TextInputEvent& event);
    void Motion(const SDL_MouseMotionEvent& event);
    void Button(const SDL_MouseButtonEvent& event);
    void Wheel(const SDL_MouseWheelEvent& event);
    void Window(const SDL_WindowEvent& event);
    void Drop(const SDL_DropEvent& event);
    void CloseEveryWindow();
    void Geometry(HWND window);
    WPARAM MouseKeys(UINT message = WM_MOUSEMOVE, MouseButton button = MouseButton::Left) const;

    SdlWindowBook& book_;
    KeyStateTable& asyncKeys_;
    MouseButtonState buttons_;
};

// The handle of the window an SDL window id names, or null.
HWND HwndOfWindowId(Uint32 windowId);

}  // namespace ondrel::platform
