#pragma once

#include "platform/ole/bag/BagEntries.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ole {

// A property bag: the one a container hands to a control's ReadProperties/WriteProperties, and
// the free-standing one a program keeps. Contents is the whole bag in its stored form (see
// BagFormat), so a control can be round-tripped through bytes.
class PropertyBag : public Object {
public:
    static Ptr<PropertyBag> Create();
    // A bag holding the entries stored in `bytes`; 458 when they do not parse.
    static Ptr<PropertyBag> FromBytes(std::span<const uint8_t> bytes);

    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }

    // Missing as the default means none was given.
    Variant ReadProperty(const std::string& name, const Variant& defaultValue);
    void WriteProperty(const std::string& name, const Variant& value, const Variant& defaultValue);

    // A zero-based byte array of the entries in the order they were first written.
    Variant Contents() const;
    // Replaces every entry. An empty byte array or an empty string gives an empty bag; any other
    // non-byte-array value raises 13; bytes that do not parse raise 458, leaving the bag as it was.
    void SetContents(const Variant& contents);

    std::vector<uint8_t> ToBytes() const;
    const BagEntries& Entries() const { return m_entries; }

private:
    PropertyBag() = default;
    template <class T, class... Args>
    friend Ptr<T> MakeObject(Args&&... args);

    BagEntries m_entries;
};

} // namespace ole
