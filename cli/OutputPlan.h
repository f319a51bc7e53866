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

// Binary exactly when the name's last four characters are ".bin", compared
// case-sensitively, as the viewer decides.
bool IsBinaryName(const std::string& path);

OutputPlan PlanOutputs(const ConvertOptions& options);

}  // namespace ondrel::cli
