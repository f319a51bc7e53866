#pragma once
// A small made-up file system that answers planning's questions without a
// system call: the current folder is /work, which holds the folders maps/
// and out/ and a link alias that leads to maps/. Names are resolved by
// their text alone, and a part longer than the system allows cannot be
// resolved, as on a real system, so every branch of planning is reached.

#include "cli/PathQueries.h"

namespace ondrel::fuzz {

class InMemoryPathQueries final : public cli::PathQueries {
public:
    bool IsDirectory(const std::string& path) const override;
    std::string Absolute(const std::string& path, std::error_code& error) const override;
    std::string Canonical(const std::string& path, std::error_code& error) const override;
};

}  // namespace ondrel::fuzz
