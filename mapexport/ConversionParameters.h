#pragma once
// The three numbers a conversion and its map depend on, passed as one value
// so that every run states its own and no file's scale can leak into the
// next. The program's edge (the viewer's panel, the converter's options)
// fills them; nothing below reads a process-wide setting.

#include "level/LevelData.h"

namespace ondrel {

// Output units per level unit unless the user says otherwise.
inline constexpr float kDefaultExportScale = 40.0f;

// None of the three is ever below this: a smaller or unreadable entry
// becomes it, so the scale can always divide.
inline constexpr float kMinimumFactor = 0.1f;

inline float FloorFactor(float value) { return value < kMinimumFactor ? kMinimumFactor : value; }

struct ConversionParameters {
    // Pyramid height and prism thickness in output units. Their defaults are
    // the level's own field defaults, so the two can never disagree.
    float extrudeFactorTris = kDefaultExtrudeFactorTris;
    float extrudeFactorBlocks = kDefaultExtrudeFactorBlocks;
    float exportScale = kDefaultExportScale;
};

}  // namespace ondrel
