#include "WindowFixture.h"

#include <string>

namespace wmtest {
namespace {

using DestructionTest = WindowTest;

std::string Name(const std::vector<std::pair<HWND, const char*>>& names, HWND hwnd) {
    for (const auto& [h, name] : names) {
        if (h == hwnd) {
            return name;
        }
    }
    return "?";
}

TEST_F(DestructionTest, CreationSendsItsMessagesInOrder) {
    test::Spy spy;
    spy.WatchAll();
    const HWND top = TopLevel(10, 20, 100, 80, WS_OVERLAPPED);
    const HWND child = Child(top, 5, 6, 30, 20);
    const std::vector<UINT> expected = {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE};
    EXPECT_EQ(spy.MessageIds(top), expected);
    const std::vector<UINT> childMessages = spy.MessageIds(child);
    ASSERT_GE(childMessages.size(), 6u);
    EXPECT_EQ(std::vector<UINT>(childMessages.begin(), childMessages.begin() + 5), expected);
    EXPECT_EQ(childMessages[5], UINT{WM_SHOWWINDOW});
    EXPECT_EQ(spy.First(WM_MOVE, child)->lParam, MAKELPARAM(5, 6));
    EXPECT_EQ(spy.First(WM_SIZE, child)->lParam, MAKELPARAM(30, 20));
    EXPECT_FALSE(IsWindowVisible(top));
    EXPECT_FALSE(IsWindowVisible(child)) << "a child of a hidden parent is not visible";

    // WM_CREATE answering -1 destroys the window and creation yields null.
    Answer([](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        return msg == WM_CREATE ? std::optional<LRESULT>(-1) : std::nullopt;
    });
    const size_t before = test::LiveWindowCount();
    EXPECT_FALSE(TopLevel(0, 0, 10, 10));
    EXPECT_EQ(test::LiveWindowCount(), before);
    // A child without a parent and an unknown class fail too.
    EXPECT_FALSE(CreateWindowExA(0, "WmTest", "", WS_CHILD, 0, 0, 1, 1, {}, {}, {}, nullptr));
    EXPECT_FALSE(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, {}, {}, {}, nullptr));
}

TEST_F(DestructionTest, DestroyGoesPreOrderThenNcDestroyPostOrderWithOwnedWindowsFirst) {
    const HWND a = TopLevel(0, 0, 200, 200);
    const HWND b = Child(a, 0, 0, 100, 100);
    const HWND c = Child(b, 0, 0, 50, 50);
    const HWND d = Child(a, 100, 0, 50, 50);
    // Owned by a child window: the owner is recorded as given, and the popup dies with it.
    const HWND tip = TopLevel(0, 0, 20, 20, WS_POPUP, 0, b);
    const std::vector<std::pair<HWND, const char*>> names = {
        {a, "a"}, {b, "b"}, {c, "c"}, {d, "d"}, {tip, "tip"}};
    EXPECT_EQ(GetWindow(tip, GW_OWNER), b);
    EXPECT_EQ(GetParent(tip), b);
    EXPECT_FALSE(IsChild(a, tip));
    EXPECT_FALSE(IsChild(b, tip));

    std::vector<std::string> log;
    Answer([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_DESTROY) {
            // While a window handles WM_DESTROY its children all still exist.
            EXPECT_TRUE(IsWindow(c));
            log.push_back("destroy " + Name(names, hwnd));
        } else if (msg == WM_NCDESTROY) {
            EXPECT_TRUE(IsWindow(hwnd)) << "the handle lives until WM_NCDESTROY returns";
            log.push_back("ncdestroy " + Name(names, hwnd));
        }
        return std::nullopt;
    });
    EXPECT_TRUE(DestroyWindow(a));
    EXPECT_EQ(log, (std::vector<std::string>{"destroy tip", "ncdestroy tip", "destroy a",
                                             "destroy b", "destroy c", "destroy d", "ncdestroy c",
                                             "ncdestroy b", "ncdestroy d", "ncdestroy a"}));
    for (HWND hwnd : {a, b, c, d, tip}) {
        EXPECT_FALSE(IsWindow(hwnd));
    }
    EXPECT_EQ(test::LiveWindowCount(), 0u);
    EXPECT_FALSE(DestroyWindow(a)) << "stale handle";
}

TEST_F(DestructionTest, DestroyingAnotherWindowInsideWmDestroyIsSafe) {
    const HWND main = TopLevel(0, 0, 100, 100);
    const HWND editor = Child(main, 0, 0, 10, 10);
    const HWND other = TopLevel(200, 0, 50, 50);
    int refused = 0;
    Answer([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_DESTROY && hwnd == main) {
            DestroyWindow(other);
            // Already on its way out with main: refused, nothing happens twice.
            refused += DestroyWindow(editor) ? 0 : 1;
            refused += DestroyWindow(main) ? 0 : 1;
        }
        return std::nullopt;
    });
    test::Spy spy;
    spy.WatchAll();
    EXPECT_TRUE(DestroyWindow(main));
    EXPECT_EQ(refused, 2);
    EXPECT_FALSE(IsWindow(other));
    EXPECT_EQ(spy.Count(WM_NCDESTROY, editor), 1u);
    EXPECT_EQ(spy.Count(WM_DESTROY, main), 1u);
    EXPECT_EQ(test::LiveWindowCount(), 0u);
}

TEST_F(DestructionTest, WindowDestroyedDuringItsOwnMessageIsNeverTouchedAfterItDies) {
    // ASan proves the record outlives the dispatches still running on it.
    const HWND top = TopLevel(0, 0, 100, 100);
    const HWND button = Child(top, 0, 0, 20, 20);
    Answer([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_USER && hwnd == button) {
            DestroyWindow(top);
            EXPECT_FALSE(IsWindow(hwnd));
            // Calls on the dead handle fail cleanly from inside its own dispatch.
            EXPECT_EQ(SetWindowLongA(hwnd, GWL_USERDATA, 5), 0);
            EXPECT_FALSE(ShowWindow(hwnd, SW_HIDE));
            EXPECT_FALSE(SetWindowPos(hwnd, {}, 1, 1, 1, 1, 0));
            EXPECT_EQ(SendMessageA(hwnd, WM_USER + 1, 0, 0), 0);
            return 3;
        }
        return std::nullopt;
    });
    EXPECT_EQ(SendMessageA(button, WM_USER, 0, 0), 3);
    EXPECT_EQ(test::LiveWindowCount(), 0u);

    // The same from inside WM_DESTROY of the window itself and inside its activation.
    const HWND self = TopLevel(0, 0, 10, 10);
    const HWND second = TopLevel(20, 0, 10, 10);
    ASSERT_EQ(GetActiveWindow(), second);
    Answer([&](HWND hwnd, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_ACTIVATE && hwnd == self && LOWORD(wParam) != WA_INACTIVE) {
            DestroyWindow(hwnd);
            return 0;
        }
        return std::nullopt;
    });
    SetActiveWindow(self);
    EXPECT_FALSE(IsWindow(self));
    EXPECT_TRUE(IsWindow(second));
    EXPECT_EQ(GetActiveWindow(), second);
}

TEST_F(DestructionTest, DestructionReleasesFocusActivationAndHandlesForGood) {
    const HWND owner = TopLevel(0, 0, 100, 100);
    const HWND dialog = TopLevel(10, 10, 50, 50, WS_POPUP | WS_VISIBLE, 0, owner);
    const HWND edit = Child(dialog, 0, 0, 10, 10);
    SetFocus(edit);
    ASSERT_EQ(GetActiveWindow(), dialog);
    ASSERT_EQ(GetFocus(), edit);
    test::Spy spy(edit);
    DestroyWindow(dialog);
    EXPECT_EQ(spy.MessageIds(), (std::vector<UINT>{WM_KILLFOCUS, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_EQ(GetActiveWindow(), owner) << "the owner takes activation back";
    EXPECT_EQ(GetFocus(), owner);

    // Handles are never reused, even after the window behind one is gone.
    const HWND again = TopLevel(0, 0, 1, 1);
    EXPECT_NE(again, dialog);
    EXPECT_NE(again, edit);
    EXPECT_GT(again.Value(), edit.Value());
}

} // namespace
} // namespace wmtest

namespace wmtest {
namespace {

TEST_F(DestructionTest, NestedDestructionSendsEachMessageOnceAndSurvivesInputHandlers) {
    // A child whose WM_DESTROY destroys its own parent: every window still hears WM_DESTROY and
    // WM_NCDESTROY exactly once.
    const HWND parent = TopLevel(0, 0, 100, 100);
    const HWND child = Child(parent, 0, 0, 50, 50);
    const HWND sibling = Child(parent, 50, 0, 50, 50);
    Answer([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_DESTROY && hwnd == child) {
            EXPECT_TRUE(DestroyWindow(parent));
        }
        return std::nullopt;
    });
    test::Spy spy;
    spy.WatchAll();
    EXPECT_TRUE(DestroyWindow(child));
    for (HWND hwnd : {parent, child, sibling}) {
        EXPECT_EQ(spy.Count(WM_DESTROY, hwnd), 1u);
        EXPECT_EQ(spy.Count(WM_NCDESTROY, hwnd), 1u);
        EXPECT_FALSE(IsWindow(hwnd));
    }

    // A child's mouse-up destroying the whole form while input is being dispatched.
    const HWND form = TopLevel(0, 0, 100, 100);
    const HWND button = Child(form, 10, 10, 30, 30);
    ASSERT_TRUE(test::pump());
    bool destroyed = false;
    Answer([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_LBUTTONUP && hwnd == button) {
            destroyed = DestroyWindow(form) != FALSE;
            return 0;
        }
        return std::nullopt;
    });
    test::click(button, POINT{5, 5});
    ASSERT_TRUE(test::pump());
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(test::LiveWindowCount(), 0u);
}

} // namespace
} // namespace wmtest

namespace wmtest {
namespace {

// Random tree operations while handlers destroy, re-parent and hide windows from inside their
// own messages. Under the sanitizers this proves no freed record is touched; the invariants below
// prove the tree stays consistent.
class RandomTreeTest : public DestructionTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(RandomTreeTest, TreeSurvivesRandomOperationsWithReentrantHandlers) {
    uint32_t seed = GetParam();
    auto next = [&](uint32_t bound) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % bound;
    };
    std::vector<HWND> pool;
    auto pick = [&]() {
        return pool.empty() ? HWND{} : pool[next(static_cast<uint32_t>(pool.size()))];
    };
    Answer([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_DESTROY || msg == WM_SIZE || msg == WM_ACTIVATE || msg == WM_SHOWWINDOW ||
            msg == WM_KILLFOCUS) {
            switch (next(12)) {
            case 0:
                DestroyWindow(pick());
                break;
            case 1:
                DestroyWindow(hwnd);
                break;
            case 2:
                SetParent(pick(), pick());
                break;
            case 3:
                ShowWindow(pick(), SW_HIDE);
                break;
            case 4:
                SetFocus(pick());
                break;
            case 5:
                pool.push_back(Child(hwnd, 0, 0, 5, 5));
                break;
            case 6:
                SetWindowLongA(pick(), GWL_HWNDPARENT, HandleToParam(pick()));
                break;
            default:
                break;
            }
        }
        return std::nullopt;
    });
    for (int step = 0; step < 600; ++step) {
        const HWND target = pick();
        switch (next(12)) {
        case 0:
        case 1:
            pool.push_back(TopLevel(static_cast<int>(next(300)), static_cast<int>(next(300)), 50,
                                    50, WS_OVERLAPPED | WS_VISIBLE, 0, next(2) ? target : HWND{}));
            break;
        case 2:
        case 3:
            if (IsWindow(target)) {
                pool.push_back(
                    Child(target, static_cast<int>(next(40)), static_cast<int>(next(40)), 20, 20));
            }
            break;
        case 4:
            DestroyWindow(target);
            break;
        case 5:
            SetWindowPos(target, next(2) ? HWND_TOP : HWND_BOTTOM, static_cast<int>(next(100)),
                         static_cast<int>(next(100)), 30, 30, 0);
            break;
        case 6:
            ShowWindow(target, next(2) ? SW_SHOW : SW_HIDE);
            break;
        case 7:
            SetFocus(target);
            break;
        case 8:
            EnableWindow(target, next(2));
            break;
        case 9:
            ShowWindow(target, next(2) ? SW_MINIMIZE : SW_RESTORE);
            break;
        case 10:
            RedrawWindow(target, nullptr, {},
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            break;
        default:
            InvalidateRect(target, nullptr, TRUE);
            test::pump();
            break;
        }
        std::erase_if(pool, [](HWND h) { return !h || !IsWindow(h); });
    }
    size_t alive = 0;
    for (HWND hwnd : pool) {
        alive += IsWindow(hwnd) ? 1 : 0;
        if (const HWND parent = GetAncestor(hwnd, GA_PARENT); parent != GetDesktopWindow()) {
            EXPECT_TRUE(IsChild(parent, hwnd)) << test::DumpWindowTree();
        }
    }
    EXPECT_EQ(alive, test::LiveWindowCount());
    if (const HWND focus = GetFocus()) {
        EXPECT_TRUE(IsWindowVisible(focus));
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomTreeTest, ::testing::Range(1u, 41u));

} // namespace
} // namespace wmtest
