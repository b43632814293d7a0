#include "platform/win/controls/listbox/ListItems.h"

#include "platform/base/TextCase.h"

#include <algorithm>

namespace win::controls {

int ListItems::Add(std::string text, bool sorted) {
    auto at = m_items.end();
    if (sorted) {
        at = std::upper_bound(m_items.begin(), m_items.end(), text,
                              [](const std::string& value, const ListItem& item) {
                                  return base::LessNoCase{}(value, item.text);
                              });
    }
    const auto index = at - m_items.begin();
    m_items.insert(at, ListItem{std::move(text), 0, false});
    return static_cast<int>(index);
}

int ListItems::Insert(int index, std::string text) {
    if (index < 0) {
        index = Count();
    }
    if (index > Count()) {
        return -1;
    }
    m_items.insert(m_items.begin() + index, ListItem{std::move(text), 0, false});
    return index;
}

bool ListItems::Erase(int index) {
    if (!At(index)) {
        return false;
    }
    m_items.erase(m_items.begin() + index);
    return true;
}

const ListItem* ListItems::At(int index) const {
    return index >= 0 && index < Count() ? &m_items[static_cast<size_t>(index)] : nullptr;
}

ListItem* ListItems::At(int index) {
    return index >= 0 && index < Count() ? &m_items[static_cast<size_t>(index)] : nullptr;
}

bool ListItems::Select(int first, int last, bool selected) {
    if (!At(first) || !At(last)) {
        return false;
    }
    bool changed = false;
    for (int i = std::min(first, last); i <= std::max(first, last); ++i) {
        ListItem& item = m_items[static_cast<size_t>(i)];
        changed = changed || item.selected != selected;
        item.selected = selected;
    }
    return changed;
}

bool ListItems::SelectOnly(int first, int last) {
    const int low = std::min(first, last);
    const int high = std::max(first, last);
    bool changed = false;
    for (int i = 0; i < Count(); ++i) {
        ListItem& item = m_items[static_cast<size_t>(i)];
        const bool selected = first >= 0 && i >= low && i <= high;
        changed = changed || item.selected != selected;
        item.selected = selected;
    }
    return changed;
}

int ListItems::SelectedCount() const {
    return static_cast<int>(std::count_if(m_items.begin(), m_items.end(),
                                          [](const ListItem& item) { return item.selected; }));
}

std::vector<int> ListItems::SelectedIndexes() const {
    std::vector<int> indexes;
    for (int i = 0; i < Count(); ++i) {
        if (m_items[static_cast<size_t>(i)].selected) {
            indexes.push_back(i);
        }
    }
    return indexes;
}

template <class Match>
int ListItems::FindFrom(int after, Match match) const {
    const int count = Count();
    const int start = after < 0 || after >= count ? 0 : after + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (start + step) % count;
        if (match(m_items[static_cast<size_t>(index)].text)) {
            return index;
        }
    }
    return -1;
}

int ListItems::FindExact(int after, std::string_view text) const {
    return FindFrom(after, [&](const std::string& item) { return base::EqualsNoCase(item, text); });
}

int ListItems::NextStartingWith(int after, char c) const {
    const std::string_view prefix(&c, 1);
    return FindFrom(after, [&](const std::string& item) {
        return !item.empty() && base::EqualsNoCase(std::string_view(item).substr(0, 1), prefix);
    });
}

} // namespace win::controls
