#include "app/ViewerLevel.h"

#include <memory>

namespace ondrel::app {
namespace {
std::unique_ptr<LevelData>& Slot() {
    static std::unique_ptr<LevelData> level;
    return level;
}
}  // namespace

LevelData& ViewerLevel() {
    if (!Slot()) {
        Slot() = std::make_unique<LevelData>();
    }
    return *Slot();
}

void ResetViewerLevel() { Slot().reset(); }

}  // namespace ondrel::app
