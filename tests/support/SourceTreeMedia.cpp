#include "tests/support/SourceTreeMedia.h"

#include <string>

#include "framework/FrameworkErrors.h"

namespace ondrel::testing {

HRESULT SourceTreeMedia(LPWSTR destination, int capacity, LPCWSTR name) {
    const std::u16string wanted(name);
    if (wanted != u"UI\\Controls.dds") return framework::MediaNotFound;
    const std::string path = ONDREL_SOURCE_DIR "/media/UI/Controls.dds";
    if (static_cast<int>(path.size()) >= capacity) return E_FAIL;
    for (std::size_t i = 0; i < path.size(); ++i) destination[i] = static_cast<WCHAR>(path[i]);
    destination[path.size()] = 0;
    return S_OK;
}

}  // namespace ondrel::testing
