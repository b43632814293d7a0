#include "LoopFixture.h"

#include "platform/base/Clock.h"
#include "platform/win/loop/ModalLoop.h"

namespace looptest {
namespace {

class MessageLoopTest : public LoopTest {};

TEST_F(MessageLoopTest, GetMessageEndsOnQuitAndNeverBlocksHeadless) {
    const HWND top = TopLevel(0, 0, 100, 100);
    ASSERT_TRUE(test::pump());
    PostMessageA(top, WM_USER + 1, 7, 9);
    PostQuitMessage(3);
    PostMessageA(top, WM_USER + 2, 0, 0);

    MSG msg;
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, UINT{WM_USER + 1});
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(msg.lParam, 9);
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, UINT{WM_USER + 2}) << "the quit waits for every posted message";
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.message, UINT{WM_QUIT});
    EXPECT_EQ(msg.wParam, 3u);

    // Filters skip what they do not accept; skipped messages stay queued in order.
    const HWND child = Child(top, 0, 0, 10, 10);
    PostMessageA(nullptr, WM_USER + 4, 0, 0);
    PostMessageA(top, WM_USER + 3, 0, 0);
    PostMessageA(child, WM_USER + 5, 0, 0);
    ASSERT_EQ(GetMessageA(&msg, nullptr, WM_USER + 5, WM_USER + 5), TRUE);
    EXPECT_EQ(msg.message, UINT{WM_USER + 5});
    ASSERT_EQ(GetMessageA(&msg, top, 0, 0), TRUE);
    EXPECT_EQ(msg.message, UINT{WM_USER + 3});
    PostMessageA(child, WM_USER + 6, 0, 0);
    ASSERT_EQ(GetMessageA(&msg, top, 0, 0), TRUE);
    EXPECT_EQ(msg.message, UINT{WM_USER + 6}) << "a window filter takes its descendants too";
    EXPECT_EQ(msg.hwnd, child);
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, UINT{WM_USER + 4});
    ASSERT_TRUE(test::pump());

    // Nothing pending and nothing that could arrive: a quit instead of a hang.
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(GetMessageA(&msg, HWND::FromValue(0x7FFFFFF0), 0, 0), -1);
}

TEST_F(MessageLoopTest, TimeAndPositionOfTheLastMessageAreKept) {
    TopLevel(0, 0, 200, 200);
    test::advanceTime(1234);
    test::mouseMove(POINT{40, 50});
    base::Clock::Advance(100);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE));
    EXPECT_EQ(msg.time, 1234u) << "input carries the time it was injected";
    EXPECT_EQ(GetMessageTime(), 1234);
    EXPECT_EQ(GetMessagePos(), static_cast<DWORD>(MAKELONG(40, 50)));
}

TEST_F(MessageLoopTest, ModalLoopDisablesTheOwnerAndRestoresIt) {
    const HWND owner = TopLevel(0, 0, 300, 300);
    const HWND ownerChild = Child(owner, 0, 0, 10, 10);
    const HWND dialog = CreateWindowExA(0, "LoopPlain", "", WS_POPUP | WS_VISIBLE, 50, 50, 100, 100,
                                        ownerChild, nullptr, nullptr, nullptr);
    ASSERT_TRUE(test::pump());
    bool ownerEnabledInside = true;
    bool done = false;
    Answer([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_USER && hwnd == dialog) {
            ownerEnabledInside = IsWindowEnabled(owner) != FALSE;
            done = true;
            return 0;
        }
        return std::nullopt;
    });
    PostMessageA(dialog, WM_USER, 0, 0);
    EXPECT_EQ(RunModalLoop(dialog, [&] { return done; }), ModalLoopEnd::Done);
    EXPECT_FALSE(ownerEnabledInside) << "the owner's top-level window is disabled while it runs";
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);

    // Popup menus leave the owner enabled.
    done = false;
    PostMessageA(dialog, WM_USER, 0, 0);
    RunModalLoop(
        dialog, [&] { return done; }, ModalLoopOptions{false, nullptr});
    EXPECT_TRUE(ownerEnabledInside);
}

TEST_F(MessageLoopTest, ModalLoopEndsOnQuitRepostsItAndGivesUpWhenIdle) {
    const HWND owner = TopLevel(0, 0, 300, 300);
    const HWND dialog = CreateWindowExA(0, "LoopPlain", "", WS_POPUP | WS_VISIBLE, 50, 50, 100, 100,
                                        owner, nullptr, nullptr, nullptr);
    PostQuitMessage(5);
    EXPECT_EQ(RunModalLoop(dialog, [] { return false; }), ModalLoopEnd::Quit);
    EXPECT_TRUE(IsWindowEnabled(owner));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT{WM_QUIT}) << "posted again for the enclosing loop";
    EXPECT_EQ(msg.wParam, 5u);

    EXPECT_EQ(RunModalLoop(dialog, [] { return false; }), ModalLoopEnd::Idle);

    // A responder that acts keeps the loop going; here it closes the dialog.
    int responses = 0;
    test::setIdleResponder([&] {
        ++responses;
        DestroyWindow(dialog);
        return true;
    });
    EXPECT_EQ(RunModalLoop(dialog, [] { return false; }), ModalLoopEnd::DialogGone);
    EXPECT_EQ(responses, 1);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

} // namespace
} // namespace looptest
