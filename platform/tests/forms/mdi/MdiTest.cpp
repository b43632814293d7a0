#include "platform/forms/Forms.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/forms/form/MdiForm.h"
#include "platform/forms/test/EventRecorder.h"
#include "platform/ole/Ole.h"
#include "platform/win/Win.h"
#include "platform/win/menu/MenuConstants.h"
#include "platform/win/test/TestApi.h"

#include "platform/tests/forms/host/StubbornForm.h"
#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

using namespace forms;
using Log = std::vector<std::string>;

// ---- The window level: a frame, its client and children whose procedure logs activation ----

Log* g_log = nullptr;

win::LRESULT ChildProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_MDIACTIVATE && g_log != nullptr)
        g_log->push_back(std::to_string(hwnd.Value()) + ":" + std::to_string(wParam) + ">" +
                         std::to_string(lParam));
    return win::DefMDIChildProcA(hwnd, msg, wParam, lParam);
}

class MdiWindowTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        g_log = &log;
        win::WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &ChildProc;
        wc.lpszClassName = "MdiTestChild";
        win::RegisterClassExA(&wc);
        frame =
            win::CreateWindowExA(0, "Static", "Frame", win::WS_OVERLAPPEDWINDOW | win::WS_VISIBLE,
                                 0, 0, 600, 400, {}, {}, {}, nullptr);
        win::CLIENTCREATESTRUCT ccs;
        client = win::CreateWindowExA(0, "MDIClient", "", win::WS_CHILD | win::WS_VISIBLE, 0, 0,
                                      500, 300, frame, {}, {}, &ccs);
    }
    void TearDown() override {
        g_log = nullptr;
        CleanPlatform::TearDown();
    }
    win::HWND Create(int x, int y) {
        win::MDICREATESTRUCTA mcs;
        mcs.szClass = "MdiTestChild";
        mcs.szTitle = "Doc";
        mcs.x = x;
        mcs.y = y;
        mcs.cx = 200;
        mcs.cy = 150;
        mcs.style = win::WS_VISIBLE;
        return win::HandleFromParam<win::HWND>(static_cast<intptr_t>(
            win::SendMessageA(client, win::WM_MDICREATE, 0, reinterpret_cast<win::LPARAM>(&mcs))));
    }
    win::HWND Active(win::BOOL* maximized = nullptr) {
        return win::HandleFromParam<win::HWND>(static_cast<intptr_t>(win::SendMessageA(
            client, win::WM_MDIGETACTIVE, 0, reinterpret_cast<win::LPARAM>(maximized))));
    }
    // A child's place in the client's coordinates.
    win::RECT Place(win::HWND child) const {
        win::RECT rect;
        win::GetWindowRect(child, &rect);
        win::MapWindowPoints({}, client, reinterpret_cast<win::POINT*>(&rect), 2);
        return rect;
    }
    win::LRESULT Arrange(win::UINT msg, win::WPARAM how = 0) {
        return win::SendMessageA(client, msg, how, 0);
    }
    static std::string Entry(win::HWND to, win::HWND losing, win::HWND gaining) {
        return std::to_string(to.Value()) + ":" + std::to_string(losing.Value()) + ">" +
               std::to_string(gaining.Value());
    }

    Log log;
    win::HWND frame, client;
};

TEST_F(MdiWindowTest, ActivationNotifiesTheLosingChildThenTheGainingOne) {
    const win::HWND first = Create(0, 0);
    const win::HWND second = Create(win::CW_USEDEFAULT, win::CW_USEDEFAULT);
    EXPECT_EQ(win::GetParent(second), client);
    EXPECT_EQ(Active(), second);
    log.clear();
    win::SendMessageA(client, win::WM_MDIACTIVATE, static_cast<win::WPARAM>(first.Value()), 0);
    EXPECT_EQ(Active(), first);
    EXPECT_EQ(log, (Log{Entry(second, second, first), Entry(first, second, first)}));

    // A click inside the other child, where the first does not cover it, activates it.
    win::test::click(second, win::POINT{190, 120});
    win::test::pump();
    EXPECT_EQ(Active(), second);
}

TEST_F(MdiWindowTest, DestroyingTheActiveChildActivatesTheNextAndMaximisedFillsTheClient) {
    const win::HWND first = Create(0, 0);
    const win::HWND second = Create(30, 30);
    win::SendMessageA(client, win::WM_MDIMAXIMIZE, static_cast<win::WPARAM>(second.Value()), 0);
    win::BOOL maximized = win::FALSE;
    EXPECT_EQ(Active(&maximized), second);
    EXPECT_TRUE(maximized);
    win::RECT rect;
    win::GetWindowRect(second, &rect);
    EXPECT_EQ(rect.right - rect.left, 500);
    win::SendMessageA(client, win::WM_MDIRESTORE, static_cast<win::WPARAM>(second.Value()), 0);
    win::GetWindowRect(second, &rect);
    EXPECT_EQ(rect.right - rect.left, 200);

    win::SendMessageA(client, win::WM_MDIDESTROY, static_cast<win::WPARAM>(second.Value()), 0);
    EXPECT_FALSE(win::IsWindow(second));
    EXPECT_EQ(Active(), first);
}

TEST_F(MdiWindowTest, CtrlF4ClosesTheActiveChildThroughTheSystemAccelerators) {
    const win::HWND first = Create(0, 0);
    const win::HWND second = Create(30, 30);
    win::test::keyDown(win::VK_CONTROL);
    win::test::pump();
    win::MSG f6{second, win::WM_KEYDOWN, static_cast<win::WPARAM>(win::VK_F6), 0, 0, {}};
    EXPECT_TRUE(win::TranslateMDISysAccel(client, &f6));
    win::MSG f4{first, win::WM_KEYDOWN, static_cast<win::WPARAM>(win::VK_F4), 0, 0, {}};
    EXPECT_EQ(Active(), first);
    EXPECT_TRUE(win::TranslateMDISysAccel(client, &f4));
    win::test::keyUp(win::VK_CONTROL);
    win::test::pump();
    EXPECT_FALSE(win::IsWindow(first));
    win::MSG plain{second, win::WM_KEYDOWN, static_cast<win::WPARAM>(win::VK_F4), 0, 0, {}};
    EXPECT_FALSE(win::TranslateMDISysAccel(client, &plain));
}

struct TileCase {
    int count;
    win::UINT how;
    std::vector<win::RECT> places; // from the active child down the z-order
};

TEST_F(MdiWindowTest, TilingSplitsTheClientIntoColumnsOrRows) {
    const std::vector<TileCase> cases = {
        {2, win::MDITILE_VERTICAL, {{0, 0, 250, 300}, {250, 0, 500, 300}}},
        {2, win::MDITILE_HORIZONTAL, {{0, 0, 500, 150}, {0, 150, 500, 300}}},
        {3, win::MDITILE_VERTICAL, {{0, 0, 166, 300}, {166, 0, 333, 300}, {333, 0, 500, 300}}},
        {5,
         win::MDITILE_VERTICAL,
         {{0, 0, 250, 150},
          {0, 150, 250, 300},
          {250, 0, 500, 100},
          {250, 100, 500, 200},
          {250, 200, 500, 300}}},
        {5,
         win::MDITILE_HORIZONTAL,
         {{0, 0, 250, 150},
          {250, 0, 500, 150},
          {0, 150, 166, 300},
          {166, 150, 333, 300},
          {333, 150, 500, 300}}},
    };
    for (const TileCase& tile : cases) {
        std::vector<win::HWND> children;
        for (int i = 0; i < tile.count; ++i)
            children.insert(children.begin(), Create(7, 7));
        EXPECT_EQ(Arrange(win::WM_MDITILE, tile.how), win::TRUE);
        for (size_t i = 0; i < children.size(); ++i)
            EXPECT_EQ(Place(children[i]), tile.places[i])
                << tile.count << " " << tile.how << " " << i;
        for (const win::HWND child : children)
            win::SendMessageA(client, win::WM_MDIDESTROY, static_cast<win::WPARAM>(child.Value()),
                              0);
    }
}

TEST_F(MdiWindowTest, ArrangingSkipsHiddenAndMinimisedChildrenAndRestoresAMaximisedOne) {
    EXPECT_EQ(Arrange(win::WM_MDICASCADE), win::FALSE);
    const win::HWND first = Create(7, 7);
    const win::HWND hidden = Create(7, 7);
    const win::HWND minimised = Create(7, 7);
    const win::HWND last = Create(7, 7);
    win::ShowWindow(hidden, win::SW_HIDE);
    win::ShowWindow(minimised, win::SW_MINIMIZE);
    const win::RECT minimisedPlace = Place(minimised);
    win::SendMessageA(client, win::WM_MDIMAXIMIZE, static_cast<win::WPARAM>(last.Value()), 0);

    // Cascading goes up from the bottom of the z-order: the active child ends on top.
    EXPECT_EQ(Arrange(win::WM_MDICASCADE), win::TRUE);
    EXPECT_EQ(Place(first), (win::RECT{0, 0, 375, 225}));
    EXPECT_EQ(Place(last), (win::RECT{20, 20, 395, 245}));
    EXPECT_FALSE(win::IsZoomed(last));
    EXPECT_EQ(Active(), last);
    EXPECT_EQ(Place(hidden), (win::RECT{7, 7, 207, 157}));
    EXPECT_EQ(Place(minimised), minimisedPlace);

    EXPECT_EQ(Arrange(win::WM_MDITILE, win::MDITILE_HORIZONTAL), win::TRUE);
    EXPECT_EQ(Place(last), (win::RECT{0, 0, 500, 150}));
    EXPECT_EQ(Place(first), (win::RECT{0, 150, 500, 300}));
    EXPECT_EQ(Place(hidden), (win::RECT{7, 7, 207, 157}));
}

// ---- The form level ----

class Strip : public UserControl {
public:
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info = ole::ClassBuilder<Strip>("Strip").Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    bool Alignable() const override { return true; }
};

class MdiFormTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        frame = MdiForm::Create("frmMain");
        frame->SetPixelBounds(win::RECT{0, 0, 500, 400});
        frame->LoadForm();
        top = Site("m_Top", win::RECT{0, 0, 100, 25}, 1);
        left = Site("m_Left", win::RECT{0, 25, 60, 100}, 3);
        frame->Show(ole::Variant::Missing(), ole::Variant::Missing());
        win::test::pump();
    }
    void TearDown() override {
        for (auto& child : children) {
            if (child->IsLoaded())
                child->UnloadForm();
        }
        children.clear();
        top = left = nullptr;
        if (frame->IsLoaded())
            frame->UnloadForm();
        frame = nullptr;
        CleanPlatform::TearDown();
    }
    ole::Ptr<Extender> Site(std::string name, const win::RECT& bounds, int16_t align) {
        auto site = Extender::Host(
            ole::MakeObject<Strip>(),
            [&](const ole::Ptr<Extender>& s) { frame->AddControl(s, name, nullptr, bounds); },
            nullptr);
        site->SetAlign(align);
        return site;
    }
    ole::Ptr<Form> Child(std::string name) { return Adopt(Form::Create(std::move(name))); }
    ole::Ptr<Form> Adopt(ole::Ptr<Form> child) {
        child->SetMDIChild(true);
        child->SetPixelBounds(win::RECT{10, 20, 210, 170});
        children.push_back(child);
        return child;
    }
    win::RECT ClientArea() const {
        win::RECT rect;
        win::GetWindowRect(frame->ClientWindow(), &rect);
        win::MapWindowPoints({}, frame->Window(), reinterpret_cast<win::POINT*>(&rect), 2);
        return rect;
    }

    ole::Ptr<MdiForm> frame;
    ole::Ptr<Extender> top, left;
    std::vector<ole::Ptr<Form>> children;
};

TEST_F(MdiFormTest, AlignedControlsTakeStripsAndTheClientTakesTheRest) {
    win::RECT inside;
    win::GetClientRect(frame->Window(), &inside);
    EXPECT_EQ(top->PixelBounds().right - top->PixelBounds().left, inside.right);
    EXPECT_EQ(top->PixelBounds().bottom, 25);
    EXPECT_EQ(left->PixelBounds().top, 25);
    EXPECT_EQ(left->PixelBounds().bottom, inside.bottom);
    EXPECT_EQ(left->PixelBounds().right, 60);
    const win::RECT client = ClientArea();
    EXPECT_EQ(client.left, 60);
    EXPECT_EQ(client.top, 25);
    EXPECT_EQ(client.right, inside.right);

    top->SetVisible(false);
    EXPECT_EQ(ClientArea().top, 0);
    EXPECT_EQ(left->PixelBounds().top, 0);
    frame->SetPixelBounds(win::RECT{0, 0, 600, 450});
    win::GetClientRect(frame->Window(), &inside);
    EXPECT_EQ(ClientArea().bottom, inside.bottom);
}

TEST_F(MdiFormTest, ChildrenLiveInTheClientWithGeometryStateAndActivation) {
    auto first = Child("frmFirst");
    auto second = Child("frmSecond");
    auto firstEvents = test::EventRecorder::Attach(first);
    first->Show(ole::Variant::Missing(), ole::Variant::Missing());
    second->Show(ole::Variant::Missing(), ole::Variant::Missing());
    win::test::pump();
    EXPECT_EQ(win::GetParent(first->Window()), frame->ClientWindow());
    EXPECT_FLOAT_EQ(first->Left(), 150); // 10 pixels in the client area
    EXPECT_FLOAT_EQ(first->Top(), 300);
    EXPECT_EQ(frame->ActiveForm().Get(), second.Get());
    Log names = firstEvents->Names();
    std::erase(names, "Paint");
    EXPECT_EQ(names, (Log{"Load", "Resize", "Activate", "Deactivate"}));
    // Sizing the client area keeps the place in the MDI client.
    first->SetClientSize(win::SIZE{120, 90});
    EXPECT_FLOAT_EQ(first->Left(), 150);
    EXPECT_FLOAT_EQ(first->Top(), 300);

    first->SetFocus();
    EXPECT_EQ(frame->ActiveForm().Get(), first.Get());
    first->SetWindowState(2);
    win::RECT rect;
    win::RECT inside;
    win::GetWindowRect(first->Window(), &rect);
    win::GetClientRect(frame->ClientWindow(), &inside);
    EXPECT_EQ(rect.right - rect.left, inside.right);
    first->SetWindowState(0);
    EXPECT_EQ(first->WindowState(), 0);

    first->UnloadForm();
    EXPECT_EQ(frame->ActiveForm().Get(), second.Get());
}

TEST_F(MdiFormTest, ClosingTheFrameUnloadsTheChildrenWithModeFourAndAChildCanRefuse) {
    auto first = Child("frmFirst");
    auto refusing = ole::MakeObject<hosttest::StubbornForm>();
    auto second = Adopt(refusing);
    first->LoadForm();
    second->LoadForm();
    auto events = test::EventRecorder::Attach(first);

    EXPECT_FALSE(frame->UnloadForm(Form::kUnloadFormControlMenu));
    EXPECT_TRUE(frame->IsLoaded());
    EXPECT_TRUE(second->IsLoaded());
    EXPECT_EQ(events->Log(), (Log{"QueryUnload(0, 4)", "Unload(0)"}));

    refusing->refuse = false;
    win::SendMessageA(frame->Window(), win::WM_CLOSE, 0, 0);
    EXPECT_FALSE(frame->IsLoaded());
    EXPECT_FALSE(second->IsLoaded());
}

TEST_F(MdiFormTest, TheFramesMenuShortcutsWorkWhileAChildControlHasTheFocus) {
    auto open = Menu::Create("mnuOpen", "&Open");
    open->SetShortcut(win::FVIRTKEY | win::FCONTROL, 'O');
    auto file = Menu::Create("mnuFile", "&File");
    file->Add(open);
    frame->MenuBar().Add(file);
    int clicks = 0;
    auto sink = ole::EventSink::Create();
    sink->On(eventid::Click, [&](std::span<ole::Variant>) { ++clicks; });
    ole::ConnectEvents(open, sink);

    auto child = Child("frmDoc");
    child->LoadForm();
    auto text = TextBox::Create();
    child->AddControl(text, "txtDoc", nullptr, win::RECT{5, 5, 100, 25});
    child->Show(ole::Variant::Missing(), ole::Variant::Missing());
    win::SetFocus(text->Window());
    win::test::keyPress('O', win::test::Modifiers::Control);
    win::test::pump();
    EXPECT_EQ(clicks, 1);
}

TEST_F(MdiFormTest, AFrameConstructedByADerivedClassIsTheOneItsChildrenFind) {
    auto own = ole::MakeObject<MdiForm>("frmOwn");
    EXPECT_EQ(MdiForm::Instance().Get(), own.Get());
}

TEST_F(MdiFormTest, CtrlF6AndCtrlF4FromAChildsControlMoveOnAndCloseThroughQueryUnload) {
    auto first = Adopt(ole::MakeObject<hosttest::StubbornForm>());
    auto second = Child("frmSecond");
    std::vector<ole::Ptr<TextBox>> boxes;
    for (const auto& child : {first, second}) {
        child->LoadForm();
        boxes.push_back(TextBox::Create());
        child->AddControl(boxes.back(), "txtDoc", nullptr, win::RECT{5, 5, 100, 25});
        child->Show(ole::Variant::Missing(), ole::Variant::Missing());
    }
    auto events = test::EventRecorder::Attach(first);
    win::SetFocus(boxes[1]->Window());
    win::test::keyPress(win::VK_F6, win::test::Modifiers::Control);
    win::test::pump();
    EXPECT_EQ(frame->ActiveForm().Get(), first.Get());
    EXPECT_EQ(win::GetFocus(), boxes[0]->Window());

    win::test::keyPress(win::VK_F4, win::test::Modifiers::Control);
    win::test::pump();
    EXPECT_TRUE(first->IsLoaded());
    static_cast<hosttest::StubbornForm&>(*first).refuse = false;
    win::test::keyPress(win::VK_F4, win::test::Modifiers::Control);
    win::test::pump();
    EXPECT_FALSE(first->IsLoaded());
    Log names = events->Log();
    std::erase_if(names, [](const std::string& name) { return name.find("QueryUnload") != 0; });
    EXPECT_EQ(names, (Log{"QueryUnload(1, 0)", "QueryUnload(0, 0)"}));
    EXPECT_EQ(frame->ActiveForm().Get(), second.Get());
}

class MdiChildWithoutFrame : public testsupport::CleanPlatform {};

TEST_F(MdiChildWithoutFrame, RaisesNoMdiForm) {
    auto orphan = Form::Create("frmOrphan");
    orphan->SetMDIChild(true);
    EXPECT_EQ(testsupport::ErrorOf([&] { orphan->LoadForm(); }), 366);
}

} // namespace
