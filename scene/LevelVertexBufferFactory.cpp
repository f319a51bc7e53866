#include "scene/LevelVertexBufferFactory.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "level/LevelVertex.h"

namespace ondrel::scene {
namespace {

class DeviceLevelVertexBuffer final : public LevelVertexBuffer {
public:
    DeviceLevelVertexBuffer(IDirect3DVertexBuffer9* buffer, std::uint32_t count) : buffer_(buffer), count_(count) {}
    ~DeviceLevelVertexBuffer() override { buffer_->Release(); }
    DeviceLevelVertexBuffer(const DeviceLevelVertexBuffer&) = delete;
    DeviceLevelVertexBuffer& operator=(const DeviceLevelVertexBuffer&) = delete;

    bool Fill(const LevelVertex* records, std::uint32_t count) override {
        void* data = nullptr;
        const UINT bytes = count_ * kLevelVertexStride;
        if (FAILED(buffer_->Lock(0, bytes, &data, 0)) || data == nullptr) return false;
        std::memcpy(data, records, static_cast<std::size_t>(std::min(count, count_)) * kLevelVertexStride);
        buffer_->Unlock();
        return true;
    }

    std::uint32_t RecordCount() const override { return count_; }
    IDirect3DVertexBuffer9* Device() const { return buffer_; }

private:
    IDirect3DVertexBuffer9* buffer_;
    std::uint32_t count_;
};

}  // namespace

DeviceLevelVertexBufferFactory::DeviceLevelVertexBufferFactory(IDirect3DDevice9* device) : device_(device) {
    device_->AddRef();
}

DeviceLevelVertexBufferFactory::~DeviceLevelVertexBufferFactory() { device_->Release(); }

std::unique_ptr<LevelVertexBuffer> DeviceLevelVertexBufferFactory::CreateBuffer(std::uint32_t count) {
    if (count == 0 || count > std::numeric_limits<UINT>::max() / kLevelVertexStride) return nullptr;
    IDirect3DVertexBuffer9* buffer = nullptr;
    if (FAILED(device_->CreateVertexBuffer(count * kLevelVertexStride, 0, kLevelVertexFormat, D3DPOOL_MANAGED,
                                           &buffer, nullptr)) ||
        buffer == nullptr) {
        return nullptr;
    }
    auto* wrapper = new (std::nothrow) DeviceLevelVertexBuffer(buffer, count);
    if (wrapper == nullptr) {
        buffer->Release();
        return nullptr;
    }
    return std::unique_ptr<LevelVertexBuffer>(wrapper);
}

IDirect3DVertexBuffer9* DeviceVertexBufferOf(const LevelVertexBuffer* buffer) {
    const auto* device = dynamic_cast<const DeviceLevelVertexBuffer*>(buffer);
    return device != nullptr ? device->Device() : nullptr;
}

}  // namespace ondrel::scene
