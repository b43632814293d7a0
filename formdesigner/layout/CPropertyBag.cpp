#include "formdesigner/layout/CPropertyBag.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/error/Error.h"

namespace layoutdesk {

CPropertyBag::CPropertyBag() : m_bag(ole::PropertyBag::Create()) {}

ole::Ptr<CPropertyBag> CPropertyBag::Create() {
    return ole::MakeObject<CPropertyBag>();
}

const ole::ClassInfo& CPropertyBag::Info() {
    static const ole::ClassInfo info =
        ole::ClassBuilder<CPropertyBag>("CPropertyBag")
            .Library("Layoutdesk")
            .ClassId("{5D1E8A43-2F6B-4C70-8E95-B3A4C7D2E186}")
            .Interface("_CPropertyBag", "{7E2F9B54-3A7C-4D81-9FA6-C4B5D8E3F297}")
            .Method("ReadProperty", IdReadProperty, &CPropertyBag::ReadProperty,
                    ole::Params({ole::Arg("sName"), ole::Opt("DefaultValue")}) |
                        ole::Help("Reads a value stored in the layout"))
            .Method("WriteProperty", IdWriteProperty, &CPropertyBag::WriteProperty,
                    ole::Params({ole::Arg("sName"), ole::Arg("Value"), ole::Opt("DefaultValue")}) |
                        ole::Help("Stores a value in the layout"))
            .Build();
    return info;
}

const ole::ClassInfo& CPropertyBag::GetClassInfo() const {
    return Info();
}

std::string CPropertyBag::Key(const std::string& name) const {
    return (m_customMode ? "CUS_" : "INT_") + name;
}

ole::Variant CPropertyBag::ReadProperty(const std::string& sName,
                                        const ole::Variant& DefaultValue) {
    const ole::Variant& fallback = DefaultValue.Deref();
    return m_bag->ReadProperty(Key(sName), fallback.IsMissing() ? ole::Variant() : fallback);
}

ole::Variant CPropertyBag::TakeProperty(const std::string& sName,
                                        const ole::Variant& DefaultValue) {
    ole::Variant value = ReadProperty(sName, DefaultValue);
    // Emptied in place: dropping the entry would index the bag again, once per control loaded.
    if (m_bag->Entries().Find(Key(sName)))
        m_bag->WriteProperty(Key(sName), ole::Variant(), ole::Variant::Missing());
    return value;
}

void CPropertyBag::WriteProperty(const std::string& sName, const ole::Variant& Value,
                                 const ole::Variant& DefaultValue) {
    const ole::Variant& value = Value.Deref();
    if (value.IsObject() || ((value.Type() & ole::VT_ARRAY) != 0 && !value.IsBytes()))
        ole::RaiseError(13);
    m_bag->WriteProperty(Key(sName), value, DefaultValue.Deref());
}

} // namespace layoutdesk
