// Lines shortened to a width: measured in the dialog font, the middle gives
// way to "…", the file name stays whole while it fits.
#include "gfx/PathEllipsis.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class PathEllipsisTest : public ::testing::Test {
protected:
    void SetUp() override { dc.SelectObject(CFont::CreatePointFont(120, "宋体")); }
    int Width(const std::string& text) const { return dc.GetTextExtent(text).cx; }

    CDC dc;
};

const std::string kFileName = "/quorvanel-20261208-001132-2.png";

TEST_F(PathEllipsisTest, ALineThatFitsStaysAsItIs) {
    const std::string line = "/tmp/p1" + kFileName;
    EXPECT_EQ(ShortenPath(line, dc, Width(line)), line);
}

TEST_F(PathEllipsisTest, TheFolderGivesWayInItsMiddleAndTheFileNameStaysWhole) {
    const std::string folder = "/home/" + std::string(100, 'a') + "/图片/" + std::string(100, 'z');
    for (int width : {Width(kFileName) + 40, 350, 444}) {
        const std::string shortened = ShortenPath(folder + kFileName, dc, width);
        EXPECT_LE(Width(shortened), width);
        EXPECT_GT(Width(shortened), width - Width("图"));  // nothing left out that would fit
        // The folder's start and end around the ellipsis, then the file name.
        const std::size_t ellipsis = shortened.find(kEllipsis);
        ASSERT_NE(ellipsis, std::string::npos) << shortened;
        ASSERT_TRUE(shortened.ends_with(kFileName)) << shortened;
        const std::string head = shortened.substr(0, ellipsis);
        const std::size_t tailBegin = ellipsis + kEllipsis.size();
        const std::string tail = shortened.substr(tailBegin, shortened.size() - kFileName.size() - tailBegin);
        EXPECT_FALSE(head.empty());
        EXPECT_FALSE(tail.empty());
        EXPECT_TRUE(folder.starts_with(head)) << shortened;
        EXPECT_TRUE(folder.ends_with(tail)) << shortened;
    }
}

TEST_F(PathEllipsisTest, WithoutRoomForTheFileNameTheWholeLineIsShortened) {
    const std::string line = "/tmp/folder" + kFileName;
    const std::string shortened = ShortenPath(line, dc, Width(kFileName));
    EXPECT_LE(Width(shortened), Width(kFileName));
    EXPECT_EQ(shortened.rfind("/tmp", 0), 0u) << shortened;
    EXPECT_TRUE(shortened.ends_with(".png")) << shortened;
}

TEST_F(PathEllipsisTest, ChineseTextIsCutBetweenCharacters) {
    const std::string line = "原因: " + std::string(40, 'x') + "磁盘空间不足。";
    const std::string shortened = ShortenPath(line, dc, 200);
    EXPECT_LE(Width(shortened), 200);
    EXPECT_EQ(shortened.rfind("原因: ", 0), 0u) << shortened;
    EXPECT_TRUE(shortened.ends_with("空间不足。")) << shortened;
}

}  // namespace
