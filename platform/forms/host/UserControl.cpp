#include "platform/forms/host/UserControl.h"
#include "platform/forms/library/ControlLibraries.h"

#include "platform/base/TextCase.h"
#include "platform/forms/control/ContainerMessages.h"
#include "platform/forms/control/Control.h"
#include "platform/forms/errors/EventErrorBoundary.h"
#include "platform/forms/form/ControlCollection.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/host/Ambient.h"
#include "platform/forms/host/Extender.h"
#include "platform/ole/dispatch/ArgConvert.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"

#include <stdexcept>

namespace forms {

namespace {

bool Given(const ole::Variant& v) {
    return !v.IsMissing() && !v.IsEmpty();
}

} // namespace

UserControl::UserControl() : m_font(ole::Font::Create()) {}

UserControl::~UserControl() = default;

ole::ConnectionPoint& UserControl::Events() {
    if (!m_events)
        m_events.emplace(GetClassInfo(), this);
    return *m_events;
}

void UserControl::Handle(const std::function<void()>& handler) {
    ole::Ptr<UserControl> keepAlive(this);
    CallEventHandler(handler);
}

// ---- Members ----

win::HWND UserControl::hWnd() const {
    return m_hwnd;
}

win::HDC UserControl::hDC() {
    if (m_paintDc)
        return m_paintDc;
    if (!m_keptDc && m_hwnd)
        m_keptDc = win::GetDC(m_hwnd);
    return m_keptDc;
}

void UserControl::SetScaleMode(int16_t mode) {
    ChangeScale([&] { m_scale.SetMode(static_cast<int>(mode)); });
}

void UserControl::ChangeScale(const std::function<void()>& change) {
    const auto before = m_scale.Mode();
    change();
    if (before != m_scale.Mode())
        NotifyAmbientChanged("ScaleUnits");
}

float UserControl::ScaleX(float value, const ole::Variant& from, const ole::Variant& to) const {
    return static_cast<float>(
        m_scale.Convert(value, Given(from) ? ole::FromVariant<int32_t>(from) : 8,
                        Given(to) ? ole::FromVariant<int32_t>(to) : ScaleMode(), Axis::X));
}

float UserControl::ScaleY(float value, const ole::Variant& from, const ole::Variant& to) const {
    return static_cast<float>(
        m_scale.Convert(value, Given(from) ? ole::FromVariant<int32_t>(from) : 8,
                        Given(to) ? ole::FromVariant<int32_t>(to) : ScaleMode(), Axis::Y));
}

float UserControl::Width() const {
    const auto extender = GetExtender();
    return extender ? extender->Width() : 0.0f;
}

float UserControl::Height() const {
    const auto extender = GetExtender();
    return extender ? extender->Height() : 0.0f;
}

void UserControl::SetAppearance(int16_t appearance) {
    if (appearance < 0 || appearance > 1)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_appearance = appearance;
    ApplyBorder();
}

void UserControl::SetBorderStyle(int16_t style) {
    if (style < 0 || style > 1)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_borderStyle = style;
    ApplyBorder();
}

void UserControl::ApplyBorder() {
    if (!m_hwnd)
        return;
    auto style = static_cast<win::DWORD>(win::GetWindowLongA(m_hwnd, win::GWL_STYLE));
    auto exStyle = static_cast<win::DWORD>(win::GetWindowLongA(m_hwnd, win::GWL_EXSTYLE));
    style &= ~win::WS_BORDER;
    exStyle &= ~win::WS_EX_CLIENTEDGE;
    if (m_borderStyle == 1) {
        if (m_appearance == 0)
            style |= win::WS_BORDER;
        else
            exStyle |= win::WS_EX_CLIENTEDGE;
    }
    win::SetWindowLongA(m_hwnd, win::GWL_STYLE, static_cast<win::LONG_PTR>(style));
    win::SetWindowLongA(m_hwnd, win::GWL_EXSTYLE, static_cast<win::LONG_PTR>(exStyle));
    // The frame change resizes the client area, which raises Resize.
    win::SetWindowPos(m_hwnd, {}, 0, 0, 0, 0,
                      win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE |
                          win::SWP_FRAMECHANGED);
    win::InvalidateRect(m_hwnd, nullptr, win::TRUE);
}

void UserControl::SetBackColor(OLE_COLOR color) {
    if (m_backColor != color) {
        m_backColor = color;
        NotifyAmbientChanged("BackColor");
    }
    if (m_hwnd)
        win::InvalidateRect(m_hwnd, nullptr, win::TRUE);
}

void UserControl::SetForeColor(OLE_COLOR color) {
    if (m_foreColor != color) {
        m_foreColor = color;
        NotifyAmbientChanged("ForeColor");
    }
}

void UserControl::SetFont(ole::Ptr<ole::Font> font) {
    AssignFont(*m_font, font);
}

bool UserControl::Enabled() const {
    const auto extender = GetExtender();
    return extender ? extender->Enabled() : true;
}

void UserControl::SetEnabled(bool enabled) {
    if (const auto extender = GetExtender())
        extender->SetEnabled(enabled);
}

int16_t UserControl::MousePointer() const {
    const auto extender = GetExtender();
    return extender ? extender->MousePointer() : int16_t{0};
}

void UserControl::SetMousePointer(int16_t pointer) {
    if (const auto extender = GetExtender())
        extender->SetMousePointer(pointer);
}

ole::Ptr<ole::Picture> UserControl::MouseIcon() const {
    const auto extender = GetExtender();
    return extender ? extender->MouseIcon() : nullptr;
}

void UserControl::SetMouseIcon(ole::Ptr<ole::Picture> icon) {
    if (const auto extender = GetExtender())
        extender->SetMouseIcon(std::move(icon));
}

void UserControl::Refresh() {
    if (m_hwnd)
        win::RedrawWindow(m_hwnd, nullptr, {},
                          win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_UPDATENOW);
}

void UserControl::SetFocus() {
    const auto extender = GetExtender();
    if (!extender)
        ole::RaiseError(ole::ERR_INVALID_CALL);
    extender->SetFocus();
}

void UserControl::PropertyChanged(const std::string& propertyName) {
    m_propertyChangedLog.push_back(propertyName);
    if (const auto extender = GetExtender())
        extender->MarkDirty();
}

void UserControl::PropertyChanged(ole::DISPID id) {
    const ole::ClassInfo& info = GetClassInfo();
    if (const ole::PersistedProperty* persisted = info.FindPersisted(id)) {
        PropertyChanged(persisted->key);
        return;
    }
    const std::string_view name = info.NameOf(id);
    if (name.empty())
        throw std::logic_error("PropertyChanged: " + info.Name() + " has no member " +
                               std::to_string(id));
    PropertyChanged(std::string(name));
}

ole::Ptr<Ambient> UserControl::GetAmbient() {
    if (!m_ambient)
        m_ambient = Ambient::Create(*this);
    return m_ambient;
}

ole::Ptr<Extender> UserControl::GetExtender() const {
    return m_extender.Lock();
}

std::vector<ole::Ptr<Control>> UserControl::ContainedControls() const {
    return ControlContainer::ChildControls();
}

ole::Ptr<ole::Object> UserControl::ContainedControlsObject() const {
    const ole::WeakRef<UserControl> self(this);
    return ControlCollection::Create([self] {
        const auto control = self.Lock();
        return control ? control->ContainedControls() : std::vector<ole::Ptr<Control>>{};
    });
}

ole::Ptr<ole::Object> UserControl::ControlsObject() const {
    const ole::WeakRef<UserControl> self(this);
    return ControlCollection::Create([self] {
        const auto control = self.Lock();
        return control ? control->Constituents() : std::vector<ole::Ptr<Control>>{};
    });
}

std::vector<ole::Ptr<Control>> UserControl::ChildControls() const {
    std::vector<ole::Ptr<Control>> children;
    for (const auto& constituent : m_constituents) {
        if (constituent->IsAlive())
            children.push_back(constituent);
    }
    for (auto& contained : ControlContainer::ChildControls())
        children.push_back(std::move(contained));
    return children;
}

ole::Ptr<Control> UserControl::AddConstituent(ole::Ptr<Control> control, std::string name,
                                              const win::RECT& bounds, bool visible) {
    if (!control)
        ole::RaiseError(ole::ERR_OBJECT_NOT_SET);
    if (FindConstituent(name))
        ole::RaiseError(ole::ERR_DUPLICATE_CONTROL_NAME);
    if (!m_hwnd)
        ole::RaiseError(ole::ERR_INVALID_CALL);
    m_constituents.push_back(control);
    try {
        control->Site(*this, std::move(name), bounds, visible);
    } catch (...) {
        m_constituents.pop_back();
        throw;
    }
    return control;
}

ole::Ptr<Control> UserControl::AddConstituent(std::string_view progId, std::string name,
                                              const win::RECT& bounds, bool visible) {
    ole::Ptr<ole::Object> created = ControlLibraries::CreateObject(progId);
    if (auto control = ole::PtrCast<Control>(created))
        return AddConstituent(control, std::move(name), bounds, visible);
    auto inner = ole::PtrCast<UserControl>(created);
    if (!inner)
        ole::RaiseError(ole::ERR_TYPE_MISMATCH);
    return Extender::Host(
        inner, [&](const ole::Ptr<Extender>& site) { AddConstituent(site, name, bounds, visible); },
        nullptr);
}

ole::Ptr<Control> UserControl::FindConstituent(std::string_view name) const {
    for (const auto& constituent : m_constituents) {
        if (base::EqualsNoCase(constituent->Name(), name))
            return constituent;
    }
    return nullptr;
}

void UserControl::RaiseEvent(ole::DISPID eventId, std::span<ole::Variant> args) {
    ole::Ptr<UserControl> keepAlive(this);
    CallEventHandler([&] { Events().Raise(eventId, args); });
}

// ---- ControlContainer ----

ole::Ptr<ole::Object> UserControl::ContainerObject() const {
    return GetExtender();
}

Form* UserControl::HostForm() const {
    const auto extender = GetExtender();
    return extender ? extender->HostForm() : nullptr;
}

bool UserControl::AmbientUserMode() const {
    if (m_ambient)
        return m_ambient->UserMode();
    const auto extender = GetExtender();
    const ControlContainer* site = extender ? extender->ContainerSite() : nullptr;
    return site ? site->AmbientUserMode() : true;
}

// ---- Events from the site ----

void UserControl::RaiseInitialize() {
    if (m_initialized)
        return;
    m_initialized = true;
    Handle([&] { OnInitialize(); });
}

void UserControl::RaiseInitProperties() {
    Handle([&] { OnInitProperties(); });
    m_propertiesDone = true;
}

void UserControl::RaiseReadProperties(ole::PropertyBag& bag) {
    Handle([&] { OnReadProperties(bag); });
    m_propertiesDone = true;
}

void UserControl::RaiseWriteProperties(ole::PropertyBag& bag) {
    Handle([&] { OnWriteProperties(bag); });
}

void UserControl::RaiseAmbientChanged(std::string_view name) {
    const std::string text(name);
    Handle([&] { OnAmbientChanged(text); });
}

void UserControl::RaiseTerminate() {
    if (m_terminated)
        return;
    m_terminated = true;
    Handle([&] { OnTerminate(); });
}

void UserControl::DeliverFromSurface(ole::DISPID eventId, std::span<ole::Variant> args) {
    switch (eventId) {
    case eventid::Resize:
        SurfaceSized();
        if (m_propertiesDone)
            Handle([&] { OnResize(); });
        break;
    case eventid::GotFocus:
        Handle([&] { OnGotFocus(); });
        break;
    case eventid::LostFocus:
        Handle([&] { OnLostFocus(); });
        break;
    case eventid::Click:
        Handle([&] { OnClick(); });
        break;
    case eventid::DblClick:
        Handle([&] { OnDblClick(); });
        break;
    case eventid::KeyDown:
    case eventid::KeyUp: {
        int16_t keyCode = ole::FromVariant<int16_t>(args[0]);
        const int16_t shift = ole::FromVariant<int16_t>(args[1]);
        Handle([&] {
            if (eventId == eventid::KeyDown)
                OnKeyDown(keyCode, shift);
            else
                OnKeyUp(keyCode, shift);
        });
        args[0] = ole::Variant(keyCode);
        break;
    }
    case eventid::KeyPress: {
        int16_t keyAscii = ole::FromVariant<int16_t>(args[0]);
        Handle([&] { OnKeyPress(keyAscii); });
        args[0] = ole::Variant(keyAscii);
        break;
    }
    case eventid::MouseDown:
    case eventid::MouseMove:
    case eventid::MouseUp: {
        const int16_t button = ole::FromVariant<int16_t>(args[0]);
        const int16_t shift = ole::FromVariant<int16_t>(args[1]);
        const float x = ole::FromVariant<float>(args[2]);
        const float y = ole::FromVariant<float>(args[3]);
        Handle([&] {
            if (eventId == eventid::MouseDown)
                OnMouseDown(button, shift, x, y);
            else if (eventId == eventid::MouseMove)
                OnMouseMove(button, shift, x, y);
            else
                OnMouseUp(button, shift, x, y);
        });
        break;
    }
    default:
        break;
    }
}

void UserControl::SurfaceCreated(win::HWND hwnd) {
    m_hwnd = hwnd;
    SurfaceSized();
    ApplyBorder();
}

void UserControl::SurfaceSized() {
    if (!m_hwnd)
        return;
    win::RECT client;
    win::GetClientRect(m_hwnd, &client);
    m_scale.SetClientPixels({client.right, client.bottom});
}

void UserControl::SurfaceDestroying() {
    if (!m_hwnd)
        return;
    auto constituents = std::move(m_constituents);
    m_constituents.clear();
    for (auto it = constituents.rbegin(); it != constituents.rend(); ++it)
        (*it)->Unsite();
    if (m_keptDc) {
        win::ReleaseDC(m_hwnd, m_keptDc);
        m_keptDc = {};
    }
    if (m_shown) {
        m_shown = false;
        Handle([&] { OnHide(); });
    }
    m_hwnd = {};
}

void UserControl::PaintSurface() {
    const win::HWND hwnd = m_hwnd;
    PaintContainerSurface(*this, hwnd, m_backColor, [&](win::HDC hdc) {
        m_paintDc = hdc;
        Handle([&] { OnPaint(); });
        m_paintDc = {};
    });
}

void UserControl::UpdateShown() {
    const bool shown = m_propertiesDone && m_hwnd && win::IsWindowVisible(m_hwnd);
    if (shown == m_shown)
        return;
    m_shown = shown;
    if (shown)
        Handle([&] { OnShow(); });
    else
        Handle([&] { OnHide(); });
}

} // namespace forms
