#pragma once

#include <cstdint>

namespace ondrel {

// The float-to-integer rule of the export: towards zero, then one down for
// a negative value that was not whole, except that values strictly between
// -1 and 0 give 0. NaN gives 0; values beyond the 32-bit range saturate.
std::int32_t SnapToInteger(float value);

}  // namespace ondrel
