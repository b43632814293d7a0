#pragma once

#include "platform/forms/control/Control.h"
#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/object/WeakRef.h"

#include <cstdint>

namespace attrgrid {

// Divides a container picture box between two panes with a bar the user drags. It subclasses
// nothing: its owner forwards the container's mouse, double-click and resize events to the
// Container* methods. While dragging, a ghost bar is XOR-drawn on the screen; the panes move when
// the button is released. Container and panes are held weakly: with them gone it does nothing.
class CSplitter : public ole::Object, public ole::EventSource {
public:
    enum EventId : ole::DISPID { LocationChanged = 1, SplitterDblClick = 2 };
    // 0: a vertical bar between left and right panes; 1: a horizontal bar between top and bottom.
    enum Orientation : int32_t { Vertical = 0, Horizontal = 1 };

    static ole::Ptr<CSplitter> Create();
    // A drag still running is ended: capture released, cursor unclipped, ghost bar erased.
    ~CSplitter() override;
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    ole::ConnectionPoint& Events() override { return m_events; }

    void init(const ole::Ptr<forms::PictureBox>& container, const ole::Ptr<forms::Control>& pane1,
              const ole::Ptr<forms::Control>& pane2, int32_t orientation);
    bool GetLocked() const;
    void LetLocked(bool locked);
    int32_t GetOrientation() const;
    void LetOrientation(int32_t orientation);
    int16_t GetSplitterbarSize() const;
    void LetSplitterbarSize(int16_t size);
    // The bar's leading edge in the container's scale units.
    float GetSplitterLocation() const;
    void LetSplitterLocation(float location);
    // Moves the bar where the layout must have it (clamped, panes laid out, the event raised)
    // while resizes keep scaling the share the host or the user last gave it.
    void LimitSplitterLocation(float location);
    // 0 both panes; 1 or 3 the first hidden; 2 or 4 the second hidden.
    void LetHidePane(int32_t hidePane);
    int32_t GetHidePane() const;

    void ContainerDblClick();
    void ContainerMouseDown(int16_t button, int16_t shift, float x, float y);
    void ContainerMouseMove(int16_t button, int16_t shift, float x, float y);
    void ContainerMouseUp(int16_t button, int16_t shift, float x, float y);
    void ContainerResize();
    // The container lost the mouse capture to another window: a drag ends where it was.
    void ContainerCaptureLost();

    bool Dragging() const;

private:
    CSplitter();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    // Resolves the container, or null once it is gone.
    ole::Ptr<forms::PictureBox> ContainerObject() const;
    // Clamps and stores the location, then lays out; a placement the host or the user asked for
    // also becomes the proportion that resizes keep.
    void PlaceBar(float location, bool keepProportion);
    void LayoutPanes();
    void UpdateContainerPointer();
    // 4 pixels along the split axis, in the container's units.
    float MinPaneExtent(const forms::PictureBox& container) const;
    float SplitExtent(const forms::PictureBox& container) const;
    void DrawSplitterBar(float position);
    void CaptureSplitter(bool capture);
    // Erases the ghost bar and ends the drag without moving the bar.
    void AbandonDrag();
    // The mouse coordinate along the split axis.
    float AxisCoordinate(float x, float y) const;

    ole::ConnectionPoint m_events;
    ole::WeakRef<forms::PictureBox> m_container;
    ole::WeakRef<forms::Control> m_pane1;
    ole::WeakRef<forms::Control> m_pane2;
    int32_t m_hidePane = 0;
    float m_location = 0;
    float m_previousLocation = 0;
    bool m_locked = false;
    bool m_dragging = false;
    int16_t m_barSize = 0;
    float m_dragBarPosition = 0;
    float m_lastMousePosition = 0;
    int32_t m_orientation = Vertical;
    // Location / extent at the last placement in a container with room for both panes, or -1
    // before any: what a resize restores.
    double m_proportion = -1;
};

} // namespace attrgrid
