// The device context's text: layout through TextLayout, glyphs from the
// font's cache, blended into the target (1-bit glyphs are plain writes).
// Text is clipped to the rectangle it is laid out in and to the clip region.
#include "gfx/DeviceContext.h"

#include "gfx/FontFace.h"
#include "gfx/TextLayout.h"
#include "gfx/Utf8.h"

#include <algorithm>

namespace {

COLORREF Mix(COLORREF over, COLORREF under, int alpha) {
    const auto channel = [&](int shift) {
        const int a = static_cast<int>((over >> shift) & 0xFF);
        const int b = static_cast<int>((under >> shift) & 0xFF);
        return static_cast<COLORREF>((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

}  // namespace

const CFontFace& CDC::ActiveFace() const {
    if (font_.IsNull()) {
        static const CFont fallback = CFont::Default();
        return *fallback.Face();
    }
    return *font_.Face();
}

CSize CDC::GetTextExtent(std::string_view singleLine) const {
    const CFontFace& face = ActiveFace();
    int width = 0;
    for (std::size_t at = 0; at < singleLine.size();) {
        const Utf8Char step = DecodeUtf8At(singleLine, at);
        width += face.Advance(step.codePoint);
        at += step.length;
    }
    return {width, face.LineHeight()};
}

int CDC::DrawText(std::string_view text, CRect& rect, unsigned format) {
    const CFontFace& face = ActiveFace();
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    const int lineHeight = face.LineHeight();
    // One line to draw needs no layout: it is measured and drawn straight from its UTF-8.
    if (singleLine && !(format & DT_CALCRECT)) {
        if (!RectVisible(rect)) return lineHeight;
        const int top = format & DT_VCENTER ? rect.top + (rect.Height() - lineHeight) / 2 : rect.top;
        DrawLine(face, rect, format, top, GetTextExtent(text).cx, [&](const auto& draw) {
            for (std::size_t at = 0; at < text.size();) {
                const Utf8Char step = DecodeUtf8At(text, at);
                draw(step.codePoint);
                at += step.length;
            }
        });
        return lineHeight;
    }
    const std::u32string codePoints = DecodeUtf8(text);
    const int wrapWidth = !singleLine && (format & DT_WORDBREAK) ? std::max(0, rect.Width()) : kNoWrap;
    const std::vector<TextLine> lines = LayoutText(codePoints, face, wrapWidth, singleLine);
    const int height = static_cast<int>(lines.size()) * lineHeight;

    if (format & DT_CALCRECT) {
        int width = 0;
        for (const TextLine& line : lines) width = std::max(width, line.width);
        rect.right = rect.left + width;
        rect.bottom = rect.top + height;
        return height;
    }
    if (!RectVisible(rect)) return height;
    int top = rect.top;
    for (const TextLine& line : lines) {
        DrawLine(face, rect, format, top, line.width, [&](const auto& draw) {
            for (std::size_t i = line.begin; i < line.end; ++i) draw(codePoints[i]);
        });
        top += lineHeight;
    }
    return height;
}

// One line of text at top, placed in rect as format says and cut to it;
// forEachCodePoint calls its argument with each character in turn.
template <typename ForEachCodePoint>
void CDC::DrawLine(const CFontFace& face, const CRect& rect, unsigned format, int top, int width,
                   const ForEachCodePoint& forEachCodePoint) {
    // The clip region cut to the rectangle.
    textClip_.clear();
    for (const CRect& piece : clip_) {
        const CRect area = piece.Intersect(rect);
        if (!area.IsRectEmpty()) textClip_.push_back(area);
    }
    int x = rect.left;
    if (format & DT_CENTER)
        x += (rect.Width() - width) / 2;
    else if (format & DT_RIGHT)
        x = rect.right - width;
    if (bkMode_ == OPAQUE && bkColor_ != kNoColor) {
        const CRect box{x, top, x + width, top + face.LineHeight()};
        for (const CRect& area : textClip_) FillRect(box.Intersect(area), bkColor_);
    }
    if (textColor_ == kNoColor) return;
    forEachCodePoint([&](char32_t codePoint) {
        const Glyph& glyph = face.GetGlyph(codePoint);
        DrawGlyph(glyph, x, top + face.Ascent());
        x += glyph.advance;
    });
}

void CDC::DrawGlyph(const Glyph& glyph, int penX, int baseline) {
    const CRect box{penX + glyph.left, baseline - glyph.top, penX + glyph.left + glyph.width,
                    baseline - glyph.top + glyph.rows};
    for (const CRect& piece : textClip_) {
        const CRect area = piece.Intersect(box);
        if (area.IsRectEmpty()) continue;
        for (const Glyph::InkRun& run : glyph.runs) {
            const int y = box.top + run.row;
            const int begin = std::max(box.left + run.begin, area.left);
            const int end = std::min(box.left + run.end, area.right);
            if (y < area.top || y >= area.bottom || begin >= end) continue;
            COLORREF* row = target_->Row(y);
            if (run.solid) {
                std::fill(row + begin, row + end, textColor_);
                continue;
            }
            const std::uint8_t* coverage =
                glyph.coverage.data() + static_cast<std::size_t>(run.row) * glyph.width;
            for (int x = begin; x < end; ++x) {
                const int alpha = coverage[x - box.left];
                row[x] = alpha == 255 ? textColor_ : Mix(textColor_, row[x], alpha);
            }
        }
    }
}
