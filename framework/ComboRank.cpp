// How well a combo fits the optimal settings. The terms are added in this
// order as 32-bit floats; the first of equally ranked combos wins.
#include <cstdlib>

#include "devicesettings/enumeration/FormatBits.h"
#include "framework/DeviceSearchSteps.h"

namespace ondrel::framework {
namespace {

using devicesettings::ColorChannelBits;
using devicesettings::DeviceCombo;

// 1 for the same format, less the further the channel depths are apart.
float FormatCloseness(D3DFORMAT candidate, D3DFORMAT wanted) {
    if (candidate == wanted) return 1.0f;
    const int difference =
        std::abs(static_cast<int>(ColorChannelBits(candidate)) - static_cast<int>(ColorChannelBits(wanted)));
    const float closeness = 0.9f - 0.2f * static_cast<float>(difference);
    return closeness > 0.0f ? closeness : 0.0f;
}

}  // namespace

float RankCombo(const DeviceCombo& combo, const DeviceSettings& optimal, const D3DDISPLAYMODE& desktop) {
    const D3DPRESENT_PARAMETERS& pp = optimal.presentParameters;
    const bool hardwareTnl = HasHardwareTransformAndLighting(combo);
    float rank = 0.0f;

    if (combo.adapterOrdinal == optimal.adapterOrdinal) rank += 1000.0f;
    if (combo.deviceType == optimal.deviceType) rank += 100.0f;
    if (combo.deviceType == D3DDEVTYPE_HAL) rank += 0.1f;
    if (combo.windowed == (pp.Windowed != FALSE)) rank += 10.0f;

    rank += FormatCloseness(combo.adapterFormat, optimal.adapterFormat);
    if (!combo.windowed && combo.adapterFormat == PreferredFullScreenFormat(desktop.Format)) rank += 0.1f;

    const DWORD hardwareOrMixed = D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_MIXED_VERTEXPROCESSING;
    if ((optimal.behaviorFlags & hardwareOrMixed) != 0 && hardwareTnl) rank += 1.0f;
    if (hardwareTnl) rank += 0.1f;

    if (HasModeInAdapterFormat(combo, [&](const D3DDISPLAYMODE& mode) {
            return mode.Width == pp.BackBufferWidth && mode.Height == pp.BackBufferHeight;
        })) {
        rank += 1.0f;
    }

    rank += FormatCloseness(combo.backBufferFormat, pp.BackBufferFormat);
    if (combo.backBufferFormat == combo.adapterFormat) rank += 0.1f;

    if (QualityCountOf(combo, pp.MultiSampleType) > static_cast<long long>(pp.MultiSampleQuality)) rank += 1.0f;
    if (combo.depthStencilFormats.Contains(pp.AutoDepthStencilFormat)) rank += 1.0f;
    if (HasModeInAdapterFormat(combo, [&](const D3DDISPLAYMODE& mode) {
            return mode.RefreshRate == pp.FullScreen_RefreshRateInHz;
        })) {
        rank += 1.0f;
    }
    if (combo.presentIntervals.Contains(pp.PresentationInterval)) rank += 1.0f;
    return rank;
}

}  // namespace ondrel::framework
