// Frame cost of the main screen on the headless platform, through the same
// window paint as the real program (erase, then the view clipped to the
// invalid area): a full repaint, and the repaint after the pointer moves
// from one fight button to the next, which redraws only what the move
// invalidated (the two buttons, the strip the old hint box uncovers and where
// the new box differs from the old), against Tab and Shift+Tab between the
// same two buttons, which redraw the old and new focus rings and hint boxes.
#include "app/QuorvanelApp.h"
#include "platform/Platform.h"
#include "screens/MainScreen.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct RunningProgram {
    RunningProgram() {
        app.InitInstance(1);
        window().UpdateWindow();  // the first paint warms the glyph cache
    }
    CWindow& window() { return app.Frame().Window(); }
    CPoint Centre(const WidgetId& id) {
        const CRect area = app.View().Root().FindRect(id, {0, 0});
        return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    }

    std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
    CQuorvanelApp app{*platform};
};

void BM_MainScreenFullRepaint(benchmark::State& state) {
    RunningProgram program;
    for (auto _ : state) {
        program.window().Invalidate(true);
        program.window().UpdateWindow();
    }
}
BENCHMARK(BM_MainScreenFullRepaint)->Unit(benchmark::kMicrosecond);

// The view's paint alone into a buffer, without the window's erase.
void BM_MainScreenPaintOnly(benchmark::State& state) {
    RunningProgram program;
    CFrameBuffer image(655, 405);
    CDC dc(image);
    for (auto _ : state) program.app.View().OnPaint(dc);
}
BENCHMARK(BM_MainScreenPaintOnly)->Unit(benchmark::kMicrosecond);

void BM_MainScreenHoverBetweenFightButtons(benchmark::State& state) {
    RunningProgram program;
    const CPoint first = program.Centre(MainScreen::FightButton(0));
    const CPoint second = program.Centre(MainScreen::FightButton(1));
    bool onFirst = false;
    for (auto _ : state) {
        const CPoint target = onFirst ? second : first;
        onFirst = !onFirst;
        program.app.View().OnMouseMove(target.x, target.y);
        program.window().UpdateWindow();
    }
}
BENCHMARK(BM_MainScreenHoverBetweenFightButtons)->Unit(benchmark::kMicrosecond);

void BM_MainScreenTabBetweenFightButtons(benchmark::State& state) {
    RunningProgram program;
    CQuorvanelView& view = program.app.View();
    const KeyChord tab{KeyChord::Key::Tab, 0, false, false, false};
    KeyChord shiftTab = tab;
    shiftTab.shift = true;
    while (view.Focus().FocusedId() != MainScreen::FightButton(0)) view.OnKey(tab);
    program.window().UpdateWindow();
    bool onFirst = true;
    for (auto _ : state) {
        view.OnKey(onFirst ? tab : shiftTab);
        onFirst = !onFirst;
        program.window().UpdateWindow();
    }
}
BENCHMARK(BM_MainScreenTabBetweenFightButtons)->Unit(benchmark::kMicrosecond);

}  // namespace
