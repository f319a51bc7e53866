// The settings dialog as the user drives it inside a running framework: what
// the boxes offer after each choice, and what OK and Cancel do to the device.

#include "SettingsDialogFixture.h"

#include "framework/FrameStats.h"

namespace ondrel::testing {
namespace {

using namespace devicesettings;
using Texts = std::vector<std::u16string>;

std::u16string Format(D3DFORMAT format) { return framework::FormatName(format, true); }

TEST_F(SettingsDialogTest, OpeningInAWindowShowsTheDesktopModeAndTheCurrentDevicesChoices) {
    Start();
    Open();
    EXPECT_EQ(Items(kAdapter), (Texts{u"Recording Adapter", u"Second Adapter"}));
    EXPECT_EQ(SelectedText(kAdapter), u"Recording Adapter");
    EXPECT_EQ(Items(kDeviceType), Texts{u"D3DDEVTYPE_HAL"});
    EXPECT_TRUE(Check(kWindowed).GetChecked());
    EXPECT_FALSE(Check(kFullScreen).GetChecked());
    // A window takes the desktop's format, size and rate, so none of them can be chosen.
    for (int id : {kAdapterFormat, kResolution, kRefreshRate, kAdapterFormatLabel, kResolutionLabel,
                   kRefreshRateLabel}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    EXPECT_TRUE(Enabled(kDeviceClip));
    EXPECT_EQ(Items(kAdapterFormat), Texts{Format(D3DFMT_X8R8G8B8)});
    EXPECT_EQ(Items(kResolution), Texts{u"1280 by 1024"});
    EXPECT_EQ(Items(kRefreshRate), Texts{u"60 Hz"});

    const framework::DeviceSettings current = framework::GetDeviceSettings();
    EXPECT_EQ(SelectedText(kBackBufferFormat), Format(current.presentParameters.BackBufferFormat));
    EXPECT_EQ(SelectedText(kDepthStencil), Format(current.presentParameters.AutoDepthStencilFormat));
    EXPECT_EQ(Items(kDepthStencil), (Texts{Format(D3DFMT_D16), Format(D3DFMT_D24X8), Format(D3DFMT_D24S8),
                                           Format(D3DFMT_D32)}));
    EXPECT_TRUE(Enabled(kDepthStencil));
    EXPECT_EQ(Items(kVertexProcessing), (Texts{u"Software vertex processing", u"Hardware vertex processing",
                                               u"Pure hardware vertex processing"}));
    EXPECT_EQ(Items(kPresentInterval), (Texts{u"D3DPRESENT_INTERVAL_IMMEDIATE", u"D3DPRESENT_INTERVAL_DEFAULT",
                                              u"D3DPRESENT_INTERVAL_ONE"}));
    EXPECT_EQ(SelectedText(kMultiSampleType), u"D3DMULTISAMPLE_NONE");
    EXPECT_EQ(Items(kMultiSampleQuality), Texts{u"0"});
}

TEST_F(SettingsDialogTest, FullScreenOffersTheAdaptersModesFormatByFormat) {
    Start();
    Open();
    ASSERT_EQ(ChooseRadio(kFullScreen), S_OK);
    for (int id : {kAdapterFormat, kResolution, kRefreshRate}) EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_FALSE(Enabled(kDeviceClip));
    EXPECT_EQ(Items(kAdapterFormat), (Texts{Format(D3DFMT_X8R8G8B8), Format(D3DFMT_R5G6B5)}));
    EXPECT_EQ(Items(kResolution),
              (Texts{u"640 by 480", u"800 by 600", u"1024 by 768", u"1280 by 1024"}));
    EXPECT_EQ(SelectedText(kResolution), u"1280 by 1024") << "the desktop size is kept";

    ASSERT_EQ(Choose(kResolution, u"1024 by 768"), S_OK);
    EXPECT_EQ(Items(kRefreshRate), (Texts{u"60 Hz", u"75 Hz"}));
    ASSERT_EQ(Choose(kRefreshRate, u"75 Hz"), S_OK);
    EXPECT_EQ(Dialog().Working().presentParameters.FullScreen_RefreshRateInHz, 75u);

    // 16-bit modes: the size is still offered and kept; 75 Hz is not, so the first rate takes over.
    ASSERT_EQ(Choose(kAdapterFormat, Format(D3DFMT_R5G6B5)), S_OK);
    EXPECT_EQ(SelectedText(kResolution), u"1024 by 768");
    EXPECT_EQ(Items(kRefreshRate), Texts{u"60 Hz"});
    EXPECT_EQ(Dialog().Working().presentParameters.FullScreen_RefreshRateInHz, 60u);
    for (const std::u16string& text : Items(kBackBufferFormat)) {
        EXPECT_TRUE(text == Format(D3DFMT_R5G6B5) || text == Format(D3DFMT_X1R5G5B5) ||
                    text == Format(D3DFMT_A1R5G5B5))
            << "a 16-bit display takes 16-bit back buffers only";
    }
    EXPECT_EQ(Dialog().Working().adapterFormat, D3DFMT_R5G6B5);

    // Back to a window: the desktop's values return.
    ASSERT_EQ(ChooseRadio(kWindowed), S_OK);
    EXPECT_EQ(Items(kResolution), Texts{u"1280 by 1024"});
    EXPECT_EQ(Dialog().Working().adapterFormat, D3DFMT_X8R8G8B8);
}

TEST_F(SettingsDialogTest, MultisamplingFollowsTheDepthFormatAndOffersItsQualityLevels) {
    Start();
    Open();
    ASSERT_EQ(Choose(kDepthStencil, Format(D3DFMT_D16)), S_OK);
    EXPECT_EQ(Items(kMultiSampleType),
              (Texts{u"D3DMULTISAMPLE_NONE", u"D3DMULTISAMPLE_2_SAMPLES", u"D3DMULTISAMPLE_4_SAMPLES"}));
    ASSERT_EQ(Choose(kDepthStencil, Format(D3DFMT_D24S8)), S_OK);
    EXPECT_EQ(Items(kMultiSampleType), (Texts{u"D3DMULTISAMPLE_NONE", u"D3DMULTISAMPLE_2_SAMPLES"}))
        << "4 samples cannot go with D24S8";

    ASSERT_EQ(Choose(kMultiSampleType, u"D3DMULTISAMPLE_2_SAMPLES"), S_OK);
    EXPECT_EQ(Items(kMultiSampleQuality), (Texts{u"0", u"1", u"2"}));
    ASSERT_EQ(Choose(kMultiSampleQuality, u"2"), S_OK);
    EXPECT_EQ(Dialog().Working().presentParameters.MultiSampleType, D3DMULTISAMPLE_2_SAMPLES);
    EXPECT_EQ(Dialog().Working().presentParameters.MultiSampleQuality, 2u);
    // Back to none: its single level replaces the quality that no longer exists.
    ASSERT_EQ(Choose(kMultiSampleType, u"D3DMULTISAMPLE_NONE"), S_OK);
    EXPECT_EQ(Dialog().Working().presentParameters.MultiSampleQuality, 0u);
}

TEST_F(SettingsDialogTest, VertexProcessingChoiceRewritesOnlyTheVertexFlags) {
    Start();
    Open();
    ASSERT_EQ(Choose(kVertexProcessing, u"Pure hardware vertex processing"), S_OK);
    EXPECT_EQ(Dialog().Working().behaviorFlags & 0xF0u, 0x50u) << "a pure device is also a hardware device";
    ASSERT_EQ(Choose(kVertexProcessing, u"Software vertex processing"), S_OK);
    EXPECT_EQ(Dialog().Working().behaviorFlags & 0xF0u, 0x20u);

    // The clip box sets and clears only its own presentation flag.
    Check(kDeviceClip).ApplyChecked(true, false);
    Dialog().OnControlEvent(kDeviceClip);
    EXPECT_EQ(Dialog().Working().presentParameters.Flags & D3DPRESENTFLAG_DEVICECLIP, D3DPRESENTFLAG_DEVICECLIP);
    Check(kDeviceClip).ApplyChecked(false, false);
    Dialog().OnControlEvent(kDeviceClip);
    EXPECT_EQ(Dialog().Working().presentParameters.Flags & D3DPRESENTFLAG_DEVICECLIP, 0u);
}

bool NoDepthBuffer(framework::DeviceSettings* settings, const D3DCAPS9*) {
    settings->presentParameters.EnableAutoDepthStencil = FALSE;
    // Nothing to discard without a depth buffer.
    settings->presentParameters.Flags &= ~D3DPRESENTFLAG_DISCARD_DEPTHSTENCIL;
    return true;
}

TEST_F(SettingsDialogTest, WithoutAutomaticDepthBufferTheDepthBoxSaysNotUsedAndIsDisabled) {
    Start(&NoDepthBuffer);
    Open();
    EXPECT_EQ(Items(kDepthStencil), Texts{u"(not used)"});
    EXPECT_FALSE(Enabled(kDepthStencil));
    // No depth format means no conflict: every multisample type is offered.
    EXPECT_EQ(Items(kMultiSampleType).size(), 3u);
}

TEST_F(SettingsDialogTest, OkAppliesTheChosenFullScreenModeAndClosesTheDialog) {
    Start();
    const std::size_t created = world_->CountCalls("IDirect3D9::CreateDevice");
    Open();
    ASSERT_EQ(ChooseRadio(kFullScreen), S_OK);
    ASSERT_EQ(Choose(kResolution, u"1024 by 768"), S_OK);
    ASSERT_EQ(Choose(kRefreshRate, u"75 Hz"), S_OK);
    ASSERT_EQ(Choose(kMultiSampleType, u"D3DMULTISAMPLE_2_SAMPLES"), S_OK);
    ASSERT_EQ(Choose(kVertexProcessing, u"Software vertex processing"), S_OK);
    ASSERT_EQ(Dialog().OnControlEvent(kOk), S_OK);

    EXPECT_FALSE(framework::IsSettingsDialogShown());
    const framework::DeviceSettings now = framework::GetDeviceSettings();
    EXPECT_FALSE(now.presentParameters.Windowed);
    EXPECT_EQ(now.presentParameters.BackBufferWidth, 1024u);
    EXPECT_EQ(now.presentParameters.BackBufferHeight, 768u);
    EXPECT_EQ(now.presentParameters.FullScreen_RefreshRateInHz, 75u);
    EXPECT_EQ(now.presentParameters.MultiSampleType, D3DMULTISAMPLE_2_SAMPLES);
    EXPECT_EQ(now.presentParameters.Flags & D3DPRESENTFLAG_LOCKABLE_BACKBUFFER, 0u);
    EXPECT_EQ(now.behaviorFlags & 0xF0u, 0x20u);
    EXPECT_NE(framework::GetDevice(), nullptr);
    EXPECT_EQ(world_->CountCalls("IDirect3D9::CreateDevice"), created + 1)
        << "another vertex processing needs a new device";
    // The dialog follows the new back buffer.
    EXPECT_EQ(Dialog().Dialog().Width(), 1024);
    EXPECT_EQ(Dialog().Dialog().Height(), 768);
}

TEST_F(SettingsDialogTest, OkInAWindowKeepsTheWindowsSizeAndTheDefaultRate) {
    Start();
    Open();
    ASSERT_EQ(ChooseRadio(kFullScreen), S_OK);
    ASSERT_EQ(Choose(kResolution, u"800 by 600"), S_OK);
    ASSERT_EQ(ChooseRadio(kWindowed), S_OK);
    ASSERT_EQ(Dialog().OnControlEvent(kOk), S_OK);
    const framework::DeviceSettings now = framework::GetDeviceSettings();
    EXPECT_TRUE(now.presentParameters.Windowed);
    EXPECT_EQ(now.presentParameters.BackBufferWidth, 640u) << "the window's client size, not the desktop's";
    EXPECT_EQ(now.presentParameters.BackBufferHeight, 480u);
    EXPECT_EQ(now.presentParameters.FullScreen_RefreshRateInHz, 0u);
}

TEST_F(SettingsDialogTest, CancelAndF2LeaveTheDeviceAloneAndShowingAgainStartsFromIt) {
    Start();
    const framework::DeviceSettings before = framework::GetDeviceSettings();
    IDirect3DDevice9* device = framework::GetDevice();
    const std::size_t created = world_->CountCalls("IDirect3D9::CreateDevice");
    const std::size_t resets = world_->CountCalls("IDirect3DDevice9::Reset");

    Open();
    ASSERT_EQ(ChooseRadio(kFullScreen), S_OK);
    ASSERT_EQ(Choose(kResolution, u"800 by 600"), S_OK);
    // The real Cancel button, clicked through the window procedure.
    Click(350, 450);
    EXPECT_FALSE(framework::IsSettingsDialogShown());

    Open();
    EXPECT_EQ(SelectedText(kResolution), u"1280 by 1024") << "the earlier choice is forgotten";
    EXPECT_TRUE(Check(kWindowed).GetChecked());
    PressKey(VK_F2);
    EXPECT_FALSE(framework::IsSettingsDialogShown()) << "F2 closes it again";

    EXPECT_EQ(framework::GetDevice(), device);
    EXPECT_EQ(world_->CountCalls("IDirect3D9::CreateDevice"), created);
    EXPECT_EQ(world_->CountCalls("IDirect3DDevice9::Reset"), resets);
    const framework::DeviceSettings after = framework::GetDeviceSettings();
    EXPECT_EQ(after.presentParameters.BackBufferWidth, before.presentParameters.BackBufferWidth);
    EXPECT_EQ(after.presentParameters.Windowed, before.presentParameters.Windowed);
}

TEST_F(SettingsDialogTest, AReferenceDeviceIsOfferedWhenTheAdapterHasOneAndOkSwitchesToIt) {
    world_->Catalogue().adapters[0].devices.push_back(graphics::TypicalDeviceSupport(D3DDEVTYPE_REF));
    Start();
    Open();
    EXPECT_EQ(Items(kDeviceType), (Texts{u"D3DDEVTYPE_HAL", u"D3DDEVTYPE_REF"}));
    ASSERT_EQ(Choose(kDeviceType, u"D3DDEVTYPE_REF"), S_OK);
    ASSERT_EQ(Dialog().OnControlEvent(kOk), S_OK);
    EXPECT_EQ(framework::GetDeviceSettings().deviceType, D3DDEVTYPE_REF);
}

TEST_F(SettingsDialogTest, AnotherAdapterRefillsTheCascadeFromItsOwnDevices) {
    world_->Catalogue().adapters[1].modes = {D3DDISPLAYMODE{1280, 1024, 60, D3DFMT_X8R8G8B8},
                                             D3DDISPLAYMODE{1600, 1200, 60, D3DFMT_X8R8G8B8}};
    Start();
    Open();
    ASSERT_EQ(Choose(kAdapter, u"Second Adapter"), S_OK);
    EXPECT_EQ(Dialog().Working().adapterOrdinal, 1u);
    ASSERT_EQ(ChooseRadio(kFullScreen), S_OK);
    EXPECT_EQ(Items(kResolution), (Texts{u"1280 by 1024", u"1600 by 1200"}));
}

TEST_F(SettingsDialogTest, DeviceStepsAndRefreshFailWithoutWhatTheyNeed) {
    devicesettings::SettingsDialog& dialog = devicesettings::GetSettingsDialog();
    EXPECT_EQ(dialog.OnCreateDevice(nullptr), E_INVALIDARG);
    // No device yet: nothing in the catalogue matches the empty settings.
    EXPECT_EQ(dialog.RefreshFromDevice(), E_INVALIDARG);
    EXPECT_EQ(dialog.StoredWidth(), 0);
    EXPECT_EQ(dialog.OnControlEvent(kAdapter), E_FAIL);
}

}  // namespace
}  // namespace ondrel::testing
