#include "shared/subclass/cSubclassInfo.h"

namespace shared {

void cSubclassInfo::AddMessage(win::UINT Msg) {
    if (Msg != 0)
        msgList.insert(Msg);
}

void cSubclassInfo::RemoveMessage(win::UINT Msg) {
    if (Msg != 0)
        msgList.erase(Msg);
}

bool cSubclassInfo::IsMessageHooked(win::UINT Msg) const {
    return Msg != 0 && msgList.contains(Msg);
}

} // namespace shared
