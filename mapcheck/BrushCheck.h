#pragma once
// One brush rebuilt from its face planes, as a map compiler rebuilds it,
// and what a compiler would find wrong with it.

#include <cstdint>
#include <span>
#include <vector>

#include "mapcheck/FacePlane.h"
#include "mapcheck/MapFace.h"
#include "mapcheck/Winding.h"

namespace ondrel::mapcheck {

struct FaceFlaw {
    std::uint32_t face = 0;  // counted from 0 in the brush's face order
    FaceShape shape = FaceShape::Collinear;
};

struct BrushFindings {
    std::vector<FaceFlaw> flawedFaces;  // faces that give no plane
    // Faces on the plane of an earlier face of the brush. A prism gives each
    // side as two triangles, so its faces 4, 6 and 8 repeat faces 3, 5 and 7
    // by design; every other repeat is counted apart.
    std::uint32_t designedDuplicates = 0;
    std::uint32_t otherDuplicates = 0;
    bool empty = false;      // nothing is inside all the planes
    bool unbounded = false;  // the planes leave it open: it reaches the big box
    bool thin = false;       // closed, but thinner than kThinWidth across one of its faces

    bool HasProblem() const {
        return !flawedFaces.empty() || otherDuplicates != 0 || empty || unbounded || thin;
    }
};

// Below this width a brush holds next to no volume and a compiler's
// epsilons cannot keep its faces apart.
inline constexpr double kThinWidth = 0.1;

// The big box is at least this large, and at least four times the brush's
// largest coordinate, so that only a brush left open reaches it.
inline constexpr double kSmallestBoxHalfSize = 65536.0;

// Keeps its working room between brushes, so a million brushes cost no
// allocation each.
class BrushChecker {
public:
    const BrushFindings& Check(std::span<const MapFace> faces);

private:
    void FindPlanes(std::span<const MapFace> faces);
    void RebuildFaces(double boxHalfSize);
    void JudgeShape(double boxHalfSize);

    BrushFindings findings_;
    std::vector<Plane> planes_;      // one per distinct plane
    std::vector<std::size_t> planeFace_;  // the first face on each of them
    std::vector<Winding> windings_;  // the rebuilt face on each plane
    Winding scratch_;
};

}  // namespace ondrel::mapcheck
