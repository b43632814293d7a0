#include "buttonbar/pages/ButtonsPage.h"

#include "buttonbar/control/KSButtonBar.h"
#include "buttonbar/library/ShelfstripErrors.h"
#include "buttonbar/library/ShelfstripIds.h"

#include "platform/forms/controls/buttons/CheckBox.h"
#include "platform/forms/controls/buttons/CommandButton.h"
#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/forms/controls/scrollbar/HScrollBar.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/picture/LoadPicture.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/Error.h"

#include <array>

namespace shelfstrip {

const ole::ClassInfo& ButtonsPage::Info() {
    static const ole::ClassInfo info = BuildInfo(pages::kButtons);
    return info;
}

ButtonsPage::ButtonsPage() : BarPage(pages::kButtons, Info()) {}

// Added in tab order. Text edits mark the page changed only while the group has buttons, so they
// are connected here rather than through AddText.
void ButtonsPage::OnInitProperties() {
    m_lblActiveGrpInfo = AddLabel("lblActiveGrpInfo", "", {8, 8, 220, 22});
    AddLabel("Label1", "&Index", {8, 31, 50, 45});
    m_txtButtonIndex = AddText("txtButtonIndex", {52, 28, 92, 49}, &ButtonsPage::IndexChanged);
    m_scrButtonIndex = forms::HScrollBar::Create();
    AddConstituent(m_scrButtonIndex, "scrButtonIndex", {96, 30, 170, 47});
    On(m_scrButtonIndex, forms::eventid::Change, &ButtonsPage::ScrollerChanged);
    On(m_scrButtonIndex, forms::eventid::Scroll, &ButtonsPage::ScrollerScrolled);
    HideCaretOnFocus(m_scrButtonIndex);
    m_lblButtonCount = AddLabel("lblButtonCount", "", {172, 31, 220, 45});
    const std::array<std::pair<const char*, std::pair<const char*, ole::Ptr<forms::TextBox>*>>, 4>
        rows{{{"&Caption", {"txtBtnCaption", &m_txtBtnCaption}},
              {"&Key", {"txtBtnKey", &m_txtBtnKey}},
              {"&Tooltip", {"txtBtnTooltip", &m_txtBtnTooltip}},
              {"Ta&g", {"txtTag", &m_txtTag}}}};
    int top = 80;
    for (size_t i = 0; i < rows.size(); ++i, top += 26) {
        const auto& [caption, box] = rows[i];
        AddLabel("Label" + std::to_string(i + 2), caption, {8, top + 3, 70, top + 17});
        *box.second = AddText(box.first, {72, top, 220, top + 21},
                              i == 3 ? &ButtonsPage::TagChanged : &ButtonsPage::EditChanged);
    }
    AddLabel("Label6", "&Prompt", {228, 8, 378, 22});
    m_txtPrompt = AddText("txtPrompt", {228, 24, 378, 45}, &ButtonsPage::EditChanged);
    AddLabel("Label7", "", {228, 54, 378, 268})->SetBorderStyle(1);
    AddLabel("Label8", "Button Pict&ure", {234, 60, 372, 74});
    m_txtPicture = forms::TextBox::Create();
    AddConstituent(m_txtPicture, "txtPicture", {234, 76, 350, 97});
    Connect(m_txtPicture, forms::eventid::KeyDown,
            [self = ole::WeakRef<ButtonsPage>(this)](std::span<ole::Variant> args) {
                const auto page = self.Lock();
                if (!page || args.empty())
                    return;
                const int keyCode = ole::CInt(args[0]);
                // Clearing the picture leaves the other pending edits to apply.
                if (keyCode == kBackspace || keyCode == kDelete) {
                    page->m_picButton->SetPicture(nullptr);
                    page->m_picButton->Refresh();
                    page->m_txtPicture->SetText(kNone);
                }
                args[0].Deref() = ole::Variant(int16_t{0});
            });
    m_btnAddPicture =
        AddCommand("btnAddPicture", "...", {352, 76, 372, 97}, &ButtonsPage::ChoosePicture);
    m_picButton = forms::PictureBox::Create();
    AddConstituent(m_picButton, "picButton", {234, 102, 372, 262});
    m_btnAddButton =
        AddCommand("btnAddButton", "&Add", {8, 240, 108, 263}, &ButtonsPage::AddButton);
    m_btnDelButton =
        AddCommand("btnDelButton", "&Delete", {116, 240, 216, 263}, &ButtonsPage::DeleteButton);
    m_btnDelButton->SetEnabled(false);
    m_chkVisible = AddCheck("chkVisible", "&Visible", {150, 54, 220, 72});
    m_txtNewIndex = AddText("txtNewIndex", {72, 52, 112, 73});
    AddLabel("lblNewIndex", "&New Index", {8, 55, 70, 69});
    AcceptDigitsOnly(m_txtButtonIndex);
}

ole::Ptr<CButton> ButtonsPage::GetButtonAt(int32_t index) const {
    try {
        const auto group = SelectedBar()->GetActiveGroup();
        if (group && index >= 1 && index <= group->GetButtons()->Count())
            return group->GetButtons()->At(index);
    } catch (const ole::Error&) {
    }
    return nullptr;
}

ole::Ptr<CButton> ButtonsPage::ShownButton() const {
    const auto button = m_shownButton.Lock();
    const auto group = button ? button->GetParentGroup() : nullptr;
    if (!group || !group->GetButtons()->Holds(*button) ||
        !SelectedBar()->GetGroups()->Holds(*group))
        return nullptr;
    return button;
}

bool ButtonsPage::HasButtons() const {
    return m_scrButtonIndex->GetMax() >= 1;
}

void ButtonsPage::RefreshButtonPage() {
    const auto group = SelectedBar()->GetActiveGroup();
    int32_t count = 0;
    try {
        count = group ? group->GetButtons()->Count() : 0;
    } catch (const ole::Error&) {
    }
    ClearButtonFields();
    m_loadedGroup = ole::WeakRef<CGroup>(group.Get());
    m_loadedCaption = group ? group->GetCaption() : std::string();
    m_loadedCount = count;
    if (group)
        m_lblActiveGrpInfo->SetCaption("Buttons of '" + m_loadedCaption + "' group");
    ResetButtonScroller(count);
    ShowButton();
}

bool ButtonsPage::Outdated() const {
    try {
        const auto group = SelectedBar()->GetActiveGroup();
        if (group != m_loadedGroup.Lock())
            return true;
        return group && (group->GetCaption() != m_loadedCaption ||
                         group->GetButtons()->Count() != m_loadedCount);
    } catch (const ole::Error&) {
        return false;
    }
}

void ButtonsPage::ClearButtonFields() {
    for (auto* box : {&m_txtBtnCaption, &m_txtBtnKey, &m_txtBtnTooltip, &m_txtPrompt, &m_txtTag})
        (*box)->SetText("");
    m_txtPicture->SetText(kNone);
    m_picButton->SetPicture(nullptr);
    m_picButton->Refresh();
}

void ButtonsPage::ResetButtonScroller(int32_t count) {
    const auto clamped = static_cast<int16_t>(std::min(count, int32_t{32767}));
    m_scrButtonIndex->SetEnabled(clamped >= 1);
    m_scrButtonIndex->SetMax(clamped);
    m_scrButtonIndex->SetMin(clamped >= 1 ? 1 : 0);
    m_scrButtonIndex->SetValue(clamped);
    m_lblButtonCount->SetCaption(" of " + std::to_string(m_scrButtonIndex->GetMax()));
    m_lblButtonCount->Refresh();
}

void ButtonsPage::ShowButton() {
    const auto button = GetButtonAt(m_scrButtonIndex->GetValue());
    m_shownButton = ole::WeakRef<CButton>(button.Get());
    if (!button) {
        m_btnDelButton->SetEnabled(false);
    } else {
        m_txtNewIndex->SetText("");
        m_txtBtnCaption->SetText(button->GetCaption());
        m_txtBtnKey->SetText(button->GetKey());
        m_txtBtnTooltip->SetText(button->GetTooltipText());
        m_txtPrompt->SetText(button->GetPrompt());
        m_chkVisible->SetValue(button->GetVisible() ? 1 : 0);
        ShowTag(*m_txtTag, button->GetTag());
        m_picButton->SetPicture(button->GetPicture());
        m_txtPicture->SetText(HoldsImage(button->GetPicture()) ? kPicture : kNone);
        m_btnDelButton->SetEnabled(true);
    }
    m_picButton->Refresh();
    SetChanged(false);
}

void ButtonsPage::EditChanged() {
    if (HasButtons())
        SetChanged(true);
}

void ButtonsPage::TagChanged() {
    TagEdited();
    EditChanged();
}

void ButtonsPage::ScrollerChanged() {
    m_txtButtonIndex->SetText(std::to_string(m_scrButtonIndex->GetValue()));
    ShowButton();
}

void ButtonsPage::ScrollerScrolled() {
    m_txtButtonIndex->SetText(std::to_string(m_scrButtonIndex->GetValue()));
}

void ButtonsPage::IndexChanged() {
    CheckIndex(*m_txtButtonIndex, *m_scrButtonIndex);
}

void ButtonsPage::ChoosePicture() {
    try {
        const std::string path = BrowsePicture(m_btnAddPicture->Window());
        if (path != kNone) {
            m_picButton->SetPicture(forms::LoadPicture(path));
            // An empty picture leaves the other pending edits to apply.
            if (HoldsImage(m_picButton->GetPicture())) {
                m_txtPicture->SetText(kPicture);
                if (HasButtons())
                    SetChanged(true);
            }
        }
        m_picButton->Refresh();
    } catch (const ole::Error&) {
    }
}

void ButtonsPage::AddButton() {
    try {
        const auto picture = m_picButton->GetPicture();
        if (!HoldsImage(picture)) {
            forms::MsgBox("Please select an image for the new button", forms::vbOKOnly,
                          kLibraryName);
            return;
        }
        const std::string caption = Trimmed(*m_txtBtnCaption);
        const std::string tooltip = Trimmed(*m_txtBtnTooltip);
        const std::string key = Trimmed(*m_txtBtnKey);
        const std::string prompt = Trimmed(*m_txtPrompt);
        const std::string tag = Trimmed(*m_txtTag);
        const auto group = SelectedBar()->GetActiveGroup();
        if (!group)
            ole::RaiseError(ole::ERR_OBJECT_NOT_SET);
        if (const auto button = group->GetButtons()->Add(caption, picture, tooltip, prompt, key)) {
            button->LetTag(ole::Variant(tag));
            RefreshButtonPage();
        }
        SetChanged(false);
    } catch (const ole::Error& error) {
        ShowError(error);
    }
}

// Removes the button shown, from its own group even when another page activated another group
// since. Ends on the reloaded page: the scroller and the index box already stand on the new last
// button.
void ButtonsPage::DeleteButton() {
    try {
        if (const auto button = ShownButton()) {
            const auto buttons = button->GetParentGroup()->GetButtons();
            buttons->Remove(ole::Variant(PositionOf(*buttons, button)));
            ClearButtonFields();
            SetChanged(true);
            RefreshButtonPage();
        }
    } catch (const ole::Error&) {
    }
}

int32_t ButtonsPage::PositionOf(const CButtons& buttons, const ole::Ptr<CButton>& button) {
    int32_t position = 1;
    while (position < buttons.Count() && buttons.At(position) != button)
        ++position;
    return position;
}

// The edits belong to the button shown. Another page may have activated another group or removed
// this one since: then the page writes to that button wherever it now is, moves it within its own
// group, and shows the bar as it now is. A button that left the bar takes nothing: the page shows
// the bar afresh and says so.
void ButtonsPage::OnApplyChanges() {
    const auto button = ShownButton();
    if (!button) {
        if (m_shownButton.Lock()) {
            RefreshButtonPage();
            ole::RaiseError(errors::InvalidButtonObject, errors::kTitle);
        }
        return;
    }
    const auto group = button->GetParentGroup();
    const bool inView = GetButtonAt(m_scrButtonIndex->GetValue()) == button;
    button->LetKey(Trimmed(*m_txtBtnKey));
    button->LetCaption(Trimmed(*m_txtBtnCaption));
    button->SetPicture(m_picButton->GetPicture());
    button->LetPrompt(Trimmed(*m_txtPrompt));
    button->LetTooltipText(Trimmed(*m_txtBtnTooltip));
    button->LetVisible(m_chkVisible->GetValue() != 0);
    ApplyTag(*button, *m_txtTag);
    const auto buttons = group->GetButtons();
    ApplyNewIndex(Trimmed(*m_txtNewIndex), PositionOf(*buttons, button), buttons->Count(),
                  [&](int32_t n) {
                      buttons->SetNewIndex(button, n);
                      if (inView)
                          m_scrButtonIndex->SetValue(static_cast<int16_t>(n));
                  });
    if (!inView)
        RefreshButtonPage();
}

} // namespace shelfstrip
