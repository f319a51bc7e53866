// ondrel-baseline-convert [--via-rename] LEVEL MAP BYTES: what converting a
// text level costs a program that does only the unavoidable work. It reads
// and parses the level (std::from_chars), formats map-shaped face lines
// (std::to_chars) and writes exactly BYTES of them to MAP, replacing it.
// By default MAP is truncated and rewritten in place; with --via-rename the
// bytes go to a new file beside MAP that is then renamed over it, the way
// ondrel-convert replaces a map so that a failed run never destroys the old
// one. On a disk file system the two differ in cost (a new file's blocks are
// allocated afresh), so bench/whole_process.sh measures both beside
// ondrel-convert under /usr/bin/time.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "bench/Baselines.h"

int main(int argc, char** argv) {
    const bool viaRename = argc == 5 && std::string(argv[1]) == "--via-rename";
    if (argc != 4 && !viaRename) {
        std::fprintf(stderr, "usage: ondrel-baseline-convert [--via-rename] LEVEL MAP BYTES\n");
        return 1;
    }
    char** args = viaRename ? argv + 1 : argv;
    try {
        const auto vertices = ondrel::bench::BaselineReadText(args[1]);
        const std::uintmax_t bytes = std::strtoull(args[3], nullptr, 10);
        const std::string target = args[2];
        const std::string written_to = viaRename ? target + ".new" : target;
        const std::uintmax_t written = ondrel::bench::BaselineWriteMapText(vertices, bytes, written_to);
        if (viaRename && std::rename(written_to.c_str(), target.c_str()) != 0) {
            std::fprintf(stderr, "ondrel-baseline-convert: cannot rename over %s\n", target.c_str());
            return 1;
        }
        return written == bytes ? 0 : 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "ondrel-baseline-convert: %s\n", failure.what());
        return 1;
    }
}
