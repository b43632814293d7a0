#pragma once

#include "platform/ole/object/Object.h"

#include <cstdint>
#include <functional>
#include <span>
#include <unordered_map>
#include <vector>

namespace layoutdesk {

// A form's controls grouped by their containers in one walk, each group in the form's order. A
// save asks it for every container it stores instead of walking the whole form again; it holds
// only as long as no control on any form was sited, moved, restacked or put elsewhere.
class ContainerChildren {
public:
    using ContainerOf = std::function<ole::Ptr<ole::Object>(const ole::Ptr<ole::Object>&)>;

    // `controls` in the form's order, without the form and its menus.
    ContainerChildren(const ole::Ptr<ole::Object>& form,
                      std::vector<ole::Ptr<ole::Object>> controls, const ContainerOf& containerOf);

    // Built from `form` and nothing has moved since.
    bool Current(const ole::Ptr<ole::Object>& form) const;
    bool Current() const;
    const std::vector<ole::Ptr<ole::Object>>& Controls() const { return m_controls; }
    // Positions in Controls() of the children of `container`, ascending.
    std::span<const size_t> Of(const ole::Object* container) const;

private:
    struct Children {
        // Kept alive, so that no other object takes its address while the grouping holds.
        ole::Ptr<ole::Object> container;
        std::vector<size_t> positions;
    };

    uint64_t m_version;
    const ole::Object* m_form;
    std::vector<ole::Ptr<ole::Object>> m_controls;
    std::unordered_map<const ole::Object*, Children> m_children;
};

} // namespace layoutdesk
