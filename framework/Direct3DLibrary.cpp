#include "framework/Direct3DLibrary.h"

#include <array>
#include <optional>

#include "platform/win32/Windows.h"

namespace ondrel::framework {

namespace {

using Direct3DCreate9Function = IDirect3D9* (*)(UINT);

constexpr std::array<const char*, 7> kPerformanceMarkerNames = {
    "D3DPERF_BeginEvent",  "D3DPERF_EndEvent",   "D3DPERF_SetMarker", "D3DPERF_SetRegion",
    "D3DPERF_QueryRepeatFrame", "D3DPERF_SetOptions", "D3DPERF_GetStatus"};

struct LoadedDirect3D {
    HMODULE module = nullptr;
    Direct3DCreate9Function create = nullptr;
    std::array<FARPROC, kPerformanceMarkerNames.size()> markers{};
};

std::optional<LoadedDirect3D>& Loaded() {
    static std::optional<LoadedDirect3D> loaded;
    return loaded;
}

// This program's graphics layer is linked in; it stands in the table as
// d3d9.dll so that the framework finds it the way it finds any library.
void RegisterGraphicsLibrary() {
    platform::RegisterLibraryEntry(u"d3d9.dll", "Direct3DCreate9", reinterpret_cast<FARPROC>(&Direct3DCreate9));
}

LoadedDirect3D LoadLibraryOnce() {
    RegisterGraphicsLibrary();
    LoadedDirect3D loaded;
    WCHAR path[MAX_PATH + 1];
    if (GetSystemDirectoryW(path, MAX_PATH + 1) == 0) return loaded;
    wcscat_s(path, MAX_PATH + 1, u"\\d3d9.dll");
    loaded.module = LoadLibraryW(path);
    if (loaded.module == nullptr) return loaded;
    loaded.create = reinterpret_cast<Direct3DCreate9Function>(GetProcAddress(loaded.module, "Direct3DCreate9"));
    for (std::size_t i = 0; i < kPerformanceMarkerNames.size(); ++i) {
        loaded.markers[i] = GetProcAddress(loaded.module, kPerformanceMarkerNames[i]);
    }
    return loaded;
}

}  // namespace

IDirect3D9* LoadDirect3D(UINT sdkVersion) {
    if (!Loaded()) Loaded() = LoadLibraryOnce();
    return Loaded()->create != nullptr ? Loaded()->create(sdkVersion) : nullptr;
}

void ResetDirect3DLibrary() {
    if (Loaded() && Loaded()->module != nullptr) FreeLibrary(Loaded()->module);
    Loaded().reset();
}

}  // namespace ondrel::framework
