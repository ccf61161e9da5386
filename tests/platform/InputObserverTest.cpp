// The input observer, how sessions are recorded: it sees every event the
// active window's handler gets, before the handler, and nothing that is
// dropped because it was aimed at a window below a modal one.
#include "support/ScriptedInput.h"

#include "platform/WindowSystem.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace {

TEST(InputObserver, SeesWhatTheActiveWindowTakesAndNotWhatIsDropped) {
    CWindowSystem system(std::make_unique<CHeadlessBackend>());
    CRecordingHandler ownerHandler;
    CRecordingHandler dialogHandler;
    auto owner = system.CreateWindow(ownerHandler, nullptr);
    auto dialog = system.CreateWindow(dialogHandler, owner.get());
    std::vector<std::string> observed;
    system.SetInputObserver([&](const InputEvent& event) {
        // The handler has not had the event yet.
        observed.push_back(std::to_string(event.x) + "," + std::to_string(event.y) + " after " +
                           std::to_string(dialogHandler.events.size()));
    });
    owner->Show();
    dialog->Show();
    system.Deliver(static_cast<CHostWindow*>(owner.get()), Click(1, 1));
    system.Deliver(static_cast<CHostWindow*>(dialog.get()), Click(2, 2));
    system.DeliverToActive(Move(3, 4));
    EXPECT_EQ(observed, (std::vector<std::string>{"2,2 after 0", "3,4 after 1"}));
}

// Headless there is no scale: the keys that change it are seen (and so
// recorded) but reach no handler and change nothing.
TEST(InputObserver, SeesTheScaleKeysThatHeadlessChangeNothing) {
    std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
    CRecordingHandler handler;
    auto window = platform->CreateWindow(handler, nullptr);
    window->SetClientSize(655, 405);
    window->CenterOnScreen();
    window->Show();
    window->UpdateWindow();
    const CRect placed = window->GetWindowRect();
    const CFrameBuffer shown = window->GetFrameBuffer();
    const int paints = handler.paints;
    int observed = 0;
    platform->SetInputObserver([&](const InputEvent&) { ++observed; });
    CScript script;
    for (const KeyChord& chord : {KeyChord{KeyChord::Key::Equals, 0, true, false, false},
                                  KeyChord{KeyChord::Key::Equals, 0, true, true, false},
                                  KeyChord{KeyChord::Key::Minus, 0, true, false, false}})
        script.Then({InputEvent::Kind::Key, 0, 0, chord});
    script.Then({InputEvent::Kind::Key, 0, 0, {KeyChord::Key::Equals, 0, false, false, false}});
    script.InstallOn(*platform);
    platform->Run();
    EXPECT_EQ(observed, 4);
    EXPECT_EQ(handler.events, std::vector<std::string>{"key"});  // '=' without Ctrl is an ordinary key
    EXPECT_EQ(window->GetWindowRect(), placed);
    EXPECT_EQ(window->GetClientRect(), (CRect{0, 0, 655, 405}));
    EXPECT_EQ(handler.paints, paints);
    EXPECT_TRUE(window->GetFrameBuffer() == shown);
}

TEST(InputObserver, SeesScriptedInputToo) {
    std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
    CRecordingHandler handler;
    auto window = platform->CreateWindow(handler, nullptr);
    window->Show();
    std::vector<InputEvent::Kind> observed;
    platform->SetInputObserver([&](const InputEvent& event) { observed.push_back(event.kind); });
    CScript script;
    script.Then(Move(5, 5)).Then(RightClick(5, 5)).Then(CloseBox());
    script.InstallOn(*platform);
    platform->Run();
    EXPECT_EQ(observed,
              (std::vector<InputEvent::Kind>{InputEvent::Kind::MouseMove, InputEvent::Kind::RButtonDown,
                                             InputEvent::Kind::Close}));
    EXPECT_EQ(handler.events, (std::vector<std::string>{"move 5,5", "rclick 5,5", "close"}));
}

}  // namespace
