#include "platform/tests/win/text/TextFixture.h"
#include "platform/win/gdi/DcState.h"
#include "platform/win/text/CaptionText.h"

#include <climits>

namespace texttest {

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

} // namespace

TEST_F(TextTest, OpaqueCellsCoverExactlyTheMeasuredExtent) {
    // In OPAQUE mode every character cell is filled, so the ink is the extent and nothing more.
    const std::string text = "Grid of Properties";
    const SIZE size = Extent(text);
    SetBkColor(Dc(), kRed);
    ASSERT_TRUE(ExtTextOutA(Dc(), 7, 5, 0, nullptr, text.c_str(), text.size(), nullptr));
    EXPECT_EQ(InkBounds(), (RECT{7, 5, 7 + size.cx, 5 + size.cy}));
    EXPECT_GT(Canvas().Count(RGB(0, 0, 0)), 0);
    EXPECT_GT(Canvas().Count(kRed), 0);
}

TEST_F(TextTest, TransparentTextTouchesOnlyGlyphPixels) {
    const std::string text = "Hi";
    const SIZE size = Extent(text);
    SetBkColor(Dc(), kRed);
    SetBkMode(Dc(), TRANSPARENT);
    SetTextColor(Dc(), kBlue);
    TextOutA(Dc(), 3, 4, text.c_str(), static_cast<int>(text.size()));
    EXPECT_EQ(Canvas().Count(kRed), 0);
    const int blue = Canvas().Count(kBlue);
    EXPECT_GT(blue, 0);
    const RECT ink = InkBounds().value();
    EXPECT_GE(ink.left, 3);
    EXPECT_LE(ink.right, 3 + size.cx);
    EXPECT_GT(ink.top, 4);
    EXPECT_LE(ink.bottom, 4 + size.cy);
    // Every text pixel is exactly the text colour: no anti-aliasing.
    EXPECT_EQ(blue + Canvas().Count(RGB(255, 255, 255)), 200 * 120);
}

TEST_F(TextTest, OpaqueAndClippedOptionsUseTheRectangle) {
    const std::string text = "Clipped text";
    SetBkMode(Dc(), TRANSPARENT);
    SetBkColor(Dc(), kRed);
    const RECT rect{10, 10, 30, 20};
    // The glyphs start below the rectangle's top rows, which only the fill reaches.
    ExtTextOutA(Dc(), 5, 14, ETO_OPAQUE | ETO_CLIPPED, &rect, text.c_str(), text.size(), nullptr);
    EXPECT_EQ(InkBounds(), rect);
    EXPECT_EQ(GetPixel(Dc(), 10, 10), kRed);
    EXPECT_EQ(GetPixel(Dc(), 29, 11), kRed);

    // Origins move the reference point and the clip rectangle alike.
    Clear();
    SetViewportOrgEx(Dc(), 50, 40, nullptr);
    ExtTextOutA(Dc(), 5, 14, ETO_OPAQUE | ETO_CLIPPED, &rect, text.c_str(), text.size(), nullptr);
    SetViewportOrgEx(Dc(), 0, 0, nullptr);
    EXPECT_EQ(InkBounds(), (RECT{60, 50, 80, 60}));
}

TEST_F(TextTest, AlignmentPicksTheReferencePoint) {
    const std::string text = "Align";
    const SIZE size = Extent(text);
    TEXTMETRICA tm;
    GetTextMetricsA(Dc(), &tm);
    SetBkColor(Dc(), kRed);
    SetTextAlign(Dc(), TA_RIGHT | TA_BASELINE);
    TextOutA(Dc(), 100, 50, text.c_str(), static_cast<int>(text.size()));
    EXPECT_EQ(InkBounds(), (RECT{100 - size.cx, 50 - tm.tmAscent, 100, 50 + tm.tmDescent}));

    Clear();
    SetTextAlign(Dc(), TA_CENTER | TA_BOTTOM);
    TextOutA(Dc(), 100, 50, text.c_str(), static_cast<int>(text.size()));
    EXPECT_EQ(InkBounds(),
              (RECT{100 - size.cx / 2, 50 - size.cy, 100 - size.cx / 2 + size.cx, 50}));
}

TEST_F(TextTest, UpdateCpContinuesWhereTheLastStringEnded) {
    SetBkColor(Dc(), kRed);
    SetTextAlign(Dc(), TA_UPDATECP);
    MoveToEx(Dc(), 20, 30, nullptr);
    TextOutA(Dc(), 0, 0, "ab", 2);
    POINT position;
    GetCurrentPositionEx(Dc(), &position);
    EXPECT_EQ(position.x, 20 + Extent("ab").cx);
    EXPECT_EQ(position.y, 30);
    TextOutA(Dc(), 0, 0, "cd", 2);
    EXPECT_EQ(InkBounds(), (RECT{20, 30, 20 + Extent("abcd").cx, 30 + 13}));
}

TEST_F(TextTest, RotatedTextOccupiesTheTurnedCell) {
    const std::string text = "Caption";
    const SIZE size = Extent(text);
    SetBkColor(Dc(), kRed);
    const HFONT up = MakeFont("Arial", -11, FW_NORMAL, 900);
    SelectObject(Dc(), up);
    // The extent stays unrotated.
    EXPECT_EQ(Extent(text).cx, size.cx);
    EXPECT_EQ(Extent(text).cy, 13);
    TextOutA(Dc(), 20, 80, text.c_str(), static_cast<int>(text.size()));
    // x in [x, x + tmHeight), y in (y - cx, y].
    EXPECT_EQ(InkBounds(), (RECT{20, 80 - size.cx + 1, 20 + 13, 81}));

    Clear();
    const HFONT down = MakeFont("Arial", -11, FW_NORMAL, 2700);
    SelectObject(Dc(), down);
    TextOutA(Dc(), 40, 10, text.c_str(), static_cast<int>(text.size()));
    EXPECT_EQ(InkBounds(), (RECT{40 - 13 + 1, 10, 41, 10 + size.cx}));
    SelectObject(Dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(up);
    DeleteObject(down);
}

TEST_F(TextTest, UnderlineAndStrikeOutSpanTheText) {
    const HFONT lined = MakeFont("Arial", -11, FW_NORMAL, 0, true, true);
    SelectObject(Dc(), lined);
    SetBkMode(Dc(), TRANSPARENT);
    const SIZE size = Extent("  ");
    TextOutA(Dc(), 10, 10, "  ", 2);
    // Spaces draw nothing but the two lines, one pixel thick at this size, across the advance.
    const RECT ink = InkBounds().value();
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.right, 10 + size.cx);
    EXPECT_EQ(Canvas().Count(RGB(0, 0, 0)), 2 * size.cx);
    SelectObject(Dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(lined);
}

TEST_F(TextTest, BadArgumentsFailWithoutDrawing) {
    SIZE size;
    EXPECT_FALSE(GetTextExtentPoint32A(HDC::FromValue(0x7FFFFFF1), "a", 1, &size));
    EXPECT_FALSE(ExtTextOutA(HDC::FromValue(0x7FFFFFF1), 0, 0, 0, nullptr, "a", 1, nullptr));
    RECT rect{0, 0, 10, 10};
    EXPECT_EQ(DrawTextA(HDC::FromValue(0x7FFFFFF1), "a", 1, &rect, 0), 0);
    EXPECT_EQ(DrawTextA(Dc(), "a", 1, nullptr, 0), 0);
    int fit = -1;
    int dx[3] = {};
    ASSERT_TRUE(GetTextExtentExPointA(Dc(), "abc", 3, Extent("ab").cx, &fit, dx, &size));
    EXPECT_EQ(fit, 2);
    EXPECT_EQ(dx[2], Extent("abc").cx);
    EXPECT_EQ(InkBounds(), std::nullopt);
}

} // namespace texttest

namespace texttest {

TEST_F(TextTest, CaptionTextIsBoldCentredAndCut) {
    const COLORREF colour = GetSysColor(COLOR_CAPTIONTEXT);
    const COLORREF back = RGB(1, 2, 3);
    const RECT band{10, 10, 60, 28};
    const RECT all{0, 0, 200, 120};
    const HBRUSH brush = CreateSolidBrush(back);
    FillRect(Dc(), &all, brush);
    DeleteObject(brush);
    win::text::DrawCaptionText(Dc(), band, "A rather long window title", true);
    RECT ink{1000, 1000, -1000, -1000};
    int inked = 0;
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (GetPixel(Dc(), x, y) != back) {
                EXPECT_EQ(GetPixel(Dc(), x, y), colour);
                ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
                       std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
                ++inked;
            }
        }
    }
    ASSERT_GT(inked, 0);
    EXPECT_GE(ink.left, 12);
    EXPECT_LE(ink.right, 60);
    // The 13-pixel cell sits in the middle of the 18-pixel band.
    EXPECT_GE(ink.top, 12);
    EXPECT_LE(ink.bottom, 12 + 13);
}

// Advances and rectangles anywhere in the int range are laid out within the coordinate range:
// the first character still lands where it should.
TEST_F(TextTest, ExtremeAdvancesAndRectanglesDrawWhatShows) {
    const INT dx[] = {INT_MAX, INT_MIN, 5};
    EXPECT_TRUE(ExtTextOutA(Dc(), 2, 2, 0, nullptr, "Mab", 3, dx));
    const std::optional<RECT> first = InkBounds();
    ASSERT_TRUE(first);
    EXPECT_LE(first->right, 2 + Extent("M").cx + 1);

    Clear();
    RECT everywhere{INT_MIN, 4, INT_MAX, 30};
    EXPECT_GT(DrawTextA(Dc(), "M", -1, &everywhere, DT_RIGHT | DT_SINGLELINE | DT_VCENTER), 0);
    EXPECT_FALSE(InkBounds());
}

} // namespace texttest
