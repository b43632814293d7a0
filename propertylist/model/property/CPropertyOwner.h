#pragma once

#include <cstdint>

namespace attrgrid {

// The list that owns properties, as the model sees it: the default row colours a property falls
// back on when its own colour is -1. The owner object must also be an ole::Object, so the model can
// hold it by weak id only.
class CPropertyOwner {
public:
    virtual int32_t PropertyBackColor() const = 0;
    virtual int32_t PropertyForeColor() const = 0;

protected:
    ~CPropertyOwner() = default;
};

} // namespace attrgrid
