// The device search: its edge cases on whole machines, and the rank, built
// so that each of its terms alone decides between two combos.
#include <gtest/gtest.h>

#include "framework/DeviceSearchSteps.h"
#include "framework/FrameworkErrors.h"
#include "tests/framework/LifecycleFixture.h"

namespace ondrel::testing {
namespace {

using framework::Closest;
using framework::Ignore;
using framework::Preserve;

bool OnlyReference(const D3DCAPS9* caps, D3DFORMAT, D3DFORMAT, bool) { return caps->DeviceType == D3DDEVTYPE_REF; }
bool OnlyWindowed(const D3DCAPS9*, D3DFORMAT, D3DFORMAT, bool windowed) { return windowed; }

const std::u16string kReferenceNotice =
    u"Switching to the reference rasterizer,\na software device that implements the entire\n"
    u"Direct3D feature set, but runs very slowly.";

TEST_F(LifecycleTest, OnlyTheReferenceDeviceAcceptedGivesTheNoticeOnceAndRuns) {
    AddReferenceDevice();
    StepLog::accept = &OnlyReference;
    ASSERT_EQ(Start(), S_OK);
    EXPECT_EQ(Current().deviceType, D3DDEVTYPE_REF);
    EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{kReferenceNotice});
    EXPECT_EQ(framework::GetExitCode(), 0);

    framework::DeviceSettings bigger = Current();
    bigger.presentParameters.BackBufferWidth = 700;
    ASSERT_EQ(framework::ChangeDevice(&bigger, nullptr, true), S_OK);
    EXPECT_EQ(platform_->MessageBoxes().size(), 1u) << "shown once";
}

TEST_F(LifecycleTest, AskingForTheReferenceDeviceOnTheCommandLineShowsNoNotice) {
    AddReferenceDevice();
    framework::State().Set(&framework::StateFields::overrideForceREF, true);
    ASSERT_EQ(Start(), S_OK);
    EXPECT_EQ(Current().deviceType, D3DDEVTYPE_REF);
    EXPECT_TRUE(platform_->MessageBoxes().empty());
}

TEST_F(LifecycleTest, WithoutAFullScreenComboTheToggleChangesNothing) {
    StepLog::accept = &OnlyWindowed;
    ASSERT_EQ(Start(), S_OK);
    EXPECT_EQ(framework::ToggleFullScreen(), framework::NoCompatibleDevices);
    EXPECT_TRUE(Presented().Windowed);
    EXPECT_EQ(world_->CountCalls("IDirect3D9::CreateDevice"), 1u);
    EXPECT_NE(framework::GetDevice(), nullptr);
    EXPECT_FALSE(framework::IsRenderingPaused());
}

TEST_F(LifecycleTest, WindowedSizesAreRaisedTo200AndLimitedToTheDesktop) {
    ASSERT_EQ(Start(true, 100, 100), S_OK);
    EXPECT_EQ(Presented().BackBufferWidth, 200u);
    EXPECT_EQ(Presented().BackBufferHeight, 200u);
    EXPECT_EQ(framework::GetBackBufferSurfaceDesc().Height, 200u);
    framework::Shutdown();
    framework::ResetFrameworkState();
    framework::SetResourceManager(&manager_);

    ASSERT_EQ(Start(true, 2000, 1500), S_OK);
    EXPECT_EQ(Presented().BackBufferWidth, 1260u) << "registry width 1280 less 20";
    EXPECT_EQ(Presented().BackBufferHeight, 924u) << "registry height 1024 less 100";
}

TEST_F(LifecycleTest, AMachineWithoutAcceptedDevicesEndsWithExitCodeThree) {
    StepLog::accept = [](const D3DCAPS9*, D3DFORMAT, D3DFORMAT, bool) { return false; };
    EXPECT_EQ(Start(), framework::NoCompatibleDevices);
    EXPECT_EQ(framework::GetExitCode(), 3);
    EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{u"Could not find any compatible Direct3D devices."});
}

TEST_F(LifecycleTest, PreserveOptionsRuleCombosOutAndTheFinalSettingsFollowTheOptions) {
    world_->Catalogue().adapters.push_back(recording::RecordingWorld::TypicalAdapter("Second"));
    world_->Catalogue().adapters[1].modes.push_back({1024, 768, 85, D3DFMT_X8R8G8B8});
    ASSERT_EQ(Start(), S_OK);

    framework::DeviceSettings wanted{};
    wanted.adapterOrdinal = 1;
    wanted.presentParameters.Windowed = FALSE;
    wanted.presentParameters.BackBufferWidth = 1000;
    wanted.presentParameters.BackBufferHeight = 700;
    wanted.presentParameters.FullScreen_RefreshRateInHz = 80;
    wanted.presentParameters.BackBufferCount = 7;
    wanted.presentParameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    wanted.presentParameters.AutoDepthStencilFormat = D3DFMT_D24S8;
    framework::MatchOptions options{Preserve, Ignore,  Preserve, Ignore,  Ignore,  Closest, Ignore, Closest,
                                    Ignore,   Ignore,  Closest,  Closest, Ignore,  Closest, Ignore};
    framework::DeviceSettings found{};
    ASSERT_EQ(framework::FindValidDeviceSettings(&found, &wanted, &options), S_OK);
    EXPECT_EQ(found.adapterOrdinal, 1u);
    EXPECT_FALSE(found.presentParameters.Windowed);
    EXPECT_EQ(found.presentParameters.BackBufferWidth, 1024u) << "the nearest full-screen mode";
    EXPECT_EQ(found.presentParameters.BackBufferHeight, 768u);
    EXPECT_EQ(found.presentParameters.FullScreen_RefreshRateInHz, 85u) << "nearest rate of that size";
    EXPECT_EQ(found.presentParameters.BackBufferCount, 3u);
    EXPECT_EQ(found.presentParameters.AutoDepthStencilFormat, D3DFMT_D24S8);
    EXPECT_EQ(found.presentParameters.PresentationInterval, D3DPRESENT_INTERVAL_DEFAULT);

    wanted.adapterOrdinal = 2;  // no such adapter
    EXPECT_EQ(framework::FindValidDeviceSettings(&found, &wanted, &options), framework::NoCompatibleDevices);
    EXPECT_EQ(framework::FindValidDeviceSettings(nullptr, &wanted, &options), E_INVALIDARG);
}

// --- The rank: one combo pair per term, the second earning exactly it.
class RankTest : public ::testing::Test {
protected:
    RankTest() {
        adapter_.adapterOrdinal = 0;
        adapter_.displayModes.Add({800, 600, 60, D3DFMT_X8R8G8B8});  // neither the optimal size nor rate
        device_.deviceType = D3DDEVTYPE_SW;
        hardwareDevice_.deviceType = D3DDEVTYPE_SW;
        hardwareDevice_.caps.DevCaps = D3DDEVCAPS_HWTRANSFORMANDLIGHT;

        optimal_.adapterOrdinal = 0;
        optimal_.deviceType = D3DDEVTYPE_HAL;
        optimal_.adapterFormat = D3DFMT_X8R8G8B8;
        optimal_.behaviorFlags = D3DCREATE_HARDWARE_VERTEXPROCESSING;
        D3DPRESENT_PARAMETERS& pp = optimal_.presentParameters;
        pp.Windowed = TRUE;
        pp.BackBufferWidth = 1024;
        pp.BackBufferHeight = 768;
        pp.BackBufferFormat = D3DFMT_A8R8G8B8;
        pp.MultiSampleType = D3DMULTISAMPLE_NONE;
        pp.AutoDepthStencilFormat = D3DFMT_D24S8;
        pp.FullScreen_RefreshRateInHz = 75;
        pp.PresentationInterval = D3DPRESENT_INTERVAL_ONE;
        desktop_ = {1024, 768, 60, D3DFMT_R5G6B5};
    }

    // Earns nothing but the format closeness of its two formats.
    std::unique_ptr<devicesettings::DeviceCombo> Base() {
        auto combo = std::make_unique<devicesettings::DeviceCombo>();
        combo->adapterOrdinal = 1;
        combo->deviceType = D3DDEVTYPE_SW;
        combo->adapterFormat = D3DFMT_A1R5G5B5;  // 5 bits: 0.9 - 0.6 = 0.3
        combo->backBufferFormat = D3DFMT_A4R4G4B4;  // 4 bits: 0.9 - 0.8 = 0.1
        combo->windowed = false;
        combo->adapterInfo = &adapter_;
        combo->deviceInfo = &device_;
        return combo;
    }

    float Gain(const devicesettings::DeviceCombo& variant) {
        const auto base = Base();
        return framework::RankCombo(variant, optimal_, desktop_) - framework::RankCombo(*base, optimal_, desktop_);
    }

    devicesettings::AdapterInfo adapter_;
    devicesettings::DeviceInfo device_, hardwareDevice_;
    framework::DeviceSettings optimal_{};
    D3DDISPLAYMODE desktop_{};
};

TEST_F(RankTest, EveryTermAddsItsOwnWeight) {
    auto combo = Base();
    EXPECT_FLOAT_EQ(framework::RankCombo(*combo, optimal_, desktop_), 0.3f + 0.1f);

    combo = Base(), combo->adapterOrdinal = 0;
    EXPECT_FLOAT_EQ(Gain(*combo), 1000.0f);
    combo = Base(), combo->deviceType = D3DDEVTYPE_HAL;
    EXPECT_FLOAT_EQ(Gain(*combo), 100.1f) << "the same type, and hardware";
    combo = Base(), combo->windowed = true;
    EXPECT_FLOAT_EQ(Gain(*combo), 10.0f);
    combo = Base(), combo->adapterFormat = D3DFMT_X8R8G8B8;
    EXPECT_FLOAT_EQ(Gain(*combo), 1.0f - 0.3f + 0.1f) << "equal format, and the desktop's preferred one";
    combo = Base(), combo->adapterFormat = D3DFMT_A2R10G10B10;
    EXPECT_FLOAT_EQ(Gain(*combo), 0.5f - 0.3f);
    combo = Base(), combo->deviceInfo = &hardwareDevice_;
    EXPECT_FLOAT_EQ(Gain(*combo), 1.1f) << "hardware processing wanted and offered, and offered at all";
    optimal_.behaviorFlags = D3DCREATE_SOFTWARE_VERTEXPROCESSING;
    EXPECT_FLOAT_EQ(Gain(*combo), 0.1f);
    optimal_.behaviorFlags = D3DCREATE_HARDWARE_VERTEXPROCESSING;
    combo = Base(), combo->adapterFormat = D3DFMT_X1R5G5B5;
    adapter_.displayModes.Add({1024, 768, 60, D3DFMT_X1R5G5B5});
    EXPECT_FLOAT_EQ(Gain(*combo), 1.0f) << "a mode of the optimal size in the combo's adapter format";
    combo = Base(), combo->backBufferFormat = D3DFMT_A8R8G8B8;
    EXPECT_FLOAT_EQ(Gain(*combo), 1.0f - 0.1f);
    combo = Base(), combo->backBufferFormat = D3DFMT_A1R5G5B5;
    EXPECT_FLOAT_EQ(Gain(*combo), 0.3f - 0.1f + 0.1f) << "closer to the optimal, and the adapter's own format";
    combo = Base(), combo->multiSampleTypes.Add(D3DMULTISAMPLE_NONE), combo->multiSampleQualities.Add(1);
    EXPECT_FLOAT_EQ(Gain(*combo), 1.0f);
    combo = Base(), combo->depthStencilFormats.Add(D3DFMT_D24S8);
    EXPECT_FLOAT_EQ(Gain(*combo), 1.0f);
    combo = Base(), combo->adapterFormat = D3DFMT_X8R8G8B8;
    adapter_.displayModes.Add({640, 480, 75, D3DFMT_X8R8G8B8});
    EXPECT_FLOAT_EQ(Gain(*combo), 0.7f + 0.1f + 1.0f) << "and a mode with the optimal rate";
    combo = Base(), combo->presentIntervals.Add(D3DPRESENT_INTERVAL_ONE);
    EXPECT_FLOAT_EQ(Gain(*combo), 1.0f);
}

}  // namespace
}  // namespace ondrel::testing
