#include "FuzzSeeds.h"

#include "platform/base/ByteWriter.h"
#include "platform/ole/bag/LayoutFile.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/picture/IcoCodec.h"
#include "platform/ole/picture/Picture.h"

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

// A 2 x 2 bitmap file in a layout the writer never produces, to reach the other decoders.
std::vector<uint8_t> SmallBmp(uint16_t bitsPerPixel, uint32_t compression) {
    const bool masks = compression == 3;
    const uint32_t tableSize = bitsPerPixel <= 8 ? (1u << bitsPerPixel) * 4 : 0;
    const uint32_t stride = (2 * bitsPerPixel + 31) / 32 * 4;
    const uint32_t offset = 14 + 40 + (masks ? 12 : 0) + tableSize;
    base::ByteWriter out;
    out.U8('B');
    out.U8('M');
    out.U32(offset + stride * 2);
    out.U32(0);
    out.U32(offset);
    out.U32(40);
    out.I32(2);
    out.I32(-2);
    out.U16(1);
    out.U16(bitsPerPixel);
    out.U32(compression);
    for (int i = 0; i < 5; ++i) {
        out.U32(0);
    }
    if (masks) {
        out.U32(bitsPerPixel == 16 ? 0xF800 : 0x00FF0000);
        out.U32(bitsPerPixel == 16 ? 0x07E0 : 0x0000FF00);
        out.U32(bitsPerPixel == 16 ? 0x001F : 0x000000FF);
    }
    for (uint32_t i = 0; i < tableSize / 4; ++i) {
        out.U32(0x00010203u * i);
    }
    for (uint32_t i = 0; i < stride * 2; ++i) {
        out.U8(static_cast<uint8_t>(0x5A ^ i));
    }
    return out.Take();
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
        const auto bmp = SmallBmp(layout.bits, layout.compression);
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
    seeds.push_back(ole::IcoCodec::Encode(Checker(3, 3)));
    return seeds;
}

} // namespace fuzz
