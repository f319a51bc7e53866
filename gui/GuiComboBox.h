#pragma once
// A drop-down list: a text area showing the selected item, a button that
// opens the list, and the list itself with its own scroll bar. Items carry a
// text and a pointer the application gives them.

#include "gui/GuiButton.h"
#include "gui/GuiScrollBar.h"

namespace ondrel::gui {

inline constexpr int kComboBoxItemTextLength = 256;  // at most 255 used

struct GuiComboBoxItem {
    WCHAR text[kComboBoxItemTextLength] = {};
    void* data = nullptr;
    RECT activeRect{};  // where the list last drew it
    bool visible = false;
};

class GuiComboBox : public GuiButton {
public:
    explicit GuiComboBox(GuiDialog* owner);
    ~GuiComboBox() override;

    HRESULT Setup() override;
    void Render(IDirect3DDevice9* device, float elapsedTime) override;
    bool HandleKey(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool HandleMouse(UINT message, POINT point, WPARAM wParam, LPARAM lParam) override;
    void FocusLost() override;
    void HotkeyPressed() override;
    // The normal-state font colour of the text area and the list.
    void SetTextColour(D3DCOLOR colour) override;
    void UpdateRectangles() override;

    HRESULT AppendItem(LPCWSTR text, void* data);
    void ClearItems();
    // -1 when no item from start on has exactly this text.
    int IndexOfText(LPCWSTR text, int startIndex = 0) const;
    bool HasItem(LPCWSTR text, int startIndex = 0) const { return IndexOfText(text, startIndex) != -1; }
    void* SelectedData() const;
    HRESULT SelectByData(void* data);
    void SetDropHeight(int height);
    int ItemCount() const { return items.GetSize(); }
    GuiComboBoxItem* ItemAt(int index) { return items[index]; }

    int selected = -1;
    int focused = -1;
    int dropHeight = 100;
    GuiScrollBar scrollBar;
    int scrollBarWidth = 16;
    bool opened = false;
    RECT textRect{};
    RECT buttonRect{};
    RECT dropdownRect{};
    RECT dropdownTextRect{};
    devicesettings::GrowableArray<GuiComboBoxItem*> items;

private:
    int ListFontHeight();
    void FitPageToList();
    void SendSelectionChanged();
    void ClearFocusWithoutKeyboard();
    bool MoveFocusedItem(int step);
    bool PressOnControl();
    bool PressInList(POINT point);
    bool Wheel(int notches);
    void LayOutItems();
    void DrawList(float elapsedTime);
    void DrawFace(float elapsedTime);

    bool drawnBefore_ = false;
};

}  // namespace ondrel::gui
