#include "platform/win/image/GifCodec.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace win::image {

namespace {

struct Source {
    std::span<const uint8_t> bytes;
    size_t offset = 0;
};

int Read(GifFileType* gif, GifByteType* out, int length) {
    auto* source = static_cast<Source*>(gif->UserData);
    const size_t count =
        std::min(static_cast<size_t>(std::max(length, 0)), source->bytes.size() - source->offset);
    std::memcpy(out, source->bytes.data() + source->offset, count);
    source->offset += count;
    return static_cast<int>(count);
}

struct Closer {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

} // namespace

bool GifCodec::LooksLikeGif(std::span<const uint8_t> bytes) {
    return bytes.size() >= 6 && std::memcmp(bytes.data(), "GIF8", 4) == 0 &&
           (bytes[4] == '7' || bytes[4] == '9') && bytes[5] == 'a';
}

std::optional<Image> GifCodec::Decode(std::span<const uint8_t> bytes) {
    if (!LooksLikeGif(bytes)) {
        return std::nullopt;
    }
    Source source{bytes};
    int error = 0;
    std::unique_ptr<GifFileType, Closer> gif(DGifOpen(&source, Read, &error));
    if (!gif) {
        return std::nullopt;
    }
    const int64_t screenWidth = gif->SWidth;
    const int64_t screenHeight = gif->SHeight;
    if (screenWidth <= 0 || screenHeight <= 0 || screenWidth * screenHeight > kMaxImagePixels) {
        return std::nullopt;
    }
    int transparent = -1;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) != GIF_OK) {
            return std::nullopt;
        }
        if (record == TERMINATE_RECORD_TYPE) {
            return std::nullopt; // no frame at all
        }
        if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) != GIF_OK) {
                return std::nullopt;
            }
            while (block != nullptr) {
                if (code == GRAPHICS_EXT_FUNC_CODE && block[0] >= 4 && (block[1] & 1)) {
                    transparent = block[4];
                }
                if (DGifGetExtensionNext(gif.get(), &block) != GIF_OK) {
                    return std::nullopt;
                }
                code = 0; // only the first block of an extension carries the control fields
            }
            continue;
        }
        if (record != IMAGE_DESC_RECORD_TYPE) {
            continue;
        }
        if (DGifGetImageDesc(gif.get()) != GIF_OK) {
            return std::nullopt;
        }
        const GifImageDesc& desc = gif->Image;
        const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        if (!map || desc.Width <= 0 || desc.Height <= 0 || desc.Left < 0 || desc.Top < 0 ||
            int64_t{desc.Left} + desc.Width > screenWidth ||
            int64_t{desc.Top} + desc.Height > screenHeight) {
            return std::nullopt;
        }
        const auto width = static_cast<size_t>(desc.Width);
        // Indices grow line by line as the data decodes; the screen is allocated only once the
        // whole frame is there, so a tiny file claiming a huge screen costs little.
        std::vector<GifPixelType> indices;
        // Interlaced frames store rows in four passes.
        std::vector<int> order;
        if (desc.Interlace) {
            for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
                for (int y = start; y < desc.Height; y += step) {
                    order.push_back(y);
                }
            }
        } else {
            for (int y = 0; y < desc.Height; ++y) {
                order.push_back(y);
            }
        }
        std::vector<GifPixelType> line(width);
        for (size_t i = 0; i < order.size(); ++i) {
            if (DGifGetLine(gif.get(), line.data(), desc.Width) != GIF_OK) {
                return std::nullopt;
            }
            indices.insert(indices.end(), line.begin(), line.end());
        }
        Image image;
        image.width = static_cast<int32_t>(screenWidth);
        image.height = static_cast<int32_t>(screenHeight);
        image.pixels.assign(static_cast<size_t>(screenWidth * screenHeight), 0u);
        for (size_t i = 0; i < order.size(); ++i) {
            uint32_t* row = image.pixels.data() +
                            static_cast<size_t>(desc.Top + order[i]) * image.width + desc.Left;
            for (size_t x = 0; x < width; ++x) {
                const int index = indices[i * width + x];
                if (index == transparent || index >= map->ColorCount) {
                    continue;
                }
                const GifColorType& c = map->Colors[index];
                row[x] = kOpaque | (uint32_t{c.Red} << 16) | (uint32_t{c.Green} << 8) | c.Blue;
            }
        }
        return image;
    }
}

} // namespace win::image
