// Window state and painting shared by every backend (see HostWindow.h).
#include "platform/HostWindow.h"

#include "platform/WindowBackend.h"

#include <algorithm>
#include <utility>

namespace {

// Until SetClientSize, a window has the size of a small dialog.
constexpr int kInitialWidth = 320;
constexpr int kInitialHeight = 200;

}  // namespace

CHostWindow::CHostWindow(CWindowSite& system, CWindowHandler& handler, CHostWindow* owner)
    : system_(system),
      handler_(handler),
      owner_(owner),
      native_(system.Backend().CreateNativeWindow(*this)),
      width_(kInitialWidth),
      height_(kInitialHeight),
      pixels_(kInitialWidth, kInitialHeight, Background()) {
    native_->SetClientSize(width_, height_);
}

CHostWindow::~CHostWindow() {
    if (visible_) system_.RemoveShown(*this);
}

void CHostWindow::SetTitle(const std::string& title) {
    title_ = title;
    native_->SetTitle(title);
}

CRect CHostWindow::GetWindowRect() const {
    const CPoint origin = native_->GetClientOrigin();
    const CRect frame = native_->GetFrameInsets();
    const int scale = native_->Scale();
    return {origin.x - frame.left, origin.y - frame.top, origin.x + width_ * scale + frame.right,
            origin.y + height_ * scale + frame.bottom};
}

void CHostWindow::SetClientSize(int width, int height) {
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    pixels_.Resize(width_, height_, Background());
    native_->SetClientSize(width_, height_);
    Invalidate(true);
}

void CHostWindow::CenterOnScreen() { CenterIn(system_.Backend().GetScreenRect()); }

void CHostWindow::CenterOver(const CWindow& owner) { CenterIn(owner.GetWindowRect()); }

// Centres the whole window (frame included) in area, then pulls it back onto
// the screen where it would stick out.
void CHostWindow::CenterIn(const CRect& area) {
    const CRect screen = system_.Backend().GetScreenRect();
    const CRect outer = GetWindowRect();
    int left = area.left + (area.Width() - outer.Width()) / 2;
    int top = area.top + (area.Height() - outer.Height()) / 2;
    left = std::max(screen.left, std::min(left, screen.right - outer.Width()));
    top = std::max(screen.top, std::min(top, screen.bottom - outer.Height()));
    const CRect frame = native_->GetFrameInsets();
    native_->MoveClientTo({left + frame.left, top + frame.top});
}

void CHostWindow::Show() {
    if (visible_) return;
    visible_ = true;
    Invalidate(true);
    native_->SetVisible(true);
    native_->TakeFocus();
    system_.AddShown(*this);
}

void CHostWindow::Hide() {
    if (!visible_) return;
    visible_ = false;
    native_->SetVisible(false);
    system_.RemoveShown(*this);
}

void CHostWindow::InvalidateRect(const CRect& rect, bool erase) {
    invalid_.Add(rect, GetClientRect(), erase);
}

void CHostWindow::SetAccessDescription(std::function<CAccessNode()> describe) {
    describe_ = std::move(describe);
    accessStale_ = true;
    if (!native_->ShowsAccessTree()) return;
    CAccessNode tree = describe_();
    accessStale_ = false;
    if (accessTree_ == tree) return;
    accessTree_ = std::move(tree);
    native_->ShowAccessTree(*accessTree_);
}

const CAccessNode* CHostWindow::GetAccessTree() const {
    if (accessStale_) accessTree_ = describe_();
    accessStale_ = false;
    return accessTree_ ? &*accessTree_ : nullptr;
}

void CHostWindow::Paint() {
    if (!NeedsPaint()) return;
    // Validated before drawing, so that invalidations made while painting
    // stay for the next paint and a failed paint is not retried forever.
    const std::vector<CRect> area = invalid_.Rects();
    const bool erase = invalid_.Erase();
    invalid_.Clear();
    {
        CDC dc(pixels_);
        dc.SetClipRegion(area);
        if (erase && !handler_.PaintsEveryPixel()) {
            for (const CRect& rect : area) dc.FillSolidRect(rect, Background());
        }
        try {
            handler_.OnPaint(dc);
        } catch (...) {
            // A paint that fails is abandoned silently: reporting it would
            // open a box whose own paint may fail again.
        }
    }
    native_->Present(pixels_, area);
}

CFrameBuffer CHostWindow::RenderToBuffer() {
    CFrameBuffer buffer(width_, height_, Background());
    CDC dc(buffer);
    handler_.OnPaint(dc);
    return buffer;
}

const CMessageBoxInfo* CHostWindow::GetMessageBoxInfo() const {
    return messageBox_ ? &*messageBox_ : nullptr;
}

// Dialogs erase with the button face, top-level windows with the window
// colour, unless a background was set; read at each erase so that a changed
// palette shows.
COLORREF CHostWindow::Background() const {
    if (background_) return *background_;
    return GetSysColor(owner_ ? SysColor::ButtonFace : SysColor::Window);
}
