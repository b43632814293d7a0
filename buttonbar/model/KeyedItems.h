#pragma once

#include "platform/ole/collection/Collection.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Variant.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace shelfstrip {

// What the group collection and each button collection keep: the items in display order under
// their internal keys ("INTERNAL_" and a number that is never issued twice), and the user keys,
// each mapping to an internal key. Keys compare without regard to case.
class KeyedItems {
public:
    KeyedItems();

    int32_t Count() const { return m_items->Count(); }
    // The 1-based position's item; 9 outside 1..Count.
    ole::Ptr<ole::Object> At(int32_t position) const;
    // Numbers (integer, floating, currency, Boolean) select a position, fractions rounded half to
    // even (9 out of range); text is a user key, then an internal key (5 when neither); any other
    // type raises 5. So a key made of digits is still a key.
    ole::Ptr<ole::Object> Find(const ole::Variant& indexKey) const;
    // Null when no item is stored under the internal key.
    ole::Ptr<ole::Object> ByInternalKey(std::string_view internalKey) const;
    // Whether this very object is the item under its internal key.
    bool Holds(const ole::Object& item, std::string_view internalKey) const;

    // The trimmed key; "Duplicate key specified." from the module when a user key has it.
    std::string CheckNewKey(std::string_view key) const;
    // The internal key the next Store takes; overflow (6) once the numbers are used up.
    std::string NextInternalKey() const;
    // Takes the number NextInternalKey gave, maps a non-empty user key and appends the item.
    void Store(const ole::Ptr<ole::Object>& item, const std::string& internalKey,
               const std::string& key);
    // Takes the item out; its user key goes only when it still maps to this item.
    void Forget(std::string_view internalKey, const std::string& key);
    // Every item and user key goes; the numbering goes on.
    void Clear();
    // Moves a user key from sOldKey to sNewKey. An object that is no longer the item under its
    // internal key (removed, and perhaps replaced) changes nothing here and is answered True: it
    // just keeps its new key. False when sNewKey is taken, in any letter case.
    bool ChangeKey(const ole::Object& item, std::string_view internalKey,
                   const std::string& sNewKey, const std::string& sOldKey);
    // Puts the item at 1-based Index: "Invalid index specified" outside 1..Count, 5 when its
    // internal key is not stored, `alien` when another object is stored under it.
    void MoveTo(const ole::Object& item, std::string_view internalKey, int32_t index,
                const ole::DefinedError& alien);

    ole::Ptr<ole::Object> NewEnum() const { return m_items->NewEnum(); }
    std::vector<ole::Variant> Snapshot() const { return m_items->Snapshot(); }

private:
    friend struct ModelTestAccess;

    int32_t m_counter = 0;
    ole::Ptr<ole::Collection> m_items;
    ole::Ptr<ole::Collection> m_keys;
};

} // namespace shelfstrip
