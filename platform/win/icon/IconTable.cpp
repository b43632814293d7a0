#include "platform/win/icon/IconTable.h"

#include <map>

namespace win::icon {

namespace {

struct Entry {
    std::unique_ptr<Icon> icon;
    bool shared = false;
};

std::map<uint32_t, Entry>& Entries() {
    thread_local std::map<uint32_t, Entry> entries;
    return entries;
}

} // namespace

HICON IconTable::Add(Icon icon, bool shared) {
    const HICON handle = HICON::New();
    Entries()[handle.Value()] = Entry{std::make_unique<Icon>(std::move(icon)), shared};
    return handle;
}

const Icon* IconTable::Find(HICON handle) {
    const auto& entries = Entries();
    const auto it = entries.find(handle.Value());
    return it == entries.end() ? nullptr : it->second.icon.get();
}

bool IconTable::Destroy(HICON handle) {
    auto& entries = Entries();
    const auto it = entries.find(handle.Value());
    if (it == entries.end()) {
        return false;
    }
    if (!it->second.shared) {
        entries.erase(it);
    }
    return true;
}

size_t IconTable::LiveCount() {
    size_t count = 0;
    for (const auto& [handle, entry] : Entries()) {
        count += entry.shared ? 0 : 1;
    }
    return count;
}

} // namespace win::icon
