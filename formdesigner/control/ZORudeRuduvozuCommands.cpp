// Align and size commands over the selection: every eligible control (named, not locked), in
// selection order, changed through its own properties in its container's units, reported, and
// repainted with one flush at the end.

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "formdesigner/control/HitGeometry.h"
#include "formdesigner/control/LateReads.h"
#include "formdesigner/library/LayoutdeskErrors.h"

#include "platform/ole/error/Error.h"

#include <cmath>
#include <functional>
#include <optional>
#include <utility>

namespace layoutdesk {

namespace {

void Write(const ole::Ptr<ole::Object>& control, const char* name, double value) {
    WriteMember(control, name, ole::Variant(static_cast<float>(value)));
}

} // namespace

bool ZORudeRuduvozu::Eligible(const ole::Ptr<ole::Object>& control) {
    return control && HasNameProperty(control) && !IsLocked(ole::Variant(control));
}

void ZORudeRuduvozu::ChangeEachEligible(
    const std::function<void(const ole::Ptr<ole::Object>&)>& change, ole::DISPID eventAfter) {
    ole::Ptr<ZORudeRuduvozu> self(this);
    for (const uint32_t id : SelectedSnapshot()) {
        const ole::Ptr<ole::Object> control = ole::ObjectFromPtr(id);
        if (!Eligible(control))
            continue;
        AddDirtyRect(control);
        change(control);
        AddDirtyRect(control);
        if (eventAfter)
            RaiseWithControl(eventAfter, control);
    }
    FlushDirtyRect();
}

void ZORudeRuduvozu::AlignSelectedControls(int32_t eAlignType) {
    PurgeDeadControls();
    if (!m_SelectedControls || m_SelectedControls->Count() == 0)
        return;
    ole::Ptr<ZORudeRuduvozu> self(this);
    // The most recently selected control is the reference. A locked one is read for its edges
    // but does not move itself; when its edges cannot be read nothing lines up with them.
    const ole::Ptr<ole::Object> reference =
        ControlIn(m_SelectedControls->ItemAt(m_SelectedControls->Count()));
    std::optional<AlignEdges> edges;
    {
        try {
            AlignEdges e;
            if (IsLineControl(reference)) {
                e = {ReadSingle(reference, "X1"), ReadSingle(reference, "Y1"),
                     ReadSingle(reference, "X2"), ReadSingle(reference, "Y2")};
                if (e.left > e.right)
                    std::swap(e.left, e.right);
                if (e.top > e.bottom)
                    std::swap(e.top, e.bottom);
            } else {
                e.left = ReadSingle(reference, "Left");
                e.top = ReadSingle(reference, "Top");
                e.right = e.left + ReadSingle(reference, "Width");
                e.bottom = e.top + ReadSingle(reference, "Height");
            }
            edges = e;
        } catch (const ole::Error&) {
        }
    }
    if (eAlignType < ksAlignLeft || eAlignType > ksAlignGrid ||
        (eAlignType != ksAlignGrid && !edges))
        return;
    ChangeEachEligible(
        [&](const ole::Ptr<ole::Object>& control) {
            if (eAlignType == ksAlignGrid)
                AlignToGridOf(control);
            else if (IsLineControl(control))
                AlignLine(control, eAlignType, *edges);
            else
                AlignEdge(control, eAlignType, *edges);
        },
        EvControlMoved);
}

void ZORudeRuduvozu::AlignEdge(const ole::Ptr<ole::Object>& control, int32_t eAlignType,
                               const AlignEdges& edges) {
    switch (eAlignType) {
    case ksAlignLeft:
        Write(control, "Left", edges.left);
        break;
    case ksAlignTop:
        Write(control, "Top", edges.top);
        break;
    case ksAlignRight:
        Write(control, "Left", edges.right - ReadSingle(control, "Width"));
        break;
    default:
        Write(control, "Top", edges.bottom - ReadSingle(control, "Height"));
        break;
    }
}

// The end on the aligned side goes to the reference edge and the other keeps the line's extent.
void ZORudeRuduvozu::AlignLine(const ole::Ptr<ole::Object>& line, int32_t eAlignType,
                               const AlignEdges& edges) {
    const bool horizontal = eAlignType == ksAlignLeft || eAlignType == ksAlignRight;
    const char* first = horizontal ? "X1" : "Y1";
    const char* second = horizontal ? "X2" : "Y2";
    const float a = ReadSingle(line, first);
    const float b = ReadSingle(line, second);
    const float extent = std::fabs(b - a);
    const bool ascending = a < b;
    switch (eAlignType) {
    case ksAlignLeft:
    case ksAlignTop: {
        const float edge = eAlignType == ksAlignLeft ? edges.left : edges.top;
        Write(line, ascending ? first : second, edge);
        Write(line, ascending ? second : first, edge + extent);
        break;
    }
    default: {
        const float edge = eAlignType == ksAlignRight ? edges.right : edges.bottom;
        Write(line, ascending ? second : first, edge);
        Write(line, ascending ? first : second, edge - extent);
        break;
    }
    }
}

void ZORudeRuduvozu::AlignToGridOf(const ole::Ptr<ole::Object>& control) {
    const ole::Ptr<ole::Object> container = ReadObject(control, "Container");
    const int32_t mode = ContainerScaleMode(container);
    const int32_t own = ScaleMode();
    const double gx = ToContainerUnits(container, mode, m_GridSizeX, own, false, false);
    const double gy = ToContainerUnits(container, mode, m_GridSizeY, own, true, false);
    const double hx = ToContainerUnits(container, mode, 0.5F, own, false, false);
    const double hy = ToContainerUnits(container, mode, 0.5F, own, true, false);
    if (IsLineControl(control)) {
        for (const char* x : {"X1", "X2"})
            Write(control, x, SnapToGrid(ReadSingle(control, x), gx, hx));
        for (const char* y : {"Y1", "Y2"})
            Write(control, y, SnapToGrid(ReadSingle(control, y), gy, hy));
        return;
    }
    Write(control, "Left", SnapToGrid(ReadSingle(control, "Left"), gx, hx));
    Write(control, "Top", SnapToGrid(ReadSingle(control, "Top"), gy, hy));
    Write(control, "Width", SnapSizeToGrid(ReadSingle(control, "Width"), gx, hx));
    Write(control, "Height", SnapSizeToGrid(ReadSingle(control, "Height"), gy, hy));
}

void ZORudeRuduvozu::ResizeSelectedControls(int32_t eResizeType, float newValue) {
    PurgeDeadControls();
    if (!m_SelectedControls || m_SelectedControls->Count() == 0)
        return;
    if (eResizeType < ksSizeHorzAbsolute || eResizeType > ksSizeVertExpandToLargest)
        return;
    ole::Ptr<ZORudeRuduvozu> self(this);
    const bool horizontal = eResizeType <= ksSizeHorzExpandToLargest;
    const char* from = horizontal ? "X1" : "Y1";
    const char* to = horizontal ? "X2" : "Y2";
    const char* extent = horizontal ? "Width" : "Height";
    float size = newValue;
    if (!(newValue >= 0)) {
        if (eResizeType == ksSizeHorzAbsolute || eResizeType == ksSizeVertAbsolute)
            ole::RaiseError(errors::InvalidResizing, errors::kSource);
        const bool shrink =
            eResizeType == ksSizeHorzShrinkToSmallest || eResizeType == ksSizeVertShrinkToSmallest;
        size = shrink ? 100000.0F : -1.0F;
        for (const uint32_t id : SelectedSnapshot()) {
            const ole::Ptr<ole::Object> control = ole::ObjectFromPtr(id);
            if (!Eligible(control))
                continue;
            try {
                const float measure =
                    IsLineControl(control)
                        ? std::fabs(ReadSingle(control, to) - ReadSingle(control, from))
                        : ReadSingle(control, extent);
                if (shrink ? measure < size : measure > size)
                    size = measure;
            } catch (const ole::Error&) {
            }
        }
    }
    ChangeEachEligible([&](const ole::Ptr<ole::Object>& control) {
        try {
            if (IsLineControl(control)) {
                // The left (top) end stays.
                const float a = ReadSingle(control, from);
                const float b = ReadSingle(control, to);
                if (a < b)
                    Write(control, to, a + size);
                else
                    Write(control, from, b + size);
            } else {
                Write(control, extent, size);
                RaiseWithControl(EvControlResized, control);
            }
        } catch (const ole::Error&) {
        }
    });
}

} // namespace layoutdesk
