#pragma once
// Which map each input becomes, decided before anything is converted, so that
// a batch never writes one map over another or over its own input.

#include <string>
#include <vector>

#include "cli/ConvertOptions.h"
#include "cli/PathQueries.h"

namespace ondrel::cli {

struct PlannedFile {
    std::string input;
    std::string output;
    bool binary = false;
    // Non-empty when the input's path cannot be resolved (a folder that may
    // not be searched, a name too long for the system): that input fails on
    // its own and is not converted; the others are.
    std::string problem;
};

struct OutputPlan {
    std::vector<PlannedFile> files;
    std::string error;  // non-empty: a usage error, nothing may be converted
};

// Plans against the real file system, or against the answers `paths` gives.
OutputPlan PlanOutputs(const ConvertOptions& options);
OutputPlan PlanOutputs(const ConvertOptions& options, const PathQueries& paths);

}  // namespace ondrel::cli
