#include "platform/win/image/JpegCodec.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace win::image {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool truncated;
};

void ErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void Silent(j_common_ptr) {}

void Warning(j_common_ptr info, int level) {
    // Level -1 warnings include premature end of data, at the end of the file or where a marker
    // cuts a scan short, which libjpeg pads over; refuse instead.
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)) {
        reinterpret_cast<ErrorManager*>(info->err)->truncated = true;
    }
}

// libjpeg's own working memory: what a baseline file needs, and for files of several scans (which
// keep the whole image's coefficients) as much as their data could plausibly fill, so a tiny file
// claiming a huge image fails at start instead of allocating for it.
constexpr long kBaseWorkingMemory = 8L << 20;
constexpr long kWorkingMemoryPerByte = 1024;

// Only trivially destructible state lives between setjmp and a possible longjmp. Returns false
// on any error. Without a row buffer only the size is read; with one (3 bytes per pixel) the
// pixels go to `out` row by row as they decode, so a file cut short costs only what it held.
bool DecodeInto(std::span<const uint8_t> bytes, Image& out, uint8_t* row) {
    const bool headerOnly = row == nullptr;
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    errors.base.output_message = Silent;
    errors.base.emit_message = Warning;
    errors.truncated = false;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (headerOnly) {
        out.width = static_cast<int32_t>(info.image_width);
        out.height = static_cast<int32_t>(info.image_height);
        jpeg_destroy_decompress(&info);
        return true;
    }
    info.out_color_space = JCS_RGB;
    info.mem->max_memory_to_use =
        kBaseWorkingMemory + kWorkingMemoryPerByte * static_cast<long>(bytes.size());
    jpeg_start_decompress(&info);
    if (info.output_width != static_cast<JDIMENSION>(out.width) ||
        info.output_height != static_cast<JDIMENSION>(out.height) || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height && !errors.truncated) {
        const auto y = info.output_scanline;
        JSAMPROW rows[] = {row};
        jpeg_read_scanlines(&info, rows, 1);
        out.pixels.resize(static_cast<size_t>(y + 1) * out.width);
        uint32_t* target = out.pixels.data() + static_cast<size_t>(y) * out.width;
        for (int32_t x = 0; x < out.width; ++x) {
            target[x] = kOpaque | (uint32_t{row[x * 3]} << 16) | (uint32_t{row[x * 3 + 1]} << 8) |
                        row[x * 3 + 2];
        }
    }
    const bool complete = !errors.truncated;
    if (complete) {
        jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    return complete && !errors.truncated;
}

} // namespace

bool JpegCodec::LooksLikeJpeg(std::span<const uint8_t> bytes) {
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

std::optional<Image> JpegCodec::Decode(std::span<const uint8_t> bytes) {
    if (!LooksLikeJpeg(bytes)) {
        return std::nullopt;
    }
    Image image;
    if (!DecodeInto(bytes, image, nullptr) || image.IsEmpty() ||
        int64_t{image.width} * image.height > kMaxImagePixels) {
        return std::nullopt;
    }
    std::vector<uint8_t> row(static_cast<size_t>(image.width) * 3);
    if (!DecodeInto(bytes, image, row.data())) {
        return std::nullopt;
    }
    return image;
}

} // namespace win::image
