// The description pane below the grid: the selected property's name in bold on one line, its help
// text wrapped at words below it, inside a sunken edge.

#include "propertylist/control/ZAVeravuvuDudu.h"

#include "propertylist/control/GridGeometry.h"

#include "shared/util/ColorUtils.h"

#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

namespace attrgrid {

using ole::ResumeNext;

namespace {

constexpr win::UINT kHelpFormat = win::DT_WORDBREAK | win::DT_WORD_ELLIPSIS;

void DrawTextIn(win::HDC hdc, win::HFONT font, const std::string& text, win::RECT rect,
                win::UINT format) {
    const win::SelectedObject selected(hdc, font);
    win::DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

} // namespace

ole::Ptr<CProperty> ZAVeravuvuDudu::DescribedProperty() const {
    const ole::Ptr<CNode> row = m_SelectedNode;
    if (!row || row->NodeType() != NodeKind::Property)
        return nullptr;
    // A row whose key has left the collection describes nothing rather than failing the paint.
    try {
        return ole::PtrCast<CProperty>(row->Property());
    } catch (const ole::Error&) {
        return nullptr;
    }
}

void ZAVeravuvuDudu::PaintDescription() {
    if (m_released || !m_picDescPane || !m_picDescPane->IsAlive())
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const ole::Ptr<forms::PictureBox> pane = m_picDescPane;
    pane->DoCls();
    const win::WindowDc dc(pane->Window());
    const win::HDC hdc = dc.Get();
    if (!hdc)
        return;
    win::RECT client{};
    win::GetClientRect(pane->Window(), &client);

    ResumeNext([&] {
        const ole::Ptr<CProperty> property = DescribedProperty();
        if (!property || !m_Font || !m_ResourceMgr)
            return;
        const win::SavedDc saved(hdc);
        win::SetBkMode(hdc, win::TRANSPARENT);
        win::SetTextColor(hdc, shared::TranslateColor(static_cast<uint32_t>(m_settings.foreColor)));
        const ole::Ptr<ole::Font> working = m_Font->Clone();
        working->SetBold(true);
        const win::RECT caption{client.left + 2, client.top + 2, client.right - 2, m_RowHeight};
        if (const win::HFONT bold = m_ResourceMgr->GetFont(*working, "HELPCAPTION"))
            DrawTextIn(hdc, bold, property->GetName(), caption, win::DT_SINGLELINE);
        working->SetBold(false);
        // The help ends 2 px above the pane's bottom, inside the sunken edge.
        const win::RECT help{caption.left, m_RowHeight + 2, caption.right, client.bottom - 2};
        if (const win::HFONT plain = m_ResourceMgr->GetFont(*working, "HELPSTRING"))
            DrawTextIn(hdc, plain, property->GetHelp(), help, kHelpFormat);
    });

    win::RECT edge = client;
    win::DrawEdge(hdc, &edge, win::BDR_SUNKENOUTER, win::BF_RECT);
}

} // namespace attrgrid
