#pragma once
// Generated levels for the benchmarks, made once per size per run and kept
// as text and binary files in a scratch folder under TMPDIR.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace ondrel::bench {

struct BenchLevel {
    std::size_t triangles = 0;
    std::filesystem::path textPath;
    std::filesystem::path binaryPath;
    std::uintmax_t textBytes = 0;
    std::uintmax_t binaryBytes = 0;
};

const BenchLevel& LevelOfSize(std::size_t triangles);

// A path in the scratch folder for outputs.
std::string ScratchPath(const std::string& name);

}  // namespace ondrel::bench
