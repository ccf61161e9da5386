// CQuorvanelApp: start-up and the event loop. Start-up runs in a fixed
// order: the program-wide game objects exist before main (game/ProgramState),
// then the generator is seeded and the skill and item tables are filled, and
// only then are the view (hero, roster, main screen) and the main window made
// and shown. The window is destroyed before the view that handles it.
#pragma once

#include "app/MainFrame.h"
#include "app/QuorvanelView.h"

#include <cstdint>
#include <functional>
#include <memory>

class CPlatform;

class CQuorvanelApp {
public:
    explicit CQuorvanelApp(CPlatform& platform) : platform_(platform) {}

    // beforeShow runs once the game and its window exist, just before the
    // window is shown: the last step of start-up that may still fail.
    void InitInstance(std::uint64_t seed, const std::function<void()>& beforeShow = {});
    // Runs until the main window closes; returns the exit code.
    int Run();

    CQuorvanelView& View() { return *view_; }
    CMainFrame& Frame() { return *frame_; }

private:
    CPlatform& platform_;
    std::unique_ptr<CQuorvanelView> view_;
    std::unique_ptr<CMainFrame> frame_;
};
