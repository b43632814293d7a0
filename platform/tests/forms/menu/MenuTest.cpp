#include "MenuFixture.h"

namespace {

using namespace win;
using menutest::MenuTest;

TEST_F(MenuTest, ItemsKeepTheirCaptionsIdsAndStates) {
    EXPECT_EQ(GetMenuItemCount(m_bar), 2);
    EXPECT_EQ(GetSubMenu(m_bar, 1), m_edit);
    EXPECT_EQ(GetSubMenu(m_file, 0), HMENU{});
    EXPECT_EQ(GetMenuItemID(m_file, 2), 102u);
    EXPECT_EQ(GetMenuItemID(m_bar, 0), static_cast<UINT>(-1));
    EXPECT_EQ(Caption(m_file, 102), "Horz Shrink ");
    EXPECT_EQ(Caption(m_bar, 0, MF_BYPOSITION), "&File");
    EXPECT_EQ(GetMenuState(m_file, 1, MF_BYPOSITION), MF_SEPARATOR);
    EXPECT_EQ(GetMenuState(m_bar, 0, MF_BYPOSITION), (3u << 8) | MF_POPUP);
    // By command the search reaches into submenus.
    EXPECT_EQ(GetMenuState(m_bar, 201, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_EQ(GetMenuState(m_bar, 999, MF_BYCOMMAND), static_cast<UINT>(-1));

    char small[4];
    EXPECT_EQ(GetMenuStringA(m_file, 102, small, sizeof small, MF_BYCOMMAND), 3);
    EXPECT_STREQ(small, "Hor");
    EXPECT_EQ(GetMenuStringA(m_file, 102, nullptr, 0, MF_BYCOMMAND), 12);
}

TEST_F(MenuTest, CheckAndEnableReturnThePreviousState) {
    EXPECT_EQ(CheckMenuItem(m_bar, 102, MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(CheckMenuItem(m_file, 0, MF_BYPOSITION | MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(GetMenuState(m_file, 101, MF_BYCOMMAND), MF_CHECKED);
    EXPECT_EQ(CheckMenuItem(m_file, 999, MF_CHECKED), static_cast<DWORD>(-1));

    EXPECT_EQ(EnableMenuItem(m_bar, 201, MF_ENABLED), static_cast<BOOL>(MF_GRAYED));
    EXPECT_EQ(EnableMenuItem(m_bar, 201, MF_DISABLED), static_cast<BOOL>(MF_ENABLED));
    EXPECT_EQ(GetMenuState(m_edit, 201, MF_BYCOMMAND), MF_DISABLED);
    EXPECT_EQ(EnableMenuItem(m_bar, 999, MF_GRAYED), -1);
}

TEST_F(MenuTest, InsertAndModifyPlaceItemsWhereNamed) {
    ASSERT_TRUE(InsertMenuA(m_file, 102, MF_BYCOMMAND, 103, "Save"));
    ASSERT_TRUE(InsertMenuA(m_file, 0, MF_BYPOSITION, 104, "New"));
    ASSERT_TRUE(InsertMenuA(m_file, 99, MF_BYPOSITION, 105, "Exit"));
    const UINT expected[] = {104, 101, 0, 103, 102, 105};
    ASSERT_EQ(GetMenuItemCount(m_file), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(GetMenuItemID(m_file, i), expected[i]) << i;
    }

    ASSERT_TRUE(ModifyMenuA(m_file, 103, MF_BYCOMMAND | MF_GRAYED, 106, "Save &As"));
    EXPECT_EQ(Caption(m_file, 106), "Save &As");
    EXPECT_EQ(GetMenuState(m_file, 106, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_FALSE(ModifyMenuA(m_file, 103, MF_BYCOMMAND, 107, "gone"));
    EXPECT_FALSE(AppendMenuA(m_file, MF_POPUP, 12345, "no such submenu"));
}

TEST_F(MenuTest, ABarBelongsToTopLevelWindowsAndDiesWithItsSubmenus) {
    const HWND top = TopLevel();
    const HWND child = Child(top);
    EXPECT_TRUE(SetMenu(top, m_bar));
    EXPECT_FALSE(SetMenu(child, m_bar));
    EXPECT_EQ(GetMenu(top), m_bar);
    EXPECT_EQ(GetMenu(child), HMENU{});
    EXPECT_TRUE(DrawMenuBar(top));

    const size_t before = win::LiveMenuCount();
    EXPECT_TRUE(DestroyMenu(m_bar));
    EXPECT_EQ(win::LiveMenuCount(), before - 3);
    EXPECT_EQ(GetMenu(top), HMENU{});
    EXPECT_EQ(GetMenuItemCount(m_file), -1);
    EXPECT_FALSE(DestroyMenu(m_bar));
    EXPECT_FALSE(AppendMenuA(m_edit, MF_STRING, 1, "stale"));
}

} // namespace
