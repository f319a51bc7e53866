#include "devicesettings/dialog/SettingsItemText.h"

namespace ondrel::devicesettings {

std::u16string NumberText(UINT value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string DeviceTypeText(D3DDEVTYPE type) {
    switch (type) {
        case D3DDEVTYPE_HAL: return u"D3DDEVTYPE_HAL";
        case D3DDEVTYPE_REF: return u"D3DDEVTYPE_REF";
        case D3DDEVTYPE_SW: return u"D3DDEVTYPE_SW";
        default: return u"Unknown devType";
    }
}

std::u16string MultiSampleTypeText(D3DMULTISAMPLE_TYPE type) {
    const auto value = static_cast<UINT>(type);
    if (value == 0) return u"D3DMULTISAMPLE_NONE";
    if (value == 1) return u"D3DMULTISAMPLE_NONMASKABLE";
    if (value <= 16) return u"D3DMULTISAMPLE_" + NumberText(value) + u"_SAMPLES";
    return u"Unknown Multisample Type";
}

std::u16string VertexProcessingText(DWORD flag) {
    switch (flag) {
        case D3DCREATE_SOFTWARE_VERTEXPROCESSING: return u"Software vertex processing";
        case D3DCREATE_HARDWARE_VERTEXPROCESSING: return u"Hardware vertex processing";
        case D3DCREATE_PUREDEVICE: return u"Pure hardware vertex processing";
        case D3DCREATE_MIXED_VERTEXPROCESSING: return u"Mixed vertex processing";
        default: return u"Unknown vertex processing type";
    }
}

std::u16string PresentIntervalText(UINT interval) {
    switch (interval) {
        case D3DPRESENT_INTERVAL_IMMEDIATE: return u"D3DPRESENT_INTERVAL_IMMEDIATE";
        case D3DPRESENT_INTERVAL_DEFAULT: return u"D3DPRESENT_INTERVAL_DEFAULT";
        case D3DPRESENT_INTERVAL_ONE: return u"D3DPRESENT_INTERVAL_ONE";
        case D3DPRESENT_INTERVAL_TWO: return u"D3DPRESENT_INTERVAL_TWO";
        case D3DPRESENT_INTERVAL_THREE: return u"D3DPRESENT_INTERVAL_THREE";
        case D3DPRESENT_INTERVAL_FOUR: return u"D3DPRESENT_INTERVAL_FOUR";
        default: return u"Unknown PresentInterval";
    }
}

std::u16string ResolutionText(UINT width, UINT height) {
    return NumberText(width) + u" by " + NumberText(height);
}

std::u16string RefreshRateText(UINT rate) { return rate == 0 ? u"Default Rate" : NumberText(rate) + u" Hz"; }

}  // namespace ondrel::devicesettings
