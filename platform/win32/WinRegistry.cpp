#include "platform/win32/WinRegistry.h"

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <system_error>

#include "platform/win32/PathConvert.h"
#include "platform/win32/WinError.h"

struct PlatformRegistryKey {
    std::u16string installPath;
};

namespace {

constexpr std::u16string_view kKeyPath = u"software\\ondrel";
constexpr std::u16string_view kValueName = u"install path";

std::u16string Lowered(std::u16string_view text) {
    std::u16string lowered(text);
    for (char16_t& c : lowered) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        if (c == u'/') c = u'\\';
    }
    while (!lowered.empty() && lowered.back() == u'\\') lowered.pop_back();
    return lowered;
}

std::optional<std::filesystem::path> DataFolder() {
    if (const char* fromEnvironment = std::getenv("ONDREL_DATA_DIR"); fromEnvironment && *fromEnvironment) {
        return std::filesystem::path(fromEnvironment);
    }
    std::filesystem::path program = ondrel::platform::ProgramPath();
    if (program.empty()) return std::nullopt;
    std::filesystem::path installed = program.parent_path().parent_path() / "share" / "ondrel";
    std::error_code error;
    if (std::filesystem::is_directory(installed, error)) return installed;
    return std::nullopt;
}

}  // namespace

LONG RegOpenKeyExW(HKEY root, LPCWSTR subKey, DWORD, REGSAM, HKEY* result) {
    if (result == nullptr) return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    *result = nullptr;
    if (root != HKEY_LOCAL_MACHINE && root != HKEY_CURRENT_USER) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    if (subKey == nullptr || Lowered(subKey) != kKeyPath) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    std::optional<std::filesystem::path> folder = DataFolder();
    if (!folder) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    *result = new PlatformRegistryKey{ondrel::platform::FromNativePath(*folder)};
    return static_cast<LONG>(ERROR_SUCCESS);
}

LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, DWORD*, DWORD* type, BYTE* data, DWORD* dataSize) {
    if (key == nullptr || key == HKEY_LOCAL_MACHINE || key == HKEY_CURRENT_USER || key == HKEY_CLASSES_ROOT) {
        return static_cast<LONG>(ERROR_INVALID_HANDLE);
    }
    if (valueName == nullptr || Lowered(valueName) != kValueName) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    DWORD needed = static_cast<DWORD>((key->installPath.size() + 1) * sizeof(char16_t));
    if (type != nullptr) *type = REG_SZ;
    if (dataSize == nullptr) return data == nullptr ? static_cast<LONG>(ERROR_SUCCESS) : static_cast<LONG>(ERROR_INVALID_PARAMETER);
    DWORD available = *dataSize;
    *dataSize = needed;
    if (data == nullptr) return static_cast<LONG>(ERROR_SUCCESS);
    if (available < needed) return static_cast<LONG>(ERROR_MORE_DATA);
    std::memcpy(data, key->installPath.c_str(), needed);
    return static_cast<LONG>(ERROR_SUCCESS);
}

LONG RegCloseKey(HKEY key) {
    if (key == nullptr || key == HKEY_LOCAL_MACHINE || key == HKEY_CURRENT_USER || key == HKEY_CLASSES_ROOT) {
        return static_cast<LONG>(ERROR_INVALID_HANDLE);
    }
    delete key;
    return static_cast<LONG>(ERROR_SUCCESS);
}
