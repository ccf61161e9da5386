// Splitting text into lines for DrawText: at CR LF (or a lone LF or CR), and,
// when a width is given, wrapping greedily at the last break opportunity that
// fits: between two CJK characters, next to a CJK character, or at spaces
// between Latin words. Spaces at a wrap belong to neither line; a word wider
// than the line is broken between characters. A final line break adds no
// empty line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CFontFace;

struct TextLine {
    std::size_t begin = 0;  // code point range in the laid-out text
    std::size_t end = 0;
    int width = 0;  // pixels, trailing spaces of a wrapped line left out
};

inline constexpr int kNoWrap = -1;

// maxWidth kNoWrap: no wrapping; singleLine: line breaks do not break either
// (they draw as nothing).
std::vector<TextLine> LayoutText(const std::u32string& text, const CFontFace& face, int maxWidth,
                                 bool singleLine);
