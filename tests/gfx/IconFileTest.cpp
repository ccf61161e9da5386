// Windows icon files: the directory Windows reads, each bitmap's pixels as
// drawn, the large size as a PNG, and what cannot be an icon refused.
#include "gfx/AppIcon.h"
#include "gfx/png/IconFile.h"
#include "gfx/png/PngFile.h"
#include "support/FailureReason.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Read16(const Bytes& bytes, std::size_t at) { return bytes.at(at) | bytes.at(at + 1) << 8; }
std::uint32_t Read32(const Bytes& bytes, std::size_t at) {
    return Read16(bytes, at) | Read16(bytes, at + 2) << 16;
}

struct Entry {
    int side;
    std::uint32_t size;
    std::uint32_t offset;
};

std::vector<Entry> Directory(const Bytes& file) {
    EXPECT_EQ(Read16(file, 0), 0u);
    EXPECT_EQ(Read16(file, 2), 1u);
    std::vector<Entry> entries;
    for (std::uint32_t i = 0; i < Read16(file, 4); ++i) {
        const std::size_t at = 6 + 16 * i;
        EXPECT_EQ(file.at(at), file.at(at + 1)) << "square";
        EXPECT_EQ(Read16(file, at + 4), 1u) << "planes";
        EXPECT_EQ(Read16(file, at + 6), 32u) << "bits a pixel";
        entries.push_back(
            {file.at(at) == 0 ? 256 : file.at(at), Read32(file, at + 8), Read32(file, at + 12)});
    }
    return entries;
}

// A bitmap entry back as an image, checking its header and its mask.
CFrameBuffer BitmapOf(const Bytes& file, const Entry& entry) {
    const std::size_t at = entry.offset;
    const int side = entry.side;
    EXPECT_EQ(Read32(file, at), 40u);
    EXPECT_EQ(Read32(file, at + 4), static_cast<std::uint32_t>(side));
    EXPECT_EQ(Read32(file, at + 8), static_cast<std::uint32_t>(side * 2)) << "colour rows and mask rows";
    EXPECT_EQ(Read16(file, at + 14), 32u);
    const std::uint32_t maskRow = (side + 31) / 32 * 4;
    EXPECT_EQ(entry.size, 40 + static_cast<std::uint32_t>(side * side * 4) + maskRow * side);
    CFrameBuffer image(side, side);
    for (int row = 0; row < side; ++row)
        for (int x = 0; x < side; ++x) {
            const std::size_t pixel = at + 40 + (static_cast<std::size_t>(row) * side + x) * 4;
            EXPECT_EQ(file.at(pixel + 3), 0xFF) << "opaque";
            image.SetPixel(x, side - 1 - row, RGB(file.at(pixel + 2), file.at(pixel + 1), file.at(pixel)));
        }
    for (std::size_t mask = at + 40 + side * side * 4; mask < at + entry.size; ++mask)
        EXPECT_EQ(file.at(mask), 0) << "every pixel drawn";
    return image;
}

TEST(IconFileTest, EverySizeIsTheIconDrawnAtIt) {
    const std::vector<int> sizes = {16, 20, 24, 32, 40, 48, 64, 256};
    std::vector<CFrameBuffer> images;
    for (const int size : sizes) images.push_back(DrawAppIcon(size));
    const Bytes file = EncodeIco(images);
    const std::vector<Entry> entries = Directory(file);
    ASSERT_EQ(entries.size(), sizes.size());
    std::uint32_t next = 6 + 16 * static_cast<std::uint32_t>(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        SCOPED_TRACE(sizes[i]);
        EXPECT_EQ(entries[i].side, sizes[i]);
        EXPECT_EQ(entries[i].offset, next) << "the images follow each other";
        next += entries[i].size;
        if (sizes[i] < 256) {
            EXPECT_EQ(BitmapOf(file, entries[i]), images[i]);
            continue;
        }
        // The large one is a PNG file within the file.
        const std::filesystem::path png = std::filesystem::temp_directory_path() / "IconFileTest-256.png";
        std::FILE* out = std::fopen(png.string().c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(file.data() + entries[i].offset, 1, entries[i].size, out);
        std::fclose(out);
        const CErrorOr<CFrameBuffer> read = ReadPng(png.string());
        std::filesystem::remove(png);
        ASSERT_EQ(FailureReason(read), "");
        EXPECT_EQ(*read, images[i]);
    }
    EXPECT_EQ(next, file.size()) << "nothing after the last image";
}

TEST(IconFileTest, WhatCannotBeAnIconGivesNoFile) {
    const std::vector<std::vector<CFrameBuffer>> refused = {
        {CFrameBuffer(16, 16), CFrameBuffer(16, 8)},  // not square
        {CFrameBuffer()},                             // empty
        {CFrameBuffer(257, 257)},                     // beyond the directory's byte
    };
    for (const std::vector<CFrameBuffer>& images : refused) EXPECT_TRUE(EncodeIco(images).empty());
    // A small odd size: its mask's rows are padded to 32 bits.
    const Bytes odd = EncodeIco({CFrameBuffer(33, 33, RGB(1, 2, 3))});
    ASSERT_EQ(Directory(odd).size(), 1u);
    EXPECT_EQ(BitmapOf(odd, Directory(odd)[0]), CFrameBuffer(33, 33, RGB(1, 2, 3)));
}

}  // namespace
