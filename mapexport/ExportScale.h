#pragma once
// Output units per level unit, shared by the conversion and the map writer.
// One value for the whole process; the control panel sets it.

namespace ondrel {

inline constexpr float kDefaultExportScale = 40.0f;

float& ExportScale();
void ResetExportScale();

}  // namespace ondrel
