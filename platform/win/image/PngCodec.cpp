#include "platform/win/image/PngCodec.h"

#include <png.h>

#include <algorithm>
#include <fstream>

namespace win::image {

namespace {

// Deflate turns one byte into at most 1032 (a 258-byte match in two bits, rounded up).
constexpr uint64_t kMaxInflateRatio = 1032;
constexpr size_t kSignatureSize = 8;

uint32_t BigEndian32(std::span<const uint8_t> bytes, size_t at) {
    return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) |
           (uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
}

// Whether the image data present could inflate to the rows the header claims; checked before
// the pixels are allocated, so a tiny file claiming a huge image costs nothing. Called after
// libpng accepted the header chunk, which comes first.
bool DataCoversClaimedSize(std::span<const uint8_t> bytes, const png_image& png) {
    constexpr size_t kIhdr = kSignatureSize + 8;
    const uint32_t bitDepth = bytes[kIhdr + 8];
    const uint32_t colourType = bytes[kIhdr + 9];
    const uint32_t channels = colourType == 2   ? 3
                              : colourType == 4 ? 2
                              : colourType == 6 ? 4
                                                : 1; // 0 and 3 have one
    const uint64_t rowBytes = (uint64_t{png.width} * channels * bitDepth + 7) / 8;
    const uint64_t rawBytes = uint64_t{png.height} * (1 + rowBytes); // a filter byte per row
    uint64_t compressed = 0;
    for (size_t at = kSignatureSize; at + 8 <= bytes.size();) {
        const uint64_t length = BigEndian32(bytes, at);
        if (std::equal(bytes.begin() + static_cast<std::ptrdiff_t>(at + 4),
                       bytes.begin() + static_cast<std::ptrdiff_t>(at + 8), "IDAT")) {
            compressed += std::min<uint64_t>(length, bytes.size() - at - 8);
        }
        at += static_cast<size_t>(std::min<uint64_t>(length + 12, bytes.size() - at));
    }
    return compressed * kMaxInflateRatio >= rawBytes;
}

} // namespace

bool PngCodec::LooksLikePng(std::span<const uint8_t> bytes) {
    static constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return bytes.size() >= sizeof kSignature &&
           std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin());
}

std::optional<Image> PngCodec::Decode(std::span<const uint8_t> bytes) {
    if (!LooksLikePng(bytes)) {
        return std::nullopt;
    }
    // The simplified interface reports errors through its return values, no longjmp.
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
        return std::nullopt;
    }
    if (png.width == 0 || png.height == 0 || int64_t{png.width} * png.height > kMaxImagePixels ||
        !DataCoversClaimedSize(bytes, png)) {
        png_image_free(&png);
        return std::nullopt;
    }
    png.format = PNG_FORMAT_BGRA; // little-endian 0xAARRGGBB
    Image image;
    image.width = static_cast<int32_t>(png.width);
    image.height = static_cast<int32_t>(png.height);
    image.pixels.resize(static_cast<size_t>(png.width) * png.height);
    if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        return std::nullopt;
    }
    return image;
}

std::vector<uint8_t> PngCodec::Encode(const Image& image, bool withAlpha) {
    if (image.IsEmpty() || image.pixels.size() != static_cast<size_t>(image.width) * image.height) {
        return {};
    }
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = withAlpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    std::vector<uint8_t> rows;
    const void* source = image.pixels.data();
    if (!withAlpha) {
        rows.reserve(image.pixels.size() * 3);
        for (uint32_t pixel : image.pixels) {
            rows.push_back(static_cast<uint8_t>(pixel));
            rows.push_back(static_cast<uint8_t>(pixel >> 8));
            rows.push_back(static_cast<uint8_t>(pixel >> 16));
        }
        source = rows.data();
    }
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, source, 0, nullptr)) {
        return {};
    }
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&png, out.data(), &size, 0, source, 0, nullptr)) {
        return {};
    }
    out.resize(size);
    return out;
}

bool PngCodec::WriteFile(const std::string& path, const Image& image, bool withAlpha) {
    const std::vector<uint8_t> bytes = Encode(image, withAlpha);
    if (bytes.empty()) {
        return false;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace win::image
