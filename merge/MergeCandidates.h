#pragma once
// The level's triangles as the merge sees them: their written corners,
// exact planes, kinds and pushes.

#include <vector>

#include "mapexport/ConversionParameters.h"
#include "merge/CoplanarMerge.h"

namespace ondrel {
class LevelData;
}

namespace ondrel::merge {

// One candidate per whole triangle, in level order, with the points the
// map writes for it relative to `origin`.
std::vector<MergeCandidate> MergeCandidates(const LevelData& level, const float (&origin)[3],
                                            const ConversionParameters& parameters);

// One triangle given by its level points and stored normal.
MergeCandidate CandidateOf(const LevelVertex* triangle, const float (&origin)[3],
                           const ConversionParameters& parameters);

}  // namespace ondrel::merge
