// The present step of a window at a scale: enlarging the 655 x 405 frame
// (or its invalid area) and converting it into the window surface SDL hands
// to the display, whose pixels on X11 are XRGB8888. Measured over plain
// memory, so without the X server's upload: a full frame at 1x, 2x and 3x,
// and at 2x the area a move from one fight button to the next invalidates
// (the two buttons and the old and new hint boxes).
#include "gfx/ScaledCopy.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kWidth = 655;
constexpr int kHeight = 405;

// The channel order of X11 window surfaces (SDL_PIXELFORMAT_RGB888).
constexpr CChannelLayout kXrgb{16, 8, 0, 0};

CFrameBuffer SomeFrame() {
    CFrameBuffer frame(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) frame.SetPixel(x, y, RGB(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    return frame;
}

void Present(benchmark::State& state, const std::vector<CRect>& area) {
    const int scale = static_cast<int>(state.range(0));
    const CFrameBuffer frame = SomeFrame();
    std::vector<std::uint32_t> surface(static_cast<std::size_t>(kWidth * scale) * (kHeight * scale));
    const CSurfacePixels target{surface.data(), kWidth * scale, kHeight * scale,
                                kWidth * scale * static_cast<int>(sizeof(std::uint32_t)), kXrgb};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ScaleOnto(frame, area, scale, target));
        benchmark::ClobberMemory();
    }
}

void BM_PresentFullFrame(benchmark::State& state) { Present(state, {{0, 0, kWidth, kHeight}}); }
BENCHMARK(BM_PresentFullFrame)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

void BM_PresentHoverRepaint(benchmark::State& state) {
    Present(state, {{181, 139, 216, 158}, {354, 139, 389, 158}, {180, 188, 495, 225}, {353, 188, 655, 225}});
}
BENCHMARK(BM_PresentHoverRepaint)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
