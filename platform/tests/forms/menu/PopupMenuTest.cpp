#include "MenuFixture.h"

#include "platform/forms/menu/PopupMenu.h"

namespace {

using namespace win;

class PopupMenuTest : public menutest::MenuTest {
protected:
    static forms::PopupMenuResponderType& Popups() { return forms::PopupMenuResponder(); }
};

TEST_F(PopupMenuTest, TheChoiceComesBackAfterInitMenuPopupHasRun) {
    const HWND top = TopLevel();
    // The owner sets check marks as the popup opens; the menu shown already has them.
    Answer([this](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_INITMENUPOPUP &&
            HandleFromParam<HMENU>(static_cast<intptr_t>(wParam)) == m_file) {
            CheckMenuItem(m_file, 101, MF_CHECKED);
            return 0;
        }
        return std::nullopt;
    });
    Popups().Queue(101);
    EXPECT_EQ(TrackPopupMenu(m_file, TPM_RETURNCMD | TPM_RIGHTBUTTON, 30, 40, 0, top, nullptr),
              101);

    ASSERT_EQ(Popups().Log().size(), 1u);
    const forms::PopupMenuRequest& request = Popups().Log()[0].request;
    EXPECT_EQ(request.owner, top);
    EXPECT_EQ(request.flags, TPM_RETURNCMD | TPM_RIGHTBUTTON);
    EXPECT_EQ(request.at.x, 30);
    EXPECT_EQ(request.at.y, 40);
    ASSERT_EQ(request.items.size(), 3u);
    EXPECT_EQ(request.items[0].flags, MF_CHECKED);
    EXPECT_EQ(request.items[2].text, "Horz Shrink ");
}

TEST_F(PopupMenuTest, WithoutReturnCmdTheChoiceArrivesAsAMenuCommand) {
    const HWND top = TopLevel();
    test::TestWindowClass::Recorder().Watch({WM_COMMAND});
    Popups().Queue(102);
    EXPECT_EQ(TrackPopupMenu(m_bar, 0, 0, 0, 0, top, nullptr), TRUE);
    EXPECT_EQ(test::TestWindowClass::Recorder().Count(WM_COMMAND), 0u); // posted, not sent
    test::pump();
    const auto commands = test::TestWindowClass::Recorder().Of(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(102, 0));
    EXPECT_EQ(commands[0].lParam, 0);
}

TEST_F(PopupMenuTest, OnlyAnEnabledLeafCanBeChosen) {
    const HWND top = TopLevel();
    for (const UINT answer : {201u, 0u, 999u}) { // grayed, cancel, not in the menu
        Popups().Queue(answer);
        EXPECT_EQ(TrackPopupMenu(m_bar, TPM_RETURNCMD, 0, 0, 0, top, nullptr), 0) << answer;
    }
    // Nobody answering cancels, and the request is logged as unanswered.
    EXPECT_EQ(TrackPopupMenu(m_bar, TPM_RETURNCMD, 0, 0, 0, top, nullptr), 0);
    ASSERT_EQ(Popups().Log().size(), 4u);
    EXPECT_FALSE(Popups().Log()[3].answer.has_value());
    EXPECT_EQ(TrackPopupMenu(HMENU::FromValue(4242), TPM_RETURNCMD, 0, 0, 0, top, nullptr), 0);
}

} // namespace
