// Layout, drawing and input of the message box (see MessageBoxHandler.h).
#include "platform/MessageBoxHandler.h"

#include "gfx/DeviceContext.h"
#include "gfx/FocusRing.h"
#include "gfx/PathEllipsis.h"
#include "gfx/ScopedDCState.h"
#include "i18n/Translation.h"
#include "platform/KeyTable.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr const char* kCaption = "Quorvanel";
constexpr const char* kButtonText = TrMark("确定");
constexpr const char* kButtonNode = "ok";
constexpr int kMargin = 20;
constexpr int kIconSize = 32;
constexpr int kIconGap = 12;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
constexpr int kStripHeight = 48;
constexpr int kMinWidth = 240;
constexpr COLORREF kStopRed = RGB(232, 17, 35);
constexpr COLORREF kButtonFill = RGB(225, 225, 225);
// The fixed size holds a stop icon beside a text of the widest wrapping width.
constexpr int kFixedWidth = kMargin + kIconSize + kIconGap + CMessageBoxHandler::kMaxTextWidth + kMargin;

// The first kFixedLines lines of text (at CR LF, LF or CR), each shortened to width.
std::string FittedLines(const std::string& text, const CDC& dc, int width) {
    std::string fitted;
    std::size_t begin = 0;
    for (int line = 0; line < CMessageBoxHandler::kFixedLines && begin < text.size(); ++line) {
        const std::size_t end = std::min(text.find_first_of("\r\n", begin), text.size());
        if (line > 0) fitted += "\r\n";
        fitted += ShortenPath(std::string_view(text).substr(begin, end - begin), dc, width);
        begin = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
    }
    return fitted;
}

}  // namespace

CMessageBoxHandler::CMessageBoxHandler(CPlatform& platform, std::string text, MessageBoxIcon icon,
                                       MessageBoxSize size)
    : platform_(platform), text_(std::move(text)), icon_(icon), font_(CFont::CreatePointFont(120, "宋体")) {
    CDC measure;
    measure.SelectObject(font_);
    const bool hasIcon = icon_ == MessageBoxIcon::Stop;
    const int iconSpace = hasIcon ? kIconSize + kIconGap : 0;
    const bool fixed = size == MessageBoxSize::Fixed;
    const int textWidth = fixed ? kFixedWidth - 2 * kMargin - iconSpace : kMaxTextWidth;
    if (fixed) text_ = FittedLines(text_, measure, textWidth);
    CRect extent{0, 0, textWidth, 0};
    measure.DrawText(text_, extent, DT_CALCRECT | DT_WORDBREAK | DT_LEFT);

    const int linesHeight = fixed ? kFixedLines * measure.GetTextExtent("").cy : 0;
    const int contentHeight = std::max({extent.Height(), hasIcon ? kIconSize : 0, linesHeight});
    client_.cx = fixed ? kFixedWidth
                       : std::max({kMargin + iconSpace + extent.Width() + kMargin, kMinWidth,
                                   kButtonWidth + 2 * kMargin});
    client_.cy = kMargin + contentHeight + kMargin + kStripHeight;

    iconBox_ = hasIcon ? CRect{kMargin, kMargin + (contentHeight - kIconSize) / 2, kMargin + kIconSize,
                               kMargin + (contentHeight + kIconSize) / 2}
                       : CRect{};
    // The text is drawn with the width it was measured with, so it wraps
    // exactly as measured.
    const int textTop = kMargin + (contentHeight - extent.Height()) / 2;
    textBox_ = {kMargin + iconSpace, textTop, kMargin + iconSpace + textWidth, textTop + extent.Height()};
    strip_ = {0, client_.cy - kStripHeight, client_.cx, client_.cy};
    const int buttonTop = strip_.top + (kStripHeight - kButtonHeight) / 2;
    button_ = {client_.cx - kMargin - kButtonWidth, buttonTop, client_.cx - kMargin,
               buttonTop + kButtonHeight};
}

void CMessageBoxHandler::Attach(CWindow& window) {
    window_ = &window;
    window.SetTitle(kCaption);
    window.SetBackground(GetSysColor(SysColor::Window));
    window.SetClientSize(client_.cx, client_.cy);
    window.SetAccessDescription([this] { return Describe(); });
}

void CMessageBoxHandler::OnAccessAction(const std::string& node, AccessAction action) {
    if (node != kButtonNode) return;
    if (action == AccessAction::Activate)
        End();
    else
        SetRingShown(true);
}

// An alert dialog named by its caption, around the text and the focused OK
// button. The text is the box's label and no description of it too: a screen
// reader says an alert's description and then its labels, the text twice.
CAccessNode CMessageBoxHandler::Describe() const {
    CAccessNode text;
    text.id = "text";
    text.role = AccessRole::StaticText;
    text.name = text_;
    text.bounds = textBox_;
    CAccessNode ok;
    ok.id = kButtonNode;
    ok.role = AccessRole::Button;
    ok.name = Tr(kButtonText);
    ok.bounds = button_;
    ok.focused = ok.canFocus = ok.canActivate = true;
    CAccessNode box;
    box.id = "window";
    box.role = AccessRole::AlertDialog;
    box.name = kCaption;
    box.bounds = {0, 0, client_.cx, client_.cy};
    box.children = {std::move(text), std::move(ok)};
    return box;
}

void CMessageBoxHandler::OnPaint(CDC& dc) {
    dc.FillSolidRect(strip_, GetSysColor(SysColor::ButtonFace));
    const CScopedDCState saved(dc);
    dc.SelectObject(font_);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(SysColor::WindowText));
    if (icon_ != MessageBoxIcon::None) DrawStopIcon(dc);
    CRect box = textBox_;
    dc.DrawText(text_, box, DT_WORDBREAK | DT_LEFT);
    DrawButton(dc);
    if (ringShown_) DrawFocusRing(dc, button_);
}

void CMessageBoxHandler::OnLButtonDown(int x, int y) {
    SetRingShown(false);
    if (button_.PtInRect(x, y)) End();
}

void CMessageBoxHandler::OnKey(const KeyChord& key) {
    using Key = KeyChord::Key;
    const CKeyRow* row = KeyRowOf(key.key);
    if (key.key == Key::Return || key.key == Key::Escape || (key.key == Key::Space && ringShown_)) End();
    // The button is the box's only widget: every key that moves the focus
    // shows the ring on it.
    else if (row && row->MovesFocus())
        SetRingShown(true);
}

void CMessageBoxHandler::SetRingShown(bool shown) {
    if (shown == ringShown_ || !window_) return;
    ringShown_ = shown;
    window_->InvalidateRect(FocusRingArea(button_), true);
}

void CMessageBoxHandler::End() {
    if (window_) platform_.EndModal(*window_, IDOK);
}

// A red disc with a white diagonal cross, row by row.
void CMessageBoxHandler::DrawStopIcon(CDC& dc) const {
    const double radius = kIconSize / 2.0;
    for (int row = 0; row < kIconSize; ++row) {
        const double dy = row + 0.5 - radius;
        const int half = static_cast<int>(std::lround(std::sqrt(radius * radius - dy * dy)));
        const int y = iconBox_.top + row;
        dc.FillSolidRect(
            {iconBox_.left + kIconSize / 2 - half, y, iconBox_.left + kIconSize / 2 + half, y + 1}, kStopRed);
    }
    constexpr int kCrossInset = 10;
    constexpr int kStroke = 3;
    const COLORREF white = RGB(255, 255, 255);
    for (int i = 0; i < kIconSize - 2 * kCrossInset; ++i) {
        const int y = iconBox_.top + kCrossInset + i;
        const int down = iconBox_.left + kCrossInset + i - kStroke / 2;
        const int up = iconBox_.right - kCrossInset - 1 - i - kStroke / 2;
        dc.FillSolidRect({down, y, down + kStroke, y + 1}, white);
        dc.FillSolidRect({up, y, up + kStroke, y + 1}, white);
    }
}

// The default button's look: a light face in a highlight-coloured frame.
void CMessageBoxHandler::DrawButton(CDC& dc) const {
    const COLORREF frame = GetSysColor(SysColor::Highlight);
    dc.FillSolidRect(button_, kButtonFill);
    dc.Draw3dRect(button_.left, button_.top, button_.Width(), button_.Height(), frame, frame);
    CRect caption = button_;
    dc.DrawText(Tr(kButtonText), caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
