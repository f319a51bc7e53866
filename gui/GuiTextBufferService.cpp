#include "gui/GuiTextBufferService.h"

namespace ondrel::gui {
namespace {

ScriptStringService& Current() {
    static ScriptStringService service = PlaceholderScriptStringService();
    return service;
}

}  // namespace

const ScriptStringService& TextMeasuring() { return Current(); }

void SetTextMeasuring(const ScriptStringService& service) { Current() = service; }

void ResetTextMeasuring() { Current() = PlaceholderScriptStringService(); }

void LoadTextMeasuring() { Current() = AvailableScriptStringService(); }

void FreeTextMeasuring() { ResetTextMeasuring(); }

}  // namespace ondrel::gui
