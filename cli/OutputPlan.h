#pragma once
// Which map each input becomes, decided before anything is converted, so that
// a batch never writes one map over another or over its own input.

#include <string>
#include <vector>

#include "cli/ConvertOptions.h"

namespace ondrel::cli {

struct PlannedFile {
    std::string input;
    std::string output;
    bool binary = false;
};

struct OutputPlan {
    std::vector<PlannedFile> files;
    std::string error;  // non-empty: a usage error, nothing may be converted
};

OutputPlan PlanOutputs(const ConvertOptions& options);

}  // namespace ondrel::cli
