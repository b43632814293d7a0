#include "platform/forms/picture/LoadPicture.h"

#include "platform/forms/picture/PictureFormat.h"
#include "platform/ole/error/Error.h"

#include <vector>

namespace forms {

ole::Ptr<ole::Picture> LoadPicture(std::string_view path) {
    if (path.empty()) {
        return ole::Picture::CreateEmpty();
    }
    std::vector<uint8_t> bytes;
    try {
        bytes = ole::Picture::ReadFile(path);
    } catch (const ole::Error& error) {
        // A file that is there but refuses to be read is no picture either.
        if (error.Number() == ole::ERR_PATH_ACCESS) {
            ole::RaiseError(ole::ERR_INVALID_PICTURE);
        }
        throw;
    }
    return LoadPictureFromMemory(bytes);
}

ole::Ptr<ole::Picture> LoadPictureFromMemory(std::span<const uint8_t> bytes) {
    switch (DetectPictureFormat(bytes)) {
    case PictureFormat::Bitmap:
    case PictureFormat::Png:
    case PictureFormat::Jpeg:
    case PictureFormat::Gif:
    case PictureFormat::Icon:
    case PictureFormat::Cursor:
    case PictureFormat::Metafile:
    case PictureFormat::EnhMetafile:
        return ole::Picture::FromFileBytes(bytes);
    default:
        ole::RaiseError(ole::ERR_INVALID_PICTURE);
    }
}

} // namespace forms
