// The cascade: each handler reads its box into the working settings, refills
// the boxes that depend on it from the catalogue (keeping the working choice
// where it is still offered) and runs the next handler. The first failure is
// passed on; the boxes then keep whatever they show.

#include "devicesettings/dialog/ComboItems.h"
#include "devicesettings/dialog/SettingsDialog.h"
#include "devicesettings/dialog/SettingsItemText.h"
#include "framework/FrameStats.h"

namespace ondrel::devicesettings {
namespace {

constexpr DWORD kVertexProcessingMask = 0xF0;
constexpr WCHAR kNotUsed[] = u"(not used)";

HRESULT FirstFailure(HRESULT first, HRESULT second) { return FAILED(first) ? first : second; }

// The item the back-buffer step selects: pure first, then software, then
// hardware, else mixed.
DWORD CascadeVertexProcessingItem(DWORD flags) {
    if (flags & D3DCREATE_PUREDEVICE) return D3DCREATE_PUREDEVICE;
    if (flags & D3DCREATE_SOFTWARE_VERTEXPROCESSING) return D3DCREATE_SOFTWARE_VERTEXPROCESSING;
    if (flags & D3DCREATE_HARDWARE_VERTEXPROCESSING) return D3DCREATE_HARDWARE_VERTEXPROCESSING;
    return D3DCREATE_MIXED_VERTEXPROCESSING;
}

bool Conflicts(const DeviceCombo& combo, D3DFORMAT depthStencil, D3DMULTISAMPLE_TYPE type) {
    return combo.depthStencilConflicts.Contains(DepthStencilMultiSampleConflict{depthStencil, type});
}

}  // namespace

HRESULT SettingsDialog::AdapterChanged() {
    working_.adapterOrdinal = SelectedValue(Box(kAdapter));
    AdapterInfo* adapter = WorkingAdapter();
    if (adapter == nullptr) return E_FAIL;
    gui::GuiComboBox& types = Box(kDeviceType);
    types.ClearItems();
    for (const auto& device : adapter->deviceInfos) {
        AddUniqueItem(types, DeviceTypeText(device->deviceType), device->deviceType);
    }
    SelectValue(types, working_.deviceType);
    return DeviceTypeChanged();
}

HRESULT SettingsDialog::DeviceTypeChanged() {
    working_.deviceType = static_cast<D3DDEVTYPE>(SelectedValue(Box(kDeviceType)));
    DeviceInfo* device = WorkingDevice();
    if (device == nullptr) return E_FAIL;
    bool hasWindowed = false;
    bool hasFullScreen = false;
    for (const auto& combo : device->deviceCombos) {
        (combo->windowed ? hasWindowed : hasFullScreen) = true;
    }
    dialog_.SetControlEnabled(kWindowed, hasWindowed);
    dialog_.SetControlEnabled(kFullScreen, hasFullScreen);
    const bool windowed = working_.presentParameters.Windowed && hasWindowed;
    Radio(windowed ? kWindowed : kFullScreen).ApplyChecked(true, true, false);
    return WindowedChanged();
}

void SettingsDialog::UseDesktopMode() {
    DeviceEnumeration* catalogue = Catalogue();
    IDirect3D9* direct3d = catalogue != nullptr ? catalogue->Direct3D() : nullptr;
    if (direct3d == nullptr) return;
    D3DDISPLAYMODE desktop{};
    if (FAILED(direct3d->GetAdapterDisplayMode(working_.adapterOrdinal, &desktop))) return;
    working_.adapterFormat = desktop.Format;
    working_.presentParameters.BackBufferWidth = desktop.Width;
    working_.presentParameters.BackBufferHeight = desktop.Height;
    working_.presentParameters.FullScreen_RefreshRateInHz = desktop.RefreshRate;
}

HRESULT SettingsDialog::WindowedChanged() {
    const bool windowed = Radio(kWindowed).GetChecked();
    D3DPRESENT_PARAMETERS& pp = working_.presentParameters;
    pp.Windowed = windowed ? TRUE : FALSE;
    for (int id : {kAdapterFormatLabel, kResolutionLabel, kRefreshRateLabel, kAdapterFormat, kResolution,
                   kRefreshRate}) {
        dialog_.SetControlEnabled(id, !windowed);
    }
    dialog_.SetControlEnabled(kDeviceClip, windowed);
    ClipBox().ApplyChecked((pp.Flags & D3DPRESENTFLAG_DEVICECLIP) != 0, false);

    DeviceInfo* device = WorkingDevice();
    if (WorkingAdapter() == nullptr || device == nullptr) return E_FAIL;
    if (windowed) UseDesktopMode();

    gui::GuiComboBox& formats = Box(kAdapterFormat);
    formats.ClearItems();
    if (windowed) {
        AddUniqueItem(formats, framework::FormatName(working_.adapterFormat, true), working_.adapterFormat);
    } else {
        for (const auto& combo : device->deviceCombos) {
            AddUniqueItem(formats, framework::FormatName(combo->adapterFormat, true), combo->adapterFormat);
        }
    }
    SelectValue(formats, working_.adapterFormat);
    const HRESULT cascaded = AdapterFormatChanged();
    if (FAILED(cascaded)) return cascaded;

    // A window shows the desktop's mode; there is nothing else to offer.
    if (Radio(kWindowed).GetChecked()) {
        gui::GuiComboBox& resolutions = Box(kResolution);
        resolutions.ClearItems();
        const UINT size = PackResolution(pp.BackBufferWidth, pp.BackBufferHeight);
        AddUniqueItem(resolutions, ResolutionText(pp.BackBufferWidth, pp.BackBufferHeight), size);
        SelectValue(resolutions, size);
        gui::GuiComboBox& rates = Box(kRefreshRate);
        rates.ClearItems();
        AddUniqueItem(rates, RefreshRateText(pp.FullScreen_RefreshRateInHz), pp.FullScreen_RefreshRateInHz);
        SelectValue(rates, pp.FullScreen_RefreshRateInHz);
        pp.FullScreen_RefreshRateInHz = SelectedValue(rates);
    }
    return S_OK;
}

HRESULT SettingsDialog::AdapterFormatChanged() {
    working_.adapterFormat = static_cast<D3DFORMAT>(SelectedValue(Box(kAdapterFormat)));
    AdapterInfo* adapter = WorkingAdapter();
    DeviceInfo* device = WorkingDevice();
    if (adapter == nullptr || device == nullptr) return E_FAIL;
    D3DPRESENT_PARAMETERS& pp = working_.presentParameters;

    gui::GuiComboBox& resolutions = Box(kResolution);
    resolutions.ClearItems();
    for (const D3DDISPLAYMODE& mode : adapter->displayModes) {
        if (mode.Format != working_.adapterFormat) continue;
        AddUniqueItem(resolutions, ResolutionText(mode.Width, mode.Height), PackResolution(mode.Width, mode.Height));
    }
    SelectValue(resolutions, PackResolution(pp.BackBufferWidth, pp.BackBufferHeight));
    const HRESULT resolution = ResolutionChanged();

    const bool windowedChecked = Radio(kWindowed).GetChecked();
    gui::GuiComboBox& backBuffers = Box(kBackBufferFormat);
    backBuffers.ClearItems();
    bool matched = false;
    for (const auto& combo : device->deviceCombos) {
        if (combo->windowed != windowedChecked || combo->adapterFormat != working_.adapterFormat) continue;
        matched = true;
        AddUniqueItem(backBuffers, framework::FormatName(combo->backBufferFormat, true), combo->backBufferFormat);
    }
    SelectValue(backBuffers, pp.BackBufferFormat);
    const HRESULT backBuffer = BackBufferFormatChanged();

    if (!matched) {
        // This format only works in the other mode: offer full screen.
        dialog_.SetControlEnabled(kWindowed, false);
        if (pp.Windowed) {
            Radio(kFullScreen).ApplyChecked(true, true, false);
            return WindowedChanged();
        }
    }
    return FirstFailure(resolution, backBuffer);
}

HRESULT SettingsDialog::ResolutionChanged() {
    const UINT size = SelectedValue(Box(kResolution));
    D3DPRESENT_PARAMETERS& pp = working_.presentParameters;
    pp.BackBufferWidth = size & 0xFFFFu;
    pp.BackBufferHeight = size >> 16;
    AdapterInfo* adapter = WorkingAdapter();
    if (adapter == nullptr) return E_FAIL;
    gui::GuiComboBox& rates = Box(kRefreshRate);
    rates.ClearItems();
    for (const D3DDISPLAYMODE& mode : adapter->displayModes) {
        if (mode.Format != working_.adapterFormat || mode.Width != pp.BackBufferWidth ||
            mode.Height != pp.BackBufferHeight) {
            continue;
        }
        AddUniqueItem(rates, RefreshRateText(mode.RefreshRate), mode.RefreshRate);
    }
    SelectValue(rates, pp.FullScreen_RefreshRateInHz);
    pp.FullScreen_RefreshRateInHz = SelectedValue(rates);
    return S_OK;
}

HRESULT SettingsDialog::RefreshRateChanged() {
    working_.presentParameters.FullScreen_RefreshRateInHz = SelectedValue(Box(kRefreshRate));
    return S_OK;
}

HRESULT SettingsDialog::BackBufferFormatChanged() {
    D3DPRESENT_PARAMETERS& pp = working_.presentParameters;
    pp.BackBufferFormat = static_cast<D3DFORMAT>(SelectedValue(Box(kBackBufferFormat)));
    DeviceCombo* combo = WorkingCombo();
    if (combo == nullptr) return E_FAIL;

    gui::GuiComboBox& depths = Box(kDepthStencil);
    depths.ClearItems();
    if (pp.EnableAutoDepthStencil) {
        for (D3DFORMAT format : combo->depthStencilFormats) {
            AddUniqueItem(depths, framework::FormatName(format, true), format);
        }
    } else {
        AddUniqueItem(depths, kNotUsed, 0);
    }
    dialog_.SetControlEnabled(kDepthStencil, pp.EnableAutoDepthStencil != FALSE);
    SelectValue(depths, pp.AutoDepthStencilFormat);
    const HRESULT depth = DepthStencilChanged();

    FillVertexProcessing(*combo->deviceInfo);
    SelectValue(Box(kVertexProcessing), CascadeVertexProcessingItem(working_.behaviorFlags));
    VertexProcessingChanged();

    gui::GuiComboBox& intervals = Box(kPresentInterval);
    intervals.ClearItems();
    for (UINT interval : combo->presentIntervals) {
        AddUniqueItem(intervals, PresentIntervalText(interval), interval);
    }
    SelectValue(intervals, pp.PresentationInterval);
    pp.PresentationInterval = SelectedValue(intervals);
    return depth;
}

void SettingsDialog::FillVertexProcessing(const DeviceInfo& device) {
    const VertexProcessingAllowed allowed = Catalogue()->GetVertexProcessingAllowed();
    const bool transformAndLight = (device.caps.DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT) != 0;
    const bool pure = (device.caps.DevCaps & D3DDEVCAPS_PUREDEVICE) != 0;
    gui::GuiComboBox& box = Box(kVertexProcessing);
    box.ClearItems();
    const auto offer = [&box](bool offered, DWORD flag) {
        if (offered) AddUniqueItem(box, VertexProcessingText(flag), flag);
    };
    offer(allowed.software, D3DCREATE_SOFTWARE_VERTEXPROCESSING);
    offer(allowed.hardware && transformAndLight, D3DCREATE_HARDWARE_VERTEXPROCESSING);
    offer(allowed.pureHardware && pure, D3DCREATE_PUREDEVICE);
    offer(allowed.mixed && transformAndLight, D3DCREATE_MIXED_VERTEXPROCESSING);
}

HRESULT SettingsDialog::DepthStencilChanged() {
    D3DPRESENT_PARAMETERS& pp = working_.presentParameters;
    const auto selected = static_cast<D3DFORMAT>(SelectedValue(Box(kDepthStencil)));
    if (pp.EnableAutoDepthStencil) pp.AutoDepthStencilFormat = selected;
    DeviceCombo* combo = WorkingCombo();
    if (combo == nullptr) return E_FAIL;
    gui::GuiComboBox& types = Box(kMultiSampleType);
    types.ClearItems();
    for (D3DMULTISAMPLE_TYPE type : combo->multiSampleTypes) {
        if (Conflicts(*combo, selected, type)) continue;
        AddUniqueItem(types, MultiSampleTypeText(type), type);
    }
    SelectValue(types, pp.MultiSampleType);
    return MultiSampleTypeChanged();
}

HRESULT SettingsDialog::MultiSampleTypeChanged() {
    D3DPRESENT_PARAMETERS& pp = working_.presentParameters;
    pp.MultiSampleType = static_cast<D3DMULTISAMPLE_TYPE>(SelectedValue(Box(kMultiSampleType)));
    DeviceCombo* combo = WorkingCombo();
    if (combo == nullptr) return E_FAIL;
    gui::GuiComboBox& qualities = Box(kMultiSampleQuality);
    qualities.ClearItems();
    const int index = combo->multiSampleTypes.IndexOf(pp.MultiSampleType);
    const DWORD levels = index >= 0 ? combo->multiSampleQualities[index] : 0;
    for (DWORD quality = 0; quality < levels; ++quality) AddUniqueItem(qualities, NumberText(quality), quality);
    SelectValue(qualities, pp.MultiSampleQuality);
    pp.MultiSampleQuality = SelectedValue(qualities);
    return S_OK;
}

HRESULT SettingsDialog::MultiSampleQualityChanged() {
    working_.presentParameters.MultiSampleQuality = SelectedValue(Box(kMultiSampleQuality));
    return S_OK;
}

HRESULT SettingsDialog::VertexProcessingChanged() {
    const DWORD selected = SelectedValue(Box(kVertexProcessing));
    DWORD flags = (working_.behaviorFlags & ~kVertexProcessingMask) | selected;
    // A pure device processes vertices in hardware.
    if (selected == D3DCREATE_PUREDEVICE) flags |= D3DCREATE_HARDWARE_VERTEXPROCESSING;
    working_.behaviorFlags = flags;
    return S_OK;
}

HRESULT SettingsDialog::PresentIntervalChanged() {
    working_.presentParameters.PresentationInterval = SelectedValue(Box(kPresentInterval));
    return S_OK;
}

HRESULT SettingsDialog::DeviceClipChanged() {
    DWORD& flags = working_.presentParameters.Flags;
    if (ClipBox().GetChecked()) flags |= D3DPRESENTFLAG_DEVICECLIP;
    else flags &= ~D3DPRESENTFLAG_DEVICECLIP;
    return S_OK;
}

}  // namespace ondrel::devicesettings
