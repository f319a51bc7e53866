#pragma once
// The complex-script measuring calls every text buffer goes through. The
// program looks them up once at start (LoadTextMeasuring) and lets them go
// at exit; until then, and wherever an entry is missing, placeholders answer
// E_NOTIMPL, so editing still works and only measurements come out as 0.
// Tests install a table of their own with SetTextMeasuring.

#include "gfxutil/ScriptString.h"

namespace ondrel::gui {

const ScriptStringService& TextMeasuring();
void SetTextMeasuring(const ScriptStringService& service);
// Back to the placeholders.
void ResetTextMeasuring();
// Looks up the seven calls; missing ones keep their placeholder.
void LoadTextMeasuring();
void FreeTextMeasuring();

}  // namespace ondrel::gui
