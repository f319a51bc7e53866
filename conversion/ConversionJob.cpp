#include "conversion/ConversionJob.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "mapexport/StreamedMap.h"
#include "merge/MergedMap.h"
#include "conversion/ScaleFit.h"

namespace ondrel::conversion {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUnableToConvert = "Unable to convert to solids.";

// Checked before the import, which cannot tell these cases apart.
bool CheckInput(const std::string& input, ConversionResult& result) {
    std::error_code error;
    const fs::file_status status = fs::status(input, error);
    if (status.type() == fs::file_type::not_found) {
        result.status = ConversionStatus::InputMissing;
        result.problem = "no such file";
        return false;
    }
    if (error) {
        result.status = ConversionStatus::InputUnreadable;
        result.problem = error.message();
        return false;
    }
    if (status.type() != fs::file_type::regular) {
        result.status = ConversionStatus::InputNotRegular;
        result.problem = status.type() == fs::file_type::directory ? "is a directory, not a level file"
                                                                    : "is not a regular file";
        return false;
    }
    return true;
}

// Why an import gave no records: the file could not be opened, or held none.
bool OpenableForReading(const std::string& input, std::string& why) {
    std::FILE* file = std::fopen(input.c_str(), "rb");
    if (file == nullptr) {
        why = std::strerror(errno);
        return false;
    }
    std::fclose(file);
    return true;
}

// Asked of the file itself, not of its size: files of /proc and /sys say
// they are empty and still have text to read.
bool HasNoBytes(const std::string& input) {
    std::FILE* file = std::fopen(input.c_str(), "rb");
    if (file == nullptr) return false;
    const bool empty = std::fgetc(file) == EOF;
    std::fclose(file);
    return empty;
}

std::string NoTriangleReason(const std::string& input, std::uint32_t vertices, bool binary) {
    if (HasNoBytes(input)) return "The file is empty.";
    if (vertices == 0) {
        return std::string("No vertex could be read as ") + (binary ? "binary" : "text") +
               " (is it a level export, and in that format?).";
    }
    return std::to_string(vertices) + (vertices == 1 ? " vertex was" : " vertices were") +
           " read; a triangle needs 3.";
}

void RecordSolids(const StreamedMapFigures& figures, ConversionResult& result) {
    result.prisms = figures.prisms;
    result.pyramids = figures.pyramids;
    result.brushes = figures.prisms + figures.pyramids;
    for (int axis = 0; axis < 3; ++axis) result.origin[axis] = figures.origin[axis];
}

void Convert(const ConversionJob& job, ConversionProgress& progress, ConversionResult& result) {
    if (!CheckInput(job.input, result)) return;

    DiscardingVertexBufferFactory buffers;
    LevelData level;
    level.SetBufferFactory(&buffers);

    progress.EnterPhase(ConversionPhase::Importing);
    const bool imported = level.Import(fs::path(job.input), job.binary);
    result.verticesRead = level.sourceCount;
    result.trianglesRead = level.sourceCount / 3;
    std::string why;
    if (!imported && level.sourceCount == 0 && !OpenableForReading(job.input, why)) {
        result.status = ConversionStatus::InputUnreadable;
        result.problem = "cannot be read: " + why;
        return;
    }
    if (result.trianglesRead == 0) {
        result.status = ConversionStatus::NoWholeTriangle;
        result.problem = std::string(kUnableToConvert) + " " +
                         NoTriangleReason(job.input, level.sourceCount, job.binary);
        return;
    }

    // The solids are built and written one brush at a time (the origin
    // found first), so a large level never holds all its solids at once.
    progress.EnterPhase(ConversionPhase::Converting);
    progress.EnterPhase(ConversionPhase::Writing);
    StreamedMapFigures figures;
    merge::MergeFigures merged;
    ScaledSpan span;
    const bool written = job.merge
                             ? merge::WriteMergedMap(level, job.output, job.parameters, figures, merged, &why, &span)
                             : WriteSolidsAsMap(level, job.output, job.parameters, figures, &why, &span);
    if (!written) {
        result.status = ConversionStatus::OutputFailed;
        result.problem = "cannot write " + job.output + (why.empty() ? "" : ": " + why);
        return;
    }
    RecordSolids(figures, result);
    result.merged = job.merge;
    result.mergedBrushes = merged.polygons;
    result.mergedTriangles = merged.trianglesMerged;
    std::error_code error;
    result.outputBytes = fs::file_size(job.output, error);
    result.saturated = span.Clamped();
    result.scaledLowest = span.lowest;
    result.scaledHighest = span.highest;
    if (result.saturated) {
        result.largestFittingScale = LargestFittingScale(level, figures.origin, job.parameters);
    }
}

}  // namespace

ConversionResult RunConversion(const ConversionJob& job, ConversionProgress& progress) {
    const auto start = std::chrono::steady_clock::now();
    ConversionResult result;
    result.input = job.input;
    result.output = job.output;
    Convert(job, progress, result);
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

}  // namespace ondrel::conversion
