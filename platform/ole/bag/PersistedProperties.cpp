#include "platform/ole/bag/PersistedProperties.h"

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/error/ResumeNext.h"

namespace ole {

namespace {

// The accessors are called directly, not through Invoke, so a failure that is not an automation
// error stays what it is and reaches the unhandled-error report.
void Put(Object& self, const PersistedProperty& property, Variant value) {
    const ClassInfo& info = self.GetClassInfo();
    const MemberInfo* put = info.FindMember(property.id, DISPATCH_PROPERTYPUT);
    if (!put)
        put = info.FindMember(property.id, DISPATCH_PROPERTYPUTREF);
    put->call(self, std::span<Variant>(&value, 1));
}

Variant Get(Object& self, const PersistedProperty& property) {
    return self.GetClassInfo().FindMember(property.id, DISPATCH_PROPERTYGET)->call(self, {});
}

bool IsNothing(const Variant& value) {
    return value.IsObject() && !value.AsObject();
}

} // namespace

void InitPersistedProperties(Object& self) {
    for (const PersistedProperty& property : self.GetClassInfo().ReadOrder())
        ResumeNext([&] { Put(self, property, property.defaultOf(self)); });
}

void ReadPersistedProperties(Object& self, PropertyBag& bag) {
    for (const PersistedProperty& property : self.GetClassInfo().ReadOrder()) {
        if (!property.stored)
            continue;
        ResumeNext(
            [&] { Put(self, property, bag.ReadProperty(property.key, property.defaultOf(self))); });
    }
}

void WritePersistedProperties(Object& self, PropertyBag& bag) {
    for (const PersistedProperty& property : self.GetClassInfo().WriteOrder()) {
        ResumeNext([&] {
            const Variant value = Get(self, property);
            const Variant defaultValue = property.defaultOf(self);
            if (IsNothing(value) && !IsNothing(defaultValue))
                return;
            bag.WriteProperty(property.key, value, defaultValue);
        });
    }
}

} // namespace ole
