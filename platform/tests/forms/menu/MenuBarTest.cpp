#include "MenuFixture.h"

#include "platform/win/menu/MenuBar.h"
#include "platform/win/menu/MenuPainter.h"
#include "platform/win/system/SystemMetrics.h"
#include "testsupport/MemoryCanvas.h"

namespace {

using namespace win;
using detail::MenuLayout;
using detail::MenuPainter;
using testsupport::MemoryCanvas;

constexpr COLORREF kBlack = 0;

class MenuBarTest : public menutest::MenuTest {
protected:
    static RECT Client(HWND hwnd) {
        RECT client;
        GetClientRect(hwnd, &client);
        return client;
    }

    const MenuData& Data(HMENU menu) { return *MenuTable::Instance().Find(menu); }
};

TEST_F(MenuBarTest, TheBarTakesItsHeightFromTheClientAreaAndGoesWithItsWindow) {
    const HWND top = TopLevel();
    const RECT bare = Client(top);
    ASSERT_TRUE(SetMenu(top, m_bar));
    EXPECT_EQ(Client(top).bottom, bare.bottom - GetSystemMetrics(SM_CYMENU));
    POINT origin{0, 0};
    ClientToScreen(top, &origin);
    EXPECT_EQ(SendMessageA(top, WM_NCHITTEST, 0, MAKELPARAM(origin.x + 5, origin.y - 3)), HTMENU);
    EXPECT_EQ(SendMessageA(top, WM_NCHITTEST, 0, MAKELPARAM(origin.x + 5, origin.y + 3)), HTCLIENT);
    ASSERT_TRUE(SetMenu(top, {}));
    EXPECT_EQ(Client(top), bare);

    // A top-level window's menu argument is its bar, destroyed with it.
    const HWND owned = CreateWindowExA(0, "RtTest", "barred", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                                       100, 400, 300, {}, m_bar, {}, nullptr);
    EXPECT_EQ(GetMenu(owned), m_bar);
    EXPECT_EQ(Client(owned).bottom, bare.bottom - GetSystemMetrics(SM_CYMENU));
    const size_t live = LiveMenuCount();
    DestroyWindow(owned);
    EXPECT_EQ(LiveMenuCount(), live - 3);
    EXPECT_EQ(GetMenuItemCount(m_file), -1);
}

TEST_F(MenuBarTest, TheBarShowsInTheFrameAndRepaintsOnDrawMenuBar) {
    const HWND top = TopLevel();
    SetMenu(top, m_bar);
    ASSERT_TRUE(test::pump());
    const RECT bar = detail::MenuBarScreenRect(top);
    RECT window;
    GetWindowRect(top, &window);
    const int y = bar.top - window.top + 2;
    EXPECT_EQ(test::WindowPixel(top, bar.right - window.left - 3, y), GetSysColor(COLOR_MENU));

    // Renamed without DrawMenuBar the frame keeps the old caption; DrawMenuBar shows the new one.
    const RECT file = detail::MenuBarItemRect(top, 0);
    auto ink = [&] {
        int count = 0;
        for (int x = file.left; x < file.right; ++x) {
            for (int row = file.top; row < file.bottom; ++row) {
                count += test::WindowPixel(top, x - window.left, row - window.top) == kBlack;
            }
        }
        return count;
    };
    const int before = ink();
    EXPECT_GT(before, 0);
    ModifyMenuA(m_bar, 0, MF_BYPOSITION | MF_POPUP, m_file.Value(), "&F");
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(ink(), before);
    DrawMenuBar(top);
    ASSERT_TRUE(test::pump());
    EXPECT_LT(ink(), before);
}

TEST_F(MenuBarTest, BarCaptionsUnderlineAccessKeysAndEtchGrayedItems) {
    EnableMenuItem(m_bar, 1, MF_BYPOSITION | MF_GRAYED);
    const std::vector<RECT> items = MenuLayout::Bar(Data(m_bar));
    MemoryCanvas canvas(200, GetSystemMetrics(SM_CYMENU));
    auto paint = [&](int selected) {
        canvas.Fill(MemoryCanvas::kWhite);
        MenuPainter::PaintBar(canvas.Dc(), canvas.All(), Data(m_bar), selected);
    };
    paint(-1);
    EXPECT_EQ(canvas.At(199, 1), GetSysColor(COLOR_MENU));
    const int underlined = canvas.Count(items[0], kBlack);
    EXPECT_GT(underlined, 0);
    EXPECT_EQ(canvas.Count(items[1], kBlack), 0);
    EXPECT_GT(canvas.Count(items[1], GetSysColor(COLOR_GRAYTEXT)), 0);
    EXPECT_GT(canvas.Count(items[1], GetSysColor(COLOR_3DHILIGHT)), 0);

    ModifyMenuA(m_bar, 0, MF_BYPOSITION | MF_POPUP, m_file.Value(), "File");
    paint(-1);
    EXPECT_LT(canvas.Count(items[0], kBlack), underlined);

    paint(0);
    EXPECT_EQ(canvas.Count(items[0], kBlack), 0);
    EXPECT_GT(canvas.Count(items[0], GetSysColor(COLOR_HIGHLIGHT)), 0);
    EXPECT_GT(canvas.Count(items[0], GetSysColor(COLOR_HIGHLIGHTTEXT)), 0);
}

TEST_F(MenuBarTest, PopupsShowChecksArrowsSeparatorsAndRightAlignedShortcuts) {
    // Open with a shortcut, a separator, the checked "Horz Shrink ", Edit as a submenu, grayed
    // Copy.
    ModifyMenuA(m_file, 101, MF_BYCOMMAND, 101, "&Open\tCtrl+O");
    AppendMenuA(m_file, MF_POPUP, m_edit.Value(), "&Edit");
    AppendMenuA(m_file, MF_GRAYED, 103, "&Copy");
    const MenuLayout::Popup layout = MenuLayout::ForPopup(Data(m_file));
    ASSERT_EQ(layout.items.size(), 5u);
    MemoryCanvas canvas(layout.size.cx, layout.size.cy);
    MenuPainter::PaintPopup(canvas.Dc(), Data(m_file), layout, -1);

    auto column = [&](int item, int left, int right) {
        const RECT& box = layout.items[static_cast<size_t>(item)];
        return RECT{box.left + left, box.top, box.left + right, box.bottom};
    };
    const int width = layout.items[0].right - layout.items[0].left;
    const int arrowLeft = width - MenuLayout::kArrowColumn;
    EXPECT_GT(canvas.Count(column(2, 0, MenuLayout::kCheckColumn), kBlack), 0);
    EXPECT_EQ(canvas.Count(column(0, 0, MenuLayout::kCheckColumn), kBlack), 0);
    EXPECT_GT(canvas.Count(column(3, arrowLeft, width), kBlack), 0);
    EXPECT_EQ(canvas.Count(column(2, arrowLeft, width), kBlack), 0);
    EXPECT_GT(canvas.Count(layout.items[1], GetSysColor(COLOR_3DSHADOW)), 0);
    EXPECT_EQ(canvas.Count(layout.items[4], kBlack), 0);
    EXPECT_GT(canvas.Count(layout.items[4], GetSysColor(COLOR_GRAYTEXT)), 0);

    // "Ctrl+O" ends at the shortcut column's right edge.
    const auto ink =
        canvas.InkBounds(column(0, MenuLayout::kCheckColumn, arrowLeft), GetSysColor(COLOR_MENU));
    ASSERT_TRUE(ink.has_value());
    EXPECT_NEAR(ink->right, layout.shortcutRight, 2);

    MenuPainter::PaintPopup(canvas.Dc(), Data(m_file), layout, 0);
    EXPECT_EQ(canvas.At(layout.items[0].left + 1, layout.items[0].top + 1),
              GetSysColor(COLOR_HIGHLIGHT));
}

} // namespace
