#include "platform/forms/form/Form.h"
#include "platform/forms/form/MdiForm.h"
#include "platform/forms/library/ControlLibraries.h"

#include "platform/forms/control/ContainerMessages.h"
#include "platform/forms/errors/EventErrorBoundary.h"
#include "platform/forms/form/ControlCollection.h"
#include "platform/forms/form/FocusOrder.h"
#include "platform/forms/form/FormSettings.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/host/FocusTracker.h"
#include "platform/forms/menu/FormPopupMenu.h"
#include "platform/forms/menu/Menu.h"
#include "platform/ole/dispatch/ArgConvert.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"
#include "platform/win/menu/MenuTracker.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <unordered_map>

namespace forms {

namespace {

constexpr const char* kFormClass = "FormWindow";

struct FormTables {
    std::unordered_map<win::HWND, uint32_t> byWindow;
    // Loaded forms stay alive while loaded, as a running program's Forms do.
    std::vector<ole::Ptr<Form>> loaded;
    size_t live = 0;
    int modalDepth = 0;

    // At process exit the window manager may already be gone: forms still loaded then are left
    // to the process's end instead of being torn down against it.
    ~FormTables() {
        for (auto& form : loaded)
            form.Detach();
    }
};

FormTables& Tables() {
    static FormTables tables;
    return tables;
}

struct FrameStyle {
    win::DWORD style;
    win::DWORD exStyle;
};

FrameStyle StyleOf(int16_t borderStyle, bool showInTaskbar) {
    using namespace win;
    FrameStyle frame{WS_CLIPCHILDREN, 0};
    switch (borderStyle) {
    case 0:
        frame.style |= WS_POPUP;
        break;
    case 1:
        frame.style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        break;
    case 3:
        frame.style |= WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
        frame.exStyle |= WS_EX_DLGMODALFRAME;
        break;
    case 4:
        frame.style |= WS_CAPTION | WS_SYSMENU;
        frame.exStyle |= WS_EX_TOOLWINDOW;
        break;
    case 5:
        frame.style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
        frame.exStyle |= WS_EX_TOOLWINDOW;
        break;
    default:
        frame.style |= WS_OVERLAPPEDWINDOW;
        break;
    }
    if (showInTaskbar)
        frame.exStyle |= WS_EX_APPWINDOW;
    return frame;
}

bool Given(const ole::Variant& v) {
    return !v.IsMissing() && !v.IsEmpty();
}

} // namespace

Form::Form(std::string name) : m_name(std::move(name)), m_font(ole::Font::Create()) {
    ++Tables().live;
}

Form::~Form() {
    m_events.Raise(Terminate);
    if (m_hwnd) {
        Tables().byWindow.erase(m_hwnd);
        win::DestroyWindow(m_hwnd);
    }
    --Tables().live;
}

ole::Ptr<Form> Form::Create(std::string name) {
    auto form = ole::MakeObject<Form>(std::move(name));
    form->RaiseInitialize();
    return form;
}

const ole::ClassInfo& Form::Info() {
    using ole::Arg;
    using ole::Opt;
    using ole::Params;
    using ole::Typed;
    static const ole::ClassInfo info =
        ole::ClassBuilder<Form>("Form")
            .Library("VB")
            .Get("Name", dispid::Name, &Form::Name)
            .Property("Caption", dispid::Caption, &Form::Caption, &Form::SetCaption)
            .Property("Left", dispid::Left, &Form::Left, &Form::SetLeft)
            .Property("Top", dispid::Top, &Form::Top, &Form::SetTop)
            .Property("Width", dispid::Width, &Form::Width, &Form::SetWidth)
            .Property("Height", dispid::Height, &Form::Height, &Form::SetHeight)
            .Method("Move", dispid::Move, &Form::Move,
                    Params({Arg("Left"), Opt("Top"), Opt("Width"), Opt("Height")}))
            .Property("ScaleMode", IdScaleMode, &Form::ScaleMode, &Form::SetScaleMode)
            .Property("ScaleLeft", IdScaleLeft, &Form::ScaleLeft, &Form::SetScaleLeft)
            .Property("ScaleTop", IdScaleTop, &Form::ScaleTop, &Form::SetScaleTop)
            .Property("ScaleWidth", IdScaleWidth, &Form::ScaleWidth, &Form::SetScaleWidth)
            .Property("ScaleHeight", IdScaleHeight, &Form::ScaleHeight, &Form::SetScaleHeight)
            .Method("ScaleX", IdScaleX, &Form::ScaleX,
                    Params({Arg("Width"), Opt("FromScale"), Opt("ToScale")}))
            .Method("ScaleY", IdScaleY, &Form::ScaleY,
                    Params({Arg("Height"), Opt("FromScale"), Opt("ToScale")}))
            .Property("WindowState", IdWindowState, &Form::WindowState, &Form::SetWindowState)
            .Property("Visible", dispid::Visible, &Form::Visible, &Form::SetVisible)
            .Get("hWnd", dispid::HWnd, &Form::hWnd)
            .Property("BackColor", dispid::BackColor, &Form::BackColor, &Form::SetBackColor,
                      Typed("OLE_COLOR"))
            .Property("ForeColor", dispid::ForeColor, &Form::ForeColor, &Form::SetForeColor,
                      Typed("OLE_COLOR"))
            .Property("Font", dispid::Font, &Form::Font, &Form::SetFont, Typed("Font"))
            .Property("KeyPreview", IdKeyPreview, &Form::KeyPreview, &Form::SetKeyPreview)
            .Property("BorderStyle", dispid::BorderStyle, &Form::BorderStyle, &Form::SetBorderStyle)
            .Property("ShowInTaskbar", IdShowInTaskbar, &Form::ShowInTaskbar,
                      &Form::SetShowInTaskbar)
            .Get("Controls", IdControls, &Form::Controls)
            .Get("ActiveControl", IdActiveControl, &Form::ActiveControl)
            .Method("Show", IdShow, &Form::Show, Params({Opt("Modal"), Opt("OwnerForm")}))
            .Method("Hide", IdHide, &Form::Hide)
            .Method("PopupMenu", IdPopupMenu, &Form::PopupMenu,
                    Params({Arg("Menu"), Opt("Flags"), Opt("X"), Opt("Y")}))
            .Method("Refresh", dispid::Refresh, &Form::Refresh)
            .Method("SetFocus", dispid::SetFocus, &Form::SetFocus)
            .Property("Tag", dispid::Tag, &Form::Tag, &Form::SetTag)
            .Event("Initialize", Initialize)
            .Event("Load", Load)
            .Event("Activate", Activate)
            .Event("Deactivate", Deactivate)
            .Event("Resize", Resize)
            .Event("QueryUnload", QueryUnload,
                   {{"Cancel", ole::VT_I2, true}, {"UnloadMode", ole::VT_I2}})
            .Event("Unload", Unload, {{"Cancel", ole::VT_I2, true}})
            .Event("Terminate", Terminate)
            .Event("Paint", Paint)
            .Event("Click", Click)
            .Event("DblClick", DblClick)
            .Event("KeyDown", KeyDown, {{"KeyCode", ole::VT_I2, true}, {"Shift", ole::VT_I2}})
            .Event("KeyPress", KeyPress, {{"KeyAscii", ole::VT_I2, true}})
            .Event("KeyUp", KeyUp, {{"KeyCode", ole::VT_I2, true}, {"Shift", ole::VT_I2}})
            .Event("MouseDown", MouseDown,
                   {{"Button", ole::VT_I2},
                    {"Shift", ole::VT_I2},
                    {"X", ole::VT_R4},
                    {"Y", ole::VT_R4}})
            .Event("MouseMove", MouseMove,
                   {{"Button", ole::VT_I2},
                    {"Shift", ole::VT_I2},
                    {"X", ole::VT_R4},
                    {"Y", ole::VT_R4}})
            .Event("MouseUp", MouseUp,
                   {{"Button", ole::VT_I2},
                    {"Shift", ole::VT_I2},
                    {"X", ole::VT_R4},
                    {"Y", ole::VT_R4}})
            .Build();
    return info;
}

void Form::OnEvent(ole::DISPID, std::span<ole::Variant>) {}

void Form::RaiseFormEvent(ole::DISPID id, std::span<ole::Variant> args) {
    ole::Ptr<Form> keepAlive(this);
    CallEventHandler([&] { OnEvent(id, args); });
    CallEventHandler([&] { m_events.Raise(id, args); });
}

void Form::RaiseInitialize() {
    if (m_initialized)
        return;
    m_initialized = true;
    RaiseFormEvent(Initialize);
}

// ---- Life cycle ----

void Form::EnsureLoaded() {
    if (!m_hwnd)
        LoadForm();
}

void Form::LoadForm() {
    if (m_hwnd)
        return;
    RaiseInitialize();
    win::WNDCLASSEXA existing;
    existing.cbSize = sizeof existing;
    if (!win::GetClassInfoExA({}, kFormClass, &existing)) {
        win::WNDCLASSEXA wc;
        wc.cbSize = sizeof wc;
        wc.style = win::CS_DBLCLKS;
        wc.lpfnWndProc = &Form::FormProc;
        wc.hCursor = win::LoadCursorA({}, win::IDC_ARROW);
        wc.lpszClassName = kFormClass;
        win::RegisterClassExA(&wc);
    }
    if (m_mdiChild) {
        const auto frame = MdiForm::Instance();
        if (!frame)
            ole::RaiseError(ole::ERR_NO_MDI_FORM);
        frame->LoadForm();
        win::MDICREATESTRUCTA create;
        create.szClass = kFormClass;
        create.szTitle = m_caption.c_str();
        create.x = m_frame.left;
        create.y = m_frame.top;
        create.cx = m_frame.right - m_frame.left;
        create.cy = m_frame.bottom - m_frame.top;
        create.style = win::WS_CLIPCHILDREN;
        m_hwnd = win::HandleFromParam<win::HWND>(static_cast<intptr_t>(win::SendMessageA(
            frame->ClientWindow(), win::WM_MDICREATE, 0, reinterpret_cast<win::LPARAM>(&create))));
    } else {
        const FrameStyle frame = StyleOf(m_borderStyle, m_showInTaskbar);
        m_hwnd = win::CreateWindowExA(frame.exStyle, kFormClass, m_caption.c_str(), frame.style,
                                      m_frame.left, m_frame.top, m_frame.right - m_frame.left,
                                      m_frame.bottom - m_frame.top, {}, {}, {}, nullptr);
    }
    if (!m_hwnd)
        ole::RaiseError(ole::ERR_INVALID_CALL, "Can't create the form's window");
    Tables().byWindow[m_hwnd] = ole::PtrOfObject(this);
    Tables().loaded.push_back(ole::Ptr<Form>(this));
    m_menuBar.Attach(m_hwnd);
    Scale();
    OnWindowCreated();
    if (m_controlBuilder) {
        const auto build = m_controlBuilder;
        build(*this);
    }
    RaiseFormEvent(Load);
}

void Form::SetClientSize(win::SIZE pixels) {
    if (!m_hwnd)
        return;
    // In the coordinates SetPixelBounds takes: an MDI child's are its client area's.
    const win::RECT outer = PixelBounds();
    win::RECT inner;
    win::GetClientRect(m_hwnd, &inner);
    SetPixelBounds(win::RECT{outer.left, outer.top,
                             outer.left + pixels.cx + (outer.right - outer.left) - inner.right,
                             outer.top + pixels.cy + (outer.bottom - outer.top) - inner.bottom});
}

void Form::Show(const ole::Variant& modal, const ole::Variant& owner) {
    const bool isModal = Given(modal) && ole::FromVariant<int32_t>(modal) == 1;
    if (!isModal) {
        if (!FormSettings::ModelessFormsAllowed())
            ole::RaiseError(ole::ERR_MODELESS_NOT_ALLOWED);
        if (Tables().modalDepth > 0 && !m_modal)
            ole::RaiseError(ole::ERR_MODELESS_UNDER_MODAL);
    }
    EnsureLoaded();
    if (!m_hwnd)
        return;
    if (Given(owner)) {
        if (const auto ownerForm = ole::PtrCast<Form>(owner.AsObject());
            ownerForm && ownerForm->m_hwnd)
            SetOwnerWindow(ownerForm->m_hwnd);
    }
    // A modal form shown without an owner is owned by the active top-level window while it is
    // shown: it stays above that window, which the modal loop disables and activates again.
    // Only for that while, so the form does not go when that window is destroyed later.
    win::HWND lentOwner;
    if (isModal && !win::GetWindow(m_hwnd, win::GW_OWNER)) {
        const win::HWND active = win::GetAncestor(win::GetActiveWindow(), win::GA_ROOT);
        if (active && active != m_hwnd) {
            lentOwner = active;
            SetOwnerWindow(lentOwner);
        }
    }
    const bool firstShow = !m_shownOnce;
    m_shownOnce = true;
    if (firstShow)
        RaiseFormEvent(Resize);
    if (!m_hwnd)
        return;
    // Shown first, so the controls get Show before activation hands the focus to one of them.
    win::ShowWindow(m_hwnd, win::SW_SHOWNA);
    UpdateShownState();
    if (m_hwnd)
        BringForward();
    if (!isModal)
        return;
    ole::Ptr<Form> keepAlive(this);
    m_modal = true;
    ++Tables().modalDepth;
    const win::HWND dialog = m_hwnd;
    win::RunModalLoop(dialog, [&] { return !m_hwnd || !win::IsWindowVisible(m_hwnd); });
    --Tables().modalDepth;
    m_modal = false;
    if (lentOwner && m_hwnd && win::GetWindow(m_hwnd, win::GW_OWNER) == lentOwner)
        SetOwnerWindow({});
}

void Form::SetOwnerWindow(win::HWND owner) {
    win::SetWindowLongA(m_hwnd, win::GWL_HWNDPARENT, static_cast<win::LONG_PTR>(owner.Value()));
}

void Form::Hide() {
    EnsureLoaded();
    if (m_hwnd && win::IsWindowVisible(m_hwnd)) {
        win::ShowWindow(m_hwnd, win::SW_HIDE);
        UpdateShownState();
    }
}

void Form::PopupMenu(const ole::Variant& menu, const ole::Variant& flags, const ole::Variant& x,
                     const ole::Variant& y) {
    const auto given = [](const ole::Variant& v) { return !v.IsMissing() && !v.IsEmpty(); };
    auto* item = dynamic_cast<Menu*>(menu.AsObject().Get());
    if (!item) {
        ole::RaiseError(ole::ERR_TYPE_MISMATCH);
    }
    const auto coordinate = [&](const ole::Variant& v) {
        return given(v) ? std::optional<double>(ole::FromVariant<double>(v)) : std::nullopt;
    };
    ShowPopupMenu(*this, *item,
                  given(flags) ? static_cast<unsigned>(ole::FromVariant<int32_t>(flags)) : 0u,
                  coordinate(x), coordinate(y));
}

bool Form::UnloadForm(int16_t unloadMode) {
    if (!m_hwnd || m_unloading)
        return true;
    ole::Ptr<Form> keepAlive(this);
    ole::Variant query[] = {ole::Variant(int16_t{0}), ole::Variant(unloadMode)};
    RaiseFormEvent(QueryUnload, query);
    if (ole::FromVariant<int32_t>(query[0]) != 0)
        return false;
    if (!UnloadDependents())
        return false;
    ole::Variant unload[] = {ole::Variant(int16_t{0})};
    RaiseFormEvent(Unload, unload);
    if (ole::FromVariant<int32_t>(unload[0]) != 0)
        return false;
    m_unloading = true;
    if (win::IsWindowVisible(m_hwnd)) {
        win::ShowWindow(m_hwnd, win::SW_HIDE);
        UpdateShownState();
    }
    m_frame = PixelBounds();
    DestroyControls();
    m_menuBar.Detach();
    const win::HWND hwnd = m_hwnd;
    Tables().byWindow.erase(hwnd);
    m_hwnd = {};
    if (m_mdiChild)
        // Through the client, which activates the next child.
        win::SendMessageA(win::GetParent(hwnd), win::WM_MDIDESTROY,
                          static_cast<win::WPARAM>(win::HandleToParam(hwnd)), 0);
    else
        win::DestroyWindow(hwnd);
    m_shownOnce = false;
    m_unloading = false;
    ++m_unloadCount;
    auto& loaded = Tables().loaded;
    const auto it =
        std::find_if(loaded.begin(), loaded.end(), [&](const auto& f) { return f.Get() == this; });
    ole::Ptr<Form> self;
    if (it != loaded.end()) {
        self = std::move(*it);
        loaded.erase(it);
    }
    FormSettings::FormUnloaded(*this);
    return true;
}

void Form::DestroyControls() {
    // Windowed children die with the form's window too; unsiting first gives user controls their
    // Terminate after their own window is gone.
    auto controls = std::move(m_controls);
    m_controls.clear();
    m_focusOrder.Invalidate();
    for (const auto& control : controls)
        control->m_listed = false;
    m_names.Clear();
    m_nextTabIndex = kTabIndexUnknown;
    for (auto it = controls.rbegin(); it != controls.rend(); ++it)
        (*it)->Unsite();
    controls.clear();
}

void Form::UpdateShownState() {
    for (const auto& control : std::vector<ole::Ptr<Control>>(m_controls)) {
        if (auto* extender = dynamic_cast<Extender*>(control.Get()))
            extender->ContainerVisibilityChanged();
    }
}

// ---- Members ----

std::string Form::Caption() const {
    return m_caption;
}

void Form::SetCaption(const std::string& caption) {
    m_caption = caption;
    if (m_hwnd)
        win::SetWindowTextA(m_hwnd, caption.c_str());
}

win::RECT Form::PixelBounds() const {
    win::RECT r = m_frame;
    if (m_hwnd) {
        win::GetWindowRect(m_hwnd, &r);
        // An MDI child's position is relative to the client area it lives in.
        if (m_mdiChild)
            win::MapWindowPoints({}, win::GetParent(m_hwnd), reinterpret_cast<win::POINT*>(&r), 2);
    }
    return r;
}

void Form::SetPixelBounds(const win::RECT& bounds) {
    m_frame = bounds;
    if (m_hwnd)
        win::SetWindowPos(m_hwnd, {}, bounds.left, bounds.top, bounds.right - bounds.left,
                          bounds.bottom - bounds.top, win::SWP_NOZORDER | win::SWP_NOACTIVATE);
}

ScaleSpace Form::PlacementScale() const {
    return ScaleSpace(ScaleMode::Twips);
}

ScaleSpace& Form::MutableScale() const {
    if (m_hwnd) {
        win::RECT client;
        win::GetClientRect(m_hwnd, &client);
        m_scale.SetClientPixels({client.right, client.bottom});
    }
    return m_scale;
}

const ScaleSpace& Form::Scale() const {
    return MutableScale();
}

void Form::SetScaleMode(int16_t mode) {
    const auto before = MutableScale().Mode();
    MutableScale().SetMode(static_cast<int>(mode));
    if (before != m_scale.Mode())
        NotifyAmbientChanged("ScaleUnits");
}

float Form::ScaleLeft() const {
    return static_cast<float>(Scale().Left());
}
float Form::ScaleTop() const {
    return static_cast<float>(Scale().Top());
}
float Form::ScaleWidth() const {
    return static_cast<float>(Scale().Width());
}
float Form::ScaleHeight() const {
    return static_cast<float>(Scale().Height());
}

void Form::SetScaleLeft(float value) {
    const auto before = MutableScale().Mode();
    m_scale.SetLeft(value);
    if (before != m_scale.Mode())
        NotifyAmbientChanged("ScaleUnits");
}
void Form::SetScaleTop(float value) {
    const auto before = MutableScale().Mode();
    m_scale.SetTop(value);
    if (before != m_scale.Mode())
        NotifyAmbientChanged("ScaleUnits");
}
void Form::SetScaleWidth(float value) {
    const auto before = MutableScale().Mode();
    m_scale.SetWidth(value);
    if (before != m_scale.Mode())
        NotifyAmbientChanged("ScaleUnits");
}
void Form::SetScaleHeight(float value) {
    const auto before = MutableScale().Mode();
    m_scale.SetHeight(value);
    if (before != m_scale.Mode())
        NotifyAmbientChanged("ScaleUnits");
}

float Form::ScaleX(float value, const ole::Variant& fromScale, const ole::Variant& toScale) const {
    const int from = Given(fromScale) ? ole::FromVariant<int32_t>(fromScale)
                                      : static_cast<int>(ScaleMode::Himetric);
    const int to =
        Given(toScale) ? ole::FromVariant<int32_t>(toScale) : static_cast<int>(Scale().Mode());
    return static_cast<float>(Scale().Convert(value, from, to, Axis::X));
}

float Form::ScaleY(float value, const ole::Variant& fromScale, const ole::Variant& toScale) const {
    const int from = Given(fromScale) ? ole::FromVariant<int32_t>(fromScale)
                                      : static_cast<int>(ScaleMode::Himetric);
    const int to =
        Given(toScale) ? ole::FromVariant<int32_t>(toScale) : static_cast<int>(Scale().Mode());
    return static_cast<float>(Scale().Convert(value, from, to, Axis::Y));
}

int16_t Form::WindowState() const {
    if (!m_hwnd)
        return 0;
    if (win::IsIconic(m_hwnd))
        return 1;
    if (win::IsZoomed(m_hwnd))
        return 2;
    return 0;
}

void Form::SetWindowState(int16_t state) {
    if (state < 0 || state > 2)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    EnsureLoaded();
    const int cmd = state == 1 ? win::SW_MINIMIZE : state == 2 ? win::SW_MAXIMIZE : win::SW_RESTORE;
    if (win::IsWindowVisible(m_hwnd))
        win::ShowWindow(m_hwnd, cmd);
    else
        win::ShowWindow(m_hwnd, state == 1 ? win::SW_SHOWMINNOACTIVE : cmd);
}

bool Form::Visible() const {
    return m_hwnd && win::IsWindowVisible(m_hwnd);
}

void Form::SetVisible(bool visible) {
    if (visible)
        Show(ole::Variant::Missing(), ole::Variant::Missing());
    else
        Hide();
}

int32_t Form::hWnd() {
    EnsureLoaded();
    return static_cast<int32_t>(m_hwnd.Value());
}

void Form::SetBackColor(OLE_COLOR color) {
    m_backColor = color;
    if (m_hwnd)
        win::InvalidateRect(m_hwnd, nullptr, win::TRUE);
    NotifyAmbientChanged("BackColor");
}

void Form::SetForeColor(OLE_COLOR color) {
    m_foreColor = color;
    NotifyAmbientChanged("ForeColor");
}

void Form::SetFont(ole::Ptr<ole::Font> font) {
    AssignFont(*m_font, font);
}

void Form::SetBorderStyle(int16_t style) {
    if (style < 0 || style > 5)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_borderStyle = style;
    ApplyBorderStyle();
}

void Form::ApplyBorderStyle() {
    if (!m_hwnd)
        return;
    const FrameStyle frame = StyleOf(m_borderStyle, m_showInTaskbar);
    const auto visible =
        static_cast<win::DWORD>(win::GetWindowLongA(m_hwnd, win::GWL_STYLE)) & win::WS_VISIBLE;
    win::SetWindowLongA(m_hwnd, win::GWL_STYLE, static_cast<win::LONG_PTR>(frame.style | visible));
    win::SetWindowLongA(m_hwnd, win::GWL_EXSTYLE, static_cast<win::LONG_PTR>(frame.exStyle));
    win::SetWindowPos(m_hwnd, {}, 0, 0, 0, 0,
                      win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE |
                          win::SWP_FRAMECHANGED);
}

ole::Ptr<ole::Object> Form::Controls() {
    if (!m_controlsCollection) {
        const ole::WeakRef<Form> self(this);
        const auto collection = ControlCollection::CreateLive(
            [self]() -> const std::vector<ole::Ptr<Control>>& {
                static const std::vector<ole::Ptr<Control>> none;
                const auto form = self.Lock();
                return form ? form->m_controls : none;
            },
            [self](const std::string& progId, const std::string& name,
                   ole::Ptr<ole::Object> container) {
                const auto form = self.Lock();
                if (!form)
                    ole::RaiseError(ole::ERR_OBJECT_NOT_SET);
                return form->Add(progId, name, std::move(container));
            },
            [self](const ole::Ptr<Control>& control) {
                if (const auto form = self.Lock())
                    form->RemoveAdded(control);
            });
        collection->SetMenus([self] {
            const auto form = self.Lock();
            return form ? form->m_menuBar.AllItems() : std::vector<ole::Ptr<Menu>>{};
        });
        m_controlsCollection = collection;
    }
    return m_controlsCollection;
}

ole::Ptr<ole::Object> Form::ActiveControl() const {
    const win::HWND focus = win::GetFocus();
    if (!focus || !m_hwnd || !win::IsChild(m_hwnd, focus))
        return nullptr;
    return ControlOfWindow(focus);
}

void Form::Refresh() {
    if (m_hwnd)
        win::RedrawWindow(m_hwnd, nullptr, {},
                          win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_UPDATENOW |
                              win::RDW_ALLCHILDREN);
}

void Form::SetFocus() {
    EnsureLoaded();
    if (!win::IsWindowVisible(m_hwnd) || !win::IsWindowEnabled(m_hwnd))
        ole::RaiseError(ole::ERR_INVALID_CALL);
    BringForward();
    win::SetFocus(m_hwnd);
}

void Form::BringForward() {
    if (!m_hwnd)
        return;
    if (!m_mdiChild) {
        win::SetActiveWindow(m_hwnd);
        return;
    }
    // The frame comes forward with its child.
    if (const auto frame = MdiForm::Instance(); frame && frame->IsLoaded()) {
        if (!frame->Visible())
            frame->Show(ole::Variant::Missing(), ole::Variant::Missing());
        win::SetActiveWindow(frame->Window());
    }
    win::SendMessageA(win::GetParent(m_hwnd), win::WM_MDIACTIVATE,
                      static_cast<win::WPARAM>(win::HandleToParam(m_hwnd)), 0);
}

bool Form::TranslateMenuShortcut(win::WPARAM key) {
    // The MDI system keys come first, as in the platform's message loop.
    const auto frame = MdiForm::Instance();
    if (frame && (m_mdiChild || frame.Get() == this) && frame->TranslateSystemKey(key))
        return true;
    if (m_menuBar.TranslateShortcut(key))
        return true;
    if (!m_mdiChild)
        return false;
    return frame && frame.Get() != this && frame->TranslateMenuShortcut(key);
}

ole::Ptr<ole::Object> Form::ContainerObject() const {
    return ole::Ptr<ole::Object>(const_cast<Form*>(this));
}

// ---- Controls ----

ole::Ptr<Control> Form::AddControl(ole::Ptr<Control> control, std::string name,
                                   ole::Ptr<ole::Object> container, const win::RECT& bounds,
                                   bool visible) {
    return SiteControl(std::move(control), std::move(name), -1, std::move(container), bounds,
                       visible);
}

ole::Ptr<Control> Form::AddArrayElement(ole::Ptr<Control> control, std::string name, int16_t index,
                                        ole::Ptr<ole::Object> container, const win::RECT& bounds,
                                        bool visible) {
    if (index < 0)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    return SiteControl(std::move(control), std::move(name), index, std::move(container), bounds,
                       visible);
}

ole::Ptr<Control> Form::SiteControl(ole::Ptr<Control> control, std::string name, int16_t index,
                                    ole::Ptr<ole::Object> container, const win::RECT& bounds,
                                    bool visible) {
    if (!control)
        ole::RaiseError(ole::ERR_OBJECT_NOT_SET);
    if (m_names.Clashes(name, index))
        ole::RaiseError(ole::ERR_DUPLICATE_CONTROL_NAME);
    const int16_t tabIndex = NextTabIndex();
    EnsureLoaded();
    ControlContainer& site = container ? RequireContainerOn(container.Get(), this)
                                       : static_cast<ControlContainer&>(*this);
    m_controls.push_back(control);
    m_names.Add(*control, name, index);
    m_nextTabIndex = tabIndex + 1;
    control->m_tabIndex = tabIndex;
    control->m_index = index;
    control->m_listed = true;
    m_focusOrder.Added(*control);
    const std::string key = name;
    try {
        control->Site(site, std::move(name), bounds, visible);
    } catch (...) {
        m_names.Remove(*control, key, index);
        control->m_listed = false;
        std::erase(m_controls, control);
        m_focusOrder.Invalidate();
        m_nextTabIndex = kTabIndexUnknown;
        throw;
    }
    return control;
}

int16_t Form::NextTabIndex() {
    if (m_nextTabIndex == kTabIndexUnknown) {
        m_nextTabIndex = 0;
        for (const auto& control : m_controls)
            m_nextTabIndex = std::max(m_nextTabIndex, control->TabIndex() + 1);
    }
    // TabIndex is a 16-bit number: a control past the last value is refused rather than
    // numbered below the others.
    if (m_nextTabIndex > std::numeric_limits<int16_t>::max())
        ole::RaiseError(ole::ERR_OVERFLOW);
    return static_cast<int16_t>(m_nextTabIndex);
}

namespace {

// A control's name: a letter, then letters, digits and underscores; at most 40 characters.
bool IsControlName(std::string_view name) {
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (name.empty() || name.size() > 40 || !letter(name.front()))
        return false;
    return std::all_of(name.begin(), name.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9') || c == '_'; });
}

} // namespace

ole::Ptr<Control> Form::Add(std::string_view progId, std::string name,
                            ole::Ptr<ole::Object> container) {
    if (!IsControlName(name))
        ole::RaiseError(ole::ERR_INVALID_CALL, "'" + name + "' is not a valid control name");
    if (m_names.Find(name))
        ole::RaiseError(ole::ERR_DUPLICATE_CONTROL_NAME);
    NextTabIndex(); // refused before the control is created
    if (container)
        RequireContainerOn(container.Get(), this);
    ole::Ptr<ole::Object> created = ControlLibraries::CreateObject(progId);
    constexpr win::RECT kDefaultBounds{0, 0, 100, 30};
    ole::Ptr<Control> added;
    if (auto control = ole::PtrCast<Control>(created)) {
        added = AddControl(control, std::move(name), container, kDefaultBounds, false);
    } else {
        auto inner = ole::PtrCast<UserControl>(created);
        if (!inner)
            ole::RaiseError(ole::ERR_INVALID_CLASS_STRING,
                            "'" + std::string(progId) + "' is not a control");
        added = Extender::Host(
            inner,
            [&](const ole::Ptr<Extender>& site) {
                AddControl(site, name, container, kDefaultBounds, false);
            },
            nullptr);
    }
    added->m_runtimeAdded = true;
    added->ZOrder(ole::Variant(int16_t{0}));
    return added;
}

void Form::RemoveAdded(const ole::Ptr<Control>& control) {
    if (control && !control->IsRuntimeAdded())
        ole::RaiseError(ole::ERR_INVALID_CALL, "Only controls added at run time can be removed");
    if (!control || std::find(m_controls.begin(), m_controls.end(), control) == m_controls.end())
        ole::RaiseError(ole::ERR_INVALID_CALL, "The control is not on this form");
    RemoveWithContents(control);
}

void Form::Remove(std::string_view name) {
    const auto control = FindControl(name);
    if (!control)
        ole::RaiseError(ole::ERR_INVALID_CALL, "The control is not on this form");
    RemoveWithContents(control);
}

void Form::RemoveWithContents(const ole::Ptr<Control>& control) {
    if (ControlContainer* inner = control->AsControlContainer()) {
        for (const auto& child : std::vector<ole::Ptr<Control>>(m_controls)) {
            if (child->IsAlive() && child->ContainerSite() == inner)
                RemoveWithContents(child);
        }
    }
    std::erase(m_controls, control);
    control->m_listed = false;
    m_focusOrder.Invalidate();
    m_names.Remove(*control, control->Name(), control->m_index);
    m_nextTabIndex = kTabIndexUnknown;
    control->Unsite();
}

ole::Ptr<Control> Form::FindControl(std::string_view name) const {
    return ole::Ptr<Control>(m_names.Find(name));
}

ole::Ptr<Control> Form::ControlOfWindow(win::HWND hwnd) const {
    // Each window up from hwnd names its control at once; only this form's own list counts, not
    // a user control's constituents nor an MDI child form's controls inside this window.
    for (win::HWND h = hwnd; h && h != m_hwnd; h = win::GetAncestor(h, win::GA_PARENT)) {
        const auto control = Control::FromWindow(h);
        if (control && control->m_listed && control->HostForm() == this && control->IsAlive() &&
            !control->IsWindowless() && control->Window() == h)
            return control;
    }
    return nullptr;
}

void Form::ReorderTabIndex(Control& moved, int16_t index) {
    std::vector<Control*> others = m_focusOrder.Controls(*this);
    std::erase(others, &moved);
    const bool listed = moved.m_listed;
    auto order = PlaceInTabOrder(std::move(others), moved, index);
    if (!listed)
        std::erase(order, &moved);
    m_focusOrder.Assign(std::move(order));
    m_nextTabIndex = kTabIndexUnknown;
}

std::vector<Control*> Form::PlaceInTabOrder(std::vector<Control*> order, Control& moved,
                                            int16_t index) {
    const size_t position = std::min<size_t>(static_cast<size_t>(index), order.size());
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(position), &moved);
    for (size_t i = 0; i < order.size(); ++i)
        order[i]->m_tabIndex = static_cast<int16_t>(i);
    return order;
}

bool Form::TabToNext(win::HWND from, bool previous) {
    return m_focusOrder.Tab(*this, from, previous);
}

bool Form::PressDefaultOrCancel(bool enter) {
    for (const auto& control : std::vector<ole::Ptr<Control>>(m_controls)) {
        if (!control->IsAlive() || !control->Visible() || !control->Enabled())
            continue;
        if (enter ? control->IsDefaultButton() : control->IsCancelButton()) {
            control->PressFromKeyboard();
            return true;
        }
    }
    return false;
}

bool Form::FocusAccessKey(int virtualKey) {
    // A mnemonic of the window's menu bar wins over a control's access key: the focus stays, and
    // the WM_SYSCHAR that follows opens the bar's item. Doing both would move the focus under an
    // open menu.
    const bool letterOrDigit =
        (virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z');
    if (letterOrDigit && win::detail::MenuTracker::BarHasAccessKey(
                             win::GetAncestor(m_hwnd, win::GA_ROOT), static_cast<char>(virtualKey)))
        return false;
    return m_focusOrder.FocusAccessKey(*this, virtualKey, win::GetFocus());
}

bool Form::PreviewKey(win::UINT msg, win::WPARAM& wParam) {
    if (!m_keyPreview)
        return false;
    wParam = static_cast<win::WPARAM>(RaiseKeyEvent(msg, wParam, Raiser()));
    return wParam == 0;
}

EventRaise Form::Raiser() {
    return [this](ole::DISPID id, std::span<ole::Variant> args) { RaiseFormEvent(id, args); };
}

// ---- Window procedure ----

win::LRESULT Form::FormProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    const auto& table = Tables().byWindow;
    const auto found = table.find(hwnd);
    const auto form =
        found == table.end() ? nullptr : ole::PtrCast<Form>(ole::ObjectFromPtr(found->second));
    if (!form)
        return win::DefWindowProcA(hwnd, msg, wParam, lParam);
    return form->WindowProc(msg, wParam, lParam);
}

win::LRESULT Form::WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    const win::HWND hwnd = m_hwnd;
    if (const auto handled = HandleContainerMessage(*this, hwnd, msg, wParam, lParam, m_backColor))
        return *handled;
    switch (msg) {
    case win::WM_PAINT:
        PaintContainerSurface(*this, hwnd, m_backColor, [&](win::HDC) { RaiseFormEvent(Paint); });
        return 0;
    case win::WM_SIZE:
        MutableScale();
        if (m_shownOnce)
            RaiseFormEvent(Resize);
        return 0;
    case win::WM_MDIACTIVATE:
        if (m_mdiChild) {
            const win::LPARAM self = win::HandleToParam(hwnd);
            if (static_cast<win::LPARAM>(wParam) == self)
                RaiseFormEvent(Deactivate);
            if (lParam == self)
                RaiseFormEvent(Activate);
        }
        return 0;
    case win::WM_ACTIVATE:
        RaiseFormEvent(win::LOWORD(wParam) == win::WA_INACTIVE ? Deactivate : Activate);
        return DefaultProc(msg, wParam, lParam);
    case win::WM_CLOSE:
        UnloadForm(kUnloadFormControlMenu);
        return 0;
    case win::WM_COMMAND:
        if (m_menuBar.OnCommand(wParam, lParam))
            return 0;
        return DefaultProc(msg, wParam, lParam);
    case win::WM_INITMENUPOPUP:
        m_menuBar.OnInitMenuPopup(win::HandleFromParam<win::HMENU>(static_cast<intptr_t>(wParam)));
        return 0;
    case win::WM_SYSKEYDOWN:
        if (FocusAccessKey(static_cast<int>(wParam)))
            return 0;
        return DefaultProc(msg, wParam, lParam);
    case win::WM_KEYDOWN:
    case win::WM_KEYUP: {
        // The form itself has the focus (no control could take it).
        if (msg == win::WM_KEYDOWN && TranslateMenuShortcut(wParam))
            return 0;
        if (msg == win::WM_KEYDOWN && wParam == static_cast<win::WPARAM>(win::VK_TAB)) {
            TabToNext({}, win::GetKeyState(win::VK_SHIFT) < 0);
            return 0;
        }
        if (msg == win::WM_KEYDOWN &&
            (wParam == static_cast<win::WPARAM>(win::VK_RETURN) ||
             wParam == static_cast<win::WPARAM>(win::VK_ESCAPE)) &&
            PressDefaultOrCancel(wParam == static_cast<win::WPARAM>(win::VK_RETURN)))
            return 0;
        RaiseKeyEvent(msg, wParam, Raiser());
        return 0;
    }
    case win::WM_CHAR:
        RaiseKeyEvent(msg, wParam, Raiser());
        return 0;
    case win::WM_SETFOCUS:
        // The form passes the focus on to its first control, like a dialog.
        TabToNext({}, false);
        return 0;
    case win::WM_MOUSEMOVE:
    case win::WM_LBUTTONDOWN:
    case win::WM_RBUTTONDOWN:
    case win::WM_MBUTTONDOWN:
    case win::WM_LBUTTONUP:
    case win::WM_RBUTTONUP:
    case win::WM_MBUTTONUP:
    case win::WM_LBUTTONDBLCLK:
    case win::WM_RBUTTONDBLCLK:
    case win::WM_MBUTTONDBLCLK:
        m_mouse.Raise(msg, wParam,
                      MousePointIn(Scale(), {win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam)}),
                      Raiser());
        return 0;
    case win::WM_NCDESTROY: {
        // Destroyed from outside (a platform reset, a parent going): unloaded without events.
        Tables().byWindow.erase(hwnd);
        m_menuBar.Detach();
        const win::LRESULT result = DefaultProc(msg, wParam, lParam);
        if (m_hwnd == hwnd) {
            ole::Ptr<Form> keepAlive(this);
            m_hwnd = {};
            DestroyControls();
            m_shownOnce = false;
            ++m_unloadCount;
            std::erase_if(Tables().loaded, [&](const auto& f) { return f.Get() == this; });
        }
        return result;
    }
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}

win::LRESULT Form::DefaultProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (m_mdiChild)
        return win::DefMDIChildProcA(m_hwnd, msg, wParam, lParam);
    return win::DefWindowProcA(m_hwnd, msg, wParam, lParam);
}

size_t Form::LiveFormCount() {
    return Tables().live;
}

std::vector<ole::Ptr<Form>> Form::LoadedForms() {
    return Tables().loaded;
}

} // namespace forms
