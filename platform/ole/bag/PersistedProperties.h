#pragma once

#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/object/Object.h"

namespace ole {

// A control's persisted properties, as its class table declares them (ClassBuilder.h), walked in
// the table's read order (init, read) or write order (write). Each property is one step that
// carries on after an automation error (the property keeps what it had) and reports any other
// failure as unhandled. Values pass through the member's own accessors, so each setter does its
// extra work.

// Gives every declared property its default through its setter (a new control).
void InitPersistedProperties(Object& self);
// Reads every stored key with its default and passes the value to the setter.
void ReadPersistedProperties(Object& self, PropertyBag& bag);
// Writes every stored key's current value with its default; the bag keeps only values that
// differ. An object the control no longer holds (Nothing) is not written over an object default.
void WritePersistedProperties(Object& self, PropertyBag& bag);

} // namespace ole
