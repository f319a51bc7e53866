#pragma once
// The texts the settings dialog shows for each value a combo box offers.
// Values that name nothing the dialog knows get the fixed "Unknown ..." text.

#include <string>

#include "platform/d3d9/D3D9.h"

namespace ondrel::devicesettings {

std::u16string DeviceTypeText(D3DDEVTYPE type);
std::u16string MultiSampleTypeText(D3DMULTISAMPLE_TYPE type);
// One of the vertex-processing create flags (16, 32, 64 or 128).
std::u16string VertexProcessingText(DWORD flag);
std::u16string PresentIntervalText(UINT interval);
std::u16string ResolutionText(UINT width, UINT height);
std::u16string RefreshRateText(UINT rate);
std::u16string NumberText(UINT value);

}  // namespace ondrel::devicesettings
