// The pixel buffer's bounds and its PNG round trip.
#include "gfx/FrameBuffer.h"
#include "gfx/png/PngFile.h"

#include "support/FailureReason.h"
#include "support/FileLimit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::string TempPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

TEST(FrameBuffer, OutOfRangeReadsGiveNoColourAndWritesAreIgnored) {
    CFrameBuffer image(3, 2, RGB(1, 2, 3));
    image.SetPixel(3, 0, RGB(9, 9, 9));
    image.SetPixel(-1, 1, RGB(9, 9, 9));
    EXPECT_EQ(image, CFrameBuffer(3, 2, RGB(1, 2, 3)));
    EXPECT_EQ(image.GetPixel(0, 2), kNoColor);
    EXPECT_EQ(image.GetPixel(2, 1), RGB(1, 2, 3));
}

TEST(FrameBuffer, PngRoundTripKeepsEveryPixel) {
    CFrameBuffer image(7, 5, RGB(0, 0, 0));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) image.SetPixel(x, y, RGB(x * 36, y * 60, 255 - x * y));
    const std::string path = TempPath("quorvanel-framebuffer-test.png");
    ASSERT_EQ(FailureReason(WritePng(image, path)), "");
    const CErrorOr<CFrameBuffer> back = ReadPng(path);
    ASSERT_EQ(FailureReason(back), "");
    EXPECT_EQ(*back, image);
    std::filesystem::remove(path);
}

TEST(FrameBuffer, PngFailuresNameThePath) {
    const std::string missingDir = TempPath("quorvanel-no-such-dir/x.png");
    std::string error = FailureReason(WritePng(CFrameBuffer(2, 2), missingDir));
    EXPECT_NE(error.find(missingDir), std::string::npos) << error;
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;

    const std::string garbage = TempPath("quorvanel-not-a-png.png");
    std::ofstream(garbage) << "this is not a PNG file at all";
    error = FailureReason(ReadPng(garbage));
    EXPECT_NE(error.find(garbage), std::string::npos) << error;
    std::filesystem::remove(garbage);
}

TEST(FrameBuffer, APngThatCannotBeWrittenWholeLeavesNoFileAndSaysWhy) {
    SKIP_WITHOUT_FILE_SIZE_LIMIT();
    const std::string folder = TempPath("quorvanel-png-limit-test");
    std::filesystem::create_directories(folder);
    EXPECT_EXIT(
        {
            LimitFileSize(4096);
            const CErrorOr<void> written = WritePng(Noise(200, 200), folder + "/shot.png");
            std::fprintf(stderr, "written=%d %s\n", static_cast<bool>(written),
                         FailureReason(written).c_str());
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "written=0 cannot write " + folder + "/shot.png: File too large");
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    std::filesystem::remove_all(folder);
}

}  // namespace
