#include "formdesigner/control/RefreshHold.h"

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "platform/ole/error/ResumeNext.h"

namespace layoutdesk {

RefreshHold::RefreshHold(ZORudeRuduvozu& designer)
    : m_designer(designer), m_saved(designer.GetLockRefresh()) {
    m_designer.LetLockRefresh(true);
}

RefreshHold::~RefreshHold() {
    ole::ResumeNext([&] { m_designer.LetLockRefresh(m_saved); });
}

} // namespace layoutdesk
