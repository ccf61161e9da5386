// Enlarging a frame onto a surface: every frame pixel becomes a block of one
// colour in the surface's channel order, only the named parts are touched,
// and parts at the frame's or the surface's edges are cut, down to partial
// blocks.
#include "gfx/ScaledCopy.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr std::uint32_t kUntouched = 0xDEADBEEF;
constexpr CChannelLayout kXrgb{16, 8, 0, 0};

// A frame whose every pixel differs from its neighbours.
CFrameBuffer Pattern(int width, int height) {
    CFrameBuffer frame(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) frame.SetPixel(x, y, RGB(10 + x, 100 + y, 7 * x + 3 * y));
    return frame;
}

// Surface pixels with a pitch wider than the rows, to catch pitch mistakes.
struct Surface {
    Surface(int w, int h, CChannelLayout layout = kXrgb)
        : width(w),
          height(h),
          stride(w + 3),
          pixels(static_cast<std::size_t>(stride) * h, kUntouched),
          view{pixels.data(), w, h, stride * 4, layout} {}
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * stride + x]; }

    int width;
    int height;
    int stride;
    std::vector<std::uint32_t> pixels;
    CSurfacePixels view;
};

std::uint32_t Xrgb(COLORREF color) {
    return static_cast<std::uint32_t>(GetRValue(color)) << 16 |
           static_cast<std::uint32_t>(GetGValue(color)) << 8 | GetBValue(color);
}

// Checks that the surface shows frame enlarged scale times inside written
// and is untouched elsewhere.
void ExpectEnlarged(const Surface& surface, const CFrameBuffer& frame, int scale, const CRect& written) {
    for (int y = 0; y < surface.height; ++y)
        for (int x = 0; x < surface.width; ++x) {
            const std::uint32_t expected =
                written.PtInRect(x, y) ? Xrgb(frame.GetPixel(x / scale, y / scale)) : kUntouched;
            ASSERT_EQ(surface.At(x, y), expected) << x << "," << y;
        }
}

TEST(ScaledCopyTest, EveryFramePixelBecomesABlockOfItsColourInTheSurfaceOrder) {
    const CFrameBuffer frame = Pattern(7, 5);
    for (int scale = 1; scale <= 5; ++scale) {
        SCOPED_TRACE(scale);
        Surface surface(7 * scale, 5 * scale);
        const CRect all{0, 0, 7 * scale, 5 * scale};
        EXPECT_EQ(ScaleOnto(frame, {{0, 0, 7, 5}}, scale, surface.view), std::vector<CRect>{all});
        ExpectEnlarged(surface, frame, scale, all);
    }
}

TEST(ScaledCopyTest, ChannelsGoWhereTheLayoutSaysWithTheOpaqueBitsAdded) {
    CFrameBuffer frame(1, 1, RGB(0x12, 0x34, 0x56));
    Surface abgr(2, 2, {0, 8, 16, 0xFF000000});
    ScaleOnto(frame, {{0, 0, 1, 1}}, 2, abgr.view);
    EXPECT_EQ(abgr.At(1, 1), 0xFF563412u);
    Surface xrgb(1, 1);
    ScaleOnto(frame, {{0, 0, 1, 1}}, 1, xrgb.view);
    EXPECT_EQ(xrgb.At(0, 0), 0x00123456u);
}

TEST(ScaledCopyTest, OnlyTheNamedPartsAreWritten) {
    const CFrameBuffer frame = Pattern(20, 10);
    Surface surface(40, 20);
    const std::vector<CRect> written = ScaleOnto(frame, {{3, 2, 5, 7}, {10, 0, 11, 1}}, 2, surface.view);
    ASSERT_EQ(written, (std::vector<CRect>{{6, 4, 10, 14}, {20, 0, 22, 2}}));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = written[0].PtInRect(x, y) || written[1].PtInRect(x, y);
            ASSERT_EQ(surface.At(x, y), inside ? Xrgb(frame.GetPixel(x / 2, y / 2)) : kUntouched)
                << x << "," << y;
        }
}

TEST(ScaledCopyTest, PartsReachingPastTheFrameAreCutToIt) {
    const CFrameBuffer frame = Pattern(9, 6);
    Surface surface(27, 18);
    EXPECT_EQ(ScaleOnto(frame, {{6, 4, 20, 20}}, 3, surface.view), (std::vector<CRect>{{18, 12, 27, 18}}));
    ExpectEnlarged(surface, frame, 3, {18, 12, 27, 18});
    Surface untouched(27, 18);
    EXPECT_TRUE(ScaleOnto(frame, {{-5, -5, 0, 3}, {9, 0, 12, 6}, {}}, 3, untouched.view).empty());
    ExpectEnlarged(untouched, frame, 3, {});
}

// While a window is being resized its surface may be smaller than the
// enlarged frame: the blocks along its right and bottom edges are cut.
TEST(ScaledCopyTest, ASmallerSurfaceGetsPartialBlocksAtItsEdges) {
    const CFrameBuffer frame = Pattern(6, 4);
    for (int scale = 2; scale <= 4; ++scale) {
        SCOPED_TRACE(scale);
        Surface surface(6 * scale - 1, 4 * scale - 1);
        const CRect cut{2 * scale, scale, surface.width, surface.height};
        EXPECT_EQ(ScaleOnto(frame, {{2, 1, 6, 4}}, scale, surface.view), std::vector<CRect>{cut});
        ExpectEnlarged(surface, frame, scale, cut);
    }
}

// A window can be shown band by band: a band starting at any row, of any
// height, gets exactly those rows of the whole enlarged surface, its blocks
// cut at the band's edges as at a surface's.
TEST(ScaledCopyTest, ABandGetsItsRowsOfTheWholeSurface) {
    const CFrameBuffer frame = Pattern(6, 5);
    for (int scale = 1; scale <= 3; ++scale) {
        Surface whole(6 * scale, 5 * scale);
        ScaleOnto(frame, {{1, 0, 5, 5}}, scale, whole.view);
        for (const auto& [top, rows] : {std::pair{0, 2}, {1, 1}, {scale + 1, 3}, {5 * scale - 2, 4}}) {
            SCOPED_TRACE(testing::Message() << scale << " " << top << "+" << rows);
            Surface band(6 * scale, rows);
            band.view.top = top;
            const CRect expected =
                CRect{scale, top, 5 * scale, top + rows}.Intersect({0, 0, 6 * scale, 5 * scale});
            EXPECT_EQ(ScaleOnto(frame, {{1, 0, 5, 5}}, scale, band.view), std::vector<CRect>{expected});
            for (int y = 0; y < rows; ++y)
                for (int x = 0; x < band.width; ++x)
                    ASSERT_EQ(band.At(x, y), top + y < whole.height ? whole.At(x, top + y) : kUntouched)
                        << x << "," << y;
        }
    }
}

}  // namespace
