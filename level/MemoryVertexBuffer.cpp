#include "level/MemoryVertexBuffer.h"

namespace ondrel {
namespace {

class DiscardingVertexBuffer final : public LevelVertexBuffer {
public:
    explicit DiscardingVertexBuffer(std::uint32_t count) : count_(count) {}
    bool Fill(const LevelVertex*, std::uint32_t count) override { return count == count_; }
    std::uint32_t RecordCount() const override { return count_; }

private:
    std::uint32_t count_;
};

}  // namespace

bool MemoryVertexBuffer::Fill(const LevelVertex* records, std::uint32_t count) {
    if (count != count_) return false;
    records_.assign(records, records + count);
    return true;
}

std::unique_ptr<LevelVertexBuffer> MemoryVertexBufferFactory::CreateBuffer(std::uint32_t count) {
    if (count == 0) return nullptr;
    return std::make_unique<MemoryVertexBuffer>(count);
}

std::unique_ptr<LevelVertexBuffer> DiscardingVertexBufferFactory::CreateBuffer(std::uint32_t count) {
    if (count == 0) return nullptr;
    return std::make_unique<DiscardingVertexBuffer>(count);
}

}  // namespace ondrel
