#pragma once

#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Variant.h"

#include <string>

namespace ole {
class ClassInfo;
}

namespace layoutdesk {

// The designer's wrapper of a property bag, handed to the host in the layout events. The
// designer's own keys are stored as "INT_" + name and, while a host event runs (CustomMode), the
// host's as "CUS_" + name, so the two never collide. Hosts receive instances but cannot create
// them; Contents and CustomMode are for the library only.
class CPropertyBag final : public ole::Object {
public:
    enum Id : ole::DISPID { IdReadProperty = 0x60030003, IdWriteProperty = 0x60030004 };

    static ole::Ptr<CPropertyBag> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override;

    // The default, or Empty without one, for an absent key.
    ole::Variant ReadProperty(const std::string& sName, const ole::Variant& DefaultValue);
    // A value equal to a given default is not stored; objects and arrays other than bytes raise
    // 13.
    void WriteProperty(const std::string& sName, const ole::Variant& Value,
                       const ole::Variant& DefaultValue);

    // Reads a designer key and empties it in the bag, for a value that is read only once: a
    // nested control's bag then lives in one place while its subtree loads, not in every level
    // above it as well.
    ole::Variant TakeProperty(const std::string& sName, const ole::Variant& DefaultValue);

    // The inner bag in its stored form, a zero-based byte array; 458 for bytes that do not parse.
    ole::Variant Contents() const { return m_bag->Contents(); }
    void SetContents(const ole::Variant& contents) { m_bag->SetContents(contents); }
    // Every name the bag holds, the host's included.
    size_t EntryCount() const { return m_bag->Entries().Size(); }
    bool CustomMode() const { return m_customMode; }
    void SetCustomMode(bool customMode) { m_customMode = customMode; }

private:
    CPropertyBag();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    std::string Key(const std::string& name) const;

    ole::Ptr<ole::PropertyBag> m_bag;
    bool m_customMode = false;
};

} // namespace layoutdesk
