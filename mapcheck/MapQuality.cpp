#include "mapcheck/MapQuality.h"

#include <algorithm>
#include <cmath>

namespace ondrel::mapcheck {
namespace {

// One checker for the whole map: its working room is reused by every brush.
BrushVisitor CheckEach(BrushChecker& checker, MapQuality& quality, const ProblemVisitor& onProblem) {
    return [&checker, &quality, &onProblem](const MapBrushView& brush) {
        const BrushFindings& findings = checker.Check(brush.faces);
        quality.Add(brush, findings);
        if (findings.HasProblem() && onProblem) onProblem(brush, findings);
    };
}

}  // namespace

void MapQuality::Add(const MapBrushView& brush, const BrushFindings& findings) {
    ++brushes;
    faces += brush.faces.size();
    for (const FaceFlaw& flaw : findings.flawedFaces) {
        ++(flaw.shape == FaceShape::Coincident ? coincidentFaces : collinearFaces);
    }
    emptyBrushes += findings.empty;
    thinBrushes += findings.thin;
    unboundedBrushes += findings.unbounded;
    designedDuplicates += findings.designedDuplicates;
    otherDuplicates += findings.otherDuplicates;
    problemBrushes += findings.HasProblem();
    for (const MapFace& face : brush.faces) {
        for (const MapPoint& p : face.points) {
            largestCoordinate = std::max({largestCoordinate, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
        }
    }
}

bool CheckMapFile(const std::string& path, MapQuality& quality, const ProblemVisitor& onProblem,
                  std::string& whyNot) {
    BrushChecker checker;
    return ReadMapFile(path, CheckEach(checker, quality, onProblem), whyNot);
}

bool CheckMapText(std::string_view text, MapQuality& quality, const ProblemVisitor& onProblem,
                  std::string& whyNot) {
    BrushChecker checker;
    return ReadMapText(text, CheckEach(checker, quality, onProblem), whyNot);
}

}  // namespace ondrel::mapcheck
