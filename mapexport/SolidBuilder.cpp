#include "mapexport/SolidBuilder.h"

#include <bit>
#include <cstring>

#include "mapexport/BrushStore.h"
#include "mapexport/SnapToInteger.h"
#include "mapexport/SolidGeometry.h"

namespace ondrel {
namespace {

// Room in the preview for the worst case: every triangle a Block, which
// shows 8 triangles (24 records) per source triangle.
constexpr std::size_t kPreviewRecordsPerSourceRecord = 8;
constexpr std::uint32_t kSolidFaceColour = 0xFFFFFFFFu;
constexpr float kBoxSeed = 1000000.0f;

struct BoundingBox {
    float lower[3] = {kBoxSeed, kBoxSeed, kBoxSeed};
    float upper[3] = {-kBoxSeed, -kBoxSeed, -kBoxSeed};
};

float Component(const Vector3& v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }

// The triangle's upper bound is formed as lower bound plus extent, each
// rounded to single precision; that rounding is part of the result.
void GrowBox(BoundingBox& box, const Vector3 (&p)[3]) {
    for (int axis = 0; axis < 3; ++axis) {
        float lower = kBoxSeed;
        float upper = -kBoxSeed;
        for (const Vector3& point : p) {
            const float c = Component(point, axis);
            if (c < lower) lower = c;
            if (c > upper) upper = c;
        }
        const float extent = upper - lower;
        const float top = lower + extent;
        if (top > box.upper[axis]) box.upper[axis] = top;
        if (lower < box.lower[axis]) box.lower[axis] = lower;
    }
}

float SnappedCentre(float lower, float upper) {
    return static_cast<float>(SnapToInteger((lower + upper) / 2.0f));
}

Vector3 Offset(const Vector3& p, const Vector3& by) { return {p.x + by.x, p.y + by.y, p.z + by.z}; }

Vector3 Scaled(const Vector3& v, float factor) { return {factor * v.x, factor * v.y, factor * v.z}; }

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
    void AddSolidFaces(const Vector3 (&p)[3], const Vector3& normal, SolidKind kind);
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
    BoundingBox box;
    // Only whole triangles: one or two trailing records belong to none.
    for (std::uint32_t i = 0; level_.sourceCount - i >= 3; i += 3) {
        const LevelVertex* t = &level_.sourceVertices[i];
        const Vector3 p[3] = {PositionOf(t[0]), PositionOf(t[1]), PositionOf(t[2])};
        const Vector3 normal = NormalOf(t[0]);
        const SolidKind kind = IsAxisAligned(normal) ? SolidKind::Block : SolidKind::Tri;

        GrowBox(box, p);
        if (level_.previewVertices) {
            std::memcpy(&level_.previewVertices[level_.previewCount], t, 3 * sizeof(LevelVertex));
        }
        level_.previewCount += 3;
        if (!store_.AddBrush(kind)) {  // cannot happen: the room was reserved above
            level_.previewCount = 0;
            return false;
        }
        store_.AddFace(BrushFace{{p[0], p[1], p[2]}});
        AddSolidFaces(p, normal, kind);
        store_.FinishBrush();
    }
    store_.HandTo(level_);
    for (int axis = 0; axis < 3; ++axis) {
        level_.exportOrigin[axis] = SnappedCentre(box.lower[axis], box.upper[axis]);
    }
    return true;
}

void SolidBuilder::AddSolidFaces(const Vector3 (&p)[3], const Vector3& normal, SolidKind kind) {
    auto addFace = [this](const Vector3& a, const Vector3& b, const Vector3& c) {
        store_.AddFace(BrushFace{{a, b, c}});
        AddPreviewTriangle(a, b, c, kSolidFaceColour);
    };
    if (kind == SolidKind::Block) {
        const Vector3 push = Scaled(normal, parameters_.extrudeFactorBlocks / parameters_.exportScale);
        const Vector3 q[3] = {Offset(p[0], push), Offset(p[1], push), Offset(p[2], push)};
        addFace(q[0], q[2], q[1]);
        addFace(p[0], p[2], q[2]);
        addFace(p[0], q[2], q[0]);
        addFace(p[1], p[0], q[0]);
        addFace(p[1], q[0], q[1]);
        addFace(p[2], p[1], q[1]);
        addFace(p[2], q[1], q[2]);
    } else {
        const float depth = parameters_.extrudeFactorTris / parameters_.exportScale;
        const Vector3 apex = Offset(TriangleCentroid(p[0], p[1], p[2]), Scaled(normal, depth));
        addFace(p[0], apex, p[1]);
        addFace(p[1], apex, p[2]);
        addFace(p[2], apex, p[0]);
    }
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
