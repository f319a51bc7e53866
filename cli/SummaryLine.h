#pragma once
// The one line printed per converted file, and the error line per failure.

#include <string>

#include "conversion/ConversionJob.h"

namespace ondrel::cli {

// "level.txt: 3778 triangles read, 2212 prisms, 1566 pyramids, 3778 brushes,
//  origin (0 10 -5), wrote level.map (1234567 bytes) in 0.052 s"
std::string FormatSummaryLine(const conversion::ConversionResult& result);

// "level.txt: coordinates too large for a map were clamped to the 32-bit
//  range; --scale 53680 or less fits"
std::string FormatClampWarning(const conversion::ConversionResult& result);

// "level.txt: no such file"
std::string FormatErrorLine(const conversion::ConversionResult& result);

}  // namespace ondrel::cli
