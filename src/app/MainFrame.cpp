// The main window.
#include "app/MainFrame.h"

#include "app/WindowTitle.h"
#include "platform/Platform.h"
#include "screens/MainScreen.h"
#include "screens/QuorvanelView.h"

CMainFrame::CMainFrame(CPlatform& platform, CQuorvanelView& view)
    : window_(platform.CreateWindow(view, nullptr)) {
    window_->SetTitle(MainWindowTitle());
    window_->SetClientSize(MainScreen::kRootRect.Width(), MainScreen::kRootRect.Height());
    window_->CenterOnScreen();
    view.AttachWindow(window_.get(), MainScreen::kRootRect);
}
