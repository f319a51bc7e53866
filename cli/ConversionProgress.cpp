#include "cli/ConversionProgress.h"

namespace ondrel::cli {

const char* PhaseName(ConversionPhase phase) {
    switch (phase) {
        case ConversionPhase::Importing: return "importing";
        case ConversionPhase::Converting: return "converting";
        case ConversionPhase::Writing: return "writing";
    }
    return "";
}

}  // namespace ondrel::cli
