#include "platform/forms/form/ControlCollection.h"

#include "platform/base/TextCase.h"
#include "platform/ole/dispatch/ArgConvert.h"
#include "platform/ole/dispatch/Enumerator.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"

namespace forms {

ole::Ptr<ControlCollection> ControlCollection::Create(Source source, Adder adder, Remover remover) {
    return ole::MakeObject<ControlCollection>(std::move(source), std::move(adder),
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

int32_t ControlCollection::Count() const {
    return static_cast<int32_t>(m_source().size());
}

ole::Ptr<ole::Object> ControlCollection::Item(const ole::Variant& index) const {
    const auto controls = m_source();
    const ole::Variant& key = index.Deref();
    if (key.IsString()) {
        for (const auto& control : controls) {
            if (base::EqualsNoCase(control->Name(), key.AsString()))
                return control;
        }
        ole::RaiseError(ole::ERR_SUBSCRIPT);
    }
    const int32_t position = ole::FromVariant<int32_t>(key);
    if (position < 0 || static_cast<size_t>(position) >= controls.size())
        ole::RaiseError(ole::ERR_SUBSCRIPT);
    return controls[static_cast<size_t>(position)];
}

ole::Ptr<ole::Object> ControlCollection::NewEnum() const {
    std::vector<ole::Variant> items;
    for (const auto& control : m_source())
        items.emplace_back(ole::Ptr<ole::Object>(control));
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
        for (const auto& candidate : m_source()) {
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
