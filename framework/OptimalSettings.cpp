// The settings the device search aims at.
#include "devicesettings/enumeration/FormatBits.h"
#include "framework/DeviceSearchSteps.h"

namespace ondrel::framework {

using devicesettings::ColorChannelBits;

D3DFORMAT PreferredFullScreenFormat(D3DFORMAT desktopFormat) {
    return ColorChannelBits(desktopFormat) >= 8 ? desktopFormat : D3DFMT_X8R8G8B8;
}

DeviceSettings BuildOptimalSettings(const DeviceSettings& input, const MatchOptions& options,
                                    const D3DDISPLAYMODE& desktop) {
    DeviceSettings optimal = input;
    D3DPRESENT_PARAMETERS& pp = optimal.presentParameters;
    const D3DPRESENT_PARAMETERS& in = input.presentParameters;

    if (options.adapterOrdinal == Ignore) optimal.adapterOrdinal = 0;
    if (options.deviceType == Ignore) optimal.deviceType = D3DDEVTYPE_HAL;
    if (options.windowed == Ignore) pp.Windowed = TRUE;
    const bool windowed = pp.Windowed != FALSE;
    if (options.adapterFormat == Ignore) {
        optimal.adapterFormat = windowed ? desktop.Format : PreferredFullScreenFormat(desktop.Format);
    }
    if (options.vertexProcessing == Ignore) optimal.behaviorFlags = D3DCREATE_HARDWARE_VERTEXPROCESSING;
    if (options.resolution == Ignore) {
        pp.BackBufferWidth = windowed ? 640 : desktop.Width;
        pp.BackBufferHeight = windowed ? 480 : desktop.Height;
    }
    if (options.backBufferFormat == Ignore) pp.BackBufferFormat = optimal.adapterFormat;
    if (options.backBufferCount == Ignore) pp.BackBufferCount = 2;
    // The search always aims at no multisampling; only the quality follows
    // the input.
    pp.MultiSampleType = D3DMULTISAMPLE_NONE;
    pp.MultiSampleQuality = options.multiSample == Ignore ? 0 : in.MultiSampleQuality;
    if (options.swapEffect == Ignore) pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    if (options.depthFormat == Ignore && options.stencilFormat == Ignore) {
        pp.EnableAutoDepthStencil = TRUE;
        pp.AutoDepthStencilFormat = ColorChannelBits(pp.BackBufferFormat) < 8 ? D3DFMT_D16 : D3DFMT_D32;
    }
    if (options.presentFlags == Ignore) pp.Flags = D3DPRESENTFLAG_DISCARD_DEPTHSTENCIL;
    if (options.refreshRate == Ignore) pp.FullScreen_RefreshRateInHz = 0;
    if (options.presentInterval == Ignore) {
        pp.PresentationInterval = windowed ? D3DPRESENT_INTERVAL_IMMEDIATE : D3DPRESENT_INTERVAL_DEFAULT;
    }
    return optimal;
}

}  // namespace ondrel::framework
