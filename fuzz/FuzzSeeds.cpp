#include "FuzzSeeds.h"
#include "testsupport/BmpFile.h"

#include "platform/base/ByteWriter.h"
#include "platform/ole/bag/LayoutFile.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/picture/Picture.h"
#include "platform/win/image/IcoCodec.h"

#include <iterator>
#include <string>
#include <string_view>

namespace fuzz {

namespace {

ole::Image Checker(int32_t width, int32_t height) {
    ole::Image image{width, height, {}};
    for (int32_t i = 0; i < width * height; ++i) {
        image.pixels.push_back(i % 2 == 0 ? 0xFF102030u : 0x80A0B0C0u);
    }
    return image;
}

std::vector<uint8_t> EveryType() {
    auto bag = ole::PropertyBag::Create();
    const ole::Variant none = ole::Variant::Missing();
    bag->WriteProperty("Empty", ole::Variant::Empty(), none);
    bag->WriteProperty("Null", ole::Variant::Null(), none);
    bag->WriteProperty("I2", ole::Variant(int16_t{-7}), none);
    bag->WriteProperty("I4", ole::Variant(int32_t{123456}), none);
    bag->WriteProperty("R4", ole::Variant(1.5f), none);
    bag->WriteProperty("R8", ole::Variant(-2.25), none);
    bag->WriteProperty("CY", ole::Variant(ole::Currency{82500}), none);
    bag->WriteProperty("Date", ole::Variant::FromDate(45000.5), none);
    bag->WriteProperty("Text", ole::Variant("h\xC3\xA9llo"), none);
    bag->WriteProperty("Bool", ole::Variant(true), none);
    bag->WriteProperty("Byte", ole::Variant(uint8_t{200}), none);
    bag->WriteProperty("Bytes", ole::Variant::FromBytes({1, 2, 3}), none);
    auto font = ole::Font::Create();
    font->SetBold(true);
    font->SetItalic(true);
    bag->WriteProperty("Font", ole::Variant(font), none);
    bag->WriteProperty(
        "Bitmap", ole::Variant(ole::Picture::FromImage(Checker(3, 2), ole::PICTYPE_BITMAP)), none);
    bag->WriteProperty(
        "Icon", ole::Variant(ole::Picture::FromImage(Checker(2, 2), ole::PICTYPE_ICON)), none);
    bag->WriteProperty("None", ole::Variant(ole::Picture::CreateEmpty()), none);
    auto inner = ole::PropertyBag::Create();
    inner->WriteProperty("Inner", ole::Variant("x"), none);
    bag->WriteProperty("Nested", inner->Contents(), none);
    return bag->ToBytes();
}

void WriteName(base::ByteWriter& out, std::string_view name) {
    out.U16(static_cast<uint16_t>(name.size()));
    out.Text(name);
}

std::vector<uint8_t> HandMadePictures() {
    struct Layout {
        uint16_t bits;
        uint32_t compression;
    };
    constexpr Layout layouts[] = {{1, 0}, {4, 0}, {8, 0}, {16, 0}, {16, 3}, {24, 0}, {32, 3}};
    base::ByteWriter out;
    out.Text("PBG1");
    out.U16(1);
    out.U32(std::size(layouts));
    for (const Layout& layout : layouts) {
        WriteName(out,
                  "P" + std::to_string(layout.bits) + "_" + std::to_string(layout.compression));
        out.U16(ole::VT_DISPATCH);
        out.U8(2);
        out.U8(1);
        out.I32(ole::Picture::PixelsToHimetric(2));
        out.I32(ole::Picture::PixelsToHimetric(2));
        const auto bmp =
            testsupport::PatternBmpFile(2, 2, layout.bits, 40, layout.compression, true);
        out.U32(static_cast<uint32_t>(bmp.size()));
        out.Bytes(bmp);
    }
    return out.Take();
}

} // namespace

std::vector<std::vector<uint8_t>> Seeds() {
    std::vector<std::vector<uint8_t>> seeds;
    seeds.push_back(EveryType());
    seeds.push_back(HandMadePictures());
    seeds.push_back(ole::PropertyBag::Create()->ToBytes());
    const size_t bags = seeds.size();
    for (size_t i = 0; i < bags; ++i) {
        seeds.push_back(ole::LayoutFile::Build(seeds[i]));
    }
    seeds.push_back(win::image::IcoCodec::Encode(Checker(3, 3)));
    return seeds;
}

} // namespace fuzz
