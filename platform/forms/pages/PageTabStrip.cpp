#include "platform/forms/pages/PageTabStrip.h"

#include "platform/forms/dialogs/ModalDialog.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"

#include <algorithm>

namespace forms {

using namespace win;

namespace {

constexpr const char* kClassName = "PropertyPageTabs";
constexpr int kTabPadding = 12;
constexpr int kMinTabWidth = 40;
// The current tab stands this much taller than the others.
constexpr int kLift = 2;

} // namespace

PageTabStrip::PageTabStrip(std::vector<std::string> captions, SelectFunction onSelect)
    : m_captions(std::move(captions)), m_onSelect(std::move(onSelect)) {}

PageTabStrip::~PageTabStrip() {
    if (m_hwnd && IsWindow(m_hwnd)) {
        SetWindowLongA(m_hwnd, GWL_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
}

bool PageTabStrip::Create(HWND parent, const RECT& bounds) {
    if (!EnsureDialogClass(kClassName, &PageTabStrip::Proc))
        return false;
    m_hwnd = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                             bounds.left, bounds.top, bounds.right - bounds.left,
                             bounds.bottom - bounds.top, parent, {}, {}, nullptr);
    if (!m_hwnd)
        return false;
    SetWindowLongA(m_hwnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // Below the pages, which sit over its lower part.
    SetWindowPos(m_hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const WindowDc dc(m_hwnd);
    const SavedDc saved(dc.Get());
    SelectObject(dc.Get(), GetStockObject(DEFAULT_GUI_FONT));
    MeasureTabs(dc.Get());
    return true;
}

PageTabStrip* PageTabStrip::FromHwnd(HWND hwnd) {
    auto* strip = reinterpret_cast<PageTabStrip*>(GetWindowLongA(hwnd, GWL_USERDATA));
    return strip != nullptr && strip->m_hwnd == hwnd ? strip : nullptr;
}

void PageTabStrip::MeasureTabs(HDC hdc) {
    m_tabWidths.clear();
    for (const auto& caption : m_captions) {
        RECT measured{0, 0, 0, 0};
        DrawTextA(hdc, caption.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT);
        m_tabWidths.push_back(std::max(kMinTabWidth, measured.right + kTabPadding));
    }
}

void PageTabStrip::SetCurrent(size_t index) {
    if (index >= m_captions.size() || index == m_current)
        return;
    m_current = index;
    if (m_hwnd)
        InvalidateRect(m_hwnd, nullptr, TRUE);
}

RECT PageTabStrip::TabRect(size_t index) const {
    if (index >= m_tabWidths.size())
        return RECT{0, 0, 0, 0};
    int left = kLift;
    for (size_t i = 0; i < index; ++i)
        left += m_tabWidths[i];
    const int top = index == m_current ? 0 : kLift;
    return RECT{left, top, left + m_tabWidths[index], kHeight};
}

void PageTabStrip::Paint(HDC hdc) {
    const SavedDc saved(hdc);
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    RECT client;
    GetClientRect(m_hwnd, &client);
    RECT box{client.left, kHeight - 1, client.right, client.bottom};
    DrawEdge(hdc, &box, EDGE_RAISED, BF_RECT);
    for (size_t i = 0; i < m_captions.size(); ++i) {
        RECT tab = TabRect(i);
        if (i == m_current) {
            // Joined to the page area: the box's top edge gives way under the current tab.
            RECT gap{tab.left + 1, kHeight - 1, tab.right - 1, kHeight + 1};
            FillRect(hdc, &gap, GetSysColorBrush(COLOR_3DFACE));
        }
        RECT edge = tab;
        DrawEdge(hdc, &edge, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT);
        DrawTextA(hdc, m_captions[i].c_str(), -1, &tab, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
}

LRESULT PageTabStrip::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    PageTabStrip* strip = FromHwnd(hwnd);
    if (strip == nullptr)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_PAINT: {
        const PaintDc paint(hwnd);
        strip->Paint(paint.Get());
        return 0;
    }
    case WM_LBUTTONDOWN: {
        const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        for (size_t i = 0; i < strip->m_captions.size(); ++i) {
            const RECT tab = strip->TabRect(i);
            if (PtInRect(&tab, pt) && i != strip->m_current) {
                const auto onSelect = strip->m_onSelect;
                onSelect(i);
                break;
            }
        }
        return 0;
    }
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

} // namespace forms
