// CMainFrame: the program's one top-level window. Its client area is the
// view's 655 x 405 root (665 x 445 with the frame), it has no menu bar, is
// centred on the screen and titled MainWindowTitle(); the view handles
// everything that happens in it, closing included.
#pragma once

#include "platform/Window.h"

#include <memory>

class CPlatform;
class CQuorvanelView;

class CMainFrame {
public:
    // Creates the window for view and ties the view's root to it.
    CMainFrame(CPlatform& platform, CQuorvanelView& view);

    CWindow& Window() { return *window_; }
    void Show() { window_->Show(); }

private:
    std::unique_ptr<CWindow> window_;
};
