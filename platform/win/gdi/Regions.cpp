#include "platform/win/gdi/Regions.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/detail/GdiObjects.h"
#include "platform/win/gdi/detail/RegionObject.h"
#include "platform/win/window/Geometry.h"

#include <algorithm>
#include <memory>

namespace win {

namespace gdi {
const Region* LookupRegion(HRGN hrgn) {
    const RegionObject* object = GdiObjects::Find<RegionObject>(hrgn);
    return object ? &object->Get() : nullptr;
}
} // namespace gdi

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    // Reversed corners are put in order, as the platform does, within the coordinate range.
    const RECT rect{PinCoordinate(std::min(left, right)), PinCoordinate(std::min(top, bottom)),
                    PinCoordinate(std::max(left, right)), PinCoordinate(std::max(top, bottom))};
    return HRGN(gdi::GdiObjects::Add(std::make_unique<gdi::RegionObject>(gdi::Region(rect))));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    if (!rect) {
        return {};
    }
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

int GetRgnBox(HRGN hrgn, RECT* rect) {
    const gdi::Region* region = gdi::LookupRegion(hrgn);
    if (!region || !rect) {
        return ERROR;
    }
    *rect = region->Bounds();
    return region->Complexity();
}

BOOL PtInRegion(HRGN hrgn, int x, int y) {
    const gdi::Region* region = gdi::LookupRegion(hrgn);
    return region && region->Contains(x, y) ? TRUE : FALSE;
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
    gdi::RegionObject* target = gdi::GdiObjects::Find<gdi::RegionObject>(dest);
    const gdi::Region* a = gdi::LookupRegion(src1);
    if (!target || !a) {
        return ERROR;
    }
    gdi::Region result = *a;
    if (mode != RGN_COPY) {
        const gdi::Region* b = gdi::LookupRegion(src2);
        if (!b) {
            return ERROR;
        }
        switch (mode) {
        case RGN_AND:
            result.Intersect(*b);
            break;
        case RGN_OR:
            result.Union(*b);
            break;
        case RGN_DIFF:
            result.Subtract(*b);
            break;
        case RGN_XOR: {
            gdi::Region both = *a;
            both.Intersect(*b);
            result.Union(*b);
            result.Subtract(both);
            break;
        }
        default:
            return ERROR;
        }
    }
    target->Get() = std::move(result);
    return target->Get().Complexity();
}

int OffsetRgn(HRGN hrgn, int dx, int dy) {
    gdi::RegionObject* target = gdi::GdiObjects::Find<gdi::RegionObject>(hrgn);
    if (!target) {
        return ERROR;
    }
    target->Get().Offset(dx, dy);
    return target->Get().Complexity();
}

} // namespace win
