#include "platform/forms/control/Control.h"

#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/control/InputEvents.h"
#include "platform/forms/control/LayoutVersion.h"
#include "platform/forms/control/MousePointer.h"
#include "platform/forms/errors/EventErrorBoundary.h"
#include "platform/forms/form/FocusOrder.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/host/FocusTracker.h"
#include "platform/forms/host/UserControl.h"
#include "platform/forms/scale/ScaleSpace.h"
#include "platform/ole/bag/PersistedProperties.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/dispatch/ArgConvert.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"
#include "platform/win/text/AccessKey.h"

#include <unordered_map>

namespace forms {

namespace {

// Runtime windows to their control's weak id; an entry goes with the window's WM_NCDESTROY.
std::unordered_map<win::HWND, uint32_t>& WindowControls() {
    static std::unordered_map<win::HWND, uint32_t> table;
    return table;
}

int g_nextZPosition = 1;
size_t g_liveControls = 0;
size_t g_deadControls = 0;

void InvalidateIn(win::HWND container, const win::RECT& rect) {
    if (container)
        win::InvalidateRect(container, &rect, win::TRUE);
}

} // namespace

Control::Control() {
    ++g_liveControls;
}

Control::~Control() {
    if (m_hwnd)
        WindowControls().erase(m_hwnd);
    --g_liveControls;
    if (m_dead)
        --g_deadControls;
}

size_t Control::LiveControlCount() {
    return g_liveControls;
}

size_t Control::DeadControlCount() {
    return g_deadControls;
}

void Control::MarkDead() {
    NoteLayoutChange();
    if (!m_dead)
        ++g_deadControls;
    m_dead = true;
}

ole::ConnectionPoint& Control::Events() {
    if (!m_events)
        m_events.emplace(GetClassInfo(), this);
    return *m_events;
}

void Control::RequireLive() const {
    if (m_dead)
        ole::RaiseError(ole::ERR_OBJECT_NOT_SET,
                        "The control '" + m_name + "' was removed or its form unloaded");
}

ole::Variant Control::Invoke(ole::DISPID id, uint16_t kinds, std::span<ole::Variant> args) {
    RequireLive();
    return ole::Object::Invoke(id, kinds, args);
}

// ---- Common members ----

void Control::LetName(const std::string& name) {
    if (m_sited)
        ole::RaiseError(ole::ERR_READ_ONLY);
    m_name = name;
}

int16_t Control::Index() const {
    if (m_index < 0)
        ole::RaiseError(ole::ERR_NOT_AN_ARRAY);
    return m_index;
}

ole::Ptr<ole::Object> Control::Container() const {
    return m_container.Lock();
}

ControlContainer* Control::ContainerSite() const {
    return ContainerOf(m_container.Lock().Get());
}

Form* Control::HostForm() const {
    ControlContainer* container = ContainerSite();
    return container ? container->HostForm() : nullptr;
}

ole::Ptr<ole::Object> Control::Parent() const {
    return ole::Ptr<ole::Object>(HostForm());
}

ScaleSpace Control::ContainerScale() const {
    ControlContainer* container = ContainerSite();
    return container ? container->ChildScale() : ScaleSpace();
}

void Control::SetContainer(ole::Ptr<ole::Object> container) {
    ControlContainer& target = RequireContainerOn(container.Get(), HostForm());
    // Into itself or into a control it contains would make the containers a cycle.
    for (ole::Ptr<ole::Object> at = container; at;) {
        const auto* control = dynamic_cast<const Control*>(at.Get());
        if (control == this)
            ole::RaiseError(ole::ERR_INVALID_CALL, "A control cannot contain itself");
        at = control ? control->Container() : nullptr;
    }
    NoteLayoutChange();
    if (!m_sited || m_dead) {
        m_container = ole::WeakRef<ole::Object>(container);
        return;
    }
    const float left = Left();
    const float top = Top();
    const float width = Width();
    const float height = Height();
    if (IsWindowless()) {
        if (ControlContainer* old = ContainerSite())
            InvalidateIn(old->ContainerWindow(), m_windowlessBounds);
        m_container = ole::WeakRef<ole::Object>(container);
    } else {
        m_container = ole::WeakRef<ole::Object>(container);
        win::SetParent(m_hwnd, target.ContainerWindow());
    }
    Move(left, ole::Variant(top), ole::Variant(width), ole::Variant(height));
}

void Control::SetVisible(bool visible) {
    if (m_visible == visible)
        return;
    m_visible = visible;
    if (IsAlive()) {
        if (IsWindowless()) {
            if (ControlContainer* container = ContainerSite())
                InvalidateIn(container->ContainerWindow(), m_windowlessBounds);
        } else {
            win::ShowWindow(m_hwnd, visible ? win::SW_SHOWNA : win::SW_HIDE);
        }
    }
    OnVisibilityChanged();
}

void Control::SetEnabled(bool enabled) {
    m_enabled = enabled;
    if (IsAlive() && !IsWindowless())
        win::EnableWindow(m_hwnd, enabled ? win::TRUE : win::FALSE);
    else if (IsAlive())
        Refresh();
}

void Control::SetTabIndex(int16_t index) {
    if (index < 0)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    // A constituent is numbered among its user control's constituents, apart from the form.
    const UserControl* owner = ConstituentOwner(*this);
    std::vector<Control*> others =
        owner ? FocusOrder::ByTabIndex(owner->Constituents()) : std::vector<Control*>{};
    if (std::erase(others, this) != 0) {
        Form::PlaceInTabOrder(std::move(others), *this, index);
    } else if (Form* form = HostForm()) {
        form->ReorderTabIndex(*this, index);
    } else {
        m_tabIndex = index;
    }
}

void Control::SetTabStop(bool tabStop) {
    m_tabStop = tabStop;
    if (IsAlive() && !IsWindowless()) {
        const auto style = static_cast<win::DWORD>(win::GetWindowLongA(m_hwnd, win::GWL_STYLE));
        const win::DWORD updated = tabStop ? (style | win::WS_TABSTOP) : (style & ~win::WS_TABSTOP);
        if (updated != style)
            win::SetWindowLongA(m_hwnd, win::GWL_STYLE, static_cast<win::LONG_PTR>(updated));
    }
}

win::RECT Control::PixelBounds() const {
    if (IsWindowless() || !IsAlive())
        return m_windowlessBounds;
    win::RECT rect;
    win::GetWindowRect(m_hwnd, &rect);
    win::POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    win::MapWindowPoints({}, win::GetParent(m_hwnd), corners, 2);
    return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void Control::SetPixelBounds(const win::RECT& bounds) {
    NoteLayoutChange();
    if (IsWindowless() || !IsAlive()) {
        const win::RECT old = m_windowlessBounds;
        m_windowlessBounds = bounds;
        if (IsAlive() && m_visible) {
            if (ControlContainer* container = ContainerSite()) {
                InvalidateIn(container->ContainerWindow(), old);
                InvalidateIn(container->ContainerWindow(), bounds);
            }
        }
        return;
    }
    win::SetWindowPos(m_hwnd, {}, bounds.left, bounds.top, bounds.right - bounds.left,
                      bounds.bottom - bounds.top, win::SWP_NOZORDER | win::SWP_NOACTIVATE);
}

ScaleSpace Control::PlacementScale() const {
    return ContainerScale();
}

void Control::ZOrder(const ole::Variant& position) {
    const bool toBack =
        !position.IsMissing() && !position.IsEmpty() && ole::FromVariant<int32_t>(position) == 1;
    if (!IsAlive())
        return;
    NoteLayoutChange();
    if (IsWindowless()) {
        m_zPosition = toBack ? -(g_nextZPosition++) : g_nextZPosition++;
        if (ControlContainer* container = ContainerSite())
            InvalidateIn(container->ContainerWindow(), m_windowlessBounds);
        return;
    }
    win::SetWindowPos(m_hwnd, toBack ? win::HWND_BOTTOM : win::HWND_TOP, 0, 0, 0, 0,
                      win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
}

bool Control::CanTakeFocus() const {
    if (!IsAlive() || IsWindowless() || !win::IsWindowVisible(m_hwnd))
        return false;
    // A disabled container (a Frame) disables everything inside it.
    for (win::HWND h = m_hwnd; h && (win::GetWindowLongA(h, win::GWL_STYLE) & win::WS_CHILD);
         h = win::GetParent(h)) {
        if (!win::IsWindowEnabled(h))
            return false;
    }
    return true;
}

void Control::SetFocus() {
    if (!CanTakeFocus())
        ole::RaiseError(ole::ERR_INVALID_CALL);
    win::SetFocus(m_hwnd);
}

int32_t Control::hWnd() const {
    if (IsWindowless())
        ole::RaiseError(ole::ERR_NO_MEMBER);
    return static_cast<int32_t>(IsAlive() ? m_hwnd.Value() : 0);
}

void Control::Refresh() {
    if (!IsAlive())
        return;
    if (IsWindowless()) {
        if (ControlContainer* container = ContainerSite()) {
            InvalidateIn(container->ContainerWindow(), m_windowlessBounds);
            win::UpdateWindow(container->ContainerWindow());
        }
        return;
    }
    win::RedrawWindow(m_hwnd, nullptr, {},
                      win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_UPDATENOW |
                          win::RDW_ALLCHILDREN);
}

void Control::SetMousePointer(int16_t pointer) {
    m_mousePointer = CheckedMousePointer(pointer);
    if (IsAlive() && !IsWindowless() && win::GetCapture() == m_hwnd)
        ApplyCursor();
}

void Control::SetMouseIcon(ole::Ptr<ole::Picture> icon) {
    m_mouseIcon = std::move(icon);
    if (IsAlive() && !IsWindowless() && win::GetCapture() == m_hwnd)
        ApplyCursor();
}

void Control::ApplyCursor() {
    if (const win::HCURSOR cursor = CursorForMousePointer(m_mousePointer, m_mouseIcon.Get()))
        win::SetCursor(cursor);
}

// ---- Persistence ----

void Control::WriteProperties(ole::PropertyBag& bag) {
    ole::WritePersistedProperties(*this, bag);
    if (!GetClassInfo().HasMember(dispid::Font))
        return;
    // The default is the font a new control would take: its container's, or a fresh one unsited.
    ControlContainer* container = ContainerSite();
    const ole::Ptr<ole::Font> usual = container ? container->AmbientFont() : ole::Font::Create();
    bag.WriteProperty("Font", Invoke(dispid::Font, ole::DISPATCH_PROPERTYGET, {}),
                      ole::Variant(ole::Ptr<ole::Object>(usual)));
}

void Control::ReadProperties(ole::PropertyBag& bag) {
    ole::ReadPersistedProperties(*this, bag);
    // Only a stored font is assigned, so a control without one still takes its container's.
    if (GetClassInfo().HasMember(dispid::Font) && bag.Entries().Find("Font")) {
        ole::ResumeNext([&] {
            ole::Variant font[] = {bag.ReadProperty("Font", ole::Variant())};
            Invoke(dispid::Font, ole::DISPATCH_PROPERTYPUTREF, font);
        });
    }
}

// ---- Events ----

bool Control::DeclaresEvent(ole::DISPID eventId) const {
    return GetClassInfo().FindEvent(eventId) != nullptr;
}

void Control::RaiseEvent(ole::DISPID eventId, std::span<ole::Variant> args) {
    if (!DeclaresEvent(eventId))
        return;
    ole::Ptr<Control> keepAlive(this);
    DeliverEvent(eventId, args);
}

void Control::DeliverEvent(ole::DISPID eventId, std::span<ole::Variant> args) {
    CallEventHandler([&] { Events().Raise(eventId, args); });
}

// ---- Siting and the window ----

const char* Control::RegisterRuntimeClass(const char* className, win::UINT classStyle) {
    win::WNDCLASSEXA existing;
    existing.cbSize = sizeof existing;
    if (win::GetClassInfoExA({}, className, &existing))
        return className;
    win::WNDCLASSEXA wc;
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = &Control::RuntimeProc;
    wc.hCursor = win::LoadCursorA({}, win::IDC_ARROW);
    wc.lpszClassName = className;
    win::RegisterClassExA(&wc);
    return className;
}

void Control::Site(ControlContainer& container, std::string name, const win::RECT& bounds,
                   bool visible) {
    NoteLayoutChange();
    m_container = ole::WeakRef<ole::Object>(container.ContainerObject());
    m_name = std::move(name);
    m_visible = visible;
    m_unsited = false;
    m_sited = true;
    if (IsWindowless()) {
        m_windowlessBounds = bounds;
        m_zPosition = g_nextZPosition++;
        if (visible)
            InvalidateIn(container.ContainerWindow(), bounds);
        OnSited();
        return;
    }
    CreateControlWindow(bounds);
}

void Control::CreateControlWindow(const win::RECT& bounds) {
    ControlContainer* container = ContainerSite();
    win::DWORD style = win::WS_CHILD | WindowStyle();
    if (m_tabStop)
        style |= win::WS_TABSTOP;
    if (!m_enabled)
        style |= win::WS_DISABLED;
    const std::string className(WindowClassName());
    const std::string text = InitialWindowText();
    m_hwnd = win::CreateWindowExA(
        WindowExStyle(), className.c_str(), text.c_str(), style, bounds.left, bounds.top,
        bounds.right - bounds.left, bounds.bottom - bounds.top,
        container ? container->ContainerWindow() : win::HWND{}, {}, {}, nullptr);
    if (!m_hwnd) {
        NoteLayoutChange();
        m_sited = false;
        ole::RaiseError(ole::ERR_INVALID_CALL, "Can't create the control's window");
    }
    WindowControls()[m_hwnd] = ole::PtrOfObject(this);
    const auto proc = reinterpret_cast<win::WNDPROC>(win::GetWindowLongA(m_hwnd, win::GWL_WNDPROC));
    if (proc != &Control::RuntimeProc) {
        m_systemProc = proc;
        win::SetWindowLongA(m_hwnd, win::GWL_WNDPROC,
                            reinterpret_cast<win::LONG_PTR>(&Control::RuntimeProc));
    }
    OnWindowCreated();
    if (m_visible)
        win::ShowWindow(m_hwnd, win::SW_SHOWNA);
}

void Control::Unsite() {
    if (!m_sited || m_unsited)
        return;
    m_unsited = true;
    NoteLayoutChange();
    ole::Ptr<Control> keepAlive(this);
    if (IsWindowless()) {
        if (ControlContainer* container = ContainerSite())
            InvalidateIn(container->ContainerWindow(), m_windowlessBounds);
    } else if (m_hwnd && !m_dead) {
        OnWindowDestroying();
        win::DestroyWindow(m_hwnd);
    }
    MarkDead();
    OnUnsited();
}

ole::Ptr<Control> Control::FromWindow(win::HWND hwnd) {
    const auto& table = WindowControls();
    const auto found = table.find(hwnd);
    if (found == table.end())
        return nullptr;
    return ole::PtrCast<Control>(ole::ObjectFromPtr(found->second));
}

win::LRESULT Control::RuntimeProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                  win::LPARAM lParam) {
    const ole::Ptr<Control> control = FromWindow(hwnd);
    if (!control) {
        if (msg == win::WM_NCDESTROY)
            WindowControls().erase(hwnd);
        return win::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    return control->Dispatch(msg, wParam, lParam);
}

win::LRESULT Control::Dispatch(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    // The window moved, was sized or restacked from outside the control's own members.
    if (msg == win::WM_WINDOWPOSCHANGED)
        NoteLayoutChange();
    win::LRESULT result = WindowProc(msg, wParam, lParam);
    if (msg == win::WM_NCDESTROY) {
        WindowControls().erase(m_hwnd);
        MarkDead();
    }
    return result;
}

win::LRESULT Control::CallDefault(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (m_systemProc)
        return win::CallWindowProcA(m_systemProc, m_hwnd, msg, wParam, lParam);
    return win::DefWindowProcA(m_hwnd, msg, wParam, lParam);
}

bool Control::WantsTab() const {
    return false;
}

void Control::MouseUnits(win::POINT clientPt, float& x, float& y) const {
    if (const ScaleSpace* own = OwnScale()) {
        const MousePoint point = MousePointIn(*own, clientPt);
        x = point.x;
        y = point.y;
        return;
    }
    const ScaleSpace scale = ContainerScale();
    x = static_cast<float>(scale.LengthFromPixels(clientPt.x, Axis::X));
    y = static_cast<float>(scale.LengthFromPixels(clientPt.y, Axis::Y));
}

void Control::RaiseMouseEvent(win::UINT msg, win::WPARAM wParam, win::POINT clientPt) {
    MousePoint point;
    MouseUnits(clientPt, point.x, point.y);
    m_mouse.Raise(msg, wParam, point, Raiser(), RaisesClickOnMouseUp());
}

EventRaise Control::Raiser() {
    return [this](ole::DISPID id, std::span<ole::Variant> args) { RaiseEvent(id, args); };
}

void Control::WindowlessMouse(win::UINT msg, win::WPARAM wParam, win::POINT containerPt) {
    RaiseMouseEvent(
        msg, wParam,
        {containerPt.x - m_windowlessBounds.left, containerPt.y - m_windowlessBounds.top});
}

bool Control::HandleKeyMessage(win::UINT msg, win::WPARAM& wParam, win::LRESULT& result) {
    if (msg == win::WM_KEYDOWN || msg == win::WM_KEYUP) {
        if (msg == win::WM_KEYDOWN && wParam == static_cast<win::WPARAM>(win::VK_TAB) &&
            !WantsTab()) {
            if (Form* form = HostForm()) {
                m_takenChar = '\t';
                form->TabToNext(m_hwnd, win::GetKeyState(win::VK_SHIFT) < 0);
                result = 0;
                return true;
            }
        }
        if (msg == win::WM_KEYDOWN)
            m_takenChar = 0;
        // The form's menu shortcuts come before the form and the control see the key.
        if (Form* form = HostForm();
            form && msg == win::WM_KEYDOWN && form->TranslateMenuShortcut(wParam)) {
            result = 0;
            return true;
        }
        if (Form* form = HostForm(); form && form->PreviewKey(msg, wParam)) {
            result = 0;
            return true;
        }
        const bool enter = wParam == static_cast<win::WPARAM>(win::VK_RETURN);
        if (msg == win::WM_KEYDOWN &&
            (enter || wParam == static_cast<win::WPARAM>(win::VK_ESCAPE))) {
            const win::LRESULT code = win::SendMessageA(m_hwnd, win::WM_GETDLGCODE, wParam, 0);
            // A focused command button is the one Enter presses, whichever is the Default.
            if (enter && (code & (win::DLGC_DEFPUSHBUTTON | win::DLGC_UNDEFPUSHBUTTON)) != 0) {
                m_takenChar = '\r';
                PressFromKeyboard();
                result = 0;
                return true;
            }
            Form* form = HostForm();
            if ((code & win::DLGC_WANTALLKEYS) == 0 && form) {
                m_takenChar = enter ? '\r' : '\x1b';
                if (form->PressDefaultOrCancel(enter)) {
                    result = 0;
                    return true;
                }
                m_takenChar = 0;
            }
        }
        const int32_t keyCode = RaiseKeyEvent(msg, wParam, Raiser());
        if (keyCode == 0) {
            result = 0;
            return true;
        }
        wParam = static_cast<win::WPARAM>(keyCode);
        return false;
    }
    if (msg == win::WM_CHAR) {
        const bool taken = m_takenChar != 0 && wParam == m_takenChar;
        m_takenChar = 0;
        if (taken) {
            result = 0;
            return true;
        }
        if (Form* form = HostForm(); form && form->PreviewKey(msg, wParam)) {
            result = 0;
            return true;
        }
        const int32_t keyAscii = RaiseKeyEvent(msg, wParam, Raiser());
        if (keyAscii == 0) {
            result = 0;
            return true;
        }
        wParam = static_cast<win::WPARAM>(keyAscii);
    }
    return false;
}

win::LRESULT Control::WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    switch (msg) {
    case win::WM_SETCURSOR:
        if (win::HwndFromParam(static_cast<win::LPARAM>(wParam)) == m_hwnd &&
            win::LOWORD(static_cast<uint64_t>(lParam)) == win::HTCLIENT && m_mousePointer != 0) {
            if (const win::HCURSOR cursor =
                    CursorForMousePointer(m_mousePointer, m_mouseIcon.Get())) {
                win::SetCursor(cursor);
                return win::TRUE;
            }
        }
        break;
    case win::WM_MOUSEMOVE:
    case win::WM_LBUTTONDOWN:
    case win::WM_RBUTTONDOWN:
    case win::WM_MBUTTONDOWN:
    case win::WM_LBUTTONUP:
    case win::WM_RBUTTONUP:
    case win::WM_MBUTTONUP:
    case win::WM_LBUTTONDBLCLK:
    case win::WM_RBUTTONDBLCLK:
    case win::WM_MBUTTONDBLCLK: {
        const bool runtimeClass = m_systemProc == nullptr;
        if (runtimeClass && (MouseEvents::IsButtonDown(msg) || MouseEvents::IsDoubleClick(msg)) &&
            win::GetCapture() != m_hwnd) {
            win::SetCapture(m_hwnd);
            m_captureByPress = true;
        }
        RaiseMouseEvent(msg, wParam, {win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam)});
        const win::LRESULT result = CallDefault(msg, wParam, lParam);
        if (runtimeClass && MouseEvents::IsButtonUp(msg) && m_captureByPress &&
            (wParam & (win::MK_LBUTTON | win::MK_RBUTTON | win::MK_MBUTTON)) == 0 &&
            win::GetCapture() == m_hwnd) {
            m_captureByPress = false;
            win::ReleaseCapture();
        }
        return result;
    }
    case win::WM_SYSKEYDOWN:
        if (Form* form = HostForm(); form && form->FocusAccessKey(static_cast<int>(wParam)))
            return 0;
        break;
    case win::WM_KEYDOWN:
    case win::WM_KEYUP:
    case win::WM_CHAR: {
        win::LRESULT result = 0;
        if (HandleKeyMessage(msg, wParam, result))
            return result;
        break;
    }
    case win::WM_SETFOCUS: {
        const win::LRESULT result = CallDefault(msg, wParam, lParam);
        NotifyFocusMoved(win::HwndFromParam(static_cast<win::LPARAM>(wParam)), m_hwnd);
        RaiseEvent(eventid::GotFocus);
        return result;
    }
    case win::WM_KILLFOCUS: {
        const win::LRESULT result = CallDefault(msg, wParam, lParam);
        RaiseEvent(eventid::LostFocus);
        // ExitFocus here, since the new focus may be a window the runtime does not see.
        NotifyFocusMoved(m_hwnd, win::HwndFromParam(static_cast<win::LPARAM>(wParam)));
        return result;
    }
    case win::WM_SIZE: {
        const win::LRESULT result = CallDefault(msg, wParam, lParam);
        RaiseEvent(eventid::Resize);
        return result;
    }
    default:
        break;
    }
    return CallDefault(msg, wParam, lParam);
}

std::optional<win::LRESULT> Control::OnReflected(win::UINT, win::WPARAM, win::LPARAM) {
    return std::nullopt;
}

void Control::PaintWindowless(win::HDC, const win::RECT&) {}

} // namespace forms
