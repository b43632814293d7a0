#pragma once

#include "platform/ole/object/Object.h"

#include <cstdint>

namespace attrgrid {

// The live object behind a weak id, with its `Contract` side (null when it has none). Weak ids
// are never reused, so what an id's object was cast to holds for as long as the id resolves:
// models resolving their owner for every row and property cast it once, not on every call.
template <class Contract>
struct OwnerContract {
    ole::Ptr<ole::Object> object;
    Contract* contract = nullptr;

    static OwnerContract Of(uint32_t id) {
        thread_local uint32_t castId = 0;
        thread_local Contract* cast = nullptr;
        OwnerContract result{ole::ObjectFromPtr(id)};
        if (!result.object)
            return result;
        if (id != castId) {
            cast = dynamic_cast<Contract*>(result.object.Get());
            castId = id;
        }
        result.contract = cast;
        return result;
    }
};

} // namespace attrgrid
