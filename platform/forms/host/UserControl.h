#pragma once

#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/control/OleColor.h"
#include "platform/forms/scale/ScaleSpace.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/object/WeakRef.h"
#include "platform/ole/picture/Picture.h"
#include "platform/win/WinTypes.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class Ambient;
class Control;
class Extender;

// The base of a user control (each suite control is one). A derived class declares its public
// members and events in its ClassInfo, overrides the On* handlers for the events the runtime
// sends it, and raises its own events with RaiseEvent; hosts reach it through its extender.
//
// Events to the control, in order:
//   Initialize                        created (before it is sited)
//   InitProperties | ReadProperties   new instance | stored instance
//   Resize                            first size, then on every size change, synchronously
//   Show                              visible on a visible container (Hide when that ends)
//   Paint                             for a non-empty update region, after the fill
//   AmbientChanged(name), WriteProperties(bag) when the container saves,
//   EnterFocus/ExitFocus (focus enters/leaves it or a constituent), GotFocus/LostFocus (its own
//   window), KeyDown/KeyPress/KeyUp, MouseDown/MouseMove/MouseUp (own scale units), Click,
//   DblClick
//   Terminate                         released by its site, after its window was destroyed
class UserControl : public ole::Object, public ole::EventSource, public ControlContainer {
public:
    ~UserControl() override;
    // The control's own events (declared by the derived ClassInfo), raised to the host's sinks.
    ole::ConnectionPoint& Events() override;

    // ---- Class attributes ----
    virtual bool CanGetFocus() const { return true; }
    virtual bool IsControlContainer() const { return false; }
    virtual bool Alignable() const { return false; }
    // The property pages the class offers, in order: ProgIDs or class ids in braces.
    virtual std::vector<std::string> PropertyPages() const { return {}; }

    // ---- Members for the control's code ----
    // The control's own window (never a constituent's); null before siting.
    win::HWND hWnd() const;
    // The paint DC during Paint, else one DC of its window kept until the window goes.
    win::HDC hDC();

    ScaleSpace& Scale() { return m_scale; }
    const ScaleSpace& Scale() const { return m_scale; }
    int16_t ScaleMode() const { return static_cast<int16_t>(m_scale.Mode()); }
    void SetScaleMode(int16_t mode);
    float ScaleLeft() const { return static_cast<float>(m_scale.Left()); }
    float ScaleTop() const { return static_cast<float>(m_scale.Top()); }
    float ScaleWidth() const { return static_cast<float>(m_scale.Width()); }
    float ScaleHeight() const { return static_cast<float>(m_scale.Height()); }
    void SetScaleLeft(float value) {
        ChangeScale([&] { m_scale.SetLeft(value); });
    }
    void SetScaleTop(float value) {
        ChangeScale([&] { m_scale.SetTop(value); });
    }
    void SetScaleWidth(float value) {
        ChangeScale([&] { m_scale.SetWidth(value); });
    }
    void SetScaleHeight(float value) {
        ChangeScale([&] { m_scale.SetHeight(value); });
    }
    // from defaults to HIMETRIC (8), to to the control's ScaleMode.
    float ScaleX(float value, const ole::Variant& from, const ole::Variant& to) const;
    float ScaleY(float value, const ole::Variant& from, const ole::Variant& to) const;
    // The extent of the control in the container's units.
    float Width() const;
    float Height() const;

    // 0 flat, 1 3D; BorderStyle 0 none, 1 fixed single. Applied to the window at once; the
    // client area shrinks and Resize follows.
    int16_t Appearance() const { return m_appearance; }
    void SetAppearance(int16_t appearance);
    int16_t BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int16_t style);
    OLE_COLOR BackColor() const { return m_backColor; }
    void SetBackColor(OLE_COLOR color);
    OLE_COLOR ForeColor() const { return m_foreColor; }
    void SetForeColor(OLE_COLOR color);
    ole::Ptr<ole::Font> Font() const { return m_font; }
    // Copies the attributes into the control's own font.
    void SetFont(ole::Ptr<ole::Font> font);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    int16_t MousePointer() const;
    void SetMousePointer(int16_t pointer);
    ole::Ptr<ole::Picture> MouseIcon() const;
    void SetMouseIcon(ole::Ptr<ole::Picture> icon);
    void Refresh();
    // 5 when the control cannot take the focus.
    void SetFocus();

    // Accepts any name; the site marks itself dirty. Tests read the log.
    void PropertyChanged(const std::string& propertyName);
    // The change of a member of the control's class table, named by its persisted key (else by
    // the member's name); std::logic_error for an id the table does not have.
    void PropertyChanged(ole::DISPID id);
    const std::vector<std::string>& PropertyChangedLog() const { return m_propertyChangedLog; }
    void ClearPropertyChangedLog() { m_propertyChangedLog.clear(); }

    ole::Ptr<Ambient> GetAmbient();
    ole::Ptr<Extender> GetExtender() const;
    // Controls whose Container is this control (control containers), in the form's order.
    std::vector<ole::Ptr<Control>> ContainedControls() const;
    // The same as automation collections (Count, zero-based Item, enumeration).
    ole::Ptr<ole::Object> ContainedControlsObject() const;
    ole::Ptr<ole::Object> ControlsObject() const;
    // The constituents (Controls), in the order they were added.
    const std::vector<ole::Ptr<Control>>& Constituents() const { return m_constituents; }
    // Sites a constituent on the control's surface at `bounds` pixels. A user control given by
    // ProgID gets its own extender and runs its InitProperties sequence.
    ole::Ptr<Control> AddConstituent(ole::Ptr<Control> control, std::string name,
                                     const win::RECT& bounds, bool visible = true);
    ole::Ptr<Control> AddConstituent(std::string_view progId, std::string name,
                                     const win::RECT& bounds, bool visible = true);
    ole::Ptr<Control> FindConstituent(std::string_view name) const;

    // Raises one of the control's own events to the host.
    void RaiseEvent(ole::DISPID eventId, std::span<ole::Variant> args = {});

    // ---- ControlContainer (the surface holds constituents and contained controls) ----
    win::HWND ContainerWindow() const override { return hWnd(); }
    ScaleSpace ChildScale() const override { return m_scale; }
    ole::Ptr<ole::Object> ContainerObject() const override;
    Form* HostForm() const override;
    bool AmbientUserMode() const override;
    ole::Ptr<ole::Font> AmbientFont() const override { return m_font; }
    OLE_COLOR AmbientBackColor() const override { return m_backColor; }
    OLE_COLOR AmbientForeColor() const override { return m_foreColor; }
    std::vector<ole::Ptr<Control>> ChildControls() const override;

    // ---- Driven by the site (Extender) ----
    void RaiseInitialize();
    void RaiseInitProperties();
    void RaiseReadProperties(ole::PropertyBag& bag);
    void RaiseWriteProperties(ole::PropertyBag& bag);
    void RaiseAmbientChanged(std::string_view name);
    void RaiseTerminate();
    bool Terminated() const { return m_terminated; }

protected:
    UserControl();

    virtual void OnInitialize() {}
    virtual void OnInitProperties() {}
    virtual void OnReadProperties(ole::PropertyBag&) {}
    virtual void OnWriteProperties(ole::PropertyBag&) {}
    virtual void OnResize() {}
    virtual void OnShow() {}
    virtual void OnHide() {}
    virtual void OnPaint() {}
    virtual void OnAmbientChanged(const std::string&) {}
    virtual void OnEnterFocus() {}
    virtual void OnExitFocus() {}
    virtual void OnGotFocus() {}
    virtual void OnLostFocus() {}
    virtual void OnKeyDown(int16_t& /*keyCode*/, int16_t /*shift*/) {}
    virtual void OnKeyPress(int16_t& /*keyAscii*/) {}
    virtual void OnKeyUp(int16_t& /*keyCode*/, int16_t /*shift*/) {}
    virtual void OnMouseDown(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void OnMouseMove(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void OnMouseUp(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void OnClick() {}
    virtual void OnDblClick() {}
    virtual void OnTerminate() {}

private:
    friend class Extender;

    // Called by the extender's window procedure.
    void DeliverFromSurface(ole::DISPID eventId, std::span<ole::Variant> args);
    void SurfaceCreated(win::HWND hwnd);
    void SurfaceDestroying();
    void SurfaceSized();
    void PaintSurface();
    void UpdateShown();
    void ApplyBorder();
    // Applies a Scale* change; a mode change raises AmbientChanged("ScaleUnits") on the controls
    // sited on this one.
    void ChangeScale(const std::function<void()>& change);
    // Runs a handler through the event error boundary.
    void Handle(const std::function<void()>& handler);

    ole::WeakRef<Extender> m_extender;
    win::HWND m_hwnd;
    win::HDC m_keptDc;
    win::HDC m_paintDc;
    ScaleSpace m_scale;
    int16_t m_appearance = 1;
    int16_t m_borderStyle = 0;
    OLE_COLOR m_backColor = kButtonFace;
    OLE_COLOR m_foreColor = kButtonText;
    ole::Ptr<ole::Font> m_font;
    ole::Ptr<Ambient> m_ambient;
    std::vector<std::string> m_propertyChangedLog;
    std::vector<ole::Ptr<Control>> m_constituents;
    bool m_initialized = false;
    bool m_propertiesDone = false;
    bool m_shown = false;
    bool m_terminated = false;
    std::optional<ole::ConnectionPoint> m_events;
};

} // namespace forms
