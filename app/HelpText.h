#pragma once
// What `ondrel --help` prints: how to start the viewer, the framework's
// switches and the keys.

namespace ondrel::app {

const char* HelpText();

// True when the arguments (after the program's name) ask for the help text.
bool AsksForHelp(int argc, const char* const* argv);

}  // namespace ondrel::app
