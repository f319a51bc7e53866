#include "fuzz/InMemoryPaths.h"
#include "fuzz/PlanningPaths.h"

namespace ondrel::fuzz {

const cli::PathQueries& PlanningPaths() {
    static const InMemoryPathQueries inMemory;
    return inMemory;
}

}  // namespace ondrel::fuzz
