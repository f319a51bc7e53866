// The names shown for adapters: two identical cards must still be told apart.
#include <cstring>
#include <string>

#include "devicesettings/enumeration/DeviceEnumeration.h"
#include "platform/win32/TextConvert.h"

namespace ondrel::devicesettings {
namespace {

bool DescriptionsAreUnique(const GrowableArray<std::unique_ptr<AdapterInfo>>& adapters) {
    for (int i = 0; i < adapters.GetSize(); ++i) {
        for (int j = i + 1; j < adapters.GetSize(); ++j) {
            if (std::strcmp(adapters[i]->identifier.Description, adapters[j]->identifier.Description) == 0) {
                return false;
            }
        }
    }
    return true;
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// The description cut to leave room for the suffix and the terminator, so
// that a long name never loses the suffix that makes it unique.
std::u16string Shortened(std::u16string text, std::size_t room) {
    if (text.size() <= room) return text;
    text.resize(room);
    if (!text.empty() && IsHighSurrogate(text.back())) text.pop_back();
    return text;
}

std::u16string OrdinalSuffix(UINT ordinal) {
    return u" (#" + platform::Utf8ToUtf16(std::to_string(ordinal)) + u")";
}

}  // namespace

void MakeUniqueDescriptions(GrowableArray<std::unique_ptr<AdapterInfo>>& adapters) {
    const bool unique = DescriptionsAreUnique(adapters);
    constexpr std::size_t kRoom = AdapterInfo::kUniqueDescriptionLength - 1;
    for (std::unique_ptr<AdapterInfo>& adapter : adapters) {
        // The identifier's text is in the system code page, which is UTF-8 here.
        std::u16string description = platform::Utf8ToUtf16(adapter->identifier.Description);
        const std::u16string suffix = unique ? std::u16string() : OrdinalSuffix(adapter->adapterOrdinal);
        description = Shortened(std::move(description), kRoom - suffix.size()) + suffix;
        platform::CopyToBuffer(description, adapter->uniqueDescription, AdapterInfo::kUniqueDescriptionLength);
    }
}

}  // namespace ondrel::devicesettings
