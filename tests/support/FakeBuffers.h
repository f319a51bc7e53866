#pragma once
// Vertex buffer factories that fail on request, to walk every path where a
// device refuses a buffer or its lock.

#include <cstdint>
#include <memory>
#include <vector>

#include "level/MemoryVertexBuffer.h"

namespace ondrel::testing {

class ScriptedBufferFactory final : public LevelVertexBufferFactory {
public:
    bool refuseCreation = false;
    bool refuseLock = false;
    std::vector<std::uint32_t> createdCounts;

    std::unique_ptr<LevelVertexBuffer> CreateBuffer(std::uint32_t count) override {
        createdCounts.push_back(count);
        if (refuseCreation || count == 0) return nullptr;
        if (refuseLock) return std::make_unique<LockRefusingBuffer>(count);
        return std::make_unique<MemoryVertexBuffer>(count);
    }

private:
    class LockRefusingBuffer final : public LevelVertexBuffer {
    public:
        explicit LockRefusingBuffer(std::uint32_t count) : count_(count) {}
        bool Fill(const LevelVertex*, std::uint32_t) override { return false; }
        std::uint32_t RecordCount() const override { return count_; }

    private:
        std::uint32_t count_;
    };
};

// The records a buffer made by a MemoryVertexBufferFactory holds.
inline const std::vector<LevelVertex>& BufferRecords(const std::unique_ptr<LevelVertexBuffer>& buffer) {
    return static_cast<const MemoryVertexBuffer&>(*buffer).Records();
}

}  // namespace ondrel::testing
