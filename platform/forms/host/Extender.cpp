#include "platform/forms/host/Extender.h"
#include "platform/forms/form/MdiForm.h"

#include "platform/forms/control/ContainerMessages.h"
#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/form/FocusOrder.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/host/FocusTracker.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"

#include <algorithm>

namespace forms {

namespace {

constexpr const char* kSurfaceClass = "UserControlSurface";

} // namespace

Extender::Extender(ole::Ptr<UserControl> inner) : m_inner(std::move(inner)) {
    WatchFocusOfEveryWindow();
}

Extender::~Extender() = default;

const ole::ClassInfo& Extender::Info() {
    static const ole::ClassInfo info = [] {
        ole::ClassBuilder<Extender> b("Extender");
        b.Library("VB");
        AddCommonMembers(b, CommonMembers::Geometry | CommonMembers::Focus | CommonMembers::ZOrder);
        b.Property("Enabled", dispid::Enabled, &Control::Enabled, &Control::SetEnabled)
            .Property("ToolTipText", dispid::ToolTipText, &Extender::ToolTipText,
                      &Extender::SetToolTipText)
            .Property("HelpContextID", dispid::HelpContextID, &Extender::HelpContextID,
                      &Extender::SetHelpContextID)
            .Property("WhatsThisHelpID", dispid::WhatsThisHelpID, &Extender::WhatsThisHelpID,
                      &Extender::SetWhatsThisHelpID)
            .Property("DragIcon", dispid::DragIcon, &Extender::DragIcon, &Extender::SetDragIcon,
                      ole::Typed("Picture"))
            .Property("DragMode", dispid::DragMode, &Extender::DragMode, &Extender::SetDragMode)
            .Property("CausesValidation", dispid::CausesValidation, &Extender::CausesValidation,
                      &Extender::SetCausesValidation)
            .Property("Align", dispid::Align, &Extender::Align, &Extender::SetAlign)
            .Property("Cancel", dispid::Cancel, &Extender::Cancel, &Extender::SetCancel)
            .Property("Default", dispid::Default, &Extender::Default, &Extender::SetDefault)
            .Get("object", dispid::Object, &Extender::Object);
        return b.Build();
    }();
    return info;
}

// ---- Dispatch: the extender's members first, then the inner control's ----

// "Refresh" is a common member of every control but no member of the site: a control that declares
// its own Refresh (a public method with work of its own) answers it by name.
ole::DISPID Extender::GetIDsOfNames(std::string_view name) const {
    const ole::DISPID own = Info().IdOfName(name);
    if (!m_inner)
        return own;
    if (own == dispid::Refresh) {
        const ole::DISPID inner = m_inner->GetIDsOfNames(name);
        return inner != ole::DISPID_UNKNOWN ? inner : own;
    }
    if (own != ole::DISPID_UNKNOWN)
        return own;
    return m_inner->GetIDsOfNames(name);
}

bool Extender::HasMember(ole::DISPID id) const {
    return Info().HasMember(id) || (m_inner && m_inner->HasMember(id));
}

const ole::ClassInfo& Extender::GetClassInfo() const {
    return m_inner ? m_inner->GetClassInfo() : Info();
}

ole::Variant Extender::Invoke(ole::DISPID id, uint16_t kinds, std::span<ole::Variant> args) {
    RequireLive();
    if (Info().HasMember(id) || !m_inner) {
        try {
            return Info().Invoke(*this, id, kinds, args);
        } catch (ole::Error& error) {
            if (error.Source().empty())
                error.SetSource(Info().Library());
            throw;
        }
    }
    ole::Ptr<UserControl> inner = m_inner;
    return inner->Invoke(id, kinds, args);
}

ole::ConnectionPoint& Extender::Events() {
    if (!m_inner)
        return Control::Events();
    return m_inner->Events();
}

ole::Ptr<ole::Object> Extender::Object() const {
    return m_inner;
}

void Extender::SetDragMode(int16_t mode) {
    if (mode < 0 || mode > 1)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_dragMode = mode;
}

void Extender::SetAlign(int16_t align) {
    if (align < 0 || align > 4)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    const bool wasAligned = m_align != 0;
    m_align = align;
    if (wasAligned || align != 0)
        RearrangeAligned();
}

// ---- Hosting ----

ole::Ptr<Extender> Extender::Host(ole::Ptr<UserControl> inner, const SiteFunction& site,
                                  ole::PropertyBag* stored) {
    if (!inner)
        ole::RaiseError(ole::ERR_OBJECT_NOT_SET);
    inner->RaiseInitialize();
    auto extender = ole::MakeObject<Extender>(inner);
    inner->m_extender = ole::WeakRef<Extender>(extender);
    site(extender);
    if (stored)
        inner->RaiseReadProperties(*stored);
    else
        inner->RaiseInitProperties();
    inner->SurfaceSized();
    inner->Handle([&] { inner->OnResize(); });
    inner->UpdateShown();
    return extender;
}

void Extender::SaveProperties(ole::PropertyBag& bag) {
    if (m_inner)
        m_inner->RaiseWriteProperties(bag);
    m_dirty = false;
}

void Extender::NotifyAmbientChanged(ControlContainer& container, std::string_view name) {
    for (const auto& child : container.ChildControls()) {
        if (auto* extender = dynamic_cast<Extender*>(child.Get()); extender && extender->m_inner)
            extender->m_inner->RaiseAmbientChanged(name);
    }
}

void Extender::ContainerVisibilityChanged() {
    if (!m_inner)
        return;
    m_inner->UpdateShown();
    for (const auto& child : m_inner->ChildControls()) {
        if (auto* extender = dynamic_cast<Extender*>(child.Get()))
            extender->ContainerVisibilityChanged();
    }
}

void Extender::OnVisibilityChanged() {
    ContainerVisibilityChanged();
    if (m_align != 0)
        RearrangeAligned();
}

void Extender::RearrangeAligned() {
    if (auto* frame = dynamic_cast<MdiForm*>(HostForm()))
        frame->ArrangeAligned();
}

void Extender::FocusEntered() {
    if (m_focusInside || !m_inner)
        return;
    m_focusInside = true;
    m_inner->Handle([&] { m_inner->OnEnterFocus(); });
}

void Extender::FocusLeft() {
    if (!m_focusInside || !m_inner)
        return;
    m_focusInside = false;
    m_inner->Handle([&] { m_inner->OnExitFocus(); });
}

// ---- The surface window ----

std::string_view Extender::WindowClassName() const {
    return Control::RegisterRuntimeClass(kSurfaceClass, win::CS_DBLCLKS);
}

win::DWORD Extender::WindowStyle() const {
    return win::WS_CLIPCHILDREN | win::WS_CLIPSIBLINGS;
}

bool Extender::CanTakeFocus() const {
    if (!Control::CanTakeFocus() || !m_inner)
        return false;
    if (m_inner->CanGetFocus())
        return true;
    return std::any_of(m_inner->Constituents().begin(), m_inner->Constituents().end(),
                       [](const auto& c) { return c->CanTakeFocus(); });
}

const ScaleSpace* Extender::OwnScale() const {
    return m_inner ? &m_inner->Scale() : nullptr;
}

ControlContainer* Extender::AsControlContainer() {
    return m_inner ? m_inner.Get() : nullptr;
}

bool Extender::DeclaresEvent(ole::DISPID eventId) const {
    switch (eventId) {
    case eventid::Resize:
    case eventid::GotFocus:
    case eventid::LostFocus:
    case eventid::Click:
    case eventid::DblClick:
    case eventid::KeyDown:
    case eventid::KeyPress:
    case eventid::KeyUp:
    case eventid::MouseDown:
    case eventid::MouseMove:
    case eventid::MouseUp:
        return static_cast<bool>(m_inner);
    default:
        return false;
    }
}

void Extender::DeliverEvent(ole::DISPID eventId, std::span<ole::Variant> args) {
    if (m_inner)
        m_inner->DeliverFromSurface(eventId, args);
}

void Extender::OnWindowCreated() {
    if (m_inner)
        m_inner->SurfaceCreated(Window());
}

void Extender::OnWindowDestroying() {
    if (m_inner)
        m_inner->SurfaceDestroying();
}

void Extender::OnUnsited() {
    Terminate();
}

void Extender::Terminate() {
    if (!m_inner)
        return;
    ole::Ptr<UserControl> inner = std::move(m_inner);
    m_inner.Reset();
    inner->SurfaceDestroying();
    inner->RaiseTerminate();
}

win::LRESULT Extender::WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (!m_inner)
        return Control::WindowProc(msg, wParam, lParam);
    ole::Ptr<UserControl> inner = m_inner;
    if (const auto handled =
            HandleContainerMessage(*inner, Window(), msg, wParam, lParam, inner->BackColor()))
        return *handled;
    switch (msg) {
    case win::WM_PAINT:
        inner->PaintSurface();
        return 0;
    case win::WM_GETDLGCODE:
        return win::DLGC_WANTARROWS | win::DLGC_WANTCHARS;
    case win::WM_SETFOCUS: {
        // The focus goes on to the first constituent, in tab order, that can take it.
        for (Control* constituent : FocusOrder::ByTabIndex(inner->Constituents())) {
            if (constituent->TabStop() && constituent->CanTakeFocus()) {
                NotifyFocusMoved(win::HwndFromParam(static_cast<win::LPARAM>(wParam)), Window());
                // The surface only passes the focus on: no GotFocus, and no LostFocus after.
                m_forwardingFocus = true;
                win::SetFocus(constituent->Window());
                m_forwardingFocus = false;
                return 0;
            }
        }
        break;
    }
    case win::WM_LBUTTONDOWN:
    case win::WM_RBUTTONDOWN:
    case win::WM_MBUTTONDOWN: {
        // A press gives the control the focus (before its MouseDown), unless it already has it.
        const win::HWND focus = win::GetFocus();
        if (focus != Window() && !win::IsChild(Window(), focus) && CanTakeFocus())
            win::SetFocus(Window());
        break;
    }
    case win::WM_KILLFOCUS:
        if (m_forwardingFocus)
            return CallDefault(msg, wParam, lParam);
        break;
    case win::WM_DESTROY:
        inner->SurfaceDestroying();
        break;
    default:
        break;
    }
    return Control::WindowProc(msg, wParam, lParam);
}

} // namespace forms
