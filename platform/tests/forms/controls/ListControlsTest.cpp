#include "ControlFixture.h"

#include "platform/forms/controls/lists/ComboBox.h"
#include "platform/forms/controls/lists/ListBox.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/controls/ControlConstants.h"

namespace controlstest {
namespace {

using forms::ListBox;

class ListControlsTest : public ControlTest {
protected:
    static void AddItem(const ole::Variant& list, const char* text, int32_t index = -1) {
        std::vector<ole::Variant> args{ole::Variant(text)};
        if (index >= 0)
            args.emplace_back(index);
        ole::CallMethod(list, "AddItem", args);
    }
    static std::string Item(const ole::Variant& list, int32_t index) {
        ole::Variant args[] = {ole::Variant(index)};
        return ole::GetProperty(list, "List", args).AsString();
    }
};

TEST_F(ListControlsTest, ListBoxMembersDefaultsAndErrors) {
    const auto box = Site(ListBox::Create(), "lstNames", {10, 10, 110, 110});
    const ole::Variant list{ole::Ptr<ole::Object>(box)};
    EXPECT_EQ(ole::CLng(ole::GetProperty(list, "BackColor")), int32_t(0x80000005));
    EXPECT_EQ(ole::CLng(ole::GetProperty(list, "ForeColor")), int32_t(0x80000008));
    EXPECT_EQ(ole::CLng(ole::GetProperty(list, "ListIndex")), -1);
    EXPECT_FALSE(ole::GetProperty(list, "Sorted").AsBool());
    AddItem(list, "beta");
    AddItem(list, "alpha", 0);
    AddItem(list, "gamma", 2);
    EXPECT_EQ(ole::CLng(ole::GetProperty(list, "ListCount")), 3);
    EXPECT_EQ(win::SendMessageA(box->Window(), win::LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(Item(list, 0), "alpha");
    EXPECT_EQ(Item(list, 2), "gamma");
    EXPECT_EQ(Item(list, 3), "");
    EXPECT_EQ(Item(list, -1), "");
    ole::Variant data[] = {ole::Variant(int32_t{1}), ole::Variant(int32_t{77})};
    ole::InvokeById(list, box->GetIDsOfNames("ItemData"), ole::DISPATCH_PROPERTYPUT, data);
    EXPECT_EQ(win::SendMessageA(box->Window(), win::LB_GETITEMDATA, 1, 0), 77);

    const struct {
        std::function<void()> call;
        int32_t error;
    } rejected[] = {
        {[&] { AddItem(list, "x", 4); }, ole::ERR_INVALID_CALL},
        {[&] {
             ole::Variant a[] = {ole::Variant(int32_t{3})};
             ole::CallMethod(list, "RemoveItem", a);
         },
         ole::ERR_INVALID_CALL},
        {[&] { ole::LetProperty(list, "ListIndex", ole::Variant(int32_t{3})); },
         ole::ERR_INVALID_PROPERTY_VALUE},
        {[&] { ole::LetProperty(list, "ListIndex", ole::Variant(int32_t{-2})); },
         ole::ERR_INVALID_PROPERTY_VALUE},
        {[&] {
             ole::Variant a[] = {ole::Variant(int32_t{5})};
             ole::GetProperty(list, "ItemData", a);
         },
         381},
        {[&] { ole::LetProperty(list, "Text", ole::Variant("delta")); }, ole::ERR_READ_ONLY},
        {[&] { ole::LetProperty(list, "Sorted", ole::Variant(true)); }, ole::ERR_READ_ONLY},
    };
    for (size_t i = 0; i < std::size(rejected); ++i)
        EXPECT_EQ(ErrorOf(rejected[i].call), rejected[i].error) << i;

    ole::LetProperty(list, "Text", ole::Variant("GAMMA"));
    EXPECT_EQ(ole::CLng(ole::GetProperty(list, "ListIndex")), 2);
    EXPECT_EQ(ole::GetProperty(list, "Text").AsString(), "gamma");
    ole::Variant first[] = {ole::Variant(int32_t{0})};
    ole::CallMethod(list, "RemoveItem", first);
    EXPECT_EQ(Item(list, 0), "beta");
    ole::CallMethod(list, "Clear");
    EXPECT_EQ(ole::CLng(ole::GetProperty(list, "ListCount")), 0);
}

TEST_F(ListControlsTest, ItemsAddedBeforeSitingReachTheWindowSorted) {
    const auto box = ListBox::Create();
    box->SetSorted(true);
    for (const char* text : {"pear", "Apple", "fig"})
        box->DoAddItem(text, ole::Variant::Missing());
    box->SetItemData(1, 5);
    box->SetListIndex(2);
    Site(box, "lstFruit", {0, 0, 100, 100});
    EXPECT_EQ(box->GetList(0), "Apple");
    EXPECT_EQ(box->GetList(2), "pear");
    EXPECT_EQ(win::SendMessageA(box->Window(), win::LB_GETITEMDATA, 1, 0), 5);
    EXPECT_EQ(win::SendMessageA(box->Window(), win::LB_GETCURSEL, 0, 0), 2);
}

// The items, their data and the choice outlive the window, for a combo box as for a list box.
TEST_F(ListControlsTest, ItemsAndChoiceSurviveUnloadOfTheForm) {
    const auto box = Site(ListBox::Create(), "lstKept", {10, 10, 110, 110});
    const auto combo = Site(forms::ComboBox::Create(), "cboKept", {120, 10, 220, 200});
    for (forms::ListControl* list : {static_cast<forms::ListControl*>(box.Get()),
                                     static_cast<forms::ListControl*>(combo.Get())}) {
        for (const char* text : {"one", "two", "three"})
            list->DoAddItem(text, ole::Variant::Missing());
        list->SetItemData(1, 42);
        list->SetListIndex(1);
    }
    m_form->UnloadForm();
    for (const forms::ListControl* list : {static_cast<forms::ListControl*>(box.Get()),
                                           static_cast<forms::ListControl*>(combo.Get())}) {
        ASSERT_FALSE(list->IsAlive());
        EXPECT_EQ(list->GetListCount(), 3);
        EXPECT_EQ(list->GetList(2), "three");
        EXPECT_EQ(list->GetItemData(1), 42);
        EXPECT_EQ(list->GetListIndex(), 1);
    }
}

TEST_F(ListControlsTest, ClickFollowsUserChoicesAndChangingLets) {
    const auto box = Site(ListBox::Create(), "lstPick", {10, 10, 110, 110});
    for (const char* text : {"one", "two", "three"})
        box->DoAddItem(text, ole::Variant::Missing());
    EventLog log;
    log.Attach(box);
    box->SetListIndex(1);
    box->SetListIndex(1);
    EXPECT_EQ(log.Count("Click"), 1u);
    // A click on the first item: aimed by the list's own item height.
    const auto itemHeight =
        static_cast<int>(win::SendMessageA(box->Window(), win::LB_GETITEMHEIGHT, 0, 0));
    win::test::click(box->Window(), {20, itemHeight / 2});
    win::test::pump();
    EXPECT_EQ(box->GetListIndex(), 0);
    EXPECT_EQ(log.Count("Click"), 2u);
    win::test::keyPress(win::VK_DOWN);
    win::test::pump();
    EXPECT_EQ(box->GetListIndex(), 1);
    EXPECT_EQ(log.Count("Click"), 3u);
}

TEST_F(ListControlsTest, ComboBoxStylesTextAndHeight) {
    const auto combo = forms::ComboBox::Create();
    combo->SetStyle(2);
    Site(combo, "cboPick", {10, 10, 110, 200});
    const ole::Variant c{ole::Ptr<ole::Object>(combo)};
    for (const char* text : {"red", "green"})
        AddItem(c, text);
    EXPECT_EQ(win::SendMessageA(combo->Window(), win::CB_GETCOUNT, 0, 0), 2);
    // The closed height follows the font, whatever was asked.
    const float height = combo->Height();
    EXPECT_LT(height, 190.0f * 15);
    EXPECT_EQ(ErrorOf([&] { ole::LetProperty(c, "Height", ole::Variant(600.0f)); }),
              ole::ERR_READ_ONLY);
    combo->Move(150, ole::Variant(150.0f), ole::Variant(1500.0f), ole::Variant(3000.0f));
    EXPECT_FLOAT_EQ(combo->Height(), height);
    EXPECT_EQ(ErrorOf([&] { ole::LetProperty(c, "Style", ole::Variant(int16_t{0})); }),
              ole::ERR_READ_ONLY);
    EXPECT_EQ(ErrorOf([&] { ole::LetProperty(c, "Text", ole::Variant("blue")); }),
              ole::ERR_READ_ONLY);

    // The dropped list takes the combo box's colours.
    ole::LetProperty(c, "BackColor", ole::Variant(int32_t{0x00FFFF}));
    const win::HDC screen = win::GetDC({});
    win::SendMessageA(combo->Window(), win::WM_CTLCOLORLISTBOX, win::HandleToParam(screen), 0);
    EXPECT_EQ(win::GetBkColor(screen), win::RGB(255, 255, 0));
    win::ReleaseDC({}, screen);

    EventLog log;
    log.Attach(combo);
    ole::LetProperty(c, "Text", ole::Variant("Green"));
    EXPECT_EQ(ole::GetProperty(c, "Text").AsString(), "green");
    EXPECT_EQ(ole::CLng(ole::GetProperty(c, "ListIndex")), 1);
    EXPECT_EQ(log.Entries(), std::vector<std::string>{"Click"});

    // An editable combo raises Change for a Text let that changes the text.
    const auto edit = Site(forms::ComboBox::Create(), "cboEdit", {10, 100, 110, 300});
    EventLog editLog;
    editLog.Attach(edit);
    edit->SetText("typed");
    edit->SetText("typed");
    EXPECT_EQ(edit->Text(), "typed");
    EXPECT_EQ(editLog.Entries(), std::vector<std::string>{"Change"});
}

// What a combo box is given before it is sited is what its window shows.
TEST_F(ListControlsTest, ComboBoxTextGivenBeforeSitingReachesTheWindow) {
    const auto edit = forms::ComboBox::Create();
    edit->DoAddItem("one", ole::Variant::Missing());
    edit->SetText("typed");
    const auto list = forms::ComboBox::Create();
    list->SetStyle(2);
    for (const char* text : {"one", "two"})
        list->DoAddItem(text, ole::Variant::Missing());
    list->SetText("Two");
    EXPECT_EQ(list->Text(), "two");
    Site(edit, "cboEdit", {10, 10, 110, 200});
    Site(list, "cboList", {120, 10, 220, 200});
    EXPECT_EQ(edit->Text(), "typed");
    EXPECT_EQ(list->Text(), "two");
    EXPECT_EQ(list->GetListIndex(), 1);
}

TEST_F(ListControlsTest, ComboBoxClickFollowsAUserChoiceAndDropDownItsOpening) {
    const auto combo = forms::ComboBox::Create();
    combo->SetStyle(2);
    Site(combo, "cboKeys", {10, 10, 110, 200});
    for (const char* text : {"one", "two", "three"})
        combo->DoAddItem(text, ole::Variant::Missing());
    EventLog log;
    log.Attach(combo);
    combo->SetFocus();
    win::test::keyPress(win::VK_DOWN);
    win::test::pump();
    EXPECT_EQ(combo->GetListIndex(), 0);
    win::test::keyPress(win::VK_F4);
    win::test::pump();
    EXPECT_EQ(log.Count("Click"), 1u);
    EXPECT_EQ(log.Count("DropDown"), 1u);
    win::test::keyPress(win::VK_ESCAPE);
    win::test::pump();
}

} // namespace
} // namespace controlstest
