#pragma once
// The intake through which a backend reports what happened to its windows and
// devices. Each call turns a native event into the Win32 messages it causes:
// input is queued, state changes are sent to the window procedure at once.

#include <string>

#include "platform/win32/PlatformServices.h"
#include "platform/win32/WinMessages.h"

namespace ondrel::platform {

// Queues a keyboard or mouse message. characters are what TranslateMessage
// turns a key-down into (WM_CHAR, or WM_SYSCHAR for WM_SYSKEYDOWN).
void ReportInput(const MSG& message, const std::u16string& characters = {});
// Text typed without a key-down still waiting in the queue (input methods)
// becomes WM_CHAR messages; otherwise it joins that key-down's characters.
void ReportText(HWND window, const std::u16string& text);
// The client area changed size or place. byUser marks an interactive resize,
// which is wrapped in WM_ENTERSIZEMOVE / WM_EXITSIZEMOVE.
void ReportClientRect(HWND window, bool byUser);
void ReportShowState(HWND window, ShowState state);
void ReportVisible(HWND window, bool visible);
void ReportActivation(HWND window, bool active);
void ReportCloseRequest(HWND window);
void ReportExposed(HWND window);
void ReportDroppedFile(HWND window, const std::u16string& path, POINT clientPoint);

}  // namespace ondrel::platform
