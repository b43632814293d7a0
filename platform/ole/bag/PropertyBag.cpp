#include "platform/ole/bag/PropertyBag.h"

#include "platform/ole/bag/BagFormat.h"
#include "platform/ole/error/Error.h"

namespace ole {

Ptr<PropertyBag> PropertyBag::Create() {
    return MakeObject<PropertyBag>();
}

Ptr<PropertyBag> PropertyBag::FromBytes(std::span<const uint8_t> bytes) {
    Ptr<PropertyBag> bag = Create();
    bag->m_entries = BagFormat::Parse(bytes);
    return bag;
}

const ClassInfo& PropertyBag::Info() {
    static const ClassInfo info =
        ClassBuilder<PropertyBag>("PropertyBag")
            .Library("VB")
            .ClassId("{8C5F70C0-106A-471C-8883-660E9DD75520}")
            .Interface("_PropertyBag", "{7688AF47-CC62-4AE3-B837-D93552D0287B}")
            .Method("ReadProperty", 1, &PropertyBag::ReadProperty,
                    Params({Arg("Name"), Opt("DefaultValue")}))
            .Method("WriteProperty", 2, &PropertyBag::WriteProperty,
                    Params({Arg("Name"), Arg("Value"), Opt("DefaultValue")}))
            .Property("Contents", 3, &PropertyBag::Contents, &PropertyBag::SetContents)
            .Build();
    return info;
}

Variant PropertyBag::ReadProperty(const std::string& name, const Variant& defaultValue) {
    return m_entries.Read(name, defaultValue);
}

void PropertyBag::WriteProperty(const std::string& name, const Variant& value,
                                const Variant& defaultValue) {
    m_entries.Write(name, value, defaultValue);
}

Variant PropertyBag::Contents() const {
    return Variant::FromBytes(ToBytes());
}

void PropertyBag::SetContents(const Variant& contents) {
    const Variant& value = contents.Deref();
    if (value.IsString() && value.AsString().empty()) {
        m_entries.Clear();
        return;
    }
    if (!value.IsBytes()) {
        RaiseError(ERR_TYPE_MISMATCH);
    }
    if (value.AsBytes().empty()) {
        m_entries.Clear();
        return;
    }
    BagEntries parsed = BagFormat::Parse(value.AsBytes());
    std::swap(m_entries, parsed);
}

std::vector<uint8_t> PropertyBag::ToBytes() const {
    return BagFormat::Serialize(m_entries);
}

} // namespace ole
