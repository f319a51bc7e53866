#include "app/ReadEditBoxValue.h"

#include <cstdio>
#include <string>

#include "app/AppPanels.h"
#include "conversion/FactorText.h"
#include "gui/GuiEditBox.h"
#include "mapexport/ConversionParameters.h"

namespace ondrel::app {
namespace {

constexpr std::size_t kFloorTextSize = 128;

// The floor as the box shows it, formatted the way the C runtime prints the
// double 0.1 with %g.
std::u16string FloorText() {
    char narrow[kFloorTextSize] = {};
    std::snprintf(narrow, sizeof narrow, "%g", static_cast<double>(kMinimumFactor));
    narrow[kFloorTextSize - 1] = '\0';
    return std::u16string(narrow, narrow + std::char_traits<char>::length(narrow));
}

}  // namespace

float ReadEditBoxValue(int controlId) {
    auto* box = static_cast<gui::GuiEditBox*>(ControlPanel().FindControl(controlId, gui::GuiControlType::EditBox));
    if (box == nullptr) return kMinimumFactor;
    bool floored = false;
    const float value = conversion::ReadFactor(box->GetText(), &floored);
    if (floored) {
        box->SetText(FloorText().c_str(), false);
    }
    return value;
}

}  // namespace ondrel::app
