#pragma once
// The open and save dialogs of the SDL backend, shown with GTK 3.

#include <optional>

#include "platform/win32/PlatformServices.h"

namespace ondrel::platform {

// Runs the dialog modally. failed is set when GTK cannot start (no display).
std::optional<FileDialogAnswer> RunGtkFileChooser(const FileDialogRequest& request, bool& failed);

}  // namespace ondrel::platform
