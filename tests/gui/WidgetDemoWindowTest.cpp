// The toolkit's demo screen in a real SDL window on an X display, driven
// with xdotool: a click on the grid's next-page button turns the page, a
// click on a fight button reaches the host with its WidgetId, and the window
// on screen shows exactly what a headless window shows after the same
// pointer moves and clicks.
#include "XDriver.h"

#include "platform/Platform.h"
#include "support/DemoScreen.h"
#include "support/FailureReason.h"
#include "ui/WidgetHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr int kWidth = kDemoRootRect.right;
constexpr int kHeight = kDemoRootRect.bottom;

// The pointer events a host received, to replay them headless.
struct PointerEvent {
    bool click = false;
    int x = 0;
    int y = 0;
};

class CDemoHost : public CWidgetHost {
public:
    CPlatform* platform = nullptr;
    std::atomic<int> clicks{0};
    std::vector<PointerEvent> events;  // UI thread only
    std::vector<WidgetId> clicked;     // UI thread only

    void OnMouseMove(int x, int y) override {
        events.push_back({false, x, y});
        CWidgetHost::OnMouseMove(x, y);
    }
    void OnLButtonDown(int x, int y) override {
        events.push_back({true, x, y});
        CWidgetHost::OnLButtonDown(x, y);
        ++clicks;
    }

protected:
    void OnCommandKey(const KeyChord& key) override {
        if (key.key == KeyChord::Key::Escape) platform->Quit(0);
    }
    void OnWidgetClick(const WidgetId& id) override { clicked.push_back(id); }
};

// Waits up to patience for condition, looking every 20 ms.
template <class Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds patience = 10s) {
    for (auto end = std::chrono::steady_clock::now() + patience; std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(20ms))
        if (condition()) return true;
    return condition();
}

// The same screen in a headless window after the same pointer events.
CFrameBuffer HeadlessReplay(const std::vector<PointerEvent>& events) {
    std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
    CDemoHost host;
    std::unique_ptr<CWindow> window = platform->CreateWindow(host, nullptr);
    window->SetClientSize(kWidth, kHeight);
    host.AttachWindow(window.get(), kDemoRootRect);
    BuildDemoScreen(host.Root());
    for (const PointerEvent& e : events) {
        if (e.click)
            host.CWidgetHost::OnLButtonDown(e.x, e.y);
        else
            host.CWidgetHost::OnMouseMove(e.x, e.y);
    }
    return window->RenderToBuffer();
}

TEST(WidgetDemoWindow, ShowsOnScreenWhatTheHeadlessWindowRenders) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) GTEST_SKIP() << "needs DISPLAY (scripts/run-tests starts Xvfb)";
    ASSERT_TRUE(xdriver::ParkPointer());
    CErrorOr<std::unique_ptr<CPlatform>> opened = CPlatform::CreateSdl();
    ASSERT_TRUE(opened) << opened.Reason();
    const std::unique_ptr<CPlatform> platform = std::move(opened).Value();

    CDemoHost host;
    host.platform = platform.get();
    std::unique_ptr<CWindow> window = platform->CreateWindow(host, nullptr);
    window->SetTitle("ui demo");
    window->SetClientSize(kWidth, kHeight);
    window->CenterOnScreen();
    host.AttachWindow(window.get(), kDemoRootRect);
    BuildDemoScreen(host.Root());
    std::atomic<bool> shown{false};
    platform->SetInputSource([&]() -> std::optional<InputEvent> {
        shown = true;
        return std::nullopt;
    });
    window->Show();

    std::optional<CFrameBuffer> shot;
    std::string failure;
    std::thread driver([&] {
        const std::optional<std::string> id = xdriver::FindWindow("ui demo");
        if (!id || !WaitUntil([&] { return shown.load(); })) {
            failure = "window not shown";
        } else {
            // The next-page button of the grid, then the first fight button
            // of the second page (with its hint).
            const bool clicked = xdriver::ClickAt(*id, 300, 380) && xdriver::ClickAt(*id, 170, 100);
            if (!clicked)
                failure = "xdotool failed";
            else if (!WaitUntil([&] { return host.clicks.load() == 2; }))
                failure = "clicks not received";
            // The last paint has reached the screen once two shots agree.
            std::this_thread::sleep_for(300ms);
            for (int attempt = 0; attempt < 10 && failure.empty(); ++attempt) {
                std::optional<CFrameBuffer> next = xdriver::Screenshot(*id, kWidth, kHeight);
                if (next && shot && *next == *shot) break;
                shot = std::move(next);
                std::this_thread::sleep_for(200ms);
            }
        }
        xdriver::PressKey("Escape");
    });
    EXPECT_EQ(platform->Run(), 0);
    driver.join();

    ASSERT_TRUE(failure.empty()) << failure;
    EXPECT_EQ(host.clicked, (std::vector<WidgetId>{WidgetId::None(), {10000, 18, -1}}));
    EXPECT_EQ(host.Root().FindWidgetAs<CPagedGrid>({1, -1, -1})->CurrentPage(), 1);
    ASSERT_TRUE(shot.has_value()) << "no screenshot";
    const CFrameBuffer expected = HeadlessReplay(host.events);
    EXPECT_EQ(window->GetFrameBuffer(), expected);
    int differing = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) differing += shot->GetPixel(x, y) != expected.GetPixel(x, y);
    EXPECT_EQ(differing, 0) << "pixels on screen differ from the headless render";
    // QUORVANEL_UI_DEMO_SCREENSHOT=path keeps the screenshot.
    if (const char* path = std::getenv("QUORVANEL_UI_DEMO_SCREENSHOT")) {
        EXPECT_EQ(FailureReason(WritePng(*shot, path)), "");
    }
}

}  // namespace
