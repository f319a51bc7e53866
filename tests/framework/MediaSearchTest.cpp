// The media search in temporary folder trees: the place list, both walks
// up, the installed media folder and the argument checks.

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "platform/win32/PathConvert.h"
#include "platform/win32/TextConvert.h"
#include "tests/framework/FrameworkFixture.h"

namespace ondrel::testing {
namespace {

using namespace ondrel::framework;
namespace fs = std::filesystem;

class MediaSearch : public FrameworkFixture {
protected:
    MediaSearch() {
        root_ = fs::temp_directory_path() / ("ondrel-media-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "deep" / "down" / "here");
        previous_ = fs::current_path();
        fs::current_path(root_ / "deep" / "down" / "here");
    }
    ~MediaSearch() override {
        fs::current_path(previous_);
        fs::remove_all(root_);
    }
    void Touch(const fs::path& relative) {
        fs::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative) << "x";
    }
    // The program's own tree holds the real skin, so the tests look for a
    // name nothing else has.
    std::u16string Found(HRESULT* status = nullptr, int capacity = MAX_PATH) {
        WCHAR destination[MAX_PATH];
        HRESULT result = FindMediaFile(destination, capacity, u"UI\\Probe.dds");
        if (status != nullptr) *status = result;
        return destination;
    }
    static fs::path Resolved(const std::u16string& found) {
        return fs::weakly_canonical(platform::ToNativePath(found));
    }

    fs::path root_;
    fs::path previous_;
};

TEST_F(MediaSearch, NearTheCurrentFolderBeforeFurtherUp) {
    Touch("deep/UI/Probe.dds");
    Touch("deep/down/UI/Probe.dds");
    HRESULT status = E_FAIL;
    std::u16string found = Found(&status);
    EXPECT_EQ(status, S_OK);
    EXPECT_EQ(found, u"..\\UI\\Probe.dds");
    EXPECT_EQ(Resolved(found), root_ / "deep/down/UI/Probe.dds");
}

TEST_F(MediaSearch, WalkUpFindsTheNameAboveThePlaceList) {
    Touch("UI/Probe.dds");  // four levels up: beyond "..\..\"
    HRESULT status = E_FAIL;
    std::u16string found = Found(&status);
    ASSERT_EQ(status, S_OK);
    EXPECT_EQ(Resolved(found), root_ / "UI/Probe.dds");
}

TEST_F(MediaSearch, WalkUpFindsAMediaSubfolderOfAParent) {
    Touch("media/UI/Probe.dds");
    HRESULT status = E_FAIL;
    std::u16string found = Found(&status);
    ASSERT_EQ(status, S_OK);
    EXPECT_EQ(Resolved(found), root_ / "media/UI/Probe.dds");
}

TEST_F(MediaSearch, InstalledMediaFolderFromTheRegistry) {
    Touch("share/Media/UI/Probe.dds");
    platform::SetRegistryValue(HKEY_LOCAL_MACHINE, u"Software\\Ondrel", u"Install Path",
                               platform::Utf8ToUtf16((root_ / "share").string()));
    HRESULT status = E_FAIL;
    std::u16string found = Found(&status);
    platform::ClearRegistryValues();
    ASSERT_EQ(status, S_OK);
    EXPECT_EQ(Resolved(found), root_ / "share/Media/UI/Probe.dds");
}

TEST_F(MediaSearch, NotFoundGivesTheBareName) {
    HRESULT status = S_OK;
    EXPECT_EQ(Found(&status), u"UI\\Probe.dds");
    EXPECT_EQ(status, MediaNotFound);
}

TEST_F(MediaSearch, ArgumentChecksAndTruncation) {
    WCHAR destination[MAX_PATH];
    EXPECT_EQ(FindMediaFile(destination, 9, u"UI\\Controls.dds"), E_INVALIDARG);
    EXPECT_EQ(FindMediaFile(destination, MAX_PATH, u""), E_INVALIDARG);
    EXPECT_EQ(FindMediaFile(nullptr, MAX_PATH, u"x"), E_INVALIDARG);
    // Too small a buffer: every candidate is tested as truncated, so the
    // first one whose cut text names something that exists wins. A folder
    // named like the cut first candidate makes that one win wherever the
    // program itself lives.
    fs::create_directories(root_ / "deep/down/here/UI/Probe.");
    HRESULT status = E_FAIL;
    std::u16string found = Found(&status, 10);
    EXPECT_EQ(status, S_OK);
    EXPECT_EQ(found, u"UI\\Probe.");
    EXPECT_NE(GetFileAttributesW(found.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(MediaSearch, InstalledMediaPathRejectsTooSmallBuffers) {
    platform::SetRegistryValue(HKEY_LOCAL_MACHINE, u"Software\\Ondrel", u"Install Path", u"/opt/ondrel");
    WCHAR destination[MAX_PATH];
    EXPECT_EQ(GetInstalledMediaPath(destination, MAX_PATH), S_OK);
    EXPECT_EQ(std::u16string(destination), u"/opt/ondrel\\Media\\");
    EXPECT_EQ(GetInstalledMediaPath(destination, 18), E_INVALIDARG);
    platform::ClearRegistryValues();
    EXPECT_EQ(GetInstalledMediaPath(destination, MAX_PATH), E_FAIL);
    EXPECT_EQ(destination[0], u'\0');
}

}  // namespace
}  // namespace ondrel::testing
