#include "platform/forms/form/MdiForm.h"

#include "platform/forms/host/Extender.h"
#include "platform/ole/object/WeakRef.h"
#include "platform/win/Win.h"

#include <algorithm>

namespace forms {

namespace {

ole::WeakRef<MdiForm>& Current() {
    static ole::WeakRef<MdiForm> current;
    return current;
}

} // namespace

// Registered at construction, so a program's own MdiForm subclass is the frame its children find.
MdiForm::MdiForm(std::string name) : Form(std::move(name)) {
    Current() = ole::WeakRef<MdiForm>(this);
}

MdiForm::~MdiForm() = default;

ole::Ptr<MdiForm> MdiForm::Create(std::string name) {
    auto form = ole::MakeObject<MdiForm>(std::move(name));
    form->RaiseInitialize();
    return form;
}

ole::Ptr<MdiForm> MdiForm::Instance() {
    return Current().Lock();
}

void MdiForm::OnWindowCreated() {
    win::CLIENTCREATESTRUCT create;
    m_client = win::CreateWindowExA(win::WS_EX_CLIENTEDGE, "MDIClient", "",
                                    win::WS_CHILD | win::WS_VISIBLE | win::WS_CLIPCHILDREN |
                                        win::WS_CLIPSIBLINGS,
                                    0, 0, 0, 0, Window(), {}, {}, &create);
    ArrangeAligned();
}

ole::Ptr<Form> MdiForm::ActiveForm() const {
    if (!m_client)
        return nullptr;
    const auto active = win::HandleFromParam<win::HWND>(
        static_cast<intptr_t>(win::SendMessageA(m_client, win::WM_MDIGETACTIVE, 0, 0)));
    for (const auto& form : Children()) {
        if (form->Window() == active)
            return form;
    }
    return nullptr;
}

std::vector<ole::Ptr<Form>> MdiForm::Children() const {
    std::vector<ole::Ptr<Form>> children;
    for (auto& form : LoadedForms()) {
        if (form->MDIChild() && m_client && win::GetParent(form->Window()) == m_client)
            children.push_back(std::move(form));
    }
    return children;
}

void MdiForm::ArrangeAligned() {
    if (!Window() || !m_client)
        return;
    win::RECT left;
    win::GetClientRect(Window(), &left);
    for (const auto& control : ControlList()) {
        const auto* site = dynamic_cast<const Extender*>(control.Get());
        if (site == nullptr || site->Align() == 0 || !site->Visible() || !site->Window())
            continue;
        const win::RECT own = control->PixelBounds();
        const int width = own.right - own.left;
        const int height = own.bottom - own.top;
        win::RECT place = left;
        switch (site->Align()) {
        case 1:
            place.bottom = left.top + height;
            left.top = place.bottom;
            break;
        case 2:
            place.top = left.bottom - height;
            left.bottom = place.top;
            break;
        case 3:
            place.right = left.left + width;
            left.left = place.right;
            break;
        default:
            place.left = left.right - width;
            left.right = place.left;
            break;
        }
        control->SetPixelBounds(place);
    }
    win::MoveWindow(m_client, left.left, left.top, std::max<int>(0, left.right - left.left),
                    std::max<int>(0, left.bottom - left.top), win::TRUE);
}

bool MdiForm::TranslateSystemKey(win::WPARAM key) {
    if (!m_client)
        return false;
    win::MSG msg{win::GetFocus(), win::WM_KEYDOWN, key, 0, 0, {}};
    return win::TranslateMDISysAccel(m_client, &msg) != win::FALSE;
}

win::LRESULT MdiForm::WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_SIZE && win::LOWORD(static_cast<win::DWORD>(wParam)) != win::SIZE_MINIMIZED)
        ArrangeAligned();
    if (msg == win::WM_NCDESTROY)
        m_client = {};
    return Form::WindowProc(msg, wParam, lParam);
}

win::LRESULT MdiForm::DefaultProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    // The client's size is the aligned layout's business, not the default procedure's.
    return win::DefFrameProcA(Window(), msg == win::WM_SIZE ? win::HWND{} : m_client, msg, wParam,
                              lParam);
}

bool MdiForm::UnloadDependents() {
    for (const auto& child : Children()) {
        if (!child->UnloadForm(kUnloadMdiFormClosing))
            return false;
    }
    return true;
}

} // namespace forms
