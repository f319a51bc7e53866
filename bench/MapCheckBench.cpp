// The map check on the converted generated levels: the whole check (read,
// parse, rebuild every brush) beside the read and parse alone, so the
// difference is the geometry's cost. Sizes are in brushes.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>

#include "bench/BenchLevels.h"
#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "mapcheck/MapQuality.h"
#include "mapexport/StreamedMap.h"

namespace ondrel::bench {
namespace {

void Require(bool condition, const std::string& what) {
    if (!condition) throw std::runtime_error(what);
}

// The map of a generated level at the default settings, written once per
// size per run.
const std::string& MapOfSize(std::size_t triangles) {
    static std::map<std::size_t, std::string> written;
    auto found = written.find(triangles);
    if (found != written.end()) return found->second;
    const BenchLevel& input = LevelOfSize(triangles);
    DiscardingVertexBufferFactory buffers;
    LevelData level;
    level.SetBufferFactory(&buffers);
    Require(level.Import(input.binaryPath, true), "import failed");
    const std::string path = ScratchPath("check-" + std::to_string(triangles) + ".map");
    StreamedMapFigures figures;
    Require(WriteSolidsAsMap(level, path, {}, figures), "write failed");
    return written.emplace(triangles, path).first->second;
}

std::size_t Size(const benchmark::State& state) { return static_cast<std::size_t>(state.range(0)); }

void BM_CheckMap(benchmark::State& state) {
    const std::string& path = MapOfSize(Size(state));
    for (auto _ : state) {
        mapcheck::MapQuality quality;
        std::string whyNot;
        Require(mapcheck::CheckMapFile(path, quality, nullptr, whyNot), whyNot);
        benchmark::DoNotOptimize(quality.problemBrushes);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Size(state)));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(path)));
}

void BM_ReadMapOnly(benchmark::State& state) {
    const std::string& path = MapOfSize(Size(state));
    for (auto _ : state) {
        std::size_t faces = 0;
        std::string whyNot;
        Require(mapcheck::ReadMapFile(path, [&](const mapcheck::MapBrushView& b) { faces += b.faces.size(); }, whyNot),
                whyNot);
        benchmark::DoNotOptimize(faces);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Size(state)));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(path)));
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_CheckMap)->Apply(Sizes);
BENCHMARK(BM_ReadMapOnly)->Apply(Sizes);

}  // namespace
}  // namespace ondrel::bench

BENCHMARK_MAIN();
