#include "SubclassFixture.h"

#include "platform/ole/error/Error.h"
#include "shared/subclass/SubclassListenerObject.h"

namespace subclasstest {
namespace {

using shared::HookMessage;
using shared::SubclassWindow;

class SubclassListenerTest : public SubclassFixture {};

// A host object implementing the automation interface only (no C++ cSubclassListener).
class HostListener final : public ole::Object {
public:
    int32_t WindowMsgListener(int32_t hwnd, int32_t Msg, int32_t wParam, int32_t lParam,
                              bool& bRouteToOriginal) {
        seen = {hwnd, Msg, wParam, lParam};
        bRouteToOriginal = !swallow;
        return 42;
    }
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info =
            ole::ClassBuilder<HostListener>("HostListener")
                .Method("WindowMsgListener", shared::DISPID_WindowMsgListener,
                        &HostListener::WindowMsgListener)
                .Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    std::vector<int32_t> seen;
    bool swallow = false;
};

// An object with nothing to say to the window.
class Bystander final : public ole::Object {
public:
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info = ole::ClassBuilder<Bystander>("Bystander").Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
};

// A C++ listener that is no automation object, so it has no weak id.
class PlainListener final : public shared::cSubclassListener {};

TEST_F(SubclassListenerTest, WeakReferencesResolveOnlyWhileTheObjectLives) {
    EXPECT_EQ(shared::PtrOfObject(ole::Ptr<ole::Object>()), 0u);
    EXPECT_EQ(shared::ObjectFromPtr(0), nullptr);

    auto listener = MakeListener();
    const uint32_t id = shared::PtrOfObject(listener);
    EXPECT_NE(id, 0u);
    // One id per object, whatever reference it is taken through.
    EXPECT_EQ(shared::PtrOfObject(ole::Ptr<ole::Object>(listener)), id);
    EXPECT_EQ(shared::ObjectFromPtr(id).Get(), static_cast<ole::Object*>(listener.Get()));
    listener.Reset();
    EXPECT_EQ(shared::ObjectFromPtr(id), nullptr);
    // Ids are never handed out again.
    EXPECT_NE(shared::PtrOfObject(MakeListener()), id);
}

TEST_F(SubclassListenerTest, HostObjectsListenThroughTheAutomationInterface) {
    const HWND hwnd = MakeWindow();
    auto host = ole::MakeObject<HostListener>();
    SubclassWindow(hwnd, host);
    HookMessage(hwnd, WM_TEST);

    ClassLog().Clear();
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 0xFFFFFFFFu, -2), 0xFFFFFFFDll);
    EXPECT_EQ(host->seen, (std::vector<int32_t>{static_cast<int32_t>(hwnd.Value()),
                                                static_cast<int32_t>(WM_TEST), -1, -2}));
    EXPECT_EQ(ClassLog().Count(WM_TEST), 1u);

    host->swallow = true;
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 1, 1), 42);
    EXPECT_EQ(ClassLog().Count(WM_TEST), 1u);

    // The library's own class body and an object without the member both pass messages on.
    for (const ole::Ptr<ole::Object>& quiet :
         {ole::Ptr<ole::Object>(shared::SubclassListenerObject::Create()),
          ole::Ptr<ole::Object>(ole::MakeObject<Bystander>())}) {
        SubclassWindow(hwnd, quiet);
        HookMessage(hwnd, WM_TEST);
        EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 2, 3), 5);
    }

    // The class body answers 0 by member id too.
    auto body = shared::SubclassListenerObject::Create();
    ole::Variant route(true);
    ole::Variant args[] = {ole::Variant(1), ole::Variant(2), ole::Variant(3), ole::Variant(4),
                           ole::Variant::ByRef(route)};
    EXPECT_EQ(body->Invoke(shared::DISPID_WindowMsgListener, ole::DISPATCH_METHOD, args).AsI4(), 0);
    EXPECT_TRUE(route.AsBool());
    EXPECT_EQ(body->GetIDsOfNames("windowmsglistener"), shared::DISPID_WindowMsgListener);
}

TEST_F(SubclassListenerTest, ObjectsMaySubclassOnTheirOwnBehalfWithoutAReference) {
    const HWND hwnd = MakeWindow();
    auto listener = MakeListener([](HWND, UINT, WPARAM, LPARAM, bool& route) -> LRESULT {
        route = false;
        return 8;
    });
    const uint32_t refs = listener->RefCount();
    SubclassWindow(hwnd, static_cast<shared::cSubclassListener&>(*listener));
    EXPECT_EQ(listener->RefCount(), refs);
    HookMessage(hwnd, WM_TEST);
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 0, 0), 8);

    PlainListener plain;
    try {
        SubclassWindow(hwnd, plain);
        ADD_FAILURE() << "a listener without a weak id was accepted";
    } catch (const ole::Error& e) {
        EXPECT_EQ(e.Number(), 13);
    }
    // The failed call left the old subclassing alone.
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 0, 0), 8);

    // No listener at all: everything passes on.
    SubclassWindow(hwnd, ole::Ptr<ole::Object>());
    HookMessage(hwnd, WM_TEST);
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 1, 1), 2);
}

TEST_F(SubclassListenerTest, RecordsOfWindowsThatDiedOutOfReachAreDropped) {
    const HWND a = MakeWindow();
    const HWND b = MakeWindow();
    auto listener = MakeListener();
    SubclassWindow(a, listener);
    // Another subclasser puts the class procedure back, cutting this library out: WM_NCDESTROY
    // never reaches it.
    SetWindowLongA(a, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&test::TestWindowClass::Proc));
    DestroyWindow(a);
    EXPECT_EQ(Module().RecordCount(), 1u);
    // With no live window subclassed, hooking an unknown window is silent again.
    EXPECT_NO_THROW(HookMessage(b, WM_TEST));
    EXPECT_EQ(Module().RecordCount(), 0u);
}

TEST_F(SubclassListenerTest, LibraryRegistryLetsGoOfItsWindowsWhenItGoes) {
    const HWND hwnd = MakeWindow();
    auto listener = MakeListener();
    {
        shared::SubclassWnd library;
        library.SubclassWindow(hwnd, listener);
        EXPECT_EQ(ProcOf(hwnd), library.Procedure());
    }
    EXPECT_EQ(ProcOf(hwnd), &test::TestWindowClass::Proc);
    EXPECT_EQ(SendMessageA(hwnd, WM_TEST, 1, 2), 3);
}

TEST_F(SubclassListenerTest, HiWordReadsASignedHighWordOfTheLow32Bits) {
    EXPECT_EQ(shared::HiWord(0xFFFF0000u), -1);
    EXPECT_EQ(shared::HiWord(65536u), 1);
    EXPECT_EQ(shared::HiWord(0x7FFF1234u), 32767);
    EXPECT_EQ(shared::HiWord(0x8000FFFFu), -32768);
    EXPECT_EQ(shared::HiWord(0xFFFFu), 0);
    if constexpr (sizeof(WPARAM) > 4) {
        EXPECT_EQ(shared::HiWord(static_cast<WPARAM>(0x1234567800020000ull)), 2);
    }
}

} // namespace
} // namespace subclasstest
