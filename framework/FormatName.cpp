// The Direct3D 9 name of every format value.

#include <array>
#include <string_view>

#include "framework/FrameStats.h"

namespace ondrel::framework {

namespace {

struct NamedFormat {
    DWORD value;
    LPCWSTR name;
};

constexpr DWORD FourCC(char a, char b, char c, char d) { return MAKEFOURCC(a, b, c, d); }

constexpr std::array<NamedFormat, 77> kFormatNames = {{
    {D3DFMT_UNKNOWN, u"D3DFMT_UNKNOWN"},
    {D3DFMT_R8G8B8, u"D3DFMT_R8G8B8"},
    {D3DFMT_A8R8G8B8, u"D3DFMT_A8R8G8B8"},
    {D3DFMT_X8R8G8B8, u"D3DFMT_X8R8G8B8"},
    {D3DFMT_R5G6B5, u"D3DFMT_R5G6B5"},
    {D3DFMT_X1R5G5B5, u"D3DFMT_X1R5G5B5"},
    {D3DFMT_A1R5G5B5, u"D3DFMT_A1R5G5B5"},
    {D3DFMT_A4R4G4B4, u"D3DFMT_A4R4G4B4"},
    {D3DFMT_R3G3B2, u"D3DFMT_R3G3B2"},
    {D3DFMT_A8, u"D3DFMT_A8"},
    {D3DFMT_A8R3G3B2, u"D3DFMT_A8R3G3B2"},
    {D3DFMT_X4R4G4B4, u"D3DFMT_X4R4G4B4"},
    {D3DFMT_A2B10G10R10, u"D3DFMT_A2B10G10R10"},
    {D3DFMT_A8B8G8R8, u"D3DFMT_A8B8G8R8"},
    {D3DFMT_X8B8G8R8, u"D3DFMT_X8B8G8R8"},
    {D3DFMT_G16R16, u"D3DFMT_G16R16"},
    {D3DFMT_A2R10G10B10, u"D3DFMT_A2R10G10B10"},
    {D3DFMT_A16B16G16R16, u"D3DFMT_A16B16G16R16"},
    {D3DFMT_A8P8, u"D3DFMT_A8P8"},
    {D3DFMT_P8, u"D3DFMT_P8"},
    {D3DFMT_L8, u"D3DFMT_L8"},
    {D3DFMT_A8L8, u"D3DFMT_A8L8"},
    {D3DFMT_A4L4, u"D3DFMT_A4L4"},
    {D3DFMT_V8U8, u"D3DFMT_V8U8"},
    {D3DFMT_L6V5U5, u"D3DFMT_L6V5U5"},
    {D3DFMT_X8L8V8U8, u"D3DFMT_X8L8V8U8"},
    {D3DFMT_Q8W8V8U8, u"D3DFMT_Q8W8V8U8"},
    {D3DFMT_V16U16, u"D3DFMT_V16U16"},
    {D3DFMT_A2W10V10U10, u"D3DFMT_A2W10V10U10"},
    {FourCC('U', 'Y', 'V', 'Y'), u"D3DFMT_UYVY"},
    {FourCC('R', 'G', 'B', 'G'), u"D3DFMT_R8G8_B8G8"},
    {FourCC('Y', 'U', 'Y', '2'), u"D3DFMT_YUY2"},
    {FourCC('G', 'R', 'G', 'B'), u"D3DFMT_G8R8_G8B8"},
    {FourCC('D', 'X', 'T', '1'), u"D3DFMT_DXT1"},
    {FourCC('D', 'X', 'T', '2'), u"D3DFMT_DXT2"},
    {FourCC('D', 'X', 'T', '3'), u"D3DFMT_DXT3"},
    {FourCC('D', 'X', 'T', '4'), u"D3DFMT_DXT4"},
    {FourCC('D', 'X', 'T', '5'), u"D3DFMT_DXT5"},
    {D3DFMT_D16_LOCKABLE, u"D3DFMT_D16_LOCKABLE"},
    {D3DFMT_D32, u"D3DFMT_D32"},
    {D3DFMT_D15S1, u"D3DFMT_D15S1"},
    {D3DFMT_D24S8, u"D3DFMT_D24S8"},
    {D3DFMT_D24X8, u"D3DFMT_D24X8"},
    {D3DFMT_D24X4S4, u"D3DFMT_D24X4S4"},
    {D3DFMT_D16, u"D3DFMT_D16"},
    {D3DFMT_D32F_LOCKABLE, u"D3DFMT_D32F_LOCKABLE"},
    {D3DFMT_D24FS8, u"D3DFMT_D24FS8"},
    {84, u"D3DFMT_D32_LOCKABLE"},
    {85, u"D3DFMT_S8_LOCKABLE"},
    {D3DFMT_L16, u"D3DFMT_L16"},
    {D3DFMT_VERTEXDATA, u"D3DFMT_VERTEXDATA"},
    {D3DFMT_INDEX16, u"D3DFMT_INDEX16"},
    {D3DFMT_INDEX32, u"D3DFMT_INDEX32"},
    {D3DFMT_Q16W16V16U16, u"D3DFMT_Q16W16V16U16"},
    {FourCC('M', 'E', 'T', '1'), u"D3DFMT_MULTI2_ARGB8"},
    {D3DFMT_R16F, u"D3DFMT_R16F"},
    {D3DFMT_G16R16F, u"D3DFMT_G16R16F"},
    {D3DFMT_A16B16G16R16F, u"D3DFMT_A16B16G16R16F"},
    {D3DFMT_R32F, u"D3DFMT_R32F"},
    {D3DFMT_G32R32F, u"D3DFMT_G32R32F"},
    {D3DFMT_A32B32G32R32F, u"D3DFMT_A32B32G32R32F"},
    {D3DFMT_CxV8U8, u"D3DFMT_CxV8U8"},
    {118, u"D3DFMT_A1"},
    {119, u"D3DFMT_A2B10G10R10_XR_BIAS"},
    {199, u"D3DFMT_BINARYBUFFER"},
    // Four-character codes some drivers expose beside the named ones.
    {FourCC('A', 'T', 'I', '1'), u"D3DFMT_ATI1"},
    {FourCC('A', 'T', 'I', '2'), u"D3DFMT_ATI2"},
    {FourCC('I', 'N', 'T', 'Z'), u"D3DFMT_INTZ"},
    {FourCC('D', 'F', '1', '6'), u"D3DFMT_DF16"},
    {FourCC('D', 'F', '2', '4'), u"D3DFMT_DF24"},
    {FourCC('R', 'A', 'W', 'Z'), u"D3DFMT_RAWZ"},
    {FourCC('N', 'U', 'L', 'L'), u"D3DFMT_NULL"},
    {FourCC('N', 'V', '1', '2'), u"D3DFMT_NV12"},
    {FourCC('Y', 'V', '1', '2'), u"D3DFMT_YV12"},
    {FourCC('A', 'I', '4', '4'), u"D3DFMT_AI44"},
    {FourCC('I', 'A', '4', '4'), u"D3DFMT_IA44"},
    {FourCC('R', 'E', 'S', 'Z'), u"D3DFMT_RESZ"},
}};

constexpr std::u16string_view kPrefix = u"D3DFMT_";

}  // namespace

LPCWSTR FormatName(D3DFORMAT format, bool withPrefix) {
    for (const NamedFormat& named : kFormatNames) {
        if (named.value == static_cast<DWORD>(format)) return withPrefix ? named.name : named.name + kPrefix.size();
    }
    return u"Unknown format";
}

}  // namespace ondrel::framework
