#include <filesystem>

#include "cli/PathQueries.h"

namespace ondrel::cli {

namespace fs = std::filesystem;

bool SystemPathQueries::IsDirectory(const std::string& path) const {
    std::error_code ignored;
    return fs::is_directory(path, ignored);
}

std::string SystemPathQueries::Absolute(const std::string& path, std::error_code& error) const {
    return fs::absolute(path, error).lexically_normal().string();
}

std::string SystemPathQueries::Canonical(const std::string& path, std::error_code& error) const {
    const fs::path resolved = fs::weakly_canonical(fs::absolute(path, error), error);
    if (error) return {};
    return resolved.lexically_normal().string();
}

}  // namespace ondrel::cli
