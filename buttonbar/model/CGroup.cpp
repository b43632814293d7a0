#include "buttonbar/model/CGroup.h"

#include "buttonbar/library/ShelfstripIds.h"
#include "buttonbar/model/CButtons.h"
#include "buttonbar/model/CGroupListener.h"

#include "platform/ole/dispatch/ClassBuilder.h"

namespace shelfstrip {

CGroup::CGroup() = default;
CGroup::~CGroup() = default;

ole::Ptr<CGroup> CGroup::Create(const ole::Ptr<ole::Object>& aBtnBar) {
    ole::Ptr<CGroup> group = ole::MakeObject<CGroup>();
    group->m_control = aBtnBar;
    group->m_buttons = CButtons::Create(aBtnBar, group);
    return group;
}

ole::Ptr<CButtons> CGroup::GetButtons() const {
    return m_buttons;
}

void CGroup::init(const ole::Ptr<ole::Object>& aBtnBar, const std::string& sCaption,
                  const std::string& sTooltipText, const std::string& sKey) {
    m_control = aBtnBar;
    m_caption = sCaption;
    m_tooltipText = sTooltipText;
    m_key = sKey;
    m_visible = true;
}

void CGroup::NotifyPropertyChanged(const std::string& sName) {
    const ole::Ptr<ole::Object> control = ButtonBar();
    if (auto* listener = dynamic_cast<CGroupListener*>(control.Get()))
        listener->GroupPropertyChanged(ole::Ptr<CGroup>(this), sName);
}

bool CGroup::NotifyKeyChanged(const std::string& sNewKey, const std::string& sOldKey) {
    const ole::Ptr<ole::Object> control = ButtonBar();
    auto* listener = dynamic_cast<CGroupListener*>(control.Get());
    return listener && listener->GroupKeyChanged(ole::Ptr<CGroup>(this), sNewKey, sOldKey);
}

void CGroup::LetCaption(const std::string& sCaption) {
    if (sCaption == m_caption)
        return;
    m_caption = sCaption;
    NotifyPropertyChanged("Caption");
}

void CGroup::LetTooltipText(const std::string& sText) {
    if (sText == m_tooltipText)
        return;
    m_tooltipText = sText;
    NotifyPropertyChanged("TooltipText");
}

void CGroup::LetKey(const std::string& sKey) {
    ChangeKey(sKey, [&] { return NotifyKeyChanged(sKey, m_key); });
}

void CGroup::SetButtonBackgroundPicture(const ole::Ptr<ole::Picture>& aPicture) {
    if (aPicture == m_backgroundPicture)
        return;
    m_backgroundPicture = aPicture;
    NotifyPropertyChanged("ButtonBackgroundPicture");
}

void CGroup::LetButtonBackgroundLayout(int32_t layout) {
    if (layout == m_backgroundLayout)
        return;
    m_backgroundLayout = layout;
    NotifyPropertyChanged("ButtonBackgroundLayout");
}

void CGroup::LetVisible(bool bVisible) {
    if (bVisible == m_visible)
        return;
    m_visible = bVisible;
    NotifyPropertyChanged("Visible");
}

const ole::ClassInfo& CGroup::Info() {
    using C = CGroup;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("CGroup")
            .Library(kLibraryName)
            .ClassId(ids::kGroupClass)
            .Interface("_CGroup", ids::kGroupInterface, ole::TYPEFLAG_FDUAL)
            .Help("A group of buttons")
            .Property("Caption", IdCaption, &C::GetCaption, &C::LetCaption,
                      ole::Help("Text of the group bar"))
            .Property("TooltipText", IdTooltipText, &C::GetTooltipText, &C::LetTooltipText,
                      ole::Help("Tip shown over the group bar"))
            .Get("Buttons", IdButtons, &C::GetButtons,
                 ole::Typed("CButtons") | ole::Help("The buttons of the group"))
            .Property("Key", IdKey, &C::GetKey, &C::LetKey, ole::Help("User key of the group"))
            .Property("ButtonBackgroundPicture", IdButtonBackgroundPicture,
                      &C::GetButtonBackgroundPicture, &C::SetButtonBackgroundPicture,
                      ole::Typed("Picture") | ole::Help("Background of the button area"))
            .Property("ButtonBackgroundLayout", IdButtonBackgroundLayout,
                      &C::GetButtonBackgroundLayout, &C::LetButtonBackgroundLayout,
                      ole::Typed("KSBackgroundLayout") |
                          ole::Help("Placement of the background picture"))
            .Get("Tag", IdTag, &C::GetTag, ole::Help("Data of the host"))
            .Set("Tag", IdTag, &C::SetTag)
            .Let("Tag", IdTag, &C::LetTag)
            .Property("Visible", IdVisible, &C::GetVisible, &C::LetVisible,
                      ole::Help("Whether the group shows at run time"))
            .Build();
    return info;
}

} // namespace shelfstrip
