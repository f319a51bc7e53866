#include "fuzz/PlanningPaths.h"

namespace ondrel::fuzz {

const cli::PathQueries& PlanningPaths() {
    static const cli::SystemPathQueries system;
    return system;
}

}  // namespace ondrel::fuzz
