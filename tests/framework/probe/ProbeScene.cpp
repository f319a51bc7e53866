#include "tests/framework/probe/ProbeScene.h"

#include <cstdio>

#include "framework/Framework.h"

namespace ondrel::probe {

namespace {

constexpr D3DCOLOR kBackground = 0xFF203060;
constexpr D3DCOLOR kTriangle = 0xFFFFE000;
constexpr DWORD kVertexFormat = D3DFVF_XYZRHW | D3DFVF_DIFFUSE;

struct ScreenVertex {
    float x, y, z, rhw;
    D3DCOLOR colour;
};

struct ProbeRun {
    Failure failure = Failure::None;
    std::FILE* log = nullptr;
    std::string lastStatus;
    IDirect3DTexture9* leaked = nullptr;
    int framesMoved = 0;
    int framesRendered = 0;
};

ProbeRun& Run() {
    static ProbeRun run;
    return run;
}

HRESULT OnDeviceCreated(IDirect3DDevice9* device, const D3DSURFACE_DESC*) {
    switch (Run().failure) {
    case Failure::DeviceCreated: return E_FAIL;
    case Failure::DeviceCreatedMedia: return framework::MediaNotFound;
    case Failure::LeakedObject:
        // Never released: the framework must report the device's count.
        return device->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &Run().leaked, nullptr);
    default: return S_OK;
    }
}

HRESULT OnDeviceReset(IDirect3DDevice9*, const D3DSURFACE_DESC*) {
    return Run().failure == Failure::DeviceReset ? E_FAIL : S_OK;
}

// One line whenever what the keys control changed since the last frame.
void OnFrameMove(IDirect3DDevice9* device, double, float) {
    ++Run().framesMoved;
    if (Run().log == nullptr) return;
    DWORD fill = 0;
    device->GetRenderState(D3DRS_FILLMODE, &fill);
    char status[160];
    std::snprintf(status, sizeof status, "windowed=%d timePaused=%d renderingPaused=%d fill=%lu",
                  framework::IsWindowed() ? 1 : 0, framework::IsTimePaused() ? 1 : 0,
                  framework::IsRenderingPaused() ? 1 : 0, static_cast<unsigned long>(fill));
    if (Run().lastStatus == status) return;
    Run().lastStatus = status;
    std::fprintf(Run().log, "%s\n", status);
    std::fflush(Run().log);
}

// The triangle covers the middle of the back buffer whatever its size.
void OnFrameRender(IDirect3DDevice9* device, double, float) {
    ++Run().framesRendered;
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kBackground, 1.0f, 0);
    if (FAILED(device->BeginScene())) return;
    D3DSURFACE_DESC back = framework::GetBackBufferSurfaceDesc();
    const float w = static_cast<float>(back.Width), h = static_cast<float>(back.Height);
    const ScreenVertex triangle[3] = {
        {w * 0.5f, h * 0.05f, 0.5f, 1.0f, kTriangle},
        {w * 0.95f, h * 0.95f, 0.5f, 1.0f, kTriangle},
        {w * 0.05f, h * 0.95f, 0.5f, 1.0f, kTriangle},
    };
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetFVF(kVertexFormat);
    device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, sizeof(ScreenVertex));
    device->EndScene();
}

}  // namespace

Failure FailureNamed(const std::string& name) {
    if (name == "created") return Failure::DeviceCreated;
    if (name == "media") return Failure::DeviceCreatedMedia;
    if (name == "reset") return Failure::DeviceReset;
    if (name == "leak") return Failure::LeakedObject;
    return Failure::None;
}

void PrintFrameCounts() { std::printf("frames moved %d rendered %d\n", Run().framesMoved, Run().framesRendered); }

void RegisterProbeCallbacks(Failure failure, const std::string& logPath) {
    Run().failure = failure;
    if (!logPath.empty()) Run().log = std::fopen(logPath.c_str(), "w");
    framework::SetDeviceCreatedCallback(OnDeviceCreated);
    framework::SetDeviceResetCallback(OnDeviceReset);
    framework::SetFrameMoveCallback(OnFrameMove);
    framework::SetFrameRenderCallback(OnFrameRender);
}

}  // namespace ondrel::probe
