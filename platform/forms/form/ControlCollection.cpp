#include "platform/forms/form/ControlCollection.h"

#include "platform/base/TextCase.h"
#include "platform/ole/dispatch/ArgConvert.h"
#include "platform/ole/dispatch/Enumerator.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"

#include <memory>

namespace forms {

ole::Ptr<ControlCollection> ControlCollection::Create(Source source) {
    // Each call's set lives until the next call reads it again.
    auto made = std::make_shared<std::vector<ole::Ptr<Control>>>();
    return CreateLive(
        [source = std::move(source), made]() -> const std::vector<ole::Ptr<Control>>& {
            *made = source();
            return *made;
        });
}

ole::Ptr<ControlCollection> ControlCollection::CreateLive(Listing listing, Adder adder,
                                                          Remover remover) {
    return ole::MakeObject<ControlCollection>(std::move(listing), std::move(adder),
                                              std::move(remover));
}

const ole::ClassInfo& ControlCollection::Info() {
    static const ole::ClassInfo info =
        ole::ClassBuilder<ControlCollection>("Object")
            .Library("VB")
            .Get("Count", 1, &ControlCollection::Count)
            .Get("Item", ole::DISPID_VALUE, &ControlCollection::Item,
                 ole::Params({ole::Arg("Index")}))
            .Method("_NewEnum", ole::DISPID_NEWENUM, &ControlCollection::NewEnum, ole::Hidden())
            .Method("Add", 2, &ControlCollection::Add,
                    ole::Params({ole::Arg("ProgID"), ole::Arg("Name"), ole::Opt("Container")}))
            .Method("Remove", 3, &ControlCollection::Remove, ole::Params({ole::Arg("Index")}))
            .Build();
    return info;
}

std::vector<ole::Ptr<Menu>> ControlCollection::Menus() const {
    return m_menus ? m_menus() : std::vector<ole::Ptr<Menu>>{};
}

std::vector<ole::Ptr<ole::Object>> ControlCollection::Members() const {
    std::vector<ole::Ptr<ole::Object>> members;
    for (const auto& control : m_listing())
        members.emplace_back(control);
    for (const auto& menu : Menus())
        members.emplace_back(menu);
    return members;
}

int32_t ControlCollection::Count() const {
    return static_cast<int32_t>(m_listing().size() + Menus().size());
}

ole::Ptr<ole::Object> ControlCollection::Item(const ole::Variant& index) const {
    const ole::Variant& key = index.Deref();
    if (key.IsString()) {
        for (const auto& member : Members()) {
            const auto* control = dynamic_cast<const Control*>(member.Get());
            const auto* menu = dynamic_cast<const Menu*>(member.Get());
            const std::string& name = control ? control->Name() : menu->GetName();
            if (base::EqualsNoCase(name, key.AsString()))
                return member;
        }
        ole::RaiseError(ole::ERR_SUBSCRIPT);
    }
    const int32_t position = ole::FromVariant<int32_t>(key);
    if (position < 0)
        ole::RaiseError(ole::ERR_SUBSCRIPT);
    const auto at = static_cast<size_t>(position);
    const auto& controls = m_listing();
    if (at < controls.size())
        return controls[at];
    const auto menus = Menus();
    if (at - controls.size() >= menus.size())
        ole::RaiseError(ole::ERR_SUBSCRIPT);
    return menus[at - controls.size()];
}

ole::Ptr<ole::Object> ControlCollection::NewEnum() const {
    std::vector<ole::Variant> items;
    for (const auto& member : Members())
        items.emplace_back(member);
    return ole::Enumerator::Create(std::move(items));
}

ole::Ptr<ole::Object> ControlCollection::Add(const std::string& progId, const std::string& name,
                                             const ole::Variant& container) {
    if (!m_adder)
        ole::RaiseError(ole::ERR_NO_MEMBER);
    const ole::Variant& target = container.Deref();
    const bool given = !target.IsMissing() && !target.IsEmpty();
    return m_adder(progId, name, given ? ole::RequireObject(target) : nullptr);
}

void ControlCollection::Remove(const ole::Variant& index) {
    if (!m_remover)
        ole::RaiseError(ole::ERR_NO_MEMBER);
    const ole::Variant& key = index.Deref();
    ole::Ptr<Control> control;
    if (key.IsObject()) {
        control = ole::PtrCast<Control>(key.AsObject());
        if (!control)
            ole::RaiseError(ole::ERR_TYPE_MISMATCH);
    } else if (key.IsString()) {
        for (const auto& candidate : m_listing()) {
            if (base::EqualsNoCase(candidate->Name(), key.AsString())) {
                control = candidate;
                break;
            }
        }
    } else {
        control = ole::PtrCast<Control>(Item(key));
    }
    m_remover(control);
}

} // namespace forms
