#pragma once

#include <cstddef>
#include <string_view>
#include <unordered_set>

namespace attrgrid {

class CNode;

// Rows by key, compared without regard to case, hashed as the keyed collection hashes its keys.
// The index keeps no copy of the key: it reads the row's own, so a row's key must not change
// while the row is indexed. Rows are compared only when their hashes agree.
class RowKeyIndex {
public:
    CNode* Find(std::string_view key) const;
    // False, and nothing stored, when a row of that key is already there.
    bool Insert(CNode* row);
    void Erase(const CNode* row);
    void Clear() { m_rows.clear(); }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view key) const;
        size_t operator()(const CNode* row) const;
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(std::string_view a, const CNode* b) const;
        bool operator()(const CNode* a, std::string_view b) const;
        bool operator()(const CNode* a, const CNode* b) const;
    };

    std::unordered_set<CNode*, Hash, Equal> m_rows;
};

} // namespace attrgrid
