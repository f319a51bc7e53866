#include "mapexport/SolidBuilder.h"

#include <bit>
#include <cstring>

#include "mapexport/BrushStore.h"
#include "mapexport/SolidFaces.h"
#include "mapexport/SolidGeometry.h"

namespace ondrel {
namespace {

// Room in the preview for the worst case: every triangle a Block, which
// shows 8 triangles (24 records) per source triangle.
constexpr std::size_t kPreviewRecordsPerSourceRecord = 8;
constexpr std::uint32_t kSolidFaceColour = 0xFFFFFFFFu;

}  // namespace

bool IsAxisAligned(const Vector3& normal) {
    const float nearOne = std::bit_cast<float>(0x3F7FFFFEu);
    const float overOne = std::bit_cast<float>(0x3F800001u);
    for (float c : {normal.x, normal.y, normal.z}) {
        if ((c >= nearOne && c <= overOne) || (c >= -overOne && c <= -nearOne)) return true;
    }
    return false;
}

Vector3 TriangleCentroid(const Vector3& a, const Vector3& b, const Vector3& c) {
    const float third = std::bit_cast<float>(0x3EAAAAABu);
    return {((a.x + b.x) + c.x) * third, ((a.y + b.y) + c.y) * third,
            ((a.z + b.z) + c.z) * third};
}

namespace {

// One conversion's work on one level, from the emptied preview to the
// handed-over brushes.
class SolidBuilder {
public:
    SolidBuilder(LevelData& level, const ConversionParameters& parameters)
        : level_(level), parameters_(parameters) {}

    bool BuildSolids();

private:
    bool AllocatePreview();
    void AddPreviewTriangle(const Vector3& p0, const Vector3& p1, const Vector3& p2,
                            std::uint32_t colour);

    LevelData& level_;
    const ConversionParameters& parameters_;
    BrushStore store_;
};

bool SolidBuilder::AllocatePreview() {
    level_.previewVertices.reset();
    level_.previewCount = 0;
    // Preview records are kept only where something will draw them.
    if (!level_.KeepsPreviewRecords()) return true;
    level_.previewVertices = AllocateArray<LevelVertex>(
        level_.allocationGate, kPreviewRecordsPerSourceRecord * std::size_t{level_.sourceCount});
    return level_.previewVertices != nullptr;
}

bool SolidBuilder::BuildSolids() {
    if (!AllocatePreview()) return false;
    if (!store_.Reserve(level_.sourceCount / 3, level_.allocationGate)) {
        level_.previewVertices.reset();
        return false;
    }
    SolidBounds box;
    // Only whole triangles: one or two trailing records belong to none.
    for (std::uint32_t i = 0; level_.sourceCount - i >= 3; i += 3) {
        const LevelVertex* t = &level_.sourceVertices[i];
        SolidKind kind = SolidKind::Block;
        BrushFace faces[kMaxSolidFaces];
        const std::uint32_t faceCount = MakeSolidFaces(t, parameters_, kind, faces);

        box.Grow(t);
        if (level_.previewVertices) {
            std::memcpy(&level_.previewVertices[level_.previewCount], t, 3 * sizeof(LevelVertex));
        }
        level_.previewCount += 3;
        if (!store_.AddBrush(kind)) {  // cannot happen: the room was reserved above
            level_.previewCount = 0;
            return false;
        }
        store_.AddFace(faces[0]);
        for (std::uint32_t f = 1; f < faceCount; ++f) {
            store_.AddFace(faces[f]);
            const Vector3(&q)[3] = faces[f].points;
            AddPreviewTriangle(q[0], q[1], q[2], kSolidFaceColour);
        }
        store_.FinishBrush();
    }
    store_.HandTo(level_);
    box.Origin(level_.exportOrigin);
    return true;
}

void SolidBuilder::AddPreviewTriangle(const Vector3& p0, const Vector3& p1, const Vector3& p2,
                                      std::uint32_t colour) {
    if (!level_.previewVertices) {
        level_.previewCount += 3;
        return;
    }
    for (const Vector3& p : {p0, p1, p2}) {
        level_.previewVertices[level_.previewCount++] = LevelVertex{p.x, p.y, p.z, 0.0f, 0.0f, 0.0f, colour};
    }
}

}  // namespace

bool ConvertToSolids(LevelData& level, const ConversionParameters& parameters) {
    std::lock_guard guard(level.lock);
    if (!SolidBuilder(level, parameters).BuildSolids()) return false;
    if (level.previewVertices) ComputeFlatNormals(level.previewVertices.get(), level.previewCount);
    return level.UploadPreview();
}

}  // namespace ondrel
