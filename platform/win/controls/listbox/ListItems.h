#pragma once

#include "platform/win/WinTypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace win::controls {

struct ListItem {
    std::string text;
    LPARAM data = 0;
    bool selected = false; // in a multiple-selection list
};

// The strings of a list box (or a combo box's list) with their item data. Indexes are 0-based;
// a bad index gives -1 (LB_ERR, CB_ERR) or null.
class ListItems {
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    // Appends, or with sorted places the text after every item that does not order after it
    // (case-insensitive). Returns the new index.
    int Add(std::string text, bool sorted);
    // At index, -1 appends; an index beyond the count gives -1.
    int Insert(int index, std::string text);
    bool Erase(int index);
    void Clear() { m_items.clear(); }
    const ListItem* At(int index) const;
    ListItem* At(int index);
    // The first item after `after` (wrapping round, -1 searches from the start) whose text equals
    // text without regard to case; -1 when none.
    int FindExact(int after, std::string_view text) const;
    // The next item after `after`, wrapping round, whose text starts with c (any case); -1 when
    // none.
    int NextStartingWith(int after, char c) const;

    // Multiple selection. Select sets the flag of the items from first to last (either order,
    // inclusive); SelectOnly selects exactly those (first -1: none). Both return whether any flag
    // changed.
    bool Select(int first, int last, bool selected);
    bool SelectOnly(int first, int last);
    int SelectedCount() const;
    std::vector<int> SelectedIndexes() const;

private:
    template <class Match>
    int FindFrom(int after, Match match) const;

    std::vector<ListItem> m_items;
};

} // namespace win::controls
