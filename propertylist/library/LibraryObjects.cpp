#include "propertylist/library/LibraryObjects.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace attrgrid {

namespace {

struct Tracked {
    std::vector<uint32_t> ids;
    // Dead ids are dropped whenever the list doubles, so tracking stays linear overall.
    size_t pruneAt = 64;

    void Prune() {
        std::erase_if(ids, [](uint32_t id) { return !ole::ObjectFromPtr(id); });
        pruneAt = std::max<size_t>(64, ids.size() * 2);
    }
};

Tracked& Objects() {
    thread_local Tracked tracked;
    return tracked;
}

} // namespace

void LibraryObjects::Track(const ole::Object* object) {
    if (!object)
        return;
    Tracked& tracked = Objects();
    if (tracked.ids.size() >= tracked.pruneAt)
        tracked.Prune();
    tracked.ids.push_back(ole::PtrOfObject(object));
}

bool LibraryObjects::AnyAlive() {
    Tracked& tracked = Objects();
    tracked.Prune();
    return !tracked.ids.empty();
}

} // namespace attrgrid
