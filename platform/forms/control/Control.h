#pragma once

#include "platform/forms/control/ControlIds.h"
#include "platform/forms/control/InputEvents.h"
#include "platform/forms/control/OleColor.h"
#include "platform/forms/control/Placement.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/object/WeakRef.h"
#include "platform/ole/picture/Picture.h"
#include "platform/ole/variant/Variant.h"
#include "platform/win/WinTypes.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ole {
class PropertyBag;
}

namespace forms {

class ControlContainer;

class Form;
class ScaleSpace;

// The base of every control sited on a form: the standard controls and the extender of a user
// control. It keeps the common members (Name, Container, Parent, Visible, Index, Enabled, Tag,
// TabIndex/TabStop, geometry in container units, Move, ZOrder, SetFocus, hWnd, MousePointer),
// owns the control's window (or a rectangle for a windowless control) and raises the events its
// class declares from inside its own window procedure.
//
// A concrete class:
//   - declares its ClassInfo with ControlMembers.h's AddCommonMembers plus its own members and
//     events (ids from ControlIds.h for the events the base translates);
//   - names its window class and styles (WindowClassName empty = windowless); a system class
//     (Edit, ScrollBar) is subclassed at creation, a runtime class registers through
//     RegisterRuntimeClass so its class procedure is the runtime's;
//   - overrides WindowProc for its own messages and calls Control::WindowProc for the rest;
//   - answers reflected container messages in OnReflected, and paints in PaintWindowless when
//     windowless.
//
// Message translation by the base (each only when the class declares the event):
//   WM_xBUTTONDOWN   MouseDown; the runtime classes capture the mouse until the last release
//   WM_xBUTTONUP     MouseUp, then Click for the left button unless the press was a double click
//   WM_xBUTTONDBLCLK DblClick (left button) - so a double click gives
//                    MouseDown, MouseUp, Click, DblClick, MouseUp
//   WM_MOUSEMOVE     MouseMove (Button a mask of the buttons held)
//   WM_KEYDOWN       KeyDown(KeyCode byref, Shift); 0 keeps the key from the control's own proc
//   WM_CHAR          KeyPress(KeyAscii byref); 0 discards, another value replaces it
//   WM_KEYUP         KeyUp(KeyCode byref, Shift)
//   WM_SETFOCUS      GotFocus; WM_KILLFOCUS LostFocus
//   WM_SIZE          Resize
//   WM_SETCURSOR     the MousePointer's cursor over the control's own window
// Tab and Shift+Tab move the focus through the form's tab order unless the control wants tabs.

class Control : public ole::Object, public ole::EventSource, public Placement {
public:
    ~Control() override;

    ole::ConnectionPoint& Events() override;
    // A removed control, or one of an unloaded form, stays a valid object whose every member
    // access raises 91.
    ole::Variant Invoke(ole::DISPID id, uint16_t kinds, std::span<ole::Variant> args) override;

    // ---- Common members ----
    const std::string& Name() const { return m_name; }
    // Read-only at run time: 383 once sited.
    void LetName(const std::string& name);
    // 343 unless the control is an element of a control array.
    int16_t Index() const;
    bool IsArrayElement() const { return m_index >= 0; }
    void SetArrayIndex(int16_t index) { m_index = index; }

    ole::Ptr<ole::Object> Container() const;
    // The weak id of the Container object: the same while it lives, never another's.
    uint32_t ContainerId() const { return m_container.Id(); }
    // Moves the control into another container (a form or a container control on the same
    // form), keeping its position in container units. 5 for an object that cannot hold it.
    void SetContainer(ole::Ptr<ole::Object> container);
    // The form.
    ole::Ptr<ole::Object> Parent() const;

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    const std::string& Tag() const { return m_tag; }
    void SetTag(std::string tag) { m_tag = std::move(tag); }
    int16_t TabIndex() const { return m_tabIndex; }
    // Renumbers the other controls of the form so that indices stay 0..n-1.
    void SetTabIndex(int16_t index);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop);

    // Left, Top, Width, Height and Move (Placement) are in the container's scale units, measured
    // relative to the window's current parent; Move raises Resize before it returns when the
    // size changed.
    // 0 (default) brings to the front, 1 sends to the back.
    void ZOrder(const ole::Variant& position);
    // 5 when the control cannot take the focus (hidden, disabled, windowless).
    void SetFocus();
    // 438 for a windowless control.
    int32_t hWnd() const;
    // Invalidates with erase and paints at once.
    void Refresh();

    int16_t MousePointer() const { return m_mousePointer; }
    void SetMousePointer(int16_t pointer);
    ole::Ptr<ole::Picture> MouseIcon() const { return m_mouseIcon; }
    void SetMouseIcon(ole::Ptr<ole::Picture> icon);

    // ---- Persistence through the container's property bag ----
    // The members the class table declares persisted (Tag first), read through the control's own
    // members, then the font; a value equal to its default is not stored.
    void WriteProperties(ole::PropertyBag& bag);
    // Sets each persisted member from the bag (its default when absent); a value a member refuses
    // leaves it as it was and the rest are still read. Read before siting, so members fixed once
    // the window exists (Sorted, Style) take effect.
    void ReadProperties(ole::PropertyBag& bag);

    // ---- C++ side ----
    win::HWND Window() const { return m_hwnd; }
    bool IsWindowless() const { return WindowClassName().empty(); }
    // Sited and not yet destroyed.
    bool IsAlive() const { return m_sited && !m_dead; }
    bool IsDead() const { return m_dead; }
    // Added by Controls.Add: only such controls can be removed, and never as array elements.
    bool IsRuntimeAdded() const { return m_runtimeAdded; }
    ControlContainer* ContainerSite() const;
    Form* HostForm() const;
    // Pixels in the container's client area (for a windowed control: relative to its current
    // parent).
    win::RECT PixelBounds() const override;
    void SetPixelBounds(const win::RECT& bounds) override;
    // The coordinate system of the container (client size current).
    ScaleSpace ContainerScale() const;
    // The position in the z-order of windowless siblings (higher is on top).
    int ZPosition() const { return m_zPosition; }
    // Whether the control can take the focus now (tab navigation and SetFocus).
    virtual bool CanTakeFocus() const;
    // The upper-case letter after '&' in the control's caption, 0 when none (see win::AccessKeyOf).
    // Alt+letter focuses the control, or for one that cannot take the focus (a Label) the next
    // control in tab order.
    virtual char AccessKey() const { return 0; }
    // The container's client area changed size; aligned controls dock to it again.
    virtual void OnContainerResized() {}
    // A command button marked Default or Cancel: Enter (Esc) on the form presses it unless the
    // focused control wants the key (DLGC_WANTALLKEYS).
    virtual bool IsDefaultButton() const { return false; }
    virtual bool IsCancelButton() const { return false; }
    virtual void PressFromKeyboard() {}

    // Raises to connected sinks when the class declares the event; sink errors go to the error
    // boundary. By-reference arguments hold the sinks' final values afterwards.
    void RaiseEvent(ole::DISPID eventId, std::span<ole::Variant> args = {});
    virtual bool DeclaresEvent(ole::DISPID eventId) const;

    // Called by the form. Site creates the window (hidden unless visible) at `bounds` pixels in
    // the container's client area; Unsite destroys it and leaves the object dead.
    void Site(ControlContainer& container, std::string name, const win::RECT& bounds, bool visible);
    void Unsite();

    // Control objects alive on this thread, and those among them whose window or site is gone.
    static size_t LiveControlCount();
    static size_t DeadControlCount();

    // The control behind a window the runtime created; null for others.
    static ole::Ptr<Control> FromWindow(win::HWND hwnd);

    // Registers (once per platform reset) a window class whose procedure is the runtime's
    // control procedure. Returns the name for CreateWindowExA.
    static const char* RegisterRuntimeClass(const char* className, win::UINT classStyle);

    // Container messages reflected to the child that sent them (WM_COMMAND, WM_NOTIFY,
    // WM_CTLCOLOR*, WM_VSCROLL/WM_HSCROLL); nullopt lets the container's default handle them.
    virtual std::optional<win::LRESULT> OnReflected(win::UINT msg, win::WPARAM wParam,
                                                    win::LPARAM lParam);
    // Draws a windowless control over its container, in container client pixels.
    virtual void PaintWindowless(win::HDC hdc, const win::RECT& bounds);
    // Mouse input routed to a windowless control by its container's hit test; the point is in
    // container client pixels.
    void WindowlessMouse(win::UINT msg, win::WPARAM wParam, win::POINT containerPt);
    // Whether the container's hit test routes mouse input to this windowless control; lines and
    // shapes let it through to the container.
    virtual bool ReceivesMouse() const { return true; }
    // Where the control's own mouse X/Y are measured: its own scale (containers) or null to use
    // the container's units.
    virtual const ScaleSpace* OwnScale() const { return nullptr; }
    // A container control (PictureBox, a control-container user control) answers itself.
    virtual ControlContainer* AsControlContainer() { return nullptr; }

protected:
    Control();

    virtual std::string_view WindowClassName() const { return {}; }
    // WS_CHILD, WS_VISIBLE and WS_TABSTOP are managed by the base.
    virtual win::DWORD WindowStyle() const { return 0; }
    virtual win::DWORD WindowExStyle() const { return 0; }
    virtual std::string InitialWindowText() const { return {}; }
    // After the window exists (subclassed when of a system class) and before it is shown.
    virtual void OnWindowCreated() {}
    // Before the window is destroyed.
    virtual void OnWindowDestroying() {}
    // After Visible changed (the window already shown or hidden).
    virtual void OnVisibilityChanged() {}
    // Whether a left release raises Click; the button classes raise it from BN_CLICKED instead.
    virtual bool RaisesClickOnMouseUp() const { return true; }
    // Whether the control accepts Tab itself (DLGC_WANTTAB through WM_GETDLGCODE otherwise).
    virtual bool WantsTab() const;
    // Mouse X/Y for events, from a point in the control's client pixels.
    virtual void MouseUnits(win::POINT clientPt, float& x, float& y) const;

    // The control's window procedure; overriders call it for what they do not handle.
    virtual win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    ScaleSpace PlacementScale() const override;
    // The procedure below the runtime's: the system class's for a subclassed window, else
    // DefWindowProcA.
    win::LRESULT CallDefault(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

    // The mouse translation WindowProc applies, exposed for windowless routing and for classes
    // that handle mouse messages themselves. clientPt in the control's client pixels.
    void RaiseMouseEvent(win::UINT msg, win::WPARAM wParam, win::POINT clientPt);

    bool IsSited() const { return m_sited; }
    // 91 once the control is dead.
    void RequireLive() const;
    // After Site placed a windowless control (a windowed one has OnWindowCreated).
    virtual void OnSited() {}
    // After Unsite (the window already gone, also when it was destroyed from outside).
    virtual void OnUnsited() {}
    // Where RaiseEvent delivers: connected sinks by default; an extender hands its events to the
    // user control instead.
    virtual void DeliverEvent(ole::DISPID eventId, std::span<ole::Variant> args);

private:
    friend class Form;

    static win::LRESULT RuntimeProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                    win::LPARAM lParam);
    win::LRESULT Dispatch(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    void MarkDead();
    void CreateControlWindow(const win::RECT& bounds);
    bool HandleKeyMessage(win::UINT msg, win::WPARAM& wParam, win::LRESULT& result);
    void ApplyCursor();
    EventRaise Raiser();

    std::string m_name;
    int16_t m_index = -1;
    ole::WeakRef<ole::Object> m_container;
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_tag;
    int16_t m_tabIndex = 0;
    bool m_tabStop = true;
    int16_t m_mousePointer = 0;
    ole::Ptr<ole::Picture> m_mouseIcon;
    int m_zPosition = 0;

    win::HWND m_hwnd;
    win::WNDPROC m_systemProc = nullptr;
    win::RECT m_windowlessBounds;
    bool m_sited = false;
    bool m_unsited = false;
    bool m_dead = false;
    bool m_runtimeAdded = false;
    // In its form's list of controls (not a user control's constituent).
    bool m_listed = false;
    MouseEvents m_mouse;
    bool m_captureByPress = false;
    // The character of a Tab, Enter or Esc whose key the form took (to move the focus or press a
    // button): its WM_CHAR still comes here and raises no KeyPress.
    win::WPARAM m_takenChar = 0;

    std::optional<ole::ConnectionPoint> m_events;
};

} // namespace forms
