#include "mapcheck/BrushCheck.h"

#include <algorithm>
#include <cmath>

namespace ondrel::mapcheck {
namespace {

constexpr std::size_t kPrismFaceCount = 8;

bool RepeatsByDesign(std::size_t faceCount, std::size_t face, std::size_t earlier) {
    return faceCount == kPrismFaceCount && (face == 3 || face == 5 || face == 7) && earlier + 1 == face;
}

double LargestCoordinate(std::span<const MapFace> faces) {
    double largest = 0.0;
    for (const MapFace& face : faces) {
        for (const MapPoint& p : face.points) {
            largest = std::max({largest, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
        }
    }
    return largest;
}

bool OutsideBox(const Vec3& p, double halfSize) {
    return std::fabs(p.x) > halfSize || std::fabs(p.y) > halfSize || std::fabs(p.z) > halfSize;
}

}  // namespace

const BrushFindings& BrushChecker::Check(std::span<const MapFace> faces) {
    // Cleared, not replaced: the face list keeps its room for the next brush.
    findings_.flawedFaces.clear();
    findings_.designedDuplicates = findings_.otherDuplicates = 0;
    findings_.empty = findings_.unbounded = findings_.thin = false;
    FindPlanes(faces);
    const double boxHalfSize = std::max(kSmallestBoxHalfSize, 4.0 * LargestCoordinate(faces));
    RebuildFaces(boxHalfSize);
    JudgeShape(boxHalfSize);
    return findings_;
}

void BrushChecker::FindPlanes(std::span<const MapFace> faces) {
    planes_.clear();
    planeFace_.clear();
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const FaceShape shape = ClassifyFace(faces[i]);
        if (shape != FaceShape::Plane) {
            findings_.flawedFaces.push_back({static_cast<std::uint32_t>(i), shape});
            continue;
        }
        const Plane plane = *PlaneOfFace(faces[i]);
        const auto same = std::find_if(planes_.begin(), planes_.end(),
                                       [&](const Plane& p) { return SamePlane(p, plane); });
        if (same == planes_.end()) {
            planes_.push_back(plane);
            planeFace_.push_back(i);
        } else if (RepeatsByDesign(faces.size(), i, planeFace_[same - planes_.begin()])) {
            ++findings_.designedDuplicates;
        } else {
            ++findings_.otherDuplicates;
        }
    }
}

void BrushChecker::RebuildFaces(double boxHalfSize) {
    windings_.resize(planes_.size());
    for (std::size_t i = 0; i < planes_.size(); ++i) {
        Winding& winding = windings_[i];
        // Twice the box: the square covers the plane's whole part inside it.
        BaseWinding(planes_[i], 2.0 * boxHalfSize, winding);
        for (std::size_t j = 0; j < planes_.size() && !winding.empty(); ++j) {
            if (j != i) ClipWinding(winding, planes_[j], scratch_);
        }
    }
}

void BrushChecker::JudgeShape(double boxHalfSize) {
    // No plane cuts anything off the big box: the brush is all of it.
    if (planes_.empty()) {
        findings_.unbounded = true;
        return;
    }
    findings_.empty = std::all_of(windings_.begin(), windings_.end(),
                                  [](const Winding& w) { return WindingArea(w) == 0.0; });
    if (findings_.empty) return;
    for (const Winding& winding : windings_) {
        for (const Vec3& p : winding) findings_.unbounded = findings_.unbounded || OutsideBox(p, boxHalfSize);
    }
    // An open brush has no width to speak of: its faces alone, without the
    // box, would make a half-space look flat.
    if (findings_.unbounded) return;
    double narrowest = INFINITY;
    for (const Plane& plane : planes_) {
        double width = 0.0;
        for (const Winding& winding : windings_) {
            for (const Vec3& p : winding) width = std::max(width, plane.distance - Dot(plane.normal, p));
        }
        narrowest = std::min(narrowest, width);
    }
    findings_.thin = narrowest < kThinWidth;
}

}  // namespace ondrel::mapcheck
