#include "GridFixture.h"
#include "GridTestAccess.h"
#include "TestEditor.h"

#include "shared/subclass/SubclassWnd.h"

#include "platform/win/Win.h"

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

class GridMessagesTest : public GridFixture {
protected:
    // Sends WM_CTLCOLOR* for `child` to the grid; returns the brush and the DC's text colour
    // and background mode afterwards.
    struct ColorAnswer {
        win::LRESULT brush;
        win::COLORREF text;
        int bkMode;
    };
    ColorAnswer AskColors(win::UINT msg, win::HWND child) {
        const win::HDC hdc = win::GetDC(child);
        win::SetTextColor(hdc, 0x123456);
        win::SetBkMode(hdc, win::OPAQUE);
        const win::LRESULT brush =
            win::SendMessageA(Grid().GridWnd(), msg, static_cast<win::WPARAM>(hdc.Value()),
                              static_cast<win::LPARAM>(child.Value()));
        ColorAnswer answer{brush, win::GetTextColor(hdc), win::GetBkMode(hdc)};
        win::ReleaseDC(child, hdc);
        return answer;
    }
    static win::COLORREF BrushColor(win::LRESULT brush) {
        win::LOGBRUSH logBrush{};
        win::GetObjectA(win::HGDIOBJ::FromValue(static_cast<uint32_t>(brush)), sizeof logBrush,
                        &logBrush);
        return logBrush.lbColor;
    }
};

TEST_F(GridMessagesTest, TheOpenEditorTakesItsColoursFromTheSelectedProperty) {
    Z& grid = ShowGrid();
    auto property = grid.GetProperties()->Add("P", ole::Variant("x"));
    property->LetForeColor(static_cast<int32_t>(0x80000008));
    grid.LetPropertyBackColor(0x00C0FFEE);
    const auto row = grid.ActiveNodes()->ItemByKey(property->GetInternalKey());
    grid.SelectNode(row);
    const win::HWND editorWnd = grid.Panel("m_picNameHeader")->Window();
    const win::HWND otherWnd = grid.Panel("m_picValueHeader")->Window();
    auto editor = TestEditor::Create(editorWnd);
    GridTestAccess::OpenEditor(grid, editor, row);

    for (const win::UINT msg : {win::WM_CTLCOLOREDIT, win::WM_CTLCOLORSTATIC}) {
        const ColorAnswer answer = AskColors(msg, editorWnd);
        EXPECT_EQ(answer.text, win::GetSysColor(8));
        EXPECT_EQ(answer.bkMode, win::TRANSPARENT);
        EXPECT_EQ(BrushColor(answer.brush), 0x00C0FFEEU);
    }

    // Another child asking gets the panel's default answer.
    property->LetForeColor(0x0000FF);
    EXPECT_EQ(AskColors(win::WM_CTLCOLOREDIT, editorWnd).text, 0x0000FFU);
    const ColorAnswer other = AskColors(win::WM_CTLCOLOREDIT, otherWnd);
    EXPECT_NE(other.text, 0x0000FFU);
    EXPECT_NE(BrushColor(other.brush), 0x00C0FFEEU);

    // Without a selected property the editor gets the defaults too.
    grid.GetProperties()->Clear();
    GridTestAccess::OpenEditor(grid, editor, row);
    EXPECT_NE(AskColors(win::WM_CTLCOLOREDIT, editorWnd).text, 0x0000FFU);
}

TEST_F(GridMessagesTest, APaintUnderLockRefreshLaysTheRowsOutFirst) {
    Z& grid = ShowGrid();
    grid.LetLockRefresh(true);
    for (int i = 0; i < 3; ++i)
        grid.GetProperties()->Add("P" + std::to_string(i));
    const auto third = grid.ActiveNodes()->ItemByPosition("P0_I3");
    EXPECT_EQ(third->RowRect().bottom, 0);

    win::InvalidateRect(grid.GridWnd(), nullptr, win::TRUE);
    win::UpdateWindow(grid.GridWnd());
    EXPECT_EQ(third->RowRect().top, grid.HeaderHeightPixels() + 2 * grid.RowHeight());
    EXPECT_FALSE(win::GetUpdateRect(grid.GridWnd(), nullptr, win::FALSE));
}

TEST_F(GridMessagesTest, TheGridIsSubclassedAtRunTimeOnly) {
    Z& grid = ShowGrid();
    EXPECT_TRUE(shared::SubclassWnd::Module().Record(grid.GridWnd()));
    Unload();

    Z& designed = ShowGrid(kDefaultBounds, HostMode::Design);
    EXPECT_FALSE(shared::SubclassWnd::Module().Record(designed.GridWnd()));
    // The panel's Paint event paints the rows instead.
    auto property = designed.GetProperties()->Add("P");
    designed.LetPropertyBackColor(0x00C0FFEE);
    win::InvalidateRect(designed.GridWnd(), nullptr, win::TRUE);
    win::UpdateWindow(designed.GridWnd());
    const auto row = designed.ActiveNodes()->ItemByKey(property->GetInternalKey());
    const win::HDC hdc = win::GetDC(designed.GridWnd());
    EXPECT_EQ(win::GetPixel(hdc, row->ValueRect().right - 3, row->RowRect().top + 2), 0x00C0FFEEU);
    win::ReleaseDC(designed.GridWnd(), hdc);
}

TEST_F(GridMessagesTest, DestroyingTheGridTearsTheControlDownOnce) {
    Z& grid = ShowGrid();
    grid.GetProperties()->Add("P");
    const win::HWND gridWnd = grid.GridWnd();
    win::DestroyWindow(gridWnd);
    EXPECT_TRUE(grid.Released());
    EXPECT_FALSE(shared::SubclassWnd::Module().Record(gridWnd));
    // Later messages find the members released and do nothing.
    EXPECT_EQ(win::SendMessageA(gridWnd, win::WM_PAINT, 0, 0), 0);
}

// A host that unloads the form from PropertyDraw tears the control down in the middle of a paint
// pass; the pass ends on what it holds (clean under AddressSanitizer).
TEST_F(GridMessagesTest, APropertyDrawHandlerMayUnloadTheForm) {
    ole::Ptr<ZAVeravuvuDudu> grid(&HostGrid());
    Host().Show();
    grid->GetProperties()->Add("P", ole::Variant("v"))->LetCustomDraw(true);
    int raised = 0;
    auto sink = ole::EventSink::Create();
    sink->On(ZAVeravuvuDudu::EvPropertyDraw, [&](std::span<ole::Variant>) {
        if (raised++ == 0)
            Unload();
    });
    const uint32_t cookie = ole::ConnectEvents(grid, sink);
    const win::HWND gridWnd = grid->GridWnd();
    win::InvalidateRect(gridWnd, nullptr, win::TRUE);
    win::UpdateWindow(gridWnd);
    win::test::pump();
    EXPECT_GE(raised, 1);
    EXPECT_TRUE(grid->Released());
    ole::DisconnectEvents(grid, cookie);
}

} // namespace
} // namespace attrgrid::test
