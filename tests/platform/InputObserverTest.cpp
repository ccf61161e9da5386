// The input observer, how sessions are recorded: it sees every event the
// active window's handler gets, before the handler, and nothing that is
// dropped because it was aimed at a window below a modal one.
#include "support/ScriptedInput.h"

#include "platform/HeadlessBackend.h"
#include "platform/WindowSystem.h"

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
