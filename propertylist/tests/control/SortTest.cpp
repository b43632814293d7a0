#include "GridFixture.h"

#include "propertylist/control/sort/Utf16Order.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/event/EventSink.h"
#include "platform/win/Win.h"

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

class SortTest : public GridFixture {
protected:
    void Add(const std::string& name, const std::string& category = {}, int value = 0) {
        Grid().GetProperties()->Add(name, ole::Variant(value), category);
    }
    // The clock moves on first: two clicks in a row are not one double click.
    void ClickHeader(bool nameHeader) {
        win::test::advanceTime(2000);
        win::test::click(
            Grid().Panel(nameHeader ? "m_picNameHeader" : "m_picValueHeader")->Window(), {5, 5});
        win::test::pump();
    }
    // The active tree as "Cat(child,child),prop" in sibling order, collapsed rows included;
    // with values, "name=value".
    std::string Outline(bool values = false) {
        std::function<std::string(ole::Ptr<CNode>)> level = [&](ole::Ptr<CNode> row) {
            std::string text;
            for (; row; row = row->NextSibling()) {
                text += (text.empty() ? "" : ",") + row->Name();
                if (values)
                    text += "=" + ole::CStr(row->Value());
                if (row->ChildCount() > 0)
                    text += "(" + level(row->FirstChild()) + ")";
            }
            return text;
        };
        return level(Grid().ActiveNodes()->ItemByPosition("P0_I1"));
    }
    void OnCompare(std::function<void(ole::DISPID, std::span<ole::Variant>)> handler) {
        for (ole::DISPID id : {Z::EvPropertyCompare, Z::EvCategoryCompare})
            OnEvent(id, [handler, id](std::span<ole::Variant> args) { handler(id, args); });
    }
};

TEST_F(SortTest, HeaderClicksAlternateTheOrderAndKeepEqualNamesInPlace) {
    Z& grid = ShowGrid();
    Add("b", {}, 1);
    Add("x", "One", 2);
    Add("a", {}, 3);
    Add("x", "Two", 4);
    grid.LetSortOnHeaderClick(false);
    ClickHeader(true);
    EXPECT_EQ(Outline(), "b,x,a,x");
    EXPECT_FALSE(grid.GetSorted());

    grid.LetSortOnHeaderClick(true);
    grid.SetSelectedProperty(grid.GetProperties()->Item(ole::Variant(1)));
    ClickHeader(true);
    EXPECT_EQ(Outline(true), "a=3,b=1,x=2,x=4");
    EXPECT_TRUE(grid.GetSorted());
    EXPECT_EQ(grid.SelectedNode(), nullptr);
    ClickHeader(false);
    EXPECT_EQ(Outline(true), "x=2,x=4,b=1,a=3");
    EXPECT_EQ(grid.GetSortOrder(), ksDescending);
    ClickHeader(true);
    EXPECT_EQ(Outline(true), "a=3,b=1,x=2,x=4");
    EXPECT_EQ(grid.ActiveNodes()->ItemByPosition("P0_I2")->RowRect().top,
              grid.HeaderHeightPixels() + grid.RowHeight());
}

TEST_F(SortTest, CategoriesComeFirstAtEveryLevelAndNamesCompareAsUtf16) {
    Z& grid = ShowGrid();
    grid.LetActiveView(ksCatagorized);
    Add("z", "A");
    Add("y", "A|Sub");
    Add("a", "A");
    Add("m", "A|Sub");
    Add("k2", "Only|Deep");
    Add("k1", "Only|Deep");
    Add("Top", "B");
    ClickHeader(true);
    // Below the single-child category "Only" the level is sorted too.
    EXPECT_EQ(Outline(), "A(Sub(m,y),a,z),B(Top),Only(Deep(k1,k2))");
    ClickHeader(true);
    EXPECT_EQ(Outline(), "Only(Deep(k2,k1)),B(Top),A(z,a,Sub(y,m))");

    // U+FF21 against U+1F600: the surrogate pair (0xD83D...) is the smaller, UTF-8 bytes are not.
    const std::string fullwidthA = "\xEF\xBC\xA1";
    const std::string grinning = "\xF0\x9F\x98\x80";
    EXPECT_GT(CompareUtf16Units(fullwidthA, grinning), 0);
    EXPECT_LT(CompareUtf16Units("a", "ab"), 0);
    grid.LetActiveView(ksAlphabetic);
    grid.GetProperties()->Clear();
    grid.LetSorted(false);
    grid.LetSortOrder(ksAscending);
    Add(fullwidthA);
    Add(grinning);
    ClickHeader(true);
    EXPECT_EQ(Outline(), grinning + "," + fullwidthA);
}

TEST_F(SortTest, CustomSortLetsTheHostDecideEachExchange) {
    Z& grid = ShowGrid();
    grid.LetActiveView(ksCatagorized);
    grid.LetCustomSort(true);
    Add("p", "Cat|Inner");
    Add("q", "Cat|Inner");
    Add("b", "Cat");
    Add("a", "Cat");
    Add("c", "Zed");
    std::vector<std::string> calls;
    OnCompare([&](ole::DISPID id, std::span<ole::Variant> args) {
        const bool rows = id == Z::EvPropertyCompare;
        calls.push_back(ole::CStr(rows ? ole::GetProperty(args[0], "Name") : args[0]) +
                        ole::CStr(rows ? ole::GetProperty(args[1], "Name") : args[1]) +
                        (ole::CBool(args[2]) ? "N" : "V") + (ole::CBool(args[3]) ? "1" : "0"));
        args[3].Deref() = ole::Variant(false);
    });
    ClickHeader(false);
    EXPECT_EQ(Outline(), "Cat(Inner(p,q),b,a),Zed(c)");
    // bSwap brings the control's own decision; a category row never meets a property row.
    EXPECT_EQ(calls, (std::vector<std::string>{"pqV0", "baV1", "CatZedV0"}));
}

TEST_F(SortTest, HostsThatAlwaysSwapOrClearTheListEndTheSort) {
    Z& grid = ShowGrid();
    grid.LetCustomSort(true);
    for (const char* name : {"a", "b", "c", "d"})
        Add(name);
    int calls = 0;
    bool clear = false;
    OnCompare([&](ole::DISPID, std::span<ole::Variant> args) {
        ++calls;
        args[3].Deref() = ole::Variant(true);
        if (clear)
            Grid().GetProperties()->Clear();
    });
    ClickHeader(true);
    EXPECT_TRUE(grid.GetSorted());
    // At most five passes of three comparisons.
    EXPECT_LE(calls, 15);

    calls = 0;
    clear = true;
    ClickHeader(true);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(Outline(), "");
}

// Without CustomSort each level is sorted at once; a host that leaves every decision as it comes
// gets the exchanges one by one. Both must end in the same order, over random trees with
// repeated names.
TEST_F(SortTest, SortingAtOnceEndsWhereTheExchangesEnd) {
    Z& grid = ShowGrid();
    grid.LetActiveView(ksCatagorized);
    std::mt19937 random(7);
    const std::vector<std::string> names{"a", "b", "B", "c", "ab", "x"};
    const std::vector<std::string> categories{"", "K", "K|L", "M|L", "M", "K|L|N"};
    std::vector<std::pair<std::string, std::string>> rows;
    for (int i = 0; i < 60; ++i)
        rows.emplace_back(names[random() % names.size()] + std::to_string(random() % 3),
                          categories[random() % categories.size()]);
    auto sortedOutline = [&](bool exchanges, int32_t order) {
        grid.GetProperties()->Clear();
        grid.LetSorted(false);
        grid.LetSortOrder(order);
        grid.LetCustomSort(exchanges);
        for (size_t i = 0; i < rows.size(); ++i) {
            // A name taken twice in one category is refused; the rest still sort.
            try {
                Add(rows[i].first, rows[i].second, static_cast<int>(i));
            } catch (const ole::Error&) {
            }
        }
        ClickHeader(true);
        return Outline(true);
    };
    for (const int32_t order : {ksAscending, ksDescending}) {
        for (const int32_t view : {ksCatagorized, ksAlphabetic}) {
            grid.LetActiveView(view);
            EXPECT_EQ(sortedOutline(false, order), sortedOutline(true, order)) << order << view;
        }
    }
}

} // namespace
} // namespace attrgrid::test
