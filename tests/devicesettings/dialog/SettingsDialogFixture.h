#pragma once
// A framework with a windowed device on the scripted platform and a
// recording machine, the GUI resource manager and the settings dialog
// installed as the program installs them. The machine has two adapters,
// a 75 Hz mode beside the 60 Hz ones, multisampling (2 samples with three
// quality levels; 4 samples that D24S8 cannot take).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devicesettings/dialog/ComboItems.h"
#include "devicesettings/dialog/SettingsDialog.h"
#include "framework/Framework.h"
#include "framework/FrameworkState.h"
#include "gui/GuiResourceManager.h"
#include "gui/GuiSharedState.h"
#include "platform/recording/RecordingWorld.h"
#include "platform/scripted/ScriptedPlatformServices.h"
#include "tests/support/SourceTreeMedia.h"

namespace ondrel::testing {

class SettingsDialogTest : public ::testing::Test {
protected:
    SettingsDialogTest() : world_(recording::RecordingWorld::Create()), backend_(world_) {}

    void SetUp() override {
        platform_ = &platform::InstallScriptedPlatform();
        framework::ResetFrameworkState();
        devicesettings::ResetSettingsDialog();
        gui::ResetSharedGuiState();
        ScriptMachine();
        gui::GetGlobalResourceManager().SetMediaFinder(&SourceTreeMedia);
        framework::SetResourceManager(&gui::GetGlobalResourceManager());
        framework::SetSettingsDialogMaker(&devicesettings::MakeSettingsDialog);
    }

    void TearDown() override {
        framework::Shutdown();
        framework::ResetFrameworkState();
        devicesettings::ResetSettingsDialog();
        devicesettings::ResetDeviceEnumeration();
        gui::ResetGlobalResourceManager();
        gui::ResetSharedGuiState();
        platform::ResetPlatformServices();
        EXPECT_EQ(world_->LiveObjectsTotal(), 0) << "objects left alive after shutdown";
    }

    void ScriptMachine() {
        graphics::AdapterDescription& first = world_->Catalogue().adapters[0];
        first.modes.push_back(D3DDISPLAYMODE{1024, 768, 75, D3DFMT_X8R8G8B8});
        graphics::DeviceTypeSupport& hal = first.devices[0];
        hal.multiSampleTypes.push_back({D3DMULTISAMPLE_2_SAMPLES, 3, {}});
        std::vector<D3DFORMAT> withoutD24S8 = hal.backBufferFormats;
        withoutD24S8.insert(withoutD24S8.end(), {D3DFMT_D16, D3DFMT_D24X8, D3DFMT_D32});
        hal.multiSampleTypes.push_back({D3DMULTISAMPLE_4_SAMPLES, 1, withoutD24S8});
        world_->Catalogue().adapters.push_back(recording::RecordingWorld::TypicalAdapter("Second Adapter"));
    }

    // As the program starts: Init, its window, a windowed 640 x 480 device.
    void Start(framework::AdjustDeviceSettingsCallback adjust = nullptr) {
        ASSERT_EQ(framework::Init(false, true, false), S_OK);
        ASSERT_EQ(framework::CreateAppWindow(u"Settings", nullptr, nullptr, nullptr, CW_USEDEFAULT, CW_USEDEFAULT),
                  S_OK);
        ASSERT_EQ(framework::CreateDevice(0, true, 640, 480, nullptr, adjust), S_OK);
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return framework::WindowProcedure(framework::GetCurrentWindow(), message, wParam, lParam);
    }
    void PressKey(WPARAM key) {
        Send(WM_KEYDOWN, key);
        Send(WM_KEYUP, key);
    }
    void Click(int x, int y) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    // F2, as the user opens it.
    devicesettings::SettingsDialog& Open() {
        PressKey(VK_F2);
        EXPECT_TRUE(framework::IsSettingsDialogShown());
        return devicesettings::GetSettingsDialog();
    }

    gui::GuiComboBox& Box(int id) {
        return *static_cast<gui::GuiComboBox*>(Dialog().Dialog().FindControl(id, gui::GuiControlType::ComboBox));
    }
    gui::GuiCheckBox& Check(int id) { return *static_cast<gui::GuiCheckBox*>(Dialog().Dialog().FindControl(id)); }
    bool Enabled(int id) { return Dialog().Dialog().FindControl(id)->IsEnabled(); }
    devicesettings::SettingsDialog& Dialog() { return devicesettings::GetSettingsDialog(); }

    std::vector<std::u16string> Items(int id) {
        std::vector<std::u16string> texts;
        gui::GuiComboBox& box = Box(id);
        for (int i = 0; i < box.ItemCount(); ++i) texts.emplace_back(box.ItemAt(i)->text);
        return texts;
    }
    std::u16string SelectedText(int id) {
        gui::GuiComboBox& box = Box(id);
        return box.selected >= 0 ? std::u16string(box.ItemAt(box.selected)->text) : std::u16string();
    }
    // The user picks the item with this text; the dialog hears of it.
    HRESULT Choose(int id, const std::u16string& text) {
        gui::GuiComboBox& box = Box(id);
        const int index = box.IndexOfText(text.c_str());
        EXPECT_GE(index, 0) << "no item " << std::string(text.begin(), text.end());
        if (index < 0) return E_FAIL;
        box.SelectByData(box.ItemAt(index)->data);
        return Dialog().OnControlEvent(id);
    }
    HRESULT ChooseRadio(int id) {
        static_cast<gui::GuiRadioButton&>(Check(id)).ApplyChecked(true, true, false);
        return Dialog().OnControlEvent(id);
    }

    std::shared_ptr<recording::RecordingWorld> world_;
    recording::ScopedRecordingBackend backend_;
    platform::ScriptedPlatformServices* platform_ = nullptr;
};

}  // namespace ondrel::testing
