#include "app/InstallPath.h"

#include "platform/win32/WinRegistry.h"
#include "platform/win32/Windows.h"

namespace ondrel::app {

std::u16string InstallPathBeside(const std::u16string& programPath) {
    const std::size_t separator = programPath.find_last_of(u"\\/");
    if (separator == std::u16string::npos) return {};
    return programPath.substr(0, separator) + u"/../share/ondrel";
}

void RegisterInstallPath() {
    WCHAR program[MAX_PATH];
    if (GetModuleFileNameW(nullptr, program, MAX_PATH) == 0) return;
    const std::u16string data = InstallPathBeside(program);
    if (data.empty()) return;
    WCHAR full[MAX_PATH];
    if (GetFullPathNameW(data.c_str(), MAX_PATH, full, nullptr) == 0) return;
    const DWORD attributes = GetFileAttributesW(full);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return;
    platform::SetRegistryValue(HKEY_LOCAL_MACHINE, u"Software\\Ondrel", u"Install Path", full);
}

}  // namespace ondrel::app
