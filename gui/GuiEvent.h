#pragma once
// What a control tells its dialog's callback the user did.

#include <cstdint>

#include "platform/win32/WinTypes.h"

namespace ondrel::gui {

class GuiControl;

enum GuiEvent : std::uint32_t {
    ButtonClicked = 0x0101,
    ComboBoxSelectionChanged = 0x0201,
    RadioButtonChanged = 0x0301,
    CheckBoxChanged = 0x0401,
    EditBoxString = 0x0601,
    EditBoxChange = 0x0602,
};

// One per dialog: (event, the control's id, the control).
using GuiEventCallback = void (*)(UINT event, int controlId, GuiControl* control);

}  // namespace ondrel::gui
