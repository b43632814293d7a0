// The categories a property browser shows the control's properties in. The setting that has no
// category, like every member that is not stored, is Nil.

#include "buttonbar/control/KSButtonBar.h"

#include "platform/ole/error/Error.h"

namespace shelfstrip {

ole::Ptr<ole::Object> KSButtonBar::QueryInterface(const ole::Guid& iid) {
    if (iid == ole::IID_ICategorizeProperties)
        return ole::Ptr<ole::Object>(this);
    return UserControl::QueryInterface(iid);
}

int32_t KSButtonBar::MapPropertyToCategory(ole::DISPID memberId) {
    switch (memberId) {
    case IdButtonHighlightZone:
    case IdLockRefresh:
        return ole::PROPCAT_Behavior;
    case IdButtonHeight:
    case IdButtonWidth:
    case IdButtonPictureMaskColor:
        return ole::PROPCAT_Misc;
    case IdCaption:
        return ole::PROPCAT_Text;
    case IdMousePointer:
    case IdMouseIcon:
        return ole::PROPCAT_Nil;
    default:
        return Info().FindPersisted(memberId) ? ole::PROPCAT_Appearance : ole::PROPCAT_Nil;
    }
}

std::string KSButtonBar::GetCategoryName(int32_t, uint32_t) {
    // Only standard categories, which a browser names itself.
    ole::RaiseError(ole::ERR_INVALID_CALL);
}

} // namespace shelfstrip
