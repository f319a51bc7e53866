#pragma once
// The window systems a program can run on, by name. No library picks one: the
// program (or test) registers the backends it links and selects one before
// the first Win32 call, e.g. UseSdlWindowSystem() from platform/sdl.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/PlatformServices.h"

namespace ondrel::platform {

using WindowSystemFactory = std::function<std::unique_ptr<PlatformServices>()>;

// Adds or replaces a named window system.
void RegisterWindowSystem(const std::string& name, WindowSystemFactory factory);
// Makes the named system the one new sessions start on; false (and nothing
// changes) when no system of that name was registered.
bool SelectWindowSystem(std::string_view name);
// The selected system's name; empty while none is selected.
std::string SelectedWindowSystem();
std::vector<std::string> WindowSystemNames();
// A new backend of the selected system. Without a selection the process
// stops with a message naming the call that is missing: a program that never
// chose its window system has a bug no caller could recover from.
std::unique_ptr<PlatformServices> CreateSelectedWindowSystem();
// Forgets every registration and the selection (tests).
void ResetWindowSystems();

}  // namespace ondrel::platform
