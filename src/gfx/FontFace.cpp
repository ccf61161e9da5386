// FreeType faces at one pixel size and their glyph cache. The FreeType
// library is shared by every open face and closed with the last of them;
// the faces of one file share its FreeType face (its tables, several hundred
// kilobytes for a CJK collection, are read once), each with a size of its
// own, and that face stays open for the run: the face the start-up check
// opened is the one the first frame draws with.
#include "gfx/FontFace.h"

#include "base/SystemFile.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace {

std::shared_ptr<FT_LibraryRec_> SharedLibrary() {
    static std::weak_ptr<FT_LibraryRec_> shared;
    if (auto library = shared.lock()) return library;
    FT_Library raw = nullptr;
    if (FT_Init_FreeType(&raw) != 0) return nullptr;
    std::shared_ptr<FT_LibraryRec_> library(raw, FT_Done_FreeType);
    shared = library;
    return library;
}

// FreeType reads the font through this stream rather than mapping the whole
// file: a CJK collection is tens of megabytes, and the mapped pages the face
// tables touch would stay resident; read frames cost only what is read.
unsigned long ReadFrame(FT_Stream stream, unsigned long offset, unsigned char* buffer, unsigned long count) {
    if (count == 0) return offset > stream->size ? 1 : 0;  // a seek: nonzero refuses it
    const std::ptrdiff_t got =
        SystemFile::ReadAt(static_cast<int>(stream->descriptor.value), buffer, count, offset);
    return got < 0 ? 0 : static_cast<unsigned long>(got);
}

// FreeType closes an external stream but leaves its record to us.
void CloseFile(FT_Stream stream) {
    SystemFile::Close(static_cast<int>(stream->descriptor.value));
    delete stream;
}

FT_Error NewFace(FT_Library library, const std::string& path, long index, FT_Face* face) {
    const int fd = SystemFile::Open(path, SystemFile::Access::Read);
    if (fd < 0) return FT_Err_Cannot_Open_Resource;
    SystemFile::Facts facts;
    if (SystemFile::FactsOf(fd, &facts) != 0 || facts.size == 0) {
        SystemFile::Close(fd);
        return FT_Err_Cannot_Open_Stream;
    }
    auto* stream = new FT_StreamRec{};
    stream->size = static_cast<unsigned long>(facts.size);
    stream->descriptor.value = fd;
    stream->read = ReadFrame;
    stream->close = CloseFile;
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    args.stream = stream;
    return FT_Open_Face(library, &args, index, face);  // closes the stream on failure too
}

bool IsGameFamily(FT_Face face) { return face->family_name && kSongFamily == face->family_name; }

// Opens file's face; index -1 picks the face of the game's family within a
// collection, or the first face of a file without it.
FT_Face OpenFace(FT_Library library, const FontFile& file) {
    FT_Face face = nullptr;
    if (NewFace(library, file.path, std::max(file.index, 0L), &face) != 0) return nullptr;
    if (file.index >= 0 || IsGameFamily(face)) return face;
    const long count = face->num_faces;
    for (long i = 1; i < count; ++i) {
        FT_Face candidate = nullptr;
        if (NewFace(library, file.path, i, &candidate) != 0) continue;
        if (IsGameFamily(candidate)) {
            FT_Done_Face(face);
            return candidate;
        }
        FT_Done_Face(candidate);
    }
    return face;
}

// The em size in pixels for a description's height (see CLogFont).
int PixelSize(FT_Face face, int height) {
    constexpr int kDefaultSize = 16;
    if (height < 0) return std::min(-height, 1024);
    if (height == 0) return kDefaultSize;
    const double cell = face->ascender - face->descender;
    const double em = cell > 0 ? height * face->units_per_EM / cell : height;
    return std::clamp(static_cast<int>(std::lround(em)), 1, 1024);
}

// The open face of each file, shared by the sizes drawn from it.
std::shared_ptr<FT_FaceRec_> SharedFace(const FontFile& file) {
    static std::map<std::pair<std::string, long>, std::shared_ptr<FT_FaceRec_>> open;
    std::shared_ptr<FT_FaceRec_>& known = open[{file.path, file.index}];
    if (known) return known;
    std::shared_ptr<FT_LibraryRec_> library = SharedLibrary();
    FT_Face raw = library ? OpenFace(library.get(), file) : nullptr;
    if (!raw) return nullptr;
    // The face keeps the library alive until it is done.
    known.reset(raw, [library](FT_Face done) { FT_Done_Face(done); });
    return known;
}

bool HasStrike(FT_Face face, int pixelSize) {
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
        if (face->available_sizes[i].y_ppem == pixelSize * 64) return true;
    }
    return false;
}

}  // namespace

CErrorOr<std::shared_ptr<const CFontFace>> CFontFace::Open(const FontFile& file,
                                                           const CLogFont& description) {
    std::shared_ptr<FT_FaceRec_> face = SharedFace(file);
    FT_Size size = nullptr;
    if (!face || FT_New_Size(face.get(), &size) != 0)
        return CFailure{"cannot open the font file " + file.path};
    return std::shared_ptr<const CFontFace>(new CFontFace(std::move(face), size, description));
}

bool CFontFace::HasGlyph(char32_t codePoint) const { return FT_Get_Char_Index(face_.get(), codePoint) != 0; }

CFontFace::CFontFace(std::shared_ptr<FT_FaceRec_> face, FT_SizeRec_* size, const CLogFont& description)
    : face_(std::move(face)), size_(size), description_(description) {
    const FT_Face ft = face_.get();
    pixelSize_ = PixelSize(ft, description.height);
    // A width asks for glyphs of that average width: half the em for this face.
    const int emWidth = description.width > 0 ? 2 * description.width : 0;
    FT_Activate_Size(size_);
    FT_Set_Pixel_Sizes(ft, static_cast<FT_UInt>(emWidth), static_cast<FT_UInt>(pixelSize_));
    bitmapSize_ = (emWidth == 0 || emWidth == pixelSize_) && HasStrike(ft, pixelSize_);
    const double cell = ft->ascender - ft->descender;
    ascent_ = cell > 0 ? static_cast<int>(std::ceil(pixelSize_ * ft->ascender / cell)) : pixelSize_;
}

CFontFace::~CFontFace() { FT_Done_Size(size_); }

const std::vector<std::shared_ptr<const CFontFace>>& CFontFace::Fallbacks() const {
    if (!fallbacks_) {
        fallbacks_.emplace();
        CLogFont sameSize = description_;
        sameSize.height = -pixelSize_;
        for (const FontFile& file : FallbackFontFiles())
            if (CErrorOr<std::shared_ptr<const CFontFace>> face = Open(file, sameSize))
                fallbacks_->push_back(std::move(face).Value());
    }
    return *fallbacks_;
}

// The map's entries stay where they are as it grows: the recent ones can
// be pointed at.
const Glyph& CFontFace::GetGlyph(char32_t codePoint) const {
    const std::pair<const char32_t, Glyph>*& recent = recent_[codePoint % recent_.size()];
    if (recent && recent->first == codePoint) return recent->second;
    auto it = glyphs_.find(codePoint);
    if (it == glyphs_.end()) it = glyphs_.emplace(codePoint, Render(codePoint)).first;
    recent = &*it;
    return it->second;
}

Glyph CFontFace::Render(char32_t codePoint) const {
    Glyph glyph;
    if (codePoint < 0x20 || codePoint == 0x7F) return glyph;
    const FT_UInt index = FT_Get_Char_Index(face_.get(), codePoint);
    if (index == 0)
        for (const std::shared_ptr<const CFontFace>& fallback : Fallbacks())
            if (fallback->HasGlyph(codePoint)) return fallback->GetGlyph(codePoint);
    const FT_Int32 flags =
        FT_LOAD_RENDER | (bitmapSize_ ? FT_LOAD_TARGET_MONO : (FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_NORMAL));
    // The glyph slot is the face's, rendered at whichever size is active.
    FT_Activate_Size(size_);
    if (FT_Load_Glyph(face_.get(), index, flags) != 0) return glyph;
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.rows));
    const int maxGray = std::max(1, bitmap.num_grays - 1);
    for (int y = 0; y < glyph.rows; ++y) {
        const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        std::uint8_t* target = glyph.coverage.data() + static_cast<std::size_t>(y) * glyph.width;
        for (int x = 0; x < glyph.width; ++x) {
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                target[x] = ((source[x >> 3] >> (7 - (x & 7))) & 1) ? 255 : 0;
            } else {
                target[x] = static_cast<std::uint8_t>(source[x] * 255 / maxGray);
            }
        }
    }
    for (int y = 0; y < glyph.rows; ++y) {
        const std::uint8_t* row = glyph.coverage.data() + static_cast<std::size_t>(y) * glyph.width;
        for (int x = 0; x < glyph.width;) {
            if (row[x] == 0) {
                ++x;
                continue;
            }
            const int begin = x;
            bool solid = true;
            for (; x < glyph.width && row[x] != 0; ++x) solid = solid && row[x] == 255;
            glyph.runs.push_back({y, begin, x, solid});
        }
    }
    return glyph;
}
