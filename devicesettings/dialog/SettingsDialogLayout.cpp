// The dialog's fonts and controls, placed as the user sees them: labels
// right-aligned in a column at the left, the boxes beside them.

#include "devicesettings/dialog/SettingsDialog.h"
#include "gui/GuiStatic.h"

namespace ondrel::devicesettings {
namespace {

constexpr int kNoId = -1;
constexpr int kLabelX = 10;
constexpr int kLabelWidth = 180;
constexpr int kBoxX = 200;
constexpr int kBoxWidth = 300;
constexpr int kRowHeight = 23;
constexpr int kResolutionDropHeight = 106;

struct Row {
    int labelId;
    const char16_t* label;
    int boxId;
    int y;
};

constexpr Row kRows[] = {
    {kNoId, u"Display Adapter", kAdapter, 50},
    {kNoId, u"Render Device", kDeviceType, 75},
    {kAdapterFormatLabel, u"Adapter Format", kAdapterFormat, 180},
    {kResolutionLabel, u"Resolution", kResolution, 205},
    {kRefreshRateLabel, u"Refresh Rate", kRefreshRate, 230},
    {kNoId, u"Back Buffer Format", kBackBufferFormat, 265},
    {kNoId, u"Depth/Stencil Format", kDepthStencil, 290},
    {kNoId, u"Multisample Type", kMultiSampleType, 315},
    {kNoId, u"Multisample Quality", kMultiSampleQuality, 340},
    {kNoId, u"Vertex Processing", kVertexProcessing, 365},
    {kNoId, u"Present Interval", kPresentInterval, 390},
};

}  // namespace

void SettingsDialog::AddControls() {
    dialog_.SetFontSlot(0, u"Arial", 15, FW_NORMAL);
    dialog_.SetFontSlot(1, u"Arial", 28, FW_BOLD);
    // Labels are right-aligned against their boxes.
    if (gui::GuiElement* label = dialog_.FindDefaultElement(gui::GuiControlType::Static, 0)) {
        label->textFormat = DT_RIGHT | DT_VCENTER;
    }

    gui::GuiStatic* title = nullptr;
    dialog_.AddStatic(kNoId, u"Direct3D Settings", 10, 5, 400, 50, false, &title);
    if (title != nullptr) {
        if (gui::GuiElement* element = title->GetElement(0)) {
            element->fontIndex = 1;
            element->textFormat = 0;
        }
    }
    for (const Row& row : kRows) {
        dialog_.AddStatic(row.labelId, row.label, kLabelX, row.y, kLabelWidth, kRowHeight);
        dialog_.AddComboBox(row.boxId, kBoxX, row.y, kBoxWidth, kRowHeight);
    }
    Box(kResolution).SetDropHeight(kResolutionDropHeight);

    dialog_.AddRadioButton(kWindowed, kWindowedGroup, u"Windowed", 240, 105, 300, 16);
    dialog_.AddCheckBox(kDeviceClip, u"Clip to device when window spans across multiple monitors", 250, 126, 400,
                        16);
    dialog_.AddRadioButton(kFullScreen, kWindowedGroup, u"Full Screen", 240, 147, 300, 16);

    dialog_.AddButton(kOk, u"OK", 230, 435, 73, 31);
    dialog_.AddButton(kCancel, u"Cancel", 315, 435, 73, 31, 0, true);
}

}  // namespace ondrel::devicesettings
