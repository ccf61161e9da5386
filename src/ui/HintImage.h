// CHintImage: a text hint box drawn once and copied into place at each paint,
// since laying out its wrapped text costs more than copying its pixels. It
// knows which rows hold its text and how wide, so that a box giving way to
// another repaints only the pixels where the two differ.
#pragma once

#include "gfx/DeviceContext.h"

#include <string>
#include <vector>

// What a hint box's pixels take from the context it is painted in.
struct CHintStyle {
    CFont font;
    COLORREF textColor = 0;
    int bkMode = 0;
    COLORREF bkColor = 0;

    static CHintStyle Of(const CDC& dc);
    bool operator==(const CHintStyle&) const = default;
};

class CHintImage {
public:
    // Draws text wrapped in a framed box of size.
    CHintImage(std::string text, const CHintStyle& style, CSize size);

    const std::string& Text() const { return text_; }
    const CHintStyle& Style() const { return style_; }
    const CFrameBuffer& Pixels() const { return pixels_; }
    bool Shows(const std::string& text, const CHintStyle& style, CSize size) const;

    // Where the window's pixels change when this box, shown at `at`, gives
    // way to next at nextAt (both painted in the same style): all of both
    // boxes unless they span the same rows; else what only one covers, each
    // box's side columns and the rows of either's text.
    std::vector<CRect> ChangeTo(const CRect& at, const CHintImage& next, const CRect& nextAt) const;

private:
    // The rows holding text, each cut to its text's width, in the box's own
    // coordinates; elsewhere inside its frame the box is plain fill.
    std::vector<CRect> FindTextBands() const;

    std::string text_;
    CHintStyle style_;
    CFrameBuffer pixels_;
    std::vector<CRect> textBands_;
};
