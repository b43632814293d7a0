#pragma once

#include "platform/win/gdi/GdiObject.h"

#include <cstddef>
#include <memory>

namespace win::gdi {

// The table behind every GDI object handle.
class GdiObjects {
public:
    static HGDIOBJ Add(std::unique_ptr<GdiObject> object);
    static GdiObject* Find(HGDIOBJ handle);

    // The object if handle names one of type T.
    template <class T>
    static T* Find(HGDIOBJ handle) {
        return dynamic_cast<T*>(Find(handle));
    }

    // False for unknown handles; stock objects stay and report success.
    static bool Delete(HGDIOBJ handle);

    static HBRUSH SysColorBrush(int index);
    static HGDIOBJ Stock(int index);

    // Objects created by callers and not yet deleted (stock objects excluded).
    static size_t LiveCount(GdiObjectKind kind);
    static size_t LiveCount();

    // Deletes every non-stock object.
    static void Reset();
};

} // namespace win::gdi
