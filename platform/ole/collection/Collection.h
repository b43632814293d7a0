#pragma once

#include "platform/ole/collection/FoldedKeyIndex.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Variant.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ole {

// The one keyed collection: an ordered list of values or objects, each with an optional key.
// Positions are 1-based; keys compare without regard to case; one object may be stored under
// several keys. Every failing call leaves the collection as it was.
//
// The C++ API keeps positions and keys apart (ItemAt / ItemByKey), so a key that looks like a
// number is still a key. The automation members (Add, Item, Remove) decide from the variant type:
// a string is always a key, even "12"; a number is a position (fractions round half to even).
// Errors: 5 no such key, 9 position out of range, 457 duplicate key.
//
// The key index holds the entries themselves, hashed by their folded key: a key is folded to be
// hashed when it is stored and once per lookup, and entries are compared only when their hashes
// agree.
class Collection : public Object {
public:
    static Ptr<Collection> Create();
    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }

    int32_t Count() const { return static_cast<int32_t>(m_entries.size()); }

    Variant ItemAt(int32_t position) const;
    Variant ItemByKey(std::string_view key) const;
    bool ContainsKey(std::string_view key) const;
    // The position of the entry stored under `key`, if any.
    std::optional<int32_t> PositionOfKey(std::string_view key) const;
    // The key an entry was added with, in the case it was given.
    std::optional<std::string> KeyAt(int32_t position) const;

    void Append(Variant item, std::optional<std::string> key = std::nullopt);
    // Inserts so that the new entry ends up at `position` (1 to Count + 1).
    void InsertAt(int32_t position, Variant item, std::optional<std::string> key = std::nullopt);
    void RemoveAt(int32_t position);
    void RemoveByKey(std::string_view key);
    void Clear();

    // The items as they are now; what enumeration walks, so removal while walking is safe.
    std::vector<Variant> Snapshot() const;

    // Automation members.
    void Add(const Variant& item, const Variant& key, const Variant& before, const Variant& after);
    Variant Item(const Variant& index);
    void Remove(const Variant& index);
    Ptr<Object> NewEnum();

private:
    Collection() = default;
    template <class T, class... Args>
    friend Ptr<T> MakeObject(Args&&... args);

    struct Entry {
        Variant item;
        std::optional<std::string> key;
    };
    struct KeyOf {
        const std::string& operator()(const Entry& entry) const { return *entry.key; }
    };

    size_t IndexOfPosition(int32_t position) const;
    size_t IndexOfKey(std::string_view key) const;
    const Entry* EntryOfKey(std::string_view key) const;
    // Position or key, decided by the variant type; returns a 0-based index.
    size_t IndexOf(const Variant& index) const;
    void Insert(size_t index, Variant item, std::optional<std::string> key);

    std::vector<std::unique_ptr<Entry>> m_entries;
    FoldedKeyIndex<const Entry, KeyOf> m_byKey;
};

} // namespace ole
