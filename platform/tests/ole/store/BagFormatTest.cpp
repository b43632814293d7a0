#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include "platform/base/ByteWriter.h"
#include "platform/ole/bag/BagFormat.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/picture/Picture.h"

#include <string_view>
#include <vector>

using namespace ole;
using testsupport::ErrorOf;

namespace {

const Variant kNoDefault = Variant::Missing();

// Stored bytes built field by field, as the format describes them.
class Stored {
public:
    explicit Stored(uint32_t count, uint16_t version = 1) {
        m_out.Text("PBG1");
        m_out.U16(version);
        m_out.U32(count);
    }
    Stored& Name(std::string_view name) {
        m_out.U16(static_cast<uint16_t>(name.size()));
        m_out.Text(name);
        return *this;
    }
    base::ByteWriter& Out() { return m_out; }
    std::vector<uint8_t> Bytes() { return m_out.Take(); }

private:
    base::ByteWriter m_out;
};

int32_t ParseError(std::vector<uint8_t> bytes) {
    return ErrorOf([&] { BagFormat::Parse(bytes); });
}

std::vector<uint8_t> FullBag() {
    auto bag = PropertyBag::Create();
    bag->WriteProperty("I2", Variant(int16_t{1}), kNoDefault);
    bag->WriteProperty("Text", Variant("abc"), kNoDefault);
    bag->WriteProperty("Bool", Variant(true), kNoDefault);
    bag->WriteProperty("Cy", Variant(Currency{5}), kNoDefault);
    bag->WriteProperty("Bytes", Variant::FromBytes({9, 8}), kNoDefault);
    bag->WriteProperty("Font", Variant(Font::Create()), kNoDefault);
    bag->WriteProperty(
        "Pic", Variant(Picture::FromImage(Image{2, 1, {0xFF000000, 0xFFFFFFFF}}, PICTYPE_BITMAP)),
        kNoDefault);
    bag->WriteProperty("Icon", Variant(Picture::FromImage(Image{1, 1, {0xFF123456}}, PICTYPE_ICON)),
                       kNoDefault);
    bag->WriteProperty("None", Variant(Picture::CreateEmpty()), kNoDefault);
    bag->WriteProperty("Meta", Variant(Picture::FromMetafile(PICTYPE_METAFILE, 300, 200)),
                       kNoDefault);
    return bag->ToBytes();
}

class BagFormatTest : public testsupport::CleanPlatform {};

TEST_F(BagFormatTest, BytesFollowTheFormatExactly) {
    auto bag = PropertyBag::Create();
    bag->WriteProperty("A", Variant(int16_t{-2}), kNoDefault);
    bag->WriteProperty("Bo", Variant(true), kNoDefault);
    bag->WriteProperty("S", Variant("hi"), kNoDefault);
    bag->WriteProperty("N", Variant::Null(), kNoDefault);
    const std::vector<uint8_t> expected = {
        'P', 'B', 'G', '1', 1,  0,    4,    0,    0, 0,        // magic, version, count
        1,   0,   'A', 2,   0,  0xFE, 0xFF,                    // I2 -2
        2,   0,   'B', 'o', 11, 0,    0xFF, 0xFF,              // BOOL True
        1,   0,   'S', 8,   0,  2,    0,    0,    0, 'h', 'i', // BSTR
        1,   0,   'N', 1,   0,                                 // NULL
    };
    EXPECT_EQ(bag->ToBytes(), expected);

    auto fonts = PropertyBag::Create();
    const auto font = Font::Create();
    font->SetName("Ab");
    font->SetItalic(true);
    font->SetStrikethrough(true);
    fonts->WriteProperty("F", Variant(font), kNoDefault);
    const std::vector<uint8_t> expectedFont = {
        'P',  'B',  'G',  '1', 1,   0,   1, 0, 0, 0, 1, 0, 'F', 9, 0,
        1,                                     // font
        2,    0,    0,    0,   'A', 'b',       // name
        0x44, 0x42, 0x01, 0,   0,   0,   0, 0, // 8.25 as 82500
        0x90, 0x01, 0,    0,                   // weight 400, charset 0
        0x0A,                                  // italic | strikethrough
    };
    EXPECT_EQ(fonts->ToBytes(), expectedFont);

    auto pictures = PropertyBag::Create();
    pictures->WriteProperty("P", Variant(Picture::CreateEmpty()), kNoDefault);
    const std::vector<uint8_t> expectedPicture = {
        'P', 'B', 'G', '1', 1, 0, 1, 0, 0, 0, 1, 0, 'P', 9, 0,
        2,   0,   0,   0,   0, 0, 0, 0, 0, 0, 0, 0, 0,   0, // picture: type 0, 0 x 0, no bytes
    };
    EXPECT_EQ(pictures->ToBytes(), expectedPicture);
    auto metafiles = PropertyBag::Create();
    metafiles->WriteProperty("P", Variant(Picture::FromMetafile(PICTYPE_ENHMETAFILE, 300, 258)),
                             kNoDefault);
    const std::vector<uint8_t> expectedMetafile = {
        'P', 'B', 'G', '1', 1, 0, 1, 0, 0, 0, 1, 0, 'P', 9, 0, // header, name, VT_DISPATCH
        2,   4,   44,  1,   0, 0, 2, 1, 0, 0, 0, 0, 0,   0,    // type 4, 300 x 258, no bytes
    };
    EXPECT_EQ(metafiles->ToBytes(), expectedMetafile);
}

TEST_F(BagFormatTest, EveryTruncationRaises458) {
    const std::vector<uint8_t> full = FullBag();
    ASSERT_NO_THROW(BagFormat::Parse(full));
    for (size_t length = 0; length < full.size(); ++length) {
        SCOPED_TRACE(length);
        ASSERT_EQ(ParseError(std::vector<uint8_t>(full.begin(), full.begin() + length)),
                  ERR_UNSUPPORTED_TYPE);
    }
    auto longer = full;
    longer.push_back(0);
    EXPECT_EQ(ParseError(longer), ERR_UNSUPPORTED_TYPE);
}

TEST_F(BagFormatTest, CorruptFieldsRaise458) {
    // Header.
    EXPECT_EQ(ParseError({'P', 'B', 'G', '2', 1, 0, 0, 0, 0, 0}), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(Stored(0, 2).Bytes()), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(Stored(0).Bytes()), 0);
    EXPECT_EQ(ParseError(Stored(1).Bytes()), ERR_UNSUPPORTED_TYPE); // fewer entries than counted
    EXPECT_EQ(ParseError(Stored(0xFFFFFFFF).Bytes()), ERR_UNSUPPORTED_TYPE);

    const auto one = [](uint16_t vt, std::initializer_list<uint8_t> payload) {
        Stored s(1);
        s.Name("X").Out().U16(vt);
        s.Out().Bytes(std::vector<uint8_t>(payload));
        return s.Bytes();
    };
    EXPECT_EQ(ParseError(one(VT_I4, {1, 2, 3, 4})), 0);
    EXPECT_EQ(ParseError(one(VT_I8, {1, 2, 3, 4, 5, 6, 7, 8})), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(one(VT_UI4, {1, 2, 3, 4})), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(one(VT_ARRAY | VT_I2, {0, 0, 0, 0})), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(one(VT_BOOL, {1, 0})), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(one(VT_BSTR, {5, 0, 0, 0, 'a'})), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(one(VT_BSTR, {0xFF, 0xFF, 0xFF, 0xFF})), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(one(VT_ARRAY | VT_UI1, {2, 0, 0, 0, 1})), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(one(VT_DISPATCH, {0})), ERR_UNSUPPORTED_TYPE); // no such subtype
    EXPECT_EQ(ParseError(one(VT_DISPATCH, {3})), ERR_UNSUPPORTED_TYPE);
    // Font flags: an unknown bit, or bold disagreeing with the weight.
    const auto font = [&](uint16_t weight, uint8_t flags) {
        return one(VT_DISPATCH,
                   {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<uint8_t>(weight),
                    static_cast<uint8_t>(weight >> 8), 0, 0, flags});
    };
    EXPECT_EQ(ParseError(font(700, 1)), 0);
    EXPECT_EQ(ParseError(font(700, 0)), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(font(400, 1)), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(font(400, 0x10)), ERR_UNSUPPORTED_TYPE);
    // Pictures: unknown type, an empty one with content, an image that is not what the type
    // says, sizes that disagree with the image.
    const auto picture = [&](uint8_t type, int32_t width, int32_t height,
                             const std::vector<uint8_t>& image) {
        Stored s(1);
        s.Name("P").Out().U16(VT_DISPATCH);
        s.Out().U8(2);
        s.Out().U8(type);
        s.Out().I32(width);
        s.Out().I32(height);
        s.Out().U32(static_cast<uint32_t>(image.size()));
        s.Out().Bytes(image);
        return s.Bytes();
    };
    const auto bitmap = Picture::FromImage(Image{1, 1, {0xFF000000}}, PICTYPE_BITMAP);
    const auto bmp = bitmap->ToFileBytes();
    EXPECT_EQ(ParseError(picture(1, 26, 26, bmp)), 0);
    // Metafiles by size alone: image bytes, no size or an unknown type are refused.
    EXPECT_EQ(ParseError(picture(2, 26, 26, {})), 0);
    EXPECT_EQ(ParseError(picture(4, 2001, 999, {})), 0);
    EXPECT_EQ(ParseError(picture(2, 26, 26, bmp)), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(picture(4, 26, 26, {0})), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(picture(2, 0, 26, {})), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(picture(4, 26, -1, {})), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(picture(5, 26, 26, {})), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(picture(3, 26, 26, bmp)), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(picture(1, 27, 26, bmp)), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(picture(1, 26, 26, {})), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(picture(0, 0, 0, bmp)), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(picture(0, 1, 0, {})), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(picture(0, 0, 0, {})), 0);
    auto badBitmap = bmp;
    badBitmap[28] = 7; // bits per pixel
    EXPECT_EQ(ParseError(picture(1, 26, 26, badBitmap)), ERR_UNSUPPORTED_TYPE);

    // Text that is not UTF-8: a name, a string, a font name.
    Stored badName(1);
    badName.Name("A\xC3").Out().U16(VT_EMPTY);
    EXPECT_EQ(ParseError(badName.Bytes()), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(one(VT_BSTR, {2, 0, 0, 0, 0xC0, 0x80})), ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(ParseError(one(VT_DISPATCH,
                             {1, 1, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0x90, 1, 0, 0, 0})),
              ERR_UNSUPPORTED_TYPE);

    // The same name twice, in any case.
    Stored twice(2);
    twice.Name("Name").Out().U16(VT_EMPTY);
    twice.Name("NAME").Out().U16(VT_EMPTY);
    EXPECT_EQ(ParseError(twice.Bytes()), ERR_UNSUPPORTED_TYPE);
}

// What the parser would refuse never gets in.
TEST_F(BagFormatTest, TextThatIsNotUtf8IsRefusedOnWrite) {
    auto bag = PropertyBag::Create();
    const auto font = Font::Create();
    font->SetName("\xE2\x82");
    EXPECT_EQ(ErrorOf([&] { bag->WriteProperty("S", Variant("a\xFF"), kNoDefault); }),
              ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([&] { bag->WriteProperty("\xED\xA0\x80", Variant(1), kNoDefault); }),
              ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([&] { bag->WriteProperty("F", Variant(font), kNoDefault); }),
              ERR_INVALID_CALL);
    EXPECT_EQ(bag->Entries().Size(), 0u);
}

TEST_F(BagFormatTest, FailedContentsLeaveTheBagAsItWas) {
    auto bag = PropertyBag::Create();
    bag->WriteProperty("Keep", Variant("me"), kNoDefault);
    auto corrupt = FullBag();
    corrupt[corrupt.size() / 2] ^= 0xFF;
    corrupt.resize(corrupt.size() - 3);
    EXPECT_EQ(ErrorOf([&] { bag->SetContents(Variant::FromBytes(corrupt)); }),
              ERR_UNSUPPORTED_TYPE);
    EXPECT_EQ(bag->ReadProperty("keep", kNoDefault).AsString(), "me");
    EXPECT_EQ(bag->Entries().Size(), 1u);
}

} // namespace
