#pragma once
// The overlay's line about the last map the viewer wrote: the counts of the
// map check run on the written file, worded as the converter's --check
// words them. Empty until an export succeeds; a new import clears it.

#include <string>

#include "mapcheck/MapQuality.h"

namespace ondrel::app {

// "Exported 4090 brushes, 0 with problems", or with problems the nonzero
// kinds after a colon: "..., 3 with problems: 2 collinear faces, 1 unbounded".
std::u16string ExportSummaryLine(const mapcheck::MapQuality& quality);

// Checks the map just written at `utf8Path` and keeps its line.
void SummariseWrittenMap(const std::string& utf8Path);

const std::u16string& ExportSummary();
void ResetExportSummary();

}  // namespace ondrel::app
