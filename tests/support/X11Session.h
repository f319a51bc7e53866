#pragma once
// Helpers for tests in a real X window: driving input with xdotool and
// pumping messages until something is seen or a generous deadline passes.

#include <functional>
#include <string>

#include "platform/win32/WinTypes.h"

namespace ondrel::testing {

bool HasDisplay();
// Runs "xdotool <arguments>"; true when it succeeded.
bool Xdotool(const std::string& arguments);
// The id of the mapped top-level window with exactly this title, or empty.
// Read with xwininfo, which also knows the UTF-8 titles xdotool misses.
std::string FindVisibleWindow(const std::string& title);
// Waits until FindVisibleWindow finds the title; its id, or empty on timeout.
std::string WaitForVisibleWindow(const std::string& title, int timeoutMs = 10000);
// Starts a separate process that answers the window titled title with the
// xdotool commands keys once it shows (see answer-window.sh) and returns at
// once, so a modal call can follow.
bool AnswerWindowLater(const std::string& title, const std::string& keys, int timeoutSeconds = 30);
// The X window id behind a window handle, as xdotool wants it.
std::string XWindowId(HWND window);
// Pumps (translate and dispatch) until done() holds; false on timeout.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
// Gives the window the keyboard focus and waits for WM_ACTIVATEAPP.
bool FocusWindow(HWND window, const std::function<bool()>& activated);

}  // namespace ondrel::testing
