// CQuorvanelApp: start-up and the event loop. Start-up runs in a fixed
// order: the game world is made (the generator seeded, the tables and the
// roster filled), and only then are the view (hero, main screen) and the main
// window made and shown. The app owns the program's one world; the view and
// what it opens work on it by reference. The window is destroyed before the
// view that handles it, and the view before the world.
#pragma once

#include "app/MainFrame.h"
#include "app/QuorvanelView.h"
#include "game/GameWorld.h"

#include <cstdint>
#include <memory>

class CPlatform;

class CQuorvanelApp {
public:
    explicit CQuorvanelApp(CPlatform& platform) : platform_(platform) {}

    void InitInstance(std::uint64_t seed);
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
