#include "level/LevelData.h"

#include <cstring>

namespace ondrel {
namespace {

// The list grows in whole blocks of this many records, doubling each time,
// so that reading a large level costs linear time.
constexpr std::uint32_t kSourceGrowthBlock = 256;
constexpr std::uint32_t kMaxSourceCapacity = 0xFFFFFFFFu / kSourceGrowthBlock * kSourceGrowthBlock;

std::uint32_t NextSourceCapacity(std::uint32_t capacity) {
    if (capacity == 0) return kSourceGrowthBlock;
    if (capacity > kMaxSourceCapacity / 2) return kMaxSourceCapacity;
    return capacity * 2;
}

}  // namespace

LevelData::LevelData() = default;

LevelData::~LevelData() {
    Reset();
    ClearBrushes();
}

void LevelData::Reset() {
    std::lock_guard guard(lock);
    sourceVertices.reset();
    previewVertices.reset();
    sourceCapacity = 0;
    sourceCount = 0;
    previewCount = 0;
    sourceBuffer.reset();
    previewBuffer.reset();
}

bool LevelData::GrowSourceList() {
    if (sourceCapacity >= kMaxSourceCapacity) return false;
    const std::uint32_t capacity = NextSourceCapacity(sourceCapacity);
    auto grown = AllocateArray<LevelVertex>(allocationGate, capacity);
    if (!grown) return false;
    if (sourceCount > 0) {
        std::memcpy(grown.get(), sourceVertices.get(), sizeof(LevelVertex) * sourceCount);
    }
    sourceVertices = std::move(grown);
    sourceCapacity = capacity;
    return true;
}

bool LevelData::AppendSourceVertex(const LevelVertex& vertex) {
    if (sourceCount == sourceCapacity && !GrowSourceList()) return false;
    sourceVertices[sourceCount++] = vertex;
    return true;
}

std::unique_ptr<LevelVertexBuffer> LevelData::UploadRecords(const LevelVertex* records,
                                                            std::uint32_t count, bool* filled) {
    *filled = false;
    if (bufferFactory_ == nullptr || count == 0) return nullptr;
    auto buffer = bufferFactory_->CreateBuffer(count);
    if (buffer) *filled = buffer->Fill(records, count);
    return buffer;
}

bool LevelData::KeepsPreviewRecords() const {
    return bufferFactory_ == nullptr || bufferFactory_->NeedsRecords();
}

bool LevelData::UploadPreview() {
    previewBuffer.reset();
    if (previewCount == 0) return false;
    bool filled = false;
    previewBuffer = UploadRecords(previewVertices.get(), previewCount, &filled);
    return filled;
}

void LevelData::ClearBrushes() {
    brushes.reset();
    brushCount = 0;
    brushFaces.reset();
}

}  // namespace ondrel
