// Start-up order and the event loop.
#include "app/QuorvanelApp.h"

#include "game/ProgramState.h"
#include "platform/Platform.h"

void CQuorvanelApp::InitInstance(std::uint64_t seed, const std::function<void()>& beforeShow) {
    StartUp(seed);
    view_ = std::make_unique<CQuorvanelView>(platform_);
    frame_ = std::make_unique<CMainFrame>(platform_, *view_);
    if (beforeShow) beforeShow();
    frame_->Show();
}

int CQuorvanelApp::Run() { return platform_.Run(); }
