#include "propertylist/model/property/CProperties.h"

#include "propertylist/library/AttrgridErrors.h"
#include "propertylist/model/OwnerContract.h"
#include "propertylist/model/property/CPropertyOwner.h"

#include "platform/base/Rounding.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/Enumerator.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/text/TextEdits.h"
#include "shared/util/EditorValue.h"

#include <algorithm>
#include <cmath>

namespace attrgrid {

namespace {

constexpr const char* kAddSource = "CProperties.Add";

[[noreturn]] void RaiseAddError(const ole::DefinedError& error) {
    ole::RaiseError(error, kAddSource);
}

// Integers, floating point, currency and Boolean select by position; dates do not.
bool IsPositionType(const ole::Variant& value) {
    return value.IsNumericType() && value.ValueType() != ole::VT_DATE;
}

} // namespace

CProperties::CProperties() : m_hostKeys(ole::Collection::Create()), m_events(Info(), this) {}

CProperties::~CProperties() {
    m_owner = 0;
    for (const auto& property : m_properties)
        property->SetStored(false);
}

void CProperties::Store(const ole::Ptr<CProperty>& property) {
    m_properties.push_back(property);
    try {
        if (!m_byKey.Insert(property.Get()))
            RaiseAddError(errors::PropertyNameInUse);
    } catch (...) {
        m_properties.pop_back();
        throw;
    }
    property->SetStored(true);
}

void CProperties::Unstore(const CProperty& property) {
    const auto at = std::find_if(m_properties.begin(), m_properties.end(),
                                 [&](const auto& held) { return held.Get() == &property; });
    if (at == m_properties.end())
        return;
    m_byKey.Erase(&property);
    (*at)->SetStored(false);
    m_properties.erase(at);
}

ole::Ptr<CProperties> CProperties::Create() {
    return ole::MakeObject<CProperties>();
}

void CProperties::SetOwner(const ole::Ptr<ole::Object>& anOwner) {
    m_owner = ole::PtrOfObject(anOwner);
}

ole::Ptr<ole::Object> CProperties::Owner() const {
    auto owner = OwnerContract<CPropertyOwner>::Of(m_owner);
    return owner.contract ? std::move(owner.object) : nullptr;
}

ole::Ptr<CProperty> CProperties::Add(const std::string& sName, const ole::Variant& aValue,
                                     const std::string& sCategory, std::string& sKey,
                                     const ole::Ptr<ole::Object>& anObject, bool bAutoUpdate,
                                     int32_t eEditorType) {
    const ole::Variant& value = aValue.Deref();
    if (!shared::IsValidEditorValue(value, eEditorType))
        RaiseAddError(errors::InvalidEditorValue);
    sKey = std::string(ole::Trim(sKey));
    if (!sKey.empty() && ole::IsNumeric(ole::Variant(sKey)))
        RaiseAddError(errors::InvalidKey);
    if (!sKey.empty() && m_hostKeys->ContainsKey(sKey))
        RaiseAddError(errors::PropertyKeyInUse);
    std::string internalKey = sCategory + "_" + sName;
    if (m_byKey.Find(internalKey))
        RaiseAddError(errors::PropertyNameInUse);
    ole::Ptr<ole::Object> owner = Owner();
    if (!owner)
        return {};

    ole::Ptr<CProperties> self(this);
    ole::Ptr<CProperty> property = CProperty::Create();
    property->InitProperty(owner, sName, value, anObject, bAutoUpdate, eEditorType);
    property->SetCategory(sCategory);
    if (!sKey.empty()) {
        m_hostKeys->Append(ole::Variant(internalKey), sKey);
        property->SetKey(sKey);
    }
    try {
        property->LetInternalKey(std::move(internalKey));
        Store(property);
    } catch (...) {
        if (!sKey.empty())
            m_hostKeys->RemoveByKey(sKey);
        throw;
    }

    ole::Variant args[] = {ole::Variant(property)};
    try {
        m_events.Raise(PropertyAdded, args);
    } catch (const ole::Error&) {
        // Handlers' failures are reported by the raise itself; the property is stored.
    }
    return property;
}

ole::Ptr<CProperty> CProperties::Add(const std::string& sName, const ole::Variant& aValue,
                                     const std::string& sCategory, int32_t eEditorType) {
    std::string key;
    return Add(sName, aValue, sCategory, key, nullptr, true, eEditorType);
}

ole::Ptr<CProperty> CProperties::AddFromDispatch(const std::string& sName, ole::Variant& aValue,
                                                 const std::string& sCategory, std::string& sKey,
                                                 ole::Variant& anObject, bool bAutoUpdate,
                                                 int32_t& eEditorType) {
    const ole::Variant& source = anObject.Deref();
    ole::Ptr<ole::Object> object;
    if (source.IsObject())
        object = source.AsObject();
    else if (!source.IsMissing() && !source.IsEmpty())
        ole::RaiseError(ole::ERR_TYPE_MISMATCH);
    return Add(sName, aValue, sCategory, sKey, object, bAutoUpdate, eEditorType);
}

ole::Ptr<CProperty> CProperties::Item(const ole::Variant& vntIndexKey) const {
    const ole::Variant& index = vntIndexKey.Deref();
    if (m_properties.empty())
        return {};
    if (IsPositionType(index)) {
        const double position = base::RoundHalfEven(ole::CDbl(index));
        if (!(position >= 1 && position <= Count()))
            ole::RaiseError(ole::ERR_SUBSCRIPT);
        return m_properties[static_cast<size_t>(position) - 1];
    }
    if (!index.IsString())
        return {};
    const std::string& key = index.AsString();
    if (m_hostKeys->ContainsKey(key)) {
        const std::string internalKey = ole::CStr(m_hostKeys->ItemByKey(key));
        if (CProperty* property = m_byKey.Find(internalKey))
            return ole::Ptr<CProperty>(property);
    }
    return ole::Ptr<CProperty>(m_byKey.Find(key));
}

ole::Ptr<CProperty> CProperties::ItemFromDispatch(ole::Variant& vntIndexKey) const {
    return Item(vntIndexKey);
}

ole::Ptr<CProperty> CProperties::ItemByInternalKey(std::string_view sKey) const {
    CProperty* property = m_byKey.Find(sKey);
    if (!property)
        ole::RaiseError(ole::ERR_INVALID_CALL);
    return ole::Ptr<CProperty>(property);
}

std::vector<ole::Variant> CProperties::Snapshot() const {
    std::vector<ole::Variant> items;
    items.reserve(m_properties.size());
    for (const auto& property : m_properties)
        items.emplace_back(property);
    return items;
}

ole::Ptr<ole::Object> CProperties::NewEnum() const {
    return ole::Enumerator::Create(Snapshot());
}

ole::Variant CProperties::Clear() {
    ole::Ptr<CProperties> self(this);
    // Keeps the properties alive until the handlers of the event have run.
    const std::vector<ole::Ptr<CProperty>> removed = std::move(m_properties);
    m_properties.clear();
    m_byKey.Clear();
    for (const auto& property : removed)
        property->SetStored(false);
    m_hostKeys->Clear();
    try {
        m_events.Raise(PropertiesCleared);
    } catch (const ole::Error&) {
    }
    return {};
}

void CProperties::Remove(const ole::Variant& index) {
    if (ole::Ptr<CProperty> property = Item(index))
        RemoveFound(property, true);
}

void CProperties::RemoveByKey(std::string_view sKey) {
    ole::Ptr<CProperty> property = Item(ole::Variant(std::string(sKey)));
    if (!property)
        ole::RaiseError(ole::ERR_INVALID_CALL);
    RemoveFound(property, false);
}

void CProperties::RemoveFound(const ole::Ptr<CProperty>& property, bool trapKeyErrors) {
    ole::Ptr<CProperties> self(this);
    ole::Ptr<CProperty> held = property;
    const std::string internalKey = held->GetInternalKey();
    Unstore(*held);
    // The host key goes before the handlers run: a handler may add a property under the same
    // internal key (same name and category), and the old key must not resolve to that one.
    if (const std::string hostKey = held->GetKey(); !hostKey.empty()) {
        try {
            if (m_hostKeys->ContainsKey(hostKey) &&
                ole::CStr(m_hostKeys->ItemByKey(hostKey)) == internalKey)
                m_hostKeys->RemoveByKey(hostKey);
        } catch (const ole::Error&) {
            if (!trapKeyErrors)
                throw;
        }
    }
    ole::Variant args[] = {ole::Variant(held)};
    try {
        m_events.Raise(PropertyDeleted, args);
    } catch (const ole::Error&) {
    }
}

const ole::ClassInfo& CProperties::Info() {
    using C = CProperties;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("CProperties")
            .Library("Attrgrid")
            .ClassId("{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210401}")
            .Interface("_CProperties", "{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210402}",
                       ole::TYPEFLAG_FDUAL)
            .EventInterface("__CProperties", "{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210403}")
            .Method("Add", IdAdd, &C::AddFromDispatch,
                    ole::Params({ole::Arg("sName"), ole::Opt("aValue"), ole::Opt("sCategory", ""),
                                 ole::Opt("sKey", ""), ole::Opt("anObject"),
                                 ole::Opt("bAutoUpdate", true),
                                 ole::Opt("eEditorType", int32_t{shared::ksTextEditor})}))
            .Method("Item", IdItem, &C::ItemFromDispatch, ole::Params({ole::Arg("vntIndexKey")}))
            .Get("Count", IdCount, &C::Count)
            .Get("NewEnum", IdNewEnum, &C::NewEnum, ole::Restricted() | ole::Hidden())
            .Method("Clear", IdClear, &C::Clear)
            .Method("Remove", IdRemove, &C::Remove, ole::Params({ole::Arg("Index")}))
            .Event("PropertyAdded", PropertyAdded,
                   {{"aProperty", ole::VT_DISPATCH, false, "CProperty"}})
            .Event("PropertyDeleted", PropertyDeleted,
                   {{"aProperty", ole::VT_DISPATCH, false, "CProperty"}})
            .Event("PropertiesCleared", PropertiesCleared, {})
            .Build();
    return info;
}

} // namespace attrgrid
