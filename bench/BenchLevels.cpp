#include "bench/BenchLevels.h"

#include <unistd.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>

#include "tools/levelgen/FacilityGenerator.h"
#include "tools/levelgen/LevelFileFormat.h"

namespace ondrel::bench {
namespace {

namespace fs = std::filesystem;

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "ondrel-bench.XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

ScratchFolder& Scratch() {
    static ScratchFolder folder;
    return folder;
}

}  // namespace

std::string ScratchPath(const std::string& name) { return (Scratch().Path() / name).string(); }

const BenchLevel& LevelOfSize(std::size_t triangles) {
    static std::map<std::size_t, std::unique_ptr<BenchLevel>> levels;
    auto& slot = levels[triangles];
    if (!slot) {
        slot = std::make_unique<BenchLevel>();
        slot->triangles = triangles;
        const auto generated = levelgen::GenerateFacility({triangles, 1});
        const std::string stem = "facility-" + std::to_string(triangles);
        slot->textPath = ScratchPath(stem + ".txt");
        slot->binaryPath = ScratchPath(stem + ".bin");
        std::string bytes;
        levelgen::AppendTextLevel(generated, bytes);
        slot->textBytes = bytes.size();
        if (!levelgen::WriteWholeFile(slot->textPath.string(), bytes)) throw std::runtime_error("write failed");
        bytes.clear();
        levelgen::AppendBinaryLevel(generated, bytes);
        slot->binaryBytes = bytes.size();
        if (!levelgen::WriteWholeFile(slot->binaryPath.string(), bytes)) throw std::runtime_error("write failed");
    }
    return *slot;
}

}  // namespace ondrel::bench
