#include "platform/win/gdi/Drawing.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/Brush.h"
#include "platform/win/gdi/ClassicPainter.h"
#include "platform/win/gdi/DcTable.h"

namespace win {

int FillRect(HDC hdc, const RECT* rect, HBRUSH hbr) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || !rect) {
        return 0;
    }
    const auto color = gdi::ResolveBrushColor(hbr);
    if (!color) {
        return 0;
    }
    dc->FillSolid(*rect, *color);
    return 1;
}

BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || !rect) {
        return FALSE;
    }
    gdi::ClassicPainter::DrawEdge(*dc, *rect, edge, flags);
    return TRUE;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    const gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    return dc ? dc->PixelAt(x, y) : CLR_INVALID;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return CLR_INVALID;
    }
    const COLORREF old = dc->TextColor();
    dc->SetTextColor(color);
    return old;
}

COLORREF GetTextColor(HDC hdc) {
    const gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    return dc ? dc->TextColor() : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return CLR_INVALID;
    }
    const COLORREF old = dc->BkColor();
    dc->SetBkColor(color);
    return old;
}

COLORREF GetBkColor(HDC hdc) {
    const gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    return dc ? dc->BkColor() : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) {
        return 0;
    }
    const int old = dc->BkMode();
    dc->SetBkMode(mode);
    return old;
}

int GetBkMode(HDC hdc) {
    const gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    return dc ? dc->BkMode() : 0;
}

} // namespace win
