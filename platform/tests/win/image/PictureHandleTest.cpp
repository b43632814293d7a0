// Pictures hand out real bitmap and icon handles that the drawing calls accept.
#include "DrawingSurface.h"

#include "platform/ole/picture/Picture.h"

namespace imagetest {
namespace {

using PictureHandleTest = DrawingTest;

TEST_F(PictureHandleTest, BitmapPicturesAreBitmapsAndIconPicturesIcons) {
    HDC dc = Surface(4, 4);
    const std::vector<uint32_t> red(4, 0xFFFF0000);
    {
        const auto bitmap = ole::Picture::FromImage(ole::Image{2, 2, red}, ole::PICTYPE_BITMAP);
        const auto hbm = HBITMAP::FromValue(static_cast<uint32_t>(bitmap->Handle()));
        BITMAP bm;
        ASSERT_EQ(GetObjectA(hbm, sizeof bm, &bm), static_cast<int>(sizeof bm));
        EXPECT_EQ(bm.bmWidth, 2);
        EXPECT_TRUE(DrawStateA(dc, nullptr, nullptr, static_cast<LPARAM>(hbm.Value()), 0, 0, 0, 0,
                               0, DST_BITMAP));
        EXPECT_EQ(At(1, 1), RGB(255, 0, 0));
        HDC memory = CreateCompatibleDC(nullptr);
        EXPECT_TRUE(SelectObject(memory, hbm));
        DeleteDC(memory);

        const auto icon =
            ole::Picture::FromImage(ole::Image{1, 1, {0xFF0000FF}}, ole::PICTYPE_ICON);
        const auto hicon = HICON::FromValue(static_cast<uint32_t>(icon->Handle()));
        EXPECT_TRUE(DrawIconEx(dc, 3, 3, hicon, 0, 0, 0, nullptr, DI_NORMAL));
        EXPECT_EQ(At(3, 3), RGB(0, 0, 255));
        // An icon is no bitmap: selecting it fails, and so does drawing it as one.
        HDC other = CreateCompatibleDC(nullptr);
        EXPECT_FALSE(SelectObject(other, HGDIOBJ::FromValue(hicon.Value())));
        DeleteDC(other);
        EXPECT_FALSE(DrawStateA(dc, nullptr, nullptr, static_cast<LPARAM>(hicon.Value()), 0, 0, 0,
                                0, 0, DST_BITMAP));
        EXPECT_EQ(test::LiveIconCount(), Baseline().icons + 1);
    }
    // The pictures died and took their handles with them (teardown checks the GDI count).
    EXPECT_EQ(test::LiveIconCount(), Baseline().icons);
}

TEST_F(PictureHandleTest, PicturesLoadEveryBitmapFormat) {
    const auto png = image::PngCodec::Encode(image::Image{1, 1, {0xFF123456}}, false);
    const auto picture = ole::Picture::FromFileBytes(png);
    EXPECT_EQ(picture->Type(), ole::PICTYPE_BITMAP);
    EXPECT_EQ(picture->GetImage().At(0, 0), 0xFF123456u);
}

} // namespace
} // namespace imagetest
