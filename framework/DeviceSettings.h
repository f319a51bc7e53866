#pragma once
// The record every device operation passes around, and the per-setting
// matching rules a device search is given. Both are copied whole.

#include <cstdint>

#include "platform/d3d9/D3D9.h"

namespace ondrel::framework {

struct DeviceSettings {
    UINT adapterOrdinal;
    D3DDEVTYPE deviceType;
    D3DFORMAT adapterFormat;
    DWORD behaviorFlags;
    D3DPRESENT_PARAMETERS presentParameters;
};

// How a search treats one setting of its input.
enum MatchType : std::uint32_t {
    Ignore = 0,    // use the default
    Preserve = 1,  // must equal the input
    Closest = 2,   // prefer the input, else the nearest supported value
};

struct MatchOptions {
    MatchType adapterOrdinal;
    MatchType deviceType;
    MatchType windowed;
    MatchType adapterFormat;
    MatchType vertexProcessing;
    MatchType resolution;
    MatchType backBufferFormat;
    MatchType backBufferCount;
    MatchType multiSample;
    MatchType swapEffect;
    MatchType depthFormat;
    MatchType stencilFormat;
    MatchType presentFlags;
    MatchType refreshRate;
    MatchType presentInterval;
};

}  // namespace ondrel::framework
