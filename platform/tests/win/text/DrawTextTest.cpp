#include "platform/tests/win/text/TextFixture.h"

namespace texttest {

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

int FloorHalf(int value) {
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

} // namespace

TEST_F(TextTest, EndEllipsisCentredInBothDirections) {
    // 0x8025 as a column header draws it: the cut text is centred, the line centred vertically.
    const LONG cut = Extent("Prope...").cx;
    ASSERT_GT(Extent("r").cx, 3);
    const LONG room = cut + 3; // short of "Proper...", and odd slack tells floor from ceiling
    RECT rect{10, 10, 10 + room, 40};
    SetBkColor(Dc(), kRed);
    EXPECT_EQ(DrawTextA(Dc(), "Properties", -1, &rect, 0x8025), 13);
    const int left = 10 + FloorHalf(room - cut);
    const int top = 10 + FloorHalf(30 - 13);
    EXPECT_EQ(InkBounds(), (RECT{left, top, left + cut, top + 13}));

    // 0x8024: the same, left-aligned.
    Clear();
    DrawTextA(Dc(), "Properties", -1, &rect, 0x8024);
    EXPECT_EQ(InkBounds(), (RECT{10, top, 10 + cut, top + 13}));
}

TEST_F(TextTest, WordEllipsisSingleLineCentredWithLiteralAmpersand) {
    // 0x40825: the one word is wider than the rectangle and is cut; '&' is not a prefix.
    const LONG cut = Extent("A&Bcdef...").cx;
    const LONG room = cut + 1;
    RECT rect{0, 0, room + 6, 13};
    rect.left = 6;
    SetBkColor(Dc(), kRed);
    DrawTextA(Dc(), "A&Bcdefghijklmnop", -1, &rect, 0x40825);
    const RECT ink = InkBounds().value();
    EXPECT_EQ(ink.right - ink.left, cut);
    EXPECT_EQ(ink.left, 6 + FloorHalf(room - cut));
}

TEST_F(TextTest, PrefixUnderlinesOneCharacter) {
    // 0x20: "&File" draws "File" with F underlined on the row below the baseline.
    RECT rect{10, 10, 150, 30};
    SetBkMode(Dc(), TRANSPARENT);
    DrawTextA(Dc(), "&File", -1, &rect, 0x20);
    const LONG f = Extent("F").cx;
    TEXTMETRICA tm;
    GetTextMetricsA(Dc(), &tm);
    const int underlineRow = 10 + tm.tmAscent;
    int underlined = 0;
    for (int x = 10; x < 10 + Extent("File").cx; ++x) {
        underlined += GetPixel(Dc(), x, underlineRow) == RGB(0, 0, 0) ? 1 : 0;
    }
    EXPECT_EQ(underlined, f);
    EXPECT_EQ(GetPixel(Dc(), 10 + f - 1, underlineRow), RGB(0, 0, 0));
    EXPECT_LE(InkBounds()->right, 10 + Extent("File").cx);
    EXPECT_GT(InkBounds()->right, 10 + Extent("Fil").cx);

    // DT_HIDEPREFIX keeps the text but not the line.
    Clear();
    DrawTextA(Dc(), "&File", -1, &rect, 0x20 | DT_HIDEPREFIX);
    EXPECT_EQ(GetPixel(Dc(), 10, underlineRow), RGB(255, 255, 255));
}

TEST_F(TextTest, WordBreakWithEllipsisStacksLines) {
    // 0x40010: the long word is cut on a line of its own; lines stack by tmHeight.
    const LONG width = Extent("Name Value").cx;
    RECT rect{0, 0, width, 100};
    SetBkColor(Dc(), kRed);
    EXPECT_EQ(DrawTextA(Dc(), "Name Value Supercalifragilistic", -1, &rect, 0x40010), 26);
    RECT ink = InkBounds().value();
    EXPECT_EQ(ink.bottom, 26);
    EXPECT_LE(ink.right, width);
    // The second line is the cut word, as wide as its prefix and dots.
    int right = 0;
    for (int x = 0; x < 200; ++x) {
        if (GetPixel(Dc(), x, 13) == kRed || GetPixel(Dc(), x, 13) == RGB(0, 0, 0)) {
            right = x + 1;
        }
    }
    EXPECT_LE(right, width);
    EXPECT_GT(right + Extent("...").cx, width - Extent("W").cx);

    // Measuring sets the bottom to the wrapped height without drawing.
    Clear();
    RECT measure{5, 5, 5 + width, 6};
    EXPECT_EQ(DrawTextA(Dc(), "Name Value Name", -1, &measure, DT_WORDBREAK | DT_CALCRECT), 26);
    EXPECT_EQ(measure.bottom, 5 + 26);
    EXPECT_EQ(measure.right, 5 + width);
    EXPECT_EQ(InkBounds(), std::nullopt);
}

TEST_F(TextTest, EditControlCentredLinesDropPartialLastLine) {
    // 0x4A811 in a box of one and a half lines: the first line ends in "..." and nothing of the
    // second is drawn.
    const LONG width = Extent("Some text...").cx + 3;
    RECT rect{20, 20, 20 + width, 20 + 19};
    SetBkColor(Dc(), kRed);
    DrawTextA(Dc(), "Some text that goes on", -1, &rect, 0x4A811);
    const RECT ink = InkBounds().value();
    EXPECT_EQ(ink.top, 20);
    EXPECT_EQ(ink.bottom, 33);
    const LONG drawn = Extent("Some text...").cx;
    EXPECT_LE(drawn, width);
    EXPECT_EQ(ink.right - ink.left, drawn);
    EXPECT_EQ(ink.left, 20 + FloorHalf(width - drawn));
}

TEST_F(TextTest, CentredSingleLineEllipsisOfWordsAndEnd) {
    // 0x48025: "Sub Supercalifragilistic" in a rectangle narrower than the long word.
    const LONG width = Extent("Sub Super").cx;
    RECT rect{0, 0, width, 13};
    SetBkColor(Dc(), kRed);
    DrawTextA(Dc(), "Sub Supercalifragilistic", -1, &rect, 0x48025);
    const RECT ink = InkBounds().value();
    EXPECT_LE(ink.right - ink.left, width);
    EXPECT_GT(ink.right - ink.left, width - Extent("W...").cx);
}

TEST_F(TextTest, ClippingAndNoClip) {
    RECT rect{10, 10, 20, 20};
    SetBkColor(Dc(), kRed);
    DrawTextA(Dc(), "Overflowing", -1, &rect, DT_SINGLELINE);
    EXPECT_EQ(InkBounds(), rect);
    Clear();
    DrawTextA(Dc(), "Overflowing", -1, &rect, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_EQ(InkBounds(), (RECT{10, 10, 10 + Extent("Overflowing").cx, 23}));
}

} // namespace texttest
