#include "InputFixture.h"

#include "shared/util/EditorValue.h"

#include "platform/win/controls/ControlConstants.h"

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace attrgrid::test {
namespace {

constexpr int kDtnCloseUp = -753;

class HoverTest : public InputFixture {
protected:
    win::HWND Tip() {
        struct Search {
            win::HWND owner;
            win::HWND found;
        } search{Grid().GridWnd(), {}};
        win::EnumWindows(
            [](win::HWND hwnd, win::LPARAM lParam) -> win::BOOL {
                auto& s = *reinterpret_cast<Search*>(lParam);
                char name[64] = {};
                win::GetClassNameA(hwnd, name, sizeof(name));
                if (std::string(name) == win::TOOLTIPS_CLASSA && win::GetParent(hwnd) == s.owner) {
                    s.found = hwnd;
                    return win::FALSE;
                }
                return win::TRUE;
            },
            reinterpret_cast<win::LPARAM>(&search));
        return search.found;
    }
    bool TipShown() { return win::IsWindowVisible(Tip()) != win::FALSE; }
    std::string TipText() {
        win::TOOLINFOA info{};
        info.cbSize = sizeof(info);
        info.hwnd = Grid().GridWnd();
        info.uId = static_cast<win::UINT_PTR>(Grid().GridWnd().Value());
        std::string buffer(512, '\0');
        info.lpszText = buffer.data();
        win::SendMessageA(Tip(), win::TTM_GETTEXTA, buffer.size(),
                          reinterpret_cast<win::LPARAM>(&info));
        return buffer.substr(0, buffer.find('\0'));
    }
    // The pointer comes to rest over a point of the grid, as a hand moves it there.
    void HoverAt(win::POINT pt, uint32_t restMs = 600) {
        win::test::mouseMove(Grid().GridWnd(), {pt.x - 1, pt.y});
        win::test::pump();
        win::test::mouseMove(Grid().GridWnd(), pt);
        win::test::pump();
        win::test::advanceTime(restMs);
    }
    win::LRESULT Notify(win::HWND from, int code) {
        win::NMHDR header{from, 0, code};
        return win::SendMessageA(Grid().GridWnd(), win::WM_NOTIFY, 0,
                                 reinterpret_cast<win::LPARAM>(&header));
    }
    static constexpr const char* kLong =
        "a value far too long for the value column of the list to show in full";
};

TEST_F(HoverTest, AClippedValueShowsInFullOverItsCell) {
    Z& grid = ShowGrid();
    AddProperties(2);
    grid.GetProperties()->Item(ole::Variant(2))->LetValue(ole::Variant(kLong));
    const auto row = Row("P1");
    const win::RECT cell = row->ValueRect();
    // The tip waits for the tooltip's initial delay of 500 ms.
    HoverAt({cell.left + 20, (cell.top + cell.bottom) / 2}, 400);
    EXPECT_FALSE(TipShown());
    win::test::advanceTime(200);
    ASSERT_TRUE(TipShown());
    EXPECT_EQ(TipText(), kLong);
    win::RECT tip{};
    win::GetWindowRect(Tip(), &tip);
    win::POINT start{cell.left - 1, cell.top};
    win::ClientToScreen(grid.GridWnd(), &start);
    EXPECT_EQ(tip.left, start.x);
    EXPECT_EQ(tip.top, start.y);
    const auto back =
        static_cast<win::COLORREF>(win::SendMessageA(Tip(), win::TTM_GETTIPBKCOLOR, 0, 0));
    EXPECT_EQ(back, win::GetSysColor(win::COLOR_WINDOW));

    // Moving within the cell keeps the tip as it was built.
    grid.GetProperties()->Item(ole::Variant(2))->LetValue(ole::Variant("short"));
    win::test::mouseMove(grid.GridWnd(), {cell.left + 30, (cell.top + cell.bottom) / 2});
    win::test::pump();
    EXPECT_TRUE(TipShown());
    EXPECT_EQ(TipText(), kLong);
}

// Row numbers are unique within one tree only: once the view switches or the list is refilled, the
// row under the pointer is another row even when it carries the number the tip was built for.
TEST_F(HoverTest, TheTipIsRebuiltForTheRowsOfANewViewOrList) {
    Z& grid = ShowGrid();
    AddProperties(2);
    grid.GetProperties()->Item(ole::Variant(2))->LetValue(ole::Variant(kLong));
    const win::RECT cell = Row("P1")->ValueRect();
    const int y = (cell.top + cell.bottom) / 2;
    for (const auto& replaceRows :
         std::vector<std::function<void()>>{[&] { grid.LetActiveView(ksCatagorized); },
                                            [&] {
                                                grid.GetProperties()->Clear();
                                                AddProperties(3);
                                            }}) {
        HoverAt({cell.left + 20, y});
        ASSERT_EQ(TipText(), kLong);
        replaceRows();
        // The row under the pointer now shows a short value, which fits.
        win::test::mouseMove(grid.GridWnd(), {cell.left + 30, y});
        win::test::pump();
        EXPECT_EQ(TipText(), "");
        grid.LetActiveView(ksAlphabetic);
        grid.GetProperties()->Clear();
        AddProperties(2);
        grid.GetProperties()->Item(ole::Variant(2))->LetValue(ole::Variant(kLong));
    }
}

TEST_F(HoverTest, TextThatFitsShowsNoTip) {
    Z& grid = ShowGrid();
    AddProperties(2);
    HoverAt(NamePoint("P1"));
    EXPECT_FALSE(TipShown());
    EXPECT_EQ(TipText(), "");

    // Without ShowToolTip nothing is prepared either.
    grid.LetShowToolTip(false);
    grid.GetProperties()->Item(ole::Variant(1))->LetValue(ole::Variant(kLong));
    const win::RECT cell = Row("P0")->ValueRect();
    HoverAt({cell.left + 20, (cell.top + cell.bottom) / 2});
    EXPECT_FALSE(TipShown());
}

TEST_F(HoverTest, PointerPositionsAreReadInTheGridsOwnUnits) {
    Z& grid = ShowGrid();
    AddProperties(3);
    grid.GetProperties()->Item(ole::Variant(3))->LetValue(ole::Variant(kLong));
    for (const char* units : {"Inch", "Pixel", "Centimeter"}) {
        forms::test::TestHost::SetAmbientScaleUnits(Ext(), units);
        HoverAt(NamePoint("P0"));
        const win::RECT cell = Row("P2")->ValueRect();
        HoverAt({cell.left + 20, (cell.top + cell.bottom) / 2});
        EXPECT_TRUE(TipShown()) << units;
        EXPECT_EQ(TipText(), kLong) << units;
    }
}

TEST_F(HoverTest, ALongNameUsesTheRowColours) {
    Z& grid = ShowGrid();
    grid.LetPropertyBackColor(0x00C0FFEE);
    auto property = grid.GetProperties()->Add(kLong, ole::Variant(1));
    property->LetForeColor(0x00123456);
    HoverAt(NamePoint(kLong));
    ASSERT_TRUE(TipShown());
    EXPECT_EQ(TipText(), kLong);
    EXPECT_EQ(win::SendMessageA(Tip(), win::TTM_GETTIPBKCOLOR, 0, 0), 0x00C0FFEE);
    EXPECT_EQ(win::SendMessageA(Tip(), win::TTM_GETTIPTEXTCOLOR, 0, 0), 0x00123456);
    win::RECT tip{};
    win::GetWindowRect(Tip(), &tip);
    win::POINT start{Row(kLong)->TextLeft() - 1, Row(kLong)->RowRect().top};
    win::ClientToScreen(grid.GridWnd(), &start);
    EXPECT_EQ(tip.left, start.x);
}

TEST_F(HoverTest, ShowWithNoRowUnderThePointerLeavesThePlacementToTheTip) {
    Z& grid = ShowGrid();
    AddProperties(2);
    win::test::mouseMove(grid.GridWnd(), {30, Row("P1")->RowRect().bottom + 20});
    win::test::pump();
    EXPECT_EQ(Notify(Tip(), win::TTN_SHOW), 0);
    EXPECT_EQ(Notify(Tip(), win::TTN_POP), 0);
    // From another window the notification is not the tip's.
    win::test::mouseMove(grid.GridWnd(), NamePoint("P1"));
    win::test::pump();
    EXPECT_EQ(Notify(grid.GridWnd(), win::TTN_SHOW), 0);
    EXPECT_EQ(Notify(Tip(), win::TTN_SHOW), 1);
    // Once placed for the cell, a second show there changes nothing.
    EXPECT_EQ(Notify(Tip(), win::TTN_SHOW), 0);
    EXPECT_EQ(Notify(Tip(), win::TTN_POP), 0);
    EXPECT_EQ(Notify(Tip(), win::TTN_SHOW), 1);

    // A colour value's text starts after its swatch; a colour row whose value is no colour
    // draws no swatch, so its text starts at the cell's edge.
    for (const auto& [name, value, swatch] :
         std::vector<std::tuple<std::string, ole::Variant, bool>>{
             {"Colour", ole::Variant(255), true},
             {"No colour", ole::Variant("not a colour"), false}}) {
        // The editor type set afterwards, as a host may: Add refuses text for a colour.
        Grid().GetProperties()->Add(name, value)->LetEditorType(shared::KSColorEditor);
        const win::RECT cell = Row(name)->ValueRect();
        win::test::mouseMove(grid.GridWnd(), {cell.left + 30, cell.top + 3});
        win::test::pump();
        EXPECT_EQ(Notify(Tip(), win::TTN_SHOW), 1) << name;
        win::RECT tip{};
        win::GetWindowRect(Tip(), &tip);
        win::POINT start{cell.left + (swatch ? cell.bottom - cell.top - 4 : 0) - 1, cell.top};
        win::ClientToScreen(grid.GridWnd(), &start);
        EXPECT_EQ(tip.left, start.x) << name;
        EXPECT_EQ(tip.top, start.y) << name;
    }
}

TEST_F(HoverTest, CalendarCloseCommitsOnlyTheDateEditor) {
    Z& grid = ShowGrid();
    AddProperties(2);
    auto dateEditor = TestEditor::Create();
    auto other = TestEditor::Create();
    InputTestAccess::RegisterBuiltin(grid, "INTERNAL_6", dateEditor);
    // A host editor registered under the same name is not the date editor.
    ASSERT_TRUE(grid.RegisterEditor("INTERNAL_6", other));
    Press(win::VK_DOWN);
    grid.CommitActiveEditor();

    GridTestAccess::OpenEditor(grid, other, grid.SelectedNode());
    EXPECT_EQ(Notify(grid.GridWnd(), kDtnCloseUp), 0);
    EXPECT_EQ(other->commits, 0);
    EXPECT_EQ(grid.ActiveEditor().Get(), other.Get());
    grid.CommitActiveEditor();

    GridTestAccess::OpenEditor(grid, dateEditor, grid.SelectedNode());
    dateEditor->value = ole::Variant("1/2/2024");
    EXPECT_EQ(Notify(grid.GridWnd(), kDtnCloseUp), 0);
    EXPECT_EQ(dateEditor->commits, 1);
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_EQ(ole::CStr(grid.GetSelectedProperty()->GetValue()), "1/2/2024");
}

} // namespace
} // namespace attrgrid::test
