// The level's list of brushes and the one store that holds all their faces.

#include "level/LevelData.h"

namespace ondrel {
namespace {

std::uint32_t FacesFor(SolidKind kind) {
    return kind == SolidKind::Block ? kBlockFaceCount : kTriFaceCount;
}

}  // namespace

void LevelData::ClearBrushes() {
    brushes.reset();
    brushCount = 0;
    brushCapacity_ = 0;
    brushFaces.reset();
    brushFaceCapacity_ = 0;
    brushFacesUsed_ = 0;
}

// One brush per triangle, each with at most a Block's faces: both lists are
// sized once, so a big level costs two allocations instead of millions.
// The previous brushes are replaced only once the new room is there.
bool LevelData::ReserveBrushes(std::uint32_t triangles) {
    const std::size_t faces = std::size_t{kBlockFaceCount} * triangles;
    auto newBrushes = AllocateArray<Brush>(allocationGate, triangles);
    if (!newBrushes) return false;
    auto newFaces = AllocateArray<BrushFace>(allocationGate, faces);
    if (!newFaces) return false;
    ClearBrushes();
    brushes = std::move(newBrushes);
    brushFaces = std::move(newFaces);
    brushCapacity_ = triangles;
    brushFaceCapacity_ = faces;
    return true;
}

bool LevelData::AddBrush(SolidKind kind) {
    const std::uint32_t faces = FacesFor(kind);
    if (brushCount == brushCapacity_ || brushFaceCapacity_ - brushFacesUsed_ < faces) return false;
    Brush& brush = brushes[brushCount];
    brush = Brush{};
    brush.kind = kind;
    brush.faces = brushFaces.get() + brushFacesUsed_;
    brush.faceCapacity = faces;
    brushFacesUsed_ += faces;
    return true;
}

bool LevelData::AddFace(const BrushFace& face) {
    Brush& brush = brushes[brushCount];
    if (brush.faceCount == brush.faceCapacity) return false;
    brush.faces[brush.faceCount++] = face;
    return true;
}

}  // namespace ondrel
