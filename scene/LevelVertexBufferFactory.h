#pragma once
// The level's vertex buffers on a Direct3D device: managed-pool buffers of
// format 0x52, filled with one whole-buffer lock. The renderer takes the
// device buffer back out with DeviceVertexBufferOf to draw it.

#include <memory>

#include "level/LevelVertexBuffer.h"
#include "platform/d3d9/D3D9Interfaces.h"

namespace ondrel::scene {

class DeviceLevelVertexBufferFactory final : public LevelVertexBufferFactory {
public:
    // Holds a reference to the device for as long as the factory lives.
    explicit DeviceLevelVertexBufferFactory(IDirect3DDevice9* device);
    ~DeviceLevelVertexBufferFactory() override;
    DeviceLevelVertexBufferFactory(const DeviceLevelVertexBufferFactory&) = delete;
    DeviceLevelVertexBufferFactory& operator=(const DeviceLevelVertexBufferFactory&) = delete;

    std::unique_ptr<LevelVertexBuffer> CreateBuffer(std::uint32_t count) override;

private:
    IDirect3DDevice9* device_;
};

// The device buffer behind a level buffer made by the factory above; null for
// a null buffer or one made by another factory. No reference is added.
IDirect3DVertexBuffer9* DeviceVertexBufferOf(const LevelVertexBuffer* buffer);

}  // namespace ondrel::scene
