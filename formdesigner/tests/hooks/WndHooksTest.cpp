#include "formdesigner/hooks/WndHooks.h"
#include "formdesigner/hooks/IHookListener.h"

#include "testsupport/CleanPlatform.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/win/Win.h"
#include "platform/win/hooks/HookChains.h"
#include "platform/win/test/TestApi.h"

#include <functional>
#include <gtest/gtest.h>

namespace layoutdesk::test {
namespace {

class Listener final : public ole::Object, public IHookListener {
public:
    static ole::Ptr<Listener> Create() { return ole::MakeObject<Listener>(); }
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info = ole::ClassBuilder<Listener>("TestHookListener").Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    int32_t NotifyHookedEvent(int32_t nHookType, int32_t nCode, win::WPARAM, win::LPARAM,
                              bool& bNoCallNextHook) override {
        ++calls;
        lastType = nHookType;
        if (onCall)
            onCall(nCode, bNoCallNextHook);
        return 0;
    }

    int calls = 0;
    int32_t lastType = 0;
    std::function<void(int32_t, bool&)> onCall;
};

int g_foreignCalls = 0;
win::LRESULT ForeignHook(int, win::WPARAM, win::LPARAM) {
    ++g_foreignCalls;
    return 42;
}

class WndHooksTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        g_foreignCalls = 0;
        a = Listener::Create();
        b = Listener::Create();
    }
    void TearDown() override {
        for (Listener* l : {a.Get(), b.Get()})
            if (l)
                for (int type : {2, 3, 4, 5, 7, 12})
                    hooks().RemoveHook(type, *l);
        a = nullptr;
        b = nullptr;
        CleanPlatform::TearDown();
    }
    static WndHooks& hooks() { return WndHooks::Module(); }
    static size_t Live() { return win::test::liveHookCount(); }
    // A hook call as the platform makes it.
    static win::LRESULT Call(int type, int nCode) {
        return win::detail::HookChains::Instance().Walk(type, nCode, 0, 0);
    }

    ole::Ptr<Listener> a;
    ole::Ptr<Listener> b;
};

TEST_F(WndHooksTest, OneHookPerTypeInstalledByTheFirstListenerRemovedWithTheLast) {
    const size_t base = Live();
    hooks().AddHook(win::WH_MOUSE, *a);
    hooks().AddHook(win::WH_MOUSE, *b);
    hooks().AddHook(win::WH_MOUSE, *a);
    EXPECT_EQ(Live(), base + 1);
    EXPECT_EQ(hooks().State(win::WH_MOUSE)->ListenerCount, 2);

    hooks().RemoveHook(win::WH_MOUSE, *a);
    EXPECT_EQ(Live(), base + 1);
    EXPECT_FALSE(hooks().IsHookListener(win::WH_MOUSE, *a));
    hooks().RemoveHook(win::WH_MOUSE, *b);
    EXPECT_EQ(Live(), base);
    EXPECT_FALSE(hooks().State(win::WH_MOUSE)->hHook);

    hooks().AddHook(win::WH_MOUSE, *a);
    EXPECT_EQ(Live(), base + 1);
}

TEST_F(WndHooksTest, UnsupportedTypesInstallAndRegisterNothing) {
    const size_t base = Live();
    for (int type : {1, 6, 13}) {
        hooks().AddHook(type, *a);
        EXPECT_FALSE(hooks().IsHookListener(type, *a));
        EXPECT_EQ(hooks().State(type), nullptr);
    }
    EXPECT_EQ(Live(), base);
}

TEST_F(WndHooksTest, AClaimWithAnActionCodeReturnsOneAndSkipsTheRest) {
    const win::HHOOK foreign = win::SetWindowsHookExA(win::WH_CBT, ForeignHook, {}, 0);
    hooks().AddHook(win::WH_CBT, *a);
    hooks().AddHook(win::WH_CBT, *b);
    a->onCall = [](int32_t, bool& claim) { claim = true; };

    EXPECT_EQ(Call(win::WH_CBT, 0), 1);
    EXPECT_EQ(a->calls, 1);
    EXPECT_EQ(a->lastType, win::WH_CBT);
    EXPECT_EQ(b->calls, 0);
    EXPECT_EQ(g_foreignCalls, 0);

    // A negative code is heard but always passed on.
    EXPECT_EQ(Call(win::WH_CBT, -1), 42);
    EXPECT_EQ(a->calls, 2);
    EXPECT_EQ(g_foreignCalls, 1);
    win::UnhookWindowsHookEx(foreign);
}

TEST_F(WndHooksTest, AListenerGoneWithoutRemoveHookIsDroppedAndTheHookGoes) {
    const size_t base = Live();
    hooks().AddHook(win::WH_MOUSE, *a);
    a = nullptr;
    win::HWND window = win::CreateWindowExA(0, "STATIC", "", win::WS_VISIBLE | win::WS_POPUP, 0, 0,
                                            50, 50, {}, {}, {}, nullptr);
    win::test::click(window, {5, 5});
    win::test::pump();
    EXPECT_EQ(Live(), base);
    EXPECT_EQ(hooks().State(win::WH_MOUSE)->ListenerCount, 0);
    win::DestroyWindow(window);
}

TEST_F(WndHooksTest, ListenersRemovedDuringACallAreNotCalledAndTheHookGoesSafely) {
    const size_t base = Live();
    hooks().AddHook(win::WH_MOUSE, *a);
    hooks().AddHook(win::WH_MOUSE, *b);
    ole::Ptr<Listener> late = Listener::Create();
    a->onCall = [&](int32_t, bool&) {
        hooks().RemoveHook(win::WH_MOUSE, *b);
        hooks().AddHook(win::WH_MOUSE, *late);
        hooks().RemoveHook(win::WH_MOUSE, *late);
        hooks().RemoveHook(win::WH_MOUSE, *a);
    };
    EXPECT_EQ(Call(win::WH_MOUSE, 0), 0);
    EXPECT_EQ(a->calls, 1);
    EXPECT_EQ(b->calls, 0);
    EXPECT_EQ(late->calls, 0);
    EXPECT_EQ(Live(), base);
}

TEST_F(WndHooksTest, AFailingListenerIsReportedAndTheNextOneStillHears) {
    hooks().AddHook(win::WH_MOUSE, *a);
    hooks().AddHook(win::WH_MOUSE, *b);
    a->onCall = [](int32_t, bool&) { ole::RaiseError(5); };
    EXPECT_EQ(Call(win::WH_MOUSE, 0), 0);
    EXPECT_EQ(b->calls, 1);
    const std::vector<ole::Error> reported = ole::TakeReportedErrors();
    ASSERT_EQ(reported.size(), 1U);
    EXPECT_EQ(reported[0].Number(), 5);
}

} // namespace
} // namespace layoutdesk::test
