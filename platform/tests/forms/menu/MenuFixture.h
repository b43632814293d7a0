#pragma once

#include "platform/tests/forms/runtime/RuntimeFixture.h"
#include "platform/win/menu/Menus.h"

#include <string>

namespace menutest {

using namespace win;

class MenuTest : public runtimetest::RuntimeTest {
protected:
    static std::string Caption(HMENU menu, UINT item, UINT flags = MF_BYCOMMAND) {
        char buffer[64] = {};
        GetMenuStringA(menu, item, buffer, sizeof buffer, flags);
        return buffer;
    }

    // File (Open 101, separator, "Horz Shrink " 102) and Edit (Copy 201) under a bar.
    void SetUp() override {
        RuntimeTest::SetUp();
        m_bar = CreateMenu();
        m_file = CreatePopupMenu();
        m_edit = CreatePopupMenu();
        ASSERT_TRUE(AppendMenuA(m_file, MF_STRING, 101, "&Open"));
        ASSERT_TRUE(AppendMenuA(m_file, MF_SEPARATOR, 0, nullptr));
        ASSERT_TRUE(AppendMenuA(m_file, MF_STRING | MF_CHECKED, 102, "Horz Shrink "));
        ASSERT_TRUE(AppendMenuA(m_edit, MF_STRING | MF_GRAYED, 201, "&Copy"));
        ASSERT_TRUE(AppendMenuA(m_bar, MF_POPUP, m_file.Value(), "&File"));
        ASSERT_TRUE(AppendMenuA(m_bar, MF_POPUP, m_edit.Value(), "&Edit"));
    }

    HMENU m_bar, m_file, m_edit;
};

} // namespace menutest
