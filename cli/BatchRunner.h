#pragma once
// A whole run of ondrel-convert once its arguments are read: plan the
// outputs, convert every input, report each, and answer the exit code.

#include <cstdio>

#include "cli/ConvertOptions.h"
#include "cli/ExitCode.h"
#include "conversion/ConversionProgress.h"

namespace ondrel::cli {

ExitCode RunBatch(const ConvertOptions& options, std::FILE* out, std::FILE* err,
                  conversion::ConversionProgress& progress);

}  // namespace ondrel::cli
