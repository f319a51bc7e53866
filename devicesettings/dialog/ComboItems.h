#pragma once
// The dialog keeps plain numbers (ordinals, formats, flags, packed sizes) in
// the combo boxes' item pointers; these helpers put them in and take them
// out, and add an item only when no item with its text is there yet.

#include <cstdint>
#include <string>

#include "gui/GuiComboBox.h"

namespace ondrel::devicesettings {

inline void* ItemData(UINT value) { return reinterpret_cast<void*>(static_cast<std::uintptr_t>(value)); }
inline UINT ItemValue(void* data) { return static_cast<UINT>(reinterpret_cast<std::uintptr_t>(data)); }

// Width in the low 16 bits, height in the high 16 bits.
inline UINT PackResolution(UINT width, UINT height) { return (height << 16) | (width & 0xFFFFu); }

// Appends (text, value) unless an item with the same text exists.
HRESULT AddUniqueItem(gui::GuiComboBox& box, const std::u16string& text, UINT value);
// The selected item's number; 0 with no selection.
UINT SelectedValue(const gui::GuiComboBox& box);
// Selects the item carrying value; the selection stays where it was when no
// item carries it.
void SelectValue(gui::GuiComboBox& box, UINT value);

}  // namespace ondrel::devicesettings
