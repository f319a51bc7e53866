#pragma once
// The device objects the scene owns: the overlay's font (lives from device
// creation to destruction), its sprite (rebuilt on every reset) and the
// factory that puts the level's vertex buffers on the device.

#include <memory>

#include "gfxutil/GfxFont.h"
#include "gfxutil/GfxSprite.h"
#include "level/LevelVertexBuffer.h"

namespace ondrel::app {

struct SceneObjects {
    IGfxFont* font = nullptr;
    IGfxSprite* sprite = nullptr;
    std::unique_ptr<LevelVertexBufferFactory> bufferFactory;
};

SceneObjects& Scene();
// Releases whatever the scene still holds and starts afresh. For tests, and
// for a program that ends without the device's last steps.
void ResetScene();

}  // namespace ondrel::app
