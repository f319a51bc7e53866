// Runs the importer fuzz target once over every file given on the command
// line (or in the folders given), without libFuzzer. The normal and the
// sanitizer test builds replay the committed corpus this way, so an input
// that once broke the importer stays a test once it is added there.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int ReplayFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int failures = 0, replayed = 0;
    // A target may change its working folder on its first input, so every
    // name is made absolute first.
    std::vector<std::filesystem::path> givenPaths;
    for (int i = 1; i < argc; ++i) givenPaths.push_back(std::filesystem::absolute(argv[i]));
    for (const std::filesystem::path& given : givenPaths) {
        if (std::filesystem::is_directory(given)) {
            std::vector<std::filesystem::path> files;
            for (const auto& entry : std::filesystem::directory_iterator(given)) files.push_back(entry.path());
            for (const auto& file : files) {
                failures += ReplayFile(file);
                ++replayed;
            }
        } else {
            failures += ReplayFile(given);
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return failures == 0 && replayed > 0 ? 0 : 1;
}
