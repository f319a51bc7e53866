#pragma once
// The kind stored in every control, and the states its colours follow.

#include <cstdint>

namespace ondrel::gui {

// 5, 7 and 8 name no control of this toolkit and stay unused.
enum GuiControlType : std::int32_t {
    Button = 0,
    Static = 1,
    CheckBox = 2,
    RadioButton = 3,
    ComboBox = 4,
    EditBox = 6,
    ScrollBar = 9,
};

// Indexes the colour tables of GuiBlendColour.
enum GuiControlState : std::uint32_t {
    StateNormal = 0,
    StateDisabled = 1,
    StateHidden = 2,
    StateFocus = 3,
    StateMouseOver = 4,
    StatePressed = 5,
};

inline constexpr int kGuiStateCount = 16;

}  // namespace ondrel::gui
