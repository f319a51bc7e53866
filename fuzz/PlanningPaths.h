#pragma once
// The file system the options target plans against: a stand-in in memory
// for the libFuzzer build (PlanningInMemory.cpp), the real one for the
// corpus replay of the test builds (PlanningOnSystem.cpp), so the committed
// seeds keep the real queries covered.

#include "cli/PathQueries.h"

namespace ondrel::fuzz {

const cli::PathQueries& PlanningPaths();

}  // namespace ondrel::fuzz
