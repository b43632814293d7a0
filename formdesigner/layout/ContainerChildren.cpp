#include "formdesigner/layout/ContainerChildren.h"

#include "platform/forms/control/LayoutVersion.h"

namespace layoutdesk {

ContainerChildren::ContainerChildren(const ole::Ptr<ole::Object>& form,
                                     std::vector<ole::Ptr<ole::Object>> controls,
                                     const ContainerOf& containerOf)
    : m_version(forms::LayoutVersion()), m_form(form.Get()), m_controls(std::move(controls)) {
    for (size_t i = 0; i < m_controls.size(); ++i) {
        ole::Ptr<ole::Object> container = containerOf(m_controls[i]);
        if (!container)
            continue;
        Children& children = m_children[container.Get()];
        children.container = std::move(container);
        children.positions.push_back(i);
    }
}

bool ContainerChildren::Current(const ole::Ptr<ole::Object>& form) const {
    return form.Get() == m_form && Current();
}

bool ContainerChildren::Current() const {
    return m_version == forms::LayoutVersion();
}

std::span<const size_t> ContainerChildren::Of(const ole::Object* container) const {
    const auto found = m_children.find(container);
    if (found == m_children.end())
        return {};
    return found->second.positions;
}

} // namespace layoutdesk
