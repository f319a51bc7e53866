#include "gui/GuiEditBox.h"

#include "framework/FrameTimer.h"
#include "framework/Framework.h"
#include "gui/GuiDialog.h"
#include "gui/GuiText.h"

#include <algorithm>
#include <new>

namespace ondrel::gui {
namespace {

constexpr WPARAM kCtrlA = 1;
constexpr WPARAM kCtrlC = 3;
constexpr WPARAM kBackspace = 8;
constexpr WPARAM kEnter = 13;
constexpr WPARAM kCtrlV = 22;
constexpr WPARAM kCtrlX = 24;
constexpr WPARAM kLastControlCode = 29;

bool KeyHeld(int virtualKey) { return GetKeyState(virtualKey) < 0; }

RECT Shrunk(const RECT& rect, int by) { return RECT{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by}; }

}  // namespace

double CaretClock() { return framework::GetGlobalTimer().CounterTime(); }

HRESULT GuiDialog::AddEditBox(int id, LPCWSTR text, int x, int y, int width, int height, bool isDefault,
                              GuiEditBox** created) {
    GuiEditBox* box = MakeControl(created);
    if (const HRESULT hr = AdoptControl(box); FAILED(hr)) return hr;
    if (created != nullptr) *created = box;
    PlaceControl(box, id, x, y, width, height, isDefault);
    if (text != nullptr) {
        box->SetText(text, false);
    }
    return S_OK;
}

GuiEditBox::GuiEditBox(GuiDialog* owner) : GuiControl(owner) {
    type = GuiControlType::EditBox;
    caretBlinkPeriod = static_cast<double>(GetCaretBlinkTime()) * 0.001;
    lastBlinkTime = CaretClock();
}

bool GuiEditBox::CanTakeFocus() { return IsVisible() && IsEnabled(); }

void GuiEditBox::FocusGained() {
    GuiControl::FocusGained();
    RestartBlink();
}

void GuiEditBox::SetTextColour(D3DCOLOR colour) { textColour = colour; }

void GuiEditBox::UpdateRectangles() {
    GuiControl::UpdateRectangles();
    const RECT box = boundingBox;
    const RECT inner = Shrunk(box, borderWidth);
    elementRects[0] = inner;
    elementRects[1] = RECT{box.left, box.top, inner.left, inner.top};
    elementRects[2] = RECT{inner.left, box.top, inner.right, inner.top};
    elementRects[3] = RECT{inner.right, box.top, box.right, inner.top};
    elementRects[4] = RECT{box.left, inner.top, inner.left, inner.bottom};
    elementRects[5] = RECT{inner.right, inner.top, box.right, inner.bottom};
    elementRects[6] = RECT{box.left, inner.bottom, inner.left, box.bottom};
    elementRects[7] = RECT{inner.left, inner.bottom, inner.right, box.bottom};
    elementRects[8] = RECT{inner.right, inner.bottom, box.right, box.bottom};
    textRect = Shrunk(inner, spacing);
}

void GuiEditBox::SetText(LPCWSTR text, bool selectAll) {
    SyncMeasuringFont();
    buffer.SetText(text);
    firstVisible = 0;
    MoveCaret(buffer.Length());
    selectionStart = selectAll ? 0 : caret;
}

// The measuring font follows element 0's font record, looked up afresh
// because the record's font object is remade whenever the device is.
void GuiEditBox::SyncMeasuringFont() {
    const GuiElement* element = GetElement(0);
    if (element == nullptr || dialog == nullptr) {
        return;
    }
    const GuiFontNode* node = dialog->GetFont(element->fontIndex);
    buffer.SetFont(node != nullptr ? node->font : nullptr);
}

void GuiEditBox::RestartBlink() {
    caretOn = true;
    lastBlinkTime = CaretClock();
}

void GuiEditBox::SendChange() { dialog->SendEvent(EditBoxChange, true, this); }

int GuiEditBox::MeasureX(int index, bool trailing) {
    int x = 0;
    if (FAILED(buffer.IndexToX(index, trailing, &x))) {
        return 0;
    }
    return x;
}

void GuiEditBox::MoveCaret(int index) {
    caret = index;
    const int firstX = MeasureX(firstVisible, false);
    const int x = MeasureX(index, false);
    const int trailingX = index == buffer.Length() ? x : MeasureX(index, true);
    const int visibleWidth = textRect.right - textRect.left;
    if (x < firstX) {
        firstVisible = index;
    } else if (trailingX > firstX + visibleWidth) {
        // Scroll so the caret's trailing edge meets the right edge.
        const int target = trailingX - visibleWidth;
        int first = 0;
        bool trailing = false;
        buffer.XToIndex(target, &first, &trailing);
        if (MeasureX(first, false) < target) {
            ++first;
        }
        firstVisible = first;
    }
}

int GuiEditBox::IndexAtX(int x) {
    int index = 0;
    bool trailing = false;
    buffer.XToIndex(x - textRect.left + MeasureX(firstVisible, false), &index, &trailing);
    if (trailing && index < buffer.Length()) {
        ++index;
    }
    return index;
}

void GuiEditBox::MoveCaretByKey(int index) {
    MoveCaret(index);
    if (!KeyHeld(VK_SHIFT)) {
        selectionStart = caret;
    }
    RestartBlink();
}

void GuiEditBox::DeleteSelection() {
    const int first = std::min(caret, selectionStart);
    const int last = std::max(caret, selectionStart);
    MoveCaret(first);
    selectionStart = caret;
    buffer.RemoveRange(first, last - first);
}

bool GuiEditBox::DeleteByKey() {
    if (HasSelection()) {
        DeleteSelection();
        return true;
    }
    return buffer.RemoveCharacter(caret);
}

bool GuiEditBox::Backspace() {
    if (HasSelection()) {
        DeleteSelection();
        return true;
    }
    if (caret == 0) {
        return false;
    }
    MoveCaret(caret - 1);
    selectionStart = caret;
    return buffer.RemoveCharacter(caret);
}

void GuiEditBox::TypeCharacter(WCHAR character) {
    if (HasSelection()) {
        DeleteSelection();
    }
    const bool stored = !insertMode && caret < buffer.Length() ? buffer.ReplaceCharacter(caret, character)
                                                                : buffer.InsertCharacter(caret, character);
    if (stored) {
        MoveCaret(caret + 1);
        selectionStart = caret;
    }
}

bool GuiEditBox::HandleKey(UINT message, WPARAM wParam, LPARAM) {
    if (!HandlesInput() || message != WM_KEYDOWN) {
        return false;
    }
    SyncMeasuringFont();
    switch (static_cast<int>(wParam)) {
        case VK_HOME:
            MoveCaretByKey(0);
            return true;
        case VK_END:
            MoveCaretByKey(buffer.Length());
            return true;
        case VK_LEFT:
            MoveCaretByKey(KeyHeld(VK_CONTROL) ? buffer.PreviousWordStart(caret) : std::max(caret - 1, 0));
            return true;
        case VK_RIGHT:
            MoveCaretByKey(KeyHeld(VK_CONTROL) ? buffer.NextWordStart(caret) : std::min(caret + 1, buffer.Length()));
            return true;
        case VK_UP:
        case VK_DOWN:
            return true;
        case VK_DELETE:
            if (DeleteByKey()) {
                SendChange();
            }
            RestartBlink();
            return true;
        case VK_INSERT:
            if (KeyHeld(VK_CONTROL)) {
                CopyToClipboard();
            } else if (KeyHeld(VK_SHIFT)) {
                PasteFromClipboard();
                SendChange();
            } else {
                insertMode = !insertMode;
            }
            return false;
        case VK_ESCAPE:
            return false;
        default:
            // Tab included: the dialog's focus keys stay out of the field.
            return true;
    }
}

bool GuiEditBox::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    if (!HandlesInput() || message != WM_CHAR) {
        return false;
    }
    SyncMeasuringFont();
    switch (wParam) {
        case kCtrlA:
            if (!HasSelection()) {
                selectionStart = 0;
                MoveCaret(buffer.Length());
            }
            break;
        case kCtrlC:
            CopyToClipboard();
            break;
        case kCtrlX:
            if (HasSelection()) {
                CopyToClipboard();
                DeleteSelection();
                SendChange();
            }
            break;
        case kBackspace:
            if (Backspace()) {
                SendChange();
            }
            RestartBlink();
            break;
        case kEnter:
            dialog->SendEvent(EditBoxString, true, this);
            break;
        case kCtrlV:
            PasteFromClipboard();
            SendChange();
            break;
        default:
            // Control codes, and the null character that would cut the text
            // short, are not text.
            if (wParam == 0 || wParam <= kLastControlCode) {
                break;
            }
            TypeCharacter(static_cast<WCHAR>(wParam));
            RestartBlink();
            SendChange();
            break;
    }
    return true;
}

bool GuiEditBox::HandleMouse(UINT message, POINT point, WPARAM, LPARAM) {
    if (!HandlesInput()) {
        return false;
    }
    SyncMeasuringFont();
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (!hasFocus) {
                GuiDialog::GiveFocus(this);
            }
            if (!ContainsPoint(point)) {
                return false;
            }
            mouseDrag = true;
            SetCapture(framework::GetCurrentWindow());
            MoveCaret(IndexAtX(point.x));
            selectionStart = caret;
            RestartBlink();
            return true;
        case WM_MOUSEMOVE:
            if (mouseDrag) {
                MoveCaret(IndexAtX(point.x));
            }
            return false;
        case WM_LBUTTONUP:
            ReleaseCapture();
            mouseDrag = false;
            return false;
        default:
            return false;
    }
}

void GuiEditBox::CopyToClipboard() {
    if (!HasSelection() || !OpenClipboard(nullptr)) {
        return;
    }
    EmptyClipboard();
    const int first = std::min(caret, selectionStart);
    const int count = std::max(caret, selectionStart) - first;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(count + 1) * sizeof(WCHAR));
    if (memory != nullptr) {
        if (auto* copy = static_cast<WCHAR*>(GlobalLock(memory))) {
            std::copy(buffer.Text() + first, buffer.Text() + first + count, copy);
            copy[count] = 0;
            GlobalUnlock(memory);
        }
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
            // Refused blocks stay ours.
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

void GuiEditBox::PasteFromClipboard() {
    if (!OpenClipboard(nullptr)) {
        return;
    }
    DeleteSelection();
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT); memory != nullptr) {
        if (const auto* text = static_cast<const WCHAR*>(GlobalLock(memory))) {
            if (buffer.InsertText(caret, text, -1)) {
                MoveCaret(caret + TextLength(text));
            }
            GlobalUnlock(memory);
        }
    }
    selectionStart = caret;
    CloseClipboard();
}

RECT GuiEditBox::SelectionRect() {
    const int firstX = MeasureX(firstVisible, false);
    const int caretX = MeasureX(caret, false) - firstX;
    const int startX = MeasureX(selectionStart, false) - firstX;
    RECT rect{textRect.left + std::min(caretX, startX), textRect.top, textRect.left + std::max(caretX, startX),
              textRect.bottom};
    rect.left = std::max(rect.left, textRect.left);
    rect.right = std::min(rect.right, textRect.right);
    rect.right = std::max(rect.right, rect.left);
    return rect;
}

void GuiEditBox::DrawCaret(int firstX) {
    const int x = textRect.left + MeasureX(caret, false) - firstX;
    RECT bar{x - 1, textRect.top, x + 1, textRect.bottom};
    if (!insertMode && caret < buffer.Length()) {
        bar.right = textRect.left + MeasureX(caret, true) - firstX;
    }
    dialog->DrawFilledRect(&bar, caretColour);
}

void GuiEditBox::Render(IDirect3DDevice9*, float elapsedTime) {
    if (!IsVisible()) {
        return;
    }
    if (GetElement(0) != nullptr) {
        SyncMeasuringFont();
        MoveCaret(caret);
    }
    for (UINT i = 0; i < kEditBoxElementCount; ++i) {
        if (GuiElement* element = GetElement(i)) {
            element->textureColour.Blend(StateNormal, elapsedTime, 0.7f);
            dialog->DrawElementSprite(element, &elementRects[i]);
        }
    }
    const int firstX = MeasureX(firstVisible, false);
    RECT selection{};
    if (HasSelection()) {
        selection = SelectionRect();
        dialog->DrawFilledRect(&selection, selectionColour);
    }
    if (GuiElement* text = GetElement(0)) {
        text->fontColour.current = ColourValueFrom(textColour);
        dialog->DrawElementText(buffer.Text() + firstVisible, text, &textRect);
        if (HasSelection()) {
            const int first = std::max(firstVisible, std::min(caret, selectionStart));
            const int last = std::max(caret, selectionStart);
            if (last > first) {
                text->fontColour.current = ColourValueFrom(selectedTextColour);
                dialog->DrawElementText(buffer.Text() + first, text, &selection, false, last - first);
            }
        }
    }
    const double now = CaretClock();
    if (now - lastBlinkTime >= caretBlinkPeriod) {
        caretOn = !caretOn;
        lastBlinkTime = now;
    }
    if (hasFocus && caretOn) {
        DrawCaret(firstX);
    }
}

}  // namespace ondrel::gui
