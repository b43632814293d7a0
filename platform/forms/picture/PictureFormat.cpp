#include "platform/forms/picture/PictureFormat.h"

#include <algorithm>
#include <initializer_list>

namespace forms {

namespace {

bool StartsWith(std::span<const uint8_t> bytes, size_t offset, std::initializer_list<uint8_t> sig) {
    return bytes.size() >= offset + sig.size() &&
           std::equal(sig.begin(), sig.end(), bytes.begin() + static_cast<ptrdiff_t>(offset));
}

} // namespace

PictureFormat DetectPictureFormat(std::span<const uint8_t> bytes) {
    if (StartsWith(bytes, 0, {'B', 'M'})) {
        return PictureFormat::Bitmap;
    }
    if (StartsWith(bytes, 0, {0, 0, 1, 0})) {
        return PictureFormat::Icon;
    }
    if (StartsWith(bytes, 0, {0, 0, 2, 0})) {
        return PictureFormat::Cursor;
    }
    if (StartsWith(bytes, 0, {0xD7, 0xCD, 0xC6, 0x9A})) {
        return PictureFormat::Metafile;
    }
    if (StartsWith(bytes, 0, {1, 0, 0, 0}) && StartsWith(bytes, 40, {' ', 'E', 'M', 'F'})) {
        return PictureFormat::EnhMetafile;
    }
    if (StartsWith(bytes, 0, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'})) {
        return PictureFormat::Png;
    }
    if (StartsWith(bytes, 0, {0xFF, 0xD8, 0xFF})) {
        return PictureFormat::Jpeg;
    }
    if (StartsWith(bytes, 0, {'G', 'I', 'F', '8'})) {
        return PictureFormat::Gif;
    }
    return PictureFormat::Unknown;
}

} // namespace forms
