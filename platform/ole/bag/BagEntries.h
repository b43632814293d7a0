#pragma once

#include "platform/ole/variant/Variant.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ole {

// The named values of a property bag, in the order they were first written. Names match without
// regard to case. Only storable values get in: Empty, Null, I2, I4, R4, R8, CY, DATE, BSTR, BOOL,
// UI1, byte arrays, fonts, pictures and Nothing; any other value raises 13.
class BagEntries {
public:
    using Entry = std::pair<std::string, Variant>;

    // The stored value, else `defaultValue`, else Empty. A font comes back as a new copy, so
    // changing it never changes the bag.
    Variant Read(std::string_view name, const Variant& defaultValue) const;

    // Without a default (Missing) the value is always stored. With one, a value equal to it is
    // not stored, and an entry stored earlier under the name is dropped so reading gives the
    // default. An existing name is replaced in place, keeping its position and first spelling.
    // A name longer than kMaxNameBytes or not UTF-8 raises 5.
    void Write(std::string_view name, const Variant& value, const Variant& defaultValue);

    // Stores an already storable value (the parser's path); false when the name is taken.
    bool AddNew(std::string name, Variant value);

    const Variant* Find(std::string_view name) const;
    const std::vector<Entry>& Entries() const { return m_entries; }
    size_t Size() const { return m_entries.size(); }
    void Clear();

    // The value as the bag keeps it (fonts copied, by-reference resolved); 13 when not storable,
    // 5 for a string or font name that is not UTF-8 (the stored form could not be read back).
    static Variant StorableCopy(const Variant& value);
    // The default test of Write: language equality, fonts by their attributes, pictures both
    // none (Nothing or empty) or the same object.
    static bool MatchesDefault(const Variant& value, const Variant& defaultValue);

    // Names are stored with a 16-bit length.
    static constexpr size_t kMaxNameBytes = 0xFFFF;

private:
    void Reindex();

    std::vector<Entry> m_entries;
    std::unordered_map<std::string, size_t> m_indexByFoldedName;
};

} // namespace ole
