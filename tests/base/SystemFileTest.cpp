// The system's file calls as every caller relies on them, on Linux and on
// Windows alike: a UTF-8 name outside any code page, bytes kept as they are
// (no "\n" turned into "\r\n", no end at a Ctrl+Z), reads at an offset, and
// what a file and a folder say of themselves.
#include "base/SystemFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

class SystemFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = SystemFile::Utf8Of(fs::temp_directory_path() / SystemFile::PathOf("quorvanel-文件-test"));
        fs::remove_all(SystemFile::PathOf(folder));
        fs::create_directories(SystemFile::PathOf(folder));
    }
    void TearDown() override { fs::remove_all(SystemFile::PathOf(folder)); }

    // Writes text through a new file's descriptor.
    void Create(const std::string& path, const std::string& text) {
        const int fd = SystemFile::Open(path, SystemFile::Access::CreateNew);
        ASSERT_GE(fd, 0) << path;
        EXPECT_EQ(SystemFile::Write(fd, text.data(), text.size()), static_cast<std::ptrdiff_t>(text.size()));
        EXPECT_EQ(SystemFile::Sync(fd), 0);
        EXPECT_EQ(SystemFile::Close(fd), 0);
    }
    std::string ReadAll(const std::string& path) {
        const int fd = SystemFile::Open(path, SystemFile::Access::Read);
        EXPECT_GE(fd, 0) << path;
        std::string text;
        char buffer[7];
        for (std::ptrdiff_t got; (got = SystemFile::Read(fd, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(got));
        SystemFile::Close(fd);
        return text;
    }

    std::string folder;
    const std::string bytes = std::string("line\nnext\r\nend\x1a after", 22);
};

TEST_F(SystemFileTest, AChineseNameKeepsItsBytesBothWays) {
    const std::string path = folder + "/剧本 ①.txt";
    Create(path, bytes);
    EXPECT_EQ(ReadAll(path), bytes);
    EXPECT_TRUE(fs::exists(SystemFile::PathOf(path)));
    EXPECT_EQ(SystemFile::Utf8Of(SystemFile::PathOf(path).filename()), "剧本 ①.txt");
    EXPECT_TRUE(SystemFile::MayRead(path));
    EXPECT_TRUE(SystemFile::MayWriteIn(folder));
}

TEST_F(SystemFileTest, CreatingANewFileRefusesAnExistingOne) {
    const std::string path = folder + "/图.png";
    Create(path, "first");
    EXPECT_EQ(SystemFile::Open(path, SystemFile::Access::CreateNew), -1);
    EXPECT_EQ(errno, EEXIST);
    const int fd = SystemFile::Open(path, SystemFile::Access::Overwrite);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(SystemFile::Write(fd, "2", 1), 1);
    SystemFile::Close(fd);
    EXPECT_EQ(ReadAll(path), "2");
}

TEST_F(SystemFileTest, AStreamWritesBytesAsTheyAre) {
    const std::string path = folder + "/录制.txt";
    std::FILE* file = SystemFile::OpenStream(path, "wb");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    EXPECT_EQ(std::fclose(file), 0);
    EXPECT_EQ(ReadAll(path), bytes);
}

TEST_F(SystemFileTest, ReadsAtAnOffsetAndTellsFilesFromFolders) {
    const std::string path = folder + "/字体.ttc";
    Create(path, bytes);
    const int fd = SystemFile::Open(path, SystemFile::Access::Read);
    ASSERT_GE(fd, 0);
    char part[4] = {};
    EXPECT_EQ(SystemFile::ReadAt(fd, part, sizeof part, 5), 4);
    EXPECT_EQ(std::string(part, sizeof part), "next");
    SystemFile::Facts facts;
    ASSERT_EQ(SystemFile::FactsOf(fd, &facts), 0);
    EXPECT_TRUE(facts.plain);
    EXPECT_FALSE(facts.folder);
    EXPECT_EQ(facts.size, bytes.size());
    SystemFile::Close(fd);
    for (const std::string& name : {folder, folder + "/"}) {
        ASSERT_EQ(SystemFile::FactsAt(name, &facts), 0) << name;
        EXPECT_TRUE(facts.folder) << name;
        EXPECT_FALSE(facts.plain) << name;
    }
    EXPECT_EQ(SystemFile::FactsAt(folder + "/没有", &facts), -1);
    EXPECT_EQ(errno, ENOENT);
}

}  // namespace
