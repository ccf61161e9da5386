// Start-up order and the event loop.
#include "app/QuorvanelApp.h"

#include "platform/Platform.h"

void CQuorvanelApp::InitInstance(std::uint64_t seed, const std::function<void()>& beforeShow) {
    world_ = std::make_unique<CGameWorld>(seed);
    view_ = std::make_unique<CQuorvanelView>(platform_, *world_);
    frame_ = std::make_unique<CMainFrame>(platform_, *view_);
    if (beforeShow) beforeShow();
    frame_->Show();
}

int CQuorvanelApp::Run() { return platform_.Run(); }
