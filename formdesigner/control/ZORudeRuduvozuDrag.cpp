// One left-button gesture at a time: the press chooses move, resize or rubber band from what it
// hits; drags update the inverted frames or the band and report where controls would go; the
// release applies the geometry in each control's own container, snapped to the grid on request.
//
//   press on                          gesture
//   a selected control's handle       resize (one control selected), else move
//   a body or a Line                  move; the press selects as a click does
//   nothing, Ctrl+container, draw     rubber band
//
// Everything runs inside the mouse hook, with the host's handlers between the drawing steps.

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "formdesigner/control/HitGeometry.h"
#include "formdesigner/control/LateReads.h"
#include "formdesigner/control/RefreshHold.h"

#include "platform/base/Rounding.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace layoutdesk {

namespace {

constexpr win::DWORD kGestureDcFlags = 0x412;

bool IsMove(int32_t hitCode) {
    return hitCode == HitBody || hitCode == HitLineBody;
}

// A control far out has edges pinned to 32 bits; the moved edges stay pinned instead of wrapping.
win::RECT Offset(const win::RECT& rect, int32_t dx, int32_t dy) {
    const auto add = [](int32_t edge, int32_t d) { return Round(static_cast<double>(edge) + d); };
    return {add(rect.left, dx), add(rect.top, dy), add(rect.right, dx), add(rect.bottom, dy)};
}

// Drags snap from half a unit of the container onwards, and only with AlignToGrid.
double Snap(double value, double step, bool align) {
    return align ? SnapToGrid(value, step, 0.5) : value;
}

} // namespace

ole::Ptr<ole::Object> ZORudeRuduvozu::SingleSelected() {
    if (!m_SelectedControls || m_SelectedControls->Count() != 1)
        return {};
    return ControlIn(m_SelectedControls->ItemAt(1));
}

void ZORudeRuduvozu::RaiseTracked(ole::DISPID eventId, const ole::Ptr<ole::Object>& control,
                                  const win::RECT& rect, bool lineForm) {
    const auto f = [](int32_t v) { return ole::Variant(static_cast<float>(v)); };
    std::array<ole::Variant, 5> args{ole::Variant(control), f(rect.left), f(rect.top),
                                     lineForm ? f(rect.right) : f(rect.right - rect.left),
                                     lineForm ? f(rect.bottom) : f(rect.bottom - rect.top)};
    RaiseEvent(eventId, args);
}

// ---- Press ----

void ZORudeRuduvozu::DesignMouseDown(win::HWND, float pointX, float pointY, bool ctrlDown, bool) {
    if (m_Mode == ksModeRun || !m_HasFocus)
        return;
    ole::Ptr<ZORudeRuduvozu> self(this);
    win::SetCapture(hWnd());
    m_IsCapturing = true;
    ClearStaleShapes();
    const int32_t X = Round(pointX);
    const int32_t Y = Round(pointY);
    const float x = static_cast<float>(X);
    const float y = static_cast<float>(Y);

    int32_t code = HitNone;
    ole::Ptr<ole::Object> hit = ControlFromPoint(pointX, pointY, true, code, false);
    if (hit) {
        if (code == HitBody && IsContainer(ole::Variant(hit))) {
            int32_t innerCode = HitNone;
            if (ole::Ptr<ole::Object> child =
                    ControlFromPoint(pointX, pointY, false, innerCode, true, hit)) {
                hit = child;
                code = innerCode;
            }
        }
    } else {
        hit = ControlFromPoint(pointX, pointY, false, code, true);
    }
    m_HitCode = code;

    if (!hit) {
        const std::vector<ole::Ptr<ole::Object>> contained = ContainedSnapshot();
        m_DragContainer = contained.empty() ? ole::Ptr<ole::Object>()
                                            : TryReadObject(contained.front(), "Container");
    } else if (ctrlDown && code == HitBody && IsContainer(ole::Variant(hit))) {
        if (m_SelectedControls->Count() == 0 || m_DragContainer.Lock().Get() == hit.Get()) {
            m_DragContainer = hit;
            m_HitCode = HitNone;
        }
    } else {
        m_DragContainer = TryReadObject(hit, "Container");
    }

    if (m_HitCode != HitNone && m_Mode != ksModeDraw) {
        SetHitCursor(m_HitCode);
        const ole::Variant control(hit);
        if (IsMove(m_HitCode)) {
            if (!IsSelected(control) && !ctrlDown)
                DeselectAllControl();
            if (IsSelected(control) && ctrlDown)
                DeselectControl(control);
            else
                SelectControl(control);
        } else {
            GetControlRect(hit, m_TrackRect);
        }
        if (IsSelected(control) && GetControlRect(hit, m_TrackRect)) {
            RunPendingPaints();
            win::WindowDc dc(hWnd(), win::GetDCEx(hWnd(), {}, kGestureDcFlags));
            DrawDragFrame(dc.Get(), m_TrackRect, IsLineControl(hit));
        }
    } else {
        m_HitCode = HitNone;
        m_TrackRect = {X, Y, X, Y};
        if (m_Mode != ksModeDraw && !ctrlDown)
            DeselectAllControl();
        if (hit && HasNameProperty(hit) && IsContainer(ole::Variant(hit)))
            m_DragContainer = hit;
        float startX = x;
        float startY = y;
        // A windowed hit control gets the press point in its own client area and scale.
        if (hit && HasWindowHandle(hit)) {
            ole::ResumeNext([&] {
                win::POINT pt{PixelsX(x), PixelsY(y)};
                win::ClientToScreen(hWnd(), &pt);
                win::ScreenToClient(win::HwndFromParam(ole::CLng(ReadMember(hit, "hWnd"))), &pt);
                const int32_t mode = ContainerScaleMode(hit);
                const int32_t pixels = forms::ModeValue(forms::ScaleMode::Pixels);
                startX = ToContainerUnits(hit, mode, static_cast<float>(pt.x), pixels, false, true);
                startY = ToContainerUnits(hit, mode, static_cast<float>(pt.y), pixels, true, true);
            });
        }
        std::array<ole::Variant, 3> args{ole::Variant(startX), ole::Variant(startY),
                                         ole::Variant(hit)};
        RaiseEvent(EvRubberBandStart, args);
        RunPendingPaints();
    }
    m_DragStartX = m_DragLastX = x;
    m_DragStartY = m_DragLastY = y;
}

// ---- Drag ----

void ZORudeRuduvozu::DesignMouseMove(win::HWND, float pointX, float pointY, bool, bool) {
    if (m_Mode == ksModeRun)
        return;
    ole::Ptr<ZORudeRuduvozu> self(this);
    SetHitCursor(HitNone);
    if (!m_IsCapturing) {
        if (m_Mode == ksModeSelect && m_SelectedControls && m_SelectedControls->Count() > 0) {
            int32_t code = HitNone;
            const ole::Ptr<ole::Object> over = ControlFromPoint(pointX, pointY, true, code, false);
            m_HitCode = code;
            if (over)
                SetHitCursor(m_SelectedControls->Count() > 1 ? HitBody : code);
        }
        ShowPointer();
        return;
    }
    const float x = static_cast<float>(std::max(Round(pointX), 0));
    const float y = static_cast<float>(std::max(Round(pointY), 0));
    if (m_HitCode == HitNone || m_Mode == ksModeDraw) {
        UpdateRubberBand(static_cast<float>(Round(x - m_DragLastX)),
                         static_cast<float>(Round(y - m_DragLastY)));
    } else {
        SetHitCursor(m_HitCode);
        const int32_t count = m_SelectedControls->Count();
        if (count < 2 && !IsMove(m_HitCode)) {
            const ole::Ptr<ole::Object> control = SingleSelected();
            if (control && !IsLocked(ole::Variant(control))) {
                UpdateDragFrame(m_HitCode, static_cast<float>(Round(x - m_DragLastX)),
                                static_cast<float>(Round(y - m_DragLastY)));
                RaiseTracked(EvControlResizing, control, m_TrackRect, IsLineControl(control));
            }
        } else {
            MoveFrames(Round(x - m_DragStartX), Round(y - m_DragStartY));
        }
    }
    m_DragLastX = x;
    m_DragLastY = y;
}

// The hook claims every move over the surface, so no WM_SETCURSOR follows one: the pointer the
// surface now has is put up here, as the platform would over the designer's client area.
void ZORudeRuduvozu::ShowPointer() {
    if (const win::HWND own = hWnd())
        win::SendMessageA(own, win::WM_SETCURSOR, static_cast<win::WPARAM>(own.Value()),
                          win::MAKELPARAM(win::HTCLIENT, win::WM_MOUSEMOVE));
}

// Each selected control that can move (alive, named, not locked, placeable) with its rectangle,
// checked as the walk reaches it: the host's handlers run between the steps.
void ZORudeRuduvozu::ForEachMovable(
    const std::function<void(const ole::Ptr<ole::Object>&, const win::RECT&)>& step) {
    for (const uint32_t id : SelectedSnapshot()) {
        const ole::Ptr<ole::Object> control = ole::ObjectFromPtr(id);
        if (!control || !HasNameProperty(control) || IsLocked(ole::Variant(control)))
            continue;
        win::RECT rect{};
        if (GetControlRect(control, rect))
            step(control, rect);
    }
}

void ZORudeRuduvozu::MoveFrames(int32_t dx, int32_t dy) {
    win::WindowDc dc(hWnd(), win::GetDCEx(hWnd(), {}, kGestureDcFlags));
    EraseShapes(dc.Get());
    ForEachMovable([&](const ole::Ptr<ole::Object>& control, const win::RECT& rect) {
        m_TrackRect = Offset(rect, dx, dy);
        RaiseTracked(EvControlMoving, control, m_TrackRect, false);
        DrawDragFrame(dc.Get(), m_TrackRect, IsLineControl(control));
    });
}

// ---- Release ----

// The whole release runs under LockRefresh; one flush repaints what it changed.
void ZORudeRuduvozu::DesignMouseUp(win::HWND, float pointX, float pointY, bool, bool) {
    ole::Ptr<ZORudeRuduvozu> self(this);
    {
        RefreshHold hold(*this);
        EndGesture(Round(pointX), Round(pointY));
    }
    FlushDirtyRect();
}

// Run mode takes no more mouse messages, so a gesture a host handler switched to it in the middle
// of would keep the capture and its shapes for good.
void ZORudeRuduvozu::AbandonGesture() {
    if (!m_IsCapturing)
        return;
    m_IsCapturing = false;
    if (win::GetCapture() == hWnd())
        win::ReleaseCapture();
    EraseShapes();
}

void ZORudeRuduvozu::EndGesture(int32_t X, int32_t Y) {
    if (m_Mode == ksModeRun || !m_IsCapturing)
        return;
    m_IsCapturing = false;
    win::ReleaseCapture();
    if (m_HitCode != HitNone && m_Mode != ksModeDraw) {
        EraseShapes();
        // The frames stopped at the surface's edge; the release lands where they were shown.
        if (m_SelectedControls->Count() > 1 || IsMove(m_HitCode))
            ReleaseMove(std::max(X, 0), std::max(Y, 0));
        else
            ReleaseResize();
    } else {
        ReleaseBand();
    }
}

void ZORudeRuduvozu::ReleaseMove(int32_t X, int32_t Y) {
    const int32_t dx = Round(static_cast<float>(X) - m_DragStartX);
    const int32_t dy = Round(static_cast<float>(Y) - m_DragStartY);
    if (dx == 0 && dy == 0)
        return;
    ForEachMovable([&](const ole::Ptr<ole::Object>& control, const win::RECT& rect) {
        m_TrackRect = Offset(rect, dx, dy);
        AddDirtyRect(control);
        ApplyDrag(control, m_TrackRect, IsLineControl(control));
        AddDirtyRect(control);
        RaiseWithControl(EvControlMoved, control);
    });
}

void ZORudeRuduvozu::ReleaseResize() {
    const ole::Ptr<ole::Object> control = SingleSelected();
    if (!control)
        return;
    if (!IsLineControl(control))
        NormalizeRect(m_TrackRect);
    // The opposite edge stays where it is.
    m_TrackRect.left = std::max(m_TrackRect.left, 0);
    m_TrackRect.top = std::max(m_TrackRect.top, 0);
    if (!IsLocked(ole::Variant(control))) {
        AddDirtyRect(control);
        ApplyDrag(control, m_TrackRect, true);
        AddDirtyRect(control);
    }
    RaiseWithControl(EvControlResized, control);
}

// RubberBandEnd reports the band normalised (its top-left corner and extents of 0 or more), in
// the coordinates and scale mode of the container it was drawn in.
void ZORudeRuduvozu::ReleaseBand() {
    NormalizeRect(m_TrackRect);
    EraseShapes();
    win::POINT pt{PixelsX(static_cast<float>(m_TrackRect.left)),
                  PixelsY(static_cast<float>(m_TrackRect.top))};
    const ole::Ptr<ole::Object> container = m_DragContainer.Lock();
    if (container && !IsThisDesigner(container)) {
        ole::ResumeNext([&] {
            const win::HWND hwnd = win::HwndFromParam(ole::CLng(ReadMember(container, "hWnd")));
            win::POINT screen = pt;
            win::ClientToScreen(hWnd(), &screen);
            if (win::ScreenToClient(hwnd, &screen))
                pt = screen;
        });
    }
    const int32_t mode = ContainerScaleMode(container);
    const int32_t pixels = forms::ModeValue(forms::ScaleMode::Pixels);
    const float width = static_cast<float>(m_TrackRect.right - m_TrackRect.left);
    const float height = static_cast<float>(m_TrackRect.bottom - m_TrackRect.top);
    std::array<ole::Variant, 5> args{
        ole::Variant(
            ToContainerUnits(container, mode, static_cast<float>(pt.x), pixels, false, true)),
        ole::Variant(
            ToContainerUnits(container, mode, static_cast<float>(pt.y), pixels, true, true)),
        ole::Variant(ToContainerUnits(container, mode, width, ScaleMode(), false, false)),
        ole::Variant(ToContainerUnits(container, mode, height, ScaleMode(), true, false)),
        ole::Variant(container)};
    RaiseEvent(EvRubberBandEnd, args);
    if (m_Mode == ksModeSelect)
        SelectControlsInRect(ToPixels(m_TrackRect), container);
}

// ---- Applying geometry ----

void ZORudeRuduvozu::ApplyDrag(const ole::Ptr<ole::Object>& control, const win::RECT& rect,
                               bool setSize) {
    float offsetX = 0;
    float offsetY = 0;
    if (!ContainerOffset(control, offsetX, offsetY))
        return;
    const ole::Ptr<ole::Object> container = TryReadObject(control, "Container");
    const int32_t mode = ContainerScaleMode(container);
    const int32_t own = ScaleMode();
    const auto place = [&](int32_t edge, float offset, bool vertical) -> double {
        return ToContainerUnits(container, mode, static_cast<float>(edge - Round(offset)), own,
                                vertical, true);
    };
    const double l = place(rect.left, offsetX, false);
    const double r = place(rect.right, offsetX, false);
    const double t = place(rect.top, offsetY, true);
    const double b = place(rect.bottom, offsetY, true);
    const double gx = ToContainerUnits(container, mode, m_GridSizeX, own, false, false);
    const double gy = ToContainerUnits(container, mode, m_GridSizeY, own, true, false);
    const bool align = m_AlignToGrid;
    const auto single = [](double v) { return ole::Variant(static_cast<float>(v)); };

    bool failed = false;
    const auto step = [&](const auto& write) {
        try {
            write();
        } catch (const ole::Error&) {
            failed = true;
        }
    };
    if (IsLineControl(control)) {
        step([&] { WriteMember(control, "X1", single(Snap(l, gx, align))); });
        step([&] { WriteMember(control, "Y1", single(Snap(t, gy, align))); });
        if (setSize) {
            step([&] { WriteMember(control, "X2", single(Snap(r, gx, align))); });
            step([&] { WriteMember(control, "Y2", single(Snap(b, gy, align))); });
        }
        return;
    }
    const double left = Snap(l, gx, align);
    const double top = Snap(t, gy, align);
    double width = r - l;
    double height = b - t;
    if (align) {
        width = SnapSizeToGrid(width, gx, 0.5);
        height = SnapSizeToGrid(height, gy, 0.5);
    }
    std::vector<ole::Variant> args{single(left), single(top)};
    if (setSize) {
        args.push_back(single(width));
        args.push_back(single(height));
    }
    step([&] { ole::CallMethod(ole::Variant(control), "Move", args); });
    if (!failed)
        return;
    ole::ResumeNext([&] { WriteMember(control, "Left", args[0]); });
    ole::ResumeNext([&] { WriteMember(control, "Top", args[1]); });
    if (setSize) {
        ole::ResumeNext([&] { WriteMember(control, "Width", args[2]); });
        ole::ResumeNext([&] { WriteMember(control, "Height", args[3]); });
    }
}

} // namespace layoutdesk
