#include "platform/d3d9/GraphicsBackend.h"

#include <map>

#include "platform/d3d9/D3D9.h"

namespace ondrel::graphics {
namespace {

struct BackendTable {
    std::map<std::string, Direct3DFactory, std::less<>> named;
    std::string selected;
    Direct3DFactory inFront;
    Direct3DFactory current;

    void Refresh() {
        if (inFront) {
            current = inFront;
            return;
        }
        auto found = named.find(selected);
        current = found != named.end() ? found->second : Direct3DFactory();
    }
};

BackendTable& Table() {
    static BackendTable table;
    return table;
}

}  // namespace

void RegisterGraphicsBackend(const std::string& name, Direct3DFactory factory) {
    BackendTable& table = Table();
    table.named[name] = std::move(factory);
    table.Refresh();
}

bool SelectGraphicsBackend(std::string_view name) {
    BackendTable& table = Table();
    if (table.named.find(name) == table.named.end()) return false;
    table.selected = std::string(name);
    table.Refresh();
    return true;
}

std::string SelectedGraphicsBackend() { return Table().selected; }

std::vector<std::string> GraphicsBackendNames() {
    std::vector<std::string> names;
    for (const auto& [name, factory] : Table().named) names.push_back(name);
    return names;
}

void ClearGraphicsBackends() { Table() = BackendTable{}; }

void SetGraphicsBackend(Direct3DFactory factory) {
    BackendTable& table = Table();
    table.inFront = std::move(factory);
    table.Refresh();
}

void ResetGraphicsBackend() { SetGraphicsBackend(nullptr); }

const Direct3DFactory& CurrentGraphicsBackend() { return Table().current; }

}  // namespace ondrel::graphics

IDirect3D9* Direct3DCreate9(UINT sdkVersion) {
    if (sdkVersion != D3D_SDK_VERSION) return nullptr;
    const ondrel::graphics::Direct3DFactory& factory = ondrel::graphics::CurrentGraphicsBackend();
    return factory ? factory(sdkVersion) : nullptr;
}
