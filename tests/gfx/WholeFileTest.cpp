// Files written whole or not at all: what replaces what, links followed,
// numbered new files, and failures that leave the old file and no temporary
// one behind.
#include "gfx/WholeFile.h"

#include "support/FileLimit.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

class WholeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("quorvanel-whole-file-test-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Path(const std::string& name) const { return (folder / name).string(); }
    std::string Read(const std::string& name) const {
        std::ifstream file(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    // Every name in the folder, hidden ones included, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
};

TEST_F(WholeFileTest, AFileIsCreatedOrReplacedWithItsPermissionsAndNothingElseStays) {
    SKIP_ON_WINDOWS("permission bits");
    EXPECT_EQ(WriteWholeFile(Path("a.txt"), Bytes("first")), 0);
    fs::permissions(folder / "a.txt", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(WriteWholeFile(Path("a.txt"), Bytes("second")), 0);
    EXPECT_EQ(Read("a.txt"), "second");
    EXPECT_EQ(fs::status(folder / "a.txt").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Names(), std::vector<std::string>{"a.txt"});
}

TEST_F(WholeFileTest, ALinkStaysALinkAndTheFileItNamesIsReplaced) {
    SKIP_ON_WINDOWS("symbolic links");
    std::ofstream(folder / "real.txt") << "old";
    fs::create_symlink("real.txt", folder / "link.txt");
    EXPECT_EQ(WriteWholeFile(Path("link.txt"), Bytes("new")), 0);
    EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
    EXPECT_EQ(Read("real.txt"), "new");
}

TEST_F(WholeFileTest, SomethingThatIsNoFileIsWrittenDirectly) {
    SKIP_ON_WINDOWS("device files (/dev/null)");
    EXPECT_EQ(WriteWholeFile("/dev/null", Bytes("into nothing")), 0);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(WholeFileTest, AFolderThatIsNotThereGivesItsErrorNumber) {
    SKIP_ON_WINDOWS("ENOTDIR for a path through a file");
    std::ofstream(folder / "a.txt") << "a file";
    EXPECT_EQ(WriteWholeFile(Path("missing/a.txt"), Bytes("x")), ENOENT);
    EXPECT_EQ(WriteWholeFile(Path("a.txt/b.txt"), Bytes("x")), ENOTDIR);
    EXPECT_EQ(Names(), std::vector<std::string>{"a.txt"});
}

TEST_F(WholeFileTest, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryOne) {
    SKIP_WITHOUT_FILE_SIZE_LIMIT();
    std::ofstream(folder / "a.txt") << "old";
    EXPECT_EXIT(
        {
            LimitFileSize(4096);
            const int failure = WriteWholeFile(Path("a.txt"), Bytes(std::string(8192, 'x')));
            std::fprintf(stderr, "failure=%d\n", failure);
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "failure=" + std::to_string(EFBIG));
    EXPECT_EQ(Read("a.txt"), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"a.txt"});
}

TEST_F(WholeFileTest, NewFilesTakeTheFirstFreeNameAndReplaceNothing) {
    std::ofstream(folder / "n1") << "theirs";
    const auto name = [](int copy) { return "n" + std::to_string(copy); };
    std::string path;
    EXPECT_EQ(WriteNewFile(folder.string(), name, Bytes("a"), &path), 0);
    EXPECT_EQ(path, Path("n2"));
    EXPECT_EQ(WriteNewFile(folder.string(), name, Bytes("b"), &path), 0);
    EXPECT_EQ(path, Path("n3"));
    EXPECT_EQ(Read("n1"), "theirs");
    EXPECT_EQ(Read("n2"), "a");
    EXPECT_EQ(Read("n3"), "b");
    EXPECT_EQ(Names(), (std::vector<std::string>{"n1", "n2", "n3"}));
}

TEST_F(WholeFileTest, ANewFileThatCannotBeWrittenLeavesNothing) {
    SKIP_WITHOUT_FILE_SIZE_LIMIT();
    EXPECT_EXIT(
        {
            LimitFileSize(4096);
            std::string path;
            const int failure = WriteNewFile(
                folder.string(), [](int) { return std::string("n"); }, Bytes(std::string(8192, 'x')), &path);
            std::fprintf(stderr, "failure=%d path=%s\n", failure, path.c_str());
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "failure=" + std::to_string(EFBIG) + " path=" + Path("n"));
    EXPECT_TRUE(Names().empty());
}

}  // namespace
