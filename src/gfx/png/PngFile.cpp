// PNG encoding and reading with libpng (see PngFile.h).
#include "gfx/png/PngFile.h"

#include "base/SystemFile.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// libpng reports errors through longjmp; this handler turns them into a flag
// and a message kept for the caller instead of printing to stderr.
struct PngFailure {
    std::string message;
};

void OnPngError(png_structp png, png_const_charp message) {
    static_cast<PngFailure*>(png_get_error_ptr(png))->message = message;
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// libpng's output into memory: the PNG is encoded whole before any file is touched.
void AppendPngBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    bytes->insert(bytes->end(), data, data + length);
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const CFrameBuffer& image) {
    std::vector<std::uint8_t> bytes;
    if (image.Width() == 0 || image.Height() == 0) return bytes;
    PngFailure failure;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &failure, OnPngError, OnPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return bytes;
    }
    std::vector<png_byte> row(static_cast<std::size_t>(image.Width()) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        bytes.clear();
        return bytes;
    }
    png_set_write_fn(png, &bytes, AppendPngBytes, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.Width()), static_cast<png_uint_32>(image.Height()),
                 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.Height(); ++y) {
        const COLORREF* pixels = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            row[3 * x] = static_cast<png_byte>(GetRValue(pixels[x]));
            row[3 * x + 1] = static_cast<png_byte>(GetGValue(pixels[x]));
            row[3 * x + 2] = static_cast<png_byte>(GetBValue(pixels[x]));
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

CErrorOr<CFrameBuffer> ReadPng(const std::string& path) {
    FilePtr file(SystemFile::OpenStream(path, "rb"));
    if (!file) return CFailure{"cannot open " + path};

    PngFailure failure;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &failure, OnPngError, OnPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return CFailure{"out of memory reading " + path};
    }
    // Declared before setjmp: a longjmp back here must not skip their destructors.
    std::vector<png_byte> row;
    CFrameBuffer result;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return CFailure{"cannot read " + path + ": " + failure.message};
    }
    png_init_io(png, file.get());
    png_read_info(png, info);
    // Expand every colour type to 8-bit RGB with the alpha channel dropped.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_read_update_info(png, info);
    const int width = static_cast<int>(png_get_image_width(png, info));
    const int height = static_cast<int>(png_get_image_height(png, info));
    row.resize(png_get_rowbytes(png, info));
    result.Resize(width, height, RGB(0, 0, 0));
    for (int y = 0; y < height; ++y) {
        png_read_row(png, row.data(), nullptr);
        COLORREF* pixels = result.Row(y);
        for (int x = 0; x < width; ++x) pixels[x] = RGB(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return result;
}
