#pragma once

#include "platform/win/gdi/detail/GdiObject.h"

#include <cstddef>
#include <functional>
#include <memory>

namespace win::gdi {

// The table behind every GDI object handle.
class GdiObjects {
public:
    static HGDIOBJ Add(std::unique_ptr<GdiObject> object);
    // The object, also while its deletion waits for a DC to let go of it.
    static GdiObject* Find(HGDIOBJ handle);

    // The object if handle names one of type T.
    template <class T>
    static T* Find(HGDIOBJ handle) {
        return dynamic_cast<T*>(Find(handle));
    }

    // False for unknown or already deleted handles; stock objects stay and report success.
    // Objects selected into a DC are deleted when the last DC deselects them.
    static bool Delete(HGDIOBJ handle);

    // Selection bookkeeping done by DCs (stock objects are not tracked).
    static void Selected(HGDIOBJ handle);
    static void Deselected(HGDIOBJ handle);

    static HBRUSH SysColorBrush(int index);
    // Brushes, pens, the default 1x1 monochrome bitmap (index -1) and, through the registered
    // font factory, the stock fonts.
    static HGDIOBJ Stock(int index);
    static constexpr int DefaultBitmapIndex = -1;

    // The text layer registers how stock fonts (SYSTEM_FONT, DEFAULT_GUI_FONT, ...) are made;
    // the factory returns null for indices it does not know.
    using StockFontFactory = std::function<std::unique_ptr<GdiObject>(int index)>;
    static void SetStockFontFactory(StockFontFactory factory);

    // Objects created by callers and not yet deleted (stock objects excluded).
    static size_t LiveCount(GdiObjectKind kind);
    static size_t LiveCount();

    // Deletes every non-stock object.
    static void Reset();
};

} // namespace win::gdi
