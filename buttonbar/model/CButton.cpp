#include "buttonbar/model/CButton.h"

#include "buttonbar/library/ShelfstripIds.h"
#include "buttonbar/model/CButtonListener.h"
#include "buttonbar/model/CButtons.h"
#include "buttonbar/model/CGroup.h"

#include "platform/ole/dispatch/ClassBuilder.h"

namespace shelfstrip {

ole::Ptr<CButton> CButton::Create() {
    return ole::MakeObject<CButton>();
}

void CButton::init(const ole::Ptr<ole::Object>& aBtnBar, const ole::Ptr<CGroup>& aGroup,
                   const std::string& sCaption, const ole::Ptr<ole::Picture>& aPicture,
                   const std::string& sTooltipText, const std::string& sPrompt,
                   const std::string& sKey) {
    m_control = aBtnBar;
    m_parent = aGroup;
    m_caption = sCaption;
    m_picture = aPicture;
    m_tooltipText = sTooltipText;
    m_prompt = sPrompt;
    m_key = sKey;
    m_visible = true;
}

void CButton::NotifyPropertyChanged(const std::string& sName) {
    const ole::Ptr<ole::Object> control = ButtonBar();
    if (auto* listener = dynamic_cast<CButtonListener*>(control.Get()))
        listener->ButtonPropertyChanged(ole::Ptr<CButton>(this), sName);
}

void CButton::LetKey(const std::string& sKey) {
    ChangeKey(sKey, [&] {
        // A button whose group is gone has no collection to keep its key in.
        const ole::Ptr<CGroup> group = GetParentGroup();
        return !group || group->GetButtons()->ChangeKey(*this, sKey, m_key);
    });
}

void CButton::LetCaption(const std::string& sCaption) {
    m_caption = sCaption;
    NotifyPropertyChanged("Caption");
}

void CButton::SetPicture(const ole::Ptr<ole::Picture>& aPicture) {
    m_picture = aPicture;
    NotifyPropertyChanged("Picture");
}

void CButton::LetTooltipText(const std::string& sText) {
    m_tooltipText = sText;
    NotifyPropertyChanged("TooltipText");
}

ole::Ptr<CGroup> CButton::GetParentGroup() const {
    return m_parent.Lock();
}

void CButton::LetTag(const ole::Variant& value) {
    StoreTag(value);
    NotifyPropertyChanged("Tag");
}

void CButton::SetTag(const ole::Variant& value) {
    LetTag(value);
}

void CButton::LetPrompt(const std::string& sPrompt) {
    m_prompt = sPrompt;
    NotifyPropertyChanged("Prompt");
}

void CButton::LetVisible(bool bVisible) {
    if (bVisible == m_visible)
        return;
    m_visible = bVisible;
    NotifyPropertyChanged("Visible");
}

const ole::ClassInfo& CButton::Info() {
    using C = CButton;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("CButton")
            .Library(kLibraryName)
            .ClassId(ids::kButtonClass)
            .Interface("_CButton", ids::kButtonInterface, ole::TYPEFLAG_FDUAL)
            .Help("A picture button of a group")
            .Property("Key", IdKey, &C::GetKey, &C::LetKey, ole::Help("User key of the button"))
            .Property("Caption", IdCaption, &C::GetCaption, &C::LetCaption,
                      ole::Help("Text of the button"))
            .Property("Picture", IdPicture, &C::GetPicture, &C::SetPicture,
                      ole::Typed("Picture") | ole::Help("Bitmap or icon of the button"))
            .Property("TooltipText", IdTooltipText, &C::GetTooltipText, &C::LetTooltipText,
                      ole::Help("Tip shown over the button"))
            .Get("ParentGroup", IdParentGroup, &C::GetParentGroup,
                 ole::Typed("CGroup") | ole::Help("The group holding the button"))
            .Get("Tag", IdTag, &C::GetTag, ole::Help("Data of the host"))
            .Let("Tag", IdTag, &C::LetTag)
            .Set("Tag", IdTag, &C::SetTag)
            .Property("Prompt", IdPrompt, &C::GetPrompt, &C::LetPrompt,
                      ole::Help("Status text for the host"))
            .Property("Visible", IdVisible, &C::GetVisible, &C::LetVisible,
                      ole::Help("Whether the button shows at run time"))
            .Build();
    return info;
}

} // namespace shelfstrip
