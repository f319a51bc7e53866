#pragma once
// The viewer's one process-wide export scale, which its control panel sets.
// Only a program's edge reads or writes it, to fill the
// ConversionParameters it hands to the conversion and the writer; tests
// put it back with ResetExportScale.

#include "mapexport/ConversionParameters.h"

namespace ondrel {

float& ExportScale();
void ResetExportScale();

}  // namespace ondrel
