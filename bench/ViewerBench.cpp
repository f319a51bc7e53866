// The viewer's drawing and import of the 1,000,000-triangle generated level
// on the software rasteriser (Mesa's llvmpipe through SDL's offscreen video
// driver and EGL), each beside a bare OpenGL baseline in the same run:
//
//   ViewerFrame                  clear, the scene's lighting, DrawLevel, Present, finish
//   BareGlFrame                  the same vertex buffer drawn by BareGlBaseline
//   ViewerImportToFirstFrame     LevelData::Import on the device's buffers, then one viewer frame
//   ConverterImportPlusUpload    the converter's import (no stored buffers) and one glBufferData
//   ConverterImportUploadAndBareFrame   the same and one bare frame
//
// Times are wall-clock; the CPU column is the whole process's (llvmpipe
// rasterises on its own threads). See docs/PERFORMANCE.md, "The viewer".

#include <SDL2/SDL.h>
#include <benchmark/benchmark.h>
#include <epoxy/gl.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "bench/BareGlBaseline.h"
#include "bench/BenchLevels.h"
#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "preview/OffscreenDevice.h"
#include "preview/PreviewView.h"
#include "scene/DrawLevel.h"
#include "scene/LevelVertexBufferFactory.h"
#include "scene/SceneLighting.h"

namespace ondrel::bench {
namespace {

constexpr unsigned kWidth = 640;  // the viewer's first window
constexpr unsigned kHeight = 480;
constexpr std::size_t kTriangles = 1000000;
constexpr DWORD kLightMoment = 1000;

const BenchLevel& Level() { return LevelOfSize(kTriangles); }

std::filesystem::path LevelPath(bool binary) { return binary ? Level().binaryPath : Level().textPath; }

// One offscreen device, the level's buffers on it, and the bare baseline
// beside it, made once for the whole run.
struct Stage {
    preview::OffscreenDevice device;
    std::unique_ptr<scene::DeviceLevelVertexBufferFactory> factory;
    std::unique_ptr<BareGlBaseline> baseline;
    LevelData level;
    preview::PreviewView view{};

    Stage() {
        std::string error;
        if (!device.Create(kWidth, kHeight, &error)) throw std::runtime_error(error);
        factory = std::make_unique<scene::DeviceLevelVertexBufferFactory>(device.Device());
        level.SetBufferFactory(factory.get());
        if (!level.Import(Level().binaryPath, true)) throw std::runtime_error("cannot import the level");
        conversion::PreviewRequest picture;
        picture.width = kWidth;
        picture.height = kHeight;
        view = preview::FrameLevel(*preview::BoundsOf(level.sourceVertices.get(), level.sourceCount), picture);
        baseline = std::make_unique<BareGlBaseline>(kWidth, kHeight);
        if (!baseline->Ready()) throw std::runtime_error("no bare OpenGL context");
        baseline->Upload(level.sourceVertices.get(), level.sourceCount);
    }
    ~Stage() {
        level.Reset();
        level.SetBufferFactory(nullptr);
    }
};

Stage& TheStage() {
    static Stage stage;
    return stage;
}

void ViewerFrame(IDirect3DDevice9* device, LevelData& level, const preview::PreviewView& view) {
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, scene::kSceneClearColour, 1.0f, 0);
    device->BeginScene();
    scene::ApplySceneLighting(device, kLightMoment);
    scene::DrawLevel(level, device, view.view, view.projection);
    device->EndScene();
    device->Present(nullptr, nullptr, nullptr, nullptr);
    // Present left the device's context current: wait for the rasteriser.
    glFinish();
}

GFXVECTOR3 LightTowards() {
    const D3DVECTOR travel = scene::SwayingLightDirection(kLightMoment);
    return GFXVECTOR3{-travel.x, -travel.y, -travel.z};
}

void Label(benchmark::State& state) {
    state.SetLabel(TheStage().baseline->Renderer());
    state.counters["triangles"] = static_cast<double>(TheStage().level.sourceCount / 3);
}

void ViewerFrame(benchmark::State& state) {
    Stage& stage = TheStage();
    for (auto _ : state) ViewerFrame(stage.device.Device(), stage.level, stage.view);
    Label(state);
}

void BareGlFrame(benchmark::State& state) {
    Stage& stage = TheStage();
    const GFXMATRIX transform = stage.view.view * stage.view.projection;
    for (auto _ : state) stage.baseline->DrawFrame(transform, LightTowards());
    Label(state);
}

void ViewerImportToFirstFrame(benchmark::State& state) {
    Stage& stage = TheStage();
    const bool binary = state.range(0) != 0;
    for (auto _ : state) {
        LevelData level;
        level.SetBufferFactory(stage.factory.get());
        if (!level.Import(LevelPath(binary), binary)) state.SkipWithError("import failed");
        ViewerFrame(stage.device.Device(), level, stage.view);
        state.PauseTiming();
        level.Reset();
        state.ResumeTiming();
    }
    Label(state);
}

void ConverterImport(benchmark::State& state, bool withFrame) {
    Stage& stage = TheStage();
    const bool binary = state.range(0) != 0;
    const GFXMATRIX transform = stage.view.view * stage.view.projection;
    DiscardingVertexBufferFactory discarding;
    for (auto _ : state) {
        LevelData level;
        level.SetBufferFactory(&discarding);
        if (!level.Import(LevelPath(binary), binary)) state.SkipWithError("import failed");
        stage.baseline->Upload(level.sourceVertices.get(), level.sourceCount);
        if (withFrame) stage.baseline->DrawFrame(transform, LightTowards());
    }
    Label(state);
}

void ConverterImportPlusUpload(benchmark::State& state) { ConverterImport(state, false); }
void ConverterImportUploadAndBareFrame(benchmark::State& state) { ConverterImport(state, true); }

BENCHMARK(ViewerFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BareGlFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(ViewerImportToFirstFrame)->ArgName("binary")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)
    ->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(ConverterImportPlusUpload)->ArgName("binary")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)
    ->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(ConverterImportUploadAndBareFrame)->ArgName("binary")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)
    ->UseRealTime()->MeasureProcessCPUTime();

}  // namespace
}  // namespace ondrel::bench

int main(int argc, char** argv) {
    // The software rasteriser, offscreen, unless the caller chose otherwise.
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // No SDL_Quit: the GL library stays loaded to the end of the process.
    return 0;
}
