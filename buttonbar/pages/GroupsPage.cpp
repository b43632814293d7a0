#include "buttonbar/pages/GroupsPage.h"

#include "buttonbar/control/KSButtonBar.h"

#include "platform/forms/controls/buttons/CheckBox.h"
#include "platform/forms/controls/buttons/CommandButton.h"
#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/lists/ComboBox.h"
#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/forms/controls/scrollbar/HScrollBar.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/picture/LoadPicture.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/picture/PictureType.h"

#include <utility>

namespace shelfstrip {

const ole::ClassInfo& GroupsPage::Info() {
    static const ole::ClassInfo info = BuildInfo(pages::kGroups);
    return info;
}

GroupsPage::GroupsPage() : BarPage(pages::kGroups, Info()) {}

// Added in tab order.
void GroupsPage::OnInitProperties() {
    AddLabel("Label1", "Acive Group", {8, 8, 220, 22});
    AddLabel("Label2", "&Index", {8, 31, 50, 45});
    m_txtGroupIndex = AddText("txtGroupIndex", {52, 28, 92, 49}, &GroupsPage::IndexChanged);
    AcceptDigitsOnly(m_txtGroupIndex);
    m_scrGroupIndex = forms::HScrollBar::Create();
    AddConstituent(m_scrGroupIndex, "scrGroupIndex", {96, 30, 170, 47});
    On(m_scrGroupIndex, forms::eventid::Change, &GroupsPage::ScrollerChanged);
    HideCaretOnFocus(m_scrGroupIndex);
    AddLabel("lblNewIndex", "&New Index", {8, 57, 70, 71});
    m_txtNewIndex = AddText("txtNewIndex", {72, 54, 112, 75});
    m_chkVisible = forms::CheckBox::Create();
    m_chkVisible->SetCaption("&Visible");
    AddConstituent(m_chkVisible, "chkVisible", {150, 56, 220, 74});
    On(m_chkVisible, forms::eventid::Click, &GroupsPage::VisibleClicked);
    int top = 82;
    AddLabel("Label3", "&Caption", {8, top + 3, 70, top + 17});
    m_txtGrpCaption = AddText("txtGrpCaption", {72, top, 220, top + 21}, &GroupsPage::FieldChanged);
    top += 26;
    AddLabel("Label4", "&Key", {8, top + 3, 70, top + 17});
    m_txtGrpKey = AddText("txtGrpKey", {72, top, 220, top + 21}, &GroupsPage::FieldChanged);
    top += 26;
    AddLabel("Label5", "&Tooltip", {8, top + 3, 70, top + 17});
    m_txtGrpToolTip = AddText("txtGrpToolTip", {72, top, 220, top + 21}, &GroupsPage::FieldChanged);
    top += 26;
    AddLabel("Label6", "Ta&g", {8, top + 3, 70, top + 17});
    m_txtTag = AddText("txtTag", {72, top, 220, top + 21}, &GroupsPage::TagChanged);
    AddLabel("Label7", "", {232, 8, 405, 268})->SetBorderStyle(1);
    AddLabel("Label8", "Button Background Picture", {238, 14, 400, 28});
    AddLabel("Label9", "&Layout", {238, 35, 280, 49});
    m_lstBtnBgLayout =
        AddList("lstBtnBgLayout", {"ksPictureCentered", "ksPictureStretched", "ksPictureTiled"},
                {282, 32, 400, 53});
    AddLabel("Label10", "&Picture", {238, 63, 290, 77});
    m_txtPicture = AddText<GroupsPage>("txtPicture", {292, 60, 378, 81}, nullptr);
    m_txtPicture->SetText("none");
    Connect(m_txtPicture, forms::eventid::KeyDown,
            [self = ole::WeakRef<GroupsPage>(this)](std::span<ole::Variant> args) {
                const auto page = self.Lock();
                if (!page || args.empty())
                    return;
                const int keyCode = ole::CInt(args[0]);
                if ((keyCode == kBackspace || keyCode == kDelete) &&
                    HoldsImage(page->m_picBtnBgPicture->GetPicture())) {
                    page->m_picBtnBgPicture->SetPicture(nullptr);
                    page->m_picBtnBgPicture->Refresh();
                    page->m_txtPicture->SetText(kNone);
                    args[0].Deref() = ole::Variant(int16_t{0});
                    page->SetChanged(true);
                }
            });
    m_btnAddPicture =
        AddCommand("btnAddPicture", "...", {380, 60, 400, 81}, &GroupsPage::ChoosePicture);
    m_picBtnBgPicture = forms::PictureBox::Create();
    AddConstituent(m_picBtnBgPicture, "picBtnBgPicture", {238, 88, 400, 262});
    m_btnAddGroup = AddCommand("btnAddGroup", "&Add", {8, 242, 108, 265}, &GroupsPage::AddGroup);
    m_btnDelGroup =
        AddCommand("btnDelGroup", "&Delete", {116, 242, 216, 265}, &GroupsPage::DeleteGroup);
    m_lblGroupCount = AddLabel("lblGroupCount", "", {172, 31, 220, 45});
}

int32_t GroupsPage::IndexOfGroup(const ole::Ptr<CGroup>& group) const {
    const auto groups = SelectedBar()->GetGroups();
    for (int32_t i = 1; i <= groups->Count(); ++i) {
        if (groups->At(i) == group)
            return i;
    }
    return -1;
}

// Other than the group shown, which is the active one unless an apply hid it.
bool GroupsPage::IsOtherGroupVisible() const {
    const auto groups = SelectedBar()->GetGroups();
    const auto shown = m_shownGroup.Lock();
    for (int32_t i = 1; i <= groups->Count(); ++i) {
        const auto group = groups->At(i);
        if (group != shown && group->GetVisible())
            return true;
    }
    return false;
}

void GroupsPage::RefreshGroupPage() {
    const auto bar = SelectedBar();
    const auto groups = bar->GetGroups();
    // A bar read without a current group still has groups to edit: the page shows the first, and
    // leaves activating it to the scroller, since loading changes nothing on the bar.
    auto group = bar->GetActiveGroup();
    if (!group && groups->Count() >= 1)
        group = groups->At(1);
    LoadEach({
        [&] { ShowGroup(group); },
        [&] { ResetGroupScroller(groups->Count(), IndexOfGroup(group)); },
        [&] { m_btnDelGroup->SetEnabled(groups->Count() >= 2); },
    });
}

void GroupsPage::ShowGroup(const ole::Ptr<CGroup>& group) {
    if (!group)
        ole::RaiseError(ole::ERR_OBJECT_NOT_SET);
    m_shownGroup = ole::WeakRef<CGroup>(group.Get());
    m_txtNewIndex->SetText("");
    m_txtGrpCaption->SetText(group->GetCaption());
    m_txtGrpKey->SetText(group->GetKey());
    m_txtGrpToolTip->SetText(group->GetTooltipText());
    ShowTag(*m_txtTag, group->GetTag());
    const auto picture = group->GetButtonBackgroundPicture();
    if (!HoldsImage(picture)) {
        m_picBtnBgPicture->SetPicture(nullptr);
        m_txtPicture->SetText(kNone);
    } else {
        m_picBtnBgPicture->SetPicture(picture);
        m_txtPicture->SetText(kPicture);
    }
    LoadEach({
        [&] { LoadRow(*m_lstBtnBgLayout, ole::Variant(group->GetButtonBackgroundLayout())); },
        [&] { m_chkVisible->SetValue(group->GetVisible() ? 1 : 0); },
        [&] { m_picBtnBgPicture->Refresh(); },
    });
}

// The range and value a load sets only place the scroller: its change handler would activate
// whatever group the minimum or maximum clamps it to on the way.
void GroupsPage::ResetGroupScroller(int32_t count, int32_t index) {
    const bool wasPlacing = std::exchange(m_placingScroller, true);
    m_scrGroupIndex->SetMin(1);
    m_scrGroupIndex->SetMax(static_cast<int16_t>(count));
    m_scrGroupIndex->SetValue(static_cast<int16_t>(index));
    m_txtGroupIndex->SetText(std::to_string(m_scrGroupIndex->GetValue()));
    m_placingScroller = wasPlacing;
    m_lblGroupCount->SetCaption("of " + std::to_string(count));
}

void GroupsPage::FieldChanged() {
    m_btnAddGroup->SetEnabled(true);
    SetChanged(true);
}

// A tag edited alone is an edit to apply like any other.
void GroupsPage::TagChanged() {
    TagEdited();
    SetChanged(true);
}

void GroupsPage::VisibleClicked() {
    if (m_chkVisible->GetValue() == 1 || IsOtherGroupVisible()) {
        SetChanged(true);
        return;
    }
    m_chkVisible->SetValue(1);
    forms::MsgBox("Atleast one group must be visible.", forms::vbOKOnly, kLibraryName);
}

void GroupsPage::ScrollerChanged() {
    if (m_placingScroller)
        return;
    try {
        const int16_t n = m_scrGroupIndex->GetValue();
        m_txtGroupIndex->SetText(std::to_string(n));
        const auto bar = SelectedBar();
        const auto group = bar->GetGroups()->Item(ole::Variant(int32_t{n}));
        bar->SetActiveGroup(group);
        ShowGroup(group);
        m_scrGroupIndex->SetValue(n);
    } catch (const ole::Error& error) {
        ShowError(error);
    }
}

void GroupsPage::IndexChanged() {
    CheckIndex(*m_txtGroupIndex, *m_scrGroupIndex);
}

void GroupsPage::ChoosePicture() {
    try {
        const std::string path = BrowsePicture(m_btnAddPicture->Window());
        if (path != kNone) {
            m_picBtnBgPicture->SetPicture(forms::LoadPicture(path));
            m_picBtnBgPicture->Refresh();
            m_txtPicture->SetText(kPicture);
            SetChanged(true);
        }
    } catch (const ole::Error&) {
    }
}

void GroupsPage::AddGroup() {
    try {
        const auto bar = SelectedBar();
        const auto group = bar->GetGroups()->Add(Trimmed(*m_txtGrpCaption),
                                                 Trimmed(*m_txtGrpToolTip), Trimmed(*m_txtGrpKey));
        if (!group)
            return;
        if (m_lstBtnBgLayout->GetListIndex() >= 0)
            group->LetButtonBackgroundLayout(m_lstBtnBgLayout->GetListIndex());
        group->LetVisible(m_chkVisible->GetValue() != 0);
        group->LetTag(ole::Variant(m_txtTag->Text()));
        const auto picture = m_picBtnBgPicture->GetPicture();
        if (picture &&
            (picture->Type() == ole::PICTYPE_BITMAP || picture->Type() == ole::PICTYPE_ICON))
            group->SetButtonBackgroundPicture(picture);
        bar->SetActiveGroup(group);
        RefreshGroupPage();
        SetChanged(false);
    } catch (const ole::Error& error) {
        ShowError(error);
    }
}

void GroupsPage::DeleteGroup() {
    try {
        const int32_t index = m_scrGroupIndex->GetValue();
        const auto groups = SelectedBar()->GetGroups();
        if (index >= 1 && index <= groups->Count()) {
            groups->Remove(ole::Variant(index));
            RefreshGroupPage();
        }
    } catch (const ole::Error&) {
    }
}

// A group removed from the bar since it was shown takes nothing; the page shows the bar afresh.
void GroupsPage::OnApplyChanges() {
    const auto bar = SelectedBar();
    const auto group = m_shownGroup.Lock();
    const int32_t position = IndexOfGroup(group);
    if (position < 0) {
        RefreshGroupPage();
        return;
    }
    group->LetKey(Trimmed(*m_txtGrpKey));
    group->LetCaption(Trimmed(*m_txtGrpCaption));
    group->LetTooltipText(Trimmed(*m_txtGrpToolTip));
    // A layout with no row was never shown, so it is kept.
    if (m_lstBtnBgLayout->GetListIndex() >= 0)
        group->LetButtonBackgroundLayout(m_lstBtnBgLayout->GetListIndex());
    group->LetVisible(m_chkVisible->GetValue() != 0);
    ApplyTag(*group, *m_txtTag);
    if (!HoldsImage(m_picBtnBgPicture->GetPicture())) {
        group->SetButtonBackgroundPicture(nullptr);
    } else {
        if (m_txtPicture->Text().empty()) {
            m_picBtnBgPicture->SetPicture(nullptr);
            m_picBtnBgPicture->Refresh();
        }
        group->SetButtonBackgroundPicture(m_picBtnBgPicture->GetPicture());
    }
    ApplyNewIndex(Trimmed(*m_txtNewIndex), position, bar->GetGroups()->Count(), [&](int32_t n) {
        bar->GetGroups()->SetNewIndex(group, n);
        m_scrGroupIndex->SetValue(static_cast<int16_t>(n));
    });
    bar->Refresh();
    m_btnAddGroup->SetEnabled(false);
}

} // namespace shelfstrip
