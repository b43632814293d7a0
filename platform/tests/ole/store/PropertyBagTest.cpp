#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/collection/Collection.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/picture/Picture.h"

#include <string>
#include <vector>

using namespace ole;
using testsupport::ErrorOf;

namespace {

const Variant kNoDefault = Variant::Missing();

Image Dots(int32_t width, int32_t height) {
    Image image{width, height, {}};
    for (int32_t i = 0; i < width * height; ++i) {
        image.pixels.push_back(0xFF000000u | static_cast<uint32_t>(i * 0x010203));
    }
    return image;
}

std::vector<std::string> Names(const PropertyBag& bag) {
    std::vector<std::string> names;
    for (const auto& [name, value] : bag.Entries().Entries()) {
        names.push_back(name);
    }
    return names;
}

class PropertyBagTest : public testsupport::CleanPlatform {};

TEST_F(PropertyBagTest, NamesIgnoreCaseAndRewritingReplacesInPlace) {
    auto bag = PropertyBag::Create();
    bag->WriteProperty("ForeColor", Variant(int32_t{255}), kNoDefault);
    bag->WriteProperty("ToolTip", Variant("tip"), kNoDefault);
    bag->WriteProperty("Caption", Variant("c"), kNoDefault);
    EXPECT_EQ(bag->ReadProperty("Forecolor", kNoDefault).AsI4(), 255);
    EXPECT_EQ(bag->ReadProperty("TOOLTIP", Variant("x")).AsString(), "tip");

    bag->WriteProperty("Tooltip", Variant(int16_t{3}), kNoDefault);
    EXPECT_EQ(Names(*bag), (std::vector<std::string>{"ForeColor", "ToolTip", "Caption"}));
    EXPECT_EQ(bag->ReadProperty("ToolTip", kNoDefault).Type(), VT_I2);

    // Absent: the default when one is given, else Empty.
    EXPECT_EQ(bag->ReadProperty("Missing", Variant(int32_t{7})).AsI4(), 7);
    EXPECT_TRUE(bag->ReadProperty("Missing", kNoDefault).IsEmpty());
}

TEST_F(PropertyBagTest, ValueEqualToTheDefaultIsNotStored) {
    auto bag = PropertyBag::Create();
    bag->WriteProperty("A", Variant(int16_t{3}), Variant(3.0)); // equal across numeric types
    bag->WriteProperty("B", Variant(true), Variant(int32_t{-1}));
    bag->WriteProperty("C", Variant::Empty(), Variant(""));
    bag->WriteProperty("D", Variant("abc"), Variant("ABC"));   // text compares with case
    bag->WriteProperty("E", Variant::Null(), Variant::Null()); // Null equals nothing
    bag->WriteProperty("F", Variant(int32_t{1}), kNoDefault);
    EXPECT_EQ(Names(*bag), (std::vector<std::string>{"D", "E", "F"}));

    // Writing the default over a stored value drops it, so reading gives the default again.
    bag->WriteProperty("f", Variant(int32_t{0}), Variant(int32_t{0}));
    EXPECT_EQ(Names(*bag), (std::vector<std::string>{"D", "E"}));
    EXPECT_EQ(bag->ReadProperty("F", Variant(int32_t{0})).AsI4(), 0);

    // Fonts by their attributes, pictures when both are none or the same object.
    const auto font = Font::Create();
    bag->WriteProperty("Font", Variant(font), Variant(Font::Create()));
    const auto picture = Picture::FromImage(Dots(2, 2), PICTYPE_BITMAP);
    bag->WriteProperty("Same", Variant(picture), Variant(picture));
    bag->WriteProperty("None", Variant::Nothing(), Variant(Picture::CreateEmpty()));
    bag->WriteProperty("Empty", Variant(Picture::CreateEmpty()), Variant::Nothing());
    const auto metafile = Picture::FromMetafile(PICTYPE_METAFILE, 100, 100);
    bag->WriteProperty("Metafile", Variant(metafile), Variant(metafile));
    EXPECT_EQ(Names(*bag), (std::vector<std::string>{"D", "E"}));

    font->SetBold(true);
    bag->WriteProperty("Font", Variant(font), Variant(Font::Create()));
    bag->WriteProperty("Other", Variant(Picture::FromImage(Dots(2, 2), PICTYPE_BITMAP)),
                       Variant(picture));
    bag->WriteProperty("Picture", Variant(picture), Variant::Nothing());
    // A metafile picture is no empty one, and another of the same size is another picture.
    bag->WriteProperty("Meta", Variant(metafile), Variant(Picture::CreateEmpty()));
    bag->WriteProperty("Copy", Variant(Picture::FromMetafile(PICTYPE_METAFILE, 100, 100)),
                       Variant(metafile));
    EXPECT_EQ(Names(*bag),
              (std::vector<std::string>{"D", "E", "Font", "Other", "Picture", "Meta", "Copy"}));
}

TEST_F(PropertyBagTest, OnlyStorableValuesGetIn) {
    auto bag = PropertyBag::Create();
    bag->WriteProperty("Kept", Variant(int32_t{1}), kNoDefault);
    EXPECT_EQ(ErrorOf([&] { bag->WriteProperty("C", Variant(Collection::Create()), kNoDefault); }),
              ERR_TYPE_MISMATCH);
    // Even when it would equal its default: the write fails visibly.
    const Variant collection(Collection::Create());
    EXPECT_EQ(ErrorOf([&] { bag->WriteProperty("C", collection, collection); }), ERR_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([&] { bag->WriteProperty("L", Variant::FromI8(1), kNoDefault); }),
              ERR_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([&] { bag->WriteProperty("U", Variant::FromUI4(1), kNoDefault); }),
              ERR_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([&] { bag->WriteProperty("M", Variant::Missing(), kNoDefault); }),
              ERR_TYPE_MISMATCH);
    EXPECT_EQ(Names(*bag), std::vector<std::string>{"Kept"});
}

TEST_F(PropertyBagTest, FontsAreStoredAsCopies) {
    auto bag = PropertyBag::Create();
    const auto font = Font::Create();
    font->SetName("Tahoma");
    bag->WriteProperty("Font", Variant(font), kNoDefault);
    font->SetName("Changed after writing");

    const Ptr<Font> first = PtrCast<Font>(bag->ReadProperty("Font", kNoDefault).AsObject());
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Name(), "Tahoma");
    first->SetName("Changed after reading");
    const Ptr<Font> second = PtrCast<Font>(bag->ReadProperty("Font", kNoDefault).AsObject());
    EXPECT_EQ(second->Name(), "Tahoma");
    EXPECT_FALSE(Is(first, second));
}

TEST_F(PropertyBagTest, ContentsRoundTripsEveryStorableType) {
    auto bag = PropertyBag::Create();
    const auto font = Font::Create();
    font->SetName("Courier New");
    font->SetSize(Currency{123456});
    font->SetWeight(600);
    font->SetCharset(204);
    font->SetUnderline(true);
    font->SetStrikethrough(true);
    const auto bitmap = Picture::FromImage(Dots(3, 2), PICTYPE_BITMAP);
    const auto icon = Picture::FromImage(Dots(2, 3), PICTYPE_ICON);
    const auto metafile = Picture::FromMetafile(PICTYPE_METAFILE, 1270, 635);
    const auto enhanced = Picture::FromMetafile(PICTYPE_ENHMETAFILE, 2001, 999);
    auto inner = PropertyBag::Create();
    inner->WriteProperty("Inner", Variant("nested"), kNoDefault);

    const std::vector<std::pair<std::string, Variant>> values = {
        {"Empty", Variant::Empty()},
        {"Null", Variant::Null()},
        {"I2", Variant(int16_t{-32768})},
        {"I4", Variant(int32_t{-2147483647 - 1})},
        {"R4", Variant(3.25f)},
        {"R8", Variant(-1.0e300)},
        {"CY", Variant(Currency{-922337203685477580})},
        {"Date", Variant::FromDate(45292.75)},
        {"Text", Variant("\xE2\x82\xAC and \"quotes\"")},
        {"EmptyText", Variant("")},
        {"True", Variant(true)},
        {"False", Variant(false)},
        {"Byte", Variant(uint8_t{255})},
        {"Bytes", Variant::FromBytes({0, 1, 254, 255})},
        {"NoBytes", Variant::FromBytes({})},
        {"Nested", inner->Contents()},
        {"Font", Variant(font)},
        {"Bitmap", Variant(bitmap)},
        {"Icon", Variant(icon)},
        {"EmptyPicture", Variant(Picture::CreateEmpty())},
        {"Metafile", Variant(metafile)},
        {"Enhanced", Variant(enhanced)},
    };
    for (const auto& [name, value] : values) {
        bag->WriteProperty(name, value, kNoDefault);
    }

    auto copy = PropertyBag::Create();
    LetProperty(Variant(copy), "Contents", GetProperty(Variant(bag), "Contents"));
    ASSERT_EQ(Names(*copy), Names(*bag));
    for (const auto& [name, value] : values) {
        SCOPED_TRACE(name);
        const Variant read = copy->ReadProperty(name, kNoDefault);
        ASSERT_EQ(read.Type(), value.Type());
        if (!value.IsObject()) {
            EXPECT_TRUE(read.IsIdenticalTo(value));
        }
    }
    const auto readFont = PtrCast<Font>(copy->ReadProperty("Font", kNoDefault).AsObject());
    EXPECT_TRUE(readFont->SameAttributes(*font));
    EXPECT_TRUE(readFont->Bold());
    const auto readBitmap = PtrCast<Picture>(copy->ReadProperty("Bitmap", kNoDefault).AsObject());
    EXPECT_FALSE(Is(readBitmap, bitmap));
    EXPECT_TRUE(readBitmap->SameImage(*bitmap));
    const auto readIcon = PtrCast<Picture>(copy->ReadProperty("Icon", kNoDefault).AsObject());
    EXPECT_TRUE(readIcon->SameImage(*icon));
    EXPECT_EQ(readIcon->Width(), icon->Width());
    for (const auto& original : {metafile, enhanced}) {
        const auto read = PtrCast<Picture>(
            copy->ReadProperty(original->Type() == PICTYPE_METAFILE ? "Metafile" : "Enhanced",
                               kNoDefault)
                .AsObject());
        EXPECT_TRUE(read->SameImage(*original));
        EXPECT_EQ(read->Type(), original->Type());
        EXPECT_EQ(read->Width(), original->Width());
        EXPECT_EQ(read->Height(), original->Height());
    }
    const auto readEmpty =
        PtrCast<Picture>(copy->ReadProperty("EmptyPicture", kNoDefault).AsObject());
    EXPECT_TRUE(readEmpty && readEmpty->IsEmpty());
    const Variant nested = copy->ReadProperty("Nested", kNoDefault);
    EXPECT_EQ(
        PropertyBag::FromBytes(nested.AsBytes())->ReadProperty("inner", kNoDefault).AsString(),
        "nested");

    // Nothing has no stored form of its own: it comes back as an empty picture.
    bag->WriteProperty("Nothing", Variant::Nothing(), kNoDefault);
    EXPECT_TRUE(bag->ReadProperty("Nothing", kNoDefault).IsNothing());
    const Variant reread =
        PropertyBag::FromBytes(bag->ToBytes())->ReadProperty("Nothing", kNoDefault);
    ASSERT_FALSE(reread.IsNothing());
    EXPECT_TRUE(PtrCast<Picture>(reread.AsObject())->IsEmpty());
}

TEST_F(PropertyBagTest, ContentsLetAcceptsOnlyByteArrays) {
    auto bag = PropertyBag::Create();
    bag->WriteProperty("A", Variant(int32_t{1}), kNoDefault);
    const Variant saved = bag->Contents();

    bag->SetContents(Variant::FromBytes({}));
    EXPECT_EQ(bag->Entries().Size(), 0u);
    bag->SetContents(saved);
    bag->SetContents(Variant(""));
    EXPECT_EQ(bag->Entries().Size(), 0u);

    bag->SetContents(saved);
    EXPECT_EQ(ErrorOf([&] { bag->SetContents(Variant::Empty()); }), ERR_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([&] { bag->SetContents(Variant("PBG1")); }), ERR_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([&] { bag->SetContents(Variant(int32_t{0})); }), ERR_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([&] {
                  bag->SetContents(Variant::FromBytes({'P', 'B', 'G'}));
              }),
              ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ErrorOf([&] { LetProperty(Variant(bag), "Contents", Variant::Null()); }),
              ERR_TYPE_MISMATCH);
    // A failed let leaves the bag as it was.
    EXPECT_EQ(bag->ReadProperty("A", kNoDefault).AsI4(), 1);
}

TEST_F(PropertyBagTest, MembersThroughDispatch) {
    const Variant bag(PropertyBag::Create());
    std::vector<Variant> write{Variant("Caption"), Variant("Hello")};
    CallMethod(bag, "WriteProperty", write);
    std::vector<Variant> writeDefault{Variant("Count"), Variant(int32_t{5}), Variant(int16_t{5})};
    CallMethod(bag, "WriteProperty", writeDefault);
    std::vector<Variant> read{Variant("caption")};
    EXPECT_EQ(CallMethod(bag, "ReadProperty", read).AsString(), "Hello");
    std::vector<Variant> readDefault{Variant("Count"), Variant(int32_t{5})};
    EXPECT_EQ(CallMethod(bag, "ReadProperty", readDefault).AsI4(), 5);
    std::vector<Variant> bad{Variant("X"), Variant(Collection::Create())};
    EXPECT_EQ(ErrorOf([&] { CallMethod(bag, "WriteProperty", bad); }), ERR_TYPE_MISMATCH);
    EXPECT_TRUE(GetProperty(bag, "Contents").IsBytes());
}

} // namespace
