#include "platform/ole/picture/Picture.h"

#include "platform/base/Rounding.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/file/BinaryFile.h"
#include "platform/ole/picture/PictureHandleProvider.h"
#include "platform/win/image/BmpCodec.h"
#include "platform/win/image/IcoCodec.h"
#include "platform/win/image/ImageFile.h"

namespace ole {

Picture::Picture(Image image, int16_t type, int32_t himetricWidth, int32_t himetricHeight)
    : m_image(std::move(image)), m_type(type), m_himetricWidth(himetricWidth),
      m_himetricHeight(himetricHeight) {}

Picture::~Picture() {
    if (m_handleOwner != nullptr) {
        m_handleOwner->Release(m_handle);
    }
}

Ptr<Picture> Picture::CreateEmpty() {
    return MakeObject<Picture>(Image{}, PICTYPE_NONE);
}

Ptr<Picture> Picture::FromImage(Image image, int16_t type) {
    const bool validSize = !image.IsEmpty() &&
                           int64_t{image.width} * image.height <= kMaxImagePixels &&
                           image.pixels.size() == static_cast<size_t>(image.width) * image.height;
    if ((type != PICTYPE_BITMAP && type != PICTYPE_ICON) || !validSize) {
        RaiseError(ERR_INVALID_PICTURE);
    }
    return MakeObject<Picture>(std::move(image), type);
}

Ptr<Picture> Picture::FromMetafile(int16_t type, int32_t himetricWidth, int32_t himetricHeight) {
    if ((type != PICTYPE_METAFILE && type != PICTYPE_ENHMETAFILE) || himetricWidth <= 0 ||
        himetricHeight <= 0) {
        RaiseError(ERR_INVALID_PICTURE);
    }
    return MakeObject<Picture>(Image{}, type, himetricWidth, himetricHeight);
}

Ptr<Picture> Picture::FromFileBytes(std::span<const uint8_t> bytes) {
    using win::image::ImageFileKind;
    auto file = win::image::DecodeImageFile(bytes);
    if (!file) {
        RaiseError(ERR_INVALID_PICTURE);
    }
    if (file->kind == ImageFileKind::Metafile || file->kind == ImageFileKind::EnhancedMetafile) {
        return FromMetafile(file->kind == ImageFileKind::Metafile ? PICTYPE_METAFILE
                                                                  : PICTYPE_ENHMETAFILE,
                            file->metafile.himetricWidth, file->metafile.himetricHeight);
    }
    if (file->image.IsEmpty()) {
        RaiseError(ERR_INVALID_PICTURE);
    }
    const bool icon = file->kind == ImageFileKind::Icon || file->kind == ImageFileKind::Cursor;
    return MakeObject<Picture>(std::move(file->image), icon ? PICTYPE_ICON : PICTYPE_BITMAP);
}

std::vector<uint8_t> Picture::ReadFile(std::string_view path) {
    base::RegularFile file = BinaryFile::OpenForReading(path);
    if (file.Size() > win::image::kMaxImageFileBytes) {
        RaiseError(ERR_INVALID_PICTURE);
    }
    return BinaryFile::Read(file, static_cast<size_t>(file.Size()));
}

Ptr<Picture> Picture::FromFile(std::string_view path) {
    return FromFileBytes(ReadFile(path));
}

const ClassInfo& Picture::Info() {
    static const ClassInfo info =
        ClassBuilder<Picture>("Picture")
            .Library("StdTypes")
            .ClassId("{2BD29B56-7614-46FA-AEDF-B3A373148B53}")
            .Interface("Picture", "{074FC003-26F7-4A51-ABB6-323241C31966}")
            .Get("Handle", DISPID_VALUE, &Picture::Handle, Typed("OLE_HANDLE"))
            .Get("hPal", 2, &Picture::HPal, Typed("OLE_HANDLE"))
            .Get("Type", 3, &Picture::Type)
            .Get("Width", 4, &Picture::Width, Typed("OLE_XSIZE_HIMETRIC"))
            .Get("Height", 5, &Picture::Height, Typed("OLE_YSIZE_HIMETRIC"))
            .Build();
    return info;
}

int32_t Picture::Width() const {
    return IsMetafile() ? m_himetricWidth : PixelsToHimetric(m_image.width);
}

int32_t Picture::Height() const {
    return IsMetafile() ? m_himetricHeight : PixelsToHimetric(m_image.height);
}

int32_t Picture::Handle() const {
    if (m_type == PICTYPE_NONE || IsMetafile()) {
        return 0;
    }
    if (m_handle == 0) {
        m_handle = PictureHandleProvider::Current().Acquire(m_image, m_type);
        m_handleOwner = PictureHandleProvider::Installed();
    }
    return static_cast<int32_t>(m_handle);
}

std::vector<uint8_t> Picture::ToFileBytes() const {
    switch (m_type) {
    case PICTYPE_BITMAP:
        return win::image::BmpCodec::Encode(m_image);
    case PICTYPE_ICON:
        return win::image::IcoCodec::Encode(m_image);
    default:
        return {};
    }
}

bool Picture::SameImage(const Picture& other) const {
    return m_type == other.m_type && m_image == other.m_image &&
           m_himetricWidth == other.m_himetricWidth && m_himetricHeight == other.m_himetricHeight;
}

int32_t Picture::PixelsToHimetric(int32_t pixels) {
    return base::RoundHalfEvenToInt32(pixels * 2540.0 / 96.0);
}

int32_t Picture::HimetricToPixels(int32_t himetric) {
    return base::RoundHalfEvenToInt32(himetric * 96.0 / 2540.0);
}

bool PicturesMatch(const Picture* a, const Picture* b) {
    const bool aNone = a == nullptr || a->IsEmpty();
    const bool bNone = b == nullptr || b->IsEmpty();
    return (aNone && bNone) || a == b;
}

} // namespace ole
