// The shared dispatch, headless: input reaches only the active (top-most)
// window, modal loops nest and return their codes, the owner of a modal window
// takes no input but repaints, and exceptions escaping handlers are reported
// in an error box while the program goes on.
#include "support/ScriptedInput.h"

#include "base/MyException.h"
#include "platform/WindowSystem.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

using Events = std::vector<std::string>;

std::vector<std::string> Titles(const CPlatform& platform) {
    std::vector<std::string> titles;
    for (const CWindow* window : platform.Windows()) titles.push_back(window->GetTitle());
    return titles;
}

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override {
        main = platform->CreateWindow(mainHandler, nullptr);
        main->SetTitle("main");
        main->SetClientSize(200, 150);
        main->Show();
    }
    int RunScript() {
        script.InstallOn(*platform);
        return platform->Run();
    }

    std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
    CRecordingHandler mainHandler;
    std::unique_ptr<CWindow> main;
    CScript script;
};

TEST_F(Dispatch, EventsReachTheHandlerInClientCoordinates) {
    KeyChord ctrlN{KeyChord::Key::Letter, 'n', true, false, false};
    script.Then(Move(5, 6))
        .Then(Click(7, 8))
        .Then(RightClick(9, 10))
        .Then({InputEvent::Kind::Key, 0, 0, ctrlN})
        .Then(CloseBox());
    KeyChord received;
    mainHandler.key = [&](const KeyChord& chord) { received = chord; };
    EXPECT_EQ(RunScript(), 0);
    EXPECT_EQ(mainHandler.events, (Events{"move 5,6", "click 7,8", "rclick 9,10", "key", "close"}));
    EXPECT_EQ(received, ctrlN);
}

TEST_F(Dispatch, OnlyTheTopMostWindowTakesInput) {
    CRecordingHandler otherHandler;
    auto other = platform->CreateWindow(otherHandler, nullptr);
    other->SetTitle("other");
    other->Show();
    script.Then(
        [&] {
            EXPECT_EQ(Titles(*platform), (std::vector<std::string>{"main", "other"}));
        },
        Click(1, 2));
    RunScript();
    EXPECT_EQ(otherHandler.events, Events{"click 1,2"});
    EXPECT_TRUE(mainHandler.events.empty());
}

TEST_F(Dispatch, QuitEndsTheLoopWithItsCode) {
    mainHandler.close = [&] { platform->Quit(3); };
    script.Then(CloseBox()).Then(Click(1, 1));
    EXPECT_EQ(RunScript(), 3);
    EXPECT_EQ(mainHandler.events, Events{"close"});
    EXPECT_FALSE(script.Finished());  // nothing is asked for after Quit
}

// A modal dialog that ends on Escape with IDCANCEL and on Enter with IDOK,
// as the popup pages do, and invalidates its owner on a click.
class Dialog {
public:
    Dialog(CPlatform& platform, CWindow& owner, const std::string& title) : platform_(platform) {
        window = platform.CreateWindow(handler, &owner);
        window->SetTitle(title);
        window->SetClientSize(80, 60);
        handler.key = [this](const KeyChord& chord) {
            if (chord.key == KeyChord::Key::Escape) platform_.EndModal(*window, IDCANCEL);
            if (chord.key == KeyChord::Key::Return) platform_.EndModal(*window, IDOK);
        };
    }
    int Run() { return platform_.RunModal(*window); }

    CRecordingHandler handler;
    std::unique_ptr<CWindow> window;

private:
    CPlatform& platform_;
};

TEST_F(Dispatch, TheOwnerOfAModalWindowTakesNoInputButRepaints) {
    Dialog page(*platform, *main, "page");
    int code = 0;
    mainHandler.click = [&](int, int) {
        if (code == 0) code = page.Run();
    };
    page.handler.click = [&](int, int) { main->InvalidateRect({0, 0, 10, 10}, false); };
    script.Then(Click(1, 1))
        .Then(
            [&] {
                EXPECT_EQ(Titles(*platform), (std::vector<std::string>{"main", "page"}));
            },
            Click(2, 2))
        .Then([&] { EXPECT_EQ(mainHandler.paints, 2); }, Press(KeyChord::Key::Return))
        .Then([&] { EXPECT_EQ(Titles(*platform), std::vector<std::string>{"main"}); }, Click(3, 3));
    RunScript();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(code, IDOK);
    EXPECT_EQ(mainHandler.events, (Events{"click 1,1", "click 3,3"}));
    EXPECT_EQ(page.handler.events, (Events{"click 2,2", "key"}));
    EXPECT_EQ(mainHandler.clipBoxes.back(), (CRect{0, 0, 10, 10}));
    EXPECT_FALSE(page.window->IsVisible());
}

// A key there is the active window's: the display's focus may not yet
// have followed a page that has just opened.
TEST(DispatchBoundary, InputAimedAtAWindowBelowTheActiveOneIsDroppedButForKeys) {
    CWindowSystem system(std::make_unique<CHeadlessBackend>());
    CRecordingHandler ownerHandler;
    CRecordingHandler dialogHandler;
    auto owner = system.CreateWindow(ownerHandler, nullptr);
    auto dialog = system.CreateWindow(dialogHandler, owner.get());
    owner->Show();
    dialog->Show();
    system.Deliver(static_cast<CHostWindow*>(owner.get()), Click(1, 1));
    system.Deliver(static_cast<CHostWindow*>(owner.get()),
                   {InputEvent::Kind::AccessActivate, 0, 0, {}, "fight"});
    system.Deliver(static_cast<CHostWindow*>(dialog.get()), Click(2, 2));
    system.Deliver(static_cast<CHostWindow*>(owner.get()),
                   {InputEvent::Kind::Key, 0, 0, {KeyChord::Key::Space}});
    EXPECT_TRUE(ownerHandler.events.empty());
    EXPECT_EQ(dialogHandler.events, (Events{"click 2,2", "key"}));
}

TEST_F(Dispatch, NestedModalLoopsReturnTheirCodesInOrder) {
    Dialog page(*platform, *main, "page");
    std::vector<int> codes;
    mainHandler.click = [&](int, int) { codes.push_back(page.Run()); };
    page.handler.click = [&](int, int) {
        Dialog choice(*platform, *page.window, "choice");
        choice.handler.click = [&](int, int) { platform->EndModal(*choice.window, IDOK); };
        codes.push_back(choice.Run());
        codes.push_back(platform->MessageBox("已学会", MessageBoxIcon::None));
    };
    using Titles_ = std::vector<std::string>;
    script.Then(Click(1, 1))
        .Then(Click(2, 2))
        .Then(
            [&] {
                EXPECT_EQ(Titles(*platform), (Titles_{"main", "page", "choice"}));
            },
            Click(3, 3))
        .Then(
            [&] {
                EXPECT_EQ(Titles(*platform), (Titles_{"main", "page", "Quorvanel"}));
            },
            Press(KeyChord::Key::Return))
        .Then(
            [&] {
                EXPECT_EQ(Titles(*platform), (Titles_{"main", "page"}));
            },
            Press(KeyChord::Key::Escape))
        .Finally([&] { EXPECT_EQ(Titles(*platform), Titles_{"main"}); });
    RunScript();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(codes, (std::vector<int>{IDOK, IDOK, IDCANCEL}));
}

TEST_F(Dispatch, EveryLoopReturnsWhenTheInputRunsDry) {
    Dialog page(*platform, *main, "page");
    int code = 0;
    mainHandler.click = [&](int, int) { code = page.Run(); };
    script.Then(Click(1, 1));
    EXPECT_EQ(RunScript(), 0);
    EXPECT_EQ(code, IDCANCEL);
    EXPECT_EQ(Titles(*platform), std::vector<std::string>{"main"});
}

// A source fed from another thread: nothing yet is not the end; it is
// asked again only when ready, after a wake.
TEST_F(Dispatch, ASourceThatIsNotReadyIsAwaitedUntilAWake) {
    std::atomic<bool> ready = false;
    int askedUnready = 0;
    int asked = 0;
    platform->SetInputSource([&]() -> std::optional<InputEvent> {
        askedUnready += !ready;
        if (++asked == 1) return std::nullopt;  // nothing yet
        if (asked == 2) return InputEvent{InputEvent::Kind::LButtonDown, 7, 8, {}};
        return std::nullopt;  // the end, while ready
    });
    platform->SetInputReadiness([&] { return asked == 0 || ready.load(); });
    std::thread feeder([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ready = true;
        platform->Wake();
    });
    EXPECT_EQ(platform->Run(), 0);
    feeder.join();
    EXPECT_EQ(askedUnready, 1);  // only the first time, when it said it was ready
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(mainHandler.events, (Events{"click 7,8"}));
}

TEST_F(Dispatch, QuitDuringAModalLoopEndsItWithCancel) {
    Dialog page(*platform, *main, "page");
    int code = 0;
    mainHandler.click = [&](int, int) { code = page.Run(); };
    page.handler.close = [&] { platform->Quit(7); };
    script.Then(Click(1, 1)).Then(CloseBox()).Then(Click(2, 2));
    EXPECT_EQ(RunScript(), 7);
    EXPECT_EQ(code, IDCANCEL);
    EXPECT_TRUE(page.handler.events.size() == 1);
}

TEST_F(Dispatch, AnEndModalBeforeTheLoopEndsItAtOnce) {
    Dialog page(*platform, *main, "page");
    platform->EndModal(*page.window, IDOK);
    EXPECT_EQ(page.Run(), IDOK);
    EXPECT_EQ(page.handler.paints, 0);
    EXPECT_EQ(page.Run(), IDCANCEL);  // the code was used up; input ran dry
}

const CMessageBoxInfo* TopMessageBox(const CPlatform& platform) {
    const std::vector<CWindow*> windows = platform.Windows();
    return windows.empty() ? nullptr : windows.back()->GetMessageBoxInfo();
}

TEST_F(Dispatch, AnExceptionFromAClickShowsItsTextInAnErrorBoxAndTheNextClickWorks) {
    const std::string text = "CAnQianArray 越界: 下标 5, 元素个数 3";
    int clicks = 0;
    mainHandler.click = [&](int, int) {
        if (++clicks == 1) throw CMyException(text);
    };
    script.Then(Click(1, 1))
        .Then(
            [&] {
                const CMessageBoxInfo* box = TopMessageBox(*platform);
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(box->text, text);
                EXPECT_EQ(box->icon, MessageBoxIcon::Stop);
                EXPECT_EQ(platform->Windows().back()->GetTitle(), "Quorvanel");
            },
            Press(KeyChord::Key::Return))
        .Then([&] { EXPECT_EQ(TopMessageBox(*platform), nullptr); }, Click(2, 2))
        .Finally([&] { EXPECT_EQ(platform->Windows().size(), 1u); });
    RunScript();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(clicks, 2);
}

TEST_F(Dispatch, ExceptionsFromMovesAndKeysAreReportedToo) {
    mainHandler.key = [](const KeyChord&) { throw std::out_of_range("按键失败"); };
    script.Then(Press(KeyChord::Key::Return)).Finally([&] {
        ASSERT_NE(TopMessageBox(*platform), nullptr);
        EXPECT_EQ(TopMessageBox(*platform)->text, "按键失败");
    });
    RunScript();
    EXPECT_TRUE(script.Finished());
}

TEST_F(Dispatch, SomethingThatIsNotAStdExceptionGetsAGenericText) {
    mainHandler.click = [](int, int) { throw 42; };
    script.Then(Click(1, 1)).Finally([&] {
        ASSERT_NE(TopMessageBox(*platform), nullptr);
        EXPECT_FALSE(TopMessageBox(*platform)->text.empty());
    });
    RunScript();
    EXPECT_TRUE(script.Finished());
}

TEST_F(Dispatch, AFailureInsideAModalDialogIsReportedOverIt) {
    Dialog page(*platform, *main, "page");
    mainHandler.click = [&](int, int) { page.Run(); };
    page.handler.click = [](int, int) { throw std::runtime_error("页面出错"); };
    script.Then(Click(1, 1))
        .Then(Click(2, 2))
        .Then(
            [&] {
                EXPECT_EQ(Titles(*platform), (std::vector<std::string>{"main", "page", "Quorvanel"}));
            },
            CloseBox())
        .Finally([&] {
            EXPECT_EQ(Titles(*platform), (std::vector<std::string>{"main", "page"}));
        });
    RunScript();
    EXPECT_TRUE(script.Finished());
}

}  // namespace
