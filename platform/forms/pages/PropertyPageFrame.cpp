#include "platform/forms/pages/PropertyPageFrame.h"

#include "platform/base/TextCase.h"
#include "platform/forms/app/Screen.h"
#include "platform/forms/controls/buttons/CommandButton.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/dialogs/ModalDialog.h"
#include "platform/forms/errors/EventErrorBoundary.h"
#include "platform/forms/host/Extender.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/Win.h"

#include <algorithm>

namespace forms {

namespace {

std::vector<std::string> PagesOf(const ole::Ptr<Control>& control) {
    const auto extender = ole::PtrCast<Extender>(control);
    const auto inner = extender ? extender->Inner() : nullptr;
    return inner ? inner->PropertyPages() : std::vector<std::string>{};
}

bool Lists(const std::vector<std::string>& pages, const std::string& page) {
    return std::any_of(pages.begin(), pages.end(),
                       [&](const std::string& p) { return base::EqualsNoCase(p, page); });
}

ole::Ptr<PropertyPage> CreatePage(const std::string& id) {
    try {
        return ole::PtrCast<PropertyPage>(ole::ClassRegistry::Create(id));
    } catch (const ole::Error&) {
        return nullptr; // not registered here: the page is left out
    }
}

int Pixels(float twips) {
    return static_cast<int>(twips) / Screen::kTwipsPerPixel;
}

} // namespace

PropertyPageFrame::PropertyPageFrame(std::vector<ole::Ptr<Control>> selection)
    : m_selection(std::move(selection)) {
    CreatePages();
}

PropertyPageFrame::~PropertyPageFrame() {
    Close();
}

void PropertyPageFrame::CreatePages() {
    if (m_selection.empty())
        return;
    for (const auto& id : PagesOf(m_selection.front())) {
        const bool everyOne = std::all_of(m_selection.begin() + 1, m_selection.end(),
                                          [&](const auto& c) { return Lists(PagesOf(c), id); });
        if (!everyOne)
            continue;
        if (auto page = CreatePage(id))
            m_pages.push_back(std::move(page));
    }
    m_loaded.assign(m_pages.size(), false);
}

bool PropertyPageFrame::IsOpen() const {
    return m_form && m_form->IsLoaded();
}

bool PropertyPageFrame::Prepare(win::HWND owner) {
    if (m_pages.empty() || IsOpen())
        return false;
    m_form = Form::Create("frmPropertyPages");
    m_form->SetBorderStyle(3);
    m_form->SetShowInTaskbar(false);
    m_form->SetCaption(kCaption);
    m_form->LoadForm();
    if (!m_form->IsLoaded())
        return false;
    const win::HWND top = DialogOwnerOf(owner);
    if (top)
        win::SetWindowLongA(m_form->Window(), win::GWL_HWNDPARENT,
                            static_cast<win::LONG_PTR>(top.Value()));
    Layout();
    CentreDialog(m_form->Window(), top);
    if ((DialogExStyleFor(top) & win::WS_EX_TOPMOST) != 0)
        win::SetWindowPos(m_form->Window(), win::HWND_TOPMOST, 0, 0, 0, 0,
                          win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
    SelectPage(0);
    return IsOpen();
}

void PropertyPageFrame::Layout() {
    int pageWidth = 0;
    int pageHeight = 0;
    for (const auto& page : m_pages) {
        pageWidth = std::max(pageWidth, Pixels(page->PageWidth()));
        pageHeight = std::max(pageHeight, Pixels(page->PageHeight()));
    }
    // The strip draws the tabs and the raised box the page sits in.
    const int buttonsWidth = 3 * kButtonWidth + 2 * kMargin;
    const int stripWidth = std::max(pageWidth + 6, buttonsWidth);
    const win::RECT strip{kMargin, kMargin, kMargin + stripWidth,
                          kMargin + PageTabStrip::kHeight + pageHeight + 5};
    const int buttonTop = strip.bottom + kMargin + 2;
    const win::SIZE client{strip.right + kMargin, buttonTop + kButtonHeight + kMargin};

    const win::HWND hwnd = m_form->Window();
    m_form->SetClientSize(client);

    std::vector<std::string> captions;
    for (const auto& page : m_pages)
        captions.push_back(page->Caption());
    m_tabs = std::make_unique<PageTabStrip>(std::move(captions),
                                            [this](size_t index) { SelectPage(index); });
    m_tabs->Create(hwnd, strip);

    const win::POINT pageAt{strip.left + 3, strip.top + PageTabStrip::kHeight + 2};
    for (size_t i = 0; i < m_pages.size(); ++i) {
        const auto& page = m_pages[i];
        const win::RECT bounds{pageAt.x, pageAt.y, pageAt.x + Pixels(page->PageWidth()),
                               pageAt.y + Pixels(page->PageHeight())};
        Extender::Host(
            page,
            [&](const ole::Ptr<Extender>& site) {
                m_form->AddControl(site, "PropertyPage" + std::to_string(i + 1), nullptr, bounds,
                                   false);
            },
            nullptr);
        page->SetChangedListener([this] { UpdateApply(); });
    }
    // The strip's box lies under the pages; above them it would hide them.
    win::SetWindowPos(m_tabs->Hwnd(), win::HWND_BOTTOM, 0, 0, 0, 0,
                      win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);

    int left = strip.right - buttonsWidth;
    m_ok = AddButton("cmdOK", "OK", left, buttonTop, &PropertyPageFrame::Ok);
    left += kButtonWidth + kMargin;
    m_cancel = AddButton("cmdCancel", "Cancel", left, buttonTop, &PropertyPageFrame::DoCancel);
    left += kButtonWidth + kMargin;
    m_apply = AddButton("cmdApply", "&Apply", left, buttonTop, &PropertyPageFrame::DoApply);
    m_ok->SetDefault(true);
    m_cancel->SetCancel(true);
    UpdateApply();
}

ole::Ptr<CommandButton> PropertyPageFrame::AddButton(const char* name, const char* caption,
                                                     int left, int top,
                                                     void (PropertyPageFrame::*action)()) {
    auto button = CommandButton::Create();
    button->SetCaption(caption);
    m_form->AddControl(button, name, nullptr,
                       win::RECT{left, top, left + kButtonWidth, top + kButtonHeight});
    auto sink = ole::EventSink::Create();
    sink->On(eventid::Click, [this, action](std::span<ole::Variant>) { (this->*action)(); });
    const ole::Ptr<ole::Object> source(button);
    m_connections.emplace_back(source, ole::ConnectEvents(source, sink));
    return button;
}

bool PropertyPageFrame::Open(win::HWND owner) {
    if (!Prepare(owner))
        return false;
    m_form->Show(ole::Variant::Missing(), ole::Variant::Missing());
    return IsOpen();
}

void PropertyPageFrame::ShowModal(win::HWND owner) {
    if (!Prepare(owner))
        return;
    m_form->Show(ole::Variant(int32_t{1}), ole::Variant::Missing());
    Close();
}

void PropertyPageFrame::Close() {
    for (const auto& [source, cookie] : m_connections)
        ole::DisconnectEvents(source, cookie);
    m_connections.clear();
    for (const auto& page : m_pages)
        page->SetChangedListener(nullptr);
    if (m_form && m_form->IsLoaded())
        m_form->UnloadForm(Form::kUnloadFormCode);
    if (m_form && m_form->IsLoaded())
        return; // a handler refused to unload
    m_tabs.reset();
    for (const auto& page : m_pages)
        page->ReleaseSelection();
}

void PropertyPageFrame::SelectPage(size_t index) {
    if (index >= m_pages.size() || !IsOpen())
        return;
    const auto previous = ole::PtrCast<Control>(m_pages[m_current]->GetExtender());
    if (previous && m_current != index)
        previous->SetVisible(false);
    m_current = index;
    m_tabs->SetCurrent(index);
    if (const auto site = m_pages[index]->GetExtender())
        site->SetVisible(true);
    LoadPage(index);
}

void PropertyPageFrame::LoadPage(size_t index) {
    const auto page = m_pages[index];
    if (m_loaded[index]) {
        if (!page->Outdated())
            return;
        if (page->Changed())
            ApplyPage(*page);
    }
    m_loaded[index] = true;
    try {
        page->RaiseSelectionChanged(m_selection);
    } catch (const ole::Error& error) {
        ShowError(error);
    } catch (...) {
        ReportCurrentEventException();
    }
}

void PropertyPageFrame::ShowError(const ole::Error& error) {
    win::MessageBoxA(m_form ? m_form->Window() : win::HWND{}, error.Description().c_str(),
                     error.Source().c_str(), win::MB_OK | win::MB_ICONSTOP);
}

bool PropertyPageFrame::ApplyEnabled() const {
    return m_apply && m_apply->Enabled();
}

void PropertyPageFrame::UpdateApply() {
    if (!m_apply)
        return;
    const bool changed = std::any_of(m_pages.begin(), m_pages.end(),
                                     [](const auto& page) { return page->Changed(); });
    m_apply->SetEnabled(changed);
}

bool PropertyPageFrame::Apply() {
    for (const auto& page : m_pages) {
        if (page->Changed() && !ApplyPage(*page))
            return false;
    }
    return true;
}

bool PropertyPageFrame::ApplyPage(PropertyPage& page) {
    try {
        page.RaiseApplyChanges();
    } catch (const ole::Error& error) {
        ShowError(error);
        return false;
    } catch (...) {
        ReportCurrentEventException();
        return false;
    }
    page.SetChanged(false);
    return true;
}

void PropertyPageFrame::Ok() {
    if (Apply())
        Close();
}

void ShowPropertyPages(std::vector<ole::Ptr<Control>> selection, win::HWND owner) {
    PropertyPageFrame frame(std::move(selection));
    frame.ShowModal(owner);
}

} // namespace forms
