// ondrel-baseline-convert LEVEL MAP BYTES: what converting a text level
// costs a program that does only the unavoidable work. It reads and parses
// the level (std::from_chars), formats map-shaped face lines
// (std::to_chars) and writes exactly BYTES of them to MAP, replacing it.
// bench/whole_process.sh runs it beside ondrel-convert under /usr/bin/time.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "bench/Baselines.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: ondrel-baseline-convert LEVEL MAP BYTES\n");
        return 1;
    }
    try {
        const auto vertices = ondrel::bench::BaselineReadText(argv[1]);
        const std::uintmax_t bytes = std::strtoull(argv[3], nullptr, 10);
        const std::uintmax_t written = ondrel::bench::BaselineWriteMapText(vertices, bytes, argv[2]);
        return written == bytes ? 0 : 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "ondrel-baseline-convert: %s\n", failure.what());
        return 1;
    }
}
