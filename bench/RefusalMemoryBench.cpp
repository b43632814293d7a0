// How much memory refusing hostile stored bytes costs: the rise in peak resident memory while a
// tiny picture claiming 4096 x 4096 pixels, and a gigabyte file that is no layout, are refused.
// Prints one line per case; run it by hand.
#include "platform/ole/bag/LayoutFile.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/picture/Picture.h"
#include "platform/win/image/PngCodec.h"
#include "testsupport/JpegFile.h"
#include "testsupport/PeakMemory.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kSide = 4096;

// A real encoding of a 4096 x 4096 image, cut to its first bytes: a valid header claiming the
// full size, followed by the start of its data.
std::vector<uint8_t> CutPng(size_t keep) {
    win::image::Image image{kSide, kSide, std::vector<uint32_t>(size_t{kSide} * kSide, 0xFF336699)};
    std::vector<uint8_t> bytes = win::image::PngCodec::Encode(image, false);
    bytes.resize(keep);
    return bytes;
}

std::vector<uint8_t> CutJpeg(size_t keep) {
    const win::image::Image image{kSide, kSide,
                                  std::vector<uint32_t>(size_t{kSide} * kSide, 0xFF808080)};
    std::vector<uint8_t> bytes = testsupport::JpegFile(image, false, true);
    bytes.resize(std::min(bytes.size(), keep));
    return bytes;
}

// A GIF header claiming a 4096 x 4096 screen and frame, then one block of image data.
std::vector<uint8_t> CutGif(size_t keep) {
    std::vector<uint8_t> bytes = {'G',  'I', 'F', '8', '9', 'a',  0,   0x10, 0,   0x10,
                                  0x80, 0,   0,   0,   0,   0,    255, 255,  255, 0x2C,
                                  0,    0,   0,   0,   0,   0x10, 0,   0x10, 0,   2};
    bytes.push_back(static_cast<uint8_t>(keep - bytes.size() - 1));
    while (bytes.size() < keep) {
        bytes.push_back(0x5A);
    }
    return bytes;
}

void Report(const char* what, const std::function<void()>& refuse) {
    const int64_t growth = testsupport::PeakMemoryGrowth([&] {
        try {
            refuse();
            std::printf("  (accepted!)");
        } catch (const ole::Error& error) {
            std::printf("  error %d", error.Number());
        }
    });
    std::printf("  %-48s peak +%.1f MiB\n", what, static_cast<double>(growth) / (1 << 20));
}

} // namespace

int main() {
    const auto png = CutPng(200);
    const auto jpeg = CutJpeg(400);
    const auto gif = CutGif(200);
    Report("200-byte PNG claiming 4096 x 4096", [&] { ole::Picture::FromFileBytes(png); });
    Report("400-byte JPEG claiming 4096 x 4096", [&] { ole::Picture::FromFileBytes(jpeg); });
    Report("200-byte GIF claiming 4096 x 4096", [&] { ole::Picture::FromFileBytes(gif); });

    const std::string path = "/tmp/refusal-memory-" + std::to_string(::getpid());
    std::ofstream(path).close();
    std::filesystem::resize_file(path, std::uintmax_t{1} << 30); // sparse zeros
    Report("1 GiB layout file of zeros", [&] { ole::LayoutFile::Read(path); });
    Report("1 GiB picture file of zeros", [&] { ole::Picture::FromFile(path); });
    std::filesystem::remove(path);
    return 0;
}
