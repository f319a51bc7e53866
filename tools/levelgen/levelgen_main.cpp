// ondrel-levelgen: writes one of our own sample levels in the text and/or
// binary export format. The same arguments give the same bytes everywhere.

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "tools/levelgen/FacilityGenerator.h"
#include "tools/levelgen/LevelFileFormat.h"

namespace {

constexpr const char* kUsage =
    "usage: ondrel-levelgen [--triangles N] [--seed S] [--text FILE.txt] [--binary FILE.bin]\n"
    "\n"
    "Generates a facility (rooms, corridors, stairs, a ramp, pillars, a skylight,\n"
    "crates) with exactly N triangles (default 4000), repeated on a grid for large N,\n"
    "and writes it as a text export, a binary export, or both.\n";

bool ParseCount(std::string_view text, unsigned long long& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "ondrel-levelgen: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    ondrel::levelgen::FacilityOptions options;
    std::string textPath, binaryPath;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (i + 1 >= argc) return Fail("missing value after " + std::string(argument) + "\n" + kUsage);
        const std::string_view value = argv[++i];
        unsigned long long number = 0;
        if (argument == "--triangles" && ParseCount(value, number) && number >= 1 && number <= 10000000) {
            options.triangles = static_cast<std::size_t>(number);
        } else if (argument == "--seed" && ParseCount(value, number)) {
            options.seed = number;
        } else if (argument == "--text") {
            textPath = value;
        } else if (argument == "--binary") {
            binaryPath = value;
        } else {
            return Fail("bad argument " + std::string(argument) + " " + std::string(value) +
                        " (--triangles takes 1 to 10000000)\n" + kUsage);
        }
    }
    if (textPath.empty() && binaryPath.empty()) return Fail(std::string("nothing to write\n") + kUsage);

    const auto level = ondrel::levelgen::GenerateFacility(options);
    const struct {
        const std::string& path;
        void (*append)(const ondrel::levelgen::GeneratedLevel&, std::string&);
    } outputs[] = {{textPath, ondrel::levelgen::AppendTextLevel},
                   {binaryPath, ondrel::levelgen::AppendBinaryLevel}};
    for (const auto& output : outputs) {
        if (output.path.empty()) continue;
        std::string bytes;
        output.append(level, bytes);
        if (!ondrel::levelgen::WriteWholeFile(output.path, bytes)) {
            return Fail("cannot write " + output.path + ": " + std::strerror(errno));
        }
        std::fprintf(stderr, "ondrel-levelgen: %zu triangles in %zu groups, %zu bytes: %s\n",
                     level.TriangleCount(), level.groups.size(), bytes.size(), output.path.c_str());
    }
    return 0;
}
