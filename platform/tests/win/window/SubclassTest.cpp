#include "WindowFixture.h"

#include <stdexcept>
#include <string>

namespace wmtest {
namespace {

// Two subclass procedures, each remembering the procedure it replaced, logging what passes.
struct Chain {
    WNDPROC firstPrev = nullptr;
    WNDPROC secondPrev = nullptr;
    std::vector<std::string> log;
    UINT swallow = 0; // the second (outer) subclass eats this message

    static Chain& Get() {
        static Chain chain;
        return chain;
    }
};

LRESULT FirstSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Chain& c = Chain::Get();
    c.log.push_back("first " + std::to_string(msg));
    return CallWindowProcA(c.firstPrev, hwnd, msg, wParam, lParam);
}

LRESULT SecondSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Chain& c = Chain::Get();
    c.log.push_back("second " + std::to_string(msg));
    if (msg == c.swallow) {
        return 77;
    }
    return CallWindowProcA(c.secondPrev, hwnd, msg, wParam, lParam);
}

// Unsubclasses itself blindly while handling WM_NCDESTROY, as library code does.
LRESULT RestoringSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Chain& c = Chain::Get();
    if (msg == WM_NCDESTROY) {
        c.log.push_back("restoring ncdestroy");
        SetWindowLongA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(c.firstPrev));
    }
    return CallWindowProcA(c.firstPrev, hwnd, msg, wParam, lParam);
}

struct ClassCall {
    HWND hwnd;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

std::vector<ClassCall>& ClassCalls() {
    static std::vector<ClassCall> calls;
    return calls;
}

LRESULT ClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg >= WM_USER) {
        ClassCalls().push_back({hwnd, msg, wParam, lParam});
        return static_cast<LRESULT>(0x123456789AB);
    }
    if (msg == WM_NCDESTROY) {
        Chain::Get().log.push_back("class ncdestroy");
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class SubclassTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Chain::Get() = Chain{};
        ClassCalls().clear();
        WNDCLASSEXA wc;
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ClassProc;
        wc.lpszClassName = "WmSubclassed";
        ASSERT_NE(RegisterClassExA(&wc), 0);
        m_hwnd = CreateWindowExA(0, "WmSubclassed", "", WS_OVERLAPPED, 0, 0, 50, 50, {}, {}, {},
                                 nullptr);
        ASSERT_TRUE(m_hwnd);
    }

    void StackTwo() {
        Chain& c = Chain::Get();
        c.firstPrev = reinterpret_cast<WNDPROC>(
            SetWindowLongA(m_hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FirstSubclass)));
        c.secondPrev = reinterpret_cast<WNDPROC>(
            SetWindowLongA(m_hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(SecondSubclass)));
    }

    HWND m_hwnd;
};

TEST_F(SubclassTest, StackedSubclassesSeeMessagesOutermostFirstAndPassThemOn) {
    StackTwo();
    EXPECT_EQ(Chain::Get().firstPrev, &ClassProc);
    EXPECT_EQ(Chain::Get().secondPrev, &FirstSubclass);

    const LRESULT result = SendMessageA(m_hwnd, WM_USER + 5, 0xDEADBEEF, -42);
    EXPECT_EQ(Chain::Get().log, (std::vector<std::string>{"second 1029", "first 1029"}));
    // Nothing hooks WM_USER + 5: the class procedure sees the same four arguments and its
    // pointer-sized result comes back unchanged.
    ASSERT_EQ(ClassCalls().size(), 1u);
    EXPECT_EQ(ClassCalls()[0].hwnd, m_hwnd);
    EXPECT_EQ(ClassCalls()[0].msg, UINT{WM_USER + 5});
    EXPECT_EQ(ClassCalls()[0].wParam, WPARAM{0xDEADBEEF});
    EXPECT_EQ(ClassCalls()[0].lParam, LPARAM{-42});
    EXPECT_EQ(result, static_cast<LRESULT>(0x123456789AB));

    // The outer subclass may answer on its own; the inner ones never see the message.
    Chain::Get().log.clear();
    Chain::Get().swallow = WM_USER + 6;
    EXPECT_EQ(SendMessageA(m_hwnd, WM_USER + 6, 0, 0), 77);
    EXPECT_EQ(Chain::Get().log, std::vector<std::string>{"second 1030"});
    EXPECT_EQ(ClassCalls().size(), 1u);
}

TEST_F(SubclassTest, PlatformGeneratedMessagesReachTheCurrentProcedure) {
    StackTwo();
    ShowWindow(m_hwnd, SW_SHOW);
    ASSERT_TRUE(test::pump());
    const auto& log = Chain::Get().log;
    for (UINT msg : {WM_SHOWWINDOW, WM_ACTIVATE, WM_SETFOCUS, WM_PAINT, WM_ERASEBKGND}) {
        EXPECT_NE(std::find(log.begin(), log.end(), "second " + std::to_string(msg)), log.end())
            << "message " << msg;
    }
}

TEST_F(SubclassTest, SubclassRestoringItsProcedureInNcDestroyStillEndsInTheClassProcedure) {
    Chain& c = Chain::Get();
    c.firstPrev = reinterpret_cast<WNDPROC>(
        SetWindowLongA(m_hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(RestoringSubclass)));
    test::Spy spy(m_hwnd);
    EXPECT_TRUE(DestroyWindow(m_hwnd));
    EXPECT_EQ(c.log, (std::vector<std::string>{"restoring ncdestroy", "class ncdestroy"}));
    // The spy watched beside the chain and saw the whole sequence.
    EXPECT_EQ(spy.MessageIds().back(), UINT{WM_NCDESTROY});
    EXPECT_FALSE(IsWindow(m_hwnd));
}

TEST_F(SubclassTest, ReplacingTheProcedureWhileHandlingAMessageTakesEffectForTheNextOne) {
    static int oldCalls = 0;
    static int newCalls = 0;
    oldCalls = newCalls = 0;
    struct Procs {
        static LRESULT New(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
            if (msg == WM_USER) {
                ++newCalls;
            }
            return DefWindowProcA(hwnd, msg, w, l);
        }
        static LRESULT Old(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
            if (msg == WM_USER) {
                ++oldCalls;
                SetWindowLongA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&New));
                return 5;
            }
            return DefWindowProcA(hwnd, msg, w, l);
        }
    };
    SetWindowLongA(m_hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Procs::Old));
    EXPECT_EQ(SendMessageA(m_hwnd, WM_USER, 0, 0), 5);
    SendMessageA(m_hwnd, WM_USER, 0, 0);
    EXPECT_EQ(oldCalls, 1);
    EXPECT_EQ(newCalls, 1);
}

TEST_F(SubclassTest, ExceptionsStopAtTheProcedureBoundaryAndAreLogged) {
    struct Throwing {
        static LRESULT Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
            if (msg == WM_USER) {
                throw std::runtime_error("boom");
            }
            return DefWindowProcA(hwnd, msg, w, l);
        }
    };
    SetWindowLongA(m_hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Throwing::Proc));
    test::Spy spy(m_hwnd);
    EXPECT_EQ(SendMessageA(m_hwnd, WM_USER, 0, 0), 0);
    ASSERT_EQ(test::CaughtExceptions().size(), 1u);
    EXPECT_EQ(test::CaughtExceptions()[0].what, "boom");
    ASSERT_EQ(spy.Messages().size(), 1u);
    EXPECT_TRUE(spy.Messages()[0].returned);
    test::ClearCaughtExceptions();
}

TEST_F(SubclassTest, SpyRecordsNestingResultsAndSentMessagesWithoutTouchingTheProcedure) {
    Answer([](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_USER) {
            return SendMessageA(hwnd, WM_USER + 1, 0, 0) + 1;
        }
        if (msg == WM_USER + 1) {
            return 10;
        }
        return std::nullopt;
    });
    const HWND hwnd = TopLevel(0, 0, 10, 10, WS_OVERLAPPED);
    const LONG_PTR proc = GetWindowLongA(hwnd, GWL_WNDPROC);
    test::Spy spy(hwnd);
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_WNDPROC), proc);
    EXPECT_EQ(SendMessageA(hwnd, WM_USER, 3, 4), 11);
    ASSERT_EQ(spy.Messages().size(), 2u);
    EXPECT_EQ(spy.Messages()[0].msg, UINT{WM_USER});
    EXPECT_EQ(spy.Messages()[0].depth, 1);
    EXPECT_EQ(spy.Messages()[0].result, 11);
    EXPECT_EQ(spy.Messages()[0].wParam, WPARAM{3});
    EXPECT_EQ(spy.Messages()[1].msg, UINT{WM_USER + 1});
    EXPECT_EQ(spy.Messages()[1].depth, 2);
    EXPECT_EQ(spy.Messages()[1].result, 10);
    // A dead or null window answers 0 and reaches nobody.
    EXPECT_EQ(SendMessageA(HWND{}, WM_USER, 0, 0), 0);
    DestroyWindow(hwnd);
    EXPECT_EQ(SendMessageA(hwnd, WM_USER, 0, 0), 0);
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_WNDPROC), 0);
    EXPECT_EQ(SetWindowLongA(hwnd, GWL_USERDATA, 1), 0);
}

} // namespace
} // namespace wmtest
