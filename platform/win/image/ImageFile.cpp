#include "platform/win/image/ImageFile.h"

#include "platform/base/RegularFile.h"
#include "platform/win/gdi/detail/Bitmap.h"
#include "platform/win/icon/IconTable.h"
#include "platform/win/image/BmpCodec.h"
#include "platform/win/image/GifCodec.h"
#include "platform/win/image/IcoCodec.h"
#include "platform/win/image/JpegCodec.h"
#include "platform/win/image/PngCodec.h"

namespace win::image {

namespace {

std::optional<ImageFile> Bitmap(std::optional<Image> image) {
    if (!image) {
        return std::nullopt;
    }
    ImageFile file;
    file.kind = ImageFileKind::Bitmap;
    file.image = std::move(*image);
    return file;
}

} // namespace

std::optional<ImageFile> DecodeImageFile(std::span<const uint8_t> bytes) {
    if (BmpCodec::LooksLikeBmp(bytes)) {
        return Bitmap(BmpCodec::Decode(bytes));
    }
    if (PngCodec::LooksLikePng(bytes)) {
        return Bitmap(PngCodec::Decode(bytes));
    }
    if (JpegCodec::LooksLikeJpeg(bytes)) {
        return Bitmap(JpegCodec::Decode(bytes));
    }
    if (GifCodec::LooksLikeGif(bytes)) {
        return Bitmap(GifCodec::Decode(bytes));
    }
    if (IcoCodec::LooksLikeIco(bytes) || IcoCodec::LooksLikeCur(bytes)) {
        auto icon = IcoCodec::DecodeFile(bytes);
        if (!icon) {
            return std::nullopt;
        }
        ImageFile file;
        file.kind = icon->isCursor ? ImageFileKind::Cursor : ImageFileKind::Icon;
        file.image = std::move(icon->image);
        file.hotspot = {icon->hotspotX, icon->hotspotY};
        return file;
    }
    if (const auto meta = ReadMetafileHeader(bytes)) {
        ImageFile file;
        file.kind = meta->kind == MetafileKind::Placeable ? ImageFileKind::Metafile
                                                          : ImageFileKind::EnhancedMetafile;
        file.metafile = *meta;
        return file;
    }
    return std::nullopt;
}

std::optional<ImageFile> LoadImageFile(const std::string& path) {
    base::RegularFile file(path);
    std::vector<uint8_t> bytes;
    if (!file.IsOpen() || file.Size() > kMaxImageFileBytes ||
        !file.Read(static_cast<size_t>(file.Size()), bytes)) {
        return std::nullopt;
    }
    return DecodeImageFile(bytes);
}

HBITMAP CreateBitmapFromImage(const Image& image) {
    if (image.IsEmpty()) {
        return nullptr;
    }
    return gdi::CreateBitmapFromPixels(image.width, image.height, image.pixels);
}

HICON CreateIconFromImage(const Image& image, bool isCursor, POINT hotspot) {
    if (!isCursor) {
        hotspot = {image.width / 2, image.height / 2};
    }
    return icon::CreateFromImage(image, !isCursor, hotspot);
}

} // namespace win::image
