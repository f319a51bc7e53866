#include "PanelFixture.h"

#include "app/AppPanels.h"
#include "app/ExportSummary.h"
#include "app/HandleGuiEvent.h"
#include "app/InitApplication.h"
#include "gui/GuiEditBox.h"
#include "gui/GuiResourceManager.h"
#include "gui/GuiSharedState.h"
#include "mapexport/ExportScale.h"

namespace ondrel::testing {

void PanelFixture::SetUp() {
    SceneFixture::SetUp();
    ResetExportScale();
    app::ResetExportSummary();
    gui::ResetSharedGuiState();
    app::ResetAppPanels();
    ASSERT_EQ(app::InitApplication(), S_OK);
    RunCreationSteps();
    gui::GuiResourceManager& manager = gui::GetGlobalResourceManager();
    ASSERT_EQ(manager.OnDeviceCreated(device_), S_OK);
    ASSERT_EQ(manager.OnDeviceReset(), S_OK);
}

void PanelFixture::TearDown() {
    gui::GuiResourceManager& manager = gui::GetGlobalResourceManager();
    manager.OnDeviceLost();
    manager.OnDeviceDestroyed();
    app::ResetAppPanels();
    gui::ResetGlobalResourceManager();
    gui::ResetSharedGuiState();
    ResetExportScale();
    SceneFixture::TearDown();
}

void PanelFixture::Raise(int controlId) {
    gui::GuiControl* control = app::ControlPanel().FindControl(controlId);
    if (control == nullptr) control = app::DevicePanel().FindControl(controlId);
    app::HandleGuiEvent(gui::ButtonClicked, controlId, control);
}

gui::GuiEditBox& PanelFixture::EditBox(int controlId) {
    auto* box = static_cast<gui::GuiEditBox*>(app::ControlPanel().FindControl(controlId, gui::GuiControlType::EditBox));
    EXPECT_NE(box, nullptr);
    return *box;
}

void PanelFixture::Type(int controlId, const std::u16string& text) {
    gui::GuiEditBox& box = EditBox(controlId);
    box.SetText(text.c_str());
    app::HandleGuiEvent(gui::EditBoxChange, controlId, &box);
}

std::u16string PanelFixture::BoxText(int controlId) { return EditBox(controlId).GetText(); }

std::filesystem::path PanelFixture::Sample(const char* name) const {
    return std::filesystem::path(ONDREL_SOURCE_DIR) / "samples" / name;
}

}  // namespace ondrel::testing
