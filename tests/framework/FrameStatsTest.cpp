// Format names and the statistics line.

#include <cstring>

#include "tests/framework/FrameworkFixture.h"

namespace ondrel::testing {
namespace {

using namespace ondrel::framework;

struct ExpectedName {
    DWORD value;
    const char* name;
};

// Every value with its name, written out independently of the table.
constexpr ExpectedName kAllFormats[] = {
    {0, "UNKNOWN"}, {20, "R8G8B8"}, {21, "A8R8G8B8"}, {22, "X8R8G8B8"}, {23, "R5G6B5"}, {24, "X1R5G5B5"},
    {25, "A1R5G5B5"}, {26, "A4R4G4B4"}, {27, "R3G3B2"}, {28, "A8"}, {29, "A8R3G3B2"}, {30, "X4R4G4B4"},
    {31, "A2B10G10R10"}, {32, "A8B8G8R8"}, {33, "X8B8G8R8"}, {34, "G16R16"}, {35, "A2R10G10B10"},
    {36, "A16B16G16R16"}, {40, "A8P8"}, {41, "P8"}, {50, "L8"}, {51, "A8L8"}, {52, "A4L4"}, {60, "V8U8"},
    {61, "L6V5U5"}, {62, "X8L8V8U8"}, {63, "Q8W8V8U8"}, {64, "V16U16"}, {67, "A2W10V10U10"},
    {0x59565955, "UYVY"}, {0x47424752, "R8G8_B8G8"}, {0x32595559, "YUY2"}, {0x42475247, "G8R8_G8B8"},
    {0x31545844, "DXT1"}, {0x32545844, "DXT2"}, {0x33545844, "DXT3"}, {0x34545844, "DXT4"},
    {0x35545844, "DXT5"}, {70, "D16_LOCKABLE"}, {71, "D32"}, {73, "D15S1"}, {75, "D24S8"}, {77, "D24X8"},
    {79, "D24X4S4"}, {80, "D16"}, {82, "D32F_LOCKABLE"}, {83, "D24FS8"}, {84, "D32_LOCKABLE"},
    {85, "S8_LOCKABLE"}, {81, "L16"}, {100, "VERTEXDATA"}, {101, "INDEX16"}, {102, "INDEX32"},
    {110, "Q16W16V16U16"}, {0x3154454D, "MULTI2_ARGB8"}, {111, "R16F"}, {112, "G16R16F"},
    {113, "A16B16G16R16F"}, {114, "R32F"}, {115, "G32R32F"}, {116, "A32B32G32R32F"}, {117, "CxV8U8"},
    {118, "A1"}, {119, "A2B10G10R10_XR_BIAS"}, {199, "BINARYBUFFER"},
};

std::string Narrow(LPCWSTR text) { return std::string(text, text + lstrlenW(text)); }

TEST(FormatNames, EveryFormatWithAndWithoutPrefix) {
    for (const ExpectedName& expected : kAllFormats) {
        auto format = static_cast<D3DFORMAT>(expected.value);
        EXPECT_EQ(Narrow(FormatName(format, false)), expected.name) << expected.value;
        EXPECT_EQ(Narrow(FormatName(format, true)), std::string("D3DFMT_") + expected.name) << expected.value;
    }
    EXPECT_EQ(Narrow(FormatName(static_cast<D3DFORMAT>(999), true)), "Unknown format");
    EXPECT_EQ(Narrow(FormatName(static_cast<D3DFORMAT>(0x41414141), false)), "Unknown format");
}

class FrameStats : public FrameworkFixture {
protected:
    void UseSettings(D3DFORMAT adapter, D3DFORMAT backBuffer, bool depth, D3DMULTISAMPLE_TYPE multisample) {
        auto* settings = new DeviceSettings{};
        settings->adapterFormat = adapter;
        settings->presentParameters.BackBufferFormat = backBuffer;
        settings->presentParameters.BackBufferWidth = 640;
        settings->presentParameters.BackBufferHeight = 480;
        settings->presentParameters.EnableAutoDepthStencil = depth ? TRUE : FALSE;
        settings->presentParameters.AutoDepthStencilFormat = D3DFMT_D16;
        settings->presentParameters.MultiSampleType = multisample;
        delete State().Get(&StateFields::currentSettings);
        State().Set(&StateFields::currentSettings, settings);
        BuildStaticFrameStats();
    }
    std::string Static() { return Narrow(State().Address(&StateFields::staticFrameStats)); }
};

TEST_F(FrameStats, FixedPartNamesSizeFormatsDepthAndMultisampling) {
    UseSettings(D3DFMT_X8R8G8B8, D3DFMT_X8R8G8B8, true, D3DMULTISAMPLE_NONE);
    EXPECT_EQ(Static(), "%.02f fps (640x480), X8R8G8B8 (D16)");
    UseSettings(D3DFMT_X8R8G8B8, D3DFMT_A8R8G8B8, false, D3DMULTISAMPLE_NONE);
    EXPECT_EQ(Static(), "%.02f fps (640x480), backbuf A8R8G8B8, adapter X8R8G8B8");
    UseSettings(D3DFMT_X8R8G8B8, D3DFMT_X8R8G8B8, false, static_cast<D3DMULTISAMPLE_TYPE>(4));
    EXPECT_EQ(Static(), "%.02f fps (640x480), X8R8G8B8 (4x Multisample)");
    UseSettings(D3DFMT_X8R8G8B8, D3DFMT_X8R8G8B8, false, static_cast<D3DMULTISAMPLE_TYPE>(1));
    EXPECT_EQ(Static(), "%.02f fps (640x480), X8R8G8B8 (Nonmaskable Multisample)");
}

TEST_F(FrameStats, RateRefreshesOnlyAfterMoreThanOneSecond) {
    UseSettings(D3DFMT_X8R8G8B8, D3DFMT_X8R8G8B8, true, D3DMULTISAMPLE_NONE);
    GetGlobalTimer().Reset();
    platform_.AdvanceTime(2000);
    UpdateFrameStats();  // the first frame refreshes at once (last update at 0)
    EXPECT_EQ(Narrow(GetFrameStats()), "0.50 fps (640x480), X8R8G8B8 (D16)");
    for (int frame = 0; frame < 4; ++frame) {
        platform_.AdvanceTime(250);
        UpdateFrameStats();
    }
    EXPECT_EQ(Narrow(GetFrameStats()), "0.50 fps (640x480), X8R8G8B8 (D16)");  // exactly 1.0 s: not yet
    platform_.AdvanceTime(250);
    UpdateFrameStats();
    EXPECT_FLOAT_EQ(GetFps(), 5.0f / 1.25f);
    EXPECT_EQ(Narrow(GetFrameStats()), "4.00 fps (640x480), X8R8G8B8 (D16)");
}

}  // namespace
}  // namespace ondrel::testing
