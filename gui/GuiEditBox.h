#pragma once
// A single-line text field: caret and selection by keys and mouse, insert
// and overwrite modes, clipboard copy, cut and paste, word-wise movement,
// and horizontal scrolling that keeps the caret in view.

#include "gui/GuiControl.h"
#include "gui/GuiTextBuffer.h"

namespace ondrel::gui {

inline constexpr int kEditBoxElementCount = 9;

class GuiEditBox : public GuiControl {
public:
    explicit GuiEditBox(GuiDialog* owner);

    void Render(IDirect3DDevice9* device, float elapsedTime) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool HandleKey(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool HandleMouse(UINT message, POINT point, WPARAM wParam, LPARAM lParam) override;
    bool CanTakeFocus() override;
    void FocusGained() override;
    // The colour of the unselected text; no element changes.
    void SetTextColour(D3DCOLOR colour) override;
    void UpdateRectangles() override;

    // Caret at the end; everything selected or nothing.
    void SetText(LPCWSTR text, bool selectAll = false);
    LPCWSTR GetText() const { return buffer.Text(); }
    int GetTextLength() const { return buffer.Length(); }
    // Places the caret at index and scrolls so it can be seen.
    void MoveCaret(int index);

    GuiTextBuffer buffer;
    int borderWidth = 5;
    int spacing = 4;
    RECT textRect{};
    RECT elementRects[kEditBoxElementCount]{};
    double caretBlinkPeriod = 0.0;
    double lastBlinkTime = 0.0;
    bool caretOn = true;
    int caret = 0;
    bool insertMode = true;
    int selectionStart = 0;
    int firstVisible = 0;
    D3DCOLOR textColour = 0xFF101010;
    D3DCOLOR selectedTextColour = 0xFFFFFFFF;
    D3DCOLOR selectionColour = 0xFF28325C;
    D3DCOLOR caretColour = 0xFF000000;
    bool mouseDrag = false;

private:
    bool HasSelection() const { return caret != selectionStart; }
    bool HandlesInput() { return IsEnabled() && IsVisible(); }
    void SyncMeasuringFont();
    void RestartBlink();
    void SendChange();
    int MeasureX(int index, bool trailing);
    int IndexAtX(int x);
    void MoveCaretByKey(int index);
    void DeleteSelection();
    bool DeleteByKey();
    bool Backspace();
    void TypeCharacter(WCHAR character);
    void CopyToClipboard();
    void PasteFromClipboard();
    RECT SelectionRect();
    void DrawCaret(int firstX);
};

// The clock the caret blinks by, in seconds: the framework timer's counter.
double CaretClock();

}  // namespace ondrel::gui
