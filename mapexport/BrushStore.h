#pragma once
// The brushes of one conversion while they are being built. One brush per
// triangle, each with at most a Block's faces: both lists are sized once,
// so a big level costs two allocations instead of millions. The level's
// previous brushes are replaced only when the finished store is handed over.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "level/AllocationGate.h"
#include "level/Brush.h"

namespace ondrel {

class LevelData;

// Faces each kind of solid has; a brush reserves exactly that many.
inline constexpr std::uint32_t kBlockFaceCount = 8;
inline constexpr std::uint32_t kTriFaceCount = 4;

class BrushStore {
public:
    // Room for `triangles` brushes; false when the gate or the memory says no.
    bool Reserve(std::uint32_t triangles, const AllocationGate& gate);

    // Starts the next brush; false when the reserved room is used up.
    bool AddBrush(SolidKind kind);
    // Appends a face to the brush being built; false (face dropped) when the
    // brush is full.
    bool AddFace(const BrushFace& face);
    void FinishBrush() { ++count_; }

    // The level's brushes become these; the store is empty afterwards.
    void HandTo(LevelData& level);

private:
    std::unique_ptr<Brush[]> brushes_;
    std::unique_ptr<BrushFace[]> faces_;
    std::uint32_t count_ = 0;
    std::uint32_t capacity_ = 0;
    std::size_t faceCapacity_ = 0;
    std::size_t facesUsed_ = 0;
};

}  // namespace ondrel
