#include "gui/GuiSharedState.h"

namespace ondrel::gui {
namespace {
GuiSharedState shared;
}

GuiSharedState& SharedGuiState() { return shared; }
void ResetSharedGuiState() { shared = GuiSharedState{}; }

}  // namespace ondrel::gui
