// Every reader against small files built here: the right pixels for each layout, and a clean
// failure for every truncation and for corrupt headers.
#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "platform/win/image/BmpCodec.h"
#include "platform/win/image/GifCodec.h"
#include "platform/win/image/IcoCodec.h"
#include "platform/win/image/ImageFile.h"
#include "platform/win/image/JpegCodec.h"
#include "platform/win/image/Metafile.h"
#include "platform/win/image/PngCodec.h"

#include "testsupport/BmpFile.h"
#include "testsupport/PeakMemory.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace win::image;
using testsupport::BmpFile;

namespace {

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
constexpr uint32_t kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;

// An icon directory entry's image: 40-byte header, bottom-up colour rows, then the AND mask.
std::vector<uint8_t> IconDib(int32_t width, uint16_t bits, std::vector<std::vector<uint8_t>> rows,
                             std::vector<std::vector<uint8_t>> maskRows,
                             std::vector<uint32_t> table = {}) {
    const auto height = static_cast<int32_t>(rows.size());
    const uint32_t stride = (width * bits + 31) / 32 * 4;
    const uint32_t maskStride = (width + 31) / 32 * 4;
    base::ByteWriter out;
    out.U32(40);
    out.I32(width);
    out.I32(height * 2);
    out.U16(1);
    out.U16(bits);
    for (int i = 0; i < 4; ++i) {
        out.U32(0); // compression, image size, resolution
    }
    out.U32(static_cast<uint32_t>(table.size()));
    out.U32(0);
    for (uint32_t color : table) {
        out.U32(color);
    }
    for (int32_t y = height - 1; y >= 0; --y) {
        auto row = rows[y];
        row.resize(stride, 0);
        out.Bytes(row);
    }
    for (int32_t y = height - 1; y >= 0; --y) {
        auto row = maskRows[y];
        row.resize(maskStride, 0);
        out.Bytes(row);
    }
    return out.Take();
}

struct Entry {
    int width;
    int height;
    uint16_t bits;   // hotspot y for cursors
    uint16_t planes; // hotspot x for cursors
    std::vector<uint8_t> data;
};

std::vector<uint8_t> Directory(uint16_t type, const std::vector<Entry>& entries) {
    base::ByteWriter out;
    out.U16(0);
    out.U16(type);
    out.U16(static_cast<uint16_t>(entries.size()));
    auto offset = static_cast<uint32_t>(6 + 16 * entries.size());
    for (const Entry& e : entries) {
        out.U8(static_cast<uint8_t>(e.width));
        out.U8(static_cast<uint8_t>(e.height));
        out.U8(0);
        out.U8(0);
        out.U16(e.planes);
        out.U16(e.bits);
        out.U32(static_cast<uint32_t>(e.data.size()));
        out.U32(offset);
        offset += static_cast<uint32_t>(e.data.size());
    }
    for (const Entry& e : entries) {
        out.Bytes(e.data);
    }
    return out.Take();
}

// A GIF with a global colour table of four entries and one frame. LZW: a clear code before
// every pixel keeps the code size at 3 bits, which any decoder must accept.
std::vector<uint8_t> Gif(int width, int height, std::vector<uint8_t> indices, int transparent = -1,
                         int left = 0, int top = 0, int screenWidth = 0, int screenHeight = 0) {
    base::ByteWriter out;
    for (char c : std::string_view("GIF89a")) {
        out.U8(static_cast<uint8_t>(c));
    }
    out.U16(static_cast<uint16_t>(screenWidth ? screenWidth : width));
    out.U16(static_cast<uint16_t>(screenHeight ? screenHeight : height));
    out.U8(0x81); // global table of 2^(1+1) = 4 entries
    out.U8(0);
    out.U8(0);
    for (uint32_t color : {0xFF0000u, 0x00FF00u, 0x0000FFu, 0xFFFFFFu}) {
        out.U8(static_cast<uint8_t>(color >> 16));
        out.U8(static_cast<uint8_t>(color >> 8));
        out.U8(static_cast<uint8_t>(color));
    }
    if (transparent >= 0) {
        for (uint8_t b : {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00}) {
            out.U8(b);
        }
        out.U8(static_cast<uint8_t>(transparent));
        out.U8(0);
    }
    out.U8(0x2C);
    out.U16(static_cast<uint16_t>(left));
    out.U16(static_cast<uint16_t>(top));
    out.U16(static_cast<uint16_t>(width));
    out.U16(static_cast<uint16_t>(height));
    out.U8(0);
    out.U8(2); // minimum code size: clear 4, end 5, codes of 3 bits
    std::vector<uint8_t> data;
    uint32_t bitBuffer = 0;
    int bitCount = 0;
    const auto emit = [&](uint32_t code) {
        bitBuffer |= code << bitCount;
        bitCount += 3;
        while (bitCount >= 8) {
            data.push_back(static_cast<uint8_t>(bitBuffer));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    };
    for (uint8_t index : indices) {
        emit(4);
        emit(index);
    }
    emit(5);
    if (bitCount > 0) {
        data.push_back(static_cast<uint8_t>(bitBuffer));
    }
    for (size_t i = 0; i < data.size(); i += 255) {
        const size_t n = std::min<size_t>(255, data.size() - i);
        out.U8(static_cast<uint8_t>(n));
        out.Bytes(std::span(data).subspan(i, n));
    }
    out.U8(0);
    out.U8(0x3B);
    return out.Take();
}

// 16 x 8, left half red and right half blue, quality 100 without subsampling (made by libjpeg).
const std::vector<uint8_t> kSof0 = {0xFF, 0xC0, 0x00, 0x11};
const std::vector<uint8_t> kJpeg = {
    0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x00, 0xFF, 0xDB, 0x00, 0x43, 0x00, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0xFF, 0xDB, 0x00, 0x43, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0xFF, 0xC0,
    0x00, 0x11, 0x08, 0x00, 0x08, 0x00, 0x10, 0x03, 0x01, 0x11, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11,
    0x01, 0xFF, 0xC4, 0x00, 0x14, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x09, 0xFF, 0xC4, 0x00, 0x14, 0x10, 0x01, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xC4, 0x00,
    0x16, 0x01, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x0B, 0x09, 0x0A, 0xFF, 0xC4, 0x00, 0x14, 0x11, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xDA, 0x00, 0x0C, 0x03,
    0x01, 0x00, 0x02, 0x11, 0x03, 0x11, 0x00, 0x3F, 0x00, 0x17, 0xD2, 0x9D, 0xBF, 0x81, 0x0E, 0x55,
    0x01, 0xAF, 0xBF, 0xFF, 0xD9,
};

uint32_t Crc32(std::span<const uint8_t> bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (const uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
        }
    }
    return ~crc;
}

void BigEndian(base::ByteWriter& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.U8(static_cast<uint8_t>(value >> shift));
    }
}

// About 200 bytes: a valid header claiming 4096 x 4096 RGBA and the start of its image data.
std::vector<uint8_t> PngClaimingHugeImage() {
    base::ByteWriter out;
    out.Bytes(std::vector<uint8_t>{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A});
    base::ByteWriter header;
    header.Text("IHDR");
    BigEndian(header, 4096);
    BigEndian(header, 4096);
    header.Bytes(std::vector<uint8_t>{8, 6, 0, 0, 0}); // 8-bit RGBA, not interlaced
    const auto ihdr = header.Take();
    BigEndian(out, 13);
    out.Bytes(ihdr);
    BigEndian(out, Crc32(ihdr));
    BigEndian(out, 160);
    out.Text("IDAT");
    out.U8(0x78);
    out.U8(0x9C);
    out.Bytes(std::vector<uint8_t>(158, 0));
    return out.Take();
}

bool Near(uint32_t actual, uint32_t expected) {
    for (int shift : {0, 8, 16, 24}) {
        if (std::abs(static_cast<int>((actual >> shift) & 0xFF) -
                     static_cast<int>((expected >> shift) & 0xFF)) > 4) {
            return false;
        }
    }
    return true;
}

// Every proper prefix must fail without reading past its end (ASan builds catch overreads).
// `tail` bytes at the end may go missing: a file cut only in its end marker still holds every
// pixel, and the libraries accept it.
template <class Decode>
void EveryTruncationFails(const std::vector<uint8_t>& file, Decode decode, size_t tail = 0) {
    for (size_t length = 0; length + tail < file.size(); ++length) {
        const std::vector<uint8_t> cut(file.begin(), file.begin() + static_cast<ptrdiff_t>(length));
        EXPECT_FALSE(decode(cut)) << "prefix of " << length << " bytes decoded";
    }
}

TEST(ImageCodecTest, BitmapsOfEveryDepthAndHeader) {
    const std::vector<uint32_t> table{0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF};
    auto image =
        BmpCodec::Decode(BmpFile(9, 1, {{0b10100000, 0b10000000}, {0x40, 0}}, {0, 0xFFFFFF}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->At(0, 0), kWhite);
    EXPECT_EQ(image->At(1, 0), kBlack);
    EXPECT_EQ(image->At(8, 0), kWhite); // the ninth pixel is the first bit of the second byte
    EXPECT_EQ(image->At(1, 1), kWhite);

    image = BmpCodec::Decode(BmpFile(3, 4, {{0x12, 0x30}}, table));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, (std::vector<uint32_t>{kGreen, kBlue, kWhite}));

    image = BmpCodec::Decode(BmpFile(3, 8, {{0, 1, 2}, {3, 2, 1}}, table));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, (std::vector<uint32_t>{kRed, kGreen, kBlue, kWhite, kBlue, kGreen}));

    // 16 bits: 5-5-5 by default, 5-6-5 through masks.
    image = BmpCodec::Decode(BmpFile(2, 16, {{0x00, 0x7C, 0x1F, 0x00}}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, (std::vector<uint32_t>{kRed, kBlue}));
    image =
        BmpCodec::Decode(BmpFile(1, 16, {{0xE0, 0x07}}, {}, false, 3, {0xF800, 0x07E0, 0x001F}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, std::vector<uint32_t>{kGreen});

    // 24 bits top-down: the first row in the file is the top row.
    image =
        BmpCodec::Decode(BmpFile(2, 24, {{0, 0, 255, 0, 255, 0}, {255, 0, 0, 0, 0, 0}}, {}, true));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, (std::vector<uint32_t>{kRed, kGreen, kBlue, kBlack}));

    // Written at 24 bits, three pixels and a byte of padding to a row, read back opaque.
    const Image odd{3, 2, {kRed, kGreen, kBlue, kWhite, kBlack, 0x80123456u}};
    const auto packed = BmpCodec::Encode(odd, 24);
    EXPECT_EQ(packed.size(), 14U + 40U + 2U * 12U);
    image = BmpCodec::Decode(packed);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels,
              (std::vector<uint32_t>{kRed, kGreen, kBlue, kWhite, kBlack, 0xFF123456u}));

    // 32 bits: an all-zero fourth byte is unused (opaque); a real one is kept.
    image = BmpCodec::Decode(BmpFile(1, 32, {{1, 2, 3, 0}}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->At(0, 0), 0xFF030201u);
    image = BmpCodec::Decode(BmpFile(2, 32, {{1, 2, 3, 0x80, 4, 5, 6, 0}}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, (std::vector<uint32_t>{0x80030201u, 0x00060504u}));

    // V4 and V5 headers with masks inside the header, in both row orders.
    const std::vector<uint32_t> argb{0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    for (uint32_t header : {108u, 124u}) {
        for (bool topDown : {false, true}) {
            image = BmpCodec::Decode(BmpFile(1, 32, {{0x30, 0x20, 0x10, 0x40}, {1, 2, 3, 0xFF}}, {},
                                             topDown, 3, argb, header));
            ASSERT_TRUE(image) << header;
            EXPECT_EQ(image->pixels, (std::vector<uint32_t>{0x40102030u, 0xFF030201u})) << header;
        }
    }
}

TEST(ImageCodecTest, CorruptBitmapsFailCleanly) {
    const auto good = BmpFile(3, 8, {{0, 1, 2}, {2, 1, 0}}, {0xFF0000, 0xFF00, 0xFF});
    ASSERT_TRUE(BmpCodec::Decode(good));
    EveryTruncationFails(good,
                         [](const auto& bytes) { return BmpCodec::Decode(bytes).has_value(); });
    EveryTruncationFails(BmpFile(2, 32, {{1, 2, 3, 4, 5, 6, 7, 8}}, {}, true, 3,
                                 {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 124),
                         [](const auto& bytes) { return BmpCodec::Decode(bytes).has_value(); });

    auto corrupt = good;
    corrupt[10] = 0xF0; // pixel offset far past the end
    EXPECT_FALSE(BmpCodec::Decode(corrupt));
    corrupt = good;
    corrupt[18] = 0xFF; // width 255: rows no longer fit
    corrupt[19] = 0xFF;
    corrupt[20] = 0xFF;
    corrupt[21] = 0x7F;
    EXPECT_FALSE(BmpCodec::Decode(corrupt));
    corrupt = good;
    corrupt[28] = 7; // 7 bits per pixel
    EXPECT_FALSE(BmpCodec::Decode(corrupt));
    EXPECT_FALSE(BmpCodec::Decode(BmpFile(2, 8, {{0, 0}}, {0, 0}, false, 1))); // run-length
    EXPECT_FALSE(BmpCodec::Decode(BmpFile(1, 16, {{0, 0}}, {}, false, 3, {0x0F0F, 0, 0}))); // gaps
}

TEST(ImageCodecTest, IconsUseTheirMaskAndTheEntryClosestTo32) {
    // 2 x 2, 4 bits: top row red and green (green masked out), bottom row blue and white.
    const auto fourBit =
        IconDib(2, 4, {{0x01}, {0x23}}, {{0x40}, {0x00}}, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
    auto icon = IcoCodec::DecodeFile(Directory(1, {{2, 2, 4, 1, fourBit}}));
    ASSERT_TRUE(icon);
    EXPECT_FALSE(icon->isCursor);
    EXPECT_EQ(icon->image.pixels, (std::vector<uint32_t>{kRed, 0x0000FF00u, kBlue, kWhite}));

    // 32 bits with alpha: alpha wins over the mask.
    const auto alpha = IconDib(1, 32, {{1, 2, 3, 0x80}}, {{0x80}});
    // 1 bit, 24 bits and 8 bits at other sizes; the 32 x 32 entries are the closest, and among
    // them the deeper one wins.
    std::vector<std::vector<uint8_t>> rows32(32, std::vector<uint8_t>(32 * 3, 0));
    rows32[0][0] = 0xFF; // top-left blue
    std::vector<std::vector<uint8_t>> mask32(32, std::vector<uint8_t>(4, 0));
    const auto deep = IconDib(32, 24, rows32, mask32);
    std::vector<std::vector<uint8_t>> rows8(32, std::vector<uint8_t>(32, 1));
    const auto shallow = IconDib(32, 8, rows8, mask32, std::vector<uint32_t>(256, 0xFF0000));
    const auto file = Directory(1, {{1, 1, 32, 1, alpha},
                                    {32, 32, 8, 1, shallow},
                                    {32, 32, 24, 1, deep},
                                    {48, 48, 32, 1, alpha}});
    icon = IcoCodec::DecodeFile(file);
    ASSERT_TRUE(icon);
    ASSERT_EQ(icon->image.width, 32);
    EXPECT_EQ(icon->image.At(0, 0), kBlue);
    EXPECT_EQ(icon->image.At(1, 0), kBlack);
    icon = IcoCodec::DecodeFile(Directory(1, {{1, 1, 32, 1, alpha}}));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->image.At(0, 0), 0x80030201u);

    // Cursors carry a hotspot; PNG images inside a directory are read too.
    const auto png = PngCodec::Encode(Image{2, 1, {kRed, 0x40123456}}, true);
    icon = IcoCodec::DecodeFile(Directory(2, {{2, 1, 1, 1, png}}));
    ASSERT_TRUE(icon);
    EXPECT_TRUE(icon->isCursor);
    EXPECT_EQ(icon->hotspotX, 1);
    EXPECT_EQ(icon->hotspotY, 0); // clamped into the image
    EXPECT_EQ(icon->image.pixels, (std::vector<uint32_t>{kRed, 0x40123456}));
}

TEST(ImageCodecTest, CorruptIconsFailCleanly) {
    const auto dib = IconDib(2, 4, {{0x01}, {0x23}}, {{0x40}, {0x00}}, {0xFF0000, 0xFF00, 0xFF, 0});
    const auto file = Directory(1, {{2, 2, 4, 1, dib}});
    ASSERT_TRUE(IcoCodec::DecodeFile(file));
    EveryTruncationFails(file,
                         [](const auto& bytes) { return IcoCodec::DecodeFile(bytes).has_value(); });
    auto corrupt = file;
    corrupt[6 + 12] = 0xF0; // image offset past the end
    EXPECT_FALSE(IcoCodec::DecodeFile(corrupt));
    corrupt = file;
    corrupt[22 + 8] = 3; // odd header height: colour and mask rows do not pair up
    EXPECT_FALSE(IcoCodec::DecodeFile(corrupt));
    EXPECT_FALSE(IcoCodec::DecodeFile(Directory(1, {})));
    // A PNG entry that is not a whole PNG.
    auto png = PngCodec::Encode(Image{1, 1, {kRed}}, true);
    png.resize(png.size() - 20); // into the image data
    EXPECT_FALSE(IcoCodec::DecodeFile(Directory(1, {{1, 1, 32, 1, png}})));
}

TEST(ImageCodecTest, PngRoundTripsAndFailsCleanly) {
    const Image image{3, 2, {kRed, 0x80102030, 0x00000000, kGreen, kBlue, kWhite}};
    const auto rgba = PngCodec::Encode(image, true);
    ASSERT_TRUE(PngCodec::LooksLikePng(rgba));
    EXPECT_EQ(PngCodec::Decode(rgba), image);
    auto rgb = PngCodec::Decode(PngCodec::Encode(image, false));
    ASSERT_TRUE(rgb);
    EXPECT_EQ(rgb->At(1, 0), 0xFF102030u); // alpha dropped, colour kept
    EXPECT_EQ(rgb->At(2, 1), kWhite);

    EveryTruncationFails(
        rgba, [](const auto& bytes) { return PngCodec::Decode(bytes).has_value(); }, 12);
    auto corrupt = rgba;
    corrupt[corrupt.size() / 2] ^= 0xFF; // damages the compressed data or its checksum
    EXPECT_FALSE(PngCodec::Decode(corrupt));
    EXPECT_TRUE(PngCodec::Encode(Image{}, true).empty());
}

TEST(ImageCodecTest, JpegDecodesThroughLibjpegAndFailsCleanly) {
    const auto image = JpegCodec::Decode(kJpeg);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->width, 16);
    ASSERT_EQ(image->height, 8);
    EXPECT_TRUE(Near(image->At(2, 3), kRed)) << std::hex << image->At(2, 3);
    EXPECT_TRUE(Near(image->At(13, 5), kBlue)) << std::hex << image->At(13, 5);
    EveryTruncationFails(kJpeg,
                         [](const auto& bytes) { return JpegCodec::Decode(bytes).has_value(); });
    auto corrupt = kJpeg;
    corrupt[0x14] = 0xFF; // the quantisation table marker's length
    corrupt[0x17] = 0x00;
    corrupt[0x18] = 0x00;
    EXPECT_FALSE(JpegCodec::Decode(corrupt));
}

TEST(ImageCodecTest, GifFirstFrameWithTransparencyAndFailsCleanly) {
    const auto file = Gif(3, 2, {0, 1, 2, 3, 2, 1}, 3);
    const auto image = GifCodec::Decode(file);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, (std::vector<uint32_t>{kRed, kGreen, kBlue, 0u, kBlue, kGreen}));
    // A frame smaller than the screen leaves the rest transparent.
    const auto framed = GifCodec::Decode(Gif(1, 1, {2}, -1, 1, 1, 3, 2));
    ASSERT_TRUE(framed);
    EXPECT_EQ(framed->pixels, (std::vector<uint32_t>{0, 0, 0, 0, kBlue, 0}));
    EveryTruncationFails(
        file, [](const auto& bytes) { return GifCodec::Decode(bytes).has_value(); }, 1);
    EXPECT_FALSE(GifCodec::Decode(Gif(2, 2, {0, 0, 0, 0}, -1, 2, 0, 3, 2))); // frame off screen
}

TEST(ImageCodecTest, TinyFilesClaimingHugeImagesAreRefusedBeforeTheirPixelsAreAllocated) {
    auto jpeg = kJpeg;
    const auto frame = std::search(jpeg.begin(), jpeg.end(), kSof0.begin(), kSof0.end());
    ASSERT_NE(frame, jpeg.end());
    for (int at : {5, 7}) { // height, width
        frame[at] = 0x10;
        frame[at + 1] = 0x00;
    }
    const std::vector<uint8_t> claims[] = {PngClaimingHugeImage(), jpeg, Gif(4096, 4096, {0, 1})};
    for (const auto& claim : claims) {
        ASSERT_LT(claim.size(), 400u);
        const int64_t growth =
            testsupport::PeakMemoryGrowth([&] { EXPECT_FALSE(DecodeImageFile(claim)); });
        EXPECT_LT(growth, 16 << 20) << claim.size() << " bytes starting " << int{claim[1]};
    }
}

TEST(ImageCodecTest, FilesAreRecognisedByContent) {
    EXPECT_EQ(DecodeImageFile(BmpFile(1, 24, {{1, 2, 3}}))->kind, ImageFileKind::Bitmap);
    EXPECT_EQ(DecodeImageFile(kJpeg)->kind, ImageFileKind::Bitmap);
    EXPECT_EQ(DecodeImageFile(Gif(1, 1, {0}))->kind, ImageFileKind::Bitmap);
    EXPECT_EQ(DecodeImageFile(PngCodec::Encode(Image{1, 1, {kRed}}, true))->kind,
              ImageFileKind::Bitmap);
    EXPECT_EQ(DecodeImageFile(IcoCodec::Encode(Image{1, 1, {kRed}}))->kind, ImageFileKind::Icon);

    // Placeable metafile: 0..1440 x 0..720 at 1440 units per inch is 96 x 48 pixels.
    base::ByteWriter wmf;
    wmf.U32(0x9AC6CDD7);
    wmf.U16(0);
    for (uint16_t v : {0, 0, 1440, 720, 1440}) {
        wmf.U16(v);
    }
    wmf.U32(0);
    wmf.U16(0);
    auto file = DecodeImageFile(wmf.Take());
    ASSERT_TRUE(file);
    EXPECT_EQ(file->kind, ImageFileKind::Metafile);
    EXPECT_EQ(file->Width(), 96);
    EXPECT_EQ(file->Height(), 48);
    EXPECT_EQ(file->metafile.himetricWidth, 2540);

    // Enhanced metafile: a frame of 2540 x 1270 hundredths of a millimetre.
    base::ByteWriter emf;
    emf.U32(1);
    emf.U32(88);
    for (int32_t v : {0, 0, 95, 47, 0, 0, 2540, 1270}) {
        emf.I32(v);
    }
    emf.U32(0x464D4520);
    const auto emfBytes = emf.Take();
    file = DecodeImageFile(emfBytes);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->kind, ImageFileKind::EnhancedMetafile);
    EXPECT_EQ(file->Width(), 96);
    EXPECT_EQ(file->Height(), 48);
    EveryTruncationFails(emfBytes,
                         [](const auto& bytes) { return DecodeImageFile(bytes).has_value(); });
    auto noSignature = emfBytes;
    noSignature[40] = 'X';
    EXPECT_FALSE(DecodeImageFile(noSignature));
    EXPECT_FALSE(DecodeImageFile(std::vector<uint8_t>{'G', 'I', 'F'}));
    EXPECT_FALSE(LoadImageFile("/nonexistent/picture.bmp"));

    // A pipe is refused at once rather than waited on; a file larger than any picture unread.
    const std::string fifo = ::testing::TempDir() + "image-codec-" + std::to_string(::getpid());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EXIT(
        {
            ::alarm(10);
            std::exit(LoadImageFile(fifo) ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    std::remove(fifo.c_str());
    const std::string huge = fifo + ".bmp";
    std::ofstream(huge).close();
    std::filesystem::resize_file(huge, std::uintmax_t{1} << 30); // sparse: no disk used
    EXPECT_LT(testsupport::PeakMemoryGrowth([&] { EXPECT_FALSE(LoadImageFile(huge)); }), 16 << 20);
    std::remove(huge.c_str());

    // From a path: a cursor keeps its kind and hotspot.
    const auto png = PngCodec::Encode(Image{4, 4, std::vector<uint32_t>(16, kRed)}, true);
    const std::string path = ::testing::TempDir() + "image-codec.cur";
    {
        std::ofstream out(path, std::ios::binary);
        const auto bytes = Directory(2, {{4, 4, 3, 2, png}});
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    file = LoadImageFile(path);
    std::remove(path.c_str());
    ASSERT_TRUE(file);
    EXPECT_EQ(file->kind, ImageFileKind::Cursor);
    EXPECT_EQ(file->hotspot, (win::POINT{2, 3}));
    EXPECT_EQ(file->Width(), 4);
}

} // namespace
