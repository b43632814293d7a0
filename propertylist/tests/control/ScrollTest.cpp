#include "InputFixture.h"

#include "platform/forms/control/ControlIds.h"
#include "platform/ole/picture/Picture.h"

#include "shared/util/EditorValue.h"

#include <algorithm>
#include <vector>

namespace attrgrid::test {
namespace {

class ScrollTest : public InputFixture {
protected:
    forms::VScrollBar& Bar() { return *Grid().ScrollBar(); }
    int32_t ClientBottom() {
        win::RECT rc{};
        win::GetClientRect(Grid().GridWnd(), &rc);
        return rc.bottom;
    }
    bool InView(const std::string& name) {
        const win::RECT r = Row(name)->RowRect();
        return r.top >= Grid().HeaderHeightPixels() && r.bottom <= ClientBottom();
    }
    // Every property draws itself through PropertyDraw; `painted` lists the value cells drawn.
    void CountRowPaints() {
        auto properties = Grid().GetProperties();
        for (int32_t i = 1; i <= properties->Count(); ++i)
            properties->Item(ole::Variant(i))->LetCustomDraw(true);
        win::test::pump();
        OnEvent(Z::EvPropertyDraw, [this](std::span<ole::Variant> args) {
            if (ole::CLng(args[4]) == 0)
                painted.push_back(ole::PtrCast<CProperty>(args[1].AsObject())->GetName());
        });
    }
    std::vector<std::string> painted;
    bool Painted(int n) const {
        return std::find(painted.begin(), painted.end(), "P" + std::to_string(n)) != painted.end();
    }
};

TEST_F(ScrollTest, ScrollBarMovesThePixelsAndPaintsOnlyTheNewStrip) {
    Z& grid = ShowGrid();
    const int32_t page = Page();
    AddProperties(page + 5);
    ASSERT_TRUE(grid.ScrollBarShown());
    CountRowPaints();
    const int32_t header = grid.HeaderHeightPixels();
    Bar().SetValue(2);
    EXPECT_EQ(Row("P0")->RowRect().top, header - 2 * grid.RowHeight());
    EXPECT_EQ(Row("P2")->RowRect().top, header);
    win::test::pump();
    // Only the rows that came in below were drawn; the rest moved, looking as a repaint draws them.
    EXPECT_TRUE(Painted(page + 1));
    for (int i = 2; i < page; ++i)
        EXPECT_FALSE(Painted(i)) << i;
    ExpectAsRepainted();
    painted.clear();
    Bar().SetValue(1);
    win::test::pump();
    EXPECT_TRUE(Painted(1));
    for (int i = 3; i < page; ++i)
        EXPECT_FALSE(Painted(i)) << i;
    ExpectAsRepainted();
}

TEST_F(ScrollTest, WithAPictureTheWholeGridIsRedrawn) {
    Z& grid = ShowGrid();
    std::vector<uint32_t> pixels(64 * 64);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = (i / 64 + i % 64) % 2 != 0 ? 0xFF2040C0 : 0xFFE0E0E0;
    grid.SetPicture(ole::Picture::FromImage(ole::Image{64, 64, pixels}, ole::PICTYPE_BITMAP));
    grid.LetPictureLayout(ksPictureTiled);
    const int32_t page = Page();
    AddProperties(page + 5);
    CountRowPaints();
    win::test::pump();
    painted.clear();
    Bar().SetValue(3);
    win::test::pump();
    for (int i = 3; i < page + 3; ++i)
        EXPECT_TRUE(Painted(i)) << i;
    // Moving the pixels would have dragged the background along with the rows.
    ExpectAsRepainted();
}

TEST_F(ScrollTest, ClickingTheArrowScrollsAndHandsTheFocusBack) {
    Z& grid = ShowGrid();
    AddProperties(Page() + 5);
    ClickRow("P0");
    win::RECT bar{};
    win::GetClientRect(Bar().Window(), &bar);
    win::test::click(Bar().Window(), {bar.right / 2, bar.bottom - 3});
    win::test::pump();
    EXPECT_EQ(Bar().GetValue(), 1);
    EXPECT_EQ(Row("P1")->RowRect().top, grid.HeaderHeightPixels());
    EXPECT_EQ(win::GetFocus(), grid.GridWnd());
}

TEST_F(ScrollTest, WheelScrollsThreeRowsPerNotchWithinTheRange) {
    Z& grid = ShowGrid();
    AddProperties(Page() + 10);
    ASSERT_EQ(Bar().GetMax(), 10);
    ClickRow("P0");
    win::POINT pt{40, 40};
    win::ClientToScreen(grid.GridWnd(), &pt);
    win::test::wheel(pt, -win::WHEEL_DELTA);
    win::test::pump();
    EXPECT_EQ(Bar().GetValue(), 3);
    EXPECT_EQ(Row("P3")->RowRect().top, grid.HeaderHeightPixels());
    win::test::wheel(pt, -3 * win::WHEEL_DELTA);
    win::test::pump();
    EXPECT_EQ(Bar().GetValue(), 10);
    win::test::wheel(pt, 2 * win::WHEEL_DELTA);
    win::test::pump();
    EXPECT_EQ(Bar().GetValue(), 4);
    win::test::wheel(pt, 5 * win::WHEEL_DELTA);
    win::test::pump();
    EXPECT_EQ(Bar().GetValue(), 0);

    // A high-resolution wheel's parts of a notch add up to whole notches; turning back starts
    // the count again.
    for (const auto& [delta, value] : std::vector<std::pair<int, int>>{
             {-40, 0}, {-40, 0}, {-40, 3}, {-60, 3}, {30, 3}, {-60, 3}, {-60, 6}}) {
        win::test::wheel(pt, delta);
        win::test::pump();
        EXPECT_EQ(Bar().GetValue(), value) << delta;
    }
}

TEST_F(ScrollTest, ScrollingStoresAnOpenEditFirst) {
    Z& grid = ShowGrid();
    AddProperties(Page() + 5);
    std::vector<std::string> order;
    OnEvent(Z::EvValidateValue, [&](std::span<ole::Variant>) {
        order.push_back("validate at " + std::to_string(Row("P0")->RowRect().top));
    });
    auto editor = UseTestEditor();
    ClickRow("P0");
    ASSERT_EQ(grid.ActiveEditor().Get(), static_cast<CEditor*>(editor.Get()));
    editor->value = ole::Variant("edited");
    const int32_t top = Row("P0")->RowRect().top;
    Bar().SetValue(1);
    EXPECT_EQ(order, std::vector<std::string>{"validate at " + std::to_string(top)});
    EXPECT_EQ(ole::CStr(grid.GetProperties()->Item(ole::Variant(1))->GetValue()), "edited");
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_FALSE(editor->visible);
}

TEST_F(ScrollTest, SelectingARowScrollsItIntoView) {
    Z& grid = ShowGrid();
    const int32_t page = Page();
    AddProperties(page + 5);
    Press(win::VK_DOWN);
    for (int i = 0; i < page + 2; ++i)
        Press(win::VK_DOWN);
    const std::string below = "P" + std::to_string(page + 2);
    EXPECT_EQ(SelectedName(), below);
    EXPECT_TRUE(InView(below));
    EXPECT_EQ(Row(below)->RowRect().bottom, grid.HeaderHeightPixels() + page * grid.RowHeight());
    EXPECT_EQ(Bar().GetValue(), 3);
    // The scroll moved the rows' pixels as they were; the row is still drawn selected.
    ExpectAsRepainted(true);

    grid.SetSelectedProperty(grid.GetProperties()->Item(ole::Variant(1)));
    EXPECT_TRUE(InView("P0"));
    EXPECT_EQ(Bar().GetValue(), 0);
    win::test::pump();
    ExpectAsRepainted(true);
}

// Collapsing a category so that every row fits hides the bar: the rows above the category widen.
TEST_F(ScrollTest, RowsAboveACollapseWidenWhenTheBarGoes) {
    Z& grid = ShowGrid();
    grid.LetActiveView(ksCatagorized);
    AddProperties(Page() - 3, "A");
    AddProperties(3, "B");
    ASSERT_TRUE(grid.ScrollBarShown());
    grid.ActiveNodes()->CategoryByName("B")->SetExpanded(false);
    win::test::pump();
    EXPECT_FALSE(grid.ScrollBarShown());
    ExpectAsRepainted(true);
}

TEST_F(ScrollTest, AGridLowerThanARowStillSelects) {
    ShowGrid({10, 10, 310, 62});
    AddProperties(6);
    ASSERT_EQ(Page(), 0);
    ASSERT_TRUE(Grid().ScrollBarShown());
    Press(win::VK_DOWN);
    Press(win::VK_DOWN);
    Press(win::VK_DOWN);
    EXPECT_EQ(SelectedName(), "P2");
    // The row's top is kept in sight.
    EXPECT_EQ(Row("P2")->RowRect().top, Grid().HeaderHeightPixels());
    Press(win::VK_UP);
    EXPECT_EQ(Row("P1")->RowRect().top, Grid().HeaderHeightPixels());
}

TEST_F(ScrollTest, AHiddenScrollBarEndsTheSearch) {
    Z& grid = ShowGrid();
    int errors = 0;
    OnEvent(Z::EvDisplayError, [&](std::span<ole::Variant>) { ++errors; });
    AddProperties(Page() + 4);
    Bar().SetValue(3);
    // Emptied, the grid hides its bar and the bar keeps its value; under LockRefresh neither the
    // bar nor the rows follow the new rows.
    while (grid.GetProperties()->Count() > 0)
        grid.GetProperties()->Remove(ole::Variant(1));
    ASSERT_FALSE(grid.ScrollBarShown());
    grid.LetLockRefresh(true);
    AddProperties(Page() + 8);
    ASSERT_FALSE(grid.ScrollBarShown());
    const int16_t stale = Bar().GetValue();
    ASSERT_GT(stale, 0);
    auto properties = grid.GetProperties();
    const auto last = properties->Item(ole::Variant(properties->Count()));
    grid.SetSelectedProperty(last);
    EXPECT_EQ(grid.GetSelectedProperty().Get(), last.Get());
    grid.SetSelectedProperty(properties->Item(ole::Variant(1)));
    EXPECT_EQ(SelectedName(), "P0");
    EXPECT_EQ(errors, 0);
    // A hidden bar's value places nothing, so it was left alone.
    EXPECT_EQ(Bar().GetValue(), stale);
}

TEST_F(ScrollTest, SelectingIntoACollapsedCategoryOpensOneEditorOnceInView) {
    Z& grid = ShowGrid();
    const int32_t page = Page();
    AddProperties(page + 4, "A");
    auto properties = grid.GetProperties();
    auto target = properties->Add("Z1", ole::Variant(1), "Z", shared::KSCustomEditor);
    target->LetEditorKey("T");
    auto editor = TestEditor::Create();
    ASSERT_TRUE(grid.RegisterEditor("T", editor));
    grid.LetActiveView(ksCatagorized);
    Row("Z")->SetExpanded(false);
    ASSERT_FALSE(InView("Z"));
    int validations = 0;
    OnEvent(Z::EvValidateValue, [&](std::span<ole::Variant>) { ++validations; });

    grid.SetSelectedProperty(target);
    EXPECT_EQ(SelectedName(), "Z1");
    EXPECT_TRUE(InView("Z1"));
    // The nested selection of the expansion opened nothing that the scroll then committed.
    EXPECT_EQ(validations, 0);
    EXPECT_EQ(editor->commits, 0);
    EXPECT_EQ(grid.ActiveEditor().Get(), static_cast<CEditor*>(editor.Get()));
    EXPECT_EQ(GridTestAccess::EditNode(grid).Get(), Row("Z1").Get());
    EXPECT_TRUE(editor->visible);
}

// Past the 16-bit bar's range each bar unit covers several rows; up to it one unit is one row.
TEST_F(ScrollTest, TheBarCoversEveryRowPastItsRange) {
    struct Case {
        int64_t rows, page;
        int32_t rowsPerUnit;
        int16_t max;
        int64_t lastOffset;
    };
    for (const Case& c :
         {Case{10, 4, 1, 6, 6}, Case{32767 + 20, 20, 1, 32767, 32767},
          Case{32768 + 20, 20, 2, 16384, 32768}, Case{100000, 20, 4, 24995, 99980}}) {
        const ScrollScale scale = ScrollScale::For(c.rows, c.page);
        EXPECT_EQ(scale.rowsPerUnit, c.rowsPerUnit) << c.rows;
        EXPECT_EQ(scale.Max(), c.max) << c.rows;
        EXPECT_EQ(scale.RowOffset(scale.Max()), c.lastOffset) << c.rows;
    }

    // Rows added past the range make each unit cover more rows: the next scroll moves the pixels
    // from where the rows were last laid out.
    Z& grid = ShowGrid();
    grid.LetLockRefresh(true);
    AddProperties(32000);
    grid.LetLockRefresh(false);
    Bar().SetValue(5);
    grid.LetLockRefresh(true);
    AddProperties(1000);
    grid.LetLockRefresh(false);
    win::test::pump();
    ASSERT_EQ(grid.ScrollBar()->GetMax(), (33000 - Page() + 1) / 2);
    Bar().SetValue(6);
    win::test::pump();
    ExpectAsRepainted(true);

    const std::string last = "P32999";
    grid.SetSelectedProperty(grid.GetProperties()->Item(ole::Variant(33000)));
    EXPECT_EQ(SelectedName(), last);
    EXPECT_TRUE(InView(last));
    Press(win::VK_UP);
    EXPECT_TRUE(InView("P32998"));
    Bar().SetValue(Bar().GetMax());
    EXPECT_EQ(Row(last)->RowRect().bottom, grid.HeaderHeightPixels() + Page() * grid.RowHeight());
}

// The last of 100,000 rows, in 100 categories, comes into view by every way of scrolling, in both
// views; each way starts from where the bar alone would not show it.
TEST_F(ScrollTest, TheLastOfAHundredThousandRowsIsReachedEveryWay) {
    Z& grid = ShowGrid();
    grid.LetLockRefresh(true);
    for (int c = 0; c < 100; ++c)
        AddProperties(1000, "C" + std::to_string(c));
    grid.LetLockRefresh(false);
    auto properties = grid.GetProperties();
    const auto nth = [&](int32_t n) { return properties->Item(ole::Variant(n)); };
    const std::string last = "P99999";
    win::RECT bar{};
    win::GetClientRect(Bar().Window(), &bar);
    const auto send = [&](int code) {
        win::SendMessageA(grid.GridWnd(), win::WM_VSCROLL, win::MAKEWPARAM(code, 0u),
                          win::HandleToParam(Bar().Window()));
    };
    const auto fromTop = [&] { Bar().SetValue(0); };
    // The selection stays while the bar goes back to the top.
    const auto selectedFromTop = [&](int32_t n) {
        return [&, n] {
            grid.SetSelectedProperty(nth(n));
            fromTop();
        };
    };
    const auto nearEnd = [&] { Bar().SetValue(static_cast<int16_t>(Bar().GetMax() - 1)); };
    const struct Way {
        const char* name;
        std::function<void()> start, act;
    } ways[] = {
        {"arrow", nearEnd,
         [&] {
             win::test::click(Bar().Window(), {bar.right / 2, bar.bottom - 3});
             win::test::pump();
         }},
        {"page", nearEnd, [&] { send(win::SB_PAGEDOWN); }},
        {"bottom", fromTop, [&] { send(win::SB_BOTTOM); }},
        {"thumb", fromTop,
         [&] {
             win::test::drag(Bar().Window(), {bar.right / 2, bar.right + 4},
                             {bar.right / 2, bar.bottom + 40});
             win::test::pump();
         }},
        {"wheel", nearEnd,
         [&] {
             win::POINT pt{40, 40};
             win::ClientToScreen(grid.GridWnd(), &pt);
             win::test::wheel(pt, -win::WHEEL_DELTA);
             win::test::pump();
         }},
        {"down key", selectedFromTop(99999), [&] { Press(win::VK_DOWN); }},
        {"page key", selectedFromTop(99990), [&] { Press(win::VK_NEXT); }},
        {"selection", fromTop, [&] { grid.SetSelectedProperty(nth(100000)); }},
    };
    for (const int32_t view : {ksAlphabetic, ksCatagorized}) {
        grid.LetActiveView(view);
        win::test::pump();
        for (const Way& way : ways) {
            way.start();
            win::test::pump();
            ASSERT_FALSE(InView(last)) << way.name;
            way.act();
            EXPECT_TRUE(InView(last)) << view << " " << way.name;
            EXPECT_EQ(Bar().GetValue(), Bar().GetMax()) << view << " " << way.name;
        }
    }
}

} // namespace
} // namespace attrgrid::test
