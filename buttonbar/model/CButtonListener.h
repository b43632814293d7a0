#pragma once

#include "platform/ole/object/Object.h"

#include <string>

namespace shelfstrip {

class CButton;
class CGroup;

// How a button collection and its buttons tell their control about changes.
class CButtonListener {
public:
    virtual ~CButtonListener() = default;

    virtual void ButtonAdded(const ole::Ptr<CButton>& aButton) = 0;
    virtual void ButtonRemoved(const ole::Ptr<CButton>& aButton) = 0;
    virtual void ButtonPropertyChanged(const ole::Ptr<CButton>& aButton,
                                       const std::string& sProperty) = 0;
    virtual void ButtonReIndexed(const ole::Ptr<CButton>& aButton) = 0;
    // Not an event for the host: a group's buttons were cleared, so the control lets go of those
    // it holds and lays out again.
    virtual void ButtonsCleared(const ole::Ptr<CGroup>& aGroup) = 0;

protected:
    CButtonListener() = default;
    CButtonListener(const CButtonListener&) = default;
    CButtonListener& operator=(const CButtonListener&) = default;
};

} // namespace shelfstrip
