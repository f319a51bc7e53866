#pragma once
// Where an installed viewer keeps its data: <prefix>/share/ondrel beside its
// <prefix>/bin. The media search reads it from the registry value
// "Software\Ondrel" "Install Path" and looks in its Media folder, where the
// build installs the GUI skin.

#include <string>

namespace ondrel::app {

// The data folder for a program at the given path, found the way an
// installed tree lays it out; empty when the program path has no folder.
std::u16string InstallPathBeside(const std::u16string& programPath);

// Registers the data folder beside the running program when it exists; a
// program run from the build tree has none, and the search then finds the
// skin under the source tree's media folder instead.
void RegisterInstallPath();

}  // namespace ondrel::app
