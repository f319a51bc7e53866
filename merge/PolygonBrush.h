#pragma once
// The brush a merged polygon becomes, and the test it must pass to be
// written instead of its triangles' own brushes.

#include <span>
#include <vector>

#include "level/TriangleNormals.h"
#include "mapcheck/BrushCheck.h"
#include "mapexport/ConversionParameters.h"
#include "mapexport/IntegerFace.h"
#include "merge/CoplanarMerge.h"

namespace ondrel::merge {

// The faces of the polygon's prism (pushed by the group's push) or pyramid
// (the apex above the mean of its corners by the pyramid height, along the
// seed triangle's stored normal, rounded to whole units). `seed` is the
// candidate of the polygon's first triangle and `seedNormal` its stored
// normal. False, with `faces` undefined, when no such solid stands on the
// polygon's front.
bool BuildPolygonBrush(const MergedPolygon& polygon, const MergeCandidate& seed, const Vector3& seedNormal,
                       const ConversionParameters& parameters, std::vector<IntegerFace>& faces);

// The faces as a map file gives them to a compiler: second point first,
// y and z swapped.
void AsMapFaces(std::span<const IntegerFace> faces, std::vector<mapcheck::MapFace>& out);

// Rebuilds the brush from its planes as a compiler does; true when it has
// none of the problems the quality report counts. A merged brush that
// fails is not written: its triangles keep their own brushes, so merging
// never adds a problem to a map.
bool PassesCheck(std::span<const IntegerFace> faces, mapcheck::BrushChecker& checker,
                 std::vector<mapcheck::MapFace>& scratch);

}  // namespace ondrel::merge
