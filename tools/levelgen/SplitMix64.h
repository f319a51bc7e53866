#pragma once
// Integer-only pseudo-random numbers, so a seed yields the same level on every
// compiler, library and machine (no floating point, no std distributions,
// whose algorithms differ between standard libraries).

#include <cstdint>

namespace ondrel::levelgen {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform enough for level layout in [low, high]; the slight modulo bias
    // does not matter here, determinism does.
    std::int32_t Between(std::int32_t low, std::int32_t high) {
        const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low + 1);
        return static_cast<std::int32_t>(low + static_cast<std::int64_t>(Next() % span));
    }

private:
    std::uint64_t state_;
};

}  // namespace ondrel::levelgen
