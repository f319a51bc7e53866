// The level's list of brushes and each brush's faces.

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
}

bool LevelData::AddBrush(SolidKind kind) {
    if (brushCount == brushCapacity_) {
        if (brushCapacity_ == 0xFFFFFFFFu) return false;
        const std::uint32_t capacity =
            brushCapacity_ == 0 ? 64 : (brushCapacity_ > 0x7FFFFFFFu ? 0xFFFFFFFFu : brushCapacity_ * 2);
        auto grown = AllocateArray<Brush>(allocationGate, capacity);
        if (!grown) return false;
        for (std::uint32_t i = 0; i < brushCount; ++i) grown[i] = std::move(brushes[i]);
        brushes = std::move(grown);
        brushCapacity_ = capacity;
    }
    Brush& brush = brushes[brushCount];
    brush = Brush{};
    brush.kind = kind;
    return true;
}

bool LevelData::AddFace(const BrushFace& face) {
    Brush& brush = brushes[brushCount];
    if (brush.faceCount == brush.faceCapacity) {
        // A brush reserves the faces its kind needs; only a caller adding
        // more than that pays for another allocation.
        const std::uint32_t capacity = brush.faceCapacity + FacesFor(brush.kind);
        auto grown = AllocateArray<BrushFace>(allocationGate, capacity);
        if (!grown) return false;
        for (std::uint32_t i = 0; i < brush.faceCount; ++i) grown[i] = brush.faces[i];
        brush.faces = std::move(grown);
        brush.faceCapacity = capacity;
    }
    brush.faces[brush.faceCount++] = face;
    return true;
}

}  // namespace ondrel
