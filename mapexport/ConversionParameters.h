#pragma once
// The three conversion parameters (both extrusion factors and the export
// scale) are never below this: a smaller or unreadable entry becomes it, so
// the scale can always divide.

namespace ondrel {

inline constexpr float kMinimumFactor = 0.1f;

inline float FloorFactor(float value) { return value < kMinimumFactor ? kMinimumFactor : value; }

}  // namespace ondrel
