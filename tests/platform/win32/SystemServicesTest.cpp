// The services that need no window: text conversion, critical sections,
// paths and files, the registry stand-in.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include <unistd.h>

#include "platform/win32/PathConvert.h"
#include "platform/win32/TextConvert.h"
#include "platform/win32/Windows.h"

using namespace ondrel::platform;

namespace {

// A private folder per test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("ondrel-services-" + std::to_string(::getpid()) + "-" + info->name());
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

std::u16string Wide(const std::filesystem::path& path) { return FromNativePath(path); }

}  // namespace

TEST(TextConvert, RoundTripsEveryPlaneAndReplacesBrokenInput) {
    std::u16string text = u"GoldenEye 007\u2122 \u00e9 \U0001F600 end";
    EXPECT_EQ(Utf8ToUtf16(Utf16ToDisplayUtf8(text)), text);
    EXPECT_EQ(Utf16ToDisplayUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToDisplayUtf8(std::u16string(1, char16_t{0xD800}) + u"x"), "\xEF\xBF\xBDx") << "lone surrogate";
    EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD") << "cut sequence";
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD") << "overlong form";
    WCHAR small[4];
    EXPECT_EQ(CopyToBuffer(u"abcdef", small, 4), 3u);
    EXPECT_EQ(std::u16string(small), u"abc");
}

// Names with unpaired surrogates are legal in UTF-16 file names. Two such
// names must never land on one file, and a name read back from the file
// system must be the name that was written.
TEST(PathConvert, UnpairedSurrogatesStayDistinctAndRoundTrip) {
    const std::u16string first = u"level" + std::u16string(1, char16_t{0xD800}) + u".bin";
    const std::u16string second = u"level" + std::u16string(1, char16_t{0xDC01}) + u".bin";
    EXPECT_NE(ToNativePath(first), ToNativePath(second));
    EXPECT_EQ(ToNativePath(first).string(), "level\xED\xA0\x80.bin");
    EXPECT_EQ(FromNativePath(ToNativePath(first)), first);
    EXPECT_EQ(FromNativePath(ToNativePath(second)), second);
    EXPECT_EQ(ToNativePath(u"a\\b\\c.txt").string(), "a/b/c.txt");
    EXPECT_EQ(FromNativePath(ToNativePath(u"\U0001F600")), u"\U0001F600");
}

TEST(CriticalSection, IsReentrantAndExcludesOtherThreads) {
    CRITICAL_SECTION section;
    ASSERT_TRUE(InitializeCriticalSectionAndSpinCount(&section, 4000));
    EnterCriticalSection(&section);
    EnterCriticalSection(&section);
    EXPECT_EQ(section.RecursionCount, 2);

    std::atomic<bool> otherGotIn{false};
    std::thread other([&] { otherGotIn = TryEnterCriticalSection(&section) != FALSE; });
    other.join();
    EXPECT_FALSE(otherGotIn);

    LeaveCriticalSection(&section);
    LeaveCriticalSection(&section);
    int counter = 0;
    auto work = [&] {
        for (int i = 0; i < 10000; ++i) {
            EnterCriticalSection(&section);
            ++counter;
            LeaveCriticalSection(&section);
        }
    };
    std::thread a(work);
    std::thread b(work);
    a.join();
    b.join();
    EXPECT_EQ(counter, 20000);
    DeleteCriticalSection(&section);
    EXPECT_EQ(section.lock, nullptr);
}

TEST(Files, FullPathsResolveDotsAndBackslashes) {
    TempFolder folder;
    std::u16string base = Wide(folder.Path());
    std::u16string messy = base + u"\\ui\\..\\UI\\.\\Controls.dds";
    WCHAR buffer[MAX_PATH];
    LPWSTR filePart = nullptr;
    DWORD length = GetFullPathNameW(messy.c_str(), MAX_PATH, buffer, &filePart);
    EXPECT_EQ(std::u16string(buffer), base + u"/UI/Controls.dds");
    EXPECT_EQ(length, std::u16string(buffer).size());
    ASSERT_NE(filePart, nullptr);
    EXPECT_EQ(std::u16string(filePart), u"Controls.dds");
    EXPECT_EQ(GetFullPathNameW(messy.c_str(), 4, buffer, nullptr), length + 1) << "size needed";

    std::filesystem::path cwd = std::filesystem::current_path();
    GetFullPathNameW(u"relative.txt", MAX_PATH, buffer, nullptr);
    EXPECT_EQ(std::u16string(buffer), Wide(cwd / "relative.txt"));
}

TEST(Files, AttributesTellFilesFoldersAndMissingPathsApart) {
    TempFolder folder;
    std::filesystem::create_directories(folder.Path() / "UI");
    std::ofstream(folder.Path() / "UI" / "Contr\xC3\xB4les.dds") << "DDS ";
    std::u16string base = Wide(folder.Path());
    EXPECT_EQ(GetFileAttributesW((base + u"\\UI\\Contr\u00f4les.dds").c_str()), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(GetFileAttributesW((base + u"/UI").c_str()), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributesW((base + u"/UI/missing.dds").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetFileAttributesW((base + u"/nowhere/missing.dds").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST(Files, CreateReadAndSizeAFile) {
    TempFolder folder;
    std::u16string path = Wide(folder.Path() / "level \xE2\x84\xA2.bin");
    HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(writer, "0123456789", 10, &written, nullptr));
    CloseHandle(writer);

    HANDLE reader = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    DWORD high = 1;
    EXPECT_EQ(GetFileSize(reader, &high), 10u);
    EXPECT_EQ(high, 0u);
    char data[16] = {};
    DWORD read = 0;
    ASSERT_TRUE(ReadFile(reader, data, 16, &read, nullptr));
    EXPECT_EQ(read, 10u);
    EXPECT_EQ(std::string(data), "0123456789");
    ASSERT_TRUE(ReadFile(reader, data, 16, &read, nullptr));
    EXPECT_EQ(read, 0u) << "end of file";
    EXPECT_TRUE(CloseHandle(reader));

    EXPECT_EQ(CreateFileW((path + u"x").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST(Files, ProgramPathAndCommandLineNameThisProgram) {
    WCHAR buffer[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    ASSERT_GT(length, 0u);
    std::filesystem::path program = ToNativePath(buffer);
    EXPECT_TRUE(program.is_absolute());
    EXPECT_TRUE(std::filesystem::exists(program));
    WCHAR tiny[4];
    EXPECT_EQ(GetModuleFileNameW(nullptr, tiny, 4), 4u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    std::u16string commandLine = GetCommandLineW();
    EXPECT_NE(commandLine.find(Wide(program.filename())), std::u16string::npos);
}

// The registry answers what the program put there, under the root it named.
class Registry : public ::testing::Test {
protected:
    void TearDown() override { ondrel::platform::ClearRegistryValues(); }

    static std::u16string Read(HKEY key, LPCWSTR name) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != static_cast<LONG>(ERROR_SUCCESS)) return u"?";
        std::vector<WCHAR> value(size / sizeof(WCHAR));
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size);
        return std::u16string(value.data());
    }
};

TEST_F(Registry, AValueTheProgramSetIsReadBackWithWin32Sizes) {
    ondrel::platform::SetRegistryValue(HKEY_LOCAL_MACHINE, u"Software\\Ondrel", u"Install Path", u"/opt/ondrel");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"software/ondrel", 0, KEY_READ, &key), static_cast<LONG>(ERROR_SUCCESS));
    DWORD type = 0;
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueExW(key, u"INSTALL PATH", nullptr, &type, nullptr, &size), static_cast<LONG>(ERROR_SUCCESS));
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, (std::u16string(u"/opt/ondrel").size() + 1) * sizeof(WCHAR));
    std::vector<WCHAR> value(size / sizeof(WCHAR));
    DWORD tooSmall = 2;
    EXPECT_EQ(RegQueryValueExW(key, u"Install Path", nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &tooSmall),
              static_cast<LONG>(ERROR_MORE_DATA));
    EXPECT_EQ(tooSmall, size);
    EXPECT_EQ(Read(key, u"Install Path"), u"/opt/ondrel");
    EXPECT_EQ(RegQueryValueExW(key, u"Other", nullptr, &type, nullptr, &size), static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(RegCloseKey(key), static_cast<LONG>(ERROR_SUCCESS));
}

TEST_F(Registry, KeysAreSeparateByRootAndMissingUntilGivenAValue) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Ondrel", 0, KEY_READ, &key),
              static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(key, nullptr);
    ondrel::platform::SetRegistryValue(HKEY_LOCAL_MACHINE, u"Software\\Ondrel", u"Install Path", u"/machine");
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Ondrel", 0, KEY_READ, &key),
              static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software\\Other", 0, KEY_READ, &key),
              static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), static_cast<LONG>(ERROR_INVALID_HANDLE));
}

TEST_F(Registry, AnOpenKeyKeepsTheValuesItWasOpenedWith) {
    ondrel::platform::SetRegistryValue(HKEY_CURRENT_USER, u"Software\\Ondrel", u"Install Path", u"/first");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Ondrel\\", 0, KEY_READ, &key),
              static_cast<LONG>(ERROR_SUCCESS));
    ondrel::platform::SetRegistryValue(HKEY_CURRENT_USER, u"Software\\Ondrel", u"Install Path", u"/second");
    EXPECT_EQ(Read(key, u"Install Path"), u"/first");
    RegCloseKey(key);
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Ondrel", 0, KEY_READ, &key), static_cast<LONG>(ERROR_SUCCESS));
    EXPECT_EQ(Read(key, u"Install Path"), u"/second");
    RegCloseKey(key);
}
