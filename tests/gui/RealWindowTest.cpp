// Real windows through SDL2 on an X display, driven from outside with xdotool:
// the frame on screen equals the headless render of the same paint pixel for
// pixel, a click arrives where it was made, a modal dialog opened by that click
// takes the next click while its owner ignores its own, the keyboard goes back
// to the owner when the dialog ends, and the pixels the dialog covered come
// back; and a click that closes a dialog whose button is released only
// after the dialog is gone does not swallow the next click. Every window, main
// or dialog, gives the window manager the game's icon. Also: no display means
// a clear error.
#include "XDriver.h"

#include "gfx/AppIcon.h"
#include "platform/Platform.h"
#include "support/FailureReason.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr int kWidth = 300;
constexpr int kHeight = 200;

// What the handlers saw, written by the UI thread and awaited by the driver.
class CEventLog {
public:
    void Add(const std::string& entry) {
        {
            std::lock_guard lock(mutex_);
            entries_.push_back(entry);
        }
        changed_.notify_all();
    }
    bool WaitFor(const std::string& entry, std::chrono::milliseconds patience = 10s) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, patience, [&] { return Has(entry); });
    }
    std::vector<std::string> Entries() {
        std::lock_guard lock(mutex_);
        return entries_;
    }

private:
    bool Has(const std::string& entry) const {
        for (const std::string& e : entries_)
            if (e == entry) return true;
        return false;
    }
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> entries_;
};

// A frame with fills, outlines and text in both scripts, so that the
// comparison with the headless render covers every kind of drawing.
void DrawFrame(CDC& dc) {
    dc.FillSolidRect({0, 0, kWidth, kHeight}, RGB(55, 59, 51));
    dc.Draw3dRect(10, 10, 120, 40, RGB(203, 191, 163), RGB(50, 39, 28));
    dc.SelectObject(CPen::Solid(RGB(0, 0, 0)));
    dc.SelectObject(CBrush::Solid(RGB(149, 125, 97)));
    dc.RoundRect({150, 10, 290, 50}, 5, 2);
    dc.MoveTo(10, 190);
    dc.LineTo(290, 60);
    dc.SelectObject(CFont::CreatePointFont(120, "宋体"));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    CRect text{20, 60, 280, 180};
    dc.DrawText("训练 Quorvanel\r\n打得过 12 回合", text, DT_WORDBREAK);
}

class CMainHandler : public CWindowHandler {
public:
    explicit CMainHandler(CEventLog& log) : log_(log) {}
    std::function<void()> onClick;
    std::function<void()> onRightClick;

    void OnPaint(CDC& dc) override { DrawFrame(dc); }
    void OnLButtonDown(int x, int y) override {
        log_.Add("main click " + std::to_string(x) + "," + std::to_string(y));
        if (onClick) onClick();
    }
    void OnRButtonDown(int, int) override {
        log_.Add("main right click");
        if (onRightClick) onRightClick();
    }
    void OnKey(const KeyChord& key) override {
        if (key.key == KeyChord::Key::Letter && key.ctrl) log_.Add(std::string("main ctrl+") + key.letter);
        if (key.key == KeyChord::Key::Return) log_.Add("main return");
        if (key.key == KeyChord::Key::Escape) log_.Add("main escape");
    }

private:
    CEventLog& log_;
};

class CDialogHandler : public CWindowHandler {
public:
    CDialogHandler(CEventLog& log, CPlatform& platform) : log_(log), platform_(platform) {}
    CWindow* window = nullptr;
    // The button comes up while the press that ends the dialog is handled:
    // the release is then addressed to a window that may be gone by the time
    // it is read.
    bool releaseWhilePressed = false;

    void OnPaint(CDC& dc) override { dc.FillSolidRect({0, 0, 120, 80}, RGB(0, 120, 215)); }
    void OnLButtonDown(int x, int y) override {
        if (releaseWhilePressed && !xdriver::ReleaseButton()) log_.Add("xdotool mouseup failed");
        log_.Add("dialog click " + std::to_string(x) + "," + std::to_string(y));
        platform_.EndModal(*window, IDOK);
    }
    void OnRButtonDown(int, int) override { platform_.EndModal(*window, IDCANCEL); }

private:
    CEventLog& log_;
    CPlatform& platform_;
};

CFrameBuffer HeadlessFrame() {
    std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
    CEventLog unused;
    CMainHandler handler(unused);
    std::unique_ptr<CWindow> window = platform->CreateWindow(handler, nullptr);
    window->SetClientSize(kWidth, kHeight);
    window->Show();
    platform->Run();
    return window->GetFrameBuffer();
}

bool HasDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display && *display;
}

struct CDriveResults {
    std::optional<CFrameBuffer> shot;  // the main window's first frame on screen
    bool exposedAgain = false;         // its pixels came back after the dialog
    std::vector<std::string> failures;
};

// The person at the display: clicks the main window, which opens the dialog;
// clicks the owner (to be ignored) and then the dialog, which ends it; types
// on the owner; and ends the program with a right click on the main window.
void Drive(CEventLog& log, CDriveResults& out) {
    auto check = [&](bool ok, const std::string& what) {
        if (!ok) out.failures.push_back(what);
        return ok;
    };
    auto type = [&](const std::string& key, const std::string& entry) {
        return check(xdriver::PressKey(key), key) && check(log.WaitFor(entry), "no " + entry);
    };
    const std::optional<std::string> mainId = xdriver::FindWindow("gui main");
    std::optional<std::string> dialogId;
    if (check(mainId.has_value(), "main window not found") &&
        check(log.WaitFor("first frame shown"), "no frame")) {
        out.shot = xdriver::Screenshot(*mainId, kWidth, kHeight);
        check(xdriver::ClickAt(*mainId, 30, 40), "click on main") &&
            check(log.WaitFor("main click 30,40"), "main click not received");
        dialogId = xdriver::FindWindow("gui dialog");
        if (check(dialogId.has_value(), "dialog not found")) {
            check(xdriver::ClickAt(*mainId, 5, 5), "click on the owner");
            check(xdriver::ClickAt(*dialogId, 10, 20), "click on dialog") &&
                check(log.WaitFor("dialog ended 1"), "dialog did not end");
        }
        // The keyboard is the owner's again, and the area the dialog covered
        // shows the owner's pixels again.
        type("ctrl+n", "main ctrl+n") && type("Return", "main return") && type("Escape", "main escape");
        for (int attempt = 0; attempt < 20 && !out.exposedAgain; ++attempt) {
            if (attempt > 0) std::this_thread::sleep_for(100ms);
            const std::optional<CFrameBuffer> again = xdriver::Screenshot(*mainId, kWidth, kHeight);
            out.exposedAgain = again && out.shot && *again == *out.shot;
        }
    }
    // Also after a failure: a dialog left open is ended by a right click first.
    for (int attempt = 0; attempt < 3 && mainId; ++attempt) {
        if (dialogId) xdriver::ClickAt(*dialogId, 1, 1, 3);
        xdriver::ClickAt(*mainId, 2, 2, 3);
        if (log.WaitFor("main right click", 2s)) break;
    }
}

TEST(NoDisplay, WithoutADisplayVariableTheSdlBackendSaysSoInOneLine) {
    CScopedEnv display("DISPLAY", nullptr);
    CScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
    const std::string error = FailureReason(CPlatform::CreateSdl());
    EXPECT_NE(error.find("DISPLAY"), std::string::npos);
    EXPECT_EQ(error.find('\n'), std::string::npos);
}

TEST(NoDisplay, AnUnreachableServerIsNoDisplayEither) {
    CScopedEnv display("DISPLAY", ":4711");
    CScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
    const std::string error = FailureReason(CPlatform::CreateSdl());
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error.find('\n'), std::string::npos);
}

TEST(NoDisplay, SdlsInvisibleDriversAreRefused) {
    if (!HasDisplay()) GTEST_SKIP() << "needs DISPLAY";
    for (const char* driver : {"offscreen", "dummy"}) {
        CScopedEnv videoDriver("SDL_VIDEODRIVER", driver);
        const std::string error = FailureReason(CPlatform::CreateSdl());
        EXPECT_NE(error.find(driver), std::string::npos) << error;
    }
}

// An SDL platform on the display, and the main window's handler and log.
class RealWindow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HasDisplay()) GTEST_SKIP() << "needs DISPLAY (scripts/run-tests starts Xvfb)";
        ASSERT_TRUE(xdriver::ParkPointer());
        CErrorOr<std::unique_ptr<CPlatform>> opened = CPlatform::CreateSdl();
        ASSERT_TRUE(opened) << opened.Reason();
        platform = std::move(opened).Value();
    }
    // A hidden kWidth x kHeight window whose events mainHandler logs.
    std::unique_ptr<CWindow> CreateMain(const std::string& title) {
        std::unique_ptr<CWindow> window = platform->CreateWindow(mainHandler, nullptr);
        window->SetTitle(title);
        window->SetClientSize(kWidth, kHeight);
        return window;
    }
    // Tells the log when the first frame is on screen (the input source is
    // first asked then), and lets a right click on the main window end the run.
    void LogFirstFrameAndQuitOnRightClick() {
        mainHandler.onRightClick = [this] { platform->Quit(0); };
        platform->SetInputSource([this]() -> std::optional<InputEvent> {
            log.Add("first frame shown");
            return std::nullopt;
        });
    }

    CEventLog log;
    CMainHandler mainHandler{log};
    std::unique_ptr<CPlatform> platform;
};

TEST_F(RealWindow, ScriptedInputRunsAfterTheFirstFrameAndCanEndTheProgram) {
    std::unique_ptr<CWindow> window = CreateMain("gui script");
    window->Show();
    int asked = 0;
    platform->SetInputSource([&]() -> std::optional<InputEvent> {
        if (++asked == 1) {
            log.Add(window->GetFrameBuffer() == HeadlessFrame() ? "asked after the frame"
                                                                : "asked too early");
            return InputEvent{InputEvent::Kind::LButtonDown, 3, 4, {}};
        }
        platform->Quit(5);
        return std::nullopt;
    });
    EXPECT_EQ(platform->Run(), 5);
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"asked after the frame", "main click 3,4"}));
}

TEST_F(RealWindow, MainWindowsAndDialogsShowTheGamesIcon) {
    std::unique_ptr<CWindow> main = CreateMain("gui icon");
    CDialogHandler dialogHandler(log, *platform);
    std::unique_ptr<CWindow> dialog = platform->CreateWindow(dialogHandler, main.get());
    dialogHandler.window = dialog.get();
    dialog->SetTitle("gui icon dialog");
    dialog->SetClientSize(120, 80);
    main->Show();
    dialog->Show();
    std::vector<std::optional<CFrameBuffer>> icons;
    platform->SetInputSource([&]() -> std::optional<InputEvent> {
        for (const char* title : {"gui icon", "gui icon dialog"}) {
            const std::optional<std::string> id = xdriver::FindWindow(title);
            icons.push_back(id ? xdriver::WindowIcon(*id) : std::nullopt);
        }
        platform->Quit(0);
        return std::nullopt;
    });
    EXPECT_EQ(platform->Run(), 0);
    ASSERT_EQ(icons.size(), 2u);
    for (const std::optional<CFrameBuffer>& icon : icons) {
        ASSERT_TRUE(icon.has_value()) << "a window without _NET_WM_ICON";
        EXPECT_EQ(*icon, DrawAppIcon(kWindowIconSize));
    }
}

TEST_F(RealWindow, ClicksAModalDialogAndAFrameEqualToTheHeadlessOne) {
    std::unique_ptr<CWindow> main = CreateMain("gui main");
    main->CenterOnScreen();

    CDialogHandler dialogHandler(log, *platform);
    std::unique_ptr<CWindow> dialog = platform->CreateWindow(dialogHandler, main.get());
    dialogHandler.window = dialog.get();
    dialog->SetTitle("gui dialog");
    dialog->SetClientSize(120, 80);
    bool dialogOpened = false;
    mainHandler.onClick = [&] {
        if (std::exchange(dialogOpened, true)) return;
        log.Add("dialog ended " + std::to_string(platform->RunModal(*dialog)));
    };
    LogFirstFrameAndQuitOnRightClick();
    main->Show();

    CDriveResults results;
    std::thread driver([&] { Drive(log, results); });
    const int code = platform->Run();
    driver.join();

    EXPECT_EQ(code, 0);
    EXPECT_TRUE(results.failures.empty()) << results.failures.front();
    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"first frame shown", "main click 30,40",
                                                       "dialog click 10,20", "dialog ended 1", "main ctrl+n",
                                                       "main return", "main escape", "main right click"}));
    EXPECT_TRUE(results.exposedAgain) << "the area under the closed dialog was not shown again";
    ASSERT_TRUE(results.shot.has_value()) << "no screenshot";
    const CFrameBuffer& shot = *results.shot;
    const CFrameBuffer expected = HeadlessFrame();
    EXPECT_EQ(main->GetFrameBuffer(), expected);
    int differing = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) differing += shot.GetPixel(x, y) != expected.GetPixel(x, y);
    EXPECT_EQ(differing, 0) << "pixels on screen differ from the headless render";
}

TEST_F(RealWindow, AButtonReleasedOnAClosedDialogDoesNotSwallowTheNextClick) {
    std::unique_ptr<CWindow> main = CreateMain("gui main");
    main->CenterOnScreen();
    // Each click on the main window opens a new dialog, closed and destroyed
    // by a click on it, as the game's choice lists are.
    int dialogs = 0;
    mainHandler.onClick = [&] {
        CDialogHandler handler(log, *platform);
        handler.releaseWhilePressed = true;
        std::unique_ptr<CWindow> dialog = platform->CreateWindow(handler, main.get());
        handler.window = dialog.get();
        dialog->SetTitle("gui dialog " + std::to_string(++dialogs));
        dialog->SetClientSize(120, 80);
        log.Add("dialog ended " + std::to_string(platform->RunModal(*dialog)));
    };
    LogFirstFrameAndQuitOnRightClick();
    main->Show();

    std::vector<std::string> failures;
    std::thread driver([&] {
        const auto check = [&](bool ok, const std::string& what) {
            if (!ok) failures.push_back(what);
            return ok;
        };
        const std::optional<std::string> mainId = xdriver::FindWindow("gui main");
        if (!check(mainId.has_value(), "main window not found") || !log.WaitFor("first frame shown")) return;
        check(xdriver::ClickAt(*mainId, 30, 40), "click on main") &&
            check(log.WaitFor("main click 30,40"), "main click not received");
        const std::optional<std::string> dialogId = xdriver::FindWindow("gui dialog 1");
        check(dialogId && xdriver::MoveTo(*dialogId, 10, 20) && xdriver::PressButton(),
              "press on the dialog") &&
            check(log.WaitFor("dialog ended 1"), "the dialog did not end");
        check(xdriver::ClickAt(*mainId, 50, 60), "second click on main") &&
            check(log.WaitFor("main click 50,60"), "the click after the dialog was lost");
        // Ends the program also after a failure; a dialog left open goes first.
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (const std::optional<std::string> open = xdriver::FindWindow("gui dialog 2"))
                xdriver::ClickAt(*open, 10, 20);
            xdriver::ClickAt(*mainId, 2, 2, 3);
            if (log.WaitFor("main right click", 2s)) break;
        }
    });
    EXPECT_EQ(platform->Run(), 0);
    driver.join();

    EXPECT_TRUE(failures.empty()) << failures.front();
    const std::vector<std::string> entries = log.Entries();
    ASSERT_GE(entries.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(entries.begin(), entries.begin() + 5),
              (std::vector<std::string>{"first frame shown", "main click 30,40", "dialog click 10,20",
                                        "dialog ended 1", "main click 50,60"}));
}

}  // namespace
