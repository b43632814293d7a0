#include "LoopFixture.h"

#include "platform/base/Clock.h"
#include "platform/win/kernel/Kernel.h"

#include <stdexcept>

namespace looptest {
namespace {

class TimerTest : public LoopTest {};

struct Fired {
    UINT_PTR id;
    LONG time;
};

TEST_F(TimerTest, TimersFireInDueOrderAtTheirOwnTimesOnAdvance) {
    const HWND top = TopLevel(0, 0, 100, 100);
    std::vector<Fired> fired;
    Answer([&](HWND hwnd, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_TIMER && hwnd == top) {
            fired.push_back(Fired{wParam, GetMessageTime()});
            return 0;
        }
        return std::nullopt;
    });
    ASSERT_NE(SetTimer(top, 1, 35, nullptr), 0u);
    ASSERT_NE(SetTimer(top, 2, 10, nullptr), 0u);
    ASSERT_NE(SetTimer(top, 3, 25, nullptr), 0u);
    EXPECT_EQ(test::liveTimerCount(), 3u);

    test::pump();
    EXPECT_TRUE(fired.empty()) << "nothing is due before the clock moves";
    test::advanceTime(40);
    std::vector<std::pair<UINT_PTR, LONG>> got;
    for (const Fired& f : fired) {
        got.emplace_back(f.id, f.time);
    }
    EXPECT_EQ(got, (std::vector<std::pair<UINT_PTR, LONG>>{
                       {2, 10}, {2, 20}, {3, 25}, {2, 30}, {1, 35}, {2, 40}}));
    EXPECT_EQ(GetTickCount(), 40u);

    // Setting an existing id again restarts it with the new period.
    fired.clear();
    SetTimer(top, 2, 100, nullptr);
    KillTimer(top, 1);
    EXPECT_FALSE(KillTimer(top, 1));
    KillTimer(top, 3);
    test::advanceTime(99);
    EXPECT_TRUE(fired.empty());
    test::advanceTime(1);
    ASSERT_EQ(fired.size(), 1u);
    KillTimer(top, 2);
    EXPECT_EQ(test::liveTimerCount(), 0u);
}

TEST_F(TimerTest, ATimerFiresAtMostOncePerPassHoweverFarTheClockJumped) {
    const HWND top = TopLevel(0, 0, 100, 100);
    int count = 0;
    Answer([&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_TIMER) {
            ++count;
            return 0;
        }
        return std::nullopt;
    });
    SetTimer(top, 7, 10, nullptr);
    base::Clock::Advance(95);
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(count, 1);
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(count, 1);
    base::Clock::Advance(4);
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(count, 1) << "rescheduled one period after it fired, not on the old grid";
    base::Clock::Advance(6);
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(count, 2);
}

std::vector<std::pair<UINT_PTR, DWORD>> g_procCalls;
bool g_procThrows = false;

void RecordingTimerProc(HWND hwnd, UINT msg, UINT_PTR id, DWORD time) {
    EXPECT_EQ(hwnd, HWND{});
    EXPECT_EQ(msg, UINT{WM_TIMER});
    g_procCalls.emplace_back(id, time);
    if (g_procThrows) {
        throw std::runtime_error("timer failed");
    }
}

TEST_F(TimerTest, ThreadTimersCallTheirProcedureAndExceptionsStayInside) {
    g_procCalls.clear();
    g_procThrows = false;
    const UINT_PTR id = SetTimer(nullptr, 0, 50, RecordingTimerProc);
    ASSERT_NE(id, 0u);
    const UINT_PTR other = SetTimer(nullptr, 0, 50, RecordingTimerProc);
    EXPECT_NE(other, id) << "each thread timer gets its own id";
    KillTimer(nullptr, other);

    test::advanceTime(100);
    EXPECT_EQ(g_procCalls, (std::vector<std::pair<UINT_PTR, DWORD>>{{id, 50}, {id, 100}}));

    g_procThrows = true;
    test::advanceTime(50);
    EXPECT_EQ(g_procCalls.size(), 3u);
    ASSERT_EQ(test::CaughtExceptions().size(), 1u);
    EXPECT_EQ(test::CaughtExceptions()[0].what, "timer failed");
    test::ClearCaughtExceptions();
    EXPECT_TRUE(KillTimer(nullptr, id));
}

TEST_F(TimerTest, StaleHandlesFailCleanlyAndDestroyedWindowsLoseTheirTimers) {
    const HWND top = TopLevel(0, 0, 100, 100);
    SetTimer(top, 1, 10, nullptr);
    PostMessageA(top, WM_USER, 0, 0);
    EXPECT_EQ(test::liveTimerCount(), 1u);
    Watch({WM_USER, WM_TIMER});

    DestroyWindow(top);
    EXPECT_EQ(test::liveTimerCount(), 0u);
    EXPECT_FALSE(IsWindow(top));
    EXPECT_EQ(SetTimer(top, 2, 10, nullptr), 0u);
    EXPECT_FALSE(KillTimer(top, 1));
    EXPECT_FALSE(PostMessageA(top, WM_USER, 0, 0));
    test::advanceTime(50);
    EXPECT_TRUE(Rec().Log().empty()) << "posted messages and timers of the dead window are gone";

    const HWND next = TopLevel(0, 0, 100, 100);
    EXPECT_GT(next.Value(), top.Value()) << "handles are never reused";
    DestroyWindow(next);
}

TEST_F(TimerTest, ResetPlatformReturnsEveryLiveCountToZero) {
    const HWND top = TopLevel(0, 0, 100, 100);
    Child(top, 0, 0, 10, 10);
    SetTimer(top, 1, 10, nullptr);
    SetTimer(nullptr, 0, 10, RecordingTimerProc);
    SetWindowsHookExA(
        WH_MOUSE, [](int, WPARAM, LPARAM) -> LRESULT { return 0; }, nullptr, 0);
    SetCapture(top);
    test::click(POINT{5, 5});
    PostMessageA(nullptr, WM_USER, 0, 0);
    test::advanceTime(25);
    ASSERT_GT(test::LiveWindowCount(), 0u);

    test::resetPlatform();
    EXPECT_EQ(test::LiveWindowCount(), 0u);
    EXPECT_EQ(test::liveTimerCount(), 0u);
    EXPECT_EQ(test::liveHookCount(), 0u);
    EXPECT_EQ(test::pendingInputCount(), 0u);
    EXPECT_EQ(GetCapture(), HWND{});
    EXPECT_EQ(GetTickCount(), 0u);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

} // namespace
} // namespace looptest
