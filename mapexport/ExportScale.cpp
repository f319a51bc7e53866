#include "mapexport/ExportScale.h"

namespace ondrel {
namespace {
float exportScale = kDefaultExportScale;
}

float& ExportScale() { return exportScale; }

void ResetExportScale() { exportScale = kDefaultExportScale; }

}  // namespace ondrel
