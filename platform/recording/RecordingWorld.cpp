#include "platform/recording/RecordingWorld.h"

#include <algorithm>

#include "platform/d3d9/DeviceCore.h"
#include "platform/d3d9/SystemCore.h"
#include "platform/recording/RecordingRenderer.h"
#include "platform/win32/WinMonitor.h"

namespace ondrel::recording {
namespace {

using graphics::AdapterCatalogue;
using graphics::DeviceCreation;
using graphics::DeviceRenderer;

class RecordingBackend final : public graphics::SystemBackend, public graphics::CallObserver {
public:
    explicit RecordingBackend(std::shared_ptr<RecordingWorld> world) : world_(std::move(world)) {}

    const AdapterCatalogue& Catalogue() override { return world_->Catalogue(); }
    graphics::CallObserver* Observer() override { return this; }
    HRESULT OnCall(std::string_view name, const std::string& arguments) override {
        return world_->OnCall(name, arguments);
    }
    bool WindowClientSize(HWND window, UINT* width, UINT* height) override {
        return world_->WindowClientSize(window, width, height);
    }
    HRESULT CreateRenderer(const DeviceCreation& creation, std::unique_ptr<DeviceRenderer>* renderer) override {
        *renderer = std::make_unique<RecordingRenderer>(creation.parameters);
        return D3D_OK;
    }
    void DeviceCreated(graphics::DeviceCore* device) override { world_->DeviceCreated(device); }
    void DeviceDestroyed(graphics::DeviceCore* device) override { world_->DeviceDestroyed(device); }

private:
    std::shared_ptr<RecordingWorld> world_;
};

}  // namespace

RecordingWorld::RecordingWorld() : census_(std::make_shared<graphics::ObjectCensus>()) {
    catalogue_.adapters.push_back(TypicalAdapter());
}

std::shared_ptr<RecordingWorld> RecordingWorld::Create() {
    return std::shared_ptr<RecordingWorld>(new RecordingWorld());
}

graphics::AdapterDescription RecordingWorld::TypicalAdapter(const std::string& description) {
    graphics::AdapterDescription adapter;
    graphics::CopyIdentifierText(adapter.identifier.Driver, sizeof adapter.identifier.Driver, "recording.dll");
    graphics::CopyIdentifierText(adapter.identifier.Description, sizeof adapter.identifier.Description, description);
    graphics::CopyIdentifierText(adapter.identifier.DeviceName, sizeof adapter.identifier.DeviceName,
                                 "\\\\.\\DISPLAY1");
    for (D3DFORMAT format : {D3DFMT_X8R8G8B8, D3DFMT_R5G6B5}) {
        for (auto [w, h] : {std::pair<UINT, UINT>{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}}) {
            adapter.modes.push_back(D3DDISPLAYMODE{w, h, 60, format});
        }
    }
    // The desktop of the scripted platform's display, so that code comparing
    // the window's monitor and desktop with the adapter's sees them agree.
    adapter.currentMode = D3DDISPLAYMODE{1280, 1024, 60, D3DFMT_X8R8G8B8};
    adapter.monitor = MonitorFromDisplayIndex(0);
    adapter.devices.push_back(graphics::TypicalDeviceSupport(D3DDEVTYPE_HAL));
    return adapter;
}

IDirect3D9* RecordingWorld::CreateDirect3D() {
    return graphics::SystemCore::Create(std::make_unique<RecordingBackend>(shared_from_this()), census_);
}

void RecordingWorld::FailCall(const std::string& name, HRESULT result, int times) {
    failures_[name] = Failure{result, times};
}

void RecordingWorld::ClearFailures() {
    failures_.clear();
    loseOnPresent_ = false;
}

void RecordingWorld::LoseDeviceOnPresent() { loseOnPresent_ = true; }

void RecordingWorld::LoseDevices() {
    for (graphics::DeviceCore* device : devices_) device->Lose();
}

void RecordingWorld::AllowReset() {
    for (graphics::DeviceCore* device : devices_) device->AllowReset();
}

HRESULT RecordingWorld::OnCall(std::string_view name, const std::string& arguments) {
    HRESULT result = S_OK;
    if (loseOnPresent_ && name == "IDirect3DDevice9::Present") {
        loseOnPresent_ = false;
        result = D3DERR_DEVICELOST;
    } else if (auto found = failures_.find(name); found != failures_.end()) {
        result = found->second.result;
        if (found->second.remaining > 0 && --found->second.remaining == 0) failures_.erase(found);
    }
    calls_.push_back(RecordedCall{std::string(name), arguments, result});
    return result;
}

std::vector<std::string> RecordingWorld::CallNames() const {
    std::vector<std::string> names;
    names.reserve(calls_.size());
    for (const RecordedCall& call : calls_) names.push_back(call.name);
    return names;
}

std::size_t RecordingWorld::CountCalls(std::string_view name) const {
    return static_cast<std::size_t>(
        std::count_if(calls_.begin(), calls_.end(), [&](const RecordedCall& call) { return call.name == name; }));
}

void RecordingWorld::SetWindowClientSize(HWND window, UINT width, UINT height) {
    windowSizes_[window] = {width, height};
}

bool RecordingWorld::WindowClientSize(HWND window, UINT* width, UINT* height) const {
    auto found = windowSizes_.find(window);
    *width = found != windowSizes_.end() ? found->second.first : 640;
    *height = found != windowSizes_.end() ? found->second.second : 480;
    return true;
}

RecordingRenderer& RecordingWorld::Renderer(std::size_t device) const {
    return static_cast<RecordingRenderer&>(devices_.at(device)->Renderer());
}

void RecordingWorld::DeviceCreated(graphics::DeviceCore* device) { devices_.push_back(device); }

void RecordingWorld::DeviceDestroyed(graphics::DeviceCore* device) {
    devices_.erase(std::remove(devices_.begin(), devices_.end(), device), devices_.end());
}

ScopedRecordingBackend::ScopedRecordingBackend(std::shared_ptr<RecordingWorld> world) {
    graphics::SetGraphicsBackend([world](UINT) { return world->CreateDirect3D(); });
}

ScopedRecordingBackend::~ScopedRecordingBackend() { graphics::ResetGraphicsBackend(); }

}  // namespace ondrel::recording
