#pragma once

#include "platform/base/TextCase.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class Control;

// The names of a form's controls, matched without regard to case, so that siting a control and
// finding one by name do not walk every control of the form. The elements of a control array
// share one name and differ by index.
class ControlNames {
public:
    // The earliest added control of that name still here; null when there is none.
    Control* Find(std::string_view name) const;
    // True when a control named `name` with array index `index` (-1 outside an array) cannot join:
    // the name belongs to a control outside an array, or the index is taken.
    bool Clashes(std::string_view name, int16_t index) const;
    void Add(Control& control, std::string_view name, int16_t index);
    void Remove(const Control& control, std::string_view name, int16_t index);
    void Clear() { m_byName.clear(); }

private:
    struct Entry {
        // In the order they were added.
        std::vector<Control*> controls;
        // The array indices taken; fewer than the controls when one is outside an array.
        std::set<int16_t> indices;
    };

    std::map<std::string, Entry, base::LessNoCase> m_byName;
};

} // namespace forms
