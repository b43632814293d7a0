// Seeds for the image readers: bitmap files in every depth and header size, both row orders,
// colour masks, and icon and cursor files with several entries, masks and an embedded PNG.
#include "FuzzSeeds.h"
#include "testsupport/BmpFile.h"

#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "platform/win/image/IcoCodec.h"
#include "platform/win/image/PngCodec.h"

#include <cstdint>
#include <vector>

namespace fuzz {

namespace {

using win::image::Image;

Image Checker(int32_t width, int32_t height) {
    Image image{width, height, {}};
    for (int32_t i = 0; i < width * height; ++i) {
        image.pixels.push_back(i % 3 == 0 ? 0u : (i % 2 == 0 ? 0xFF102030u : 0x80A0B0C0u));
    }
    return image;
}

// An icon or cursor directory with one entry per image given, in order.
std::vector<uint8_t> Directory(uint16_t type, const std::vector<std::vector<uint8_t>>& images,
                               const std::vector<int>& sizes) {
    base::ByteWriter out;
    out.U16(0);
    out.U16(type);
    out.U16(static_cast<uint16_t>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.U8(static_cast<uint8_t>(sizes[i]));
        out.U8(static_cast<uint8_t>(sizes[i]));
        out.U8(0);
        out.U8(0);
        out.U16(1);                  // planes, or the hotspot's x in cursors
        out.U16(type == 2 ? 2 : 32); // bits, or the hotspot's y
        out.U32(static_cast<uint32_t>(images[i].size()));
        out.U32(offset);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const auto& image : images) {
        out.Bytes(image);
    }
    return out.Take();
}

std::vector<uint8_t> DibOf(const std::vector<uint8_t>& icoFile) {
    return {icoFile.begin() + 22, icoFile.end()};
}

} // namespace

std::vector<std::vector<uint8_t>> Seeds() {
    std::vector<std::vector<uint8_t>> seeds;
    for (uint16_t bits : {1, 4, 8, 16, 24, 32}) {
        seeds.push_back(testsupport::PatternBmpFile(5, 3, bits, 40));
    }
    seeds.push_back(testsupport::PatternBmpFile(3, 2, 24, 40, 0, true));
    seeds.push_back(testsupport::PatternBmpFile(3, 2, 16, 40, 3));
    seeds.push_back(testsupport::PatternBmpFile(2, 2, 32, 108, 3));
    seeds.push_back(testsupport::PatternBmpFile(2, 3, 32, 124, 3, true));
    const auto small = DibOf(win::image::IcoCodec::Encode(Checker(2, 2)));
    const auto large = DibOf(win::image::IcoCodec::Encode(Checker(5, 4)));
    const auto png = win::image::PngCodec::Encode(Checker(3, 3), true);
    seeds.push_back(win::image::IcoCodec::Encode(Checker(3, 3)));
    seeds.push_back(Directory(1, {small, large, png}, {2, 5, 3}));
    seeds.push_back(Directory(2, {large}, {5}));
    return seeds;
}

} // namespace fuzz
