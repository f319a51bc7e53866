#pragma once
// The GUI skin straight from the source tree, so tests do not depend on the
// folder they run in. A media finder for the GUI resource manager.

#include "platform/win32/Windows.h"

namespace ondrel::testing {

// Writes the skin's path for "UI\Controls.dds"; any other name is not found.
HRESULT SourceTreeMedia(LPWSTR destination, int capacity, LPCWSTR name);

}  // namespace ondrel::testing
