#include "fuzz/InMemoryPaths.h"

#include <array>
#include <string_view>

namespace ondrel::fuzz {
namespace {

constexpr std::string_view kCurrentFolder = "/work";
constexpr std::array<std::string_view, 4> kFolders = {"/", "/work", "/work/maps", "/work/out"};
constexpr std::string_view kLink = "/work/alias";
constexpr std::string_view kLinkTarget = "/work/maps";
constexpr std::size_t kLongestPart = 255;
constexpr std::size_t kLongestPath = 4095;

bool IsFolder(std::string_view path) {
    for (std::string_view folder : kFolders) {
        if (folder == path) return true;
    }
    return false;
}

// Drops the last part of an absolute name; the root stays the root.
void LeaveLastPart(std::string& name) {
    const auto slash = name.find_last_of('/');
    name.resize(slash == 0 ? 1 : slash);
}

void AddPart(std::string& name, std::string_view part) {
    if (name.back() != '/') name += '/';
    name += part;
}

// The absolute name with its "." and ".." parts and doubled separators
// taken out, by its text alone; a name that ends in a separator (or in "."
// or "..") keeps one at the end. Plain string work: this runs a few times
// per input, and path objects would cost an allocation per part. With
// `followLink`, the link is replaced by where it leads wherever it stands.
std::string Plain(std::string_view path, bool followLink) {
    std::string name(path.starts_with('/') ? "/" : kCurrentFolder);
    name.reserve(kCurrentFolder.size() + path.size() + 1);
    bool endsInSeparator = false;
    for (std::size_t start = 0; start <= path.size();) {
        const auto end = std::min(path.find('/', start), path.size());
        const std::string_view part = path.substr(start, end - start);
        start = end + 1;
        endsInSeparator = part.empty() || part == "." || part == "..";
        if (part == "..") {
            LeaveLastPart(name);
        } else if (!part.empty() && part != ".") {
            AddPart(name, part);
            if (followLink && name == kLink) name = kLinkTarget;
        }
    }
    if (endsInSeparator && name.size() > 1) name += '/';
    return name;
}

bool Resolvable(std::string_view path) {
    if (path.size() > kLongestPath) return false;
    std::size_t partLength = 0;
    for (char c : path) {
        partLength = c == '/' ? 0 : partLength + 1;
        if (partLength > kLongestPart) return false;
    }
    return true;
}

}  // namespace

bool InMemoryPathQueries::IsDirectory(const std::string& path) const {
    std::error_code ignored;
    std::string resolved = Canonical(path, ignored);
    if (resolved.size() > 1 && resolved.back() == '/') resolved.pop_back();
    return IsFolder(resolved);
}

std::string InMemoryPathQueries::Absolute(const std::string& path, std::error_code& error) const {
    error.clear();
    return Plain(path, false);
}

std::string InMemoryPathQueries::Canonical(const std::string& path, std::error_code& error) const {
    error.clear();
    if (!Resolvable(path)) {
        error = std::make_error_code(std::errc::filename_too_long);
        return {};
    }
    std::string resolved = Plain(path, true);
    // An existing folder's name loses its closing separator, as when the
    // system resolves it.
    if (resolved.size() > 1 && resolved.back() == '/' &&
        IsFolder(std::string_view(resolved).substr(0, resolved.size() - 1))) {
        resolved.pop_back();
    }
    return resolved;
}

}  // namespace ondrel::fuzz
