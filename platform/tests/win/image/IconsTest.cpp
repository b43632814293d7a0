// Icons: built-in drawings, masks, alpha, scaling and the handle bookkeeping.
#include "DrawingSurface.h"

namespace imagetest {
namespace {

using IconTest = DrawingTest;

struct IconBitmaps {
    explicit IconBitmaps(HICON icon) { ok = GetIconInfo(icon, &info); }
    ~IconBitmaps() {
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
    }
    BITMAP Color() const {
        BITMAP bm;
        GetObjectA(info.hbmColor, sizeof bm, &bm);
        return bm;
    }
    BOOL ok;
    ICONINFO info;
};

TEST_F(IconTest, BuiltinIconsAreSharedAndDrawnAtBothSizes) {
    const HICON error = LoadIconA(nullptr, IDI_ERROR);
    ASSERT_TRUE(error);
    EXPECT_EQ(LoadIconA(nullptr, IDI_HAND), error);
    EXPECT_NE(LoadIconA(nullptr, IDI_QUESTION), error);
    EXPECT_TRUE(LoadIconA(nullptr, IDI_WARNING));
    EXPECT_EQ(LoadIconA(nullptr, IDI_INFORMATION), LoadIconA(nullptr, IDI_ASTERISK));
    EXPECT_FALSE(LoadIconA(nullptr, 4242));
    EXPECT_FALSE(LoadIconA(HINSTANCE::FromValue(7), IDI_ERROR));
    EXPECT_TRUE(DestroyIcon(error)); // shared: stays usable
    {
        IconBitmaps bitmaps(error);
        ASSERT_TRUE(bitmaps.ok);
        EXPECT_EQ(bitmaps.Color().bmWidth, 32);
        EXPECT_EQ(bitmaps.Color().bmHeight, 32);
        EXPECT_EQ(bitmaps.info.xHotspot, 16u);
    }

    // Red disc with a white cross: corners stay transparent, the centre is on the cross.
    HDC dc = Surface(32, 32, RGB(0, 128, 0));
    ASSERT_TRUE(DrawIcon(dc, 0, 0, error));
    EXPECT_EQ(At(0, 0), RGB(0, 128, 0));
    EXPECT_EQ(At(16, 16), RGB(255, 255, 255));
    EXPECT_EQ(At(16, 2), RGB(255, 0, 0));

    const HICON small = LoadIconSized(IDI_INFORMATION, 16, 16);
    ASSERT_TRUE(small);
    Surface(16, 16, RGB(0, 128, 0));
    DrawIconEx(Dc(), 0, 0, small, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(At(0, 0), RGB(0, 128, 0));
    EXPECT_EQ(At(1, 8), RGB(0, 0, 255));
    EXPECT_EQ(At(7, 4), RGB(255, 255, 255)); // the dot of the "i" (5 x 7 cells at (5, 4))
}

TEST_F(IconTest, MaskXorAndAlphaRules) {
    HDC dc = Surface(4, 1, RGB(0x10, 0x20, 0x30));
    // Mask row: transparent, transparent, opaque, opaque; colours black, white, red, white.
    const uint32_t maskPixels[] = {0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFF000000};
    const uint32_t colorPixels[] = {0xFF000000, 0xFFFFFFFF, 0xFFFF0000, 0xFFFFFFFF};
    ICONINFO info;
    info.hbmMask = CreateBitmap(4, 1, 1, 1, nullptr);
    info.hbmColor = gdi::CreateBitmapFromPixels(4, 1, colorPixels);
    HDC maskDc = CreateCompatibleDC(nullptr);
    SelectObject(maskDc, info.hbmMask);
    for (int x = 0; x < 4; ++x) {
        SetPixelV(maskDc, x, 0, maskPixels[x] == 0xFFFFFFFF ? RGB(255, 255, 255) : RGB(0, 0, 0));
    }
    DeleteDC(maskDc);
    const HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmMask); // the icon keeps copies
    DeleteObject(info.hbmColor);
    ASSERT_TRUE(icon);
    EXPECT_EQ(test::LiveIconCount(), Baseline().icons + 1);
    DrawIcon(dc, 0, 0, icon);
    EXPECT_EQ(At(0, 0), RGB(0x10, 0x20, 0x30)); // masked black: unchanged
    EXPECT_EQ(At(1, 0), RGB(0xEF, 0xDF, 0xCF)); // masked white: inverted
    EXPECT_EQ(At(2, 0), RGB(255, 0, 0));
    EXPECT_EQ(At(3, 0), RGB(255, 255, 255));
    {
        IconBitmaps copy(icon);
        const auto mask = test::CaptureBitmap(copy.info.hbmMask);
        EXPECT_EQ(test::PixelOf(mask, 0, 0), RGB(255, 255, 255));
        EXPECT_EQ(test::PixelOf(mask, 2, 0), RGB(0, 0, 0));
    }
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));
    EXPECT_FALSE(DrawIcon(dc, 0, 0, icon));

    // Partial alpha blends: half red over blue-green.
    Surface(1, 1, RGB(0, 0x80, 0xFF));
    const HICON alpha = image::CreateIconFromImage(image::Image{1, 1, {0x80FF0000}}, false);
    DrawIcon(Dc(), 0, 0, alpha);
    EXPECT_EQ(At(0, 0), RGB(0x80, 0x40, 0x7F));
    DestroyIcon(alpha);
}

TEST_F(IconTest, DrawIconExScalesByNearestNeighbour) {
    HDC dc = Surface(6, 6);
    // 2 x 2: red, green / blue, transparent.
    const HICON icon = image::CreateIconFromImage(
        image::Image{2, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000}}, false);
    ASSERT_TRUE(DrawIconEx(dc, 1, 1, icon, 4, 4, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(At(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(At(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(At(3, 1), RGB(0, 255, 0));
    EXPECT_EQ(At(1, 4), RGB(0, 0, 255));
    EXPECT_EQ(At(4, 4), RGB(255, 255, 255));
    EXPECT_EQ(At(5, 5), RGB(255, 255, 255));
    EXPECT_FALSE(DrawIconEx(HDC::FromValue(999), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    DestroyIcon(icon);
}

} // namespace
} // namespace imagetest
