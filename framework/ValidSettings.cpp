// The settings a device is created with, made from the combo the search
// chose, the caller's input and the match options.
#include <climits>
#include <cstdlib>

#include "devicesettings/enumeration/FormatBits.h"
#include "framework/DeviceSearchSteps.h"
#include "framework/FrameworkState.h"
#include "platform/win32/TextConvert.h"
#include "platform/win32/Windows.h"

namespace ondrel::framework {
namespace {

using devicesettings::ColorChannelBits;
using devicesettings::DepthBits;
using devicesettings::DeviceCombo;
using devicesettings::StencilBits;

constexpr DWORD kVertexProcessingBits =
    D3DCREATE_SOFTWARE_VERTEXPROCESSING | D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_MIXED_VERTEXPROCESSING;

long long Distance(long long a, long long b) { return a > b ? a - b : b - a; }

DWORD ChooseBehavior(const DeviceCombo& combo, DWORD input, MatchType option) {
    const bool hardwareTnl = HasHardwareTransformAndLighting(combo);
    const DWORD fallback = hardwareTnl ? D3DCREATE_HARDWARE_VERTEXPROCESSING : D3DCREATE_SOFTWARE_VERTEXPROCESSING;
    if (option == Preserve) return input;
    if (option == Ignore) return fallback;
    DWORD flags = input;
    const DWORD hardwareOrMixed = D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_MIXED_VERTEXPROCESSING;
    if (!hardwareTnl && (flags & hardwareOrMixed) != 0) {
        flags = (flags & ~hardwareOrMixed) | D3DCREATE_SOFTWARE_VERTEXPROCESSING;
    }
    if ((flags & kVertexProcessingBits) == 0) flags |= fallback;
    return flags;
}

// The full-screen mode of the combo's adapter format nearest the request.
void SnapToDisplayMode(const DeviceCombo& combo, UINT& width, UINT& height) {
    long long bestDistance = LLONG_MAX;
    const D3DDISPLAYMODE* best = nullptr;
    for (const D3DDISPLAYMODE& mode : combo.adapterInfo->displayModes) {
        if (mode.Format != combo.adapterFormat) continue;
        const long long distance = Distance(mode.Width, width) + Distance(mode.Height, height);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = &mode;
            if (distance == 0) break;
        }
    }
    if (best != nullptr) {
        width = best->Width;
        height = best->Height;
    }
}

// A window never asks for more than the desktop can show with its frame.
void LimitToDesktop(const DeviceCombo& combo, UINT& width, UINT& height) {
    const std::u16string deviceName = platform::Utf8ToUtf16(combo.adapterInfo->identifier.DeviceName);
    DEVMODEW registry{};
    registry.dmSize = sizeof registry;
    if (!EnumDisplaySettingsW(deviceName.c_str(), ENUM_REGISTRY_SETTINGS, &registry)) return;
    const UINT maxWidth = registry.dmPelsWidth > 20 ? registry.dmPelsWidth - 20 : 0;
    const UINT maxHeight = registry.dmPelsHeight > 100 ? registry.dmPelsHeight - 100 : 0;
    if (width > maxWidth) width = maxWidth;
    if (height > maxHeight) height = maxHeight;
}

void ChooseResolution(const DeviceCombo& combo, const DeviceSettings& input, const MatchOptions& options,
                      const D3DDISPLAYMODE& desktop, D3DPRESENT_PARAMETERS& pp) {
    const D3DPRESENT_PARAMETERS& in = input.presentParameters;
    if (options.resolution == Preserve) return;  // the input's size stays
    if (options.resolution == Closest && in.BackBufferWidth != 0) {
        pp.BackBufferWidth = in.BackBufferWidth;
        pp.BackBufferHeight = in.BackBufferHeight;
    } else {
        pp.BackBufferWidth = combo.windowed ? 640 : desktop.Width;
        pp.BackBufferHeight = combo.windowed ? 480 : desktop.Height;
    }
    if (combo.windowed) {
        LimitToDesktop(combo, pp.BackBufferWidth, pp.BackBufferHeight);
    } else {
        SnapToDisplayMode(combo, pp.BackBufferWidth, pp.BackBufferHeight);
    }
}

UINT ChooseBackBufferCount(UINT input, MatchType option) {
    if (option == Preserve) return input;
    if (option == Ignore) return 2;
    return input < 1 ? 1 : input > 3 ? 3 : input;
}

void ChooseMultiSample(const DeviceCombo& combo, const D3DPRESENT_PARAMETERS& in, MatchType option,
                       D3DPRESENT_PARAMETERS& pp) {
    pp.MultiSampleType = D3DMULTISAMPLE_NONE;
    pp.MultiSampleQuality = 0;
    if (in.SwapEffect != D3DSWAPEFFECT_DISCARD || option == Ignore) return;
    if (option == Preserve) {
        pp.MultiSampleType = in.MultiSampleType;
        pp.MultiSampleQuality = in.MultiSampleQuality;
        return;
    }
    const int listed = combo.multiSampleTypes.GetSize();
    if (listed == 0) return;
    const D3DMULTISAMPLE_TYPE highest = combo.multiSampleTypes[listed - 1];
    if (highest < in.MultiSampleType) {
        pp.MultiSampleType = highest;
        return;
    }
    pp.MultiSampleType = in.MultiSampleType;
    // A quality is an index below the type's count of levels.
    const long long count = QualityCountOf(combo, in.MultiSampleType);
    const long long highestQuality = count > 0 ? count - 1 : 0;
    pp.MultiSampleQuality = static_cast<DWORD>(
        static_cast<long long>(in.MultiSampleQuality) < highestQuality ? in.MultiSampleQuality : highestQuality);
}

D3DSWAPEFFECT ChooseSwapEffect(D3DSWAPEFFECT input, MatchType option) {
    if (option == Preserve) return input;
    if (option == Closest && input >= D3DSWAPEFFECT_DISCARD && input <= D3DSWAPEFFECT_COPY) return input;
    return D3DSWAPEFFECT_DISCARD;
}

long long DepthStencilScore(D3DFORMAT format, D3DFORMAT wanted, D3DFORMAT backBuffer, const MatchOptions& options) {
    const long long depth = DepthBits(format), stencil = StencilBits(format);
    long long score = 0;
    switch (options.depthFormat) {
        case Preserve: score = depth == DepthBits(wanted) ? 0 : 10000; break;
        case Closest: score = Distance(depth, DepthBits(wanted)); break;
        default: score = Distance(depth, 4LL * ColorChannelBits(backBuffer)); break;
    }
    switch (options.stencilFormat) {
        case Preserve: score += stencil != StencilBits(wanted) ? 10000 : 0; break;
        case Closest: score += Distance(stencil, StencilBits(wanted)); break;
        default: score += stencil; break;
    }
    return score;
}

void ChooseDepthStencil(const DeviceCombo& combo, const D3DPRESENT_PARAMETERS& in, const MatchOptions& options,
                        D3DPRESENT_PARAMETERS& pp) {
    long long bestScore = 100000;
    D3DFORMAT best = D3DFMT_UNKNOWN;
    for (D3DFORMAT format : combo.depthStencilFormats) {
        const long long score = DepthStencilScore(format, in.AutoDepthStencilFormat, combo.backBufferFormat, options);
        if (score < bestScore) {
            bestScore = score;
            best = format;
        }
    }
    pp.EnableAutoDepthStencil = best != D3DFMT_UNKNOWN ? TRUE : FALSE;
    pp.AutoDepthStencilFormat = best;
}

DWORD ChoosePresentFlags(DWORD input, MatchType option, bool depthStencilChosen) {
    const DWORD discard = depthStencilChosen ? D3DPRESENTFLAG_DISCARD_DEPTHSTENCIL : 0;
    if (option == Preserve) return input;
    if (option == Closest) return input | discard;
    return discard;
}

UINT ChooseRefreshRate(const DeviceCombo& combo, const D3DPRESENT_PARAMETERS& in, MatchType option,
                       const D3DDISPLAYMODE& desktop, const D3DPRESENT_PARAMETERS& pp) {
    if (combo.windowed) return 0;
    if (option == Preserve) return in.FullScreen_RefreshRateInHz;
    const UINT target = option == Closest ? in.FullScreen_RefreshRateInHz : desktop.RefreshRate;
    if (target == 0) return 0;
    long long bestDistance = LLONG_MAX;
    UINT rate = 0;
    for (const D3DDISPLAYMODE& mode : combo.adapterInfo->displayModes) {
        if (mode.Format != combo.adapterFormat || mode.Width != pp.BackBufferWidth ||
            mode.Height != pp.BackBufferHeight) {
            continue;
        }
        const long long distance = Distance(mode.RefreshRate, target);
        if (distance < bestDistance) {
            bestDistance = distance;
            rate = mode.RefreshRate;
            if (distance == 0) break;
        }
    }
    return rate;
}

UINT ChoosePresentInterval(const DeviceCombo& combo, UINT input, MatchType option) {
    if (option == Preserve) return input;
    if (option == Closest && combo.presentIntervals.Contains(input)) return input;
    return combo.windowed ? D3DPRESENT_INTERVAL_IMMEDIATE : D3DPRESENT_INTERVAL_DEFAULT;
}

}  // namespace

DeviceSettings BuildValidSettings(const DeviceCombo& combo, const DeviceSettings& input, const MatchOptions& options,
                                  const D3DDISPLAYMODE& desktop) {
    const D3DPRESENT_PARAMETERS& in = input.presentParameters;
    DeviceSettings valid{};
    D3DPRESENT_PARAMETERS& pp = valid.presentParameters;
    valid.adapterOrdinal = combo.adapterOrdinal;
    valid.deviceType = combo.deviceType;
    valid.adapterFormat = combo.adapterFormat;
    valid.behaviorFlags = ChooseBehavior(combo, input.behaviorFlags, options.vertexProcessing);
    pp.BackBufferFormat = combo.backBufferFormat;
    pp.Windowed = combo.windowed ? TRUE : FALSE;
    pp.hDeviceWindow = combo.windowed ? State().Get(&StateFields::deviceWindowWindowed)
                                      : State().Get(&StateFields::deviceWindowFullScreen);
    pp.BackBufferWidth = in.BackBufferWidth;
    pp.BackBufferHeight = in.BackBufferHeight;
    ChooseResolution(combo, input, options, desktop, pp);
    pp.BackBufferCount = ChooseBackBufferCount(in.BackBufferCount, options.backBufferCount);
    ChooseMultiSample(combo, in, options.multiSample, pp);
    pp.SwapEffect = ChooseSwapEffect(in.SwapEffect, options.swapEffect);
    ChooseDepthStencil(combo, in, options, pp);
    pp.Flags = ChoosePresentFlags(in.Flags, options.presentFlags, pp.EnableAutoDepthStencil != FALSE);
    pp.FullScreen_RefreshRateInHz = ChooseRefreshRate(combo, in, options.refreshRate, desktop, pp);
    pp.PresentationInterval = ChoosePresentInterval(combo, in.PresentationInterval, options.presentInterval);
    return valid;
}

}  // namespace ondrel::framework
