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
    // --strict only: everything was written, but a checked map has problems
    // or coordinates beyond --bounds. Any failure above outranks it.
    QualityProblems = 4,
};

ExitCode ExitCodeFor(conversion::ConversionStatus status);

// Problems found in written maps matter less than any failure, whatever
// their code's number.
inline int Severity(ExitCode code) {
    return code == ExitCode::QualityProblems ? 1 : code == ExitCode::Success ? 0 : 1 + static_cast<int>(code);
}

inline ExitCode MoreSerious(ExitCode a, ExitCode b) { return Severity(a) >= Severity(b) ? a : b; }

}  // namespace ondrel::cli
