#include "platform/win/gdi/DcState.h"

#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/window/Geometry.h"

namespace win {

namespace {

// Runs fn on the DC when the handle is live; fallback otherwise.
template <class Result, class Fn>
Result WithDc(HDC hdc, Result fallback, Fn&& fn) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    return dc ? fn(*dc) : fallback;
}

BOOL SwapPoint(HDC hdc, POINT* old, POINT (gdi::DeviceContext::*get)() const,
               void (gdi::DeviceContext::*set)(POINT), POINT value) {
    return WithDc(hdc, FALSE, [&](gdi::DeviceContext& dc) {
        if (old) {
            *old = (dc.*get)();
        }
        (dc.*set)(value);
        return TRUE;
    });
}

BOOL ReadPoint(HDC hdc, POINT* out, POINT (gdi::DeviceContext::*get)() const) {
    return WithDc(hdc, FALSE, [&](gdi::DeviceContext& dc) {
        if (!out) {
            return FALSE;
        }
        *out = (dc.*get)();
        return TRUE;
    });
}

} // namespace

int SetROP2(HDC hdc, int rop2) {
    if (rop2 < 1 || rop2 > 16) {
        return 0;
    }
    return WithDc(hdc, 0, [&](gdi::DeviceContext& dc) {
        const int old = dc.Rop2();
        dc.SetRop2(rop2);
        return old;
    });
}

int GetROP2(HDC hdc) {
    return WithDc(hdc, 0, [](gdi::DeviceContext& dc) { return dc.Rop2(); });
}

int SetStretchBltMode(HDC hdc, int mode) {
    if (mode < 1 || mode > 4) {
        return 0;
    }
    return WithDc(hdc, 0, [&](gdi::DeviceContext& dc) {
        const int old = dc.StretchMode();
        dc.SetStretchMode(mode);
        return old;
    });
}

int GetStretchBltMode(HDC hdc) {
    return WithDc(hdc, 0, [](gdi::DeviceContext& dc) { return dc.StretchMode(); });
}

UINT SetTextAlign(HDC hdc, UINT align) {
    return WithDc(hdc, UINT{0xFFFFFFFF}, [&](gdi::DeviceContext& dc) {
        const UINT old = dc.TextAlign();
        dc.SetTextAlign(align);
        return old;
    });
}

UINT GetTextAlign(HDC hdc) {
    return WithDc(hdc, UINT{0xFFFFFFFF}, [](gdi::DeviceContext& dc) { return dc.TextAlign(); });
}

BOOL SetBrushOrgEx(HDC hdc, int x, int y, POINT* old) {
    return SwapPoint(hdc, old, &gdi::DeviceContext::BrushOrigin,
                     &gdi::DeviceContext::SetBrushOrigin, {x, y});
}

BOOL GetBrushOrgEx(HDC hdc, POINT* origin) {
    return ReadPoint(hdc, origin, &gdi::DeviceContext::BrushOrigin);
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* old) {
    return SwapPoint(hdc, old, &gdi::DeviceContext::ViewportOrigin,
                     &gdi::DeviceContext::SetViewportOrigin, {x, y});
}

BOOL GetViewportOrgEx(HDC hdc, POINT* origin) {
    return ReadPoint(hdc, origin, &gdi::DeviceContext::ViewportOrigin);
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* old) {
    return SwapPoint(hdc, old, &gdi::DeviceContext::WindowOrigin,
                     &gdi::DeviceContext::SetWindowOrigin, {x, y});
}

BOOL GetWindowOrgEx(HDC hdc, POINT* origin) {
    return ReadPoint(hdc, origin, &gdi::DeviceContext::WindowOrigin);
}

BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, POINT* old) {
    POINT now{};
    return GetViewportOrgEx(hdc, &now) &&
           SetViewportOrgEx(hdc, PinCoordinate(static_cast<long long>(now.x) + dx),
                            PinCoordinate(static_cast<long long>(now.y) + dy), old);
}

BOOL OffsetWindowOrgEx(HDC hdc, int dx, int dy, POINT* old) {
    POINT now{};
    return GetWindowOrgEx(hdc, &now) &&
           SetWindowOrgEx(hdc, PinCoordinate(static_cast<long long>(now.x) + dx),
                          PinCoordinate(static_cast<long long>(now.y) + dy), old);
}

int SaveDC(HDC hdc) {
    return WithDc(hdc, 0, [](gdi::DeviceContext& dc) { return dc.Save(); });
}

BOOL RestoreDC(HDC hdc, int level) {
    return WithDc(hdc, FALSE,
                  [&](gdi::DeviceContext& dc) { return dc.Restore(level) ? TRUE : FALSE; });
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* old) {
    return WithDc(hdc, FALSE, [&](gdi::DeviceContext& dc) {
        if (old) {
            *old = dc.CurrentPosition();
        }
        dc.SetCurrentPosition({x, y});
        dc.SetDashPhase(0);
        return TRUE;
    });
}

BOOL GetCurrentPositionEx(HDC hdc, POINT* position) {
    return ReadPoint(hdc, position, &gdi::DeviceContext::CurrentPosition);
}

} // namespace win
