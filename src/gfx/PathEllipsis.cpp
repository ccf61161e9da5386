// Middle ellipsis by measured widths (see PathEllipsis.h).
#include "gfx/PathEllipsis.h"

#include <vector>

namespace {

// The widths of text's characters, one entry for each UTF-8 sequence (a stray
// continuation byte stays with the character before it).
struct Piece {
    std::size_t begin = 0;
    int width = 0;
};

std::vector<Piece> Pieces(std::string_view text, const CDC& dc) {
    std::vector<Piece> pieces;
    for (std::size_t begin = 0; begin < text.size();) {
        std::size_t end = begin + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
        pieces.push_back({begin, dc.GetTextExtent(text.substr(begin, end - begin)).cx});
        begin = end;
    }
    return pieces;
}

// middle's start and end around kEllipsis within room pixels, taken from
// the two ends in turn.
std::string ShortenMiddle(std::string_view middle, const CDC& dc, int room) {
    const std::vector<Piece> pieces = Pieces(middle, dc);
    const std::size_t count = pieces.size();
    std::size_t head = 0;
    std::size_t tail = 0;
    int used = 0;
    for (bool grew = true; grew;) {
        grew = false;
        if (head + tail < count && used + pieces[head].width <= room) {
            used += pieces[head++].width;
            grew = true;
        }
        if (head + tail < count && used + pieces[count - 1 - tail].width <= room) {
            used += pieces[count - 1 - tail++].width;
            grew = true;
        }
    }
    const std::size_t headEnd = head < count ? pieces[head].begin : middle.size();
    const std::size_t tailBegin = tail > 0 ? pieces[count - tail].begin : middle.size();
    return std::string(middle.substr(0, headEnd)) + std::string(kEllipsis) +
           std::string(middle.substr(tailBegin));
}

}  // namespace

std::string ShortenPath(std::string_view line, const CDC& dc, int maxWidth) {
    if (dc.GetTextExtent(line).cx <= maxWidth) return std::string(line);
    const int ellipsis = dc.GetTextExtent(kEllipsis).cx;
    const std::size_t slash = line.rfind('/');
    if (slash != std::string_view::npos) {
        const std::string_view fileName = line.substr(slash);
        const int room = maxWidth - ellipsis - dc.GetTextExtent(fileName).cx;
        if (room >= 0) return ShortenMiddle(line.substr(0, slash), dc, room) + std::string(fileName);
    }
    return ShortenMiddle(line, dc, maxWidth - ellipsis);
}
