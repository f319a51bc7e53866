#include "gui/GuiScrollBar.h"

#include "framework/Framework.h"
#include "gui/GuiDialog.h"

#include <algorithm>

namespace ondrel::gui {

GuiThumbDrag& ThumbDrag() {
    static GuiThumbDrag drag;
    return drag;
}

namespace {

bool Inside(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

int Height(const RECT& rect) { return rect.bottom - rect.top; }

}  // namespace

GuiScrollBar::GuiScrollBar(GuiDialog* owner) : GuiControl(owner) { type = GuiControlType::ScrollBar; }

void GuiScrollBar::UpdateRectangles() {
    GuiControl::UpdateRectangles();
    const RECT& box = boundingBox;
    upButton = RECT{box.left, box.top, box.right, box.top + width};
    downButton = RECT{box.left, box.bottom - width, box.right, box.bottom};
    track = RECT{box.left, upButton.bottom, box.right, downButton.top};
    thumb.left = box.left;
    thumb.right = box.right;
    UpdateThumb();
}

void GuiScrollBar::UpdateThumb() {
    const int range = end - start;
    if (range > pageSize) {
        const int trackHeight = Height(track);
        const int thumbHeight = std::max(trackHeight * pageSize / range, kMinimumThumbHeight);
        const int travel = range - pageSize;
        thumb.top = track.top + (position - start) * (trackHeight - thumbHeight) / travel;
        thumb.bottom = thumb.top + thumbHeight;
        showThumb = true;
    } else {
        // Everything fits: no thumb, and the bar draws as disabled.
        thumb.bottom = thumb.top;
        showThumb = false;
    }
}

void GuiScrollBar::Cap() {
    if (position < start || end - start <= pageSize) {
        position = start;
    } else if (position + pageSize > end) {
        position = end - pageSize;
    }
}

void GuiScrollBar::SetRange(int rangeStart, int rangeEnd) {
    start = rangeStart;
    end = rangeEnd;
    Cap();
    UpdateThumb();
}

void GuiScrollBar::SetPageSize(int size) {
    pageSize = size;
    Cap();
    UpdateThumb();
}

void GuiScrollBar::Scroll(int delta) {
    position += delta;
    Cap();
    UpdateThumb();
}

void GuiScrollBar::ScrollIntoView(int itemIndex) {
    itemIndex = std::clamp(itemIndex, 0, std::max(0, end - 1));
    const int lastShown = position + pageSize - 1;
    if (itemIndex > lastShown) {
        position = itemIndex - pageSize + 1;
    } else if (itemIndex < position) {
        position = itemIndex;
    }
    UpdateThumb();
}

bool GuiScrollBar::StartPress(POINT point) {
    if (!Inside(boundingBox, point)) {
        return false;
    }
    // Held until the button comes up, so a drag can leave the bar.
    SetCapture(framework::GetCurrentWindow());
    if (Inside(upButton, point)) {
        if (position > start) {
            --position;
        }
        UpdateThumb();
        arrowState = GuiArrowState::ClickedUp;
        arrowTime = framework::GetTime();
        return true;
    }
    if (Inside(downButton, point)) {
        if (position + pageSize < end) {
            ++position;
        }
        UpdateThumb();
        arrowState = GuiArrowState::ClickedDown;
        arrowTime = framework::GetTime();
        return true;
    }
    if (Inside(thumb, point)) {
        ThumbDrag().dragging = true;
        ThumbDrag().grabOffset = point.y - thumb.top;
        return true;
    }
    if (point.x >= thumb.left && point.x < thumb.right) {
        if (point.y >= track.top && point.y < thumb.top) {
            Scroll(-(pageSize - 1));
            return true;
        }
        if (point.y >= thumb.bottom && point.y < track.bottom) {
            Scroll(pageSize - 1);
            return true;
        }
    }
    return false;
}

void GuiScrollBar::DragThumb(POINT point) {
    const int thumbHeight = Height(thumb);
    thumb.top = std::clamp(static_cast<int>(point.y) - ThumbDrag().grabOffset, static_cast<int>(track.top),
                           static_cast<int>(track.bottom) - thumbHeight);
    thumb.bottom = thumb.top + thumbHeight;
    const int span = Height(track) - thumbHeight;
    const int travel = end - pageSize - start;
    if (span > 0 && travel > 0) {
        // Rounded to the nearest position rather than always down.
        position = start + ((thumb.top - track.top + span / (2 * travel)) * travel) / span;
    }
}

bool GuiScrollBar::HandleMouse(UINT message, POINT point, WPARAM, LPARAM) {
    lastMouse = point;
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return StartPress(point);
        case WM_LBUTTONUP:
            ThumbDrag().dragging = false;
            ReleaseCapture();
            UpdateThumb();
            arrowState = GuiArrowState::Clear;
            return false;
        case WM_MOUSEMOVE:
            if (ThumbDrag().dragging) {
                DragThumb(point);
                return true;
            }
            return false;
        default:
            return false;
    }
}

void GuiScrollBar::RepeatArrows() {
    const double now = framework::GetTime();
    const double held = now - arrowTime;
    if (Inside(upButton, lastMouse)) {
        if ((arrowState == GuiArrowState::ClickedUp && held > kRepeatDelay) ||
            (arrowState == GuiArrowState::HeldUp && held > kRepeatInterval)) {
            Scroll(-1);
            arrowState = GuiArrowState::HeldUp;
            arrowTime = now;
        }
    } else if (Inside(downButton, lastMouse)) {
        if ((arrowState == GuiArrowState::ClickedDown && held > kRepeatDelay) ||
            (arrowState == GuiArrowState::HeldDown && held > kRepeatInterval)) {
            Scroll(1);
            arrowState = GuiArrowState::HeldDown;
            arrowTime = now;
        }
    }
}

void GuiScrollBar::Render(IDirect3DDevice9*, float elapsedTime) {
    RepeatArrows();
    UINT state = StateNormal;
    if (!visible) {
        state = StateHidden;
    } else if (!enabled || !showThumb) {
        state = StateDisabled;
    } else if (mouseOver) {
        state = StateMouseOver;
    } else if (hasFocus) {
        state = StateFocus;
    }
    const RECT* places[] = {&track, &upButton, &downButton, &thumb};
    for (UINT i = 0; i < 4; ++i) {
        if (GuiElement* element = GetElement(i)) {
            element->textureColour.Blend(state, elapsedTime, 0.8f);
            dialog->DrawElementSprite(element, places[i]);
        }
    }
}

}  // namespace ondrel::gui
