#include "HostFixture.h"
#include "ProbeWidgets.h"
#include "StubbornForm.h"

#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/test/Spy.h"
#include "platform/win/text/AccessKey.h"
#include "testsupport/ErrorOf.h"

namespace hosttest {

using forms::test::EventRecorder;

namespace {

using testsupport::ErrorOf;

// The WindowState each Resize sees.
class StateRecordingForm : public Form {
public:
    StateRecordingForm() : Form("frmMain") {}
    std::vector<int16_t> states;

protected:
    void OnEvent(ole::DISPID id, std::span<ole::Variant>) override {
        if (id == Resize)
            states.push_back(WindowState());
    }
};

} // namespace

using FormTest = HostTest;

TEST_F(FormTest, LifeCycleFromInitializeToTerminateAndReload) {
    auto form = ole::MakeObject<Form>("frmMain");
    auto events = EventRecorder::Attach(form);
    form->RaiseInitialize();
    form->SetCaption("Main");
    form->Show(ole::Variant::Missing(), ole::Variant::Missing());
    EXPECT_EQ(events->Names(), (Log{"Initialize", "Load", "Resize", "Activate"}));
    EXPECT_TRUE(win::IsWindowVisible(form->Window()));

    events->Clear();
    EXPECT_TRUE(form->UnloadForm());
    EXPECT_EQ(events->Log(), (Log{"QueryUnload(0, 1)", "Unload(0)", "Deactivate"}));
    EXPECT_FALSE(form->IsLoaded());
    // The object and its fields survive; a new Show loads again without Initialize.
    EXPECT_EQ(form->Caption(), "Main");
    events->Clear();
    form->Show(ole::Variant::Missing(), ole::Variant::Missing());
    EXPECT_EQ(events->Names(), (Log{"Load", "Resize", "Activate"}));
    char text[16] = {};
    win::GetWindowTextA(form->Window(), text, sizeof text);
    EXPECT_STREQ(text, "Main");
    form->UnloadForm();
    events->Detach();
}

TEST_F(FormTest, QueryUnloadCancelKeepsTheFormAndTheCloseBoxSaysSo) {
    auto form = ole::MakeObject<StubbornForm>();
    auto events = EventRecorder::Attach(form);
    form->Show(ole::Variant::Missing(), ole::Variant::Missing());
    events->Clear();
    win::SendMessageA(form->Window(), win::WM_CLOSE, 0, 0);
    EXPECT_TRUE(form->IsLoaded());
    EXPECT_EQ(events->Log(), (Log{"QueryUnload(1, 0)"}));
    form->refuse = false;
    EXPECT_TRUE(form->UnloadForm());
    events->Detach();
}

TEST_F(FormTest, ModelessShowCanBeRefusedByTheHost) {
    auto form = Form::Create("frmTool");
    FormSettings::SetModelessFormsAllowed(false);
    EXPECT_EQ(ErrorOf([&] { form->Show(ole::Variant::Missing(), ole::Variant::Missing()); }), 406);
    FormSettings::SetModelessFormsAllowed(true);
    form->Show(ole::Variant(int16_t{0}), ole::Variant::Missing());
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(ErrorOf([&] { form->SetBorderStyle(6); }), ole::ERR_INVALID_PROPERTY_VALUE);
    form->SetBorderStyle(3);
    EXPECT_NE(win::GetWindowLongA(form->Window(), win::GWL_EXSTYLE) & win::WS_EX_DLGMODALFRAME, 0);
    form->UnloadForm();
}

TEST_F(FormTest, UnloadingTheStartupFormEndsTheProgram) {
    auto main = Form::Create("frmMain");
    auto other = Form::Create("frmOther");
    main->Show(ole::Variant::Missing(), ole::Variant::Missing());
    other->Show(ole::Variant::Missing(), ole::Variant::Missing());
    FormSettings::SetStartupForm(main.Get());
    main->UnloadForm();
    EXPECT_FALSE(other->IsLoaded());
    EXPECT_TRUE(FormSettings::ShuttingDown());
    win::test::pump();
    EXPECT_EQ(win::test::quitCode(), 0);

    // No form is re-created during shutdown.
    int created = 0;
    forms::FormRef<Form> ref([&] {
        ++created;
        return Form::Create("frmLate");
    });
    EXPECT_FALSE(ref.Get());
    EXPECT_EQ(created, 0);
}

TEST_F(FormTest, FormRefGivesAFreshObjectAfterUnload) {
    forms::FormRef<Form> ref([] { return Form::Create("frmSingle"); });
    auto first = ref.Get();
    EXPECT_TRUE(ole::Is(first, ref.Get()));
    first->SetTag("old");
    first->Show(ole::Variant::Missing(), ole::Variant::Missing());
    first->UnloadForm();
    auto second = ref.Get();
    EXPECT_FALSE(ole::Is(first, second));
    EXPECT_EQ(second->Tag(), "");
}

TEST_F(FormTest, TabMakesExactlyOneFocusAttemptPerKey) {
    forms::test::TestHost host;
    auto a = ole::MakeObject<ProbeWidget>();
    auto b = ole::MakeObject<ProbeWidget>();
    auto c = ole::MakeObject<ProbeWidget>();
    host.GetForm().AddControl(a, "a", nullptr, {0, 0, 20, 20});
    host.GetForm().AddControl(b, "b", nullptr, {30, 0, 50, 20});
    host.GetForm().AddControl(c, "c", nullptr, {60, 0, 80, 20});
    EXPECT_EQ(c->TabIndex(), 2);
    c->SetTabIndex(0); // c, a, b
    EXPECT_EQ(a->TabIndex(), 1);
    host.Show();
    EXPECT_EQ(win::GetFocus(), c->Window());

    static int attempts = 0;
    static bool refuse = false;
    attempts = 0;
    const win::HHOOK hook = win::SetWindowsHookExA(
        win::WH_CBT,
        [](int code, win::WPARAM wParam, win::LPARAM lParam) -> win::LRESULT {
            if (code == win::HCBT_SETFOCUS) {
                ++attempts;
                if (refuse)
                    return 1;
            }
            return win::CallNextHookEx({}, code, wParam, lParam);
        },
        {}, 0);
    win::test::keyPress(win::VK_TAB);
    win::test::pump();
    EXPECT_EQ(win::GetFocus(), a->Window());
    EXPECT_EQ(attempts, 1);

    refuse = true;
    attempts = 0;
    win::test::keyPress(win::VK_TAB);
    win::test::pump();
    EXPECT_EQ(attempts, 1); // refused, not retried on the next candidate
    EXPECT_EQ(win::GetFocus(), a->Window());
    refuse = false;

    b->SetTabStop(false);
    win::test::keyPress(win::VK_TAB);
    win::test::pump();
    EXPECT_EQ(win::GetFocus(), c->Window());
    win::UnhookWindowsHookEx(hook);
}

TEST_F(FormTest, ContainerReflectsChildNotificationsToTheChildObject) {
    forms::test::TestHost host;
    auto widget = ole::MakeObject<ProbeWidget>();
    host.GetForm().AddControl(widget, "w", nullptr, {0, 0, 20, 20});
    const win::HWND form = host.GetForm().Window();
    const win::LPARAM child = win::HandleToParam(widget->Window());
    EXPECT_EQ(win::SendMessageA(form, win::WM_CTLCOLORSTATIC, 0, child), 77);
    win::SendMessageA(form, win::WM_COMMAND, 0, child);
    win::SendMessageA(form, win::WM_VSCROLL, 0, child);
    win::NMHDR header{widget->Window(), 0, 0};
    win::SendMessageA(form, win::WM_NOTIFY, 0, reinterpret_cast<win::LPARAM>(&header));
    EXPECT_EQ(widget->reflected, (std::vector<win::UINT>{win::WM_CTLCOLORSTATIC, win::WM_COMMAND,
                                                         win::WM_VSCROLL, win::WM_NOTIFY}));

    // WM_SYSCOLORCHANGE reaches every descendant exactly once.
    auto probe = ProbeControl::Create();
    auto site = host.Host(probe, "ctlProbe", {30, 0, 80, 40});
    auto inner = ole::MakeObject<ProbeWidget>();
    probe->AddConstituent(inner, "inner", {0, 0, 10, 10});
    win::test::Spy spy;
    spy.WatchAll();
    win::SendMessageA(form, win::WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(spy.Count(win::WM_SYSCOLORCHANGE, widget->Window()), 1u);
    EXPECT_EQ(spy.Count(win::WM_SYSCOLORCHANGE, site->Window()), 1u);
    EXPECT_EQ(spy.Count(win::WM_SYSCOLORCHANGE, inner->Window()), 1u);
}

TEST_F(FormTest, WindowlessChildrenArePaintedOverTheSurfaceAndGetTheirMouseEvents) {
    forms::test::TestHost host;
    host.GetForm().SetBackColor(win::RGB(0, 0, 255));
    auto low = ole::MakeObject<ProbeMark>();
    auto high = ole::MakeObject<ProbeMark>();
    high->color = win::RGB(0, 255, 0);
    host.GetForm().AddControl(low, "low", nullptr, {10, 10, 30, 30});
    host.GetForm().AddControl(high, "high", nullptr, {20, 20, 40, 40});
    EXPECT_EQ(ErrorOf([&] { low->hWnd(); }), ole::ERR_NO_MEMBER);
    host.Show();
    const win::HDC dc = win::GetDC(host.GetForm().Window());
    EXPECT_EQ(win::GetPixel(dc, 5, 5), win::RGB(0, 0, 255));
    EXPECT_EQ(win::GetPixel(dc, 15, 15), win::RGB(255, 0, 0));
    EXPECT_EQ(win::GetPixel(dc, 25, 25), win::RGB(0, 255, 0)); // the later one is on top
    win::ReleaseDC(host.GetForm().Window(), dc);

    auto lowEvents = EventRecorder::Attach(low);
    auto highEvents = EventRecorder::Attach(high);
    host.Click("low", win::POINT{12, 12}); // inside both: the topmost takes it
    host.Click("low", win::POINT{2, 2});
    EXPECT_EQ(highEvents->Names(), (Log{"MouseDown", "MouseUp", "Click"}));
    EXPECT_EQ(lowEvents->Names(), (Log{"MouseDown", "MouseUp", "Click"}));

    // ZOrder 0 brings the low one to the top.
    low->ZOrder(ole::Variant::Missing());
    win::test::pump();
    const win::HDC again = win::GetDC(host.GetForm().Window());
    EXPECT_EQ(win::GetPixel(again, 25, 25), win::RGB(255, 0, 0));
    win::ReleaseDC(host.GetForm().Window(), again);
    lowEvents->Detach();
    highEvents->Detach();
}

// A repaint draws the windowless children its area meets, and every pixel of them.
TEST_F(FormTest, ARepaintDrawsOnlyTheWindowlessChildrenItMeets) {
    forms::test::TestHost host;
    host.GetForm().SetBackColor(win::RGB(0, 0, 255));
    auto left = ole::MakeObject<ProbeMark>();
    auto right = ole::MakeObject<ProbeMark>();
    host.GetForm().AddControl(left, "left", nullptr, {10, 10, 30, 30});
    host.GetForm().AddControl(right, "right", nullptr, {50, 10, 70, 30});
    host.Show();
    left->paints = right->paints = 0;
    const win::HWND hwnd = host.GetForm().Window();
    const win::RECT corner{25, 25, 35, 35};
    win::InvalidateRect(hwnd, &corner, true);
    win::UpdateWindow(hwnd);
    EXPECT_EQ(left->paints, 1);
    EXPECT_EQ(right->paints, 0);
    const win::HDC dc = win::GetDC(hwnd);
    EXPECT_EQ(win::GetPixel(dc, 29, 29), win::RGB(255, 0, 0));
    EXPECT_EQ(win::GetPixel(dc, 30, 30), win::RGB(0, 0, 255));
    win::ReleaseDC(hwnd, dc);
}

TEST_F(FormTest, MousePointerMapsToCursorsAndRejectsOtherValues) {
    forms::test::TestHost host;
    auto widget = ole::MakeObject<ProbeWidget>();
    host.GetForm().AddControl(widget, "w", nullptr, {0, 0, 40, 40});
    host.Show();
    const std::pair<int16_t, int> rows[] = {
        {1, win::IDC_ARROW},    {2, win::IDC_CROSS},    {3, win::IDC_IBEAM},
        {5, win::IDC_SIZEALL},  {6, win::IDC_SIZENESW}, {7, win::IDC_SIZENS},
        {8, win::IDC_SIZENWSE}, {9, win::IDC_SIZEWE},   {10, win::IDC_UPARROW},
        {11, win::IDC_WAIT},    {12, win::IDC_NO},      {13, win::IDC_APPSTARTING},
        {14, win::IDC_HELP},    {15, win::IDC_SIZEALL},
    };
    for (const auto& [pointer, cursor] : rows) {
        widget->SetMousePointer(pointer);
        win::test::mouseMove(widget->Window(), {10 + pointer, 10});
        win::test::pump();
        EXPECT_EQ(win::test::currentCursorId(), cursor) << pointer;
    }
    // 99 shows the MouseIcon picture as the cursor.
    ole::Image image;
    image.width = 2;
    image.height = 2;
    image.pixels.assign(4, 0xFF000000u);
    auto icon = ole::Picture::FromImage(image, ole::PICTYPE_ICON);
    widget->SetMouseIcon(icon);
    widget->SetMousePointer(99);
    win::test::mouseMove(widget->Window(), {30, 30});
    win::test::pump();
    EXPECT_EQ(win::test::currentCursorId(), icon->Handle());
    widget->SetMouseIcon(nullptr);
    icon.Reset();

    EXPECT_EQ(ErrorOf([&] {
                  ole::LetProperty(ole::Variant(widget), "MousePointer", ole::Variant(int16_t{16}));
              }),
              ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(ErrorOf([&] { widget->LetName("other"); }), ole::ERR_READ_ONLY);
}

} // namespace hosttest

namespace hosttest {

TEST_F(FormTest, ModalShowRunsUntilHiddenAndRefusesModelessFormsMeanwhile) {
    auto dialog = Form::Create("frmDialog");
    auto other = Form::Create("frmOther");
    int refusal = 0;
    bool acted = false;
    win::test::setIdleResponder([&] {
        if (acted)
            return false;
        acted = true;
        refusal = ErrorOf([&] { other->Show(ole::Variant::Missing(), ole::Variant::Missing()); });
        dialog->Hide();
        return true;
    });
    dialog->Show(ole::Variant(int16_t{1}), ole::Variant::Missing());
    EXPECT_TRUE(acted);
    EXPECT_EQ(refusal, 401);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(dialog->IsLoaded());
    dialog->UnloadForm();
}

TEST_F(FormTest, AModalFormWithoutAnOwnerIsOwnedByTheActiveFormWhileShown) {
    auto main = Form::Create("frmMain");
    auto dialog = Form::Create("frmDialog");
    main->Show(ole::Variant::Missing(), ole::Variant::Missing());
    win::HWND ownerWhileShown;
    bool mainEnabledWhileShown = true;
    win::test::setIdleResponder([&] {
        if (!dialog->Visible())
            return false;
        ownerWhileShown = win::GetWindow(dialog->Window(), win::GW_OWNER);
        mainEnabledWhileShown = win::IsWindowEnabled(main->Window());
        dialog->Hide();
        return true;
    });
    dialog->Show(ole::Variant(int16_t{1}), ole::Variant::Missing());
    EXPECT_EQ(ownerWhileShown, main->Window());
    EXPECT_FALSE(mainEnabledWhileShown);
    EXPECT_TRUE(win::IsWindowEnabled(main->Window()));
    EXPECT_EQ(win::GetActiveWindow(), main->Window());
    EXPECT_EQ(win::GetWindow(dialog->Window(), win::GW_OWNER), win::HWND{});
    dialog->UnloadForm();
    main->UnloadForm();
}

TEST_F(FormTest, ResizeFollowsMinimiseAndRestoreAndMembersWorkByName) {
    auto form = ole::MakeObject<StateRecordingForm>();
    form->Show(ole::Variant::Missing(), ole::Variant::Missing());
    form->states.clear();
    for (const int16_t state : {1, 0, 2, 1, 2, 0}) {
        form->SetWindowState(state);
        EXPECT_EQ(form->WindowState(), state);
        ASSERT_FALSE(form->states.empty());
        EXPECT_EQ(form->states.back(), state) << "the Resize of the change sees the new state";
    }
    EXPECT_EQ(form->states, (std::vector<int16_t>{1, 0, 2, 1, 2, 0}));

    const ole::Variant obj(form);
    ole::LetProperty(obj, "Caption", ole::Variant("Designer"));
    EXPECT_EQ(ole::GetProperty(obj, "Name").AsString(), "frmMain");
    EXPECT_EQ(form->Caption(), "Designer");
    ole::LetProperty(obj, "Width", ole::Variant(4500.0f));
    win::RECT frame;
    win::GetWindowRect(form->Window(), &frame);
    EXPECT_EQ(frame.right - frame.left, 300);
    EXPECT_FLOAT_EQ(
        ole::GetProperty(obj, "ScaleX",
                         std::vector<ole::Variant>{ole::Variant(1.0f), ole::Variant(int16_t{5}),
                                                   ole::Variant(int16_t{3})})
            .AsR4(),
        96.0f);
    EXPECT_EQ(ole::GetProperty(obj, "BackColor").AsUI4(), 0x8000000Fu);
    form->UnloadForm();
}

} // namespace hosttest

namespace hosttest {

TEST_F(FormTest, AltLetterFocusesTheControlAfterALabelAndRepeatedPressesCycleAndWrap) {
    EXPECT_EQ(win::AccessKeyOf("Save &as"), 'A');
    EXPECT_EQ(win::AccessKeyOf("Fish && &Chips"), 'C');
    EXPECT_EQ(win::AccessKeyOf("A&&B"), 0);
    EXPECT_EQ(win::AccessKeyOf("trailing&"), 0);

    struct KeyedMark : ProbeMark {
        explicit KeyedMark(char k) : key(k) {}
        char AccessKey() const override { return key; }
        char key;
    };
    forms::test::TestHost host;
    auto first = ole::MakeObject<ProbeWidget>();
    auto field = ole::MakeObject<ProbeWidget>();
    auto other = ole::MakeObject<ProbeWidget>();
    host.GetForm().AddControl(first, "first", nullptr, {0, 0, 20, 20});
    host.GetForm().AddControl(ole::MakeObject<KeyedMark>('N'), "label", nullptr, {0, 30, 40, 40});
    host.GetForm().AddControl(field, "field", nullptr, {50, 30, 90, 40});
    host.GetForm().AddControl(ole::MakeObject<KeyedMark>('N'), "label2", nullptr, {0, 50, 40, 60});
    host.GetForm().AddControl(other, "other", nullptr, {50, 50, 90, 60});
    host.GetForm().AddControl(ole::MakeObject<KeyedMark>('L'), "last", nullptr, {0, 70, 40, 80});
    host.Show();
    ASSERT_EQ(win::GetFocus(), first->Window());
    const auto alt = [](char key) {
        win::test::keyPress(key, win::test::Modifiers::Alt);
        win::test::pump();
        return win::GetFocus();
    };
    EXPECT_EQ(alt('N'), field->Window());
    EXPECT_EQ(alt('N'), other->Window()) << "the search starts after the focus";
    EXPECT_EQ(alt('N'), field->Window()) << "and wraps";
    EXPECT_EQ(alt('L'), first->Window()) << "the last label passes the focus round";
}

} // namespace hosttest

namespace hosttest {

TEST_F(FormTest, EnterAndEscPressTheDefaultAndCancelButtonsUnlessTheFocusWantsThem) {
    struct Button : ProbeWidget {
        bool isDefault = false;
        int presses = 0;
        bool IsDefaultButton() const override { return isDefault; }
        bool IsCancelButton() const override { return !isDefault; }
        void PressFromKeyboard() override { ++presses; }
    };
    struct Greedy : ProbeWidget {
        win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override {
            if (msg == win::WM_GETDLGCODE)
                return win::DLGC_WANTALLKEYS;
            return ProbeWidget::WindowProc(msg, wParam, lParam);
        }
    };
    forms::test::TestHost host;
    auto field = ole::MakeObject<ProbeWidget>();
    auto ok = ole::MakeObject<Button>();
    ok->isDefault = true;
    auto cancel = ole::MakeObject<Button>();
    auto greedy = ole::MakeObject<Greedy>();
    host.GetForm().AddControl(field, "field", nullptr, {0, 0, 20, 20});
    host.GetForm().AddControl(ok, "ok", nullptr, {30, 0, 50, 20});
    host.GetForm().AddControl(cancel, "cancel", nullptr, {60, 0, 80, 20});
    host.GetForm().AddControl(greedy, "greedy", nullptr, {90, 0, 110, 20});
    host.Show();
    ASSERT_EQ(win::GetFocus(), field->Window());
    win::test::keyPress(win::VK_RETURN);
    win::test::keyPress(win::VK_ESCAPE);
    win::test::pump();
    EXPECT_EQ(ok->presses, 1);
    EXPECT_EQ(cancel->presses, 1);

    greedy->SetFocus();
    win::test::keyPress(win::VK_RETURN);
    win::test::pump();
    EXPECT_EQ(ok->presses, 1);
}

} // namespace hosttest
