#include "app/SceneObjects.h"

#include "gfxutil/RefCounted.h"

namespace ondrel::app {
namespace {
std::unique_ptr<SceneObjects>& Slot() {
    static std::unique_ptr<SceneObjects> objects;
    return objects;
}
}  // namespace

SceneObjects& Scene() {
    if (!Slot()) {
        Slot() = std::make_unique<SceneObjects>();
    }
    return *Slot();
}

void ResetScene() {
    if (!Slot()) {
        return;
    }
    gfxutil::SafeRelease(Slot()->font);
    gfxutil::SafeRelease(Slot()->sprite);
    Slot().reset();
}

}  // namespace ondrel::app
