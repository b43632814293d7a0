#include "platform/ole/bag/BagEntries.h"

#include "platform/base/TextCase.h"
#include "platform/base/Utf8.h"
#include "platform/ole/convert/Equality.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/picture/Picture.h"

namespace ole {

namespace {

bool IsStorableValueType(VARTYPE type) {
    switch (type) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_DATE:
    case VT_BSTR:
    case VT_BOOL:
    case VT_UI1:
    case VT_ARRAY | VT_UI1:
        return true;
    default:
        return false;
    }
}

} // namespace

Variant BagEntries::StorableCopy(const Variant& value) {
    const Variant& stored = value.Deref();
    if (stored.IsString() && !base::IsValidUtf8(stored.AsString())) {
        RaiseError(ERR_INVALID_CALL);
    }
    if (IsStorableValueType(stored.Type())) {
        return stored;
    }
    if (!stored.IsObject()) {
        RaiseError(ERR_TYPE_MISMATCH);
    }
    const Ptr<Object> object = stored.AsObject();
    if (!object) {
        return Variant::Nothing();
    }
    if (const auto font = PtrCast<Font>(object)) {
        if (!base::IsValidUtf8(font->Name())) {
            RaiseError(ERR_INVALID_CALL);
        }
        return Variant(font->Clone());
    }
    if (PtrCast<Picture>(object)) {
        return Variant(object);
    }
    RaiseError(ERR_TYPE_MISMATCH);
}

bool BagEntries::MatchesDefault(const Variant& value, const Variant& defaultValue) {
    const Variant& a = value.Deref();
    const Variant& b = defaultValue.Deref();
    if (a.IsObject() && b.IsObject()) {
        const Ptr<Object> objectA = a.AsObject();
        const Ptr<Object> objectB = b.AsObject();
        const auto fontA = PtrCast<Font>(objectA);
        const auto fontB = PtrCast<Font>(objectB);
        if (fontA && fontB) {
            return fontA->SameAttributes(*fontB);
        }
        const auto pictureA = PtrCast<Picture>(objectA);
        const auto pictureB = PtrCast<Picture>(objectB);
        if ((pictureA || !objectA) && (pictureB || !objectB)) {
            return PicturesMatch(pictureA.Get(), pictureB.Get());
        }
    }
    return VariantEquals(a, b);
}

const Variant* BagEntries::Find(std::string_view name) const {
    const auto found = m_indexByFoldedName.find(base::FoldCase(name));
    return found == m_indexByFoldedName.end() ? nullptr : &m_entries[found->second].second;
}

Variant BagEntries::Read(std::string_view name, const Variant& defaultValue) const {
    if (const Variant* stored = Find(name)) {
        if (const auto font = PtrCast<Font>(stored->IsObject() ? stored->AsObject() : nullptr)) {
            return Variant(font->Clone());
        }
        return *stored;
    }
    if (defaultValue.IsMissing()) {
        return Variant::Empty();
    }
    return defaultValue.Deref();
}

void BagEntries::Write(std::string_view name, const Variant& value, const Variant& defaultValue) {
    if (name.size() > kMaxNameBytes || !base::IsValidUtf8(name)) {
        RaiseError(ERR_INVALID_CALL);
    }
    Variant stored = StorableCopy(value);
    std::string folded = base::FoldCase(name);
    const auto found = m_indexByFoldedName.find(folded);
    if (!defaultValue.IsMissing() && MatchesDefault(value, defaultValue)) {
        if (found != m_indexByFoldedName.end()) {
            m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(found->second));
            Reindex();
        }
        return;
    }
    if (found != m_indexByFoldedName.end()) {
        m_entries[found->second].second = std::move(stored);
        return;
    }
    m_entries.emplace_back(std::string(name), std::move(stored));
    m_indexByFoldedName.emplace(std::move(folded), m_entries.size() - 1);
}

bool BagEntries::AddNew(std::string name, Variant value) {
    const auto [where, added] = m_indexByFoldedName.emplace(base::FoldCase(name), m_entries.size());
    if (added) {
        m_entries.emplace_back(std::move(name), std::move(value));
    }
    return added;
}

void BagEntries::Clear() {
    auto old = std::move(m_entries);
    m_entries.clear();
    m_indexByFoldedName.clear();
}

void BagEntries::Reindex() {
    m_indexByFoldedName.clear();
    for (size_t i = 0; i < m_entries.size(); ++i) {
        m_indexByFoldedName.emplace(base::FoldCase(m_entries[i].first), i);
    }
}

} // namespace ole
