// CQuorvanelApp: start-up and the event loop. Start-up runs in a fixed
// order: the game world is made (the generator seeded, the tables and the
// roster filled), and only then are the view (hero, main screen) and the main
// window made and shown. The app owns the program's one world; the view and
// what it opens work on it by reference. The window is destroyed before the
// view that handles it, and the view before the world.
#pragma once

#include "app/MainFrame.h"
#include "game/GameWorld.h"
#include "screens/QuorvanelView.h"

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
    std::unique_ptr<CGameWorld> world_;
    std::unique_ptr<CQuorvanelView> view_;
    std::unique_ptr<CMainFrame> frame_;
};
