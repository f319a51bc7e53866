#pragma once
// Which implementation Direct3DCreate9 hands out. Backends are registered by
// name by the program (UseOpenGlBackend() in platform/opengl); no library
// picks one. Tests put a factory of their own in front for a while
// (ScopedRecordingBackend) and step back to the selected backend afterwards.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/d3d9/D3D9Interfaces.h"

namespace ondrel::graphics {

// Makes a new system object with one reference, or null when none can be had.
using Direct3DFactory = std::function<IDirect3D9*(UINT sdkVersion)>;

// Adds or replaces a named backend.
void RegisterGraphicsBackend(const std::string& name, Direct3DFactory factory);
// Makes the named backend the one Direct3DCreate9 uses; false (and nothing
// changes) when no backend of that name was registered.
bool SelectGraphicsBackend(std::string_view name);
// The selected backend's name; empty while none is selected.
std::string SelectedGraphicsBackend();
std::vector<std::string> GraphicsBackendNames();
// Forgets every registration and the selection (tests).
void ClearGraphicsBackends();

// A factory used in place of the selected backend until ResetGraphicsBackend.
void SetGraphicsBackend(Direct3DFactory factory);
void ResetGraphicsBackend();

// The factory Direct3DCreate9 currently uses; an empty function while
// nothing is selected or set, and Direct3DCreate9 then answers null.
const Direct3DFactory& CurrentGraphicsBackend();

}  // namespace ondrel::graphics
