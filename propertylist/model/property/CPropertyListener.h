#pragma once

namespace attrgrid {

class CProperty;

// What a property tells its owner list when something visible about it changed. The list
// implements it; the property reaches it through the owner's weak id, so a dead owner is silent.
class CPropertyListener {
public:
    virtual void PropertyChanged(CProperty& aProperty) = 0;

protected:
    ~CPropertyListener() = default;
};

} // namespace attrgrid
