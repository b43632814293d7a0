#include "SubclassFixture.h"

#include "platform/ole/error/Error.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/win/paint/Paint.h"
#include "shared/subclass/SubclassModule.h"

#include <stdexcept>

namespace subclasstest {
namespace {

using shared::HookMessage;
using shared::SubclassWindow;
using shared::UnhookMessage;
using shared::UnsubclassWindow;

class SubclassRoutingTest : public SubclassFixture {};

TEST_F(SubclassRoutingTest, OnlyHookedMessagesReachTheListenerAndRouteDecidesTheResult) {
    const HWND hwnd = MakeWindow();
    bool swallow = false;
    auto listener = MakeListener([&](HWND, UINT, WPARAM, LPARAM, bool& route) -> LRESULT {
        if (swallow)
            route = false;
        return 99;
    });
    SubclassWindow(hwnd, listener);
    EXPECT_EQ(ProcOf(hwnd), &shared::SubclassWndProc);

    // Not hooked: the class procedure gets the same arguments, its result comes back unchanged.
    ClassLog().Clear();
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 3, 4), 7);
    ASSERT_EQ(ClassLog().Log().size(), 1u);
    EXPECT_EQ(ClassLog().Log()[0].hwnd, hwnd);
    EXPECT_EQ(ClassLog().Log()[0].wParam, 3u);
    EXPECT_EQ(ClassLog().Log()[0].lParam, 4);
    EXPECT_TRUE(listener->calls.empty());

    HookMessage(hwnd, WM_TEST);
    // Left set: the listener sees it first, the previous procedure's result replaces its own.
    ClassLog().Clear();
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 5, 6), 11);
    ASSERT_EQ(listener->calls.size(), 1u);
    EXPECT_EQ(listener->calls[0].msg, WM_TEST);
    EXPECT_EQ(listener->calls[0].wParam, 5u);
    EXPECT_EQ(listener->calls[0].lParam, 6);
    EXPECT_EQ(ClassLog().Count(WM_TEST), 1u);

    // Cleared: the listener's value is the result and the class procedure never sees it.
    swallow = true;
    ClassLog().Clear();
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 5, 6), 99);
    EXPECT_EQ(ClassLog().Count(WM_TEST), 0u);

    // Other messages are untouched by the hook.
    listener->calls.clear();
    EXPECT_EQ(SendMessageA(hwnd, WM_OTHER, 0, 0), 0);
    EXPECT_TRUE(listener->calls.empty());

    UnsubclassWindow(hwnd);
    EXPECT_EQ(ProcOf(hwnd), &test::TestWindowClass::Proc);
    EXPECT_EQ(Module().Record(hwnd), nullptr);
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 1, 1), 2);
    EXPECT_TRUE(listener->calls.empty());
}

TEST_F(SubclassRoutingTest, HookedMessageListKeepsOneEntryPerMessageAndNeverZero) {
    const HWND hwnd = MakeWindow();
    auto listener = MakeListener();
    SubclassWindow(hwnd, listener);
    HookMessage(hwnd, 0);
    HookMessage(hwnd, WM_TEST);
    HookMessage(hwnd, WM_TEST);
    EXPECT_EQ(Module().Record(hwnd)->msgList, std::set<UINT>{WM_TEST});
    UnhookMessage(hwnd, WM_TEST);
    EXPECT_FALSE(Module().Record(hwnd)->IsMessageHooked(WM_TEST));
    SendMessageA(hwnd, WM_TEST, 0, 0);
    EXPECT_TRUE(listener->calls.empty());
    UnhookMessage(hwnd, WM_OTHER);

    shared::cSubclassInfo info;
    info.AddMessage(0);
    info.RemoveMessage(0);
    EXPECT_TRUE(info.msgList.empty());
    EXPECT_FALSE(info.IsMessageHooked(0));
}

TEST_F(SubclassRoutingTest, SubclassingAgainReplacesTheRecordWithoutASelfLoop) {
    const HWND hwnd = MakeWindow();
    auto first = MakeListener();
    auto second = MakeListener();
    SubclassWindow(hwnd, first);
    HookMessage(hwnd, WM_TEST);
    SubclassWindow(hwnd, second);

    EXPECT_EQ(Module().RecordCount(), 1u);
    const auto record = Module().Record(hwnd);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->ListenerPtr, shared::PtrOfObject(second));
    EXPECT_TRUE(record->msgList.empty());
    EXPECT_EQ(record->oldWndProc, &test::TestWindowClass::Proc);

    ClassLog().Clear();
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 1, 2), 3);
    EXPECT_EQ(ClassLog().Count(WM_TEST), 1u);
    EXPECT_TRUE(first->calls.empty());
    EXPECT_TRUE(second->calls.empty());

    // A null handle and a dead one leave no record.
    SubclassWindow(HWND{}, first);
    const HWND dead = MakeWindow();
    DestroyWindow(dead);
    SubclassWindow(dead, first);
    EXPECT_EQ(Module().RecordCount(), 1u);
    EXPECT_EQ(Module().Record(dead), nullptr);
}

TEST_F(SubclassRoutingTest, HookMessageOnAWindowWithoutRecord) {
    const HWND a = MakeWindow();
    const HWND b = MakeWindow();
    // Nothing is subclassed here: silent.
    EXPECT_NO_THROW(HookMessage(a, WM_TEST));
    EXPECT_NO_THROW(UnhookMessage(a, WM_TEST));
    EXPECT_NO_THROW(UnsubclassWindow(a));

    // Only another library holds windows: still silent for this one.
    auto listener = MakeListener();
    {
        shared::SubclassWnd otherLibrary;
        otherLibrary.SubclassWindow(b, listener);
        EXPECT_NO_THROW(HookMessage(a, WM_TEST));
        EXPECT_EQ(Module().RecordCount(), 0u);
        otherLibrary.UnsubclassWindow(b);
    }

    SubclassWindow(b, listener);
    try {
        HookMessage(a, WM_TEST);
        ADD_FAILURE() << "HookMessage on an unrecorded window did not raise";
    } catch (const ole::Error& e) {
        EXPECT_EQ(e.Number(), 5);
    }
    EXPECT_NO_THROW(UnhookMessage(a, WM_TEST));
    EXPECT_NO_THROW(UnsubclassWindow(a));
    EXPECT_EQ(Module().RecordCount(), 1u);
}

TEST_F(SubclassRoutingTest, NcDestroyAlwaysReachesThePreviousProcedureAndEndsTheSubclassing) {
    const HWND parent = MakeWindow();
    const HWND child = MakeWindow(parent);
    const HWND grandchild = MakeWindow(child);
    auto listener = MakeListener([](HWND, UINT, WPARAM, LPARAM, bool& route) -> LRESULT {
        route = false;
        return 5;
    });
    for (HWND hwnd : {parent, child, grandchild}) {
        SubclassWindow(hwnd, listener);
        HookMessage(hwnd, WM_NCDESTROY);
        HookMessage(hwnd, WM_DESTROY);
    }
    EXPECT_EQ(Module().RecordCount(), 3u);

    ClassLog().Clear();
    DestroyWindow(parent);
    // The listener swallowed WM_NCDESTROY, yet every class procedure got it.
    EXPECT_EQ(listener->calls.size(), 6u);
    EXPECT_EQ(ClassLog().Count(WM_NCDESTROY), 3u);
    EXPECT_EQ(ClassLog().Count(WM_DESTROY), 0u);
    EXPECT_EQ(Module().RecordCount(), 0u);
}

TEST_F(SubclassRoutingTest, ReleasedListenerIsNeverCalledAndTheWindowKeepsWorking) {
    const HWND hwnd = MakeWindow();
    test::pump();
    int calls = 0;
    auto listener = MakeListener([&](HWND, UINT, WPARAM, LPARAM, bool& route) -> LRESULT {
        ++calls;
        route = false;
        return 0;
    });
    SubclassWindow(hwnd, listener);
    HookMessage(hwnd, WM_PAINT);
    HookMessage(hwnd, WM_TEST);
    HookMessage(hwnd, WM_NCDESTROY);
    const uint32_t id = shared::PtrOfObject(listener);
    listener.Reset();
    EXPECT_EQ(shared::ObjectFromPtr(id), nullptr);

    ClassLog().Clear();
    InvalidateRect(hwnd, nullptr, TRUE);
    EXPECT_TRUE(test::pump());
    EXPECT_EQ(ClassLog().Count(WM_PAINT), 1u);
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 2, 2), 4);
    EXPECT_EQ(calls, 0);

    DestroyWindow(hwnd);
    EXPECT_EQ(ClassLog().Count(WM_NCDESTROY), 1u);
    EXPECT_EQ(Module().RecordCount(), 0u);
}

TEST_F(SubclassRoutingTest, ProcedureReinstalledWithoutRecordFallsBackToDefaultHandling) {
    const HWND hwnd = MakeWindow();
    test::pump();
    auto listener = MakeListener();
    SubclassWindow(hwnd, listener);
    const LONG_PTR saved = GetWindowLongA(hwnd, GWL_WNDPROC);
    UnsubclassWindow(hwnd);
    SetWindowLongA(hwnd, GWL_WNDPROC, saved);

    InvalidateRect(hwnd, nullptr, TRUE);
    EXPECT_TRUE(test::pump());
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));

    // Subclassing it now must not chain the procedure to itself.
    SubclassWindow(hwnd, listener);
    HookMessage(hwnd, WM_TEST);
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 1, 1), 0);
    EXPECT_EQ(listener->calls.size(), 1u);
    EXPECT_TRUE(DestroyWindow(hwnd));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(Module().RecordCount(), 0u);
}

TEST_F(SubclassRoutingTest, ListenerMayUnsubclassOrResubclassInsideItsCall) {
    const HWND hwnd = MakeWindow();
    auto replacement = MakeListener([](HWND, UINT, WPARAM, LPARAM, bool& route) -> LRESULT {
        route = false;
        return 77;
    });
    auto unsubclasser = MakeListener([](HWND h, UINT, WPARAM, LPARAM, bool&) -> LRESULT {
        UnsubclassWindow(h);
        return 0;
    });
    SubclassWindow(hwnd, unsubclasser);
    HookMessage(hwnd, WM_TEST);
    ClassLog().Clear();
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 1, 2), 3);
    EXPECT_EQ(ClassLog().Count(WM_TEST), 1u);
    EXPECT_EQ(ProcOf(hwnd), &test::TestWindowClass::Proc);
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 1, 2), 3);
    EXPECT_EQ(unsubclasser->calls.size(), 1u);

    auto resubclasser = MakeListener([&](HWND h, UINT, WPARAM, LPARAM, bool&) -> LRESULT {
        SubclassWindow(h, replacement);
        HookMessage(h, WM_TEST);
        return 0;
    });
    SubclassWindow(hwnd, resubclasser);
    HookMessage(hwnd, WM_TEST);
    ClassLog().Clear();
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 2, 2), 4);
    EXPECT_EQ(ClassLog().Count(WM_TEST), 1u);
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 2, 2), 77);
    EXPECT_EQ(ClassLog().Count(WM_TEST), 1u);
    EXPECT_EQ(resubclasser->calls.size(), 1u);
    EXPECT_EQ(Module().Record(hwnd)->oldWndProc, &test::TestWindowClass::Proc);

    // A listener whose call drops the last reference to it finishes its call on a live object.
    replacement = MakeListener([&](HWND, UINT, WPARAM, LPARAM, bool&) -> LRESULT {
        replacement.Reset();
        return 0;
    });
    SubclassWindow(hwnd, replacement);
    HookMessage(hwnd, WM_TEST);
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 3, 3), 6);
    EXPECT_EQ(replacement, nullptr);
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 3, 3), 6);
}

TEST_F(SubclassRoutingTest, ListenerFailuresStayInsideAndTheMessageGoesOn) {
    const HWND hwnd = MakeWindow();
    bool clear = false;
    bool fault = false;
    auto thrower = MakeListener([&](HWND, UINT, WPARAM, LPARAM, bool& route) -> LRESULT {
        if (clear)
            route = false;
        if (fault)
            throw std::logic_error("listener fault");
        ole::RaiseError(380);
    });
    SubclassWindow(hwnd, thrower);
    HookMessage(hwnd, WM_TEST);

    // Whether or not the listener cleared the flag before failing. An automation error is the
    // listener's own affair; a C++ fault is reported as unhandled.
    for (const bool cleared : {false, true}) {
        for (const bool faulty : {false, true}) {
            clear = cleared;
            fault = faulty;
            ClassLog().Clear();
            EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 4, 4), 8);
            EXPECT_EQ(ClassLog().Count(WM_TEST), 1u);
            EXPECT_EQ(ole::TakeReportedErrors().size(), faulty ? 1u : 0u);
        }
    }
    fault = false;

    // Routing goes on afterwards, and WM_NCDESTROY still ends the subclassing.
    HookMessage(hwnd, WM_NCDESTROY);
    ClassLog().Clear();
    DestroyWindow(hwnd);
    EXPECT_EQ(ClassLog().Count(WM_NCDESTROY), 1u);
    EXPECT_EQ(Module().RecordCount(), 0u);
    EXPECT_EQ(thrower->calls.size(), 5u);
}

TEST_F(SubclassRoutingTest, TwoLibrariesOnOneWindowEachFindTheirOwnRecord) {
    const HWND hwnd = MakeWindow();
    shared::SubclassWnd otherLibrary;
    ASSERT_NE(otherLibrary.Procedure(), Module().Procedure());
    auto mine = MakeListener();
    auto theirs = MakeListener();

    SubclassWindow(hwnd, mine);
    HookMessage(hwnd, WM_TEST);
    otherLibrary.SubclassWindow(hwnd, theirs);
    otherLibrary.HookMessage(hwnd, WM_TEST);
    otherLibrary.HookMessage(hwnd, WM_OTHER);
    EXPECT_EQ(otherLibrary.Record(hwnd)->oldWndProc, &shared::SubclassWndProc);

    ClassLog().Clear();
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 1, 1), 2);
    EXPECT_EQ(SendMessageA(hwnd, WM_OTHER, 0, 0), 0);
    EXPECT_EQ(ClassLog().Count(WM_TEST), 1u);
    EXPECT_EQ(ClassLog().Count(WM_OTHER), 1u);
    EXPECT_EQ(mine->calls.size(), 1u);
    EXPECT_EQ(theirs->calls.size(), 2u);

    // Undone in reverse order, the class procedure is back.
    otherLibrary.UnsubclassWindow(hwnd);
    UnsubclassWindow(hwnd);
    EXPECT_EQ(ProcOf(hwnd), &test::TestWindowClass::Proc);

    // Undone in the order they came, the later one keeps hearing its messages, subclassing again
    // while still in its chain makes no loop, and in the end the class procedure answers.
    SubclassWindow(hwnd, mine);
    HookMessage(hwnd, WM_TEST);
    otherLibrary.SubclassWindow(hwnd, theirs);
    otherLibrary.HookMessage(hwnd, WM_TEST);
    UnsubclassWindow(hwnd);
    EXPECT_EQ(Module().Record(hwnd), nullptr);
    mine->calls.clear();
    theirs->calls.clear();
    ClassLog().Clear();
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 1, 2), 3);
    EXPECT_EQ(mine->calls.size(), 0u);
    EXPECT_EQ(theirs->calls.size(), 1u);
    SubclassWindow(hwnd, mine);
    HookMessage(hwnd, WM_TEST);
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 2, 2), 4);
    EXPECT_EQ(mine->calls.size(), 1u);
    UnsubclassWindow(hwnd);
    otherLibrary.UnsubclassWindow(hwnd);
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 1, 2), 3);
    EXPECT_EQ(ClassLog().Count(WM_TEST), 3u);

    // Both still subclassing when the window dies: both records go.
    SubclassWindow(hwnd, mine);
    otherLibrary.SubclassWindow(hwnd, theirs);
    ClassLog().Clear();
    DestroyWindow(hwnd);
    EXPECT_EQ(ClassLog().Count(WM_NCDESTROY), 1u);
    EXPECT_EQ(otherLibrary.RecordCount(), 0u);
    EXPECT_EQ(Module().RecordCount(), 0u);
}

TEST_F(SubclassRoutingTest, EachLibraryOfTheSecondBuildKeepsARegistryOfItsOwn) {
    struct ListLibrary;
    struct ColorLibrary;
    shared::SubclassWnd& list = shared::SubclassModule<ListLibrary>();
    shared::SubclassWnd& color = shared::SubclassModule<ColorLibrary>();
    EXPECT_EQ(&list, &shared::SubclassModule<ListLibrary>());
    EXPECT_NE(list.Procedure(), color.Procedure());
    EXPECT_NE(list.Procedure(), Module().Procedure());

    const HWND hwnd = MakeWindow();
    auto first = MakeListener();
    auto second = MakeListener();
    SubclassWindow(hwnd, first);
    HookMessage(hwnd, WM_TEST);
    list.SubclassWindow(hwnd, second);
    list.HookMessage(hwnd, WM_TEST);
    // The other library has windows of none, so hooking there is silent.
    color.HookMessage(hwnd, WM_TEST);
    EXPECT_EQ(list.Record(hwnd)->oldWndProc, &shared::SubclassWndProc);
    EXPECT_EQ(color.RecordCount(), 0u);

    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 2, 3), 5);
    EXPECT_EQ(first->calls.size(), 1u);
    EXPECT_EQ(second->calls.size(), 1u);
    DestroyWindow(hwnd);
    EXPECT_EQ(list.RecordCount(), 0u);
}

} // namespace
} // namespace subclasstest
