// Every flag and the edge cases of reading the process command line.

#include "tests/framework/FrameworkFixture.h"

namespace ondrel::testing {
namespace {

using namespace ondrel::framework;

class CommandLine : public FrameworkFixture {
protected:
    void Parse(std::u16string line) {
        platform::SetCommandLineForTesting(std::move(line));
        ParseCommandLine();
    }
    template <class T>
    T Field(T StateFields::*field) {
        return State().Get(field);
    }
};

TEST_F(CommandLine, PrefixIsOptionalAndCaseIgnored) {
    for (std::u16string flag : {u"/WINDOWED", u"-windowed", u"windowed"}) {
        ResetFrameworkState();
        Parse(u"viewer.exe " + flag);
        EXPECT_TRUE(Field(&StateFields::overrideWindowed)) << std::string(flag.begin(), flag.end());
    }
}

TEST_F(CommandLine, EveryFlagReachesItsField) {
    Parse(u"viewer.exe -adapter:1 -fullscreen -forcehal -forceref -forcepurehwvp -forcehwvp -forceswvp "
          u"-width:800 -height:600 -startx:-5 -starty:7 -quitafterframe:2 -noerrormsgboxes");
    EXPECT_EQ(Field(&StateFields::overrideAdapterOrdinal), 1);
    EXPECT_TRUE(Field(&StateFields::overrideFullScreen));
    EXPECT_TRUE(Field(&StateFields::overrideForceHAL));
    EXPECT_TRUE(Field(&StateFields::overrideForceREF));
    EXPECT_TRUE(Field(&StateFields::overrideForcePureHWVP));
    EXPECT_TRUE(Field(&StateFields::overrideForceHWVP));
    EXPECT_TRUE(Field(&StateFields::overrideForceSWVP));
    EXPECT_EQ(Field(&StateFields::overrideWidth), 800);
    EXPECT_EQ(Field(&StateFields::overrideHeight), 600);
    EXPECT_EQ(Field(&StateFields::overrideStartX), -5);
    EXPECT_EQ(Field(&StateFields::overrideStartY), 7);
    EXPECT_EQ(Field(&StateFields::overrideQuitAfterFrame), 2);
    EXPECT_FALSE(Field(&StateFields::showMessageBoxesOnError));
}

TEST_F(CommandLine, FlagsRunIntoEachOtherAndUnknownTextIsSkipped) {
    Parse(u"viewer.exe -windowedforceref -adapterx -bogus:3 -height");
    EXPECT_TRUE(Field(&StateFields::overrideWindowed));
    EXPECT_TRUE(Field(&StateFields::overrideForceREF));
    EXPECT_EQ(Field(&StateFields::overrideAdapterOrdinal), -1);
    EXPECT_EQ(Field(&StateFields::overrideHeight), 0);  // no value: unchanged
}

TEST_F(CommandLine, ValuesReadAsTheRuntimeReadsThem) {
    Parse(u"viewer.exe -width:12abc -height:abc -constantframetime:0.01");
    EXPECT_EQ(Field(&StateFields::overrideWidth), 12);
    EXPECT_EQ(Field(&StateFields::overrideHeight), 0);
    EXPECT_FLOAT_EQ(Field(&StateFields::overrideConstantTimePerFrame), 0.01f);
    EXPECT_FLOAT_EQ(Field(&StateFields::timePerFrame), 0.01f);
    ResetFrameworkState();
    Parse(u"viewer.exe -constantframetime -quitafterframe:0");
    EXPECT_FLOAT_EQ(Field(&StateFields::overrideConstantTimePerFrame), 0.0333f);
    EXPECT_EQ(Field(&StateFields::overrideQuitAfterFrame), 0);
}

TEST_F(CommandLine, QuotedProgramPathWithBlanksIsSkippedWhole) {
    Parse(u"\"C:\\Program Files\\windowed\\viewer.exe\" -forcehal");
    EXPECT_FALSE(Field(&StateFields::overrideWindowed));
    EXPECT_TRUE(Field(&StateFields::overrideForceHAL));
    ResetFrameworkState();
    Parse(u"C:\\windowed\\viewer.exe\t-fullscreen");
    EXPECT_FALSE(Field(&StateFields::overrideWindowed));
    EXPECT_TRUE(Field(&StateFields::overrideFullScreen));
}

TEST_F(CommandLine, OverridesOnTheFirstSettings) {
    Parse(u"viewer.exe -fullscreen -windowed -adapter:2 -forcehal -forceref -width:1024 -forcehwvp -forceswvp");
    DeviceSettings settings{};
    settings.deviceType = D3DDEVTYPE_HAL;
    settings.behaviorFlags = D3DCREATE_PUREDEVICE | D3DCREATE_SOFTWARE_VERTEXPROCESSING | D3DCREATE_MULTITHREADED;
    settings.presentParameters.BackBufferHeight = 480;
    ApplyOverrides(&settings);
    EXPECT_EQ(settings.adapterOrdinal, 2u);
    EXPECT_EQ(settings.presentParameters.Windowed, TRUE);  // windowed wins
    EXPECT_EQ(settings.deviceType, D3DDEVTYPE_REF);        // REF wins
    EXPECT_EQ(settings.presentParameters.BackBufferWidth, 1024u);
    EXPECT_EQ(settings.presentParameters.BackBufferHeight, 480u);
    EXPECT_EQ(settings.behaviorFlags, D3DCREATE_MULTITHREADED | D3DCREATE_HARDWARE_VERTEXPROCESSING);

    ResetFrameworkState();
    Parse(u"viewer.exe -forcepurehwvp");
    settings.behaviorFlags = D3DCREATE_SOFTWARE_VERTEXPROCESSING;
    ApplyOverrides(&settings);
    EXPECT_EQ(settings.behaviorFlags, D3DCREATE_PUREDEVICE | D3DCREATE_HARDWARE_VERTEXPROCESSING);
    ResetFrameworkState();
    Parse(u"viewer.exe -forceswvp");
    ApplyOverrides(&settings);
    EXPECT_EQ(settings.behaviorFlags, D3DCREATE_SOFTWARE_VERTEXPROCESSING);
}

}  // namespace
}  // namespace ondrel::testing
