#include "platform/forms/pages/PropertyPageFrame.h"
#include "platform/forms/Forms.h"
#include "platform/forms/controls/buttons/CheckBox.h"
#include "platform/forms/controls/buttons/CommandButton.h"
#include "platform/forms/controls/frame/Frame.h"
#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/Ole.h"
#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

#include "testsupport/CleanPlatform.h"

#include <gtest/gtest.h>

namespace {

using namespace forms;

constexpr const char* kValuePage = "{0D6E1C52-7A3B-4C1D-9E2F-5A6B7C8D9E01}";
constexpr const char* kNamePage = "PageLib.NamePage";
constexpr const char* kKeysPage = "PageLib.KeysPage";

// A control with a Value that refuses negatives, and a page list of its own.
class PagedControl : public UserControl {
public:
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info =
            ole::ClassBuilder<PagedControl>("PagedControl")
                .Library("PageLib")
                .Property("Value", 1, &PagedControl::Value, &PagedControl::SetValue)
                .Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    std::vector<std::string> PropertyPages() const override { return pages; }

    int32_t Value() const { return m_value; }
    void SetValue(int32_t value) {
        if (value < 0)
            throw ole::Error(380, "Invalid property value.", "PagedControl");
        m_value = value;
    }

    std::vector<std::string> pages;

private:
    int32_t m_value = 7;
};

// Edits Value in a text box; loads and applies the first selected control only.
class ValuePage : public PropertyPage {
public:
    ValuePage() : PropertyPage("Value", 3000, 1500) {}
    int loads = 0;

protected:
    void OnInitProperties() override {
        m_text = TextBox::Create();
        AddConstituent(m_text, "txtValue", win::RECT{8, 8, 120, 30});
        auto sink = ole::EventSink::Create();
        sink->On(eventid::Change, [this](std::span<ole::Variant>) { SetChanged(true); });
        ole::ConnectEvents(m_text, sink);
    }
    void OnSelectionChanged() override {
        ++loads;
        m_loaded = ole::GetProperty(FirstSelected(), "Value").AsI4();
        m_text->SetText(std::to_string(m_loaded));
        SetChanged(false);
    }
    bool Outdated() const override {
        return ole::GetProperty(FirstSelected(), "Value").AsI4() != m_loaded;
    }
    void OnApplyChanges() override {
        ole::LetProperty(FirstSelected(), "Value",
                         ole::Variant(ole::FromVariant<int32_t>(ole::Variant(m_text->Text()))));
    }

private:
    ole::Variant FirstSelected() const {
        return ole::Variant(ole::Ptr<ole::Object>(Selection()[0]));
    }

    ole::Ptr<TextBox> m_text;
    int32_t m_loaded = 0;
};

class NamePage : public PropertyPage {
public:
    NamePage() : PropertyPage("Name", 4500, 1200) {}
};

// A labelled box, a frame holding a check box and a box, a last box and a last label, in that
// order.
class KeysPage : public PropertyPage {
public:
    KeysPage() : PropertyPage("Keys", 3000, 1500) {}

protected:
    void OnInitProperties() override {
        auto label = Label::Create();
        label->SetCaption("&Name");
        AddConstituent(label, "lblName", win::RECT{8, 8, 60, 22});
        AddConstituent(TextBox::Create(), "txtName", win::RECT{64, 8, 120, 28});
        auto frame = Frame::Create();
        frame->SetCaption("Size");
        AddConstituent(frame, "fraSize", win::RECT{8, 32, 190, 92});
        auto check = CheckBox::Create();
        check->SetCaption("&Fixed");
        AddConstituent(check, "chkFixed", win::RECT{8, 16, 80, 34});
        AddConstituent(TextBox::Create(), "txtHeight", win::RECT{8, 36, 80, 56});
        for (const char* inFrame : {"chkFixed", "txtHeight"})
            FindConstituent(inFrame)->SetContainer(ole::Ptr<ole::Object>(frame));
        AddConstituent(TextBox::Create(), "txtLast", win::RECT{8, 96, 120, 116});
        auto last = Label::Create();
        last->SetCaption("&End");
        AddConstituent(last, "lblEnd", win::RECT{130, 96, 190, 116});
    }
};

class PropertyPageFrameTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        ole::RegisterClass(
            "PageLib.ValuePage", ole::Guid::FromString(kValuePage),
            [] { return ole::Ptr<ole::Object>(ole::MakeObject<ValuePage>()); },
            &PropertyPage::Info());
        ole::RegisterClass(
            kNamePage, ole::Guid::FromString("{0D6E1C52-7A3B-4C1D-9E2F-5A6B7C8D9E02}"),
            [] { return ole::Ptr<ole::Object>(ole::MakeObject<NamePage>()); },
            &PropertyPage::Info());
        ole::RegisterClass(
            kKeysPage, ole::Guid::FromString("{0D6E1C52-7A3B-4C1D-9E2F-5A6B7C8D9E03}"),
            [] { return ole::Ptr<ole::Object>(ole::MakeObject<KeysPage>()); },
            &PropertyPage::Info());
        m_host.emplace(test::HostMode::Design);
        first = Add("ctlFirst", {kValuePage, "StandardColor", kNamePage});
        second = Add("ctlSecond", {kNamePage, kValuePage});
        m_host->Show();
    }
    void TearDown() override {
        frame.reset();
        first = second = nullptr;
        m_host.reset();
        CleanPlatform::TearDown();
    }

    ole::Ptr<Extender> Add(std::string name, std::vector<std::string> pages) {
        auto control = ole::MakeObject<PagedControl>();
        control->pages = std::move(pages);
        const int top = first ? 60 : 10;
        return m_host->Host(control, std::move(name), win::RECT{10, top, 110, top + 40});
    }
    static PagedControl& Inner(const ole::Ptr<Extender>& site) {
        return static_cast<PagedControl&>(*site->Inner());
    }
    void OpenFor(std::vector<ole::Ptr<Control>> selection) {
        frame.emplace(std::move(selection));
        ASSERT_TRUE(frame->Open(m_host->GetForm().Window()));
        win::test::pump();
    }
    ValuePage& Values() { return static_cast<ValuePage&>(frame->Page(0)); }
    win::HWND ValueBox() { return Values().FindConstituent("txtValue")->Window(); }
    void TypeValue(std::string_view text) {
        win::SetFocus(ValueBox());
        win::SendMessageA(ValueBox(), win::EM_SETSEL, 0, -1);
        win::test::typeText(text);
        win::test::pump();
    }
    static void Press(CommandButton& button) {
        win::test::click(button.Window(), win::POINT{10, 10});
        win::test::pump();
    }

    std::optional<test::TestHost> m_host;
    ole::Ptr<Extender> first;
    ole::Ptr<Extender> second;
    std::optional<PropertyPageFrame> frame;
};

TEST_F(PropertyPageFrameTest, OffersThePagesEverySelectedControlListsInTheFirstOnesOrder) {
    OpenFor({first, second});
    ASSERT_EQ(frame->PageCount(), 2u);
    EXPECT_EQ(frame->Page(0).Caption(), "Value");
    EXPECT_EQ(frame->Page(1).Caption(), "Name");

    PropertyPageFrame onlySecond({second});
    EXPECT_EQ(onlySecond.PageCount(), 2u);
    EXPECT_EQ(onlySecond.Page(0).Caption(), "Name");

    Inner(second).pages = {kNamePage};
    PropertyPageFrame narrowed({first, second});
    ASSERT_EQ(narrowed.PageCount(), 1u);
    EXPECT_EQ(narrowed.Page(0).Caption(), "Name");

    PropertyPageFrame none({});
    EXPECT_FALSE(none.Open(m_host->GetForm().Window()));
}

TEST_F(PropertyPageFrameTest, ShowsEachPageInAWindowOfItsSizeAndLoadsItWhenFirstShown) {
    OpenFor({first, second});
    const auto pageWindow = [&](size_t i) { return frame->Page(i).GetExtender()->Window(); };
    win::RECT rect;
    win::GetClientRect(pageWindow(0), &rect);
    EXPECT_EQ(rect.right, 200); // 3000 twips
    EXPECT_EQ(rect.bottom, 100);
    EXPECT_EQ(Values().loads, 1);
    EXPECT_EQ(static_cast<TextBox&>(*Values().FindConstituent("txtValue")).Text(), "7");
    EXPECT_EQ(ole::GetProperty(ole::Variant(Values().SelectedControls()), "Count").AsI4(), 2);
    EXPECT_FALSE(win::IsWindowVisible(pageWindow(1)));
    // The page's controls are on top of the tab strip's box, not under it.
    win::RECT box;
    win::GetWindowRect(ValueBox(), &box);
    EXPECT_EQ(win::WindowFromPoint(win::POINT{box.left + 4, box.top + 4}), ValueBox());

    const win::RECT tab = frame->Tabs().TabRect(1);
    win::test::click(frame->Tabs().Hwnd(), win::POINT{(tab.left + tab.right) / 2, 10});
    win::test::pump();
    EXPECT_EQ(frame->CurrentPage(), 1u);
    EXPECT_TRUE(win::IsWindowVisible(pageWindow(1)));
    EXPECT_FALSE(win::IsWindowVisible(pageWindow(0)));
    win::GetClientRect(pageWindow(1), &rect);
    EXPECT_EQ(rect.right, 300);
    frame->SelectPage(0);
    EXPECT_EQ(Values().loads, 1);
}

// A page whose control changed since it loaded loads again when shown; edits it still holds are
// applied first.
TEST_F(PropertyPageFrameTest, AnOutdatedPageLoadsAgainWhenShownAfterApplyingItsEdits) {
    OpenFor({first, second});
    Inner(first).SetValue(30);
    frame->SelectPage(1);
    frame->SelectPage(0);
    EXPECT_EQ(Values().loads, 2);
    EXPECT_EQ(static_cast<TextBox&>(*Values().FindConstituent("txtValue")).Text(), "30");

    TypeValue("12");
    Inner(first).SetValue(40);
    frame->SelectPage(1);
    frame->SelectPage(0);
    EXPECT_EQ(Inner(first).Value(), 12);
    EXPECT_EQ(Values().loads, 3);
    EXPECT_FALSE(frame->ApplyEnabled());
}

TEST_F(PropertyPageFrameTest, ApplyWritesChangedPagesToTheFirstControlAndFollowsChanged) {
    OpenFor({first, second});
    EXPECT_FALSE(frame->ApplyEnabled());
    TypeValue("12");
    EXPECT_TRUE(Values().Changed());
    EXPECT_TRUE(frame->ApplyEnabled());

    Press(frame->ApplyButton());
    EXPECT_EQ(Inner(first).Value(), 12);
    EXPECT_EQ(Inner(second).Value(), 7);
    EXPECT_FALSE(Values().Changed());
    EXPECT_FALSE(frame->ApplyEnabled());
    EXPECT_TRUE(frame->IsOpen());

    TypeValue("3");
    Press(frame->OkButton());
    EXPECT_EQ(Inner(first).Value(), 3);
    EXPECT_FALSE(frame->IsOpen());
}

TEST_F(PropertyPageFrameTest, AnApplyErrorIsShownAndKeepsTheFrameOpenWithChangedSet) {
    OpenFor({first});
    TypeValue("-5");
    MessageBoxResponder().Queue(win::IDOK);
    Press(frame->OkButton());
    ASSERT_EQ(MessageBoxResponder().Log().size(), 1u);
    const auto& box = MessageBoxResponder().Log()[0].request;
    EXPECT_EQ(box.text, "Invalid property value.");
    EXPECT_EQ(box.caption, "PagedControl");
    EXPECT_EQ(box.type, win::MB_OK | win::MB_ICONSTOP);
    EXPECT_TRUE(frame->IsOpen());
    EXPECT_TRUE(Values().Changed());
    EXPECT_TRUE(frame->ApplyEnabled());
    EXPECT_EQ(Inner(first).Value(), 7);
}

TEST_F(PropertyPageFrameTest, CancelAndEscCloseWithoutApplying) {
    OpenFor({first});
    TypeValue("40");
    Press(frame->CancelButton());
    EXPECT_FALSE(frame->IsOpen());
    EXPECT_EQ(Inner(first).Value(), 7);

    OpenFor({first});
    TypeValue("41");
    win::test::keyPress(win::VK_ESCAPE);
    win::test::pump();
    EXPECT_FALSE(frame->IsOpen());
    EXPECT_EQ(Inner(first).Value(), 7);
}

TEST_F(PropertyPageFrameTest, ModalFrameDisablesItsOwnerUntilOkAndEndsHeadlessWhenNothingCloses) {
    const win::HWND owner = m_host->GetForm().Window();
    bool ownerEnabled = true;
    frame.emplace(std::vector<ole::Ptr<Control>>{first});
    win::test::setIdleResponder([&] {
        win::test::setIdleResponder(nullptr);
        ownerEnabled = win::IsWindowEnabled(owner) != 0;
        TypeValue("9");
        Press(frame->OkButton());
        return true;
    });
    frame->ShowModal(owner);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(win::IsWindowEnabled(owner));
    EXPECT_FALSE(frame->IsOpen());
    EXPECT_EQ(Inner(first).Value(), 9);

    ShowPropertyPages({first}, owner);
    EXPECT_TRUE(win::IsWindowEnabled(owner));
    EXPECT_EQ(Inner(first).Value(), 9);
}

TEST_F(PropertyPageFrameTest, TabFollowsThePagesCreationOrderAndAccessKeysReachThePage) {
    Inner(first).pages = {kKeysPage, kValuePage};
    OpenFor({first});
    const auto at = [&](std::string_view name) {
        return frame->Page(0).FindConstituent(name)->Window();
    };
    const auto key = [](int vk, win::test::Modifiers modifiers) {
        win::test::keyPress(vk, modifiers);
        win::test::pump();
        return win::GetFocus();
    };
    using M = win::test::Modifiers;
    ASSERT_EQ(win::GetFocus(), at("txtName"));
    EXPECT_EQ(key(win::VK_TAB, M::None), at("chkFixed"));
    EXPECT_EQ(key(win::VK_TAB, M::None), at("txtHeight"));
    EXPECT_EQ(key(win::VK_TAB, M::None), at("txtLast"));
    EXPECT_EQ(key(win::VK_TAB, M::None), frame->OkButton().Window());
    EXPECT_EQ(key(win::VK_TAB, M::Shift), at("txtLast"));
    EXPECT_EQ(key(win::VK_TAB, M::None), frame->OkButton().Window());
    EXPECT_EQ(key(win::VK_TAB, M::None), frame->CancelButton().Window());
    EXPECT_EQ(key(win::VK_TAB, M::None), at("txtName")) << "Apply is disabled";

    win::SetFocus(frame->CancelButton().Window());
    EXPECT_EQ(key('N', M::Alt), at("txtName"));
    EXPECT_EQ(key('F', M::Alt), at("chkFixed"));
    EXPECT_EQ(key('E', M::Alt), at("txtName")) << "the page's last label wraps within the page";

    // A constituent's TabIndex orders it among the page's controls, not the frame's.
    const int16_t okIndex = frame->OkButton().TabIndex();
    frame->Page(0).FindConstituent("txtLast")->SetTabIndex(0);
    EXPECT_EQ(frame->OkButton().TabIndex(), okIndex);
    win::SetFocus(frame->CancelButton().Window());
    EXPECT_EQ(key(win::VK_TAB, M::None), at("txtLast"));
}

} // namespace
