#pragma once

#include "platform/forms/control/Control.h"
#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/control/OleColor.h"
#include "platform/forms/form/ControlNames.h"
#include "platform/forms/form/FocusOrder.h"
#include "platform/forms/menu/FormMenuBar.h"
#include "platform/forms/scale/ScaleSpace.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/font/Font.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class Extender;

// A plain top-level form: its window, its controls and its life cycle.
//
//   Create            Initialize (once per object)
//   Load / first use  the window is created, then Load
//   first Show        Resize, the user controls' Show, Activate (the first control in tab
//                     order takes the focus)
//   Hide              Visible False
//   Unload            QueryUnload(Cancel, UnloadMode), Unload(Cancel), then the window and every
//                     control are destroyed; the object and its fields survive, and a later Show
//                     loads again (Load, not Initialize)
//   last release      Terminate
//
// Events go first to OnEvent (a derived form's handlers), then to connected sinks; an error
// escaping either is reported through the event error boundary and the form keeps running.
// Geometry members are twips of the outer frame in screen coordinates; Scale* describe the
// client area.
class Form : public ole::Object,
             public ole::EventSource,
             public ControlContainer,
             public Placement {
public:
    enum EventId : ole::DISPID {
        Initialize = 10,
        Load = 11,
        Activate = 12,
        Deactivate = 13,
        QueryUnload = 14,
        Unload = 15,
        Terminate = 16,
        Resize = eventid::Resize,
        Paint = eventid::Paint,
        Click = eventid::Click,
        DblClick = eventid::DblClick,
        KeyDown = eventid::KeyDown,
        KeyPress = eventid::KeyPress,
        KeyUp = eventid::KeyUp,
        MouseDown = eventid::MouseDown,
        MouseMove = eventid::MouseMove,
        MouseUp = eventid::MouseUp,
    };
    // Ids of the form's own members; the shared ones are in ControlIds.h.
    enum MemberId : ole::DISPID {
        IdScaleMode = 20,
        IdScaleLeft = 21,
        IdScaleTop = 22,
        IdScaleWidth = 23,
        IdScaleHeight = 24,
        IdScaleX = 25,
        IdScaleY = 26,
        IdWindowState = 27,
        IdKeyPreview = 28,
        IdShowInTaskbar = 29,
        IdControls = 30,
        IdActiveControl = 31,
        IdShow = 32,
        IdHide = 33,
        IdPopupMenu = 34,
    };
    // UnloadMode values.
    static constexpr int16_t kUnloadFormControlMenu = 0;
    static constexpr int16_t kUnloadFormCode = 1;
    static constexpr int16_t kUnloadMdiFormClosing = 4;

    static ole::Ptr<Form> Create(std::string name);
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    ole::ConnectionPoint& Events() override { return m_events; }
    ~Form() override;

    // ---- Life cycle ----
    // Raises Initialize if it has not been raised yet (Create does it; derived forms whose
    // handlers must see it call it after construction).
    void RaiseInitialize();
    void LoadForm();
    bool IsLoaded() const { return static_cast<bool>(m_hwnd); }
    // Modal 1 runs a modal loop until the form is hidden or unloaded. A modeless show raises 406
    // when modeless forms are not allowed and 401 while a modal form is displayed.
    void Show(const ole::Variant& modal, const ole::Variant& owner);
    void Hide();
    // Shows a top-level menu item's submenu at (x, y) in this form's scale units.
    void PopupMenu(const ole::Variant& menu, const ole::Variant& flags, const ole::Variant& x,
                   const ole::Variant& y);
    // False when QueryUnload or Unload cancelled.
    bool UnloadForm(int16_t unloadMode = kUnloadFormCode);

    // ---- Members ----
    const std::string& Name() const { return m_name; }
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // Left, Top, Width, Height and Move (Placement): twips of the outer frame on the screen.
    win::RECT PixelBounds() const override;
    void SetPixelBounds(const win::RECT& bounds) override;

    int16_t ScaleMode() const { return static_cast<int16_t>(Scale().Mode()); }
    void SetScaleMode(int16_t mode);
    float ScaleLeft() const;
    float ScaleTop() const;
    float ScaleWidth() const;
    float ScaleHeight() const;
    void SetScaleLeft(float value);
    void SetScaleTop(float value);
    void SetScaleWidth(float value);
    void SetScaleHeight(float value);
    float ScaleX(float value, const ole::Variant& fromScale, const ole::Variant& toScale) const;
    float ScaleY(float value, const ole::Variant& fromScale, const ole::Variant& toScale) const;

    int16_t WindowState() const;
    void SetWindowState(int16_t state);
    bool Visible() const;
    void SetVisible(bool visible);
    int32_t hWnd();
    OLE_COLOR BackColor() const { return m_backColor; }
    void SetBackColor(OLE_COLOR color);
    OLE_COLOR ForeColor() const { return m_foreColor; }
    void SetForeColor(OLE_COLOR color);
    ole::Ptr<ole::Font> Font() const { return m_font; }
    // Copies the attributes into the form's own font object.
    void SetFont(ole::Ptr<ole::Font> font);
    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool keyPreview) { m_keyPreview = keyPreview; }
    int16_t BorderStyle() const { return m_borderStyle; }
    // 0 none, 1 fixed single, 2 sizable, 3 fixed dialog, 4 fixed tool window, 5 sizable tool
    // window; others raise 380.
    void SetBorderStyle(int16_t style);
    bool ShowInTaskbar() const { return m_showInTaskbar; }
    void SetShowInTaskbar(bool show) { m_showInTaskbar = show; }
    ole::Ptr<ole::Object> Controls();
    // The control holding the focus, Nothing when none.
    ole::Ptr<ole::Object> ActiveControl() const;
    void Refresh();
    void SetFocus();
    const std::string& Tag() const { return m_tag; }
    void SetTag(std::string tag) { m_tag = std::move(tag); }

    // ---- Controls ----
    // Sites `control` (a standard control or an extender) in `container` (the form when null)
    // at `bounds` pixels of the container's client area, with the next TabIndex (6 past
    // 32,767). The name must be unique (727); the container must be able to hold controls (5).
    ole::Ptr<Control> AddControl(ole::Ptr<Control> control, std::string name,
                                 ole::Ptr<ole::Object> container, const win::RECT& bounds,
                                 bool visible = true);
    // An element of the control array `name` (as a form description declares one): the elements
    // share the name and answer Index. 727 when the name belongs to a control outside the array
    // or the index is taken.
    ole::Ptr<Control> AddArrayElement(ole::Ptr<Control> control, std::string name, int16_t index,
                                      ole::Ptr<ole::Object> container, const win::RECT& bounds,
                                      bool visible = true);
    // Controls.Add: creates by class id, matched without regard to case ("VB." & class for the
    // standard controls, or a registered ProgID; 711 when unknown) and sites it hidden, on top
    // of its container's z-order, as a new instance (user controls get an extender and
    // InitProperties). 5 for a name that is not an identifier or a container that cannot hold
    // controls, 727 for a name in use, 6 when the form has given out the last TabIndex.
    ole::Ptr<Control> Add(std::string_view progId, std::string name,
                          ole::Ptr<ole::Object> container = {});
    // Controls.Remove: only controls added at run time (5 for others and for controls of other
    // forms). A container goes with every control inside it, depth first. The windows are
    // destroyed; the objects stay, dead.
    void RemoveAdded(const ole::Ptr<Control>& control);
    // The same for any control of the form, by name (5 when there is none), for C++ hosts.
    void Remove(std::string_view name);
    const std::vector<ole::Ptr<Control>>& ControlList() const { return m_controls; }
    ole::Ptr<Control> FindControl(std::string_view name) const;
    // The controls by TabIndex, ties in the order they were added.
    const std::vector<Control*>& ControlsByTabIndex() { return m_focusOrder.Controls(*this); }
    // The sited control whose window is hwnd or an ancestor of it.
    ole::Ptr<Control> ControlOfWindow(win::HWND hwnd) const;
    // Tab and Alt+letter from the focus, through the controls and the user controls'
    // constituents (see FocusOrder). False when nothing took the focus (Tab) or no control has
    // the key; also false when the menu bar of the form's top-level window has the key, which
    // the bar then takes.
    bool TabToNext(win::HWND from, bool previous);
    bool FocusAccessKey(int virtualKey);
    // Enter presses the Default button, Esc the Cancel one; false when there is none.
    bool PressDefaultOrCancel(bool enter);
    // Renumbers TabIndex values after `moved` took `index`.
    void ReorderTabIndex(Control& moved, int16_t index);
    // The same among `order` (the controls beside `moved`, by TabIndex); returns them with
    // `moved` in its place.
    static std::vector<Control*> PlaceInTabOrder(std::vector<Control*> order, Control& moved,
                                                 int16_t index);

    // Runs at every load, once the window exists and before Load: where a form description sites
    // its controls. Its errors end that load.
    void SetControlBuilder(std::function<void(Form&)> build) {
        m_controlBuilder = std::move(build);
    }
    // Sizes the outer frame so that the client area is `pixels` big; nothing while unloaded.
    void SetClientSize(win::SIZE pixels);

    // An MDI child lives in the client area of the program's MDI form (loaded with it; 366 when
    // there is none), its geometry relative to that area. Takes effect at the next load.
    bool MDIChild() const { return m_mdiChild; }
    void SetMDIChild(bool mdiChild) { m_mdiChild = mdiChild; }
    // Brings the form forward: an MDI child becomes the active child, any other form the active
    // window.
    void BringForward();
    // GWL_HWNDPARENT: the top-level window this one stays above.
    void SetOwnerWindow(win::HWND owner);
    // A menu shortcut of the form's bar, or for an MDI child of its frame's bar, or in an MDI
    // frame or child the system keys Ctrl+F4 and Ctrl+F6; true when the key was one.
    bool TranslateMenuShortcut(win::WPARAM key);

    // Design-mode host: Ambient.UserMode False for its controls.
    bool UserMode() const { return m_userMode; }
    void SetUserMode(bool userMode) { m_userMode = userMode; }

    // KeyPreview: the form's key event before the focused control's; true when the form
    // consumed the key (KeyCode or KeyAscii set to 0). wParam takes the form's value.
    bool PreviewKey(win::UINT msg, win::WPARAM& wParam);
    // How often the form was unloaded (FormRef drops an unloaded form on its next use).
    uint32_t UnloadCount() const { return m_unloadCount; }

    // The menu bar, realised while the form is loaded.
    FormMenuBar& MenuBar() { return m_menuBar; }

    const ScaleSpace& Scale() const;
    win::HWND Window() const { return m_hwnd; }

    // ControlContainer
    win::HWND ContainerWindow() const override { return m_hwnd; }
    ScaleSpace ChildScale() const override { return Scale(); }
    ole::Ptr<ole::Object> ContainerObject() const override;
    Form* HostForm() const override { return const_cast<Form*>(this); }
    bool AmbientUserMode() const override { return m_userMode; }
    ole::Ptr<ole::Font> AmbientFont() const override { return m_font; }
    OLE_COLOR AmbientBackColor() const override { return m_backColor; }
    OLE_COLOR AmbientForeColor() const override { return m_foreColor; }

    // Raises an event of the form: OnEvent, then connected sinks.
    void RaiseFormEvent(ole::DISPID id, std::span<ole::Variant> args = {});

    // Forms alive on this thread, loaded or not.
    static size_t LiveFormCount();
    static std::vector<ole::Ptr<Form>> LoadedForms();

    // Public so derived forms can be made with ole::MakeObject; Create also raises Initialize.
    explicit Form(std::string name);

protected:
    // A derived form's event handlers; by-reference arguments may be written.
    virtual void OnEvent(ole::DISPID id, std::span<ole::Variant> args);
    // The window procedure of the form; overriders call it for the rest.
    virtual win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    // What the form leaves to the platform (the MDI default procedures for MDI forms).
    virtual win::LRESULT DefaultProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    // After the window exists and before the controls are sited.
    virtual void OnWindowCreated() {}
    // Between QueryUnload and Unload; false cancels the unload (an MDI form's children).
    virtual bool UnloadDependents() { return true; }

private:
    static win::LRESULT FormProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                 win::LPARAM lParam);

    ScaleSpace PlacementScale() const override;
    ScaleSpace& MutableScale() const;
    EventRaise Raiser();
    void EnsureLoaded();
    void DestroyControls();
    ole::Ptr<Control> SiteControl(ole::Ptr<Control> control, std::string name, int16_t index,
                                  ole::Ptr<ole::Object> container, const win::RECT& bounds,
                                  bool visible);
    void RemoveWithContents(const ole::Ptr<Control>& control);
    // The TabIndex a control sited now takes: one past the highest among the controls; 6 when
    // that is past 32,767.
    int16_t NextTabIndex();
    void ApplyBorderStyle();
    void PaintForm();
    void UpdateShownState();

    std::string m_name;
    std::string m_caption;
    std::string m_tag;
    win::HWND m_hwnd;
    mutable ScaleSpace m_scale;
    OLE_COLOR m_backColor = kButtonFace;
    OLE_COLOR m_foreColor = kButtonText;
    ole::Ptr<ole::Font> m_font;
    bool m_keyPreview = false;
    int16_t m_borderStyle = 2;
    bool m_showInTaskbar = true;
    bool m_userMode = true;
    bool m_initialized = false;
    bool m_shownOnce = false;
    bool m_unloading = false;
    bool m_modal = false;
    bool m_mdiChild = false;
    MouseEvents m_mouse;
    uint32_t m_unloadCount = 0;
    // Outer frame in pixels, kept while unloaded so a reload comes back where it was.
    win::RECT m_frame{0, 0, 312, 213};
    std::vector<ole::Ptr<Control>> m_controls;
    ControlNames m_names;
    FocusOrder m_focusOrder;
    // NextTabIndex remembered between adds; removals and renumbering make it unknown again.
    static constexpr int32_t kTabIndexUnknown = -1;
    int32_t m_nextTabIndex = kTabIndexUnknown;
    ole::Ptr<ole::Object> m_controlsCollection;
    ole::ConnectionPoint m_events{Info(), this};
    FormMenuBar m_menuBar;
    std::function<void(Form&)> m_controlBuilder;
};

} // namespace forms
