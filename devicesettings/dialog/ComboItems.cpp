#include "devicesettings/dialog/ComboItems.h"

namespace ondrel::devicesettings {

HRESULT AddUniqueItem(gui::GuiComboBox& box, const std::u16string& text, UINT value) {
    if (box.IndexOfText(text.c_str()) != -1) return S_OK;
    return box.AppendItem(text.c_str(), ItemData(value));
}

UINT SelectedValue(const gui::GuiComboBox& box) { return ItemValue(box.SelectedData()); }

void SelectValue(gui::GuiComboBox& box, UINT value) { box.SelectByData(ItemData(value)); }

}  // namespace ondrel::devicesettings
