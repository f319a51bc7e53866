#include "mapcheck/MapReader.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>

namespace ondrel::mapcheck {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;

std::string_view SkipSpace(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r')) ++i;
    return text.substr(i);
}

// Whole numbers, by far the common case in written maps, are read without
// the general floating-point parser.
bool ReadNumber(std::string_view& text, double& value) {
    text = SkipSpace(text);
    const char* begin = text.data();
    const char* end = begin + text.size();
    const char* p = begin;
    const bool negative = p != end && *p == '-';
    if (negative) ++p;
    std::int64_t whole = 0;
    const char* digits = p;
    while (p != end && *p >= '0' && *p <= '9' && p - digits < 18) whole = whole * 10 + (*p++ - '0');
    const bool plain = p != digits && (p == end || (*p != '.' && *p != 'e' && *p != 'E' && !(*p >= '0' && *p <= '9')));
    if (plain) {
        value = negative ? -static_cast<double>(whole) : static_cast<double>(whole);
    } else {
        const auto parsed = std::from_chars(begin, end, value);
        if (parsed.ec != std::errc()) return false;
        p = parsed.ptr;
    }
    text.remove_prefix(static_cast<std::size_t>(p - begin));
    return true;
}

bool ReadSymbol(std::string_view& text, char symbol) {
    text = SkipSpace(text);
    if (text.empty() || text[0] != symbol) return false;
    text.remove_prefix(1);
    return true;
}

bool ReadPoint(std::string_view& text, MapPoint& point) {
    return ReadSymbol(text, '(') && ReadNumber(text, point.x) && ReadNumber(text, point.y) &&
           ReadNumber(text, point.z) && ReadSymbol(text, ')');
}

}  // namespace

bool MapTextParser::Fail(const std::string& what) {
    error_ = "line " + std::to_string(lineNumber_) + ": " + what;
    return false;
}

bool MapTextParser::ReadFace(std::string_view text) {
    MapFace face;
    for (MapPoint& point : face.points) {
        if (!ReadPoint(text, point)) return Fail("a face needs three points \"( x y z )\"");
    }
    faces_.push_back(face);
    return true;
}

bool MapTextParser::ReadLine(std::string_view line) {
    ++lineNumber_;
    const std::string_view text = SkipSpace(line);
    if (text.empty() || text.starts_with("//") || text[0] == '"') return true;
    switch (text[0]) {
    case '{':
        if (depth_ == 2) return Fail("a brace opened inside a brush");
        if (++depth_ == 2) {
            faces_.clear();
            brushLine_ = lineNumber_;
        }
        return true;
    case '}':
        if (depth_ == 0) return Fail("a closing brace without an opening one");
        if (depth_-- == 2) {
            visitor_(MapBrushView{brushes_++, entities_, brushLine_, faces_});
        } else {
            ++entities_;
        }
        return true;
    case '(':
        if (depth_ != 2) return Fail("a face outside a brush");
        return ReadFace(text);
    default:
        if (depth_ == 0) return Fail("not a map: text outside any entity");
        return true;  // other entity contents (patches and the like) are not brushes
    }
}

bool MapTextParser::Finish() {
    if (depth_ != 0) return Fail("the file ends inside " + std::string(depth_ == 2 ? "a brush" : "an entity"));
    return true;
}

bool ReadMapText(std::string_view text, const BrushVisitor& visitor, std::string& whyNot) {
    MapTextParser parser(visitor);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (!parser.ReadLine(text.substr(0, end))) break;
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    if (!parser.Error().empty() || !parser.Finish()) {
        whyNot = parser.Error();
        return false;
    }
    return true;
}

bool ReadMapFile(const std::string& path, const BrushVisitor& visitor, std::string& whyNot) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        whyNot = std::strerror(errno);
        return false;
    }
    MapTextParser parser(visitor);
    std::string pending;  // a line cut by the end of a block
    std::unique_ptr<char[]> block(new char[kBlockSize]);
    for (;;) {
        const std::size_t got = std::fread(block.get(), 1, kBlockSize, file.get());
        std::string_view text(block.get(), got);
        for (std::size_t end; (end = text.find('\n')) != std::string_view::npos;) {
            bool read;
            if (pending.empty()) {
                read = parser.ReadLine(text.substr(0, end));
            } else {
                pending.append(text.substr(0, end));
                read = parser.ReadLine(pending);
                pending.clear();
            }
            if (!read) {
                whyNot = parser.Error();
                return false;
            }
            text.remove_prefix(end + 1);
        }
        pending.append(text);
        if (got < kBlockSize) break;
    }
    if (std::ferror(file.get())) {
        whyNot = std::strerror(errno);
        return false;
    }
    if ((!pending.empty() && !parser.ReadLine(pending)) || !parser.Finish()) {
        whyNot = parser.Error();
        return false;
    }
    return true;
}

}  // namespace ondrel::mapcheck
