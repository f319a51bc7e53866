#include "mapexport/BrushStore.h"

#include "level/LevelData.h"

namespace ondrel {
namespace {

std::uint32_t FacesFor(SolidKind kind) {
    return kind == SolidKind::Block ? kBlockFaceCount : kTriFaceCount;
}

}  // namespace

bool BrushStore::Reserve(std::uint32_t triangles, const AllocationGate& gate) {
    const std::size_t faces = std::size_t{kBlockFaceCount} * triangles;
    auto brushes = AllocateArray<Brush>(gate, triangles);
    if (!brushes) return false;
    auto faceStore = AllocateArray<BrushFace>(gate, faces);
    if (!faceStore) return false;
    *this = BrushStore{};
    brushes_ = std::move(brushes);
    faces_ = std::move(faceStore);
    capacity_ = triangles;
    faceCapacity_ = faces;
    return true;
}

bool BrushStore::AddBrush(SolidKind kind) {
    const std::uint32_t faces = FacesFor(kind);
    if (count_ == capacity_ || faceCapacity_ - facesUsed_ < faces) return false;
    Brush& brush = brushes_[count_];
    brush = Brush{};
    brush.kind = kind;
    brush.faces = faces_.get() + facesUsed_;
    brush.faceCapacity = faces;
    facesUsed_ += faces;
    return true;
}

bool BrushStore::AddFace(const BrushFace& face) {
    Brush& brush = brushes_[count_];
    if (brush.faceCount == brush.faceCapacity) return false;
    brush.faces[brush.faceCount++] = face;
    return true;
}

void BrushStore::HandTo(LevelData& level) {
    level.ClearBrushes();
    level.brushes = std::move(brushes_);
    level.brushFaces = std::move(faces_);
    level.brushCount = count_;
    *this = BrushStore{};
}

}  // namespace ondrel
