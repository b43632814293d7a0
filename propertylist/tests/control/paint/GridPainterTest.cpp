// The paint pass over row trees: cell colours by row kind and selection, plus/minus boxes, tree
// lines, grid lines, row looks, custom drawing and what a pass leaves behind in the DC.

#include "PaintFixture.h"

#include "shared/util/ColorUtils.h"

#include "platform/ole/convert/Conversions.h"

namespace painttest {
namespace {

// A point of the row's name cell right of its text.
win::POINT NamePoint(const ole::Ptr<CNode>& row) {
    const auto r = row->NameRect();
    return {r.right - 4, (r.top + r.bottom) / 2};
}

TEST_F(PaintTest, PlusMinusBoxShowsMinusWhenExpandedAndPlusWhenCollapsed) {
    Settings().treeStyle = 1;
    Add("Width", 10, "Layout");
    Paint();
    const auto category = Rows()[0];
    const auto b = category->PlusMinusRect();
    ASSERT_EQ(b.right - b.left, 11);
    const int midX = (b.left + b.right) / 2;
    const int midY = (b.top + b.bottom) / 2;
    // Frame in the line colour, bar in the category text colour.
    EXPECT_EQ(At(b.left, b.top), kGrey);
    EXPECT_EQ(At(b.right - 1, b.bottom - 1), kGrey);
    EXPECT_EQ(At(b.left + 2, midY), kNavy);
    EXPECT_EQ(At(b.right - 3, midY), kNavy);
    EXPECT_EQ(At(b.right - 2, midY), kSky);
    EXPECT_EQ(At(midX, b.top + 2), kSky);

    category->SetExpanded(false);
    Paint();
    ASSERT_EQ(Rows().size(), 1u);
    EXPECT_EQ(At(midX, b.top + 2), kNavy);
    EXPECT_EQ(At(midX, b.bottom - 3), kNavy);
    EXPECT_EQ(At(midX, b.bottom - 2), kSky);

    // The selected category's box takes the highlight colours.
    m_selected = category;
    Paint();
    EXPECT_EQ(At(b.left + 1, b.top + 1), kBlue);
    EXPECT_EQ(At(midX, b.top + 2), kWhite);
    EXPECT_EQ(At(b.left, b.top), kGrey);

    // A row colour of -1 takes the control's colour for the row's kind, in cell and box alike.
    m_selected.Reset();
    category->SetExpanded(true);
    category->SetBackColor(-1);
    Settings().categoryBackColor = static_cast<int32_t>(0x8000000F);
    Paint();
    const win::COLORREF face = win::GetSysColor(win::COLOR_BTNFACE);
    EXPECT_EQ(At(NamePoint(category).x, NamePoint(category).y), face);
    EXPECT_EQ(At(b.left + 1, b.top + 1), face);
    const auto property = category->FirstChild();
    property->SetBackColor(-1);
    Settings().propertyBackColor = static_cast<int32_t>(kGreen);
    Paint();
    EXPECT_EQ(At(NamePoint(property).x, NamePoint(property).y), kGreen);
    EXPECT_EQ(At(NamePoint(category).x, NamePoint(category).y), face);
}

TEST_F(PaintTest, AlphabeticViewDrawsNoBoxesOrTreeLines) {
    Settings().treeStyle = 3;
    Add("Width", 10, "Layout");
    Add("Height", 10, "Layout");
    Paint();
    const auto category = Rows()[0];
    const auto b = category->PlusMinusRect();
    ASSERT_FALSE(win::IsRectEmpty(&b));
    EXPECT_EQ(At(b.left, b.top), kGrey);

    Settings().activeView = 0;
    Paint();
    // Where the box and lines were, the rows show their plain fill.
    for (const auto& row : Rows()) {
        const int top = row->RowRect().top;
        EXPECT_EQ(Count({0, top, 2, top + kRowHeight}, kGrey), 0) << row->Name();
    }
    EXPECT_EQ(Count({0, 0, kSplit, 2 * kRowHeight}, kGrey), 0);
}

TEST_F(PaintTest, TreeLinesAreDottedAndStopBeforeTheText) {
    Settings().treeStyle = 2;
    Add("Alpha", 1, "Layout");
    Add("Beta", 2, "Layout");
    Paint();
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 3u);
    const auto first = rows[1];
    const auto last = rows[2];
    const int x = first->TreeLineX();
    const int top = first->RowRect().top;
    const int mid = top + kRowHeight / 2;
    // The top-level category has no lines of its own in this style.
    EXPECT_EQ(Count({0, 0, kSplit, kRowHeight}, kGrey), 0);
    // Vertical: one pixel wide, line colour on its first pixel, the DC background colour (white)
    // on the next: the pattern's 1 bits.
    EXPECT_EQ(At(x, top), kGrey);
    EXPECT_EQ(At(x, top + 1), kWhite);
    EXPECT_EQ(At(x, top + 2), kGrey);
    EXPECT_EQ(At(x - 1, top), kCream);
    EXPECT_EQ(At(x + 1, top), kCream);
    // The first property has a next sibling: its line runs the full height, and its horizontal
    // line starts one pixel right of the vertical one and ends two pixels before the text.
    EXPECT_EQ(At(x, top + kRowHeight - 2), kGrey);
    const int start = x + 1;
    const int end = first->TextLeft() - 2;
    ASSERT_LT(start + 1, end);
    EXPECT_EQ(At(start, mid), kGrey);
    EXPECT_EQ(At(start + 1, mid), kWhite);
    EXPECT_EQ(At(end, mid), kCream);
    EXPECT_EQ(At(end + 1, mid), kCream);
    // The last sibling's vertical line stops in the middle of its row.
    const int lastTop = last->RowRect().top;
    EXPECT_EQ(At(x, lastTop), kGrey);
    EXPECT_EQ(Count({x, lastTop + kRowHeight / 2 + 1, x + 1, lastTop + kRowHeight}, kGrey), 0);
}

TEST_F(PaintTest, TreeLinesWithBoxesJoinTopLevelRows) {
    Settings().treeStyle = 3;
    Add("Alpha", 1, "Layout");
    Add("Beta", 2, "Look");
    Paint();
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 4u);
    const auto first = rows[0];
    const int x = first->TreeLineX();
    // The first top-level row's line starts at its middle and continues to the next category,
    // passing the first category's children.
    const auto b = first->PlusMinusRect();
    EXPECT_EQ(Count({x, 0, x + 1, b.top}, kGrey), 0);
    EXPECT_EQ(At(x, kRowHeight + 0), kGrey);
    EXPECT_EQ(At(x, kRowHeight + 1), kWhite);
    // The box covers the line's end: its inside is the category fill.
    EXPECT_EQ(At(b.left + 1, b.top + 1), kSky);
}

TEST_F(PaintTest, SelectedRowTakesHighlightColoursInBothCells) {
    Add("Width", ole::Variant(std::string("wide")), "Layout");
    Paint();
    const auto property = Rows()[1];
    m_selected = property;
    Paint();
    const auto name = property->NameRect();
    const auto value = property->ValueRect();
    EXPECT_EQ(At(name.right - 3, name.top + 1), kBlue);
    EXPECT_EQ(At(value.right - 3, value.top + 1), kBlue);
    EXPECT_GT(Count(name, kWhite), 5);
    EXPECT_GT(Count(value, kWhite), 5);
    EXPECT_EQ(Count(name, kBlack), 0);
    // The unselected category keeps its own look.
    EXPECT_EQ(At(kSplit + 70, 3), kSky);
}

TEST_F(PaintTest, GridLinesSolidAndDottedAtTheCellEdges) {
    Settings().activeView = 0;
    Settings().grid = 1;
    Add("Width", 10);
    Add("Height", 20);
    Paint();
    const auto row = Rows()[0];
    const auto name = row->NameRect();
    const auto value = row->ValueRect();
    // Name cell: vertical line at its last column, horizontal line on its last row.
    for (int y = name.top; y < name.bottom; ++y)
        EXPECT_EQ(At(name.right - 1, y), kGrey) << y;
    for (int x = name.left; x < name.right; ++x)
        EXPECT_EQ(At(x, name.bottom - 1), kGrey) << x;
    // Value cell: the vertical line one past the cell's right edge.
    EXPECT_EQ(At(value.right, value.top + 5), kGrey);
    EXPECT_EQ(At(value.right - 1, value.top + 5), kCream);
    EXPECT_EQ(At(value.right - 5, value.bottom - 1), kGrey);

    Settings().grid = 2;
    Paint();
    const int x = name.right - 1;
    EXPECT_NE(At(x, 4), At(x, 5));
    EXPECT_EQ(At(x, 4), At(x, 6));
    EXPECT_TRUE(At(x, 4) == kGrey || At(x, 4) == kWhite);
    EXPECT_EQ(At(x - 1, 4), kCream);
    // The horizontal line starts with the line colour at its left end.
    EXPECT_EQ(At(0, name.bottom - 1), kGrey);
    EXPECT_EQ(At(1, name.bottom - 1), kWhite);
}

TEST_F(PaintTest, BoldAndColouredRowsUseTheirOwnLook) {
    Settings().activeView = 0;
    Add("Sample", 1, "A");
    auto bold = Add("Sample", 2, "B");
    auto coloured = Add("Sample", 3, "C");
    bold->LetBold(true);
    coloured->LetBackColor(static_cast<int32_t>(kGreen));
    coloured->LetForeColor(static_cast<int32_t>(kRed));
    Paint();
    const auto rows = Rows();
    const auto nameOf = [&](int i) { return rows[static_cast<size_t>(i)]->NameRect(); };
    EXPECT_GT(Ink(nameOf(1), kCream), Ink(nameOf(0), kCream));
    EXPECT_EQ(At(nameOf(2).right - 3, nameOf(2).top + 1), kGreen);
    EXPECT_GT(Count(nameOf(2), kRed), 5);
    EXPECT_EQ(Count(nameOf(2), kBlack), 0);
    // 3D rows get a raised frame: light top-left, dark bottom-right.
    coloured->LetAppearance(1);
    Paint();
    const auto c = nameOf(2);
    EXPECT_EQ(At(c.left, c.top + 5), shared::LightenColor(shared::LightenColor(kGreen)));
    EXPECT_EQ(At(c.right - 1, c.top + 5),
              shared::DarkenColor(shared::DarkenColor(shared::DarkenColor(kGreen))));
}

TEST_F(PaintTest, PropertyDrawStagesAndDoDefault) {
    Settings().activeView = 0;
    Settings().grid = 1;
    auto custom = Add("Custom", ole::Variant(std::string("text")));
    custom->LetBackColor(static_cast<int32_t>(kGreen));
    custom->LetCustomDraw(true);
    Add("Plain", 1);
    struct Call {
        std::string name;
        ksDrawStage stage;
        int32_t cx;
        int32_t cy;
    };
    std::vector<Call> calls;
    m_raiser = [&](win::HDC, const ole::Ptr<CProperty>& p, int32_t cx, int32_t cy,
                   ksDrawStage stage, bool& doDefault) {
        calls.push_back({p->GetName(), stage, cx, cy});
        EXPECT_TRUE(doDefault);
        doDefault = false;
    };
    Paint();
    // Only the custom row's value cell, in stage order, with the cell's size less one.
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].stage, ksPreErase);
    EXPECT_EQ(calls[1].stage, ksPostErase);
    EXPECT_EQ(calls[2].stage, ksPostDraw);
    const auto value = Rows()[0]->ValueRect();
    EXPECT_EQ(calls[0].name, "Custom");
    EXPECT_EQ(calls[0].cx, value.right - value.left - 1);
    EXPECT_EQ(calls[0].cy, kRowHeight - 1);
    // The host kept the value cell from being filled, yet lines and text are there.
    EXPECT_EQ(At(value.right - 3, value.top + 1), kCream);
    EXPECT_EQ(At(value.right, value.top + 1), kGrey);
    EXPECT_GT(Ink({value.left, value.top, value.right, value.bottom - 1}, kCream), 5);
    const auto name = Rows()[0]->NameRect();
    EXPECT_EQ(At(name.right - 3, name.top + 1), kGreen);

    // A category row never raises it, whatever its property rows do.
    calls.clear();
    Settings().activeView = 1;
    Paint();
    EXPECT_EQ(calls.size(), 3u);
}

TEST_F(PaintTest, ColourSwatchAndValuesThatAreNoColour) {
    Settings().activeView = 0;
    Add("Good", static_cast<int32_t>(kRed), "Misc", shared::KSColorEditor);
    auto bad = Add("Bad", 0, "Misc", shared::KSColorEditor);
    bad->LetValue(ole::Variant(std::string("abc")));
    Add("After", 1);
    Paint();
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 3u);
    const auto good = rows[0]->ValueRect();
    const int side = kRowHeight - 6;
    // Outline in the text colour, fill in the value's colour.
    EXPECT_EQ(At(good.left + 2, good.top + 2), kBlack);
    EXPECT_EQ(At(good.left + 2 + side / 2, good.top + 2 + side / 2), kRed);
    EXPECT_EQ(At(good.left + 2 + side, good.top + 2 + side / 2), kCream);

    // No swatch: the text starts where a plain value's would.
    const auto badRect = rows[1]->ValueRect();
    EXPECT_EQ(Count(badRect, kRed), 0);
    EXPECT_EQ(At(badRect.left + 2, badRect.top + 2), kCream);
    const auto firstInk = FirstInkColumn(badRect, kCream);
    ASSERT_TRUE(firstInk.has_value());
    EXPECT_LT(*firstInk, badRect.left + 2 + side);
    // The pass went on.
    EXPECT_GT(Ink(rows[2]->NameRect(), kCream), 5);
}

TEST_F(PaintTest, OnlyRowsMeetingTheUpdateRectangleAreDrawn) {
    Settings().activeView = 0;
    for (int i = 0; i < 6; ++i)
        Add("Row" + std::to_string(i), i);
    Surface(120);
    Layout(1);
    const auto context = Context();
    // Paint the second visible row only (rows 1 and 2 of the tree; row 0 is scrolled away).
    GridPainter(context).PaintGridArea(m_dc, {0, kRowHeight, kWidth, 2 * kRowHeight});
    EXPECT_EQ(At(5, 5), kWhite);
    EXPECT_GT(Ink({0, kRowHeight, kSplit, 2 * kRowHeight}, kCream), 5);
    EXPECT_EQ(At(5, 2 * kRowHeight + 5), kWhite);
}

TEST_F(PaintTest, PassRestoresTheDcAndKeepsTheGdiCount) {
    Settings().treeStyle = 3;
    Settings().grid = 2;
    auto bold = Add("Bold", 1, "A");
    bold->LetBold(true);
    auto italic = Add("Italic", static_cast<int32_t>(kRed), "A", shared::KSColorEditor);
    italic->LetItalic(true);
    italic->LetAppearance(1);
    Add("Plain", 3, "B");
    Surface();
    const size_t baseline = win::test::LiveGdiObjectCount();
    const win::HDC dc = m_dc;
    win::SetTextColor(dc, kMagenta);
    win::SetBkMode(dc, win::OPAQUE);
    win::SetViewportOrgEx(dc, 0, 0, nullptr);
    const win::HGDIOBJ font = win::GetCurrentObject(dc, win::OBJ_FONT);
    const win::HGDIOBJ pen = win::GetCurrentObject(dc, win::OBJ_PEN);
    const win::HGDIOBJ brush = win::GetCurrentObject(dc, win::OBJ_BRUSH);
    win::POINT brushOrigin;
    win::GetBrushOrgEx(dc, &brushOrigin);

    Layout();
    m_selected = Rows()[1];
    const auto context = Context();
    GridPainter(context).PaintGridArea(dc, {0, 0, kWidth, m_height});
    const size_t afterFirstPass = win::test::LiveGdiObjectCount();
    GridPainter(context).PaintGridArea(dc, {0, 0, kWidth, m_height});
    EXPECT_EQ(win::test::LiveGdiObjectCount(), afterFirstPass);

    EXPECT_EQ(win::GetTextColor(dc), kMagenta);
    EXPECT_EQ(win::GetBkMode(dc), win::OPAQUE);
    win::POINT viewport;
    win::GetViewportOrgEx(dc, &viewport);
    EXPECT_EQ(viewport, (win::POINT{0, 0}));
    win::POINT window;
    win::GetWindowOrgEx(dc, &window);
    EXPECT_EQ(window, (win::POINT{0, 0}));
    win::POINT brushOriginAfter;
    win::GetBrushOrgEx(dc, &brushOriginAfter);
    EXPECT_EQ(brushOriginAfter, brushOrigin);
    EXPECT_EQ(win::GetCurrentObject(dc, win::OBJ_FONT), font);
    EXPECT_EQ(win::GetCurrentObject(dc, win::OBJ_PEN), pen);
    EXPECT_EQ(win::GetCurrentObject(dc, win::OBJ_BRUSH), brush);

    // The cached objects are all the pass made; the cache takes them along.
    m_resources.reset();
    EXPECT_EQ(win::test::LiveGdiObjectCount(), baseline);
    m_resources = std::make_unique<shared::CResourceMgr>();
}

} // namespace
} // namespace painttest
