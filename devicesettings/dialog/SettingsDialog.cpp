// The dialog as the framework sees it: device steps, drawing, messages,
// refresh on show, and the one callback that turns control events into the
// cascade's handlers.

#include "devicesettings/dialog/SettingsDialog.h"

#include <memory>

#include "devicesettings/dialog/ComboItems.h"
#include "devicesettings/dialog/SettingsItemText.h"
#include "framework/DeviceCatalogue.h"
#include "framework/Framework.h"
#include "framework/FrameworkState.h"
#include "gui/GuiSharedState.h"

namespace ondrel::devicesettings {
namespace {

constexpr D3DCOLOR kTopLeft = 0xFF628ACE;
constexpr D3DCOLOR kTopRight = 0xFF3669C0;
constexpr D3DCOLOR kBottomLeft = 0xFF3669C0;
constexpr D3DCOLOR kBottomRight = 0xFF0A49B3;

std::unique_ptr<SettingsDialog>& Instance() {
    static std::unique_ptr<SettingsDialog> instance;
    return instance;
}

void OnSettingsEvent(UINT /*event*/, int controlId, gui::GuiControl* /*control*/) {
    if (SettingsDialogExists()) GetSettingsDialog().OnControlEvent(controlId);
}

// The vertex-processing item refresh shows first: pure wins, then hardware,
// then software, else mixed.
DWORD RefreshVertexProcessingItem(DWORD flags) {
    if (flags & D3DCREATE_PUREDEVICE) return D3DCREATE_PUREDEVICE;
    if (flags & D3DCREATE_HARDWARE_VERTEXPROCESSING) return D3DCREATE_HARDWARE_VERTEXPROCESSING;
    if (flags & D3DCREATE_SOFTWARE_VERTEXPROCESSING) return D3DCREATE_SOFTWARE_VERTEXPROCESSING;
    return D3DCREATE_MIXED_VERTEXPROCESSING;
}

void Seed(gui::GuiComboBox& box, const std::u16string& text, UINT value) {
    AddUniqueItem(box, text, value);
    SelectValue(box, value);
}

}  // namespace

SettingsDialog::SettingsDialog() {
    dialog_.EnableKeyboardInput(true);
    AddControls();
}

SettingsDialog::~SettingsDialog() = default;

HRESULT SettingsDialog::OnCreateDevice(IDirect3DDevice9* device) {
    if (device == nullptr) return E_INVALIDARG;
    dialog_.SetCallback(&OnSettingsEvent);
    return S_OK;
}

HRESULT SettingsDialog::OnResetDevice() {
    const D3DSURFACE_DESC backBuffer = framework::GetBackBufferSurfaceDesc();
    dialog_.SetLocation(0, 0);
    dialog_.SetSize(static_cast<int>(backBuffer.Width), static_cast<int>(backBuffer.Height));
    dialog_.SetBackgroundColours(kTopLeft, kTopRight, kBottomLeft, kBottomRight);
    return S_OK;
}

void SettingsDialog::OnDestroyDevice() { gui::GuiDialog::ClearFocus(); }

bool SettingsDialog::MessageHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return dialog_.HandleMessage(window, message, wParam, lParam);
}

HRESULT SettingsDialog::Draw(float elapsedTime) { return dialog_.Render(elapsedTime); }

HRESULT SettingsDialog::RefreshFromDevice() {
    working_ = framework::GetDeviceSettings();
    const RECT client = framework::State().Get(&framework::StateFields::windowedClientRect);
    storedWidth_ = client.right - client.left;
    storedHeight_ = client.bottom - client.top;

    SeedBoxesFromWorking();
    Radio(working_.presentParameters.Windowed ? kWindowed : kFullScreen).ApplyChecked(true, true, false);
    ClipBox().ApplyChecked(false, false);

    DeviceEnumeration* catalogue = Catalogue();
    if (catalogue == nullptr || WorkingCombo() == nullptr) return E_INVALIDARG;
    if (catalogue->GetAdapters().Empty()) return kNoAdapters;

    const HRESULT filled = FillAdapters();
    // Every dialog fades its controls in again, this one included.
    gui::SharedGuiState().refreshTime = framework::GetTime();
    return filled;
}

void SettingsDialog::SeedBoxesFromWorking() {
    const D3DPRESENT_PARAMETERS& pp = working_.presentParameters;
    Seed(Box(kDeviceType), DeviceTypeText(working_.deviceType), working_.deviceType);
    Seed(Box(kAdapterFormat), framework::FormatName(working_.adapterFormat, true), working_.adapterFormat);
    Seed(Box(kResolution), ResolutionText(pp.BackBufferWidth, pp.BackBufferHeight),
         PackResolution(pp.BackBufferWidth, pp.BackBufferHeight));
    Seed(Box(kRefreshRate), RefreshRateText(pp.FullScreen_RefreshRateInHz), pp.FullScreen_RefreshRateInHz);
    Seed(Box(kBackBufferFormat), framework::FormatName(pp.BackBufferFormat, true), pp.BackBufferFormat);
    Seed(Box(kDepthStencil), framework::FormatName(pp.AutoDepthStencilFormat, true), pp.AutoDepthStencilFormat);
    Seed(Box(kMultiSampleType), MultiSampleTypeText(pp.MultiSampleType), pp.MultiSampleType);
    Seed(Box(kMultiSampleQuality), NumberText(pp.MultiSampleQuality), pp.MultiSampleQuality);
    Seed(Box(kPresentInterval), PresentIntervalText(pp.PresentationInterval), pp.PresentationInterval);
    const DWORD vertexProcessing = RefreshVertexProcessingItem(working_.behaviorFlags);
    Seed(Box(kVertexProcessing), VertexProcessingText(vertexProcessing), vertexProcessing);
}

HRESULT SettingsDialog::FillAdapters() {
    gui::GuiComboBox& box = Box(kAdapter);
    box.ClearItems();
    for (const auto& adapter : Catalogue()->GetAdapters()) {
        AddUniqueItem(box, adapter->uniqueDescription, adapter->adapterOrdinal);
    }
    SelectValue(box, working_.adapterOrdinal);
    return AdapterChanged();
}

HRESULT SettingsDialog::OnControlEvent(int controlId) {
    switch (controlId) {
        case kOk: return Accept();
        case kCancel: return Cancel();
        case kAdapter: return AdapterChanged();
        case kDeviceType: return DeviceTypeChanged();
        case kWindowed:
        case kFullScreen: return WindowedChanged();
        case kAdapterFormat: return AdapterFormatChanged();
        case kResolution: return ResolutionChanged();
        case kRefreshRate: return RefreshRateChanged();
        case kBackBufferFormat: return BackBufferFormatChanged();
        case kDepthStencil: return DepthStencilChanged();
        case kMultiSampleType: return MultiSampleTypeChanged();
        case kMultiSampleQuality: return MultiSampleQualityChanged();
        case kVertexProcessing: return VertexProcessingChanged();
        case kPresentInterval: return PresentIntervalChanged();
        case kDeviceClip: return DeviceClipChanged();
        default: return S_OK;
    }
}

HRESULT SettingsDialog::Accept() {
    D3DPRESENT_PARAMETERS& pp = working_.presentParameters;
    if (pp.Windowed) {
        pp.FullScreen_RefreshRateInHz = 0;
        pp.BackBufferWidth = static_cast<UINT>(storedWidth_);
        pp.BackBufferHeight = static_cast<UINT>(storedHeight_);
    }
    // A multisampled back buffer cannot be locked.
    if (pp.MultiSampleType != D3DMULTISAMPLE_NONE) pp.Flags &= ~D3DPRESENTFLAG_LOCKABLE_BACKBUFFER;
    const HRESULT changed = framework::CreateDeviceFromSettings(&working_, false);
    framework::ShowSettingsDialog(false);
    return changed;
}

HRESULT SettingsDialog::Cancel() {
    framework::ShowSettingsDialog(false);
    return S_OK;
}

DeviceEnumeration* SettingsDialog::Catalogue() const { return framework::PrepareDeviceCatalogue(false); }

AdapterInfo* SettingsDialog::WorkingAdapter() const {
    DeviceEnumeration* catalogue = Catalogue();
    return catalogue != nullptr ? catalogue->GetAdapterInfo(working_.adapterOrdinal) : nullptr;
}

DeviceInfo* SettingsDialog::WorkingDevice() const {
    DeviceEnumeration* catalogue = Catalogue();
    return catalogue != nullptr ? catalogue->GetDeviceInfo(working_.adapterOrdinal, working_.deviceType) : nullptr;
}

DeviceCombo* SettingsDialog::WorkingCombo() const {
    DeviceEnumeration* catalogue = Catalogue();
    if (catalogue == nullptr) return nullptr;
    const D3DPRESENT_PARAMETERS& pp = working_.presentParameters;
    return catalogue->GetDeviceCombo(working_.adapterOrdinal, working_.deviceType, working_.adapterFormat,
                                     pp.BackBufferFormat, pp.Windowed != FALSE);
}

gui::GuiComboBox& SettingsDialog::Box(int id) {
    return *static_cast<gui::GuiComboBox*>(dialog_.FindControl(id, gui::GuiControlType::ComboBox));
}

gui::GuiRadioButton& SettingsDialog::Radio(int id) {
    return *static_cast<gui::GuiRadioButton*>(dialog_.FindControl(id, gui::GuiControlType::RadioButton));
}

gui::GuiCheckBox& SettingsDialog::ClipBox() {
    return *static_cast<gui::GuiCheckBox*>(dialog_.FindControl(kDeviceClip, gui::GuiControlType::CheckBox));
}

SettingsDialog& GetSettingsDialog() {
    std::unique_ptr<SettingsDialog>& instance = Instance();
    if (!instance) instance = std::make_unique<SettingsDialog>();
    return *instance;
}

bool SettingsDialogExists() { return Instance() != nullptr; }

void ResetSettingsDialog() { Instance().reset(); }

framework::SettingsDialogSteps* MakeSettingsDialog() { return &GetSettingsDialog(); }

}  // namespace ondrel::devicesettings
