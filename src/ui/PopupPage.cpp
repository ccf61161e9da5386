// The popup page frame: window, modal loop, size and end codes.
#include "ui/PopupPage.h"

#include "i18n/Announcements.h"
#include "platform/Platform.h"

#include <vector>

namespace {

// The window a page without a parent belongs to: the active one, if any.
CWindow* ActiveWindow(const CPlatform& platform) {
    const std::vector<CWindow*> windows = platform.Windows();
    return windows.empty() ? nullptr : windows.back();
}

}  // namespace

CPopupPage::CPopupPage(CPlatform& platform, CWindow* parent) : platform_(platform), parent_(parent) {}

int CPopupPage::DoModal() {
    CWindow* owner = parent_ ? parent_ : ActiveWindow(platform_);
    window_ = platform_.CreateWindow(*this, owner);
    // Whatever happens, the root forgets the window before the window goes.
    // and a screen reader hears that the page closed.
    struct CloseOnExit {
        CPopupPage& page;
        ~CloseOnExit() {
            page.platform_.Announce(Announcement::PageClosed(page.Name()));
            page.AttachWindow(nullptr, page.Root().rect);
            page.window_.reset();
        }
    } closeOnExit{*this};

    // A window with an owner erases with the button face by itself; one
    // opened with no window at all needs telling.
    if (!owner) window_->SetBackground(GetSysColor(SysColor::ButtonFace));
    window_->SetClientSize(kTemplateWidth, kTemplateHeight);
    OnInitDialog();
    platform_.Announce(Announcement::PageOpened(Name()));
    return platform_.RunModal(*window_);
}

std::string CPopupPage::Name() const {
    return Root().accessName.empty() ? window_->GetTitle() : Root().accessName;
}

bool CPopupPage::OnInitDialog() {
    Root().RemoveAllChildren();
    Focus().Reset();
    AttachWindow(window_.get(), window_->GetClientRect());
    return true;
}

void CPopupPage::OnWidgetClick(const WidgetId& /*clicked*/) {}

void CPopupPage::ResizeClient(int width, int height) {
    window_->SetClientSize(width, height);
    AttachWindow(window_.get(), {0, 0, width, height});
}

void CPopupPage::OnCommandKey(const KeyChord& key) {
    if (key.key == KeyChord::Key::Return)
        OnOK();
    else if (key.key == KeyChord::Key::Escape)
        OnCancel();
}

void CPopupPage::OnClose() { OnCancel(); }

void CPopupPage::OnOK() { EndPage(IDOK); }

void CPopupPage::OnCancel() { EndPage(IDCANCEL); }

void CPopupPage::EndPage(int code) {
    if (window_) platform_.EndModal(*window_, code);
}
