#include "merge/MergedMap.h"

#include <limits>
#include <vector>

#include "level/LevelData.h"
#include "mapexport/MapFileSink.h"
#include "merge/MergeCandidates.h"
#include "merge/PolygonBrush.h"

namespace ondrel::merge {
namespace {

constexpr std::uint32_t kAlone = std::numeric_limits<std::uint32_t>::max();

// The merged polygons that pass the check, and for each triangle the
// polygon it belongs to (kAlone when it keeps its own brush).
struct MergePlan {
    std::vector<MergeCandidate> candidates;
    std::vector<MergedPolygon> polygons;
    std::vector<std::uint32_t> polygonOf;
};

Vector3 SeedNormal(const LevelData& level, const MergedPolygon& polygon) {
    return NormalOf(level.sourceVertices[3 * std::size_t{polygon.triangles.front()}]);
}

MergePlan PlanMerge(const LevelData& level, const float (&origin)[3], const ConversionParameters& parameters,
                    MergeFigures& merged) {
    MergePlan plan;
    plan.candidates = MergeCandidates(level, origin, parameters);
    const std::vector<MergeCandidate>& candidates = plan.candidates;
    plan.polygonOf.assign(candidates.size(), kAlone);
    mapcheck::BrushChecker checker;
    std::vector<IntegerFace> faces;
    std::vector<mapcheck::MapFace> scratch;
    for (MergedPolygon& polygon : MergeCoplanarTriangles(candidates)) {
        if (!BuildPolygonBrush(polygon, candidates[polygon.triangles.front()], SeedNormal(level, polygon), parameters, faces) ||
            !PassesCheck(faces, checker, scratch)) {
            ++merged.polygonsKeptApart;
            continue;
        }
        const auto index = static_cast<std::uint32_t>(plan.polygons.size());
        for (const std::uint32_t t : polygon.triangles) plan.polygonOf[t] = index;
        plan.polygons.push_back(std::move(polygon));
    }
    return plan;
}

void WritePolygonBrush(const LevelData& level, const MergePlan& plan, const MergedPolygon& polygon,
                       const ConversionParameters& parameters, MapFileSink& file, StreamedMapFigures& figures,
                       std::uint32_t& counter, ScaledSpan* span, std::vector<IntegerFace>& faces) {
    // Rebuilt as it was planned: the same corners give the same faces.
    const MergeCandidate& seed = plan.candidates[polygon.triangles.front()];
    BuildPolygonBrush(polygon, seed, SeedNormal(level, polygon), parameters, faces);
    ++(seed.kind == SolidKind::Block ? figures.prisms : figures.pyramids);
    WriteIntegerBrush(faces, file, counter, span);
}

}  // namespace

void WriteMergedMap(const LevelData& level, MapFileSink& file, const ConversionParameters& parameters,
                    StreamedMapFigures& figures, MergeFigures& merged, ScaledSpan* span) {
    std::lock_guard guard(level.lock);
    figures = StreamedMapFigures{};
    merged = MergeFigures{};
    FindMapOrigin(level, figures.origin);
    const MergePlan plan = PlanMerge(level, figures.origin, parameters, merged);
    WriteWorldspawnOpening(file);
    std::uint32_t counter = 0;
    std::vector<IntegerFace> faces;
    for (std::uint32_t t = 0; t < plan.polygonOf.size(); ++t) {
        const std::uint32_t polygon = plan.polygonOf[t];
        if (polygon == kAlone) {
            WriteTriangleSolid(level, 3 * t, parameters, file, figures, counter, span);
        } else if (plan.polygons[polygon].triangles.front() == t) {
            WritePolygonBrush(level, plan, plan.polygons[polygon], parameters, file, figures, counter, span, faces);
            ++merged.polygons;
            merged.trianglesMerged += static_cast<std::uint32_t>(plan.polygons[polygon].triangles.size());
        }
    }
    WriteWorldspawnClosing(file);
}

bool WriteMergedMap(const LevelData& level, const std::string& path, const ConversionParameters& parameters,
                    StreamedMapFigures& figures, MergeFigures& merged, std::string* whyNot, ScaledSpan* span) {
    figures = StreamedMapFigures{};
    merged = MergeFigures{};
    MapFileSink file;
    bool written = file.Open(path);
    if (written) {
        WriteMergedMap(level, file, parameters, figures, merged, span);
        written = file.Commit();
    }
    if (!written && whyNot != nullptr) *whyNot = file.Error();
    return written;
}

}  // namespace ondrel::merge
