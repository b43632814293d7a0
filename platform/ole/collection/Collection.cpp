#include "platform/ole/collection/Collection.h"

#include "platform/base/Rounding.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/Enumerator.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"

namespace ole {

Ptr<Collection> Collection::Create() {
    return MakeObject<Collection>();
}

const ClassInfo& Collection::Info() {
    static const ClassInfo info =
        ClassBuilder<Collection>("Collection")
            .Library("VB")
            .Method("Item", DISPID_VALUE, &Collection::Item, Params({Arg("Index")}))
            .Method("Add", 1, &Collection::Add,
                    Params({Arg("Item"), Opt("Key"), Opt("Before"), Opt("After")}))
            .Get("Count", 2, &Collection::Count)
            .Method("Remove", 3, &Collection::Remove, Params({Arg("Index")}))
            .Get("_NewEnum", DISPID_NEWENUM, &Collection::NewEnum, Restricted() | Hidden())
            .Build();
    return info;
}

const Collection::Entry* Collection::EntryOfKey(std::string_view key) const {
    return m_byKey.Find(key);
}

size_t Collection::IndexOfPosition(int32_t position) const {
    if (position < 1 || position > Count()) {
        RaiseError(ERR_SUBSCRIPT);
    }
    return static_cast<size_t>(position - 1);
}

size_t Collection::IndexOfKey(std::string_view key) const {
    if (const auto position = PositionOfKey(key)) {
        return static_cast<size_t>(*position - 1);
    }
    RaiseError(ERR_INVALID_CALL);
}

size_t Collection::IndexOf(const Variant& index) const {
    const Variant& value = index.Deref();
    if (value.IsObject()) {
        return IndexOf(ReduceToValue(value));
    }
    if (value.IsString()) {
        return IndexOfKey(value.AsString());
    }
    const double number = ChangeType(value, VT_R8).AsR8();
    const double rounded = base::RoundHalfEven(number);
    if (!(rounded >= 1 && rounded <= Count())) {
        RaiseError(ERR_SUBSCRIPT);
    }
    return static_cast<size_t>(rounded) - 1;
}

Variant Collection::ItemAt(int32_t position) const {
    return m_entries[IndexOfPosition(position)]->item;
}

Variant Collection::ItemByKey(std::string_view key) const {
    const Entry* entry = EntryOfKey(key);
    if (!entry) {
        RaiseError(ERR_INVALID_CALL);
    }
    return entry->item;
}

bool Collection::ContainsKey(std::string_view key) const {
    return EntryOfKey(key) != nullptr;
}

std::optional<int32_t> Collection::PositionOfKey(std::string_view key) const {
    const Entry* entry = EntryOfKey(key);
    if (!entry) {
        return std::nullopt;
    }
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].get() == entry) {
            return static_cast<int32_t>(i + 1);
        }
    }
    return std::nullopt;
}

std::optional<std::string> Collection::KeyAt(int32_t position) const {
    return m_entries[IndexOfPosition(position)]->key;
}

void Collection::Insert(size_t index, Variant item, std::optional<std::string> key) {
    if (item.IsByRef()) {
        item = Variant(item.Deref());
    }
    auto entry = std::make_unique<Entry>(Entry{std::move(item), std::move(key)});
    const Entry* stored = entry.get();
    // One lookup both refuses a duplicate key and indexes the new entry.
    if (stored->key && !m_byKey.Insert(stored)) {
        RaiseError(ERR_DUPLICATE_KEY);
    }
    try {
        m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(index), std::move(entry));
    } catch (...) {
        if (stored->key) {
            m_byKey.Erase(stored);
        }
        throw;
    }
}

void Collection::Append(Variant item, std::optional<std::string> key) {
    Insert(m_entries.size(), std::move(item), std::move(key));
}

void Collection::InsertAt(int32_t position, Variant item, std::optional<std::string> key) {
    if (position < 1 || position > Count() + 1) {
        RaiseError(ERR_SUBSCRIPT);
    }
    Insert(static_cast<size_t>(position - 1), std::move(item), std::move(key));
}

void Collection::RemoveAt(int32_t position) {
    const size_t index = IndexOfPosition(position);
    // The entry leaves the list before its item is released: releasing an object may run code
    // that looks at this collection again.
    std::unique_ptr<Entry> removed = std::move(m_entries[index]);
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    if (removed->key) {
        m_byKey.Erase(removed.get());
    }
}

void Collection::RemoveByKey(std::string_view key) {
    RemoveAt(static_cast<int32_t>(IndexOfKey(key) + 1));
}

void Collection::Clear() {
    auto removed = std::move(m_entries);
    m_entries.clear();
    m_byKey.Clear();
}

std::vector<Variant> Collection::Snapshot() const {
    std::vector<Variant> items;
    items.reserve(m_entries.size());
    for (const auto& entry : m_entries) {
        items.push_back(entry->item);
    }
    return items;
}

void Collection::Add(const Variant& item, const Variant& keyArg, const Variant& before,
                     const Variant& after) {
    std::optional<std::string> key;
    if (!keyArg.IsMissing()) {
        const Variant keyValue = keyArg.IsObject() ? ReduceToValue(keyArg) : keyArg.Deref();
        if (!keyValue.IsString()) {
            RaiseError(ERR_TYPE_MISMATCH);
        }
        key = keyValue.AsString();
    }
    const bool hasBefore = !before.IsMissing();
    const bool hasAfter = !after.IsMissing();
    if (hasBefore && hasAfter) {
        RaiseError(ERR_INVALID_CALL);
    }
    size_t index = m_entries.size();
    if (hasBefore) {
        index = IndexOf(before);
    } else if (hasAfter) {
        index = IndexOf(after) + 1;
    }
    Insert(index, item.Deref(), std::move(key));
}

Variant Collection::Item(const Variant& index) {
    // A key finds its entry without counting its position.
    const Variant& value = index.Deref();
    if (value.IsString()) {
        const Entry* entry = EntryOfKey(value.AsString());
        if (!entry) {
            RaiseError(ERR_INVALID_CALL);
        }
        return entry->item;
    }
    return m_entries[IndexOf(index)]->item;
}

void Collection::Remove(const Variant& index) {
    RemoveAt(static_cast<int32_t>(IndexOf(index) + 1));
}

Ptr<Object> Collection::NewEnum() {
    return Enumerator::Create(Snapshot());
}

} // namespace ole
