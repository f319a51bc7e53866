#pragma once
// Reads the brushes of a .map file: entities in braces, brushes in braces
// inside them, one face per line starting with three "( x y z )" points.
// Keys, comments ("//" lines, and whatever follows a brace on its line) and
// the texture text after a face's points are passed over.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "mapcheck/MapFace.h"

namespace ondrel::mapcheck {

struct MapBrushView {
    std::uint64_t number = 0;  // counted from 0 through the whole file
    std::uint32_t entity = 0;  // counted from 0
    std::uint64_t line = 0;    // of the brush's opening brace, counted from 1
    std::span<const MapFace> faces;
};

using BrushVisitor = std::function<void(const MapBrushView&)>;

class MapTextParser {
public:
    explicit MapTextParser(BrushVisitor visitor) : visitor_(std::move(visitor)) {}

    // One line without its end; false (and `Error()` set) when it cannot be
    // part of a map.
    bool ReadLine(std::string_view line);
    // After the last line: false when a brace is left open.
    bool Finish();
    const std::string& Error() const { return error_; }

private:
    bool Fail(const std::string& what);
    bool ReadFace(std::string_view text);

    BrushVisitor visitor_;
    std::vector<MapFace> faces_;
    std::uint64_t lineNumber_ = 0;
    std::uint64_t brushLine_ = 0;
    std::uint64_t brushes_ = 0;
    std::uint32_t entities_ = 0;
    int depth_ = 0;
    std::string error_;
};

// Streams the file through the parser in blocks; false with `whyNot` set
// when it cannot be read or is not a map.
bool ReadMapFile(const std::string& path, const BrushVisitor& visitor, std::string& whyNot);
bool ReadMapText(std::string_view text, const BrushVisitor& visitor, std::string& whyNot);

}  // namespace ondrel::mapcheck
