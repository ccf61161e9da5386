// A window of the platform layer the size of the game's main window, painted
// once with fills, outlines and a title (without the title and its font with
// --no-text); reports when that first frame is on screen (the moment the input
// source is first asked) and quits.
#include "StartupReport.h"

#include "platform/Platform.h"

#include <cstdio>
#include <cstring>

namespace {

class CFirstFrame : public CWindowHandler {
public:
    explicit CFirstFrame(bool withText) : withText_(withText) {}

    void OnPaint(CDC& dc) override {
        dc.FillSolidRect({0, 0, 655, 405}, RGB(55, 59, 51));
        dc.SelectObject(CPen::Solid(RGB(0, 0, 0)));
        dc.SelectObject(CBrush::Solid(RGB(149, 125, 97)));
        for (int i = 0; i < 6; ++i)
            dc.RoundRect({123 + 173 * (i % 3), 73 + 103 * (i / 3), 290 + 173 * (i % 3), 170 + 103 * (i / 3)},
                         5, 2);
        if (!withText_) return;
        dc.SelectObject(CFont::CreatePointFont(120, "宋体"));
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(255, 255, 255));
        CRect title{120, 40, 650, 70};
        dc.DrawText("训 练", title, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }

private:
    bool withText_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: startup_window LAUNCH_NANOS [--no-text]\n", stderr);
        return 2;
    }
    CErrorOr<std::unique_ptr<CPlatform>> opened = CPlatform::CreateSdl();
    if (!opened) {
        std::fprintf(stderr, "startup_window: %s\n", opened.Reason().c_str());
        return 1;
    }
    const std::unique_ptr<CPlatform> platform = std::move(opened).Value();
    CFirstFrame handler(argc < 3 || std::strcmp(argv[2], "--no-text") != 0);
    std::unique_ptr<CWindow> window = platform->CreateWindow(handler, nullptr);
    window->SetTitle("Quorvanel");
    window->SetClientSize(655, 405);
    window->CenterOnScreen();
    window->Show();
    platform->SetInputSource([&]() -> std::optional<InputEvent> {
        ReportFirstFrame(argv[1]);
        platform->Quit(0);
        return std::nullopt;
    });
    return platform->Run();
}
