// The converter's stages on generated facility levels, each beside the
// least its input or output can cost (bench/Baselines.h). Sizes are in
// triangles; compare a stage with its baseline at the same size.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "bench/Baselines.h"
#include "bench/BenchLevels.h"
#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "mapexport/MapWriter.h"
#include "mapexport/SolidBuilder.h"

namespace ondrel::bench {
namespace {

struct HeadlessLevel {
    DiscardingVertexBufferFactory buffers;
    LevelData level;
    HeadlessLevel() { level.SetBufferFactory(&buffers); }
};

void Require(bool condition, const char* what) {
    if (!condition) throw std::runtime_error(what);
}

std::unique_ptr<HeadlessLevel> ConvertedLevel(const BenchLevel& input) {
    auto headless = std::make_unique<HeadlessLevel>();
    Require(headless->level.Import(input.binaryPath, true), "import failed");
    Require(ConvertToSolids(headless->level, {}), "conversion failed");
    return headless;
}

std::uintmax_t MapBytes(const BenchLevel& input) {
    const std::string path = ScratchPath("size-probe.map");
    Require(WriteMapFile(ConvertedLevel(input)->level, path, {}), "write failed");
    const std::uintmax_t bytes = std::filesystem::file_size(path);
    std::filesystem::remove(path);
    return bytes;
}

std::size_t Size(const benchmark::State& state) { return static_cast<std::size_t>(state.range(0)); }

// Every timed write makes a new file, as a first conversion does: the last
// iteration's output is deleted outside the timing. Otherwise the real
// writer, which replaces its target only after writing a complete new file,
// would be timed freeing the old file's pages and the baseline, which
// truncates, would not.
void RemoveUntimed(benchmark::State& state, const std::string& path) {
    state.PauseTiming();
    std::filesystem::remove(path);
    state.ResumeTiming();
}

void BM_TextImport(benchmark::State& state) {
    const BenchLevel& input = LevelOfSize(Size(state));
    for (auto _ : state) {
        HeadlessLevel headless;
        Require(headless.level.Import(input.textPath, false), "import failed");
        benchmark::DoNotOptimize(headless.level.sourceCount);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.textBytes));
}

void BM_TextImportBaseline(benchmark::State& state) {
    const BenchLevel& input = LevelOfSize(Size(state));
    for (auto _ : state) benchmark::DoNotOptimize(BaselineReadText(input.textPath.string()).size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.textBytes));
}

void BM_BinaryImport(benchmark::State& state) {
    const BenchLevel& input = LevelOfSize(Size(state));
    for (auto _ : state) {
        HeadlessLevel headless;
        Require(headless.level.Import(input.binaryPath, true), "import failed");
        benchmark::DoNotOptimize(headless.level.sourceCount);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.binaryBytes));
}

void BM_BinaryImportBaseline(benchmark::State& state) {
    const BenchLevel& input = LevelOfSize(Size(state));
    for (auto _ : state) benchmark::DoNotOptimize(BaselineReadBinary(input.binaryPath.string()).size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.binaryBytes));
}

void BM_Convert(benchmark::State& state) {
    const BenchLevel& input = LevelOfSize(Size(state));
    HeadlessLevel headless;
    Require(headless.level.Import(input.binaryPath, true), "import failed");
    for (auto _ : state) {
        Require(ConvertToSolids(headless.level, {}), "conversion failed");
        benchmark::DoNotOptimize(headless.level.brushCount);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * input.triangles));
}

void BM_ConvertBaseline(benchmark::State& state) {
    const BenchLevel& input = LevelOfSize(Size(state));
    const auto vertices = BaselineReadBinary(input.binaryPath.string());
    std::vector<float> faces;
    for (auto _ : state) benchmark::DoNotOptimize(BaselineConvert(vertices, faces));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * input.triangles));
}

void BM_WriteMap(benchmark::State& state) {
    const BenchLevel& input = LevelOfSize(Size(state));
    const auto converted = ConvertedLevel(input);
    const std::string path = ScratchPath("written.map");
    for (auto _ : state) {
        RemoveUntimed(state, path);
        Require(WriteMapFile(converted->level, path, {}), "write failed");
    }
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(path)));
    std::filesystem::remove(path);
}

void BM_WriteMapBaseline(benchmark::State& state) {
    const BenchLevel& input = LevelOfSize(Size(state));
    const std::uintmax_t bytes = MapBytes(input);
    const auto vertices = BaselineReadBinary(input.binaryPath.string());
    const std::string path = ScratchPath("baseline.map");
    for (auto _ : state) {
        RemoveUntimed(state, path);
        benchmark::DoNotOptimize(BaselineWriteMapText(vertices, bytes, path));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    std::filesystem::remove(path);
}

// What ondrel-convert does with a text level: import, convert, write.
void BM_EndToEnd(benchmark::State& state) {
    const BenchLevel& input = LevelOfSize(Size(state));
    const std::string path = ScratchPath("end-to-end.map");
    for (auto _ : state) {
        RemoveUntimed(state, path);
        HeadlessLevel headless;
        Require(headless.level.Import(input.textPath, false), "import failed");
        Require(ConvertToSolids(headless.level, {}), "conversion failed");
        Require(WriteMapFile(headless.level, path, {}), "write failed");
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * input.triangles));
    std::filesystem::remove(path);
}

void BM_EndToEndBaseline(benchmark::State& state) {
    const BenchLevel& input = LevelOfSize(Size(state));
    const std::uintmax_t bytes = MapBytes(input);
    const std::string path = ScratchPath("end-to-end-baseline.map");
    for (auto _ : state) {
        RemoveUntimed(state, path);
        const auto vertices = BaselineReadText(input.textPath.string());
        benchmark::DoNotOptimize(BaselineWriteMapText(vertices, bytes, path));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * input.triangles));
    std::filesystem::remove(path);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
}

BENCHMARK(BM_TextImport)->Apply(Sizes);
BENCHMARK(BM_TextImportBaseline)->Apply(Sizes);
BENCHMARK(BM_BinaryImport)->Apply(Sizes);
BENCHMARK(BM_BinaryImportBaseline)->Apply(Sizes);
BENCHMARK(BM_Convert)->Apply(Sizes);
BENCHMARK(BM_ConvertBaseline)->Apply(Sizes);
BENCHMARK(BM_WriteMap)->Apply(Sizes);
BENCHMARK(BM_WriteMapBaseline)->Apply(Sizes);
BENCHMARK(BM_EndToEnd)->Apply(Sizes);
BENCHMARK(BM_EndToEndBaseline)->Apply(Sizes);

}  // namespace
}  // namespace ondrel::bench

BENCHMARK_MAIN();
