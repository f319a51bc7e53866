// The system object answered from a scripted catalogue: adapters, modes,
// capabilities, format checks and device creation.

#include "platform/scripted/ScriptedPlatformServices.h"
#include "platform/win32/Windows.h"
#include "tests/support/RecordingFixture.h"

namespace ondrel::testing {
using namespace ondrel::graphics;
namespace {

using recording::RecordingWorld;

class RecordingSystemTest : public RecordingTest {};

TEST_F(RecordingSystemTest, AdaptersModesAndCapabilitiesComeFromTheScript) {
    AdapterDescription second = RecordingWorld::TypicalAdapter("Second Card");
    second.modes = {{800, 600, 75, D3DFMT_X8R8G8B8}};
    second.devices.push_back(TypicalDeviceSupport(D3DDEVTYPE_REF));
    world_->Catalogue().adapters.push_back(second);

    ASSERT_EQ(d3d_->GetAdapterCount(), 2u);
    D3DADAPTER_IDENTIFIER9 identifier{};
    ASSERT_EQ(d3d_->GetAdapterIdentifier(1, 0, &identifier), D3D_OK);
    EXPECT_STREQ(identifier.Description, "Second Card");
    EXPECT_EQ(d3d_->GetAdapterIdentifier(2, 0, &identifier), D3DERR_INVALIDCALL);

    EXPECT_EQ(d3d_->GetAdapterModeCount(0, D3DFMT_X8R8G8B8), 4u);
    EXPECT_EQ(d3d_->GetAdapterModeCount(0, D3DFMT_A2R10G10B10), 0u);
    D3DDISPLAYMODE mode{};
    ASSERT_EQ(d3d_->EnumAdapterModes(1, D3DFMT_X8R8G8B8, 0, &mode), D3D_OK);
    EXPECT_EQ(mode.RefreshRate, 75u);
    EXPECT_EQ(d3d_->EnumAdapterModes(1, D3DFMT_X8R8G8B8, 1, &mode), D3DERR_INVALIDCALL);

    D3DCAPS9 caps{};
    EXPECT_EQ(d3d_->GetDeviceCaps(0, D3DDEVTYPE_REF, &caps), D3DERR_NOTAVAILABLE);
    ASSERT_EQ(d3d_->GetDeviceCaps(1, D3DDEVTYPE_REF, &caps), D3D_OK);
    EXPECT_EQ(caps.DeviceType, D3DDEVTYPE_REF);
    EXPECT_EQ(caps.AdapterOrdinal, 1u);
    ASSERT_EQ(d3d_->GetDeviceCaps(0, D3DDEVTYPE_HAL, &caps), D3D_OK);
    EXPECT_NE(caps.DevCaps & 0x10000u, 0u) << "hardware transform and lighting";
    EXPECT_NE(caps.DevCaps & 0x100000u, 0u) << "pure device";
    EXPECT_GE(caps.PixelShaderVersion, 0xFFFF0101u);
    EXPECT_GE(caps.VertexShaderVersion, 0xFFFE0101u);
}

TEST_F(RecordingSystemTest, FormatChecksFollowTheDeviceSupport) {
    EXPECT_EQ(d3d_->CheckDeviceType(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, D3DFMT_A8R8G8B8, FALSE), D3D_OK);
    EXPECT_EQ(d3d_->CheckDeviceType(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, D3DFMT_R5G6B5, FALSE), D3DERR_NOTAVAILABLE)
        << "full screen needs the display's layout";
    EXPECT_EQ(d3d_->CheckDeviceType(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, D3DFMT_R5G6B5, TRUE), D3D_OK);
    EXPECT_EQ(d3d_->CheckDeviceType(0, D3DDEVTYPE_REF, D3DFMT_X8R8G8B8, D3DFMT_X8R8G8B8, TRUE), D3DERR_NOTAVAILABLE);

    const DWORD blending = D3DUSAGE_QUERY_POSTPIXELSHADER_BLENDING;
    EXPECT_EQ(d3d_->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, blending, D3DRTYPE_TEXTURE, D3DFMT_A8R8G8B8),
              D3D_OK);
    EXPECT_EQ(d3d_->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, D3DUSAGE_DEPTHSTENCIL, D3DRTYPE_SURFACE,
                                      D3DFMT_D24S8),
              D3D_OK);
    EXPECT_EQ(d3d_->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, D3DUSAGE_DEPTHSTENCIL, D3DRTYPE_SURFACE,
                                      D3DFMT_D15S1),
              D3DERR_NOTAVAILABLE);
    for (FormatSupport& support : world_->Catalogue().adapters[0].devices[0].resourceFormats) {
        if (support.format == D3DFMT_A8R8G8B8) support.usages &= ~blending;
    }
    EXPECT_EQ(d3d_->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, blending, D3DRTYPE_TEXTURE, D3DFMT_A8R8G8B8),
              D3DERR_NOTAVAILABLE);

    EXPECT_EQ(d3d_->CheckDepthStencilMatch(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, D3DFMT_X8R8G8B8, D3DFMT_D32), D3D_OK);
    EXPECT_EQ(d3d_->CheckDepthStencilMatch(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, D3DFMT_X8R8G8B8, D3DFMT_D15S1),
              D3DERR_NOTAVAILABLE);

    world_->Catalogue().adapters[0].devices[0].multiSampleTypes = {{D3DMULTISAMPLE_4_SAMPLES, 100000, {}}};
    DWORD quality = 0;
    EXPECT_EQ(d3d_->CheckDeviceMultiSampleType(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, TRUE, D3DMULTISAMPLE_NONE,
                                               &quality),
              D3D_OK);
    EXPECT_EQ(quality, 1u);
    EXPECT_EQ(d3d_->CheckDeviceMultiSampleType(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, TRUE, D3DMULTISAMPLE_4_SAMPLES,
                                               &quality),
              D3D_OK);
    EXPECT_EQ(quality, 100000u);
    EXPECT_EQ(d3d_->CheckDeviceMultiSampleType(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, TRUE, D3DMULTISAMPLE_2_SAMPLES,
                                               nullptr),
              D3DERR_NOTAVAILABLE);

    // Support per surface format, so a depth format can refuse what its
    // back buffer allows, and even "none" can be taken away from a format.
    world_->Catalogue().adapters[0].devices[0].multiSampleTypes = {
        {D3DMULTISAMPLE_NONE, 1, {D3DFMT_X8R8G8B8, D3DFMT_D16}},
        {D3DMULTISAMPLE_2_SAMPLES, 4, {D3DFMT_X8R8G8B8}}};
    EXPECT_EQ(d3d_->CheckDeviceMultiSampleType(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, TRUE, D3DMULTISAMPLE_2_SAMPLES,
                                               &quality),
              D3D_OK);
    EXPECT_EQ(quality, 4u);
    EXPECT_EQ(d3d_->CheckDeviceMultiSampleType(0, D3DDEVTYPE_HAL, D3DFMT_D16, TRUE, D3DMULTISAMPLE_2_SAMPLES, nullptr),
              D3DERR_NOTAVAILABLE);
    EXPECT_EQ(d3d_->CheckDeviceMultiSampleType(0, D3DDEVTYPE_HAL, D3DFMT_D16, TRUE, D3DMULTISAMPLE_NONE, nullptr),
              D3D_OK);
    EXPECT_EQ(d3d_->CheckDeviceMultiSampleType(0, D3DDEVTYPE_HAL, D3DFMT_A8R8G8B8, TRUE, D3DMULTISAMPLE_NONE, nullptr),
              D3DERR_NOTAVAILABLE);
}

// Code that compares the window's monitor and desktop with the adapter's
// (the framework's monitor check, the windowed size limit) must see no
// change on an unchanged machine.
TEST_F(RecordingSystemTest, TheTypicalAdapterIsTheScriptedPlatformsDisplay) {
    platform::InstallScriptedPlatform();
    HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    EXPECT_EQ(d3d_->GetAdapterMonitor(0), primary);
    D3DDISPLAYMODE desktop{};
    ASSERT_EQ(d3d_->GetAdapterDisplayMode(0, &desktop), D3D_OK);
    DEVMODEW registry{};
    ASSERT_TRUE(EnumDisplaySettingsW(nullptr, ENUM_REGISTRY_SETTINGS, &registry));
    EXPECT_EQ(desktop.Width, registry.dmPelsWidth);
    EXPECT_EQ(desktop.Height, registry.dmPelsHeight);
    EXPECT_EQ(desktop.RefreshRate, registry.dmDisplayFrequency);
    platform::ResetPlatformServices();
}

TEST_F(RecordingSystemTest, CreateDeviceCompletesAndChecksThePresentationParameters) {
    world_->SetWindowClientSize(FakeWindow(), 300, 200);
    D3DPRESENT_PARAMETERS pp = WindowedParameters();
    pp.BackBufferWidth = pp.BackBufferHeight = 0;
    pp.BackBufferCount = 0;
    pp.BackBufferFormat = D3DFMT_UNKNOWN;
    ASSERT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, FakeWindow(), D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &device_),
              D3D_OK);
    EXPECT_EQ(pp.BackBufferWidth, 300u) << "the window's client size";
    EXPECT_EQ(pp.BackBufferHeight, 200u);
    EXPECT_EQ(pp.BackBufferCount, 1u);
    EXPECT_EQ(pp.BackBufferFormat, D3DFMT_X8R8G8B8) << "the desktop's format";
    IDirect3DSurface9* backBuffer = nullptr;
    ASSERT_EQ(device_->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer), D3D_OK);
    D3DSURFACE_DESC desc{};
    backBuffer->GetDesc(&desc);
    EXPECT_EQ(desc.Width, 300u);
    EXPECT_EQ(desc.Height, 200u);
    backBuffer->Release();

    IDirect3DDevice9* other = nullptr;
    D3DPRESENT_PARAMETERS fullScreen = WindowedParameters();
    fullScreen.Windowed = FALSE;
    fullScreen.BackBufferWidth = 1600;  // no such mode
    fullScreen.BackBufferHeight = 1200;
    EXPECT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, FakeWindow(), D3DCREATE_HARDWARE_VERTEXPROCESSING, &fullScreen,
                                 &other),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(other, nullptr);
    fullScreen.BackBufferWidth = 800;
    fullScreen.BackBufferHeight = 600;
    fullScreen.PresentationInterval = D3DPRESENT_INTERVAL_DEFAULT;
    ASSERT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, FakeWindow(), D3DCREATE_HARDWARE_VERTEXPROCESSING, &fullScreen,
                                 &other),
              D3D_OK);
    EXPECT_EQ(other->Release(), 0u);

    pp = WindowedParameters();
    EXPECT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_REF, FakeWindow(), D3DCREATE_SOFTWARE_VERTEXPROCESSING, &pp, &other),
              D3DERR_NOTAVAILABLE);
    EXPECT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, FakeWindow(), D3DCREATE_PUREDEVICE, &pp, &other),
              D3DERR_INVALIDCALL)
        << "no vertex processing chosen";
    world_->Catalogue().adapters[0].devices[0].caps.DevCaps &= ~D3DDEVCAPS_HWTRANSFORMANDLIGHT;
    EXPECT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, FakeWindow(), D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &other),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, FakeWindow(), D3DCREATE_SOFTWARE_VERTEXPROCESSING, &pp, &other),
              D3D_OK);
    EXPECT_EQ(other->Release(), 0u);
}

TEST_F(RecordingSystemTest, InjectedCreationFailureIsAnsweredAndLogged) {
    world_->FailCall("IDirect3D9::CreateDevice", D3DERR_OUTOFVIDEOMEMORY, 1);
    EXPECT_EQ(MakeDevice(), D3DERR_OUTOFVIDEOMEMORY);
    EXPECT_EQ(device_, nullptr);
    EXPECT_EQ(world_->LiveObjects(ObjectKind::Device), 0);
    EXPECT_EQ(MakeDevice(), D3D_OK) << "only the first call fails";
    ASSERT_GE(world_->Calls().size(), 2u);
    EXPECT_EQ(world_->CountCalls("IDirect3D9::CreateDevice"), 2u);
    EXPECT_EQ(world_->Calls().front().result, D3DERR_OUTOFVIDEOMEMORY);
}

TEST(GraphicsBackendTest, EntryPointRefusesOtherVersionsAndFollowsTheInstalledBackend) {
    EXPECT_EQ(Direct3DCreate9(31), nullptr);
    auto world = RecordingWorld::Create();
    {
        recording::ScopedRecordingBackend installed(world);
        IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(d3d, nullptr);
        EXPECT_EQ(world->LiveObjects(ObjectKind::System), 1);
        EXPECT_EQ(d3d->AddRef(), 2u);
        EXPECT_EQ(d3d->Release(), 1u);
        EXPECT_EQ(d3d->Release(), 0u);
    }
    EXPECT_EQ(world->LiveObjectsTotal(), 0);
}

}  // namespace
}  // namespace ondrel::testing
