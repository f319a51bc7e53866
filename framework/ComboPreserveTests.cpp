// A combo that cannot give what the caller insists on is never chosen.
#include "devicesettings/enumeration/FormatBits.h"
#include "framework/DeviceSearchSteps.h"

namespace ondrel::framework {
namespace {

using devicesettings::DepthBits;
using devicesettings::DeviceCombo;
using devicesettings::StencilBits;

bool ListsFormatWith(const DeviceCombo& combo, UINT (*bits)(D3DFORMAT), UINT wanted) {
    for (D3DFORMAT format : combo.depthStencilFormats) {
        if (bits(format) == wanted) return true;
    }
    return false;
}

bool DepthStencilPreserved(const DeviceCombo& combo, const D3DFORMAT wanted, const MatchOptions& options) {
    if (options.depthFormat == Preserve && wanted != D3DFMT_UNKNOWN) {
        if (options.stencilFormat == Preserve && !combo.depthStencilFormats.Contains(wanted)) return false;
        if (!ListsFormatWith(combo, DepthBits, DepthBits(wanted))) return false;
    }
    if (options.stencilFormat == Preserve && !ListsFormatWith(combo, StencilBits, StencilBits(wanted))) return false;
    return true;
}

}  // namespace

long long QualityCountOf(const DeviceCombo& combo, D3DMULTISAMPLE_TYPE type) {
    const int index = combo.multiSampleTypes.IndexOf(type);
    return index < 0 ? -1 : static_cast<long long>(combo.multiSampleQualities[index]);
}

bool MatchesPreserveOptions(const DeviceCombo& combo, const DeviceSettings& input, const MatchOptions& options) {
    const D3DPRESENT_PARAMETERS& in = input.presentParameters;
    if (options.adapterOrdinal == Preserve && combo.adapterOrdinal != input.adapterOrdinal) return false;
    if (options.deviceType == Preserve && combo.deviceType != input.deviceType) return false;
    if (options.windowed == Preserve && combo.windowed != (in.Windowed != FALSE)) return false;
    if (options.adapterFormat == Preserve && combo.adapterFormat != input.adapterFormat) return false;
    if (options.vertexProcessing == Preserve && (input.behaviorFlags & D3DCREATE_HARDWARE_VERTEXPROCESSING) != 0 &&
        !HasHardwareTransformAndLighting(combo)) {
        return false;
    }
    if (options.resolution == Preserve && !HasModeInAdapterFormat(combo, [&](const D3DDISPLAYMODE& mode) {
            return mode.Width == in.BackBufferWidth && mode.Height == in.BackBufferHeight;
        })) {
        return false;
    }
    if (options.backBufferFormat == Preserve && combo.backBufferFormat != in.BackBufferFormat) return false;
    // A quality is an index below the type's count of levels.
    if (options.multiSample == Preserve && QualityCountOf(combo, in.MultiSampleType) <= in.MultiSampleQuality) {
        return false;
    }
    if (!DepthStencilPreserved(combo, in.AutoDepthStencilFormat, options)) return false;
    if (options.refreshRate == Preserve && !HasModeInAdapterFormat(combo, [&](const D3DDISPLAYMODE& mode) {
            return mode.RefreshRate == in.FullScreen_RefreshRateInHz;
        })) {
        return false;
    }
    if (options.presentInterval == Preserve && !combo.presentIntervals.Contains(in.PresentationInterval)) {
        return false;
    }
    return true;
}

}  // namespace ondrel::framework
