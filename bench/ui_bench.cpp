// Speed of the widget toolkit on the demo screen of its tests (about 60
// widgets: buttons, labels, badges, a paged grid and a tab box): a full paint
// through the host, a paint of only a hint-box-sized invalid area, and one
// pointer move that changes the hovered button (routing, hint measuring and
// four invalidations).
#include "support/DemoScreen.h"
#include "support/RecordingWindow.h"
#include "ui/WidgetHost.h"

#include <benchmark/benchmark.h>

namespace {

class CBenchHost : public CWidgetHost {
protected:
    void OnWidgetClick(const WidgetId&) override {}
};

void Paint(benchmark::State& state, const CRect& clip) {
    CBenchHost host;
    BuildDemoScreen(host.Root());
    host.Root().SetOwner(nullptr, kDemoRootRect);
    CFrameBuffer image(kDemoRootRect.right, kDemoRootRect.bottom);
    for (auto _ : state) {
        CDC dc(image);
        dc.SetClipRect(clip);
        host.OnPaint(dc);
        benchmark::DoNotOptimize(image.Row(0));
    }
}

void BM_PaintWholeScreen(benchmark::State& state) { Paint(state, kDemoRootRect); }
BENCHMARK(BM_PaintWholeScreen);

void BM_PaintHintArea(benchmark::State& state) { Paint(state, {150, 100, 230, 140}); }
BENCHMARK(BM_PaintHintArea);

void BM_MoveBetweenButtons(benchmark::State& state) {
    CRecordingWindow window;
    CBenchHost host;
    host.AttachWindow(&window, kDemoRootRect);
    BuildDemoScreen(host.Root());
    int i = 0;
    for (auto _ : state) {
        // Alternates between the first two fight buttons of the grid.
        host.OnMouseMove(++i % 2 ? 170 : 260, 100);
        window.invalidations.clear();
    }
}
BENCHMARK(BM_MoveBetweenButtons);

}  // namespace
