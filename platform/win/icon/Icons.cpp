#include "platform/win/icon/Icons.h"

#include "platform/win/gdi/detail/Bitmap.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/gdi/detail/GdiObjects.h"
#include "platform/win/icon/BuiltinIcons.h"
#include "platform/win/icon/IconTable.h"

#include <map>
#include <tuple>

namespace win {

namespace icon {

HICON CreateFromImage(const image::Image& image, bool isIcon, POINT hotspot) {
    if (image.IsEmpty() || image.pixels.size() != static_cast<size_t>(image.width) * image.height) {
        return nullptr;
    }
    return IconTable::Add(Icon::FromImage(image, isIcon, hotspot));
}

} // namespace icon

namespace {

constexpr uint32_t kWhitePixel = 0xFFFFFFFFu;
constexpr uint32_t kBlackPixel = 0xFF000000u;

bool IsWhite(uint32_t pixel) {
    return (pixel & 0x00FFFFFFu) == 0x00FFFFFFu;
}

HBITMAP NewMonochrome(int width, int height) {
    return HBITMAP(gdi::GdiObjects::Add(std::make_unique<gdi::Bitmap>(width, height, 1)));
}

} // namespace

HICON LoadIconA(HINSTANCE hInstance, int iconId) {
    if (hInstance) {
        return nullptr;
    }
    return LoadIconSized(iconId, 32, 32);
}

HICON LoadIconSized(int iconId, int cx, int cy) {
    if (cx <= 0 || cy <= 0) {
        return nullptr;
    }
    thread_local std::map<std::tuple<int, int, int>, HICON> shared;
    const int drawn = cx <= 24 && cy <= 24 ? 16 : 32;
    HICON& handle = shared[{iconId, cx, cy}];
    if (!handle) {
        const auto drawing = icon::DrawBuiltinIcon(iconId, drawn);
        if (!drawing) {
            shared.erase({iconId, cx, cy});
            return nullptr;
        }
        image::Image sized{cx, cy, {}};
        sized.pixels.reserve(static_cast<size_t>(cx) * cy);
        for (int y = 0; y < cy; ++y) {
            for (int x = 0; x < cx; ++x) {
                sized.pixels.push_back(drawing->At(x * drawn / cx, y * drawn / cy));
            }
        }
        handle = icon::IconTable::Add(icon::Icon::FromImage(sized, true, {cx / 2, cy / 2}), true);
    }
    return handle;
}

HICON CreateIconIndirect(const ICONINFO* info) {
    if (!info) {
        return nullptr;
    }
    const gdi::Bitmap* mask = gdi::LookupBitmap(info->hbmMask);
    if (!mask) {
        return nullptr;
    }
    const gdi::Bitmap* color = info->hbmColor ? gdi::LookupBitmap(info->hbmColor) : nullptr;
    if (info->hbmColor && !color) {
        return nullptr;
    }
    const int width = mask->Width();
    // Without a colour bitmap the mask holds the AND half above the XOR half.
    const int height = color ? mask->Height() : mask->Height() / 2;
    if (width <= 0 || height <= 0 ||
        (color && (color->Width() != width || color->Height() != height))) {
        return nullptr;
    }
    std::vector<uint32_t> pixels;
    std::vector<bool> transparent;
    pixels.reserve(static_cast<size_t>(width) * height);
    transparent.reserve(pixels.capacity());
    bool anyAlphaBelowFull = false;
    bool allAlphaZero = true;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            transparent.push_back(IsWhite(mask->Pixels().Pixel(x, y)));
            uint32_t pixel = 0;
            if (color) {
                pixel = color->Pixels().Pixel(x, y);
            } else {
                pixel = IsWhite(mask->Pixels().Pixel(x, y + height)) ? 0x00FFFFFFu : 0u;
            }
            const uint32_t alpha = pixel >> 24;
            anyAlphaBelowFull = anyAlphaBelowFull || alpha != 255;
            allAlphaZero = allAlphaZero && alpha == 0;
            pixels.push_back(pixel);
        }
    }
    // Alpha replaces the mask only when the colour bitmap really carries one: bitmaps drawn by
    // GDI are fully opaque, and an all-zero alpha byte is an unused one.
    const bool hasAlpha =
        color && color->BitsPerPixel() == 32 && anyAlphaBelowFull && !allAlphaZero;
    const POINT hotspot =
        info->fIcon ? POINT{width / 2, height / 2}
                    : POINT{static_cast<LONG>(info->xHotspot), static_cast<LONG>(info->yHotspot)};
    return icon::IconTable::Add(icon::Icon(width, height, std::move(pixels), std::move(transparent),
                                           hasAlpha, info->fIcon != FALSE, hotspot));
}

BOOL GetIconInfo(HICON handle, ICONINFO* info) {
    const icon::Icon* found = icon::IconTable::Find(handle);
    if (!found || !info) {
        return FALSE;
    }
    const int width = found->Width();
    const int height = found->Height();
    std::vector<uint32_t> pixels;
    pixels.reserve(static_cast<size_t>(width) * height);
    const HBITMAP mask = NewMonochrome(width, height);
    gdi::Bitmap* maskBitmap = gdi::LookupBitmap(mask);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(found->Color(x, y));
            maskBitmap->Pixels().SetPixel(x, y, found->Masked(x, y) ? kWhitePixel : kBlackPixel);
        }
    }
    info->fIcon = found->IsIcon() ? TRUE : FALSE;
    info->xHotspot = static_cast<DWORD>(found->Hotspot().x);
    info->yHotspot = static_cast<DWORD>(found->Hotspot().y);
    info->hbmMask = mask;
    info->hbmColor = gdi::CreateBitmapFromPixels(width, height, pixels);
    return TRUE;
}

BOOL DestroyIcon(HICON handle) {
    return icon::IconTable::Destroy(handle) ? TRUE : FALSE;
}

BOOL DestroyCursor(HCURSOR cursor) {
    return DestroyIcon(cursor);
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON handle, int cx, int cy, UINT, HBRUSH, UINT flags) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    const icon::Icon* found = icon::IconTable::Find(handle);
    if (!dc || !found) {
        return FALSE;
    }
    if (cx == 0) {
        cx = (flags & DI_DEFAULTSIZE) ? 32 : found->Width();
    }
    if (cy == 0) {
        cy = (flags & DI_DEFAULTSIZE) ? 32 : found->Height();
    }
    if ((flags & DI_NORMAL) == 0) {
        flags |= DI_NORMAL;
    }
    found->Draw(*dc, x, y, cx, cy, nullptr, flags);
    return TRUE;
}

BOOL DrawIcon(HDC hdc, int x, int y, HICON handle) {
    return DrawIconEx(hdc, x, y, handle, 0, 0, 0, nullptr, DI_NORMAL);
}

namespace test {

size_t LiveIconCount() {
    return icon::IconTable::LiveCount();
}

} // namespace test

} // namespace win
