#include "platform/forms/test/TestHost.h"
#include "platform/forms/library/ControlLibraries.h"

#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/host/Ambient.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

namespace forms::test {

TestHost::TestHost(HostMode mode, const win::RECT& frame) : m_form(Form::Create("frmTestHost")) {
    m_form->SetUserMode(mode == HostMode::User);
    m_form->Move(static_cast<float>(frame.left * kTwipsPerPixel),
                 ole::Variant(static_cast<float>(frame.top * kTwipsPerPixel)),
                 ole::Variant(static_cast<float>((frame.right - frame.left) * kTwipsPerPixel)),
                 ole::Variant(static_cast<float>((frame.bottom - frame.top) * kTwipsPerPixel)));
    m_form->LoadForm();
}

TestHost::~TestHost() {
    Unload();
}

void TestHost::Unload() {
    if (m_form && m_form->IsLoaded())
        m_form->UnloadForm(Form::kUnloadFormCode);
}

ole::Ptr<Extender> TestHost::Host(ole::Ptr<UserControl> control, std::string name,
                                  const win::RECT& bounds, ole::PropertyBag* stored, bool visible) {
    return Extender::Host(
        std::move(control),
        [&](const ole::Ptr<Extender>& site) {
            m_form->AddControl(site, name, nullptr, bounds, visible);
        },
        stored);
}

ole::Ptr<Extender> TestHost::Host(std::string_view progId, std::string name,
                                  const win::RECT& bounds, ole::PropertyBag* stored, bool visible) {
    auto inner = ole::PtrCast<UserControl>(ControlLibraries::CreateObject(progId));
    if (!inner)
        ole::RaiseError(ole::ERR_TYPE_MISMATCH);
    return Host(inner, std::move(name), bounds, stored, visible);
}

void TestHost::Show() {
    m_form->Show(ole::Variant::Missing(), ole::Variant::Missing());
    win::test::pump();
}

ole::Ptr<ole::PropertyBag> TestHost::Save(Extender& control) {
    auto bag = ole::PropertyBag::Create();
    control.SaveProperties(*bag);
    return bag;
}

void TestHost::SetAmbientUserMode(Extender& control, bool userMode) {
    if (const auto inner = control.Inner()) {
        inner->GetAmbient()->OverrideUserMode(userMode);
        inner->RaiseAmbientChanged("UserMode");
    }
}

void TestHost::SetAmbientScaleUnits(Extender& control, std::string scaleUnits) {
    if (const auto inner = control.Inner()) {
        inner->GetAmbient()->OverrideScaleUnits(std::move(scaleUnits));
        inner->RaiseAmbientChanged("ScaleUnits");
    }
}

void TestHost::SetAmbientFont(Extender& control, ole::Ptr<ole::Font> font) {
    if (const auto inner = control.Inner()) {
        inner->GetAmbient()->OverrideFont(std::move(font));
        inner->RaiseAmbientChanged("Font");
    }
}

ole::Ptr<Control> TestHost::Find(std::string_view name) const {
    auto control = m_form->FindControl(name);
    if (!control)
        ole::RaiseError(ole::ERR_INVALID_CALL, "No control named " + std::string(name));
    return control;
}

win::POINT TestHost::ScreenPointOf(std::string_view name,
                                   std::optional<win::POINT> clientPt) const {
    const auto control = Find(name);
    win::RECT bounds = control->PixelBounds();
    win::HWND reference =
        control->IsWindowless() ? control->ContainerSite()->ContainerWindow() : control->Window();
    win::POINT pt;
    if (control->IsWindowless()) {
        pt = clientPt
                 ? win::POINT{bounds.left + clientPt->x, bounds.top + clientPt->y}
                 : win::POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    } else {
        win::RECT client;
        win::GetClientRect(reference, &client);
        pt = clientPt ? *clientPt : win::POINT{client.right / 2, client.bottom / 2};
    }
    win::ClientToScreen(reference, &pt);
    return pt;
}

void TestHost::Click(std::string_view name, std::optional<win::POINT> clientPt) {
    win::test::click(ScreenPointOf(name, clientPt));
    win::test::pump();
}

void TestHost::DoubleClick(std::string_view name, std::optional<win::POINT> clientPt) {
    win::test::doubleClick(ScreenPointOf(name, clientPt));
    win::test::pump();
}

void TestHost::Drag(std::string_view name, win::POINT fromClient, win::POINT toClient) {
    win::test::drag(ScreenPointOf(name, fromClient), ScreenPointOf(name, toClient));
    win::test::pump();
}

void TestHost::Type(std::string_view name, std::string_view text) {
    const auto control = Find(name);
    if (!control->IsWindowless())
        win::SetFocus(control->Window());
    win::test::typeText(text);
    win::test::pump();
}

} // namespace forms::test
