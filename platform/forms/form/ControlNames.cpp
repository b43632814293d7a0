#include "platform/forms/form/ControlNames.h"

#include <algorithm>

namespace forms {

Control* ControlNames::Find(std::string_view name) const {
    const auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : it->second.controls.front();
}

bool ControlNames::Clashes(std::string_view name, int16_t index) const {
    const auto it = m_byName.find(name);
    if (it == m_byName.end())
        return false;
    const Entry& entry = it->second;
    return index < 0 || entry.controls.size() > entry.indices.size() ||
           entry.indices.contains(index);
}

void ControlNames::Add(Control& control, std::string_view name, int16_t index) {
    auto it = m_byName.find(name);
    if (it == m_byName.end())
        it = m_byName.emplace(std::string(name), Entry{}).first;
    it->second.controls.push_back(&control);
    if (index >= 0)
        it->second.indices.insert(index);
}

void ControlNames::Remove(const Control& control, std::string_view name, int16_t index) {
    const auto it = m_byName.find(name);
    if (it == m_byName.end())
        return;
    Entry& entry = it->second;
    if (std::erase(entry.controls, &control) == 0)
        return;
    if (index >= 0)
        entry.indices.erase(index);
    if (entry.controls.empty())
        m_byName.erase(it);
}

} // namespace forms
