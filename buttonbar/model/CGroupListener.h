#pragma once

#include "platform/ole/object/Object.h"

#include <string>

namespace shelfstrip {

class CGroup;

// How the group collection and its groups tell their control about changes. The control finds
// this on the object its weak pointer names; a missing control hears nothing.
class CGroupListener {
public:
    virtual ~CGroupListener() = default;

    virtual void GroupAdded(const ole::Ptr<CGroup>& aGroup) = 0;
    virtual void GroupRemoved(const ole::Ptr<CGroup>& aGroup) = 0;
    virtual void GroupPropertyChanged(const ole::Ptr<CGroup>& aGroup,
                                      const std::string& sPropName) = 0;
    // Asked before a group's Key changes; True accepts the new key.
    virtual bool GroupKeyChanged(const ole::Ptr<CGroup>& aGroup, const std::string& sNewKey,
                                 const std::string& sOldKey) = 0;
    virtual void GroupReIndexed(const ole::Ptr<CGroup>& aGroup) = 0;

protected:
    CGroupListener() = default;
    CGroupListener(const CGroupListener&) = default;
    CGroupListener& operator=(const CGroupListener&) = default;
};

} // namespace shelfstrip
