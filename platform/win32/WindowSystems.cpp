#include "platform/win32/WindowSystems.h"

#include <cstdio>
#include <cstdlib>
#include <map>

namespace ondrel::platform {
namespace {

struct WindowSystemTable {
    std::map<std::string, WindowSystemFactory, std::less<>> factories;
    std::string selected;
};

WindowSystemTable& Table() {
    static WindowSystemTable table;
    return table;
}

}  // namespace

void RegisterWindowSystem(const std::string& name, WindowSystemFactory factory) {
    Table().factories[name] = std::move(factory);
}

bool SelectWindowSystem(std::string_view name) {
    WindowSystemTable& table = Table();
    if (table.factories.find(name) == table.factories.end()) return false;
    table.selected = std::string(name);
    return true;
}

std::string SelectedWindowSystem() { return Table().selected; }

std::vector<std::string> WindowSystemNames() {
    std::vector<std::string> names;
    for (const auto& [name, factory] : Table().factories) names.push_back(name);
    return names;
}

std::unique_ptr<PlatformServices> CreateSelectedWindowSystem() {
    WindowSystemTable& table = Table();
    auto found = table.factories.find(table.selected);
    if (found == table.factories.end()) {
        std::fputs("ondrel: no window system selected; the program must call UseSdlWindowSystem() "
                   "(platform/sdl) or install another backend before its first window call\n",
                   stderr);
        std::abort();
    }
    return found->second();
}

void ResetWindowSystems() { Table() = WindowSystemTable{}; }

}  // namespace ondrel::platform
