#pragma once
// What --check and --check-map print: one line per brush with a problem,
// then one line per map with its counts.

#include <cstdio>
#include <string>

#include "mapcheck/MapQuality.h"

namespace ondrel::cli {

// How a brush is named: by the level triangle it was made of (a converted
// map holds one brush per whole triangle, in order), or by its place in a
// map file that was given to check.
enum class BrushNaming { Triangle, MapBrush };

// "level.txt: triangle 17 (0 0 0) (40 0 0) (0 40 0): unbounded, face 3
//  collinear, 1 repeated plane". The points are the triangle as written
// (its brush's first face), in map units.
std::string FormatBrushProblem(const std::string& name, BrushNaming naming, const mapcheck::MapBrushView& brush,
                               const mapcheck::BrushFindings& findings);

// "level.map: check: 3778 brushes, 12 with problems: 10 collinear faces, ...
//  (2212 repeated planes by design)"
std::string FormatQualityLine(const std::string& name, const mapcheck::MapQuality& quality);

// Checks the map at `path` and prints the report to `out`; false (and an
// error line on `err`) when the map cannot be read. `quality` gets the
// counts.
bool ReportMapQuality(const std::string& path, const std::string& name, BrushNaming naming, std::FILE* out,
                      std::FILE* err, mapcheck::MapQuality& quality);

}  // namespace ondrel::cli
