#pragma once

#include "platform/win/WinTypes.h"

namespace win::gdi {

class DeviceContext;

// The one place that knows the classic three-dimensional look: which system colour each ring of
// an edge uses, how window frames and captions are built. Window frames, DrawEdge and (later)
// buttons and frame controls ask it instead of doing bevel arithmetic of their own.
class ClassicPainter {
public:
    // Rings of one pixel, outer then inner; rect shrinks when BF_ADJUST is given.
    static void DrawEdge(DeviceContext& dc, RECT& rect, UINT edge, UINT flags);

    // A one-pixel rectangle outline; rect shrinks by one on each side.
    static void DrawOutline(DeviceContext& dc, RECT& rect, COLORREF color);

    // A raised window frame of the given thickness (2-pixel raised edge, the rest face-coloured);
    // rect shrinks to the inside.
    static void DrawWindowFrame(DeviceContext& dc, RECT& rect, int thickness);

    // A caption bar filling rect (its last row separates it from the client area).
    static void DrawCaption(DeviceContext& dc, const RECT& rect, bool active);

    // The area reserved for scroll bars until a scroll bar draws there.
    static void DrawScrollBarPlaceholder(DeviceContext& dc, const RECT& rect);

private:
    static void DrawRing(DeviceContext& dc, const RECT& rect, COLORREF topLeft,
                         COLORREF bottomRight, UINT sides);
};

} // namespace win::gdi
