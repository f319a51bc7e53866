#include "app/InitApplication.h"

#include "app/AppPanels.h"
#include "app/ControlIds.h"
#include "app/HandleGuiEvent.h"

namespace ondrel::app {
namespace {

constexpr int kColumnX = 35;
constexpr int kColumnWidth = 125;
constexpr int kRowHeight = 22;
constexpr int kEditBoxHeight = 32;
// "Extrude Factor (Blocks)" is about 138 pixels wide in the panel's 14-pixel
// Arial, more than the column; its box reaches to the panel's right edge
// and as far left again, so the centred text keeps the column's centre.
constexpr int kWideLabelX = 25;
constexpr int kWideLabelWidth = 145;

HRESULT BuildDevicePanel(gui::GuiDialog& panel) {
    panel.SetCallback(&HandleGuiEvent);
    HRESULT hr = panel.AddButton(kToggleFullScreenId, u"Toggle full screen", kColumnX, 10, kColumnWidth, kRowHeight);
    if (SUCCEEDED(hr)) hr = panel.AddButton(kToggleReferenceId, u"Toggle REF (F3)", kColumnX, 34, kColumnWidth, kRowHeight);
    if (SUCCEEDED(hr)) hr = panel.AddButton(kChangeDeviceId, u"Change device (F2)", kColumnX, 58, kColumnWidth, kRowHeight);
    return hr;
}

// In this order: the order of adding is the order of keyboard focus.
HRESULT BuildControlPanel(gui::GuiDialog& panel) {
    panel.SetCallback(&HandleGuiEvent);
    HRESULT hr = panel.AddButton(kImportId, u"Import\u2026", kColumnX, 34, kColumnWidth, kRowHeight);
    if (SUCCEEDED(hr)) hr = panel.AddButton(kExportId, u"Export\u2026", kColumnX, 70, kColumnWidth, kRowHeight);
    if (SUCCEEDED(hr)) hr = panel.AddStatic(kTrisLabelId, u"Extrude Factor (Tris)", kColumnX, 106, kColumnWidth, kRowHeight);
    if (SUCCEEDED(hr)) hr = panel.AddEditBox(kTrisFactorId, kInitialTrisText, kColumnX, 128, kColumnWidth, kEditBoxHeight);
    if (SUCCEEDED(hr)) hr = panel.AddStatic(kBlocksLabelId, u"Extrude Factor (Blocks)", kWideLabelX, 164, kWideLabelWidth,
                                                    kRowHeight);
    if (SUCCEEDED(hr)) hr = panel.AddEditBox(kBlocksFactorId, kInitialBlocksText, kColumnX, 186, kColumnWidth, kEditBoxHeight);
    if (SUCCEEDED(hr)) hr = panel.AddStatic(kScaleLabelId, u"Export Scale", kColumnX, 222, kColumnWidth, kRowHeight);
    if (SUCCEEDED(hr)) hr = panel.AddEditBox(kScaleId, kInitialScaleText, kColumnX, 244, kColumnWidth, kEditBoxHeight);
    return hr;
}

}  // namespace

HRESULT InitApplication() {
    HRESULT hr = BuildDevicePanel(DevicePanel());
    if (SUCCEEDED(hr)) hr = BuildControlPanel(ControlPanel());
    ShowPanelsInScene();
    return hr;
}

}  // namespace ondrel::app
