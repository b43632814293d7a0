#include "propertylist/control/splitter/CSplitter.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"
#include "propertylist/control/GridGeometry.h"
#include "propertylist/control/splitter/GhostBar.h"

#include <algorithm>
#include <cmath>

namespace attrgrid {

// One step of a layout: a pane that refuses a value must not keep the other pane or the event
// from happening.
using ole::ResumeNext;

namespace {

constexpr int16_t kDefaultPointer = 0;
constexpr int16_t kSizeNorthSouth = 7;
constexpr int16_t kSizeWestEast = 9;
constexpr float kMinPanePixels = 4;

enum Member : ole::DISPID {
    Init = 1,
    LockedId,
    OrientationId,
    SplitterbarSizeId,
    SplitterLocationId,
    ContainerDblClickId,
    ContainerMouseDownId,
    ContainerMouseMoveId,
    ContainerMouseUpId,
    ContainerResizeId,
    HidePaneId,
};

bool HidesFirst(int32_t hidePane) {
    return hidePane == 1 || hidePane == 3;
}
bool HidesSecond(int32_t hidePane) {
    return hidePane == 2 || hidePane == 4;
}

void Place(forms::Control& pane, float left, float top, float width, float height) {
    pane.Move(left, ole::Variant(top), ole::Variant(std::max(0.0f, width)),
              ole::Variant(std::max(0.0f, height)));
}

} // namespace

CSplitter::CSplitter() : m_events(Info(), this) {}

ole::Ptr<CSplitter> CSplitter::Create() {
    return ole::MakeObject<CSplitter>();
}

const ole::ClassInfo& CSplitter::Info() {
    using S = CSplitter;
    using ole::Arg;
    using ole::Params;
    static const ole::ClassInfo info =
        ole::ClassBuilder<S>("CSplitter")
            .Library("Attrgrid")
            .Method("init", Init, &S::init,
                    Params({Arg("Container"), Arg("Pane1"), Arg("Pane2"), Arg("Orientation")}))
            .Property("Locked", LockedId, &S::GetLocked, &S::LetLocked)
            .Property("Orientation", OrientationId, &S::GetOrientation, &S::LetOrientation)
            .Property("SplitterbarSize", SplitterbarSizeId, &S::GetSplitterbarSize,
                      &S::LetSplitterbarSize)
            .Property("SplitterLocation", SplitterLocationId, &S::GetSplitterLocation,
                      &S::LetSplitterLocation)
            .Method("ContainerDblClick", ContainerDblClickId, &S::ContainerDblClick)
            .Method("ContainerMouseDown", ContainerMouseDownId, &S::ContainerMouseDown,
                    Params({Arg("Button"), Arg("Shift"), Arg("X"), Arg("Y")}))
            .Method("ContainerMouseMove", ContainerMouseMoveId, &S::ContainerMouseMove,
                    Params({Arg("Button"), Arg("Shift"), Arg("X"), Arg("Y")}))
            .Method("ContainerMouseUp", ContainerMouseUpId, &S::ContainerMouseUp,
                    Params({Arg("Button"), Arg("Shift"), Arg("X"), Arg("Y")}))
            .Method("ContainerResize", ContainerResizeId, &S::ContainerResize)
            .Let("HidePane", HidePaneId, &S::LetHidePane)
            .Event("LocationChanged", LocationChanged)
            .Event("SplitterDblClick", SplitterDblClick)
            .Build();
    return info;
}

void CSplitter::init(const ole::Ptr<forms::PictureBox>& container,
                     const ole::Ptr<forms::Control>& pane1, const ole::Ptr<forms::Control>& pane2,
                     int32_t orientation) {
    m_container = container;
    m_pane1 = pane1;
    m_pane2 = pane2;
    const bool horizontal = orientation == Horizontal;
    if (container) {
        const ole::Variant fromPixels(forms::ModeValue(forms::ScaleMode::Pixels));
        const ole::Variant toContainer(container->GetScaleMode());
        const float frame =
            horizontal
                ? container->DoScaleY(static_cast<float>(win::GetSystemMetrics(win::SM_CYFRAME)),
                                      fromPixels, toContainer)
                : container->DoScaleX(static_cast<float>(win::GetSystemMetrics(win::SM_CXFRAME)),
                                      fromPixels, toContainer);
        m_barSize = grid::ToBarSize(frame);
        const float extent = horizontal ? container->GetScaleHeight() : container->GetScaleWidth();
        m_location = extent / 2 - m_barSize;
    }
    // The location is already measured along the new axis, so no carry-over applies.
    m_orientation = orientation;
    UpdateContainerPointer();
    LetSplitterLocation(m_location);
}

bool CSplitter::GetLocked() const {
    return m_locked;
}

void CSplitter::LetLocked(bool locked) {
    m_locked = locked;
    UpdateContainerPointer();
}

int32_t CSplitter::GetOrientation() const {
    return m_orientation;
}

void CSplitter::LetOrientation(int32_t orientation) {
    if (orientation != m_orientation) {
        const ole::Ptr<forms::PictureBox> container = ContainerObject();
        if (container) {
            const double oldExtent = SplitExtent(*container);
            m_orientation = orientation;
            const double newExtent = SplitExtent(*container);
            const double carried = oldExtent > 0
                                       ? std::trunc(double{m_location} * newExtent / oldExtent)
                                       : double{m_location};
            LetSplitterLocation(static_cast<float>(carried));
        } else {
            m_orientation = orientation;
            LetSplitterLocation(m_location);
        }
    }
    UpdateContainerPointer();
}

int16_t CSplitter::GetSplitterbarSize() const {
    return m_barSize;
}

void CSplitter::LetSplitterbarSize(int16_t size) {
    m_barSize = size;
}

float CSplitter::GetSplitterLocation() const {
    return m_location;
}

void CSplitter::LetSplitterLocation(float location) {
    PlaceBar(location, true);
}

void CSplitter::LimitSplitterLocation(float location) {
    PlaceBar(location, false);
}

void CSplitter::PlaceBar(float location, bool keepProportion) {
    float clamped = location;
    if (const ole::Ptr<forms::PictureBox> container = ContainerObject()) {
        const float minExtent = MinPaneExtent(*container);
        const float farLimit = SplitExtent(*container) - m_barSize - minExtent;
        if (location >= minExtent && location < farLimit)
            clamped = location;
        else if (location < minExtent)
            clamped = minExtent;
        else
            clamped = farLimit;
        // A container too small for both minimum panes still keeps the bar on it.
        clamped = std::max(0.0f, clamped);
        const float extent = SplitExtent(*container);
        if (keepProportion && extent > 0 && extent >= m_barSize + 2 * minExtent)
            m_proportion = double{clamped} / extent;
    }
    if (clamped != m_location) {
        m_previousLocation = m_location;
        m_location = clamped;
    }
    LayoutPanes();
}

void CSplitter::LetHidePane(int32_t hidePane) {
    if (hidePane == m_hidePane)
        return;
    m_hidePane = hidePane;
    LayoutPanes();
}

int32_t CSplitter::GetHidePane() const {
    return m_hidePane;
}

void CSplitter::ContainerDblClick() {
    if (m_orientation == Horizontal) {
        if (!m_locked)
            LetSplitterLocation(m_previousLocation);
        return;
    }
    const ole::Ptr<CSplitter> self(this);
    m_events.Raise(SplitterDblClick);
}

void CSplitter::ContainerMouseDown(int16_t /*button*/, int16_t /*shift*/, float x, float y) {
    if (m_dragging || m_locked || !ContainerObject())
        return;
    CaptureSplitter(true);
    m_dragBarPosition = m_location;
    m_lastMousePosition = AxisCoordinate(x, y);
    DrawSplitterBar(m_dragBarPosition);
}

void CSplitter::ContainerMouseMove(int16_t button, int16_t /*shift*/, float x, float y) {
    if (!m_dragging)
        return;
    const ole::Ptr<forms::PictureBox> container = ContainerObject();
    // The release went elsewhere (capture taken away, or the button came up unseen).
    if (button == 0 || !container || win::GetCapture() != container->Window()) {
        AbandonDrag();
        return;
    }
    DrawSplitterBar(m_dragBarPosition);
    const float coordinate = AxisCoordinate(x, y);
    m_dragBarPosition -= m_lastMousePosition - coordinate;
    m_lastMousePosition = coordinate;
    DrawSplitterBar(m_dragBarPosition);
}

void CSplitter::ContainerMouseUp(int16_t /*button*/, int16_t /*shift*/, float x, float y) {
    if (!m_dragging)
        return;
    const ole::Ptr<forms::PictureBox> container = ContainerObject();
    if (!container || win::GetCapture() != container->Window()) {
        AbandonDrag();
        return;
    }
    DrawSplitterBar(m_dragBarPosition);
    const float coordinate = AxisCoordinate(x, y);
    m_dragBarPosition -= m_lastMousePosition - coordinate;
    m_lastMousePosition = coordinate;
    // Released first: the layout raises LocationChanged, whose handlers may show dialogs.
    CaptureSplitter(false);
    LetSplitterLocation(m_dragBarPosition);
}

void CSplitter::ContainerResize() {
    const ole::Ptr<forms::PictureBox> container = ContainerObject();
    if (!container)
        return;
    // The proportion comes from the last placement with room for both panes: a container made
    // (nearly) nothing high clamps the bar, and scaling that clamped location would lose it.
    if (m_proportion < 0) {
        LayoutPanes();
        return;
    }
    PlaceBar(static_cast<float>(m_proportion * SplitExtent(*container)), false);
}

void CSplitter::ContainerCaptureLost() {
    if (m_dragging)
        AbandonDrag();
}

bool CSplitter::Dragging() const {
    return m_dragging;
}

ole::Ptr<forms::PictureBox> CSplitter::ContainerObject() const {
    ole::Ptr<forms::PictureBox> container = m_container.Lock();
    if (container && !container->IsAlive())
        return {};
    return container;
}

void CSplitter::LayoutPanes() {
    const ole::Ptr<CSplitter> self(this);
    if (const ole::Ptr<forms::PictureBox> container = ContainerObject()) {
        const float width = container->GetScaleWidth();
        const float height = container->GetScaleHeight();
        ole::Ptr<forms::Control> first = m_pane1.Lock();
        ole::Ptr<forms::Control> second = m_pane2.Lock();
        if (HidesFirst(m_hidePane) || HidesSecond(m_hidePane)) {
            if (HidesSecond(m_hidePane))
                std::swap(first, second);
            if (first)
                ResumeNext([&] { first->SetVisible(false); });
            // Shown too: switching straight from hiding one pane to hiding the other must
            // not leave both hidden.
            if (second)
                ResumeNext([&] {
                    Place(*second, 0, 0, width, height);
                    second->SetVisible(true);
                });
        } else {
            const float far = m_location + m_barSize;
            const bool horizontal = m_orientation == Horizontal;
            if (first)
                ResumeNext([&] {
                    if (horizontal)
                        Place(*first, 0, 0, width, m_location);
                    else
                        Place(*first, 0, 0, m_location, height);
                    first->SetVisible(true);
                });
            if (second)
                ResumeNext([&] {
                    if (horizontal)
                        Place(*second, 0, far, width, height - far);
                    else
                        Place(*second, far, 0, width - far, height);
                    second->SetVisible(true);
                });
        }
    }
    m_events.Raise(LocationChanged);
}

void CSplitter::UpdateContainerPointer() {
    const ole::Ptr<forms::PictureBox> container = ContainerObject();
    if (!container)
        return;
    int16_t pointer = kDefaultPointer;
    if (!m_locked)
        pointer = m_orientation == Horizontal ? kSizeNorthSouth : kSizeWestEast;
    container->SetMousePointer(pointer);
}

float CSplitter::MinPaneExtent(const forms::PictureBox& container) const {
    const ole::Variant fromPixels(forms::ModeValue(forms::ScaleMode::Pixels));
    const ole::Variant toContainer(container.GetScaleMode());
    return m_orientation == Horizontal
               ? container.DoScaleY(kMinPanePixels, fromPixels, toContainer)
               : container.DoScaleX(kMinPanePixels, fromPixels, toContainer);
}

float CSplitter::SplitExtent(const forms::PictureBox& container) const {
    return m_orientation == Horizontal ? container.GetScaleHeight() : container.GetScaleWidth();
}

void CSplitter::DrawSplitterBar(float position) {
    const ole::Ptr<forms::PictureBox> container = ContainerObject();
    if (!container)
        return;
    const ole::Variant fromContainer(container->GetScaleMode());
    const ole::Variant toPixels(forms::ModeValue(forms::ScaleMode::Pixels));
    if (m_orientation == Horizontal) {
        const double offset = container->DoScaleY(position, fromContainer, toPixels);
        DrawGhostBar(container->Window(), GhostBarAxis::Horizontal,
                     base::RoundHalfEvenToInt32(offset));
    } else {
        const double offset = container->DoScaleX(position, fromContainer, toPixels);
        DrawGhostBar(container->Window(), GhostBarAxis::Vertical,
                     base::RoundHalfEvenToInt32(offset));
    }
}

void CSplitter::CaptureSplitter(bool capture) {
    if (capture) {
        const ole::Ptr<forms::PictureBox> container = ContainerObject();
        if (!container)
            return;
        const win::HWND hwnd = container->Window();
        win::SetCapture(hwnd);
        m_dragging = true;
        win::RECT client{};
        win::GetClientRect(hwnd, &client);
        win::POINT origin{0, 0};
        win::ClientToScreen(hwnd, &origin);
        win::OffsetRect(&client, origin.x, origin.y);
        win::ClipCursor(&client);
        return;
    }
    // Ended first, so the capture change the release sends finds no drag; a capture another
    // window has taken stays with it.
    m_dragging = false;
    const ole::Ptr<forms::PictureBox> container = ContainerObject();
    if (container && win::GetCapture() == container->Window())
        win::ReleaseCapture();
    win::RECT desktop{};
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    win::ClipCursor(&desktop);
}

CSplitter::~CSplitter() {
    if (m_dragging)
        AbandonDrag();
}

void CSplitter::AbandonDrag() {
    DrawSplitterBar(m_dragBarPosition);
    CaptureSplitter(false);
}

float CSplitter::AxisCoordinate(float x, float y) const {
    return m_orientation == Horizontal ? y : x;
}

} // namespace attrgrid
