#include "cli/DisplayName.h"

#include <algorithm>

namespace ondrel::cli {
namespace {

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

void AppendEscaped(std::string& out, char c) {
    static constexpr char kHex[] = "0123456789abcdef";
    switch (c) {
        case '\n': out += "\\n"; return;
        case '\r': out += "\\r"; return;
        case '\t': out += "\\t"; return;
        case '\\': out += "\\\\"; return;
        case '"': out += "\\\""; return;
        default: break;
    }
    if (!IsControl(c)) {
        out += c;
        return;
    }
    const auto byte = static_cast<unsigned char>(c);
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
}

}  // namespace

std::string DisplayName(const std::string& name) {
    if (std::none_of(name.begin(), name.end(), IsControl)) return name;
    std::string shown = "\"";
    for (const char c : name) AppendEscaped(shown, c);
    shown += '"';
    return shown;
}

}  // namespace ondrel::cli
