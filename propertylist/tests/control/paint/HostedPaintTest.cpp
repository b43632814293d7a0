// Painting the hosted control through its grid window, and a picture of it for people to look at:
// 50 properties in 5 categories, written as PNG to the snapshot folder ($SNAPSHOT_DIR, else the
// temporary directory).

#include "../GridFixture.h"
#include "../GridTestAccess.h"

#include "propertylist/control/paint/GridPainter.h"

#include "platform/win/test/Snapshot.h"

#include <filesystem>
#include <vector>

namespace attrgrid::test {
namespace {

class HostedPaintTest : public GridFixture {};

constexpr int32_t kSwatches[] = {0x0000FF, 0x00A000, 0xFF0000, 0x00C0FF, 0x800080};

// Drawn through the control's own layout: the plus sign's stem and the tree line leaving its box
// share one column at every row height.
TEST_F(HostedPaintTest, PlusSignStemAndTreeLineShareAColumn) {
    constexpr win::COLORREF kLine = win::RGB(255, 0, 0);
    constexpr win::COLORREF kSign = win::RGB(0, 0, 255);
    auto& grid = HostGrid();
    Host().Show();
    grid.LetGrid(ksGridNone);
    grid.LetLineColor(static_cast<int32_t>(kLine));
    grid.LetCategoryForeColor(static_cast<int32_t>(kSign));
    grid.LetCategoryBackColor(static_cast<int32_t>(win::RGB(255, 255, 255)));
    grid.GetProperties()->Add("P0", ole::Variant(0), "A");
    grid.GetProperties()->Add("P1", ole::Variant(1), "B");
    grid.LetActiveView(ksCatagorized);
    grid.LetTreeStyle(ksTreeLinesPlusMinusText);
    const auto category = grid.CategorizedNodes()->CategoryByName("A");
    ASSERT_TRUE(category);
    category->SetExpanded(false);
    for (const int32_t height : {18, 20, 22}) {
        GridTestAccess::SetRowHeight(grid, height);
        grid.LayoutRows();
        win::RedrawWindow(grid.GridWnd(), nullptr, {}, win::RDW_INVALIDATE | win::RDW_UPDATENOW);
        win::test::pump();
        const win::RECT row = category->RowRect();
        win::RECT box = category->PlusMinusRect();
        win::OffsetRect(&box, row.left, row.top);
        // The columns holding `color` between two heights of the box's span.
        const win::HDC hdc = win::GetDC(grid.GridWnd());
        auto columns = [&](win::COLORREF color, int32_t top, int32_t bottom) {
            std::vector<int32_t> found;
            for (int32_t x = box.left; x < box.right; ++x) {
                for (int32_t y = top; y < bottom; ++y) {
                    if (win::GetPixel(hdc, x, y) == color) {
                        found.push_back(x);
                        break;
                    }
                }
            }
            return found;
        };
        const auto stem = columns(kSign, box.top + 2, box.top + 4);
        const auto line = columns(kLine, box.bottom, row.bottom);
        win::ReleaseDC(grid.GridWnd(), hdc);
        ASSERT_EQ(stem.size(), 1u) << height;
        EXPECT_EQ(line, stem) << height;
    }
}

TEST_F(HostedPaintTest, FiftyPropertiesInFiveCategoriesAsPng) {
    auto& grid = HostGrid(HostMode::User, nullptr, {10, 10, 390, 290});
    Host().Show();
    const char* categories[] = {"Appearance", "Behavior", "Data", "Layout", "Misc"};
    grid.LetLockRefresh(true);
    const auto properties = grid.GetProperties();
    ASSERT_TRUE(properties);
    for (int i = 0; i < 50; ++i) {
        const std::string category = categories[i % 5];
        const std::string name = category.substr(0, 3) + "Property" + std::to_string(i);
        switch (i % 5) {
        case 0:
            properties->Add(name, ole::Variant(int32_t{kSwatches[(i / 5) % 5]}), category,
                            shared::KSColorEditor);
            break;
        case 1:
            properties->Add(name, ole::Variant(i % 2 == 0), category, shared::ksBooleanEditor);
            break;
        case 2:
            properties->Add(name, ole::Variant(i * 1.5), category, shared::KSNumberEditor);
            break;
        default:
            properties->Add(name, ole::Variant("Text value " + std::to_string(i)), category);
            break;
        }
    }
    properties->Item(ole::Variant(int32_t{2}))->LetBold(true);
    properties->Item(ole::Variant(int32_t{4}))->LetForeColor(0x0000C0);
    grid.LetActiveView(ksCatagorized);
    grid.LetTreeStyle(ksTreeLinesPlusMinusText);
    grid.LetGrid(ksGridDotted);
    grid.LetLockRefresh(false);
    // The first two categories collapsed, so the picture shows all five.
    for (const char* collapsed : {"Appearance", "Behavior"}) {
        if (auto row = grid.CategorizedNodes()->CategoryByName(collapsed))
            row->SetExpanded(false);
    }
    grid.SetSelectedProperty(properties->Item(ole::Variant(int32_t{3})));
    win::test::pump();

    const auto snapshot = win::test::CaptureClient(grid.hWnd());
    ASSERT_FALSE(snapshot.IsEmpty());
    const std::string path = win::test::WriteSnapshot(snapshot, "PropertyList_50_in_5_categories");
    ASSERT_FALSE(path.empty());
    EXPECT_TRUE(std::filesystem::exists(path));
    RecordProperty("snapshot", path);
    // Rows were painted: the grid holds the category colour and the property colour.
    const auto gridShot = win::test::CaptureClient(grid.GridWnd());
    EXPECT_GT(win::test::CountPixels(gridShot, win::GetSysColor(win::COLOR_BTNFACE)), 100u);
    EXPECT_GT(win::test::CountPixels(gridShot, win::GetSysColor(win::COLOR_WINDOW)), 100u);
}

TEST_F(HostedPaintTest, ColourRowWithTextValuePaintsEveryRowAndValidates) {
    auto& grid = HostGrid();
    Host().Show();
    const auto properties = grid.GetProperties();
    properties->Add("Before", ole::Variant(int32_t{1}));
    const auto bad = properties->Add("Bad", ole::Variant(int32_t{0xFF}), "", shared::KSColorEditor);
    properties->Add("After", ole::Variant(int32_t{3}));
    win::test::pump();
    const auto rows = [&] {
        std::vector<ole::Ptr<CNode>> all;
        grid.ForEachVisibleRow([&](const ole::Ptr<CNode>& row) {
            all.push_back(row);
            return true;
        });
        return all;
    };
    const auto badRow = [&] {
        for (const auto& row : rows()) {
            if (row->Name() == "Bad")
                return row;
        }
        return ole::Ptr<CNode>{};
    }();
    ASSERT_TRUE(badRow);
    const auto cell = badRow->ValueRect();
    const auto swatchPoint = [&] {
        const auto shot = win::test::CaptureClient(grid.GridWnd());
        return win::test::PixelOf(shot, cell.left + 2 + (cell.bottom - cell.top - 6) / 2,
                                  (cell.top + cell.bottom) / 2);
    };
    EXPECT_EQ(swatchPoint(), win::RGB(255, 0, 0));

    bad->LetValue(ole::Variant(std::string("abc")));
    win::test::pump();
    win::RECT pending;
    EXPECT_FALSE(win::GetUpdateRect(grid.GridWnd(), &pending, win::FALSE));
    EXPECT_NE(swatchPoint(), win::RGB(255, 0, 0));
    const auto shot = win::test::CaptureClient(grid.GridWnd());
    const win::COLORREF window = win::GetSysColor(win::COLOR_WINDOW);
    for (const auto& row : rows()) {
        const auto name = row->NameRect();
        size_t ink = 0;
        for (int y = name.top; y < name.bottom - 1; ++y) {
            for (int x = name.left; x < name.right - 1; ++x)
                ink += win::test::PixelOf(shot, x, y) != window ? 1 : 0;
        }
        EXPECT_GT(ink, 5u) << row->Name();
    }
}

TEST_F(HostedPaintTest, CategoryColourFromTheSystemPaintsCellsAndBoxesAlike) {
    auto& grid = HostGrid();
    Host().Show();
    grid.LetActiveView(ksCatagorized);
    grid.LetTreeStyle(ksPlusMinusText);
    grid.GetProperties()->Add("Width", ole::Variant(int32_t{1}), "Layout");
    const auto category = grid.CategorizedNodes()->CategoryByName("Layout");
    ASSERT_TRUE(category);
    const auto colours = [&] {
        win::test::pump();
        const auto shot = win::test::CaptureClient(grid.GridWnd());
        const auto name = category->NameRect();
        const auto box = category->PlusMinusRect();
        return std::pair{win::test::PixelOf(shot, name.right - 4, name.top + 2),
                         win::test::PixelOf(shot, box.left + 1, name.top + box.top + 1)};
    };
    grid.LetCategoryBackColor(0x0000FF);
    EXPECT_EQ(colours(), std::pair(win::RGB(255, 0, 0), win::RGB(255, 0, 0)));
    grid.LetCategoryBackColor(static_cast<int32_t>(0x8000000F));
    const win::COLORREF face = win::GetSysColor(win::COLOR_BTNFACE);
    EXPECT_EQ(colours(), std::pair(face, face));
}

} // namespace
} // namespace attrgrid::test
