#include "platform/win/window/NonClient.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/gdi/painter/ClassicPainter.h"
#include "platform/win/menu/MenuBar.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/system/SystemMetrics.h"
#include "platform/win/text/CaptionText.h"
#include "platform/win/window/WindowState.h"

namespace win::detail {

namespace {

int FrameThickness(DWORD style, DWORD exStyle) {
    if (style & WS_THICKFRAME) {
        return GetSystemMetrics(SM_CXFRAME);
    }
    if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) {
        return GetSystemMetrics(SM_CXDLGFRAME);
    }
    if (style & WS_BORDER) {
        return GetSystemMetrics(SM_CXBORDER);
    }
    return 0;
}

int EdgeThickness(DWORD exStyle) {
    return ((exStyle & WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CXEDGE) : 0) +
           ((exStyle & WS_EX_STATICEDGE) ? GetSystemMetrics(SM_CXBORDER) : 0);
}

bool HasCaption(DWORD style) {
    return (style & WS_CAPTION) == WS_CAPTION;
}

bool Inside(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// The frame and caption, or the window manager's frame in their place.
NonClientInsets OuterInsets(DWORD style, DWORD exStyle, const NonClientInsets* managerFrame) {
    const int frame = FrameThickness(style, exStyle);
    const int caption = HasCaption(style) ? GetSystemMetrics(SM_CYCAPTION) : 0;
    return managerFrame ? *managerFrame : NonClientInsets{frame, frame + caption, frame, frame};
}

} // namespace

NonClientInsets ComputeNonClientInsets(DWORD style, DWORD exStyle,
                                       const NonClientInsets* managerFrame, int menuBar) {
    NonClientInsets insets = OuterInsets(style, exStyle, managerFrame);
    insets.top += menuBar;
    const int edge = EdgeThickness(exStyle);
    insets.left += edge;
    insets.top += edge;
    insets.right += edge;
    insets.bottom += edge;
    if (style & WS_VSCROLL) {
        insets.right += GetSystemMetrics(SM_CXVSCROLL);
    }
    if (style & WS_HSCROLL) {
        insets.bottom += GetSystemMetrics(SM_CYHSCROLL);
    }
    return insets;
}

RECT ClientRectFromWindowRect(const RECT& w, DWORD style, DWORD exStyle,
                              const NonClientInsets* managerFrame, int menuBar) {
    const NonClientInsets in = ComputeNonClientInsets(style, exStyle, managerFrame, menuBar);
    RECT c{w.left + in.left, w.top + in.top, w.right - in.right, w.bottom - in.bottom};
    // A window smaller than its frame has an empty client area at the frame's inner corner.
    if (c.right < c.left) {
        c.right = c.left;
    }
    if (c.bottom < c.top) {
        c.bottom = c.top;
    }
    return c;
}

RECT MenuBarRectInWindow(const WindowRecord& record) {
    const int height = record.IsChild() ? 0 : MenuBarHeight(record.hwnd);
    if (height == 0) {
        return {};
    }
    const std::optional<NonClientInsets>& m = record.managerFrame;
    const NonClientInsets outer = OuterInsets(record.style, record.exStyle, m ? &*m : nullptr);
    const RECT& w = record.windowRect;
    return {outer.left, outer.top, w.right - w.left - outer.right, outer.top + height};
}

int NonClientHitTest(const WindowRecord& record, POINT p) {
    if (!Inside(record.windowRect, p)) {
        return HTNOWHERE;
    }
    if (Inside(record.clientRect, p)) {
        return HTCLIENT;
    }
    RECT bar = MenuBarRectInWindow(record);
    OffsetRect(&bar, record.windowRect.left, record.windowRect.top);
    if (Inside(bar, p)) {
        return HTMENU;
    }
    const int side = FrameThickness(record.style, record.exStyle);
    const RECT& w = record.windowRect;
    const RECT inner{w.left + side, w.top + side, w.right - side, w.bottom - side};
    if (HasCaption(record.style) && p.y >= inner.top &&
        p.y < inner.top + GetSystemMetrics(SM_CYCAPTION) && Inside(inner, p)) {
        return HTCAPTION;
    }
    const RECT& c = record.clientRect;
    if ((record.style & WS_VSCROLL) && p.x >= c.right && p.y >= c.top && p.y < c.bottom &&
        p.x < c.right + GetSystemMetrics(SM_CXVSCROLL)) {
        return HTVSCROLL;
    }
    if ((record.style & WS_HSCROLL) && p.y >= c.bottom && p.x >= c.left && p.x < c.right &&
        p.y < c.bottom + GetSystemMetrics(SM_CYHSCROLL)) {
        return HTHSCROLL;
    }
    return HTBORDER;
}

void PaintNonClient(HWND hwnd, bool active) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return;
    }
    const DWORD style = record->style;
    const DWORD exStyle = record->exStyle;
    const RECT windowRect = record->windowRect;
    const RECT clientRect = record->clientRect;
    if (windowRect == clientRect) {
        return;
    }
    const WindowDc windowDc(hwnd, GetWindowDC(hwnd));
    const HDC hdc = windowDc.Get();
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return;
    }
    // Window coordinates from here on.
    RECT r{0, 0, windowRect.right - windowRect.left, windowRect.bottom - windowRect.top};
    const int frame = FrameThickness(style, exStyle);
    if (const std::optional<NonClientInsets>& m = record->managerFrame) {
        // Nobody sees what lies under a window manager's frame.
        r = {r.left + m->left, r.top + m->top, r.right - m->right, r.bottom - m->bottom};
    } else if (style & WS_THICKFRAME || (style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) {
        gdi::ClassicPainter::DrawWindowFrame(*dc, r, frame);
    } else if (style & WS_BORDER) {
        gdi::ClassicPainter::DrawOutline(*dc, r, GetSysColor(COLOR_WINDOWFRAME));
    }
    if (HasCaption(style) && !record->managerFrame) {
        const int height = GetSystemMetrics(SM_CYCAPTION);
        gdi::ClassicPainter::DrawCaption(*dc, {r.left, r.top, r.right, r.top + height}, active);
        text::DrawCaptionText(hdc, {r.left, r.top, r.right, r.top + height - 1}, record->text,
                              active);
        r.top += height;
    }
    if (const RECT bar = MenuBarRectInWindow(*record); bar.bottom > bar.top) {
        PaintMenuBar(hwnd, hdc, bar);
        r.top = bar.bottom;
    }
    if (exStyle & WS_EX_CLIENTEDGE) {
        gdi::ClassicPainter::DrawEdge(*dc, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    }
    if (exStyle & WS_EX_STATICEDGE) {
        gdi::ClassicPainter::DrawEdge(*dc, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    }
    const RECT c{clientRect.left - windowRect.left, clientRect.top - windowRect.top,
                 clientRect.right - windowRect.left, clientRect.bottom - windowRect.top};
    if (style & WS_VSCROLL) {
        gdi::ClassicPainter::DrawScrollBarPlaceholder(*dc, {c.right, c.top, r.right, c.bottom});
    }
    if (style & WS_HSCROLL) {
        gdi::ClassicPainter::DrawScrollBarPlaceholder(*dc, {c.left, c.bottom, r.right, r.bottom});
    }
}

} // namespace win::detail
