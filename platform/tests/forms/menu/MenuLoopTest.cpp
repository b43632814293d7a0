#include "MenuFixture.h"

#include "platform/forms/menu/PopupMenu.h"
#include "platform/win/menu/MenuBar.h"
#include "platform/win/menu/MenuLayout.h"
#include "platform/win/menu/MenuTracker.h"

#include <functional>
#include <vector>

namespace {

using namespace win;

// The menu loop driven by injected input, as a person would: each step runs when the loop has
// nothing left to do, with the popups on screen.
class MenuLoopTest : public menutest::MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        m_top = TopLevel();
        test::TestWindowClass::Recorder().Watch(
            {WM_COMMAND, WM_INITMENU, WM_INITMENUPOPUP, WM_MENUSELECT});
    }

    void Steps(std::vector<std::function<void()>> steps) {
        m_steps = std::move(steps);
        test::setIdleResponder([this] {
            if (m_next >= m_steps.size()) {
                return false;
            }
            m_steps[m_next++]();
            return true;
        });
    }

    // The popup window on screen at a point, and the centre of one of its items.
    static HWND PopupAt(POINT screen) {
        const HWND hwnd = WindowFromPoint(screen);
        char name[16] = {};
        GetClassNameA(hwnd, name, sizeof name);
        return std::string_view(name) == "#32768" ? hwnd : HWND{};
    }
    static POINT ItemCentre(HWND popup, HMENU menu, int item) {
        RECT window;
        GetWindowRect(popup, &window);
        const RECT box = detail::MenuLayout::ForPopup(*MenuTable::Instance().Find(menu))
                             .items[static_cast<size_t>(item)];
        return {window.left + (box.left + box.right) / 2, window.top + (box.top + box.bottom) / 2};
    }

    static std::vector<WPARAM> Commands() {
        std::vector<WPARAM> commands;
        for (const auto& m : test::TestWindowClass::Recorder().Of(WM_COMMAND)) {
            commands.push_back(m.wParam);
        }
        return commands;
    }

    HWND m_top;
    std::vector<std::function<void()>> m_steps;
    size_t m_next = 0;
};

TEST_F(MenuLoopTest, KeysMovePastSeparatorsAndEnterChooses) {
    HWND shown;
    Steps({[&] {
        shown = PopupAt({40, 50});
        test::keyPress(VK_DOWN);
        test::keyPress(VK_DOWN);
        test::keyPress(VK_RETURN);
    }});
    const size_t windows = test::LiveWindowCount();
    EXPECT_EQ(TrackPopupMenu(m_file, TPM_RETURNCMD, 30, 40, 0, m_top, nullptr), 102);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_EQ(test::LiveWindowCount(), windows);
    // The highlight went Open, then past the separator to "Horz Shrink ", then the loop ended.
    const auto selects = test::TestWindowClass::Recorder().Of(WM_MENUSELECT);
    ASSERT_EQ(selects.size(), 3u);
    EXPECT_EQ(selects[0].wParam, MAKEWPARAM(101, MF_HILITE));
    EXPECT_EQ(selects[1].wParam, MAKEWPARAM(102, MF_HILITE | MF_CHECKED));
    EXPECT_EQ(selects[2].wParam, MAKEWPARAM(0, 0xFFFF));
    EXPECT_EQ(selects[2].lParam, 0);
}

TEST_F(MenuLoopTest, AccessKeysOpenSubmenusAndChooseLeaves) {
    // The bar as a popup: 'e' opens Edit, whose only item is grayed; Esc closes it, 'f' opens
    // File and 'o' chooses Open. Without TPM_RETURNCMD the choice is posted.
    Steps({[] {
        test::typeText("e");
        test::keyPress(VK_RETURN);
        test::keyPress(VK_ESCAPE);
        test::typeText("fo");
    }});
    EXPECT_EQ(TrackPopupMenu(m_bar, 0, 30, 40, 0, m_top, nullptr), TRUE);
    test::pump();
    EXPECT_EQ(Commands(), std::vector<WPARAM>{MAKEWPARAM(101, 0)});
    const auto opened = test::TestWindowClass::Recorder().Of(WM_INITMENUPOPUP);
    ASSERT_EQ(opened.size(), 3u); // the bar, then Edit, then File
    EXPECT_EQ(opened[1].wParam, HandleToParam(m_edit));
    EXPECT_EQ(opened[1].lParam, MAKELPARAM(1, FALSE));
    EXPECT_EQ(opened[2].wParam, HandleToParam(m_file));
}

TEST_F(MenuLoopTest, TheMouseOpensSubmenusByHoverAndChoosesOnRelease) {
    Steps({[&] {
               const HWND root = PopupAt({40, 50});
               test::mouseMove(ItemCentre(root, m_bar, 0)); // File opens beside it
           },
           [&] {
               const HWND root = PopupAt({40, 50});
               RECT rootRect;
               GetWindowRect(root, &rootRect);
               const HWND file = PopupAt({rootRect.right + 10, rootRect.top + 10});
               ASSERT_TRUE(file);
               test::click(ItemCentre(file, m_file, 2));
           }});
    EXPECT_EQ(TrackPopupMenu(m_bar, TPM_RETURNCMD, 30, 40, 0, m_top, nullptr), 102);

    // A press outside every menu cancels.
    m_next = 0;
    m_steps = {[] { test::click({5, 5}); }};
    EXPECT_EQ(TrackPopupMenu(m_bar, TPM_RETURNCMD, 30, 40, 0, m_top, nullptr), 0);
}

TEST_F(MenuLoopTest, HeadlessWithNothingToDoThePopupIsCancelled) {
    EXPECT_EQ(TrackPopupMenu(m_file, TPM_RETURNCMD, 30, 40, 0, m_top, nullptr), 0);
    EXPECT_EQ(test::TestWindowClass::Recorder().Count(WM_INITMENUPOPUP), 1u);
}

TEST_F(MenuLoopTest, AltLetterOpensTheBarAndArrowsWalkIt) {
    SetMenu(m_top, m_bar);
    test::keyPress('F', test::Modifiers::Alt);
    test::keyPress(VK_DOWN);
    test::keyPress(VK_RETURN);
    test::pump();
    EXPECT_EQ(Commands(), std::vector<WPARAM>{MAKEWPARAM(102, 0)});
    EXPECT_EQ(test::TestWindowClass::Recorder().Count(WM_INITMENU), 1u);

    // F10 highlights File; Right, Left and Down come back to it and open it; Enter takes Open.
    test::TestWindowClass::Recorder().Clear();
    test::keyPress(VK_F10);
    test::keyPress(VK_RIGHT);
    test::keyPress(VK_LEFT);
    test::keyPress(VK_DOWN);
    test::keyPress(VK_RETURN);
    test::pump();
    EXPECT_EQ(Commands(), std::vector<WPARAM>{MAKEWPARAM(101, 0)});

    // Alt alone enters the bar and Esc leaves it, with nothing chosen and nothing highlighted.
    test::TestWindowClass::Recorder().Clear();
    test::keyPress(VK_MENU);
    test::keyPress(VK_RIGHT);
    test::keyPress(VK_ESCAPE);
    test::pump();
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(test::TestWindowClass::Recorder().Count(WM_INITMENU), 1u);
    EXPECT_FALSE(detail::MenuTracker::Tracking());
    EXPECT_EQ(MenuTable::Instance().BarHighlight(m_top), -1);
}

TEST_F(MenuLoopTest, ClickingABarItemOpensItsPopupUnderIt) {
    SetMenu(m_top, m_bar);
    ASSERT_TRUE(test::pump());
    const RECT file = detail::MenuBarItemRect(m_top, 0);
    const POINT on{(file.left + file.right) / 2, (file.top + file.bottom) / 2};
    ASSERT_EQ(SendMessageA(m_top, WM_NCHITTEST, 0, MAKELPARAM(on.x, on.y)), HTMENU);
    COLORREF highlighted = 0;
    Steps({[&] {
        RECT window;
        GetWindowRect(m_top, &window);
        highlighted = test::WindowPixel(m_top, file.left - window.left + 1, on.y - window.top);
        const HWND popup = PopupAt({file.left + 5, file.bottom + 5});
        ASSERT_TRUE(popup);
        test::click(ItemCentre(popup, m_file, 0));
    }});
    test::click(on);
    test::pump();
    EXPECT_EQ(highlighted, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(Commands(), std::vector<WPARAM>{MAKEWPARAM(101, 0)});
}

} // namespace
