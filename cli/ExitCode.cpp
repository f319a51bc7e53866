#include "cli/ExitCode.h"

namespace ondrel::cli {

ExitCode ExitCodeFor(conversion::ConversionStatus status) {
    using conversion::ConversionStatus;
    switch (status) {
        case ConversionStatus::Converted: return ExitCode::Success;
        case ConversionStatus::InputMissing:
        case ConversionStatus::InputNotRegular:
        case ConversionStatus::InputUnreadable:
        case ConversionStatus::NoWholeTriangle:
        case ConversionStatus::ConversionFailed: return ExitCode::InputFailed;
        case ConversionStatus::OutputFailed: return ExitCode::OutputFailed;
    }
    return ExitCode::InputFailed;
}

}  // namespace ondrel::cli
