#pragma once
// The framework's command-line flags: read once by Init into the override
// fields, applied to the first device's settings.

#include "framework/DeviceSettings.h"

namespace ondrel::framework {

// Reads the process command line (GetCommandLineW).
void ParseCommandLine();
void ApplyOverrides(DeviceSettings* settings);

}  // namespace ondrel::framework
