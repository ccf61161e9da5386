// FreeType faces at one pixel size and their glyph cache. The FreeType
// library is shared by every open face and closed with the last of them.
#include "gfx/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>

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
    const ssize_t got = pread(stream->descriptor.value, buffer, count, static_cast<off_t>(offset));
    return got < 0 ? 0 : static_cast<unsigned long>(got);
}

// FreeType closes an external stream but leaves its record to us.
void CloseFile(FT_Stream stream) {
    close(stream->descriptor.value);
    delete stream;
}

FT_Error NewFace(FT_Library library, const std::string& path, long index, FT_Face* face) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return FT_Err_Cannot_Open_Resource;
    struct stat info {};
    if (fstat(fd, &info) != 0 || info.st_size <= 0) {
        close(fd);
        return FT_Err_Cannot_Open_Stream;
    }
    auto* stream = new FT_StreamRec{};
    stream->size = static_cast<unsigned long>(info.st_size);
    stream->descriptor.value = fd;
    stream->read = ReadFrame;
    stream->close = CloseFile;
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    args.stream = stream;
    return FT_Open_Face(library, &args, index, face);  // closes the stream on failure too
}

// Opens file's face; index -1 picks the face of the game's family within a
// collection, or the first face of a file without it.
FT_Face OpenFace(FT_Library library, const FontFile& file) {
    FT_Face face = nullptr;
    if (NewFace(library, file.path, std::max(file.index, 0L), &face) != 0) return nullptr;
    if (file.index >= 0) return face;
    const long count = face->num_faces;
    for (long i = 0; i < count; ++i) {
        FT_Face candidate = nullptr;
        if (NewFace(library, file.path, i, &candidate) != 0) continue;
        if (candidate->family_name && kSongFamily == candidate->family_name) {
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

bool HasStrike(FT_Face face, int pixelSize) {
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
        if (face->available_sizes[i].y_ppem == pixelSize * 64) return true;
    }
    return false;
}

}  // namespace

CErrorOr<std::shared_ptr<const CFontFace>> CFontFace::Open(const FontFile& file,
                                                           const CLogFont& description) {
    std::shared_ptr<FT_LibraryRec_> library = SharedLibrary();
    FT_Face face = library ? OpenFace(library.get(), file) : nullptr;
    if (!face) return CFailure{"cannot open the font file " + file.path};
    return std::shared_ptr<const CFontFace>(new CFontFace(std::move(library), face, description));
}

bool CFontFace::HasGlyph(char32_t codePoint) const { return FT_Get_Char_Index(face_, codePoint) != 0; }

CFontFace::CFontFace(std::shared_ptr<FT_LibraryRec_> library, FT_FaceRec_* face, const CLogFont& description)
    : library_(std::move(library)), face_(face), description_(description) {
    pixelSize_ = PixelSize(face_, description.height);
    // A width asks for glyphs of that average width: half the em for this face.
    const int emWidth = description.width > 0 ? 2 * description.width : 0;
    FT_Set_Pixel_Sizes(face_, static_cast<FT_UInt>(emWidth), static_cast<FT_UInt>(pixelSize_));
    bitmapSize_ = (emWidth == 0 || emWidth == pixelSize_) && HasStrike(face_, pixelSize_);
    const double cell = face_->ascender - face_->descender;
    ascent_ = cell > 0 ? static_cast<int>(std::ceil(pixelSize_ * face_->ascender / cell)) : pixelSize_;
}

CFontFace::~CFontFace() { FT_Done_Face(face_); }

const Glyph& CFontFace::GetGlyph(char32_t codePoint) const {
    auto it = glyphs_.find(codePoint);
    if (it == glyphs_.end()) it = glyphs_.emplace(codePoint, Render(codePoint)).first;
    return it->second;
}

Glyph CFontFace::Render(char32_t codePoint) const {
    Glyph glyph;
    if (codePoint < 0x20 || codePoint == 0x7F) return glyph;
    const FT_Int32 flags =
        FT_LOAD_RENDER | (bitmapSize_ ? FT_LOAD_TARGET_MONO : (FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_NORMAL));
    if (FT_Load_Glyph(face_, FT_Get_Char_Index(face_, codePoint), flags) != 0) return glyph;
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
            while (x < glyph.width && row[x] != 0) ++x;
            glyph.runs.push_back({y, begin, x});
        }
    }
    return glyph;
}
