#include "conversion/ConversionProgress.h"

namespace ondrel::conversion {

const char* PhaseName(ConversionPhase phase) {
    switch (phase) {
        case ConversionPhase::Importing: return "importing";
        case ConversionPhase::Converting: return "converting";
        case ConversionPhase::Writing: return "writing";
    }
    return "";
}

}  // namespace ondrel::conversion
