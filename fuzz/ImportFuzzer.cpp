// Feeds arbitrary bytes to the level importer, then converts and writes what
// it read, both as the viewer does (solids stored, then written) and as the
// converter does (each brush written as it is built); the two maps must be
// the same bytes. The first byte picks the format (bit 0: binary) and the export
// scale (bits 1-2) and the extrusion factors (bits 3-6), so that the extremes of the
// integer snapping are reached too; the rest is the file.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "mapexport/MapWriter.h"
#include "mapexport/SolidBuilder.h"
#include "mapexport/StreamedMap.h"

namespace {

namespace fs = std::filesystem;

// The level file lives in memory: no disk traffic per input.
struct InputFile {
    InputFile() {
        descriptor = memfd_create("ondrel-fuzz-level", MFD_CLOEXEC);
        if (descriptor < 0) std::abort();
        path = "/proc/self/fd/" + std::to_string(descriptor);
    }
    void Replace(const std::uint8_t* data, std::size_t size) {
        if (ftruncate(descriptor, 0) != 0) std::abort();
        for (std::size_t done = 0; done < size;) {
            const ssize_t wrote = pwrite(descriptor, data + done, size - done, static_cast<off_t>(done));
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
        mapPath = (folder / "level.map").string();
        streamedPath = (folder / "streamed.map").string();
    }
    ~OutputFolder() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
    std::string mapPath;
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

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckImported(const ondrel::LevelData& level) {
    Require(level.sourceCount <= level.sourceCapacity);
    Require(level.sourceCapacity % 256 == 0);
    Require(level.previewCount == 0);
}

void CheckConverted(const ondrel::LevelData& level) {
    Require(level.brushCount == level.sourceCount / 3);
    std::uint64_t faceRecords = 0;
    for (std::uint32_t i = 0; i < level.brushCount; ++i) {
        const ondrel::Brush& brush = level.brushes[i];
        Require(brush.faceCount == (brush.kind == ondrel::SolidKind::Block ? 8u : 4u));
        faceRecords += 3u * brush.faceCount;
    }
    Require(level.previewCount == faceRecords);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static InputFile input;
    static OutputFolder output;
    if (size == 0) return 0;

    const std::uint8_t mode = data[0];
    const bool binary = (mode & 1) != 0;
    static const float kScales[] = {40.0f, 0.1f, 1.0f, 3.0e9f};
    static const float kFactors[] = {5.0f, 0.1f, 64.0f, 1.0e30f};
    input.Replace(data + 1, size - 1);

    const ondrel::ConversionParameters parameters{kFactors[(mode >> 3) & 3], kFactors[(mode >> 5) & 3],
                                                  kScales[(mode >> 1) & 3]};
    ondrel::MemoryVertexBufferFactory buffers;
    ondrel::LevelData level;
    level.SetBufferFactory(&buffers);

    level.Import(fs::path(input.path), binary);
    CheckImported(level);
    if (ondrel::ConvertToSolids(level, parameters)) {
        CheckConverted(level);
        Require(ondrel::WriteMapFile(level, output.mapPath, parameters));
        ondrel::StreamedMapFigures figures;
        Require(ondrel::WriteSolidsAsMap(level, output.streamedPath, parameters, figures));
        Require(figures.prisms + figures.pyramids == level.brushCount);
        Require(Contents(output.streamedPath) == Contents(output.mapPath));
    }
    return 0;
}
