#include <gtest/gtest.h>

#include <string>

#include "devicesettings/enumeration/DeviceEnumeration.h"
#include "platform/win32/TextConvert.h"
#include "tests/devicesettings/enumeration/EnumerationFixture.h"

namespace ondrel::testing {
namespace {

using devicesettings::DepthStencilMultiSampleConflict;
using devicesettings::EnumerationSettings;

constexpr D3DFORMAT X8 = D3DFMT_X8R8G8B8, A8 = D3DFMT_A8R8G8B8, R565 = D3DFMT_R5G6B5;

std::u16string UniqueDescription(const devicesettings::AdapterInfo& adapter) {
    return platform::FromWide(adapter.uniqueDescription);
}

void SetDescription(graphics::AdapterDescription& adapter, const std::string& text) {
    graphics::CopyIdentifierText(adapter.identifier.Description, sizeof adapter.identifier.Description, text);
}

// What AcceptDevice was asked, for the tests that check the candidates.
struct AcceptLog {
    static inline std::vector<ComboKey> asked;
    static inline bool acceptWindowed = true;
    static inline bool acceptFullScreen = true;
    static inline const D3DCAPS9* caps = nullptr;

    static bool Accept(const D3DCAPS9* c, D3DFORMAT adapterFormat, D3DFORMAT backBufferFormat, bool windowed) {
        asked.emplace_back(adapterFormat, backBufferFormat, windowed);
        caps = c;
        return windowed ? acceptWindowed : acceptFullScreen;
    }
    static void Reset() {
        asked.clear();
        acceptWindowed = acceptFullScreen = true;
        caps = nullptr;
    }
};

class DeviceEnumerationTest : public EnumerationTest {
protected:
    void SetUp() override { AcceptLog::Reset(); }
};

// The typical adapter: desktop and modes in X8R8G8B8 and R5G6B5, back buffers
// A8R8G8B8, X8R8G8B8 and R5G6B5; full screen needs a matching layout.
TEST_F(DeviceEnumerationTest, CombosFollowTheFixedOrdersAndOnlyWhatTheDeviceSupports) {
    Hal().depthStencilFormats = {D3DFMT_D32, D3DFMT_D24S8, D3DFMT_D16};  // not in the catalogue's order
    ASSERT_EQ(Enumerate(), S_OK);

    ASSERT_EQ(enumeration_->GetAdapters().GetSize(), 1);
    const devicesettings::AdapterInfo& adapter = *enumeration_->GetAdapters()[0];
    ASSERT_EQ(adapter.deviceInfos.GetSize(), 1) << "no reference or software device on this machine";
    EXPECT_EQ(adapter.deviceInfos[0]->deviceType, D3DDEVTYPE_HAL);

    const std::vector<ComboKey> expected = {
        {X8, A8, false},   {X8, A8, true},  {X8, X8, false},   {X8, X8, true}, {X8, R565, true},
        {R565, A8, true},  {R565, X8, true}, {R565, R565, false}, {R565, R565, true},
    };
    EXPECT_EQ(ComboKeys(), expected);

    const devicesettings::DeviceCombo& combo = Combo(X8, A8, true);
    EXPECT_EQ(ListOf(combo.depthStencilFormats), (std::vector<D3DFORMAT>{D3DFMT_D16, D3DFMT_D24S8, D3DFMT_D32}));
    EXPECT_EQ(ListOf(combo.multiSampleTypes), (std::vector<D3DMULTISAMPLE_TYPE>{D3DMULTISAMPLE_NONE}));
    EXPECT_EQ(ListOf(combo.multiSampleQualities), (std::vector<DWORD>{1}));
    EXPECT_TRUE(combo.depthStencilConflicts.Empty());
    EXPECT_EQ(combo.adapterInfo, &adapter);
    EXPECT_EQ(combo.deviceInfo, adapter.deviceInfos[0].get());

    EXPECT_EQ(enumeration_->GetDeviceCombo(0, D3DDEVTYPE_HAL, X8, R565, false), nullptr);
    EXPECT_EQ(enumeration_->GetDeviceInfo(0, D3DDEVTYPE_REF), nullptr);
    EXPECT_EQ(enumeration_->GetAdapterInfo(1), nullptr);
}

TEST_F(DeviceEnumerationTest, DisplayModesAreFilteredAndSortedByWidthHeightFormatRefresh) {
    Adapter().modes = {{800, 600, 75, X8}, {800, 600, 60, R565}, {640, 480, 60, X8}, {800, 600, 60, X8},
                       {1280, 1024, 60, X8}, {640, 400, 70, X8}};
    EnumerationSettings settings;
    settings.maximumWidth = 800;
    settings.minimumHeight = 480;
    ASSERT_EQ(Enumerate(nullptr, settings), S_OK);

    const auto& modes = enumeration_->GetAdapterInfo(0)->displayModes;
    std::vector<std::tuple<UINT, UINT, D3DFORMAT, UINT>> listed;
    for (const D3DDISPLAYMODE& mode : modes) listed.emplace_back(mode.Width, mode.Height, mode.Format, mode.RefreshRate);
    const std::vector<std::tuple<UINT, UINT, D3DFORMAT, UINT>> expected = {
        {640, 480, X8, 60}, {800, 600, X8, 60}, {800, 600, X8, 75}, {800, 600, R565, 60}};
    EXPECT_EQ(listed, expected);
}

TEST_F(DeviceEnumerationTest, DevicesComeInTheOrderHardwareSoftwareReferenceAndAFailingOneIsLeftOut) {
    Adapter().devices = {graphics::TypicalDeviceSupport(D3DDEVTYPE_REF), graphics::TypicalDeviceSupport(D3DDEVTYPE_SW),
                         graphics::TypicalDeviceSupport(D3DDEVTYPE_HAL)};
    ASSERT_EQ(Enumerate(), S_OK);
    const auto& devices = enumeration_->GetAdapterInfo(0)->deviceInfos;
    ASSERT_EQ(devices.GetSize(), 3);
    EXPECT_EQ(devices[0]->deviceType, D3DDEVTYPE_HAL);
    EXPECT_EQ(devices[1]->deviceType, D3DDEVTYPE_SW);
    EXPECT_EQ(devices[2]->deviceType, D3DDEVTYPE_REF);

    world_->FailCall("IDirect3D9::GetDeviceCaps", D3DERR_NOTAVAILABLE, 1);  // the hardware device's
    ASSERT_EQ(Enumerate(), S_OK);
    const auto& remaining = enumeration_->GetAdapterInfo(0)->deviceInfos;
    ASSERT_EQ(remaining.GetSize(), 2);
    EXPECT_EQ(remaining[0]->deviceType, D3DDEVTYPE_SW);
}

TEST_F(DeviceEnumerationTest, UniqueDescriptionsGetTheOrdinalOnlyWhenTwoAdaptersShareOne) {
    SetDescription(Adapter(), "Card Model 9");
    ASSERT_EQ(Enumerate(), S_OK);
    EXPECT_EQ(UniqueDescription(*enumeration_->GetAdapters()[0]), u"Card Model 9");

    world_->Catalogue().adapters.push_back(recording::RecordingWorld::TypicalAdapter("Card Model 9"));
    ASSERT_EQ(Enumerate(), S_OK) << "a later Enumerate empties and refills";
    ASSERT_EQ(enumeration_->GetAdapters().GetSize(), 2);
    EXPECT_EQ(UniqueDescription(*enumeration_->GetAdapters()[0]), u"Card Model 9 (#0)");
    EXPECT_EQ(UniqueDescription(*enumeration_->GetAdapters()[1]), u"Card Model 9 (#1)");

    SetDescription(Adapter(1), "Card Model 10");
    world_->Catalogue().adapters.push_back(recording::RecordingWorld::TypicalAdapter("Card Model 9"));
    ASSERT_EQ(Enumerate(), S_OK);
    EXPECT_EQ(UniqueDescription(*enumeration_->GetAdapters()[1]), u"Card Model 10 (#1)")
        << "every adapter is numbered, not only the equal ones";

    world_->Catalogue().adapters.pop_back();
    ASSERT_EQ(Enumerate(), S_OK);
    EXPECT_EQ(UniqueDescription(*enumeration_->GetAdapters()[0]), u"Card Model 9");
    EXPECT_EQ(UniqueDescription(*enumeration_->GetAdapters()[1]), u"Card Model 10");
}

TEST_F(DeviceEnumerationTest, LongAndNonAsciiDescriptionsStayWithinTheBufferAndKeepTheirNumber) {
    const std::string longName = "Gr\xC3\xA4" "fikkarte " + std::string(150, 'x');  // "Gräfikkarte xxx..."
    SetDescription(Adapter(), longName);
    world_->Catalogue().adapters.push_back(recording::RecordingWorld::TypicalAdapter(longName));
    ASSERT_EQ(Enumerate(), S_OK);

    for (int i = 0; i < 2; ++i) {
        const std::u16string description = UniqueDescription(*enumeration_->GetAdapters()[i]);
        EXPECT_EQ(description.size(), 99u);
        EXPECT_EQ(description.substr(0, 4), u"Gr\u00E4f");
        EXPECT_EQ(description.substr(description.size() - 5), i == 0 ? u" (#0)" : u" (#1)");
    }
}

TEST_F(DeviceEnumerationTest, ADesktopFormatOutsideTheAllowedListStillGivesWindowedCombos) {
    Hal().adapterFormats.push_back(D3DFMT_A8R8G8B8);
    Adapter().currentMode.Format = D3DFMT_A8R8G8B8;
    ASSERT_EQ(Enumerate(), S_OK);
    EXPECT_NE(enumeration_->GetDeviceCombo(0, D3DDEVTYPE_HAL, A8, X8, true), nullptr);
    EXPECT_NE(enumeration_->GetDeviceCombo(0, D3DDEVTYPE_HAL, A8, A8, true), nullptr);
}

TEST_F(DeviceEnumerationTest, AnAdapterWithoutModesInAllowedFormatsOffersWindowedCombosOnly) {
    Adapter().modes = {{1024, 768, 60, D3DFMT_A8R8G8B8}};
    ASSERT_EQ(Enumerate(), S_OK);
    const std::vector<ComboKey> keys = ComboKeys();
    ASSERT_FALSE(keys.empty());
    for (const ComboKey& key : keys) EXPECT_TRUE(std::get<2>(key));
    EXPECT_TRUE(enumeration_->GetAdapterInfo(0)->displayModes.Empty());
}

TEST_F(DeviceEnumerationTest, PresentIntervalsFollowTheMaskAndWindowsNeverWaitSeveralFrames) {
    Hal().caps.PresentationIntervals = D3DPRESENT_INTERVAL_IMMEDIATE | D3DPRESENT_INTERVAL_ONE |
                                       D3DPRESENT_INTERVAL_TWO | D3DPRESENT_INTERVAL_THREE | D3DPRESENT_INTERVAL_FOUR;
    ASSERT_EQ(Enumerate(), S_OK);
    EXPECT_EQ(ListOf(Combo(X8, X8, true).presentIntervals),
              (std::vector<UINT>{D3DPRESENT_INTERVAL_IMMEDIATE, D3DPRESENT_INTERVAL_DEFAULT, D3DPRESENT_INTERVAL_ONE}));
    EXPECT_EQ(ListOf(Combo(X8, X8, false).presentIntervals),
              (std::vector<UINT>{D3DPRESENT_INTERVAL_IMMEDIATE, D3DPRESENT_INTERVAL_DEFAULT, D3DPRESENT_INTERVAL_ONE,
                                 D3DPRESENT_INTERVAL_TWO, D3DPRESENT_INTERVAL_THREE, D3DPRESENT_INTERVAL_FOUR}));

    Hal().caps.PresentationIntervals = D3DPRESENT_INTERVAL_TWO;
    ASSERT_EQ(Enumerate(), S_OK);
    EXPECT_EQ(ListOf(Combo(X8, X8, true).presentIntervals), (std::vector<UINT>{D3DPRESENT_INTERVAL_DEFAULT}));
    EXPECT_EQ(ListOf(Combo(X8, X8, false).presentIntervals),
              (std::vector<UINT>{D3DPRESENT_INTERVAL_DEFAULT, D3DPRESENT_INTERVAL_TWO}));
}

TEST_F(DeviceEnumerationTest, MultisampleTypesCarryCappedQualityCountsAndTheirDepthConflicts) {
    // Four samples work with the colour buffers and D16 only.
    Hal().multiSampleTypes = {{D3DMULTISAMPLE_2_SAMPLES, 100000, {}},
                              {D3DMULTISAMPLE_4_SAMPLES, 3, {A8, X8, R565, D3DFMT_D16}}};
    ASSERT_EQ(Enumerate(), S_OK);
    const devicesettings::DeviceCombo& combo = Combo(X8, X8, false);
    EXPECT_EQ(ListOf(combo.multiSampleTypes),
              (std::vector<D3DMULTISAMPLE_TYPE>{D3DMULTISAMPLE_NONE, D3DMULTISAMPLE_2_SAMPLES, D3DMULTISAMPLE_4_SAMPLES}));
    EXPECT_EQ(ListOf(combo.multiSampleQualities), (std::vector<DWORD>{1, 65536, 3}));
    EXPECT_EQ(ListOf(combo.depthStencilConflicts),
              (std::vector<DepthStencilMultiSampleConflict>{{D3DFMT_D24X8, D3DMULTISAMPLE_4_SAMPLES},
                                                            {D3DFMT_D24S8, D3DMULTISAMPLE_4_SAMPLES},
                                                            {D3DFMT_D32, D3DMULTISAMPLE_4_SAMPLES}}));

    EnumerationSettings lowCap;
    lowCap.multiSampleQualityMaximum = 1;
    ASSERT_EQ(Enumerate(nullptr, lowCap), S_OK);
    EXPECT_EQ(ListOf(Combo(X8, X8, false).multiSampleQualities), (std::vector<DWORD>{1, 2, 2}));
}

TEST_F(DeviceEnumerationTest, ABackBufferFormatWithoutAnyMultisampleTypeGivesNoCombo) {
    // Not even "none" for A8R8G8B8 and R5G6B5 back buffers.
    Hal().multiSampleTypes = {{D3DMULTISAMPLE_NONE, 1, {X8, D3DFMT_D16, D3DFMT_D24X8, D3DFMT_D24S8, D3DFMT_D32}}};
    ASSERT_EQ(Enumerate(), S_OK);
    const std::vector<ComboKey> expected = {{X8, X8, false}, {X8, X8, true}, {R565, X8, true}};
    EXPECT_EQ(ComboKeys(), expected);
}

TEST_F(DeviceEnumerationTest, BackBuffersWithoutBlendingAreLeftOutWhileTheRequirementIsOn) {
    for (graphics::FormatSupport& support : Hal().resourceFormats) {
        if (support.format == A8) support.usages &= ~D3DUSAGE_QUERY_POSTPIXELSHADER_BLENDING;
    }
    ASSERT_EQ(Enumerate(), S_OK);
    for (const ComboKey& key : ComboKeys()) EXPECT_NE(std::get<1>(key), A8);

    EnumerationSettings noBlending;
    noBlending.requirePostPixelShaderBlending = false;
    ASSERT_EQ(Enumerate(nullptr, noBlending), S_OK);
    EXPECT_NE(enumeration_->GetDeviceCombo(0, D3DDEVTYPE_HAL, X8, A8, false), nullptr);
}

TEST_F(DeviceEnumerationTest, AcceptDeviceIsAskedOncePerCandidateAndDecides) {
    AcceptLog::acceptWindowed = false;
    ASSERT_EQ(Enumerate(&AcceptLog::Accept), S_OK);
    EXPECT_EQ(AcceptLog::asked.size(), 9u) << "every combo the device supports, nothing else";
    ASSERT_NE(AcceptLog::caps, nullptr);
    EXPECT_NE(AcceptLog::caps->DevCaps & D3DDEVCAPS_HWTRANSFORMANDLIGHT, 0u);
    const std::vector<ComboKey> expected = {{X8, A8, false}, {X8, X8, false}, {R565, R565, false}};
    EXPECT_EQ(ComboKeys(), expected);
    EXPECT_EQ(enumeration_->AcceptDevice(), &AcceptLog::Accept);

    AcceptLog::Reset();
    AcceptLog::acceptWindowed = AcceptLog::acceptFullScreen = false;
    ASSERT_EQ(Enumerate(&AcceptLog::Accept), S_OK);
    EXPECT_TRUE(enumeration_->GetAdapters().Empty()) << "an adapter without accepted devices is not listed";
}

TEST_F(DeviceEnumerationTest, NoInterfaceIsTheFrameworksNoDirect3DCode) {
    devicesettings::DeviceEnumeration enumeration;
    EXPECT_EQ(enumeration.Enumerate(nullptr, nullptr), static_cast<HRESULT>(0x80040901u));
    EXPECT_TRUE(enumeration.GetAdapters().Empty());
}

TEST_F(DeviceEnumerationTest, RunningOutOfMemoryStopsButKeepsTheAdaptersAlreadyListed) {
    world_->Catalogue().adapters.push_back(recording::RecordingWorld::TypicalAdapter("Second"));
    int adapterRecords = 0;
    devicesettings::SetAllocationGate([&](std::size_t bytes) {
        return bytes != sizeof(devicesettings::AdapterInfo) || ++adapterRecords < 2;
    });
    EXPECT_EQ(Enumerate(), E_OUTOFMEMORY);
    ASSERT_EQ(enumeration_->GetAdapters().GetSize(), 1);
    EXPECT_EQ(UniqueDescription(*enumeration_->GetAdapters()[0]), u"Recording Adapter");

    devicesettings::SetAllocationGate([](std::size_t bytes) { return bytes != sizeof(devicesettings::DeviceCombo); });
    EXPECT_EQ(Enumerate(), E_OUTOFMEMORY);
    EXPECT_TRUE(enumeration_->GetAdapters().Empty());
}

TEST_F(DeviceEnumerationTest, TheSingleInstanceLastsUntilResetAndReleasesItsInterface) {
    devicesettings::ResetDeviceEnumeration();
    EXPECT_FALSE(devicesettings::DeviceEnumerationExists());
    devicesettings::DeviceEnumeration* instance = devicesettings::GetDeviceEnumeration();
    EXPECT_EQ(devicesettings::GetDeviceEnumeration(), instance);

    IDirect3D9* d3d = world_->CreateDirect3D();
    ASSERT_EQ(instance->Enumerate(d3d, nullptr), S_OK);
    EXPECT_EQ(d3d->Release(), 1u) << "the catalogue holds its own reference";
    devicesettings::ResetDeviceEnumeration();
    EXPECT_FALSE(devicesettings::DeviceEnumerationExists());
    EXPECT_EQ(world_->LiveObjectsTotal(), 0);
}

}  // namespace
}  // namespace ondrel::testing
