#include "platform/win/rect/RectHelpers.h"

#include <algorithm>

namespace win {

namespace {

bool Empty(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

} // namespace

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
    if (!rect) {
        return FALSE;
    }
    *rect = {left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL CopyRect(RECT* dest, const RECT* source) {
    if (!dest || !source) {
        return FALSE;
    }
    *dest = *source;
    return TRUE;
}

BOOL IsRectEmpty(const RECT* rect) {
    return !rect || Empty(*rect) ? TRUE : FALSE;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    return a && b && *a == *b ? TRUE : FALSE;
}

BOOL OffsetRect(RECT* rect, int dx, int dy) {
    if (!rect) {
        return FALSE;
    }
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL InflateRect(RECT* rect, int dx, int dy) {
    if (!rect) {
        return FALSE;
    }
    rect->left -= dx;
    rect->right += dx;
    rect->top -= dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL PtInRect(const RECT* rect, POINT point) {
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
                   point.y < rect->bottom
               ? TRUE
               : FALSE;
}

BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b) {
    if (!dest) {
        return FALSE;
    }
    if (!a || !b || Empty(*a) || Empty(*b)) {
        *dest = {};
        return FALSE;
    }
    const RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                 std::min(a->bottom, b->bottom)};
    if (Empty(r)) {
        *dest = {};
        return FALSE;
    }
    *dest = r;
    return TRUE;
}

BOOL UnionRect(RECT* dest, const RECT* a, const RECT* b) {
    if (!dest || !a || !b) {
        return FALSE;
    }
    const bool aEmpty = Empty(*a);
    const bool bEmpty = Empty(*b);
    if (aEmpty && bEmpty) {
        *dest = {};
        return FALSE;
    }
    if (aEmpty) {
        *dest = *b;
        return TRUE;
    }
    if (bEmpty) {
        *dest = *a;
        return TRUE;
    }
    *dest = {std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
             std::max(a->bottom, b->bottom)};
    return TRUE;
}

BOOL SubtractRect(RECT* dest, const RECT* a, const RECT* b) {
    if (!dest || !a || !b) {
        return FALSE;
    }
    RECT r = *a;
    RECT overlap;
    if (IntersectRect(&overlap, a, b)) {
        const bool fullWidth = overlap.left == a->left && overlap.right == a->right;
        const bool fullHeight = overlap.top == a->top && overlap.bottom == a->bottom;
        if (fullWidth && fullHeight) {
            r = {};
        } else if (fullWidth && overlap.top == a->top) {
            r.top = overlap.bottom;
        } else if (fullWidth && overlap.bottom == a->bottom) {
            r.bottom = overlap.top;
        } else if (fullHeight && overlap.left == a->left) {
            r.left = overlap.right;
        } else if (fullHeight && overlap.right == a->right) {
            r.right = overlap.left;
        }
    }
    *dest = r;
    return Empty(r) ? FALSE : TRUE;
}

} // namespace win
