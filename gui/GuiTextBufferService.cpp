#include "gui/GuiTextBufferService.h"

#include "platform/win32/Windows.h"

namespace ondrel::gui {
namespace {

constexpr UINT kSystemPathLength = 261;

ScriptStringService& Current() {
    static ScriptStringService service = PlaceholderScriptStringService();
    return service;
}

HMODULE& LoadedModule() {
    static HMODULE module = nullptr;
    return module;
}

template <typename Function>
FARPROC AsEntry(Function function) {
    return reinterpret_cast<FARPROC>(function);
}

// The utility library's measuring calls are linked into the program; they
// stand in the library table as usp10.dll so the lookup below finds them the
// way it would find the system's.
void RegisterMeasuringLibrary() {
    const ScriptStringService linked = AvailableScriptStringService();
    platform::RegisterLibraryEntry(u"usp10.dll", "ScriptApplyDigitSubstitution",
                                   AsEntry(linked.applyDigitSubstitution));
    platform::RegisterLibraryEntry(u"usp10.dll", "ScriptStringAnalyse", AsEntry(linked.analyse));
    platform::RegisterLibraryEntry(u"usp10.dll", "ScriptStringCPtoX", AsEntry(linked.cpToX));
    platform::RegisterLibraryEntry(u"usp10.dll", "ScriptStringXtoCP", AsEntry(linked.xToCp));
    platform::RegisterLibraryEntry(u"usp10.dll", "ScriptStringFree", AsEntry(linked.free));
    platform::RegisterLibraryEntry(u"usp10.dll", "ScriptString_pLogAttr", AsEntry(linked.logAttr));
    platform::RegisterLibraryEntry(u"usp10.dll", "ScriptString_pcOutChars", AsEntry(linked.outChars));
}

// Keeps the placeholder unless the library has the entry.
template <typename Function>
void LookUp(HMODULE module, const char* name, Function& slot) {
    if (const FARPROC entry = GetProcAddress(module, name); entry != nullptr) {
        slot = reinterpret_cast<Function>(entry);
    }
}

}  // namespace

const ScriptStringService& TextMeasuring() { return Current(); }

void SetTextMeasuring(const ScriptStringService& service) { Current() = service; }

void ResetTextMeasuring() { Current() = PlaceholderScriptStringService(); }

void LoadTextMeasuring() {
    FreeTextMeasuring();
    RegisterMeasuringLibrary();
    WCHAR path[kSystemPathLength + 11] = {};
    if (GetSystemDirectoryW(path, kSystemPathLength) == 0) {
        return;
    }
    wcscat_s(path, kSystemPathLength + 11, u"\\usp10.dll");
    HMODULE module = LoadLibraryW(path);
    if (module == nullptr) {
        return;
    }
    LoadedModule() = module;
    ScriptStringService& service = Current();
    LookUp(module, "ScriptApplyDigitSubstitution", service.applyDigitSubstitution);
    LookUp(module, "ScriptStringAnalyse", service.analyse);
    LookUp(module, "ScriptStringCPtoX", service.cpToX);
    LookUp(module, "ScriptStringXtoCP", service.xToCp);
    LookUp(module, "ScriptStringFree", service.free);
    LookUp(module, "ScriptString_pLogAttr", service.logAttr);
    LookUp(module, "ScriptString_pcOutChars", service.outChars);
}

void FreeTextMeasuring() {
    if (LoadedModule() != nullptr) {
        FreeLibrary(LoadedModule());
        LoadedModule() = nullptr;
    }
    ResetTextMeasuring();
}

}  // namespace ondrel::gui
