#pragma once
// A whole run of ondrel-convert once its arguments are read: plan the
// outputs, convert every input, report each, and answer the exit code.

#include <cstdio>

#include "cli/ConversionProgress.h"
#include "cli/ConvertOptions.h"
#include "cli/ExitCode.h"

namespace ondrel::cli {

ExitCode RunBatch(const ConvertOptions& options, std::FILE* out, std::FILE* err,
                  ConversionProgress& progress);

}  // namespace ondrel::cli
