#pragma once
// The scripted machine behind the recording backend. A test builds one, says
// which adapters, modes, capabilities and formats exist and which calls must
// fail, installs it as the graphics backend, runs the code under test and
// then reads the call log and the live-object counts.
//
//   auto world = ondrel::recording::RecordingWorld::Create();
//   world->FailCall("IDirect3DDevice9::CreateTexture", E_OUTOFMEMORY, 1);
//   ondrel::recording::ScopedRecordingBackend installed(world);
//   IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);  // answered by `world`

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/d3d9/AdapterCatalogue.h"
#include "platform/d3d9/CallObserver.h"
#include "platform/d3d9/D3D9.h"
#include "platform/d3d9/ObjectCensus.h"

namespace ondrel::graphics {
class DeviceCore;
}

namespace ondrel::recording {

class RecordingRenderer;

struct RecordedCall {
    std::string name;       // "IDirect3DDevice9::SetRenderState"
    std::string arguments;  // "137, 1"; pointers as ptr/null
    HRESULT result;         // S_OK unless the call was made to fail
};

class RecordingWorld : public std::enable_shared_from_this<RecordingWorld> {
public:
    // One typical adapter with a hardware device and no reference device.
    static std::shared_ptr<RecordingWorld> Create();

    // An adapter as a test would start from: modes 640x480, 800x600,
    // 1024x768, 1280x1024 at 60 Hz in X8R8G8B8 and R5G6B5, current 1280x1024
    // X8R8G8B8 (the scripted platform's display), the monitor of display 0,
    // one HAL device with typical support.
    static graphics::AdapterDescription TypicalAdapter(const std::string& description = "Recording Adapter");

    // The machine as the system objects see it; change it freely between calls.
    graphics::AdapterCatalogue& Catalogue() { return catalogue_; }

    // A new system object answered by this world (one reference).
    IDirect3D9* CreateDirect3D();

    // --- failure injection
    // The next `times` calls of `name` (every call when times < 0) answer
    // `result` and do nothing. Names are "Interface::Method".
    void FailCall(const std::string& name, HRESULT result, int times = -1);
    void ClearFailures();
    // The next Present answers D3DERR_DEVICELOST and the device stays lost.
    void LoseDeviceOnPresent();
    // Every live device is lost now (TestCooperativeLevel: D3DERR_DEVICELOST).
    void LoseDevices();
    // Lost devices may be reset (TestCooperativeLevel: D3DERR_DEVICENOTRESET).
    void AllowReset();

    // --- call log
    const std::vector<RecordedCall>& Calls() const { return calls_; }
    std::vector<std::string> CallNames() const;
    std::size_t CountCalls(std::string_view name) const;
    void ClearCalls() { calls_.clear(); }

    // --- objects
    long LiveObjects(graphics::ObjectKind kind) const { return census_->Alive(kind); }
    long LiveObjectsTotal() const { return census_->AliveTotal(); }
    const std::vector<graphics::DeviceCore*>& Devices() const { return devices_; }
    // The renderer of a live device, in creation order: draw and present
    // counts, the cleared back buffer, the cursor image.
    RecordingRenderer& Renderer(std::size_t device = 0) const;

    // Client size reported for windows (for windowed back buffers of 0 x 0).
    void SetWindowClientSize(HWND window, UINT width, UINT height);

    // For the backend.
    HRESULT OnCall(std::string_view name, const std::string& arguments);
    bool WindowClientSize(HWND window, UINT* width, UINT* height) const;
    void DeviceCreated(graphics::DeviceCore* device);
    void DeviceDestroyed(graphics::DeviceCore* device);
    std::shared_ptr<graphics::ObjectCensus> Census() const { return census_; }

private:
    RecordingWorld();

    struct Failure {
        HRESULT result;
        int remaining;  // < 0: always
    };

    graphics::AdapterCatalogue catalogue_;
    std::shared_ptr<graphics::ObjectCensus> census_;
    std::map<std::string, Failure, std::less<>> failures_;
    bool loseOnPresent_ = false;
    std::vector<RecordedCall> calls_;
    std::vector<graphics::DeviceCore*> devices_;
    std::map<HWND, std::pair<UINT, UINT>> windowSizes_;
};

// Installs a world as the graphics backend for a scope, then puts the default
// (OpenGL) backend back.
class ScopedRecordingBackend {
public:
    explicit ScopedRecordingBackend(std::shared_ptr<RecordingWorld> world);
    ~ScopedRecordingBackend();
    ScopedRecordingBackend(const ScopedRecordingBackend&) = delete;
    ScopedRecordingBackend& operator=(const ScopedRecordingBackend&) = delete;
};

}  // namespace ondrel::recording
