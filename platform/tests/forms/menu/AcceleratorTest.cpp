#include "MenuFixture.h"

#include "platform/forms/menu/Accelerators.h"

#include <vector>

namespace {

using namespace win;
using test::Modifiers;

class AcceleratorTest : public menutest::MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        m_top = TopLevel();
        ASSERT_TRUE(SetMenu(m_top, m_bar));
        const ACCEL entries[] = {
            {FVIRTKEY | FCONTROL, 'O', 101},
            {FVIRTKEY, VK_F4, 102},
            {FVIRTKEY | FSHIFT | FCONTROL, 'C', 201}, // Copy is grayed
            {0, 'q', 301},
        };
        m_table = CreateAcceleratorTableA(entries, 4);
        ASSERT_TRUE(m_table);
        test::TestWindowClass::Recorder().Watch({WM_COMMAND, WM_KEYDOWN});
    }

    // The application's loop: accelerators first, the rest translated and dispatched.
    void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, {}, 0, 0, PM_REMOVE)) {
            if (!TranslateAcceleratorA(m_top, m_table, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }

    static std::vector<WPARAM> Commands() {
        std::vector<WPARAM> commands;
        for (const auto& message : test::TestWindowClass::Recorder().Of(WM_COMMAND)) {
            commands.push_back(message.wParam);
        }
        return commands;
    }

    HWND m_top;
    HACCEL m_table;
};

TEST_F(AcceleratorTest, KeysWithExactlyTheirModifiersBecomeCommands) {
    test::keyPress('O', Modifiers::Control);
    test::keyPress(VK_F4);
    test::keyPress('O');                                        // no Ctrl: an ordinary key
    test::keyPress(VK_F4, Modifiers::Shift);                    // an extra modifier: no match
    test::keyPress('C', Modifiers::Shift | Modifiers::Control); // grayed item: swallowed
    test::typeText("q");
    Pump();
    EXPECT_EQ(Commands(),
              (std::vector<WPARAM>{MAKEWPARAM(101, 1), MAKEWPARAM(102, 1), MAKEWPARAM(301, 1)}));
    EXPECT_EQ(test::TestWindowClass::Recorder().Of(WM_COMMAND)[0].lParam, 0);
    // The two keys that matched nothing still reach the window.
    const auto keys = test::TestWindowClass::Recorder().Of(WM_KEYDOWN);
    size_t ordinary = 0;
    for (const auto& key : keys) {
        ordinary += key.wParam == 'O' || key.wParam == VK_F4 ? 1 : 0;
    }
    EXPECT_EQ(ordinary, 2u);
}

TEST_F(AcceleratorTest, ADestroyedTableTranslatesNothing) {
    const size_t live = forms::LiveAcceleratorTableCount();
    EXPECT_TRUE(DestroyAcceleratorTable(m_table));
    EXPECT_EQ(forms::LiveAcceleratorTableCount(), live - 1);
    EXPECT_FALSE(DestroyAcceleratorTable(m_table));
    test::keyPress(VK_F4);
    Pump();
    EXPECT_TRUE(Commands().empty());
    EXPECT_FALSE(CreateAcceleratorTableA(nullptr, 0));
}

} // namespace
