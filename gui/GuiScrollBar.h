#pragma once
// A vertical scroll bar over a range of item positions: arrow buttons that
// step (and repeat while held), a track that pages, and a thumb that can be
// dragged. Used inside the combo box's drop-down list.

#include "gui/GuiControl.h"

namespace ondrel::gui {

enum class GuiArrowState : int {
    Clear = 0,
    ClickedUp = 1,
    ClickedDown = 2,
    HeldUp = 3,
    HeldDown = 4,
};

class GuiScrollBar : public GuiControl {
public:
    // Seconds an arrow must be held before it repeats, then between repeats.
    static constexpr double kRepeatDelay = 0.33;
    static constexpr double kRepeatInterval = 0.05;
    static constexpr int kMinimumThumbHeight = 8;

    explicit GuiScrollBar(GuiDialog* owner);

    bool HandleMouse(UINT message, POINT point, WPARAM wParam, LPARAM lParam) override;
    void Render(IDirect3DDevice9* device, float elapsedTime) override;
    void UpdateRectangles() override;

    void SetRange(int rangeStart, int rangeEnd);
    void SetPageSize(int size);
    void Scroll(int delta);
    void ScrollIntoView(int itemIndex);

    int TrackPosition() const { return position; }
    int PageSize() const { return pageSize; }

    bool showThumb = true;
    RECT upButton{};
    RECT downButton{};
    RECT track{};
    RECT thumb{};
    int position = 0;
    int pageSize = 1;
    int start = 0;
    int end = 1;
    POINT lastMouse{};
    GuiArrowState arrowState = GuiArrowState::Clear;
    double arrowTime = 0.0;

private:
    void Cap();
    void UpdateThumb();
    void RepeatArrows();
    bool StartPress(POINT point);
    void DragThumb(POINT point);
};

// Shared by every scroll bar: only one thumb is dragged at a time.
struct GuiThumbDrag {
    bool dragging = false;
    int grabOffset = 0;
};
GuiThumbDrag& ThumbDrag();

}  // namespace ondrel::gui
