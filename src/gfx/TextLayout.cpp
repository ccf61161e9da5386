// Greedy line breaking for CJK and Latin text.
#include "gfx/TextLayout.h"

#include "gfx/FontFace.h"

#include <algorithm>

namespace {

bool IsCjk(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) ||  // radicals, CJK punctuation, kana, ideographs
           (c >= 0xAC00 && c <= 0xD7AF) ||  // Hangul syllables
           (c >= 0xF900 && c <= 0xFAFF) ||  // compatibility ideographs
           (c >= 0xFE30 && c <= 0xFE4F) ||  // compatibility forms
           (c >= 0xFF00 && c <= 0xFFEF) ||  // full-width forms
           (c >= 0x20000 && c <= 0x3FFFF);  // supplementary ideographs
}

bool IsSpace(char32_t c) { return c == U' ' || c == U'\t'; }

// May a wrapped line end before text[i] (i > 0)?
bool CanBreakBefore(const std::u32string& text, std::size_t i) {
    const char32_t before = text[i - 1];
    const char32_t here = text[i];
    return IsSpace(here) || IsSpace(before) || IsCjk(before) || IsCjk(here);
}

int Width(const std::u32string& text, std::size_t begin, std::size_t end, const CFontFace& face) {
    int width = 0;
    for (std::size_t i = begin; i < end; ++i) width += face.Advance(text[i]);
    return width;
}

// Lays out one paragraph [begin, end) (no line breaks inside) into lines.
void WrapParagraph(const std::u32string& text, std::size_t begin, std::size_t end, const CFontFace& face,
                   int maxWidth, std::vector<TextLine>& lines) {
    std::size_t start = begin;
    do {
        std::size_t i = start;
        std::size_t lastBreak = start;
        int width = 0;
        for (; i < end; ++i) {
            if (i > start && CanBreakBefore(text, i)) lastBreak = i;
            const int advance = face.Advance(text[i]);
            if (i > start && width + advance > maxWidth && !IsSpace(text[i])) break;
            width += advance;
        }
        std::size_t lineEnd = i;
        if (i < end && lastBreak > start) lineEnd = lastBreak;
        // Spaces at the wrap neither end this line nor start the next.
        std::size_t visibleEnd = lineEnd;
        while (i < end && visibleEnd > start && IsSpace(text[visibleEnd - 1])) --visibleEnd;
        lines.push_back({start, visibleEnd, Width(text, start, visibleEnd, face)});
        start = lineEnd;
        while (start < end && start != begin && IsSpace(text[start])) ++start;
    } while (start < end);
}

}  // namespace

std::vector<TextLine> LayoutText(const std::u32string& text, const CFontFace& face, int maxWidth,
                                 bool singleLine) {
    std::vector<TextLine> lines;
    if (singleLine) {
        lines.push_back({0, text.size(), Width(text, 0, text.size(), face)});
        return lines;
    }
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = begin;
        while (end < text.size() && text[end] != U'\r' && text[end] != U'\n') ++end;
        if (maxWidth == kNoWrap) {
            lines.push_back({begin, end, Width(text, begin, end, face)});
        } else {
            WrapParagraph(text, begin, end, face, maxWidth, lines);
        }
        // CR LF, LF and a lone CR each end one line.
        const bool crLf = end + 1 < text.size() && text[end] == U'\r' && text[end + 1] == U'\n';
        begin = std::min(text.size(), end + (crLf ? 2 : 1));
    }
    return lines;
}
