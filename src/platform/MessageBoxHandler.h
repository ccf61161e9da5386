// The message box: a dialog with the caption "Quorvanel", a text (CR LF line
// breaks, wrapped at kMaxTextWidth pixels), an optional stop icon and one OK
// button. A click on the button, Enter, Escape and the close box end it.
// The button has the keyboard focus: the focus keys (Tab, arrows, Home, End,
// Space) show the focus ring around it, and once it shows, Space ends the
// box too; a click hides the ring.
// Drawn with the device context in 12-point "宋体": white text area over a
// button-face strip holding the button. Sized to its text, or of one fixed
// size (kFixedLines lines, each shortened to the width as PathEllipsis.h
// says) whatever its text and icon.
#pragma once

#include "gfx/Font.h"
#include "platform/Platform.h"
#include "platform/Window.h"

#include <string>

enum class MessageBoxSize { FitText, Fixed };

class CMessageBoxHandler final : public CWindowHandler {
public:
    static constexpr int kMaxTextWidth = 400;
    static constexpr int kFixedLines = 3;

    CMessageBoxHandler(CPlatform& platform, std::string text, MessageBoxIcon icon,
                       MessageBoxSize size = MessageBoxSize::FitText);

    // Gives window its caption, size and background, and makes it the window
    // whose modal loop this handler ends.
    void Attach(CWindow& window);
    // Where the OK button lies in the client area.
    const CRect& ButtonRect() const { return button_; }
    // Where the text lies in the client area (as high as its lines).
    const CRect& TextRect() const { return textBox_; }

    void OnPaint(CDC& dc) override;
    void OnLButtonDown(int x, int y) override;
    void OnKey(const KeyChord& key) override;
    void OnClose() override { End(); }
    // The OK button: focusing it shows the ring, activating it ends the box.
    void OnAccessAction(const std::string& node, AccessAction action) override;
    bool ShowsFocusRing() const override { return ringShown_; }

private:
    CAccessNode Describe() const;
    void End();
    void DrawStopIcon(CDC& dc) const;
    void DrawButton(CDC& dc) const;
    void SetRingShown(bool shown);

    CPlatform& platform_;
    CWindow* window_ = nullptr;
    std::string text_;
    MessageBoxIcon icon_;
    CFont font_;
    CSize client_;
    CRect iconBox_;
    CRect textBox_;
    CRect strip_;
    CRect button_;
    bool ringShown_ = false;
};
