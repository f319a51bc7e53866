#include "platform/win32/WinLibraries.h"

#include <algorithm>
#include <deque>
#include <map>
#include <set>
#include <string>

#include "platform/win32/PlatformModule.h"
#include "platform/win32/TextConvert.h"
#include "platform/win32/WinError.h"
#include "platform/win32/WinTime.h"

namespace {

constexpr std::u16string_view kSystemDirectory = u"/ondrel/system32";

struct Library {
    PlatformModule module;
    std::map<std::string, FARPROC, std::less<>> entries;
    std::set<std::string, std::less<>> hidden;
    bool wholeHidden = false;
    int loads = 0;
};

std::u16string Folded(std::u16string_view name) {
    std::u16string folded(name);
    for (char16_t& c : folded) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return folded;
}

std::u16string FileNameOf(std::u16string_view path) {
    std::size_t separator = path.find_last_of(u"/\\");
    return Folded(separator == std::u16string_view::npos ? path : path.substr(separator + 1));
}

class LibraryTable {
public:
    LibraryTable() { Fill(); }

    void Fill() {
        libraries_.clear();
        systemDirectoryHidden_ = false;
        Register(u"winmm.dll", "timeBeginPeriod", reinterpret_cast<FARPROC>(&timeBeginPeriod));
        Register(u"winmm.dll", "timeEndPeriod", reinterpret_cast<FARPROC>(&timeEndPeriod));
    }

    void Register(std::u16string_view name, std::string_view entry, FARPROC address) {
        Library& library = LibraryNamed(Folded(name));
        library.entries[std::string(entry)] = address;
    }

    void Hide(std::u16string_view name, std::string_view entry) {
        Library& library = LibraryNamed(Folded(name));
        if (entry.empty()) library.wholeHidden = true;
        else library.hidden.insert(std::string(entry));
    }

    Library* Find(std::u16string_view fileName) {
        auto found = libraries_.find(FileNameOf(fileName));
        if (found == libraries_.end() || found->second.wholeHidden || found->second.entries.empty()) return nullptr;
        return &found->second;
    }

    Library* Of(HMODULE module) {
        for (auto& [name, library] : libraries_) {
            if (&library.module == module) return &library;
        }
        return nullptr;
    }

    int LoadedCount() const {
        int count = 0;
        for (const auto& [name, library] : libraries_) count += library.loads;
        return count;
    }

    bool systemDirectoryHidden_ = false;

private:
    Library& LibraryNamed(const std::u16string& name) {
        auto [position, added] = libraries_.try_emplace(name);
        if (added) position->second.module.library = nextId_++;
        return position->second;
    }

    // std::map keeps element addresses stable, so module handles stay valid.
    std::map<std::u16string, Library> libraries_;
    int nextId_ = 1;
};

LibraryTable& Table() {
    static LibraryTable table;
    return table;
}

}  // namespace

UINT GetSystemDirectoryW(LPWSTR buffer, UINT capacity) {
    if (Table().systemDirectoryHidden_) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return 0;
    }
    if (buffer == nullptr || capacity < kSystemDirectory.size() + 1) {
        return static_cast<UINT>(kSystemDirectory.size() + 1);
    }
    ondrel::platform::CopyToBuffer(kSystemDirectory, buffer, capacity);
    return static_cast<UINT>(kSystemDirectory.size());
}

HMODULE LoadLibraryW(LPCWSTR fileName) {
    Library* library = fileName != nullptr ? Table().Find(fileName) : nullptr;
    if (library == nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    ++library->loads;
    return &library->module;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
    Library* library = Table().Of(module);
    if (library == nullptr || name == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    auto found = library->entries.find(std::string_view(name));
    if (found == library->entries.end() || library->hidden.contains(std::string_view(name))) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return found->second;
}

BOOL FreeLibrary(HMODULE module) {
    Library* library = Table().Of(module);
    if (library == nullptr || library->loads == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    --library->loads;
    return TRUE;
}

HGDIOBJ GetStockObject(int object) {
    // Distinct non-null handles for the stock indices 0..19.
    if (object < 0 || object > 19) return nullptr;
    return reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(0x5700 + object));
}

namespace ondrel::platform {

void RegisterLibraryEntry(std::u16string_view library, std::string_view name, FARPROC entry) {
    Table().Register(library, name, entry);
}

void HideLibraryEntry(std::u16string_view library, std::string_view name) { Table().Hide(library, name); }

void HideSystemDirectory(bool hidden) { Table().systemDirectoryHidden_ = hidden; }

void ResetLibraryTable() { Table().Fill(); }

int LoadedLibraryCount() { return Table().LoadedCount(); }

}  // namespace ondrel::platform
