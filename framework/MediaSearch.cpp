#include "framework/MediaSearch.h"

#include <string>

#include "framework/FrameworkErrors.h"

namespace ondrel::framework {

namespace {

constexpr int kPathCapacity = MAX_PATH;
constexpr WCHAR kMediaFolder[] = u"\\Media\\";

struct ProgramPlace {
    WCHAR folder[kPathCapacity]{};
    WCHAR name[kPathCapacity]{};
};

bool Exists(LPCWSTR path) { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

// Paths may use either separator: the program's own path comes back with '/'.
LPCWSTR LastSeparator(LPCWSTR path) {
    LPCWSTR last = nullptr;
    for (LPCWSTR cursor = path; *cursor != u'\0'; ++cursor) {
        if (*cursor == u'\\' || *cursor == u'/') last = cursor;
    }
    return last;
}

ProgramPlace FindProgramPlace() {
    ProgramPlace place;
    WCHAR path[kPathCapacity]{};
    GetModuleFileNameW(nullptr, path, kPathCapacity);
    path[kPathCapacity - 1] = u'\0';
    LPCWSTR separator = LastSeparator(path);
    if (separator == nullptr) return place;
    wcsncpy_s(place.folder, kPathCapacity, path, static_cast<std::size_t>(separator - path));
    wcscpy_s(place.name, kPathCapacity, separator + 1);
    for (std::size_t i = lstrlenW(place.name); i > 0; --i) {
        if (place.name[i - 1] == u'.') {
            place.name[i - 1] = u'\0';
            break;
        }
    }
    return place;
}

// Tries the place list for one leaf; the destination holds the last candidate.
bool TryPlaces(LPWSTR destination, int capacity, LPCWSTR leaf, const ProgramPlace& program, LPCWSTR mediaPath) {
    const std::size_t size = static_cast<std::size_t>(capacity);
    auto found = [&](int written) { return written != 0 && Exists(destination); };
    return found(swprintf_s(destination, size, u"%s", leaf)) ||
           found(swprintf_s(destination, size, u"..\\%s", leaf)) ||
           found(swprintf_s(destination, size, u"..\\..\\%s", leaf)) ||
           found(swprintf_s(destination, size, u"%s\\%s", program.folder, leaf)) ||
           found(swprintf_s(destination, size, u"%s\\..\\%s", program.folder, leaf)) ||
           found(swprintf_s(destination, size, u"%s\\..\\..\\%s", program.folder, leaf)) ||
           found(swprintf_s(destination, size, u"%s\\..\\%s\\%s", program.folder, program.name, leaf)) ||
           found(swprintf_s(destination, size, u"%s\\..\\..\\%s\\%s", program.folder, program.name, leaf)) ||
           found(swprintf_s(destination, size, u"%s%s", mediaPath, leaf));
}

bool WalkUp(LPWSTR destination, int capacity, LPCWSTR start, LPCWSTR leaf) {
    WCHAR full[kPathCapacity];
    WCHAR* lastComponent = nullptr;
    if (GetFullPathNameW(start, kPathCapacity, full, &lastComponent) == 0) return false;
    while (lastComponent != nullptr && lastComponent[0] != u'\0') {
        WCHAR candidate[kPathCapacity];
        swprintf_s(candidate, kPathCapacity, u"%s\\%s", full, leaf);
        if (Exists(candidate)) {
            wcscpy_s(destination, static_cast<std::size_t>(capacity), candidate);
            return true;
        }
        WCHAR parent[kPathCapacity];
        swprintf_s(parent, kPathCapacity, u"%s\\..", full);
        lastComponent = nullptr;
        if (GetFullPathNameW(parent, kPathCapacity, full, &lastComponent) == 0) return false;
    }
    return false;
}

}  // namespace

HRESULT GetInstalledMediaPath(LPWSTR destination, int capacity) {
    if (destination == nullptr || capacity < 1) return E_INVALIDARG;
    destination[0] = u'\0';
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Ondrel", 0, KEY_READ, &key) != ERROR_SUCCESS) return E_FAIL;
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(capacity) * sizeof(WCHAR);
    LONG read = RegQueryValueExW(key, u"Install Path", nullptr, &type, reinterpret_cast<BYTE*>(destination), &size);
    RegCloseKey(key);
    destination[capacity - 1] = u'\0';
    if (read != ERROR_SUCCESS) {
        destination[0] = u'\0';
        return E_FAIL;
    }
    if (lstrlenW(destination) + lstrlenW(kMediaFolder) >= static_cast<std::size_t>(capacity)) return E_INVALIDARG;
    wcscat_s(destination, static_cast<std::size_t>(capacity), kMediaFolder);
    return S_OK;
}

HRESULT FindMediaFile(LPWSTR destination, int capacity, LPCWSTR name) {
    if (name == nullptr || name[0] == u'\0' || destination == nullptr || capacity < 10) return E_INVALIDARG;
    WCHAR mediaPath[kPathCapacity];
    GetInstalledMediaPath(mediaPath, kPathCapacity);
    ProgramPlace program = FindProgramPlace();

    WCHAR mediaLeaf[kPathCapacity];
    swprintf_s(mediaLeaf, kPathCapacity, u"media\\%s", name);
    if (TryPlaces(destination, capacity, name, program, mediaPath) ||
        TryPlaces(destination, capacity, mediaLeaf, program, mediaPath)) {
        return S_OK;
    }
    if (WalkUp(destination, capacity, u".", name) || WalkUp(destination, capacity, program.folder, name) ||
        WalkUp(destination, capacity, u".", mediaLeaf) || WalkUp(destination, capacity, program.folder, mediaLeaf)) {
        return S_OK;
    }
    wcscpy_s(destination, static_cast<std::size_t>(capacity), name);
    return MediaNotFound;
}

}  // namespace ondrel::framework
