#include "buttonbar/model/CBarItem.h"

#include "buttonbar/library/ShelfstripErrors.h"

namespace shelfstrip {

void CBarItem::ChangeKey(const std::string& sKey, const std::function<bool()>& accept) {
    if (sKey == m_key)
        return;
    if (!accept())
        ole::RaiseError(errors::DuplicateKey, errors::kTitle);
    m_key = sKey;
}

} // namespace shelfstrip
