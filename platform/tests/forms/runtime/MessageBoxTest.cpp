#include "RuntimeFixture.h"

#include "platform/forms/dialogs/MessageBoxLayout.h"
#include "platform/forms/dialogs/MessageBoxWindow.h"
#include "platform/win/test/Snapshot.h"

#include <stdexcept>
#include <string>
#include <vector>

using namespace runtimetest;
using forms::MessageBoxIcon;
using forms::MessageBoxRequest;

namespace {

class MessageBoxTest : public RuntimeTest {
protected:
    // Answers nothing itself but does `act` (input a person would give) from inside the box's
    // loop, once.
    static void ActOnce(std::function<void()> act) {
        Responder().SetFunction([act = std::move(act)](const MessageBoxRequest&) {
            act();
            return std::optional<int>();
        });
    }

    // The box on screen while a responder runs.
    static HWND OpenBox() {
        const HWND active = GetActiveWindow();
        char name[64] = {};
        GetClassNameA(active, name, sizeof name);
        return std::string(name) == forms::MessageBoxWindow::kClassName ? active : HWND{};
    }
};

TEST_F(MessageBoxTest, StyleDecodesIntoButtonsIconDefaultAndEscape) {
    struct Row {
        UINT type;
        std::vector<int> buttons;
        int defaultButton;
        int escape;
    };
    const Row rows[] = {
        {MB_OK, {IDOK}, IDOK, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, {IDOK, IDCANCEL}, IDCANCEL, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, {IDABORT, IDRETRY, IDIGNORE}, IDIGNORE, 0},
        {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}, IDYES, IDCANCEL},
        {MB_YESNO | MB_DEFBUTTON2, {IDYES, IDNO}, IDNO, 0},
        {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}, IDRETRY, IDCANCEL},
        // A default button the set does not have falls back to the first.
        {MB_YESNO | MB_DEFBUTTON3, {IDYES, IDNO}, IDYES, 0},
        {MB_OK | MB_DEFBUTTON2, {IDOK}, IDOK, IDOK},
    };
    for (const Row& row : rows) {
        const MessageBoxRequest request = MessageBoxRequest::Decode({}, "t", "c", row.type);
        EXPECT_EQ(request.buttons, row.buttons) << row.type;
        EXPECT_EQ(request.defaultButton, row.defaultButton) << row.type;
        EXPECT_EQ(request.escapeResult, row.escape) << row.type;
    }
    EXPECT_EQ(MessageBoxRequest::Decode({}, "", "", MB_ICONSTOP).icon, MessageBoxIcon::Stop);
    EXPECT_EQ(MessageBoxRequest::Decode({}, "", "", MB_ICONERROR).icon, MessageBoxIcon::Stop);
    EXPECT_EQ(MessageBoxRequest::Decode({}, "", "", MB_ICONQUESTION).icon,
              MessageBoxIcon::Question);
    EXPECT_EQ(MessageBoxRequest::Decode({}, "", "", MB_ICONEXCLAMATION).icon,
              MessageBoxIcon::Exclamation);
    EXPECT_EQ(MessageBoxRequest::Decode({}, "", "", MB_ICONINFORMATION).icon,
              MessageBoxIcon::Information);
    EXPECT_EQ(MessageBoxRequest::Decode({}, "", "", MB_OK).icon, MessageBoxIcon::None);
    EXPECT_EQ(MessageBoxRequest::Decode({}, nullptr, nullptr, MB_OK).caption, "Error");
    EXPECT_EQ(MessageBoxRequest::Decode({}, nullptr, nullptr, MB_OK).text, "");
}

TEST_F(MessageBoxTest, BoxIsOwnedByTheTopLevelAncestorWhichIsDisabledWhileOpen) {
    const HWND main = TopLevel();
    const HWND button = Child(main);
    const size_t windowsBefore = test::LiveWindowCount();
    bool checked = false;
    Responder().SetFunction([&](const MessageBoxRequest& request) {
        const HWND box = OpenBox();
        EXPECT_TRUE(box);
        EXPECT_EQ(request.owner, main);
        EXPECT_EQ(GetWindow(box, GW_OWNER), main);
        EXPECT_FALSE(IsWindowEnabled(main));
        EXPECT_TRUE(IsWindowVisible(box));
        EXPECT_EQ(GetFocus(), box);
        bool ownerBelow = false;
        for (HWND next = GetWindow(box, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT)) {
            ownerBelow = ownerBelow || next == main;
        }
        EXPECT_TRUE(ownerBelow);
        char title[32] = {};
        GetWindowTextA(box, title, sizeof title);
        EXPECT_STREQ(title, "Question");
        checked = true;
        return std::optional<int>(IDNO);
    });
    EXPECT_EQ(MessageBoxA(button, "Save?", "Question", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(test::LiveWindowCount(), windowsBefore);

    ASSERT_EQ(Responder().Log().size(), 1u);
    const auto& entry = Responder().Log()[0];
    EXPECT_EQ(entry.request.text, "Save?");
    EXPECT_EQ(entry.request.caption, "Question");
    EXPECT_EQ(entry.request.type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(entry.answer, IDNO);
}

TEST_F(MessageBoxTest, HeadlessWithoutAnswerReturnsTheDefaultButtonAndLogsIt) {
    const HWND main = TopLevel();
    EXPECT_EQ(MessageBoxA(main, "a", nullptr, MB_OK), IDOK);
    EXPECT_EQ(MessageBoxA(main, "b", "t", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(MessageBoxA({}, "c", "t", MB_ABORTRETRYIGNORE | MB_DEFBUTTON3), IDIGNORE);
    const auto log = Responder().TakeLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].request.caption, "Error");
    for (const auto& entry : log) {
        EXPECT_FALSE(entry.answer.has_value());
    }
    EXPECT_FALSE(log[2].request.owner);
    EXPECT_TRUE(IsWindowEnabled(main));

    // A responder declining to answer is the same as none.
    Responder().SetFunction([](const MessageBoxRequest&) { return std::optional<int>(); });
    EXPECT_EQ(MessageBoxA(main, "d", "t", MB_RETRYCANCEL), IDRETRY);
    EXPECT_FALSE(Responder().Log().back().answer.has_value());

    // WM_QUIT ends the box on its default and is passed on to the enclosing loop.
    ActOnce([] { PostQuitMessage(3); });
    EXPECT_EQ(MessageBoxA(main, "e", "t", MB_OKCANCEL), IDOK);
    EXPECT_FALSE(Responder().Log().back().answer.has_value());
    EXPECT_TRUE(IsWindowEnabled(main));
    test::pump();
    EXPECT_EQ(test::quitCode(), 3);
}

TEST_F(MessageBoxTest, QueuedAnswersComeFirstAndForeignAnswersAreRefused) {
    Responder().Queue(IDCANCEL);
    Responder().Queue(IDRETRY);
    Responder().SetFunction([](const MessageBoxRequest&) { return std::optional<int>(IDYES); });
    EXPECT_EQ(MessageBoxA({}, "1", "t", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxA({}, "2", "t", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(MessageBoxA({}, "3", "t", MB_YESNO), IDYES);

    // IDYES is not a button of an OK box: the box stays open, ends unanswered, and the fault is
    // recorded.
    test::ClearCaughtExceptions();
    EXPECT_EQ(MessageBoxA({}, "4", "t", MB_OK), IDOK);
    EXPECT_FALSE(Responder().Log().back().answer.has_value());
    ASSERT_EQ(test::CaughtExceptions().size(), 1u);
    EXPECT_EQ(test::CaughtExceptions()[0].where, "message box responder");

    // A responder that throws is recorded too, and the owner comes back enabled.
    const HWND main = TopLevel();
    Responder().SetFunction([](const MessageBoxRequest&) -> std::optional<int> {
        throw std::runtime_error("responder broke");
    });
    EXPECT_EQ(MessageBoxA(main, "5", "t", MB_YESNO), IDYES);
    EXPECT_TRUE(IsWindowEnabled(main));
    ASSERT_EQ(test::CaughtExceptions().size(), 2u);
    EXPECT_EQ(test::CaughtExceptions()[1].what, "responder broke");
    test::ClearCaughtExceptions();
}

TEST_F(MessageBoxTest, KeysPressTheFocusedButtonMoveTheFocusAndEscapeWhereAllowed) {
    const HWND main = TopLevel();
    struct Script {
        UINT type;
        std::function<void()> keys;
        int expected;
        bool answered;
    };
    const Script scripts[] = {
        {MB_YESNOCANCEL | MB_DEFBUTTON2, [] { test::keyPress(VK_RETURN); }, IDNO, true},
        {MB_YESNOCANCEL,
         [] {
             test::keyPress(VK_TAB);
             test::keyPress(VK_RETURN);
         },
         IDNO, true},
        // Backwards from the first button wraps to the last.
        {MB_YESNOCANCEL,
         [] {
             test::keyPress(VK_TAB, test::Modifiers::Shift);
             test::keyPress(VK_RETURN);
         },
         IDCANCEL, true},
        {MB_ABORTRETRYIGNORE,
         [] {
             test::keyPress(VK_RIGHT);
             test::keyPress(VK_DOWN);
             test::keyPress(VK_LEFT);
             test::keyPress(VK_SPACE);
         },
         IDRETRY, true},
        {MB_OKCANCEL, [] { test::keyPress(VK_ESCAPE); }, IDCANCEL, true},
        {MB_OK, [] { test::keyPress(VK_ESCAPE); }, IDOK, true},
        // No Cancel button: Esc does nothing and the box ends unanswered on its default.
        {MB_YESNO | MB_DEFBUTTON2, [] { test::keyPress(VK_ESCAPE); }, IDNO, false},
        {MB_YESNO, [] { test::typeText("n"); }, IDNO, true},
        {MB_ABORTRETRYIGNORE, [] { test::keyPress('I', test::Modifiers::Alt); }, IDIGNORE, true},
    };
    for (const Script& script : scripts) {
        ActOnce(script.keys);
        EXPECT_EQ(MessageBoxA(main, "keys", "t", script.type), script.expected) << script.type;
        EXPECT_EQ(Responder().Log().back().answer.has_value(), script.answered) << script.type;
        EXPECT_TRUE(IsWindowEnabled(main));
    }
}

TEST_F(MessageBoxTest, ClickingAButtonAnswersOnlyWhenReleasedOverIt) {
    const HWND main = TopLevel();
    ActOnce([] {
        const HWND box = OpenBox();
        forms::MessageBoxLayout layout =
            reinterpret_cast<forms::MessageBoxWindow*>(GetWindowLongA(box, GWL_USERDATA))->Layout();
        const RECT yes = layout.buttons[0];
        const RECT no = layout.buttons[1];
        // Pressed on Yes, released on No: nothing. Then a full click on No.
        test::mouseDown(test::MouseButton::Left, box, {yes.left + 5, yes.top + 5});
        test::mouseUp(test::MouseButton::Left, box, {no.left + 5, no.top + 5});
        test::click(box, {no.left + 5, no.top + 5});
    });
    EXPECT_EQ(MessageBoxA(main, "click", "t", MB_YESNO), IDNO);
    EXPECT_EQ(Responder().Log().back().answer, IDNO);
    EXPECT_EQ(GetCapture(), HWND{});

    ActOnce([] {
        const HWND box = OpenBox();
        const RECT ok =
            reinterpret_cast<forms::MessageBoxWindow*>(GetWindowLongA(box, GWL_USERDATA))
                ->Layout()
                .buttons[0];
        test::mouseDown(test::MouseButton::Left, box, {ok.left + 3, ok.top + 3});
        test::mouseUp(test::MouseButton::Left, box, {ok.left - 20, ok.top + 3});
    });
    EXPECT_EQ(MessageBoxA(main, "click", "t", MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    EXPECT_FALSE(Responder().Log().back().answer.has_value());
}

TEST_F(MessageBoxTest, CloseBoxAnswersLikeEscape) {
    ActOnce([] { SendMessageA(OpenBox(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(MessageBoxA({}, "x", "t", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(Responder().Log().back().answer, IDCANCEL);

    ActOnce([] { SendMessageA(OpenBox(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(MessageBoxA({}, "x", "t", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_FALSE(Responder().Log().back().answer.has_value());

    // A box destroyed under the loop ends on its default button.
    ActOnce([] { DestroyWindow(OpenBox()); });
    EXPECT_EQ(MessageBoxA({}, "x", "t", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(test::LiveWindowCount(), 0u);
}

TEST_F(MessageBoxTest, NestedLoopRunsInsideWindowAndHookProcedures) {
    const HWND main = TopLevel();
    std::vector<int> results;
    Answer([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (hwnd == main && msg == WM_LBUTTONDOWN) {
            results.push_back(MessageBoxA(hwnd, "from a handler", "t", MB_OKCANCEL));
            return 0;
        }
        return std::nullopt;
    });
    Responder().SetFunction([&](const MessageBoxRequest& request) {
        EXPECT_FALSE(IsWindowEnabled(main));
        return std::optional<int>(request.text == "from a hook" ? IDYES : IDCANCEL);
    });
    test::click(main, {50, 50});
    test::pump();
    EXPECT_EQ(results, std::vector<int>{IDCANCEL});

    static std::vector<int>* hookResults = nullptr;
    static HWND hookOwner;
    hookResults = &results;
    hookOwner = main;
    const HHOOK hook = SetWindowsHookExA(
        WH_GETMESSAGE,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const auto* msg = reinterpret_cast<const MSG*>(lParam);
            if (code == HC_ACTION && msg->message == WM_USER + 1) {
                hookResults->push_back(MessageBoxA(hookOwner, "from a hook", "t", MB_YESNO));
            }
            return CallNextHookEx({}, code, wParam, lParam);
        },
        {}, 0);
    PostMessageA(main, WM_USER + 1, 0, 0);
    test::pump();
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(results, (std::vector<int>{IDCANCEL, IDYES}));
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_EQ(GetActiveWindow(), main);
}

TEST_F(MessageBoxTest, BoxStaysInItsOwnersBandAndDrawsItsButtons) {
    const HWND main = TopLevel(WS_EX_TOPMOST);
    Responder().SetFunction([&](const MessageBoxRequest&) {
        const HWND box = OpenBox();
        EXPECT_NE(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
        UpdateWindow(box);
        const auto* window =
            reinterpret_cast<forms::MessageBoxWindow*>(GetWindowLongA(box, GWL_USERDATA));
        // The focused default button (the second) has the dark outline, the other a raised edge.
        POINT origin{0, 0};
        ClientToScreen(box, &origin);
        RECT frame;
        GetWindowRect(box, &frame);
        const int dx = origin.x - frame.left;
        const int dy = origin.y - frame.top;
        const RECT first = window->Layout().buttons[0];
        const RECT second = window->Layout().buttons[1];
        EXPECT_EQ(test::WindowPixel(box, second.left + dx, second.top + dy),
                  GetSysColor(COLOR_WINDOWFRAME));
        EXPECT_EQ(test::WindowPixel(box, first.left + dx, first.top + dy),
                  GetSysColor(COLOR_3DLIGHT));
        EXPECT_EQ(test::WindowPixel(box, first.left + dx + 10, first.top + dy + 10),
                  GetSysColor(COLOR_3DFACE));
        return std::optional<int>(IDOK);
    });
    EXPECT_EQ(MessageBoxA(main, "band", "t", MB_OKCANCEL | MB_DEFBUTTON2), IDOK);

    // An ordinary owner gives an ordinary box.
    const HWND plain = TopLevel();
    Responder().SetFunction([&](const MessageBoxRequest&) {
        EXPECT_EQ(GetWindowLongA(OpenBox(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
        return std::optional<int>(IDOK);
    });
    MessageBoxA(plain, "plain", "t", MB_OK);
}

TEST_F(MessageBoxTest, ColoursComeFromTheCtlColorAnswers) {
    static WNDPROC original = nullptr;
    static HBRUSH red;
    red = CreateSolidBrush(RGB(255, 0, 0));
    Responder().SetFunction([&](const MessageBoxRequest&) {
        const HWND box = OpenBox();
        original = reinterpret_cast<WNDPROC>(SetWindowLongA(
            box, GWL_WNDPROC,
            reinterpret_cast<LONG_PTR>(+[](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
                if (msg == WM_CTLCOLORMSGBOX) {
                    return HandleToParam(red);
                }
                if (msg == WM_CTLCOLORSTATIC) {
                    SetTextColor(HdcFromParam(static_cast<LPARAM>(wParam)), RGB(0, 0, 255));
                    return HandleToParam(red);
                }
                return CallWindowProcA(original, hwnd, msg, wParam, lParam);
            })));
        RedrawWindow(box, nullptr, {}, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        POINT origin{0, 0};
        ClientToScreen(box, &origin);
        RECT frame;
        GetWindowRect(box, &frame);
        EXPECT_EQ(test::WindowPixel(box, origin.x - frame.left + 2, origin.y - frame.top + 2),
                  RGB(255, 0, 0));
        // The text is drawn in the colour the WM_CTLCOLORSTATIC answer chose, inside its rect.
        const auto* window =
            reinterpret_cast<forms::MessageBoxWindow*>(GetWindowLongA(box, GWL_USERDATA));
        const RECT text = window->Layout().text;
        const test::Snapshot client = test::CaptureClient(box);
        size_t inked = 0;
        for (int y = text.top; y < text.bottom; ++y) {
            for (int x = text.left; x < text.right; ++x) {
                inked += test::PixelOf(client, x, y) == RGB(0, 0, 255) ? 1 : 0;
            }
        }
        EXPECT_GT(inked, 20u);
        EXPECT_EQ(test::CountPixels(client, RGB(0, 0, 255)), inked);
        return std::optional<int>(IDOK);
    });
    EXPECT_EQ(MessageBoxA({}, "red", "t", MB_OK), IDOK);
    DeleteObject(red);
}

TEST_F(MessageBoxTest, LayoutCentresTheButtonRowBelowIconAndText) {
    const auto measure = [](std::string_view, int) { return SIZE{40, 13}; };
    const auto withIcon = forms::MessageBoxLayout::Compute(
        MessageBoxRequest::Decode({}, "x", "t", MB_YESNOCANCEL | MB_ICONSTOP), measure);
    ASSERT_EQ(withIcon.buttons.size(), 3u);
    EXPECT_GT(withIcon.text.left, withIcon.icon.right);
    // The row is centred and below everything else.
    EXPECT_EQ(withIcon.buttons[0].left, withIcon.client.cx - withIcon.buttons[2].right);
    EXPECT_GE(withIcon.buttons[0].top, withIcon.icon.bottom);
    EXPECT_LE(withIcon.buttons[0].bottom, withIcon.client.cy);
    for (size_t i = 1; i < withIcon.buttons.size(); ++i) {
        EXPECT_GT(withIcon.buttons[i].left, withIcon.buttons[i - 1].right);
    }
    EXPECT_EQ(withIcon.ButtonAt({withIcon.buttons[1].left, withIcon.buttons[1].top}), 1);
    EXPECT_EQ(withIcon.ButtonAt({withIcon.buttons[1].right, withIcon.buttons[1].top}), -1);

    // A wide text widens the box; no icon puts the text at the margin.
    const auto wide = forms::MessageBoxLayout::Compute(
        MessageBoxRequest::Decode({}, "x", "t", MB_OK), [](std::string_view, int) {
            return SIZE{300, 40};
        });
    EXPECT_EQ(wide.text.left, forms::MessageBoxLayout::kMargin);
    EXPECT_EQ(wide.client.cx, 300 + 2 * forms::MessageBoxLayout::kMargin);
    EXPECT_GE(wide.buttons[0].top, wide.text.bottom);
}

} // namespace
