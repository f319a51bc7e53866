#pragma once
// Vertex buffers for when there is no graphics device: one that keeps a
// copy of its records (for tests and tools that want to look), and one that
// keeps nothing (the headless converter, where nobody draws).

#include <vector>

#include "level/LevelVertexBuffer.h"

namespace ondrel {

class MemoryVertexBuffer final : public LevelVertexBuffer {
public:
    explicit MemoryVertexBuffer(std::uint32_t count) : count_(count) {}
    bool Fill(const LevelVertex* records, std::uint32_t count) override;
    std::uint32_t RecordCount() const override { return count_; }
    const std::vector<LevelVertex>& Records() const { return records_; }

private:
    std::uint32_t count_;
    std::vector<LevelVertex> records_;
};

class MemoryVertexBufferFactory final : public LevelVertexBufferFactory {
public:
    std::unique_ptr<LevelVertexBuffer> CreateBuffer(std::uint32_t count) override;
};

class DiscardingVertexBufferFactory final : public LevelVertexBufferFactory {
public:
    std::unique_ptr<LevelVertexBuffer> CreateBuffer(std::uint32_t count) override;
    bool NeedsRecords() const override { return false; }
};

}  // namespace ondrel
