#include "platform/ole/bag/BagFormat.h"

#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "platform/base/FormatError.h"
#include "platform/base/Utf8.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/picture/Picture.h"
#include "platform/win/image/BmpCodec.h"
#include "platform/win/image/IcoCodec.h"

#include <limits>

namespace ole {

namespace {

constexpr uint8_t kMagic[] = {'P', 'B', 'G', '1'};
constexpr uint16_t kStoredTrue = 0xFFFF;
constexpr uint8_t kBold = 1;
constexpr uint8_t kItalic = 2;
constexpr uint8_t kUnderline = 4;
constexpr uint8_t kStrikethrough = 8;

[[noreturn]] void Corrupt(const char* why) {
    throw base::FormatError(why);
}

void WriteCounted(base::ByteWriter& out, std::span<const uint8_t> bytes) {
    if (bytes.size() > std::numeric_limits<uint32_t>::max()) {
        RaiseError(ERR_OVERFLOW);
    }
    out.U32(static_cast<uint32_t>(bytes.size()));
    out.Bytes(bytes);
}

void WriteCounted(base::ByteWriter& out, std::string_view text) {
    WriteCounted(out, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

void WriteFont(base::ByteWriter& out, const Font& font) {
    out.U8(BagFormat::kFontSubtype);
    WriteCounted(out, font.Name());
    out.I64(font.Size().scaled);
    out.I16(font.Weight());
    out.I16(font.Charset());
    out.U8(static_cast<uint8_t>((font.Bold() ? kBold : 0) | (font.Italic() ? kItalic : 0) |
                                (font.Underline() ? kUnderline : 0) |
                                (font.Strikethrough() ? kStrikethrough : 0)));
}

void WritePicture(base::ByteWriter& out, const Picture* picture) {
    out.U8(BagFormat::kPictureSubtype);
    if (picture == nullptr || picture->IsEmpty()) {
        out.U8(static_cast<uint8_t>(PICTYPE_NONE));
        out.I32(0);
        out.I32(0);
        out.U32(0);
        return;
    }
    out.U8(static_cast<uint8_t>(picture->Type()));
    out.I32(picture->Width());
    out.I32(picture->Height());
    WriteCounted(out, picture->ToFileBytes());
}

void WriteValue(base::ByteWriter& out, const Variant& value) {
    const VARTYPE type = value.Type();
    out.U16(type);
    switch (type) {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_I2:
        out.I16(value.AsI2());
        break;
    case VT_I4:
        out.I32(value.AsI4());
        break;
    case VT_R4:
        out.F32(value.AsR4());
        break;
    case VT_R8:
        out.F64(value.AsR8());
        break;
    case VT_CY:
        out.I64(value.AsCurrency().scaled);
        break;
    case VT_DATE:
        out.F64(value.AsDate());
        break;
    case VT_BSTR:
        WriteCounted(out, value.AsString());
        break;
    case VT_BOOL:
        out.U16(value.AsBool() ? kStoredTrue : 0);
        break;
    case VT_UI1:
        out.U8(value.AsUI1());
        break;
    case VT_ARRAY | VT_UI1:
        WriteCounted(out, value.AsBytes());
        break;
    case VT_DISPATCH: {
        const Ptr<Object> object = value.AsObject();
        if (const auto font = PtrCast<Font>(object)) {
            WriteFont(out, *font);
        } else {
            WritePicture(out, PtrCast<Picture>(object).Get());
        }
        break;
    }
    default:
        // BagEntries lets nothing else in.
        RaiseError(ERR_TYPE_MISMATCH);
    }
}

// Names and strings are UTF-8 text; the writer refuses anything else, so stored bytes that are
// not text are corrupt.
std::string ReadText(base::ByteReader& in, size_t byteCount) {
    std::string text = in.Text(byteCount);
    if (!base::IsValidUtf8(text)) {
        Corrupt("text that is not UTF-8");
    }
    return text;
}

std::string ReadCountedText(base::ByteReader& in) {
    return ReadText(in, in.U32());
}

Variant ReadFont(base::ByteReader& in) {
    Ptr<Font> font = Font::Create();
    font->SetName(ReadCountedText(in));
    font->SetSize(Font::ClampedSize(Currency{in.I64()}));
    font->SetWeight(in.I16());
    font->SetCharset(in.I16());
    const uint8_t flags = in.U8();
    if ((flags & ~(kBold | kItalic | kUnderline | kStrikethrough)) != 0 ||
        ((flags & kBold) != 0) != font->Bold()) {
        Corrupt("font flags");
    }
    font->SetItalic((flags & kItalic) != 0);
    font->SetUnderline((flags & kUnderline) != 0);
    font->SetStrikethrough((flags & kStrikethrough) != 0);
    return Variant(font);
}

Variant ReadPicture(base::ByteReader& in) {
    const uint8_t type = in.U8();
    const int32_t width = in.I32();
    const int32_t height = in.I32();
    const auto image = in.Bytes(in.U32());
    if (type == PICTYPE_NONE) {
        if (width != 0 || height != 0 || !image.empty()) {
            Corrupt("empty picture with content");
        }
        return Variant(Picture::CreateEmpty());
    }
    if (type == PICTYPE_METAFILE || type == PICTYPE_ENHMETAFILE) {
        // Only the size is stored; metafile pictures carry no image.
        if (width <= 0 || height <= 0 || !image.empty()) {
            Corrupt("metafile picture");
        }
        return Variant(Picture::FromMetafile(type, width, height));
    }
    std::optional<Image> decoded;
    if (type == PICTYPE_BITMAP) {
        decoded = win::image::BmpCodec::Decode(image);
    } else if (type == PICTYPE_ICON) {
        decoded = win::image::IcoCodec::Decode(image);
    } else {
        Corrupt("picture type");
    }
    if (!decoded || Picture::PixelsToHimetric(decoded->width) != width ||
        Picture::PixelsToHimetric(decoded->height) != height) {
        Corrupt("picture image");
    }
    return Variant(Picture::FromImage(std::move(*decoded), type));
}

Variant ReadValue(base::ByteReader& in, VARTYPE type) {
    switch (type) {
    case VT_EMPTY:
        return Variant::Empty();
    case VT_NULL:
        return Variant::Null();
    case VT_I2:
        return Variant(in.I16());
    case VT_I4:
        return Variant(in.I32());
    case VT_R4:
        return Variant(in.F32());
    case VT_R8:
        return Variant(in.F64());
    case VT_CY:
        return Variant(Currency{in.I64()});
    case VT_DATE:
        return Variant::FromDate(in.F64());
    case VT_BSTR:
        return Variant(ReadCountedText(in));
    case VT_BOOL: {
        const uint16_t stored = in.U16();
        if (stored != 0 && stored != kStoredTrue) {
            Corrupt("Boolean");
        }
        return Variant(stored == kStoredTrue);
    }
    case VT_UI1:
        return Variant(in.U8());
    case VT_ARRAY | VT_UI1: {
        const auto bytes = in.Bytes(in.U32());
        return Variant::FromBytes(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    }
    case VT_DISPATCH:
        switch (in.U8()) {
        case BagFormat::kFontSubtype:
            return ReadFont(in);
        case BagFormat::kPictureSubtype:
            return ReadPicture(in);
        default:
            Corrupt("object subtype");
        }
    default:
        Corrupt("variant type");
    }
}

} // namespace

std::vector<uint8_t> BagFormat::Serialize(const BagEntries& entries) {
    if (entries.Size() > std::numeric_limits<uint32_t>::max()) {
        RaiseError(ERR_OVERFLOW);
    }
    base::ByteWriter out;
    out.Bytes(kMagic);
    out.U16(kVersion);
    out.U32(static_cast<uint32_t>(entries.Size()));
    for (const auto& [name, value] : entries.Entries()) {
        out.U16(static_cast<uint16_t>(name.size()));
        out.Text(name);
        WriteValue(out, value);
    }
    return out.Take();
}

BagEntries BagFormat::Parse(std::span<const uint8_t> bytes) {
    try {
        base::ByteReader in(bytes);
        const auto magic = in.Bytes(sizeof kMagic);
        if (!std::equal(magic.begin(), magic.end(), std::begin(kMagic)) || in.U16() != kVersion) {
            Corrupt("not a stored bag");
        }
        const uint32_t count = in.U32();
        BagEntries entries;
        for (uint32_t i = 0; i < count; ++i) {
            std::string name = ReadText(in, in.U16());
            const VARTYPE type = in.U16();
            if (!entries.AddNew(std::move(name), ReadValue(in, type))) {
                Corrupt("name stored twice");
            }
        }
        if (!in.AtEnd()) {
            Corrupt("bytes after the last entry");
        }
        return entries;
    } catch (const base::FormatError&) {
        RaiseError(ERR_UNSUPPORTED_TYPE);
    }
}

} // namespace ole
