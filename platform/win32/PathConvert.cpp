#include "platform/win32/PathConvert.h"

#include <algorithm>
#include <system_error>

#include "platform/win32/TextConvert.h"
#include "unicode/Utf16ToUtf8.h"

namespace ondrel::platform {

std::filesystem::path ToNativePath(std::u16string_view path) {
    std::u16string separated(path);
    std::replace(separated.begin(), separated.end(), u'\\', u'/');
    return std::filesystem::path(unicode::Utf16ToUtf8(separated));
}

std::u16string FromNativePath(const std::filesystem::path& path) { return NativeUtf8ToUtf16(path.string()); }

std::filesystem::path ProgramPath() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program;
}

}  // namespace ondrel::platform
