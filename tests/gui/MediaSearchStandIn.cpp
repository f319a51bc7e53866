// The framework's media search is declared but not yet part of this build's
// framework library; the GUI tests find the skin in the source tree instead.
// Remove once the framework defines FindMediaFile.

#include <string>

#include "framework/FrameworkErrors.h"
#include "framework/MediaSearch.h"
#include "platform/win32/TextConvert.h"

namespace ondrel::framework {

HRESULT FindMediaFile(LPWSTR destination, int capacity, LPCWSTR name) {
    if (destination == nullptr || name == nullptr || capacity < 10) return E_INVALIDARG;
    std::u16string path = platform::Utf8ToUtf16(ONDREL_SOURCE_DIR "/media/");
    path += platform::FromWide(name);
    const bool found = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    platform::CopyToBuffer(found ? std::u16string_view(path) : std::u16string_view(name), destination,
                           static_cast<std::size_t>(capacity));
    return found ? S_OK : MediaNotFound;
}

}  // namespace ondrel::framework
