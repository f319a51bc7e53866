#pragma once
// The converter's exit codes. When one batch fails in several ways the
// highest code wins, so a script sees the most serious kind.

#include "conversion/ConversionJob.h"

namespace ondrel::cli {

enum class ExitCode : int {
    Success = 0,       // every input converted and written
    Usage = 1,         // the arguments are unusable; nothing was converted
    InputFailed = 2,   // an input was missing, not a regular file, or held no whole triangle
    OutputFailed = 3,  // a map, or standard output, could not be written
};

ExitCode ExitCodeFor(conversion::ConversionStatus status);

inline ExitCode MoreSerious(ExitCode a, ExitCode b) {
    return static_cast<int>(a) >= static_cast<int>(b) ? a : b;
}

}  // namespace ondrel::cli
