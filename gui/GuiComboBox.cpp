#include "gui/GuiComboBox.h"

#include "framework/Framework.h"
#include "gui/GuiDialog.h"
#include "gui/GuiText.h"

#include <algorithm>
#include <new>

namespace ondrel::gui {
namespace {

constexpr LPARAM kRepeatBit = LPARAM{1} << 30;
constexpr int kWheelNotch = 120;

bool Inside(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

int Height(const RECT& rect) { return rect.bottom - rect.top; }
int Width(const RECT& rect) { return rect.right - rect.left; }

bool SameText(const WCHAR* a, const WCHAR* b) {
    while (*a != 0 && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

UINT WheelScrollLines() {
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return lines;
}

}  // namespace

HRESULT GuiDialog::AddComboBox(int id, int x, int y, int width, int height, UINT hotkey, bool isDefault,
                               GuiComboBox** created) {
    GuiComboBox* box = MakeControl(created);
    if (const HRESULT hr = AdoptControl(box); FAILED(hr)) return hr;
    if (created != nullptr) *created = box;
    box->hotkey = hotkey;
    PlaceControl(box, id, x, y, width, height, isDefault);
    return S_OK;
}

GuiComboBox::GuiComboBox(GuiDialog* owner) : GuiButton(owner), scrollBar(owner) {
    type = GuiControlType::ComboBox;
}

GuiComboBox::~GuiComboBox() { ClearItems(); }

// The embedded bar is not one of the dialog's controls, but it is dressed
// with the dialog's scroll bar elements all the same.
HRESULT GuiComboBox::Setup() { return dialog->PrepareControl(&scrollBar); }

void GuiComboBox::SetTextColour(D3DCOLOR colour) {
    for (UINT index : {0u, 2u}) {
        if (GuiElement* element = GetElement(index)) {
            element->fontColour.states[StateNormal] = colour;
        }
    }
}

int GuiComboBox::ListFontHeight() {
    const GuiElement* element = GetElement(2);
    const GuiFontNode* font = element != nullptr ? dialog->GetFont(element->fontIndex) : nullptr;
    return font != nullptr ? static_cast<int>(font->height) : 0;
}

void GuiComboBox::FitPageToList() {
    const int fontHeight = ListFontHeight();
    scrollBar.SetPageSize(fontHeight > 0 ? Height(dropdownTextRect) / fontHeight : Height(dropdownTextRect));
}

void GuiComboBox::UpdateRectangles() {
    GuiButton::UpdateRectangles();
    const RECT box = boundingBox;
    buttonRect = RECT{box.right - Height(box), box.top, box.right, box.bottom};
    textRect = RECT{box.left, box.top, buttonRect.left, box.bottom};

    // The list starts just under the text area (overlapping its lowest
    // tenth) and leaves room for the scroll bar on its right.
    const int drop = Height(textRect) * 9 / 10;
    dropdownRect = RECT{textRect.left, textRect.top + drop, textRect.right - scrollBarWidth,
                        textRect.bottom + drop + dropHeight};
    const int insetX = Width(dropdownRect) / 10;
    const int insetY = Height(dropdownRect) / 10;
    dropdownTextRect = RECT{dropdownRect.left + insetX, dropdownRect.top + insetY, dropdownRect.right - insetX,
                            dropdownRect.bottom - insetY};

    scrollBar.SetLocation(dropdownRect.right, dropdownRect.top + 2);
    scrollBar.SetSize(scrollBarWidth, Height(dropdownRect) - 2);
    if (ListFontHeight() > 0) {
        FitPageToList();
        scrollBar.ScrollIntoView(selected);
    }
}

HRESULT GuiComboBox::AppendItem(LPCWSTR text, void* data) {
    if (text == nullptr) {
        return E_INVALIDARG;
    }
    auto* item = new (std::nothrow) GuiComboBoxItem;
    if (item == nullptr) {
        return E_OUTOFMEMORY;
    }
    CopyLimitedText(item->text, kComboBoxItemTextLength, text);
    item->data = data;
    if (const HRESULT hr = items.Add(item); FAILED(hr)) {
        delete item;
        return hr;
    }
    scrollBar.SetRange(0, items.GetSize());
    if (items.GetSize() == 1) {
        selected = 0;
        focused = 0;
        dialog->SendEvent(ComboBoxSelectionChanged, false, this);
    }
    return S_OK;
}

void GuiComboBox::ClearItems() {
    for (GuiComboBoxItem* item : items) {
        delete item;
    }
    items.RemoveAll();
    scrollBar.SetRange(0, 1);
    selected = -1;
    focused = -1;
}

int GuiComboBox::IndexOfText(LPCWSTR text, int startIndex) const {
    if (text == nullptr) {
        return -1;
    }
    for (int i = std::max(startIndex, 0); i < items.GetSize(); ++i) {
        if (SameText(items[i]->text, text)) {
            return i;
        }
    }
    return -1;
}

void* GuiComboBox::SelectedData() const { return selected >= 0 ? items[selected]->data : nullptr; }

HRESULT GuiComboBox::SelectByData(void* data) {
    for (int i = 0; i < items.GetSize(); ++i) {
        if (items[i]->data == data) {
            selected = i;
            focused = i;
            dialog->SendEvent(ComboBoxSelectionChanged, false, this);
            return S_OK;
        }
    }
    return E_FAIL;
}

void GuiComboBox::SetDropHeight(int height) {
    dropHeight = height;
    UpdateRectangles();
}

void GuiComboBox::FocusLost() {
    GuiButton::FocusLost();
    opened = false;
}

void GuiComboBox::SendSelectionChanged() { dialog->SendEvent(ComboBoxSelectionChanged, true, this); }

void GuiComboBox::ClearFocusWithoutKeyboard() {
    if (!dialog->KeyboardInput()) {
        GuiDialog::ClearFocus();
    }
}

// Moves the highlight and the selection together by one item; only a
// closed list reports it, an open one reports when it closes.
bool GuiComboBox::MoveFocusedItem(int step) {
    const int target = focused + step;
    if (target < 0 || target >= items.GetSize()) {
        return false;
    }
    focused = target;
    selected = target;
    if (!opened) {
        SendSelectionChanged();
    }
    return true;
}

bool GuiComboBox::HandleKey(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!HandlesInput()) {
        return false;
    }
    if (scrollBar.HandleKey(message, wParam, lParam)) {
        return true;
    }
    if (message != WM_KEYDOWN) {
        return false;
    }
    switch (static_cast<int>(wParam)) {
        case VK_RETURN:
            if (!opened) {
                return false;
            }
            if (selected != focused) {
                selected = focused;
                SendSelectionChanged();
            }
            opened = false;
            ClearFocusWithoutKeyboard();
            return true;
        case VK_LEFT:
        case VK_UP:
            MoveFocusedItem(-1);
            return true;
        case VK_RIGHT:
        case VK_DOWN:
            MoveFocusedItem(+1);
            return true;
        case VK_F4:
            if ((lParam & kRepeatBit) != 0) {
                return true;
            }
            opened = !opened;
            if (!opened) {
                SendSelectionChanged();
                ClearFocusWithoutKeyboard();
            }
            return true;
        default:
            return false;
    }
}

bool GuiComboBox::PressOnControl() {
    pressed = true;
    SetCapture(framework::GetCurrentWindow());
    if (!hasFocus) {
        GuiDialog::GiveFocus(this);
    }
    if (!hasFocus) {
        return true;
    }
    opened = !opened;
    if (!opened) {
        ClearFocusWithoutKeyboard();
    }
    return true;
}

bool GuiComboBox::PressInList(POINT point) {
    for (int i = scrollBar.TrackPosition(); i < items.GetSize(); ++i) {
        GuiComboBoxItem* item = items[i];
        if (item->visible && Inside(item->activeRect, point)) {
            selected = i;
            focused = i;
            SendSelectionChanged();
            opened = false;
            ClearFocusWithoutKeyboard();
            break;
        }
    }
    return true;
}

bool GuiComboBox::Wheel(int notches) {
    if (opened) {
        scrollBar.Scroll(-notches * static_cast<int>(WheelScrollLines()));
    } else {
        MoveFocusedItem(notches > 0 ? -1 : +1);
    }
    return true;
}

bool GuiComboBox::HandleMouse(UINT message, POINT point, WPARAM wParam, LPARAM lParam) {
    if (!HandlesInput()) {
        return false;
    }
    // The bar belongs to the list: while the list is shut it is neither
    // drawn nor reachable.
    if (opened && scrollBar.HandleMouse(message, point, wParam, lParam)) {
        return true;
    }
    switch (message) {
        case WM_MOUSEMOVE:
            if (opened && Inside(dropdownRect, point)) {
                for (int i = 0; i < items.GetSize(); ++i) {
                    if (items[i]->visible && Inside(items[i]->activeRect, point)) {
                        focused = i;
                    }
                }
                return true;
            }
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (ContainsPoint(point)) {
                return PressOnControl();
            }
            if (opened && Inside(dropdownRect, point)) {
                return PressInList(point);
            }
            if (opened) {
                focused = selected;
                SendSelectionChanged();
                opened = false;
            }
            pressed = false;
            ClearFocusWithoutKeyboard();
            return false;
        case WM_LBUTTONUP:
            if (pressed) {
                pressed = false;
                ReleaseCapture();
                return true;
            }
            return false;
        case WM_MOUSEWHEEL:
            return Wheel(static_cast<short>(HIWORD(wParam)) / kWheelNotch);
        default:
            return false;
    }
}

void GuiComboBox::HotkeyPressed() {
    if (opened || selected == -1) {
        return;
    }
    selected = (selected + 1) % items.GetSize();
    focused = selected;
    SendSelectionChanged();
}

// Each item from the scroll position takes one font height of the list;
// those that no longer fit, and those scrolled above it, cannot be hit.
void GuiComboBox::LayOutItems() {
    const int fontHeight = ListFontHeight();
    const int first = scrollBar.TrackPosition();
    int top = dropdownTextRect.top;
    for (int i = 0; i < items.GetSize(); ++i) {
        GuiComboBoxItem* item = items[i];
        if (i < first) {
            item->visible = false;
            continue;
        }
        const RECT place{dropdownTextRect.left, top, dropdownTextRect.right, top + fontHeight};
        top += fontHeight;
        item->visible = place.bottom <= dropdownTextRect.bottom;
        if (item->visible) {
            item->activeRect = place;
        }
    }
}

void GuiComboBox::DrawList(float elapsedTime) {
    GuiElement* list = GetElement(2);
    GuiElement* highlight = GetElement(3);
    if (list == nullptr || highlight == nullptr) {
        return;
    }
    const UINT listState = opened ? StateNormal : StateHidden;
    list->textureColour.Blend(listState, elapsedTime, 0.7f);
    list->fontColour.Blend(listState, elapsedTime, 0.7f);
    dialog->DrawElementSprite(list, &dropdownRect);
    highlight->textureColour.current = list->textureColour.current;
    highlight->fontColour.current = ColourValueFrom(highlight->fontColour.states[StateNormal]);

    LayOutItems();
    for (int i = scrollBar.TrackPosition(); i < items.GetSize(); ++i) {
        GuiComboBoxItem* item = items[i];
        if (!item->visible) {
            continue;
        }
        if (opened && i == focused) {
            const RECT band{dropdownRect.left, item->activeRect.top - 2, dropdownRect.right,
                            item->activeRect.bottom + 2};
            dialog->DrawElementSprite(highlight, &band);
            dialog->DrawElementText(item->text, highlight, &item->activeRect);
        } else {
            dialog->DrawElementText(item->text, list, &item->activeRect);
        }
    }
}

void GuiComboBox::DrawFace(float elapsedTime) {
    UINT state = StateNormal;
    int offsetX = 0;
    int offsetY = 0;
    if (!IsVisible()) {
        state = StateHidden;
    } else if (!IsEnabled()) {
        state = StateDisabled;
    } else if (pressed) {
        state = StatePressed;
        offsetX = 1;
        offsetY = 2;
    } else if (mouseOver) {
        state = StateMouseOver;
        offsetX = -1;
        offsetY = -2;
    } else if (hasFocus) {
        state = StateFocus;
    }
    const float rate = state == StatePressed ? 0.0f : 0.8f;
    if (GuiElement* button = GetElement(1)) {
        button->textureColour.Blend(state, elapsedTime, rate);
        RECT place = buttonRect;
        place.left += offsetX;
        place.right += offsetX;
        place.top += offsetY;
        place.bottom += offsetY;
        dialog->DrawElementSprite(button, &place);
    }
    if (opened) {
        state = StatePressed;
    }
    if (GuiElement* face = GetElement(0)) {
        face->textureColour.Blend(state, elapsedTime, rate);
        face->fontColour.Blend(state, elapsedTime, rate);
        dialog->DrawElementSprite(face, &textRect);
        if (selected >= 0 && selected < items.GetSize()) {
            dialog->DrawElementText(items[selected]->text, face, &textRect);
        }
    }
}

void GuiComboBox::Render(IDirect3DDevice9* device, float elapsedTime) {
    if (!drawnBefore_) {
        drawnBefore_ = true;
        FitPageToList();
    }
    if (opened) {
        scrollBar.Render(device, elapsedTime);
    }
    DrawList(elapsedTime);
    DrawFace(elapsedTime);
}

}  // namespace ondrel::gui
