#pragma once
// A text label. Never focused, never hit, so it can share an id with the
// control it labels.

#include "gui/GuiControl.h"
#include "gui/GuiText.h"

namespace ondrel::gui {

inline constexpr int kStaticTextLength = 260;  // at most 259 used

class GuiStatic : public GuiControl {
public:
    explicit GuiStatic(GuiDialog* owner);

    void Render(IDirect3DDevice9* device, float elapsedTime) override;
    bool ContainsPoint(POINT point) override;

    // At most 259 characters; null empties the text.
    HRESULT SetText(LPCWSTR newText);
    LPCWSTR GetText() const { return text; }

    WCHAR text[kStaticTextLength] = {};
};

}  // namespace ondrel::gui
