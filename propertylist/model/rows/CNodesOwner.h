#pragma once

#include "propertylist/model/property/CProperty.h"
#include "propertylist/model/rows/CNodeListener.h"

#include "platform/ole/object/Object.h"

#include <string_view>

namespace attrgrid {

class CNode;

// What rows and row trees need from the control that owns them. The control is an ole::Object
// implementing this; rows keep only its weak id and resolve it for every use.
class CNodesOwner : public CNodeListener {
public:
    // The property with this internal key in the control's property collection, or null. A row
    // made from a property asks only once the collection no longer holds that property.
    virtual ole::Ptr<CProperty> NodeProperty(std::string_view internalKey) = 0;

    // A row's Expanded changed. The row itself is passed, so the owner need not find it again by
    // key (a category's name and a property's key live in different key spaces).
    virtual void NodeExpandedChanged(CNode& node);
};

} // namespace attrgrid
