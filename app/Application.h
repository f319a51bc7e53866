#pragma once
// The viewer's start-up, its main loop and the input the scene itself does
// not handle (files dropped on the window).

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Windows.h"

namespace ondrel::app {

// The program's arguments after its name. The level file is the first one
// that is not a switch: switches start with '-' (the framework also takes
// '/', but a Linux path does too, so a word starting with '/' counts as a
// switch only when the framework knows its name).
std::optional<std::u16string> LevelFileArgument(const std::vector<std::u16string>& arguments);

// Does nothing: the viewer has no keys of its own beyond the camera's,
// which reach it as window messages.
void KeyPressed(UINT key, bool keyDown, bool altDown);

// The window's messages as the application takes them: a dropped file is
// imported like a chosen one, everything else goes to the scene (panels
// first, then the camera).
LRESULT ApplicationMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool* noFurtherProcessing);

// The whole life of the viewer: handlers registered, panels built,
// framework started, window and a windowed 640 x 480 device on adapter 0
// made, the given level imported, then the main loop. Answers the
// framework's exit code. The window system, graphics backend, resource
// manager and settings dialog are the caller's to install first.
int RunApplication(const std::optional<std::u16string>& levelFile);

}  // namespace ondrel::app
