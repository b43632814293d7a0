// The background picture, row pictures and the dotted-line pattern's anchoring.

#include "PaintFixture.h"

#include "propertylist/control/paint/CellOrigin.h"
#include "propertylist/control/paint/GridLines.h"

#include "platform/ole/picture/Picture.h"

namespace painttest {
namespace {

// A picture of one colour (0xAARRGGBB pixels).
ole::Ptr<ole::Picture> Solid(int width, int height, uint32_t argb, int16_t type) {
    const std::vector<uint32_t> pixels(static_cast<size_t>(width * height), argb);
    return ole::Picture::FromImage(ole::Image{width, height, pixels}, type);
}

TEST_F(PaintTest, BackgroundPictureShowsThroughUnselectedCells) {
    Settings().activeView = 0;
    Settings().pictureLayout = 2;
    Settings().picture = Solid(8, 8, 0xFF00FF00, ole::PICTYPE_BITMAP);
    Add("One", 1);
    Add("Two", 2);
    Paint();
    const auto rows = Rows();
    EXPECT_EQ(At(kSplit - 3, 3), kGreen);
    EXPECT_EQ(At(kWidth - 5, 90), kGreen);
    EXPECT_GT(Ink(rows[0]->NameRect(), kGreen), 5);

    m_selected = rows[1];
    Paint();
    EXPECT_EQ(At(kSplit - 3, kRowHeight + 3), kBlue);
    EXPECT_EQ(At(kSplit + 40, kRowHeight + 3), kBlue);
    EXPECT_EQ(At(kSplit - 3, 3), kGreen);

    // Centred: the property colour around the picture, which sits in the middle of the area.
    Settings().pictureLayout = 0;
    m_selected.Reset();
    Paint();
    EXPECT_EQ(At(kWidth / 2, 50), kGreen);
    EXPECT_EQ(At(kWidth / 2 - 5, 50), kCream);
    // Stretched over the whole area.
    Settings().pictureLayout = 1;
    Paint();
    EXPECT_EQ(At(1, 98), kGreen);
    EXPECT_EQ(At(kWidth - 1, 1), kGreen);
}

// A repaint of part of the grid draws the tiles it meets, in the places a full paint puts them,
// and no others.
TEST_F(PaintTest, APartialRepaintKeepsTheTilesInPlace) {
    Settings().pictureLayout = 2;
    std::vector<uint32_t> pixels(7 * 5);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = (i % 7 + i / 7) % 3 == 0 ? 0xFF00FF00 : 0xFF0000FF;
    Settings().picture = ole::Picture::FromImage(ole::Image{7, 5, pixels}, ole::PICTYPE_BITMAP);
    Paint();
    const win::RECT part{13, 11, 97, 29};
    std::vector<win::COLORREF> full;
    for (int y = part.top; y < part.bottom; ++y) {
        for (int x = part.left; x < part.right; ++x)
            full.push_back(At(x, y));
    }
    Surface();
    const auto context = Context();
    GridPainter(context).PaintGridArea(m_dc, part);
    size_t i = 0;
    for (int y = part.top; y < part.bottom; ++y) {
        for (int x = part.left; x < part.right; ++x)
            ASSERT_EQ(At(x, y), full[i++]) << x << "," << y;
    }
    // A tile's width or height away from the part the surface stays as it was.
    for (const auto& [x, y] : {std::pair{part.left - 8, part.top},
                               {part.right + 7, part.top},
                               {part.left, part.bottom + 5}})
        EXPECT_EQ(At(x, y), win::RGB(255, 255, 255)) << x << "," << y;
}

TEST_F(PaintTest, PicturesThatAreNoBitmapFillWithThePropertyColour) {
    Settings().activeView = 0;
    Add("One", 1);
    Add("Two", 2);
    for (const auto& picture : {ole::Picture::FromMetafile(ole::PICTYPE_ENHMETAFILE, 500, 500),
                                Solid(4, 4, 0xFFFF0000, ole::PICTYPE_ICON)}) {
        SCOPED_TRACE(picture->Type());
        Settings().picture = picture;
        for (const int layout : {0, 1, 2}) {
            Settings().pictureLayout = layout;
            Paint();
            EXPECT_EQ(Count({0, 0, kWidth, m_height}, kBlack) +
                          Count({0, 0, kWidth, m_height}, kCream) +
                          Count({0, 0, kWidth, m_height}, kWhite),
                      kWidth * m_height);
            EXPECT_EQ(At(kWidth - 3, 90), kCream);
            for (const auto& row : Rows())
                EXPECT_GT(Ink(row->NameRect(), kCream), 5) << row->Name();
        }
    }
    Settings().picture.Reset();
}

TEST_F(PaintTest, RowPicturesDrawOnlyBitmapsAndIcons) {
    Settings().activeView = 0;
    auto bitmapRow = Add("Bitmap", 1);
    auto iconRow = Add("Icon", 2);
    auto metafileRow = Add("Metafile", 3);
    bitmapRow->SetPicture(Solid(6, 6, 0xFFFF0000, ole::PICTYPE_BITMAP));
    iconRow->SetPicture(Solid(6, 6, 0xFF00FF00, ole::PICTYPE_ICON));
    metafileRow->SetPicture(ole::Picture::FromMetafile(ole::PICTYPE_METAFILE, 159, 159));
    Paint();
    const auto rows = Rows();
    const auto at = [&](size_t i) {
        const auto r = rows[i]->PictureRect();
        return At(r.left + 2, rows[i]->RowRect().top + r.top + 2);
    };
    EXPECT_EQ(at(0), kRed);
    EXPECT_EQ(at(1), kGreen);
    EXPECT_EQ(at(2), kCream);
    // Text follows the picture in every case.
    for (const auto& row : rows)
        EXPECT_GT(Ink(row->NameRect(), kCream), 5) << row->Name();
}

TEST_F(PaintTest, DottedLineStartsWithTheLineColourWhateverTheOrigin) {
    Surface(40);
    GridLines lines(*m_resources);
    for (const win::POINT origin : {win::POINT{0, 0}, win::POINT{3, 5}}) {
        const win::RECT all{0, 0, kWidth, 40};
        win::FillRect(m_dc, &all, win::HBRUSH(win::GetStockObject(win::WHITE_BRUSH)));
        {
            const win::SavedDc saved(m_dc);
            OffsetCellOrigin(m_dc, origin.x, origin.y);
            lines.DrawGridLine(m_dc, static_cast<int32_t>(kRed), 10, 3, 10, 13, false);
            lines.DrawGridLine(m_dc, static_cast<int32_t>(kRed), 20, 20, 26, 20, false);
        }
        // Vertical (x1 = x2): one pixel wide, alternating from the line colour.
        const int x = origin.x + 10;
        const int y = origin.y + 3;
        EXPECT_EQ(At(x, y), kRed);
        EXPECT_EQ(At(x, y + 1), kWhite);
        EXPECT_EQ(At(x, y + 2), kRed);
        EXPECT_EQ(At(x, y + 10), kWhite);
        EXPECT_EQ(Count({x - 1, y, x, y + 10}, kRed) + Count({x + 1, y, x + 2, y + 10}, kRed), 0);
        // Horizontal (y1 = y2), ending before x2.
        EXPECT_EQ(At(origin.x + 20, origin.y + 20), kRed);
        EXPECT_EQ(At(origin.x + 21, origin.y + 20), kWhite);
        EXPECT_EQ(At(origin.x + 24, origin.y + 20), kRed);
        EXPECT_EQ(At(origin.x + 26, origin.y + 20), kWhite);
    }
}

} // namespace
} // namespace painttest
