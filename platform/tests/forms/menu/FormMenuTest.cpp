#include "platform/forms/Forms.h"
#include "platform/forms/control/ControlTypes.h"
#include "platform/forms/controls/buttons/CommandButton.h"
#include "platform/forms/menu/FormMenuBar.h"
#include "platform/forms/menu/FormPopupMenu.h"
#include "platform/forms/menu/PopupMenu.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/object/TypeName.h"
#include "platform/tests/forms/runtime/RuntimeFixture.h"
#include "platform/win/menu/Menus.h"
#include "testsupport/ErrorOf.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace win;
using forms::Menu;

// A loaded form with File (Open, "-", "Horz Shrink ") and Format > Align > Left; every Click is
// logged by item name.
class FormMenuTest : public runtimetest::RuntimeTest {
protected:
    void SetUp() override {
        RuntimeTest::SetUp();
        m_form = forms::Form::Create("frmMain");
        forms::FormMenuBar& bar = m_form->MenuBar();
        const auto file = Log(bar.Add(Menu::Create("mnuFile", "&File")));
        Log(file->Add(Menu::Create("mnuOpen", "&Open")))->SetShortcut(FCONTROL, 'O');
        Log(file->Add(Menu::Create("mnuSep", "-")));
        Log(file->Add(Menu::Create("mnuShrink", "Horz Shrink ")));
        const auto format = Log(bar.Add(Menu::Create("mnuFormat", "F&ormat")));
        const auto align = Log(format->Add(Menu::Create("mnuAlign", "&Align")));
        Log(align->Add(Menu::Create("mnuLeft", "&Left")))->SetShortcut(0, VK_F4);
        m_form->LoadForm();
    }
    void TearDown() override {
        m_form->UnloadForm();
        m_sinks.clear();
        m_form = nullptr;
        RuntimeTest::TearDown();
    }

    ole::Ptr<Menu> Log(ole::Ptr<Menu> item) {
        auto sink = ole::EventSink::Create();
        sink->On(forms::eventid::Click, [this, name = item->GetName()](std::span<ole::Variant>) {
            m_clicks.push_back(name);
        });
        ole::ConnectEvents(item, sink);
        m_sinks.push_back(sink);
        return item;
    }
    ole::Ptr<Menu> Item(std::string_view name) const { return m_form->MenuBar().Find(name); }
    HMENU Bar() const { return GetMenu(m_form->Window()); }

    ole::Ptr<forms::Form> m_form;
    std::vector<ole::Ptr<ole::EventSink>> m_sinks;
    std::vector<std::string> m_clicks;
};

TEST_F(FormMenuTest, TheBarShowsTheTreeWithCaptionsVerbatim) {
    const HMENU bar = Bar();
    ASSERT_TRUE(bar);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    const HMENU file = GetSubMenu(bar, 0);
    char caption[32] = {};
    GetMenuStringA(file, 2, caption, sizeof caption, MF_BYPOSITION);
    EXPECT_STREQ(caption, "Horz Shrink ");
    EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION), MF_SEPARATOR);
    // The live items show their shortcuts after a tab.
    const HMENU align = GetSubMenu(GetSubMenu(bar, 1), 0);
    GetMenuStringA(align, 0, caption, sizeof caption, MF_BYPOSITION);
    EXPECT_STREQ(caption, "&Left\tF4");
    GetMenuStringA(file, 0, caption, sizeof caption, MF_BYPOSITION);
    EXPECT_STREQ(caption, "&Open\tCtrl+O");
    EXPECT_EQ(Item("mnuOpen")->GetCaption(), "&Open");
}

TEST_F(FormMenuTest, MenusAreInTheFormsControlsAndPassTheMenuTypeTest) {
    const ole::Variant controls =
        ole::GetObjectProperty(ole::Variant(ole::Ptr<ole::Object>(m_form)), "Controls");
    EXPECT_EQ(ole::GetProperty(controls, "Count").AsI4(), 7);
    const ole::Variant byName[] = {ole::Variant(std::string("MNULEFT"))};
    const ole::Variant left = ole::GetObjectProperty(controls, "Item", byName);
    EXPECT_EQ(left.AsObject().Get(), Item("mnuLeft").Get());
    EXPECT_TRUE(forms::IsMenu(left.AsObject().Get()));
    EXPECT_FALSE(forms::IsFormControl(left.AsObject().Get()));
    EXPECT_FALSE(forms::IsMenu(m_form.Get()));
    EXPECT_EQ(ole::TypeName(left.AsObject().Get()), "Menu");
    // Each item before its children, in the order they were added.
    const ole::Variant fifth[] = {ole::Variant(int32_t{4})};
    EXPECT_EQ(ole::GetObjectProperty(controls, "Item", fifth).AsObject().Get(),
              Item("mnuFormat").Get());
}

TEST_F(FormMenuTest, TheBarIsWalkedFromTheKeyboardWithEachPopupsClickFirst) {
    m_form->Show(ole::Variant(), ole::Variant());
    test::keyPress('O', test::Modifiers::Alt);
    test::keyPress(VK_RIGHT);
    test::keyPress(VK_RETURN);
    test::pump();
    EXPECT_EQ(m_clicks, (std::vector<std::string>{"mnuFormat", "mnuAlign", "mnuLeft"}));
}

TEST_F(FormMenuTest, ItemsAreChosenByNameAndTheNextPopupIsScripted) {
    EXPECT_TRUE(m_form->MenuBar().ChooseByName("mnuLeft"));
    EXPECT_FALSE(m_form->MenuBar().ChooseByName("mnuNothing"));
    EXPECT_FALSE(m_form->MenuBar().ChooseByName("mnuAlign")); // a submenu, not a leaf
    EXPECT_EQ(m_clicks, (std::vector<std::string>{"mnuFormat", "mnuAlign", "mnuLeft", "mnuFormat",
                                                  "mnuAlign"}));

    // The scripted choice is read as the popup opens, after File's Click rebuilt the bar.
    m_clicks.clear();
    m_sinks.front()->On(forms::eventid::Click, [this](std::span<ole::Variant>) {
        m_clicks.push_back("mnuFile");
        Item("mnuSep")->SetVisible(false);
    });
    forms::ChooseInNextPopup(Item("mnuShrink"));
    EXPECT_EQ(TrackPopupMenu(GetSubMenu(Bar(), 0), 0, 10, 10, 0, m_form->Window(), nullptr), TRUE);
    test::pump();
    EXPECT_EQ(m_clicks, (std::vector<std::string>{"mnuFile", "mnuShrink"}));
}

TEST_F(FormMenuTest, ChoosingOpensEachPopupBeforeTheLeafClicks) {
    ASSERT_TRUE(m_form->MenuBar().ChooseByCaptions({"F&ormat", "&Align", "&Left"}));
    EXPECT_EQ(m_clicks, (std::vector<std::string>{"mnuFormat", "mnuAlign", "mnuLeft"}));
    EXPECT_FALSE(m_form->MenuBar().ChooseByCaptions({"&File", "-"}));
    EXPECT_FALSE(m_form->MenuBar().ChooseByCaptions({"&File", "Horz Shrink"})); // no trailing blank
}

TEST_F(FormMenuTest, AnOpeningPopupsClickCanSetCheckMarksBeforeItShows) {
    m_sinks.front()->On(forms::eventid::Click, [this](std::span<ole::Variant>) {
        Item("mnuShrink")->SetChecked(true);
        Item("mnuOpen")->SetEnabled(false);
    });
    const HMENU file = GetSubMenu(Bar(), 0);
    forms::PopupMenuResponder().SetFunction(
        [file](const forms::PopupMenuRequest& request) -> std::optional<UINT> {
            EXPECT_EQ(request.items[2].flags, MF_CHECKED);
            EXPECT_EQ(request.items[0].flags, MF_GRAYED);
            return GetMenuItemID(file, 2);
        });
    EXPECT_EQ(TrackPopupMenu(file, 0, 10, 10, 0, m_form->Window(), nullptr), TRUE);
    test::pump();
    ASSERT_EQ(forms::PopupMenuResponder().Log().size(), 1u);
    EXPECT_EQ(m_clicks, (std::vector<std::string>{"mnuShrink"}));
    EXPECT_TRUE(Item("mnuShrink")->GetChecked());
    EXPECT_FALSE(m_form->MenuBar().ChooseByCaptions({"&File", "&Open"}));
}

TEST_F(FormMenuTest, HiddenItemsLeaveTheBarAndComeBack) {
    Item("mnuOpen")->SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(Bar(), 0)), 2);
    EXPECT_FALSE(m_form->MenuBar().ChooseByCaptions({"&File", "&Open"}));
    Item("mnuFormat")->SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(Bar()), 1);
    Item("mnuOpen")->SetVisible(true);
    Item("mnuFormat")->SetVisible(true);
    EXPECT_EQ(GetMenuItemCount(Bar()), 2);
    EXPECT_TRUE(m_form->MenuBar().ChooseByCaptions({"&File", "&Open"}));
    EXPECT_EQ(m_clicks.back(), "mnuOpen");
}

TEST_F(FormMenuTest, ShortcutsReachTheActiveFormsItems) {
    m_form->Show(ole::Variant(), ole::Variant());
    test::keyPress('O', test::Modifiers::Control);
    test::keyPress(VK_F4);
    test::keyPress('O'); // without Ctrl it is an ordinary key
    test::pump();
    Item("mnuOpen")->SetEnabled(false);
    test::keyPress('O', test::Modifiers::Control);
    test::pump();
    EXPECT_EQ(m_clicks, (std::vector<std::string>{"mnuOpen", "mnuLeft"}));
}

TEST_F(FormMenuTest, AltLetterOpensTheBarsItemBeforeAControlWithTheSameAccessKey) {
    const auto AddButton = [this](const char* name, const char* caption, int top) {
        auto button = forms::CommandButton::Create();
        m_form->AddControl(button, name, nullptr, {10, top, 90, top + 25});
        button->SetCaption(caption);
        return button;
    };
    const auto first = AddButton("cmdFirst", "First", 10);
    AddButton("cmdFile", "&File", 40);
    const auto go = AddButton("cmdGo", "&Go", 70);
    m_form->Show(ole::Variant(), ole::Variant());
    first->SetFocus();
    test::pump();
    test::keyPress('F', test::Modifiers::Alt);
    test::pump();
    EXPECT_EQ(GetFocus(), first->Window()) << "the bar's mnemonic leaves the focus where it was";
    EXPECT_EQ(m_clicks, (std::vector<std::string>{"mnuFile"}));
    test::keyPress('G', test::Modifiers::Alt);
    test::pump();
    EXPECT_EQ(GetFocus(), go->Window()) << "a key the bar lacks is the control's";
    EXPECT_EQ(m_clicks.size(), 1u);
}

TEST_F(FormMenuTest, UnloadingTheFormFreesItsMenus) {
    const size_t live = win::LiveMenuCount();
    m_form->UnloadForm();
    EXPECT_EQ(win::LiveMenuCount(), live - 4);
    m_form->LoadForm();
    EXPECT_EQ(win::LiveMenuCount(), live);
    EXPECT_TRUE(m_form->MenuBar().ChooseByCaptions({"&File", "&Open"}));
}

// A second form pops up the first form's Format menu; the responder picks `m_choose`.
class FormPopupMenuTest : public FormMenuTest {
protected:
    void SetUp() override {
        FormMenuTest::SetUp();
        m_caller = forms::Form::Create("frmDesigner");
        m_caller->SetPixelBounds(RECT{100, 80, 400, 300});
        m_caller->LoadForm();
        forms::PopupMenuResponder().SetFunction([this](const forms::PopupMenuRequest& request) {
            m_at = request.at;
            m_clicksWhenShown = m_clicks;
            return m_choose ? Item(m_choose)->Command() : 0u;
        });
    }
    void TearDown() override {
        m_caller->UnloadForm();
        m_caller = nullptr;
        FormMenuTest::TearDown();
    }

public:
    void PopUp(const ole::Variant& x = ole::Variant::Missing(),
               const ole::Variant& y = ole::Variant::Missing()) {
        ole::Variant args[] = {ole::Variant(ole::Ptr<ole::Object>(Item("mnuFormat"))),
                               ole::Variant(int32_t{0}), x, y};
        ole::CallMethod(ole::Variant(ole::Ptr<ole::Object>(m_caller)), "PopupMenu", args);
    }

protected:
    ole::Ptr<forms::Form> m_caller;
    const char* m_choose = "mnuLeft";
    POINT m_at{};
    std::vector<std::string> m_clicksWhenShown;
};

TEST_F(FormPopupMenuTest, ShowsAnotherFormsMenuAtTheCallersPointAndRunsTheChoiceFirst) {
    PopUp(ole::Variant(300.0f), ole::Variant(150.0f)); // twips: 20 and 10 pixels
    POINT origin{20, 10};
    ClientToScreen(m_caller->Window(), &origin);
    EXPECT_EQ(m_at.x, origin.x);
    EXPECT_EQ(m_at.y, origin.y);
    EXPECT_EQ(m_clicksWhenShown, (std::vector<std::string>{"mnuFormat"}));
    EXPECT_EQ(m_clicks, (std::vector<std::string>{"mnuFormat", "mnuLeft"}));

    m_clicks.clear();
    m_choose = nullptr;
    PopUp();
    EXPECT_EQ(m_clicks, (std::vector<std::string>{"mnuFormat"})) << "cancelled";
    EXPECT_EQ(testsupport::ErrorOf(
                  [&] { forms::ShowPopupMenu(*m_caller, *Item("mnuAlign"), 0, {}, {}); }),
              5)
        << "not a top-level item";
    ole::Variant notAMenu[] = {ole::Variant(ole::Ptr<ole::Object>(m_caller))};
    EXPECT_EQ(testsupport::ErrorOf([&] {
                  ole::CallMethod(ole::Variant(ole::Ptr<ole::Object>(m_caller)), "PopupMenu",
                                  notAMenu);
              }),
              13);
}

HHOOK g_hook;
FormPopupMenuTest* g_popupTest = nullptr;

LRESULT PopUpFromHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && wParam == WM_RBUTTONUP && g_popupTest) {
        std::exchange(g_popupTest, nullptr)->PopUp();
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

TEST_F(FormPopupMenuTest, WorksFromInsideAMouseHook) {
    g_popupTest = this;
    g_hook = SetWindowsHookExA(WH_MOUSE, &PopUpFromHook, {}, 0);
    m_caller->Show(ole::Variant::Missing(), ole::Variant::Missing());
    test::click(m_caller->Window(), POINT{30, 30}, test::MouseButton::Right);
    test::pump();
    UnhookWindowsHookEx(g_hook);
    EXPECT_EQ(m_clicks, (std::vector<std::string>{"mnuFormat", "mnuLeft"}));
}

} // namespace
