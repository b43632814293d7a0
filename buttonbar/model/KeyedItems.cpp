#include "buttonbar/model/KeyedItems.h"

#include "buttonbar/library/ShelfstripErrors.h"

#include "platform/base/Rounding.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/text/TextEdits.h"

#include <limits>

namespace shelfstrip {

namespace {

constexpr const char* kInternalPrefix = "INTERNAL_";

bool IsPositionType(const ole::Variant& value) {
    return value.IsNumericType() && value.ValueType() != ole::VT_DATE;
}

} // namespace

KeyedItems::KeyedItems() : m_items(ole::Collection::Create()), m_keys(ole::Collection::Create()) {}

ole::Ptr<ole::Object> KeyedItems::At(int32_t position) const {
    return m_items->ItemAt(position).AsObject();
}

ole::Ptr<ole::Object> KeyedItems::Find(const ole::Variant& indexKey) const {
    const ole::Variant& index = indexKey.Deref();
    if (IsPositionType(index)) {
        const double position = base::RoundHalfEven(ole::CDbl(index));
        if (!(position >= 1 && position <= Count()))
            ole::RaiseError(ole::ERR_SUBSCRIPT);
        return At(static_cast<int32_t>(position));
    }
    if (!index.IsString())
        ole::RaiseError(ole::ERR_INVALID_CALL);
    const std::string& key = index.AsString();
    if (m_keys->ContainsKey(key))
        return m_items->ItemByKey(ole::CStr(m_keys->ItemByKey(key))).AsObject();
    return m_items->ItemByKey(key).AsObject();
}

ole::Ptr<ole::Object> KeyedItems::ByInternalKey(std::string_view internalKey) const {
    if (!m_items->ContainsKey(internalKey))
        return {};
    return m_items->ItemByKey(internalKey).AsObject();
}

bool KeyedItems::Holds(const ole::Object& item, std::string_view internalKey) const {
    return ByInternalKey(internalKey).Get() == &item;
}

std::string KeyedItems::CheckNewKey(std::string_view key) const {
    std::string trimmed(ole::Trim(key));
    if (!trimmed.empty() && m_keys->ContainsKey(trimmed))
        ole::RaiseError(errors::DuplicateKey, errors::kModuleName);
    return trimmed;
}

std::string KeyedItems::NextInternalKey() const {
    if (m_counter == std::numeric_limits<int32_t>::max())
        ole::RaiseError(ole::ERR_OVERFLOW);
    return kInternalPrefix + std::to_string(m_counter + 1);
}

void KeyedItems::Store(const ole::Ptr<ole::Object>& item, const std::string& internalKey,
                       const std::string& key) {
    if (!key.empty())
        m_keys->Append(ole::Variant(internalKey), key);
    try {
        m_items->Append(ole::Variant(item), internalKey);
    } catch (...) {
        if (!key.empty())
            m_keys->RemoveByKey(key);
        throw;
    }
    ++m_counter;
}

void KeyedItems::Forget(std::string_view internalKey, const std::string& key) {
    m_items->RemoveByKey(internalKey);
    if (!key.empty() && m_keys->ContainsKey(key) &&
        ole::CStr(m_keys->ItemByKey(key)) == internalKey)
        m_keys->RemoveByKey(key);
}

void KeyedItems::Clear() {
    m_items->Clear();
    m_keys->Clear();
}

bool KeyedItems::ChangeKey(const ole::Object& item, std::string_view internalKey,
                           const std::string& sNewKey, const std::string& sOldKey) {
    if (!Holds(item, internalKey))
        return true;
    if (sNewKey.empty()) {
        if (!sOldKey.empty() && m_keys->ContainsKey(sOldKey))
            m_keys->RemoveByKey(sOldKey);
        return true;
    }
    if (m_keys->ContainsKey(sNewKey))
        return false;
    if (!sOldKey.empty() && m_keys->ContainsKey(sOldKey))
        m_keys->RemoveByKey(sOldKey);
    m_keys->Append(ole::Variant(std::string(internalKey)), sNewKey);
    return true;
}

void KeyedItems::MoveTo(const ole::Object& item, std::string_view internalKey, int32_t index,
                        const ole::DefinedError& alien) {
    if (index < 1 || index > Count())
        ole::RaiseError(errors::InvalidIndex, errors::kTitle);
    const ole::Variant stored = m_items->ItemByKey(internalKey);
    if (stored.AsObject().Get() != &item)
        ole::RaiseError(alien, errors::kTitle);
    m_items->RemoveByKey(internalKey);
    if (index <= Count())
        m_items->InsertAt(index, stored, std::string(internalKey));
    else
        m_items->Append(stored, std::string(internalKey));
}

} // namespace shelfstrip
