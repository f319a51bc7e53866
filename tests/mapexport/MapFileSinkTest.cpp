// The ways a map write can go wrong after the file is opened, and what each
// must leave behind: the old map as it was, failure reported, no temporary
// file. Also where the temporary file goes and what mode a new map gets.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "level/LevelData.h"
#include "level/MemoryVertexBuffer.h"
#include "mapexport/MapFileSink.h"
#include "mapexport/MapWriter.h"
#include "mapexport/SolidBuilder.h"
#include "tests/support/TempFiles.h"

namespace ondrel::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t ModeOf(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

class MapFileSinkTest : public ::testing::Test {
protected:
    // A level whose map is far longer than the size limit below.
    void ConvertManyTriangles() {
        level.SetBufferFactory(&buffers);
        for (int i = 0; i < 300; ++i) {
            const float x = static_cast<float>(i);
            for (const LevelVertex& v : {LevelVertex{x, 0, 0, 1, 1, 1, 0}, LevelVertex{x + 1, 0, 0, 1, 1, 1, 0},
                                         LevelVertex{x, 0, 1, 1, 1, 1, 0}}) {
                ASSERT_TRUE(level.AppendSourceVertex(v));
            }
        }
        ComputeFlatNormals(level.sourceVertices.get(), level.sourceCount);
        ASSERT_TRUE(ConvertToSolids(level, parameters));
    }

    TempFolder folder;
    DiscardingVertexBufferFactory buffers;
    LevelData level;
    ConversionParameters parameters;
};

// The disk "fills" part-way: a child process may not write more than 8 KiB
// and ignores the signal that would otherwise kill it at the limit.
TEST_F(MapFileSinkTest, AWriteThatFailsPartWayKeepsTheOldMap) {
    ConvertManyTriangles();
    const fs::path map = folder.Write("keep.map", "precious");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{8192, 8192};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(9);
        std::string why;
        const bool written = WriteMapFile(level, map.string(), parameters, &why);
        _exit(written ? 0 : why.find("write failed") != std::string::npos ? 1 : 2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "0: success reported; 2: another failure";
    EXPECT_EQ(ReadWholeFile(map), "precious");
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"keep.map"});
}

TEST_F(MapFileSinkTest, AFailedRenameIsReportedAndTheTemporaryFileRemoved) {
    const fs::path target = folder.File("x.map");
    MapFileSink sink;
    ASSERT_TRUE(sink.Open(target.string()));
    sink.Write("{\r\n}\r\n");
    fs::create_directory(target);  // the target turns into a non-empty folder
    folder.Write("x.map/inside", "");
    EXPECT_FALSE(sink.Commit());
    EXPECT_NE(sink.Error().find("cannot replace the target"), std::string::npos) << sink.Error();
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"x.map"});
    EXPECT_TRUE(fs::is_directory(target));
}

// Renaming only works within one file system, so the temporary file must
// be in the target's folder, not in a folder for temporary files.
TEST_F(MapFileSinkTest, TheTemporaryFileSitsBesideTheTarget) {
    const fs::path sub = folder.File("maps");
    fs::create_directory(sub);
    MapFileSink sink;
    ASSERT_TRUE(sink.Open((sub / "x.map").string()));
    EXPECT_EQ(fs::path(sink.TemporaryPath()).parent_path(), sub);
    ASSERT_TRUE(sink.Commit());
    EXPECT_EQ(sink.TemporaryPath(), "");

    // And for real on a second file system, where there is one.
    std::error_code error;
    if (!fs::is_directory("/dev/shm", error) || ::access("/dev/shm", W_OK) != 0) return;
    char pattern[] = "/dev/shm/ondrel-map-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const fs::path shmMap = fs::path(pattern) / "level.map";
    const bool written = WriteMapFile(level, shmMap.string(), parameters);
    const fs::path diskMap = folder.File("level.map");
    EXPECT_TRUE(written);
    EXPECT_TRUE(WriteMapFile(level, diskMap.string(), parameters));
    EXPECT_EQ(ReadWholeFile(shmMap), ReadWholeFile(diskMap));
    fs::remove_all(pattern);
}

TEST_F(MapFileSinkTest, ANewMapGetsTheModeOfAnyNewFile) {
    const mode_t saved = ::umask(022);
    const fs::path map = folder.File("new.map");
    const bool written = WriteMapFile(level, map.string(), parameters);
    ::umask(saved);
    ASSERT_TRUE(written);
    EXPECT_EQ(ModeOf(map), 0644u);
}

// A replaced map keeps what its owner gave it: its mode (a private map stays
// private, a shared one group-writable) and, where allowed, its group.
TEST_F(MapFileSinkTest, AReplacedMapKeepsItsModeAndGroup) {
    const mode_t saved = ::umask(022);
    for (const mode_t mode : {0600u, 0664u, 0640u}) {
        const fs::path map = folder.Write("kept.map", "old");
        ASSERT_EQ(::chmod(map.c_str(), mode), 0);
        EXPECT_TRUE(WriteMapFile(level, map.string(), parameters));
        EXPECT_EQ(ModeOf(map), mode);
    }
    ::umask(saved);

    if (::getuid() != 0) return;  // only root may give a file another group
    constexpr gid_t kOtherGroup = 65534;
    const fs::path map = folder.Write("shared.map", "old");
    ASSERT_EQ(::chown(map.c_str(), static_cast<uid_t>(-1), kOtherGroup), 0);
    ASSERT_TRUE(WriteMapFile(level, map.string(), parameters));
    struct stat status {};
    ASSERT_EQ(::stat(map.c_str(), &status), 0);
    EXPECT_EQ(status.st_gid, kOtherGroup);
}

// A map reached through a symbolic link is written where the link points,
// as editors do: the link stays a link and its target gets the new text.
TEST_F(MapFileSinkTest, AMapBehindASymbolicLinkIsWrittenThroughIt) {
    fs::create_directory(folder.File("real"));
    const fs::path target = folder.Write("real/target.map", "old");
    const fs::path link = folder.File("link.map");
    fs::create_symlink("real/target.map", link);
    ASSERT_TRUE(WriteMapFile(level, link.string(), parameters));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadWholeFile(target).rfind("{\r\n\"classname\"", 0), 0u);
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string>{"link.map", "real"}));
    EXPECT_EQ(Names(folder.File("real")), std::vector<std::string>{"target.map"});

    // A link to a map not written yet makes the map where the link points.
    const fs::path dangling = folder.File("new-link.map");
    fs::create_symlink("real/new.map", dangling);
    ASSERT_TRUE(WriteMapFile(level, dangling.string(), parameters));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_TRUE(fs::is_regular_file(folder.File("real/new.map")));
}

}  // namespace
}  // namespace ondrel::testing

namespace ondrel::testing {
namespace {

// The buffer starts small and grows with the map, and a piece larger than
// its largest size goes straight through: pieces of many sizes, crossing
// every growth and the largest size, must arrive whole and in order.
TEST(MapFileSinkBuffer, PiecesOfEverySizeArriveInOrder) {
    TempFolder folder;
    const auto map = folder.File("pieces.map");
    std::string expected;
    MapFileSink sink;
    ASSERT_TRUE(sink.Open(map.string()));
    auto write = [&](std::size_t size, char first) {
        std::string piece(size, first);
        for (std::size_t i = 0; i < size; i += 7) piece[i] = static_cast<char>('a' + i % 26);
        sink.Write(piece);
        expected += piece;
    };
    for (std::size_t size = 1; expected.size() < (3u << 20); size = size * 3 + 1) {
        write(size % 100000, 'x');
        write(size % 3000, 'y');
    }
    write(std::size_t{2} << 20, 'z');
    write(5, 'w');
    ASSERT_TRUE(sink.Commit()) << sink.Error();
    EXPECT_EQ(ReadWholeFile(map), expected);
}

}  // namespace
}  // namespace ondrel::testing
