#pragma once
// What output planning asks the file system: whether a name is a folder and
// where a name leads. Planning only asks, never changes anything, so a
// stand-in can answer from memory (the options fuzzer plans thousands of
// batches a second that way); ondrel-convert asks the real file system.

#include <string>
#include <system_error>

namespace ondrel::cli {

class PathQueries {
public:
    virtual ~PathQueries() = default;

    virtual bool IsDirectory(const std::string& path) const = 0;

    // An absolute name made plain (no "." or ".." parts, no doubled
    // separators), without looking at what exists.
    virtual std::string Absolute(const std::string& path, std::error_code& error) const = 0;

    // A name as the file system will resolve it, links followed, also for a
    // file that does not exist yet; empty, with `error` set, when it cannot
    // be resolved.
    virtual std::string Canonical(const std::string& path, std::error_code& error) const = 0;
};

// The real file system, from the current folder.
class SystemPathQueries final : public PathQueries {
public:
    bool IsDirectory(const std::string& path) const override;
    std::string Absolute(const std::string& path, std::error_code& error) const override;
    std::string Canonical(const std::string& path, std::error_code& error) const override;
};

}  // namespace ondrel::cli
