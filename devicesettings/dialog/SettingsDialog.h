#pragma once
// The "Direct3D Settings" dialog. It copies the current device settings
// into a working record when shown, lets the user edit that record through a
// cascade of combo boxes filled from the device catalogue (each choice
// refills the boxes that depend on it, keeping earlier choices that are
// still offered), and hands the record to the framework on OK.

#include "devicesettings/enumeration/DeviceEnumeration.h"
#include "framework/DeviceSettings.h"
#include "framework/DeviceSteps.h"
#include "gui/GuiCheckBox.h"
#include "gui/GuiComboBox.h"
#include "gui/GuiDialog.h"
#include "gui/GuiRadioButton.h"

namespace ondrel::devicesettings {

// Control ids.
enum SettingsControl : int {
    kOk = 1,
    kCancel = 2,
    kAdapter = 3,
    kDeviceType = 4,
    kWindowed = 5,
    kFullScreen = 6,
    kAdapterFormat = 7,
    kAdapterFormatLabel = 8,
    kResolution = 9,
    kResolutionLabel = 10,
    kRefreshRate = 11,
    kRefreshRateLabel = 12,
    kBackBufferFormat = 13,
    kDepthStencil = 14,
    kMultiSampleType = 15,
    kMultiSampleQuality = 16,
    kVertexProcessing = 17,
    kPresentInterval = 18,
    kDeviceClip = 19,
};

inline constexpr UINT kWindowedGroup = 256;
// Refresh's answer when the catalogue has no adapter at all.
inline constexpr HRESULT kNoAdapters = static_cast<HRESULT>(0x80040902u);

class SettingsDialog final : public framework::SettingsDialogSteps {
public:
    SettingsDialog();
    ~SettingsDialog() override;
    SettingsDialog(const SettingsDialog&) = delete;
    SettingsDialog& operator=(const SettingsDialog&) = delete;

    // framework::SettingsDialogSteps
    HRESULT OnCreateDevice(IDirect3DDevice9* device) override;
    HRESULT OnResetDevice() override;
    void OnLostDevice() override {}
    void OnDestroyDevice() override;
    bool MessageHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    HRESULT Draw(float elapsedTime) override;
    void Refresh() override { RefreshFromDevice(); }

    // Starts again from the current device's settings.
    HRESULT RefreshFromDevice();
    // What a control's event does; the cascade's status.
    HRESULT OnControlEvent(int controlId);

    gui::GuiDialog& Dialog() { return dialog_; }
    const framework::DeviceSettings& Working() const { return working_; }
    int StoredWidth() const { return storedWidth_; }
    int StoredHeight() const { return storedHeight_; }

    // The cascade, one handler per box; each runs the ones after it.
    HRESULT AdapterChanged();
    HRESULT DeviceTypeChanged();
    HRESULT WindowedChanged();
    HRESULT AdapterFormatChanged();
    HRESULT ResolutionChanged();
    HRESULT RefreshRateChanged();
    HRESULT BackBufferFormatChanged();
    HRESULT DepthStencilChanged();
    HRESULT MultiSampleTypeChanged();
    HRESULT MultiSampleQualityChanged();
    HRESULT VertexProcessingChanged();
    HRESULT PresentIntervalChanged();
    HRESULT DeviceClipChanged();
    HRESULT Accept();
    HRESULT Cancel();

private:
    void AddControls();
    void SeedBoxesFromWorking();
    HRESULT FillAdapters();
    DeviceEnumeration* Catalogue() const;
    AdapterInfo* WorkingAdapter() const;
    DeviceInfo* WorkingDevice() const;
    DeviceCombo* WorkingCombo() const;
    void FillVertexProcessing(const DeviceInfo& device);
    void UseDesktopMode();

    gui::GuiComboBox& Box(int id);
    gui::GuiRadioButton& Radio(int id);
    gui::GuiCheckBox& ClipBox();

    gui::GuiDialog dialog_;
    framework::DeviceSettings working_{};
    int storedWidth_ = 640;
    int storedHeight_ = 480;
};

// The one dialog, made on first use; the dialog callback reaches it here.
SettingsDialog& GetSettingsDialog();
bool SettingsDialogExists();
// Destroys the instance; the next GetSettingsDialog makes a new one. Tests
// reset the framework's state with it, since the framework keeps the pointer.
void ResetSettingsDialog();
// The maker the program installs with framework::SetSettingsDialogMaker.
framework::SettingsDialogSteps* MakeSettingsDialog();

}  // namespace ondrel::devicesettings
