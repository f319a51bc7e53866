#include "app/ViewerCamera.h"

#include <memory>

namespace ondrel::app {
namespace {
std::unique_ptr<FlyCamera>& Slot() {
    static std::unique_ptr<FlyCamera> camera;
    return camera;
}
}  // namespace

FlyCamera& ViewerCamera() {
    if (!Slot()) {
        Slot() = std::make_unique<FlyCamera>();
    }
    return *Slot();
}

void ResetViewerCamera() { Slot().reset(); }

}  // namespace ondrel::app
