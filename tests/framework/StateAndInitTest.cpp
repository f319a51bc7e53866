// The state before and after Init, Init's failure paths and the lock rule.

#include <future>

#include "tests/framework/FrameworkFixture.h"

namespace ondrel::testing {
namespace {

using namespace ondrel::framework;

using StateAndInit = FrameworkFixture;

TEST_F(StateAndInit, BeforeInitEveryQueryIsEmpty) {
    EXPECT_EQ(GetDevice(), nullptr);
    EXPECT_EQ(GetDirect3D(), nullptr);
    EXPECT_EQ(GetCurrentWindow(), nullptr);
    EXPECT_FALSE(IsWindowed());
    EXPECT_EQ(GetTime(), 0.0);
    EXPECT_EQ(GetFps(), 0.0f);
    EXPECT_EQ(GetFrameStats()[0], u'\0');
    EXPECT_EQ(GetDeviceSettings().presentParameters.BackBufferWidth, 0u);
    EXPECT_FALSE(IsRenderingPaused());
    EXPECT_FALSE(IsTimePaused());
    EXPECT_FALSE(IsSettingsDialogShown());
    EXPECT_EQ(GetExitCode(), 0);
    EXPECT_TRUE(State().Get(&StateFields::showMessageBoxesOnError));
}

TEST_F(StateAndInit, InitMakesTheInterfaceAndTheCommandLineOverridesTheMessageSwitch) {
    platform::SetCommandLineForTesting(u"viewer.exe -noerrormsgboxes");
    ASSERT_EQ(Init(true, true, true), S_OK);
    EXPECT_TRUE(State().Get(&StateFields::inited));
    EXPECT_NE(GetDirect3D(), nullptr);
    EXPECT_TRUE(State().Get(&StateFields::handleDefaultHotkeys));
    EXPECT_FALSE(State().Get(&StateFields::showMessageBoxesOnError));
    EXPECT_EQ(platform::LoadedLibraryCount(), 1);  // d3d9 stays, winmm was freed
}

TEST_F(StateAndInit, MissingSystemFolderFailsQuietlyAndIsNotRetried) {
    platform::HideSystemDirectory(true);
    EXPECT_EQ(Init(true, true, true), E_FAIL);
    EXPECT_FALSE(State().Get(&StateFields::inited));
    EXPECT_TRUE(platform_.MessageBoxes().empty());
    EXPECT_EQ(GetExitCode(), 0);
    platform::HideSystemDirectory(false);
    EXPECT_EQ(CreateAppWindow(u"x", nullptr, nullptr, nullptr, CW_USEDEFAULT, CW_USEDEFAULT), E_FAIL);
    EXPECT_FALSE(State().Get(&StateFields::inited));
}

TEST_F(StateAndInit, MissingGraphicsLibraryOrEntryIsNoDirect3D) {
    platform::HideLibraryEntry(u"d3d9.dll", "Direct3DCreate9");
    EXPECT_EQ(Init(false, true, true), NoDirect3D);
    ASSERT_EQ(platform_.MessageBoxes().size(), 1u);
    EXPECT_EQ(GetExitCode(), 2);
    EXPECT_FALSE(State().Get(&StateFields::inited));

    ResetDirect3DLibrary();
    platform::ResetLibraryTable();
    platform::HideLibraryEntry(u"d3d9.dll");
    EXPECT_EQ(Init(false, true, true), NoDirect3D);
}

TEST_F(StateAndInit, MissingTimerPeriodCallIsIgnored) {
    platform::HideLibraryEntry(u"winmm.dll", "timeBeginPeriod");
    EXPECT_EQ(Init(false, true, true), S_OK);
}

// While another thread holds stateLock, an accessor waits only when the
// thread-safe switch is on.
TEST_F(StateAndInit, AccessorsTakeTheLockOnlyWhileThreadSafe) {
    FrameworkState& state = State();
    auto readFrame = [&state] { return state.Get(&StateFields::frameNumber); };

    state.SetThreadSafe(false);
    state.EnterLock();
    auto unguarded = std::async(std::launch::async, readFrame);
    EXPECT_EQ(unguarded.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    state.LeaveLock();

    state.SetThreadSafe(true);
    state.EnterLock();
    auto guarded = std::async(std::launch::async, readFrame);
    EXPECT_EQ(guarded.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
    state.LeaveLock();
    EXPECT_EQ(guarded.get(), 0);
}

}  // namespace
}  // namespace ondrel::testing
