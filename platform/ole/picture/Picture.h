#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/picture/Image.h"
#include "platform/ole/picture/PictureType.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace ole {

class PictureHandleProvider;

// The standard picture object. It keeps its image in memory and reports sizes in HIMETRIC
// (0.01 mm) at the fixed 96 dpi. An empty picture (Type 0, Handle 0) is an object of its own,
// distinct from Nothing. Pictures never change after creation; identity is object identity.
//
// Handle is the bitmap or icon as a 32-bit value, made on first request by the current
// PictureHandleProvider (see there) and given back to it when the picture dies.
//
// Metafile pictures (Type 2 placeable, Type 4 enhanced) know only the size their header states:
// they are never rendered, so they hold no pixels, own no GDI object and their Handle is 0.
class Picture : public Object {
public:
    static Ptr<Picture> CreateEmpty();
    // `type` is PICTYPE_BITMAP or PICTYPE_ICON and the image not empty; otherwise 481.
    static Ptr<Picture> FromImage(Image image, int16_t type);
    // A size-only metafile picture: `type` PICTYPE_METAFILE or PICTYPE_ENHMETAFILE and a positive
    // HIMETRIC size; otherwise 481.
    static Ptr<Picture> FromMetafile(int16_t type, int32_t himetricWidth, int32_t himetricHeight);
    // Bitmap (BMP, PNG, JPEG, GIF), icon, cursor, placeable or enhanced metafile file bytes; 481
    // for anything else.
    static Ptr<Picture> FromFileBytes(std::span<const uint8_t> bytes);
    // FromFileBytes over a file's contents; file errors as BinaryFile raises them.
    static Ptr<Picture> FromFile(std::string_view path);
    // A picture file's bytes; a file larger than any picture raises 481 before it is read.
    static std::vector<uint8_t> ReadFile(std::string_view path);

    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }
    ~Picture() override;

    int32_t Handle() const;
    int32_t HPal() const { return 0; }
    int16_t Type() const { return m_type; }
    int32_t Width() const;
    int32_t Height() const;

    bool IsEmpty() const { return m_type == PICTYPE_NONE; }
    bool IsMetafile() const { return m_type == PICTYPE_METAFILE || m_type == PICTYPE_ENHMETAFILE; }
    const Image& GetImage() const { return m_image; }
    // The image as a bitmap or icon file, by type; no bytes for an empty or metafile picture.
    std::vector<uint8_t> ToFileBytes() const;
    // Same type and the same pixels; metafiles: same type and size.
    bool SameImage(const Picture& other) const;

    // pixels × 2540 / 96, halves to even, so pixel sizes survive the round trip.
    static int32_t PixelsToHimetric(int32_t pixels);
    static int32_t HimetricToPixels(int32_t himetric);

private:
    Picture(Image image, int16_t type, int32_t himetricWidth = 0, int32_t himetricHeight = 0);
    template <class T, class... Args>
    friend Ptr<T> MakeObject(Args&&... args);

    Image m_image;
    int16_t m_type = PICTYPE_NONE;
    int32_t m_himetricWidth = 0; // metafiles only; pixel pictures derive theirs
    int32_t m_himetricHeight = 0;
    mutable uint32_t m_handle = 0;
    mutable PictureHandleProvider* m_handleOwner = nullptr;
};

// Both Nothing or empty, or the same object: the rule a property bag's default test uses.
bool PicturesMatch(const Picture* a, const Picture* b);

} // namespace ole
