#include "platform/win/gdi/Clipping.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/gdi/detail/RegionObject.h"

#include <algorithm>

namespace win {

namespace {

// Stands for "no limit" when a clip is cut before anything restricted it.
constexpr RECT kEverything{-(1 << 28), -(1 << 28), 1 << 28, 1 << 28};

RECT DcSpaceRect(const gdi::DeviceContext& dc, int left, int top, int right, int bottom) {
    const POINT a = dc.ToDcSpace({left, top});
    const POINT b = dc.ToDcSpace({right, bottom});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

int ClipType(const gdi::DeviceContext& dc) {
    return dc.Clip().Complexity();
}

} // namespace

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return ERROR;
    }
    gdi::Region clip = dc->UserClip().value_or(gdi::Region(kEverything));
    clip.Intersect(DcSpaceRect(*dc, left, top, right, bottom));
    dc->SetUserClip(std::move(clip));
    return ClipType(*dc);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return ERROR;
    }
    gdi::Region clip = dc->UserClip().value_or(gdi::Region(kEverything));
    clip.Subtract(DcSpaceRect(*dc, left, top, right, bottom));
    dc->SetUserClip(std::move(clip));
    return ClipType(*dc);
}

int SelectClipRgn(HDC hdc, HRGN hrgn) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return ERROR;
    }
    if (!hrgn) {
        dc->SetUserClip(std::nullopt);
        return ClipType(*dc);
    }
    const gdi::Region* region = gdi::LookupRegion(hrgn);
    if (!region) {
        return ERROR;
    }
    dc->SetUserClip(*region);
    return ClipType(*dc);
}

int GetClipBox(HDC hdc, RECT* rect) {
    const gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || !rect) {
        return ERROR;
    }
    gdi::Region clip = dc->Clip();
    if (clip.IsEmpty()) {
        *rect = {};
        return NULLREGION;
    }
    const POINT origin = dc->Origin();
    clip.Offset(-origin.x, -origin.y);
    const RECT box = clip.Bounds();
    const POINT tl = dc->ToLogical({box.left, box.top});
    const POINT br = dc->ToLogical({box.right, box.bottom});
    *rect = {tl.x, tl.y, br.x, br.y};
    return clip.Complexity();
}

} // namespace win
