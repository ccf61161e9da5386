// The time of a full repaint of the main screen (erase and paint of the whole
// client area, as the window paints it), headless, as one figure, so that the
// desktop and the browser build (run under node) can be compared:
// bench/web.sh runs both. Prints "full_repaint_us=N", the best of ten batches.
//   usage: repaint_timer [REPAINTS]   (default 2000)
#include "app/QuorvanelApp.h"
#include "platform/Platform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
    const int repaints = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;
    constexpr int kBatches = 10;
    const std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
    CQuorvanelApp app(*platform);
    app.InitInstance(1);
    CWindow& window = app.Frame().Window();
    window.UpdateWindow();  // the first paint warms the glyph cache
    double best = 1e30;
    for (int batch = 0; batch < kBatches; ++batch) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < repaints / kBatches; ++i) {
            window.Invalidate(true);
            window.UpdateWindow();
        }
        const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count() / (repaints / kBatches));
    }
    std::printf("full_repaint_us=%.1f\n", best);
    return 0;
}
