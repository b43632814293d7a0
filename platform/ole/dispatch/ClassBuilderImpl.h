#pragma once

// Out-of-class members of ClassBuilder; included by ClassBuilder.h once ClassInfo is complete.

#include "platform/ole/dispatch/ClassInfo.h"

namespace ole {

template <class C>
ClassBuilder<C>::ClassBuilder(std::string name) : m_name(std::move(name)) {}

template <class C>
ClassBuilder<C>& ClassBuilder<C>::Library(std::string library) {
    m_library = std::move(library);
    return *this;
}

template <class C>
ClassBuilder<C>& ClassBuilder<C>::ClassId(std::string_view clsid) {
    m_clsid = clsid;
    return *this;
}

template <class C>
ClassBuilder<C>& ClassBuilder<C>::Interface(std::string name, std::string_view iid,
                                            uint32_t typeFlags) {
    m_interfaceName = std::move(name);
    m_iid = iid;
    m_typeFlags = typeFlags;
    return *this;
}

template <class C>
ClassBuilder<C>& ClassBuilder<C>::EventInterface(std::string name, std::string_view iid) {
    m_eventInterfaceName = std::move(name);
    m_eventIid = iid;
    return *this;
}

template <class C>
ClassBuilder<C>& ClassBuilder<C>::Help(std::string help) {
    m_help = std::move(help);
    return *this;
}

template <class C>
ClassBuilder<C>& ClassBuilder<C>::Event(std::string name, DISPID id,
                                        std::vector<EventParam> params) {
    const auto position = static_cast<int32_t>(m_events.size());
    return Event(std::move(name), id, position, std::move(params));
}

template <class C>
ClassBuilder<C>& ClassBuilder<C>::Event(std::string name, DISPID id, int32_t position,
                                        std::vector<EventParam> params, std::string help) {
    m_events.push_back(
        EventInfo{std::move(name), id, position, std::move(params), std::move(help)});
    return *this;
}

template <class C>
ClassBuilder<C>& ClassBuilder<C>::ReadOrder(std::vector<DISPID> ids) {
    m_readOrder = std::move(ids);
    return *this;
}

template <class C>
ClassBuilder<C>& ClassBuilder<C>::WriteOrder(std::vector<DISPID> ids) {
    m_writeOrder = std::move(ids);
    return *this;
}

template <class C>
ClassInfo ClassBuilder<C>::Build() {
    detail::CheckTable(m_name, m_members, m_persisted, m_readOrder, m_writeOrder, m_faults);
    ClassInfo info;
    info.m_name = m_name;
    info.m_library = m_library;
    if (!m_clsid.empty())
        info.m_classId = Guid::FromString(m_clsid);
    info.m_interfaceName = m_interfaceName.empty() ? "_" + m_name : m_interfaceName;
    if (!m_iid.empty())
        info.m_interfaceId = Guid::FromString(m_iid);
    info.m_interfaceFlags |= m_typeFlags;
    info.m_eventInterfaceName = m_eventInterfaceName;
    if (!m_eventIid.empty())
        info.m_eventInterfaceId = Guid::FromString(m_eventIid);
    info.m_help = m_help;
    info.m_members = m_members;
    info.m_events = m_events;
    info.m_persisted = m_persisted;
    info.m_readOrder = detail::InOrder(m_persisted, m_readOrder, false);
    info.m_writeOrder = detail::InOrder(m_persisted, m_writeOrder, true);
    info.Finish();
    return info;
}

} // namespace ole
