#include "platform/win32/WinRegistry.h"

#include <cstring>
#include <map>
#include <utility>

#include "platform/win32/WinError.h"

// An open key: a copy of its values, so that a value set later does not
// change what an open handle answers.
struct PlatformRegistryKey {
    std::map<std::u16string, std::u16string> values;
};

namespace {

using KeyName = std::pair<HKEY, std::u16string>;

std::map<KeyName, std::map<std::u16string, std::u16string>>& Values() {
    static std::map<KeyName, std::map<std::u16string, std::u16string>> values;
    return values;
}

std::u16string Lowered(std::u16string_view text) {
    std::u16string lowered(text);
    for (char16_t& c : lowered) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        if (c == u'/') c = u'\\';
    }
    while (!lowered.empty() && lowered.back() == u'\\') lowered.pop_back();
    return lowered;
}

bool IsRoot(HKEY key) { return key == HKEY_LOCAL_MACHINE || key == HKEY_CURRENT_USER || key == HKEY_CLASSES_ROOT; }

}  // namespace

namespace ondrel::platform {

void SetRegistryValue(HKEY root, std::u16string_view subKey, std::u16string_view name, std::u16string value) {
    Values()[KeyName{root, Lowered(subKey)}][Lowered(name)] = std::move(value);
}

void ClearRegistryValues() { Values().clear(); }

}  // namespace ondrel::platform

LONG RegOpenKeyExW(HKEY root, LPCWSTR subKey, DWORD, REGSAM, HKEY* result) {
    if (result == nullptr) return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    *result = nullptr;
    if (!IsRoot(root) || subKey == nullptr) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    auto found = Values().find(KeyName{root, Lowered(subKey)});
    if (found == Values().end() || found->second.empty()) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    *result = new PlatformRegistryKey{found->second};
    return static_cast<LONG>(ERROR_SUCCESS);
}

LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, DWORD*, DWORD* type, BYTE* data, DWORD* dataSize) {
    if (key == nullptr || IsRoot(key)) return static_cast<LONG>(ERROR_INVALID_HANDLE);
    auto found = key->values.find(Lowered(valueName != nullptr ? valueName : u""));
    if (found == key->values.end()) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    const std::u16string& text = found->second;
    DWORD needed = static_cast<DWORD>((text.size() + 1) * sizeof(char16_t));
    if (type != nullptr) *type = REG_SZ;
    if (dataSize == nullptr) return data == nullptr ? static_cast<LONG>(ERROR_SUCCESS) : static_cast<LONG>(ERROR_INVALID_PARAMETER);
    DWORD available = *dataSize;
    *dataSize = needed;
    if (data == nullptr) return static_cast<LONG>(ERROR_SUCCESS);
    if (available < needed) return static_cast<LONG>(ERROR_MORE_DATA);
    std::memcpy(data, text.c_str(), needed);
    return static_cast<LONG>(ERROR_SUCCESS);
}

LONG RegCloseKey(HKEY key) {
    if (key == nullptr || IsRoot(key)) return static_cast<LONG>(ERROR_INVALID_HANDLE);
    delete key;
    return static_cast<LONG>(ERROR_SUCCESS);
}
