#include "fuzz/LevelChannel.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "mapexport/MapWriter.h"

namespace ondrel::fuzz {
namespace {

namespace fs = std::filesystem;

// The level file lives in memory, but is opened by name like any other.
struct InputFile {
    InputFile() {
        descriptor = memfd_create("ondrel-fuzz-level", MFD_CLOEXEC);
        if (descriptor < 0) std::abort();
        path = "/proc/self/fd/" + std::to_string(descriptor);
    }
    void Replace(std::span<const std::uint8_t> bytes) {
        if (ftruncate(descriptor, 0) != 0) std::abort();
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t wrote =
                pwrite(descriptor, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
            if (wrote <= 0) std::abort();
            done += static_cast<std::size_t>(wrote);
        }
    }
    int descriptor;
    std::string path;
};

// Maps go to a private folder, on a memory file system when there is one.
struct OutputFolder {
    OutputFolder() {
        std::error_code error;
        const fs::path base = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        folder = base / ("ondrel-fuzz-" + std::to_string(getpid()));
        fs::create_directories(folder);
        storedPath = (folder / "level.map").string();
        streamedPath = (folder / "streamed.map").string();
    }
    ~OutputFolder() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
    std::string storedPath;
    std::string streamedPath;
};

std::string Contents(const std::string& path) {
    std::string text;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) std::abort();
    char block[65536];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;) text.append(block, got);
    std::fclose(file);
    return text;
}

}  // namespace

bool ImportLevel(LevelData& level, std::span<const std::uint8_t> bytes, bool binary) {
    static InputFile input;
    input.Replace(bytes);
    return level.Import(fs::path(input.path), binary);
}

bool WriteBothMaps(const LevelData& level, const ConversionParameters& parameters,
                   StreamedMapFigures& figures, WrittenMaps& maps) {
    static OutputFolder output;
    if (!WriteMapFile(level, output.storedPath, parameters)) return false;
    if (!WriteSolidsAsMap(level, output.streamedPath, parameters, figures)) return false;
    maps.stored = Contents(output.storedPath);
    maps.streamed = Contents(output.streamedPath);
    return true;
}

}  // namespace ondrel::fuzz
