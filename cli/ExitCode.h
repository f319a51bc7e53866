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
    // --preview only: every map was written, but the picture was not (no
    // renderer installed, no OpenGL, the PNG could not be written). Any
    // failure above outranks it; it outranks problems a check found.
    PreviewFailed = 5,
};

ExitCode ExitCodeFor(conversion::ConversionStatus status);

// Problems found in written maps, and a missing picture of them, matter
// less than any failure of the conversion itself, whatever their code's number.
inline int Severity(ExitCode code) {
    switch (code) {
        case ExitCode::Success: return 0;
        case ExitCode::QualityProblems: return 1;
        case ExitCode::PreviewFailed: return 2;
        default: return 2 + static_cast<int>(code);
    }
}

inline ExitCode MoreSerious(ExitCode a, ExitCode b) { return Severity(a) >= Severity(b) ? a : b; }

}  // namespace ondrel::cli
