#pragma once

#include "propertylist/model/property/CProperty.h"

#include "platform/ole/collection/Collection.h"
#include "platform/ole/collection/FoldedKeyIndex.h"
#include "platform/ole/event/ConnectionPoint.h"

#include <string>
#include <string_view>
#include <vector>

namespace attrgrid {

// The ordered, keyed collection of a list's properties. Each property is stored under its internal
// key (category, "_", name); a host key, when given, maps to that internal key. Every change is
// announced by an event, raised synchronously.
class CProperties : public ole::Object, public ole::EventSource {
public:
    enum Id : ole::DISPID {
        IdItem = ole::DISPID_VALUE,
        IdAdd = 0x60030002,
        IdClear = 0x60030006,
        IdRemove = 0x60030007,
        IdCount = 0x68030000,
        IdNewEnum = ole::DISPID_NEWENUM,
    };
    enum EventId : ole::DISPID { PropertyAdded = 1, PropertyDeleted = 2, PropertiesCleared = 3 };

    static ole::Ptr<CProperties> Create();
    ~CProperties() override;

    // Checks, in order: value for the editor (0x8004000A), key trimmed and written back into
    // sKey, numeric key (0x80040003), duplicate key (0x80040005), duplicate internal key
    // (0x80040006). Without a live owner: nothing, no error, no event. An omitted (Missing) value
    // is checked as Missing and stored as Empty.
    ole::Ptr<CProperty> Add(const std::string& sName, const ole::Variant& aValue,
                            const std::string& sCategory, std::string& sKey,
                            const ole::Ptr<ole::Object>& anObject, bool bAutoUpdate,
                            int32_t eEditorType);
    // The same without a host key.
    ole::Ptr<CProperty> Add(const std::string& sName, const ole::Variant& aValue = {},
                            const std::string& sCategory = {},
                            int32_t eEditorType = shared::ksTextEditor);
    // Numeric types select by 1-based position (half-even; out of range raises 9); text is a
    // host key, then an internal key, else nothing; any other type gives nothing.
    ole::Ptr<CProperty> Item(const ole::Variant& vntIndexKey) const;
    int32_t Count() const { return static_cast<int32_t>(m_properties.size()); }
    ole::Ptr<ole::Object> NewEnum() const;
    ole::Variant Clear();
    void Remove(const ole::Variant& index);

    // For the list and the rows. The owner is held by weak id and counts only while it lives and
    // implements CPropertyOwner; its properties notify it when it also implements
    // CPropertyListener.
    void SetOwner(const ole::Ptr<ole::Object>& anOwner);
    // Raises the collection's error 5 when the key is not stored.
    ole::Ptr<CProperty> ItemByInternalKey(std::string_view sKey) const;
    void RemoveByKey(std::string_view sKey);
    // The live owner, or null (also when it is not a CPropertyOwner).
    ole::Ptr<ole::Object> Owner() const;

    ole::ConnectionPoint& Events() override { return m_events; }
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

private:
    CProperties();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    ole::Ptr<CProperty> AddFromDispatch(const std::string& sName, ole::Variant& aValue,
                                        const std::string& sCategory, std::string& sKey,
                                        ole::Variant& anObject, bool bAutoUpdate,
                                        int32_t& eEditorType);
    ole::Ptr<CProperty> ItemFromDispatch(ole::Variant& vntIndexKey) const;
    void RemoveFound(const ole::Ptr<CProperty>& property, bool trapKeyErrors);

    struct InternalKeyOf {
        const std::string& operator()(const CProperty& property) const {
            return property.GetInternalKey();
        }
    };
    // Stores the property at the end, under its internal key.
    void Store(const ole::Ptr<CProperty>& property);
    // Takes the property out of the order and the index.
    void Unstore(const CProperty& property);
    std::vector<ole::Variant> Snapshot() const;

    // In order of addition, indexed by each property's own internal key: the key is kept once,
    // in the property.
    std::vector<ole::Ptr<CProperty>> m_properties;
    ole::FoldedKeyIndex<CProperty, InternalKeyOf> m_byKey;
    ole::Ptr<ole::Collection> m_hostKeys;
    uint32_t m_owner = 0;
    ole::ConnectionPoint m_events;
};

} // namespace attrgrid
