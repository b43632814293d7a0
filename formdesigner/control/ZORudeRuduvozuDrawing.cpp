// The gesture's inverting shapes: drag frames (R2_NOT, white pens from the resource cache) and the
// dotted rubber band (R2_XORPEN in the surface's ForeColor). Every shape drawn is recorded in
// m_shapes and erased from there, so the screen always gets back what it had.

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "formdesigner/control/HitGeometry.h"

#include "shared/util/ColorUtils.h"

#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"

#include <utility>

namespace layoutdesk {

namespace {

// DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE: no child is excluded, so the shapes cover
// the hosted controls' pixels.
constexpr win::DWORD kGestureDcFlags = 0x412;
constexpr win::COLORREF kWhite = 0x00FFFFFF;

} // namespace

void ZORudeRuduvozu::InvertFrame(win::HDC hdc, const InvertedShapes::Frame& frame) {
    if (!hdc || !m_ResourceMgr)
        return;
    const win::HPEN pen = frame.line ? m_ResourceMgr->GetPen(kWhite, "DragLine", win::PS_SOLID, 1)
                                     : m_ResourceMgr->GetPen(kWhite, "DragRect", win::PS_SOLID, 2);
    win::SavedDc saved(hdc);
    win::SelectObject(hdc, pen);
    win::SelectObject(hdc, win::GetStockObject(win::NULL_BRUSH));
    win::SetROP2(hdc, win::R2_NOT);
    const win::RECT& r = frame.pixels;
    if (frame.line) {
        win::MoveToEx(hdc, r.left, r.top, nullptr);
        win::LineTo(hdc, r.right, r.bottom);
    } else {
        win::Rectangle(hdc, r.left, r.top, r.right, r.bottom);
    }
}

void ZORudeRuduvozu::InvertBand(win::HDC hdc, const win::RECT& pixels) {
    if (!hdc || !m_ResourceMgr)
        return;
    const win::HPEN pen = m_ResourceMgr->GetPen(shared::TranslateColor(ForeColor()),
                                                "RubberBandRectPen", win::PS_DOT, 1);
    win::SavedDc saved(hdc);
    win::SelectObject(hdc, pen);
    win::SelectObject(hdc, win::GetStockObject(win::NULL_BRUSH));
    win::SetROP2(hdc, win::R2_XORPEN);
    win::Rectangle(hdc, pixels.left, pixels.top, pixels.right, pixels.bottom);
}

win::RECT ZORudeRuduvozu::ToPixels(const win::RECT& units) const {
    return {PixelsX(static_cast<float>(units.left)), PixelsY(static_cast<float>(units.top)),
            PixelsX(static_cast<float>(units.right)), PixelsY(static_cast<float>(units.bottom))};
}

// A gesture that a handler ended meanwhile (a release it pumped, a change to run mode) draws
// nothing more: no pass would erase it.
void ZORudeRuduvozu::DrawDragFrame(win::HDC hdc, const win::RECT& rect, bool bLine) {
    if (!hdc || !m_IsCapturing)
        return;
    const InvertedShapes::Frame frame{ToPixels(rect), bLine};
    InvertFrame(hdc, frame);
    m_shapes.AddFrame(frame.pixels, frame.line);
}

// Shapes a paint may have taken off the screen in part cannot be erased by inverting them again;
// a repaint of everything takes them off instead.
void ZORudeRuduvozu::EraseShapes(win::HDC hdc) {
    if (std::exchange(m_shapesPainted, false)) {
        ClearStaleShapes();
        return;
    }
    for (const InvertedShapes::Frame& frame : m_shapes.TakeFrames())
        InvertFrame(hdc, frame);
    if (const std::optional<win::RECT> band = m_shapes.TakeBand())
        InvertBand(hdc, *band);
}

void ZORudeRuduvozu::InvertRecordedShapes() {
    if (m_shapes.Empty())
        return;
    win::WindowDc dc(hWnd(), win::GetDCEx(hWnd(), {}, kGestureDcFlags));
    for (const InvertedShapes::Frame& frame : m_shapes.Frames())
        InvertFrame(dc.Get(), frame);
    if (const std::optional<win::RECT>& band = m_shapes.Band())
        InvertBand(dc.Get(), *band);
}

void ZORudeRuduvozu::EraseShapes() {
    win::WindowDc dc(hWnd(), win::GetDCEx(hWnd(), {}, kGestureDcFlags));
    EraseShapes(dc.Get());
}

void ZORudeRuduvozu::UpdateDragFrame(int32_t hit, float dx, float dy) {
    float left = static_cast<float>(m_TrackRect.left);
    float top = static_cast<float>(m_TrackRect.top);
    float right = static_cast<float>(m_TrackRect.right);
    float bottom = static_cast<float>(m_TrackRect.bottom);
    bool line = false;
    switch (hit) {
    case HitLeft:
        left += dx;
        break;
    case HitTop:
        top += dy;
        break;
    case HitRight:
        right += dx;
        break;
    case HitBottom:
        bottom += dy;
        break;
    case HitTopLeft:
        left += dx;
        top += dy;
        break;
    case HitTopRight:
        right += dx;
        top += dy;
        break;
    case HitBottomRight:
        right += dx;
        bottom += dy;
        break;
    case HitBottomLeft:
        left += dx;
        bottom += dy;
        break;
    case HitLineStart:
        left += dx;
        top += dy;
        line = true;
        break;
    case HitLineEnd:
        right += dx;
        bottom += dy;
        line = true;
        break;
    default:
        break;
    }
    win::WindowDc dc(hWnd(), win::GetDCEx(hWnd(), {}, kGestureDcFlags));
    EraseShapes(dc.Get());
    m_TrackRect = {Round(left), Round(top), Round(right), Round(bottom)};
    DrawDragFrame(dc.Get(), m_TrackRect, line);
}

void ZORudeRuduvozu::DrawRubberBand(const win::RECT& rect) {
    if (!m_IsCapturing)
        return;
    win::WindowDc dc(hWnd(), win::GetDCEx(hWnd(), {}, kGestureDcFlags));
    if (!dc.Get())
        return;
    win::RECT pixels = ToPixels(rect);
    NormalizeRect(pixels);
    InvertBand(dc.Get(), pixels);
    m_shapes.SetBand(pixels);
}

// The band's start corner never moves.
void ZORudeRuduvozu::UpdateRubberBand(float dx, float dy) {
    EraseShapes();
    m_TrackRect.right = Round(static_cast<float>(m_TrackRect.right) + dx);
    m_TrackRect.bottom = Round(static_cast<float>(m_TrackRect.bottom) + dy);
    DrawRubberBand(m_TrackRect);
}

// A gesture whose release never came back here (the capture went to a host's modal loop and the
// button went up elsewhere) may have left its shapes on the screen, or the repaints since may
// have taken some of them. Inverting them again cannot tell which; a repaint gives the true
// pixels either way.
void ZORudeRuduvozu::ClearStaleShapes() {
    m_shapesPainted = false;
    if (m_shapes.Empty())
        return;
    m_shapes.Forget();
    if (const win::HWND hwnd = hWnd())
        win::RedrawWindow(hwnd, nullptr, {},
                          win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_ALLCHILDREN |
                              win::RDW_UPDATENOW);
}

void ZORudeRuduvozu::RunPendingPaints() {
    if (const win::HWND hwnd = hWnd())
        win::RedrawWindow(hwnd, nullptr, {}, win::RDW_UPDATENOW | win::RDW_ALLCHILDREN);
}

} // namespace layoutdesk
