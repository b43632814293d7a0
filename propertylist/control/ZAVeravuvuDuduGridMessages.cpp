#include "propertylist/control/ZAVeravuvuDudu.h"

#include "propertylist/control/GridGeometry.h"
#include "propertylist/control/paint/GridPainter.h"

#include "shared/subclass/SubclassWnd.h"
#include "shared/util/ColorUtils.h"

#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

#include <utility>

namespace attrgrid {

using ole::ResumeNext;

namespace {

// The grid window's hooked messages, in the order they are hooked.
constexpr win::UINT kGridMessages[] = {
    win::WM_DESTROY,
    win::WM_NOTIFY,
    win::WM_SYSCOLORCHANGE,
    win::WM_PAINT,
    win::WM_CTLCOLOREDIT,
    win::WM_CTLCOLORSTATIC,
    win::WM_CTLCOLORSCROLLBAR,
    // The wheel goes to the focus window, the grid, and scrolls its rows.
    win::WM_MOUSEWHEEL,
};

win::HWND HwndFromParam(win::LPARAM lParam) {
    return win::HWND::FromValue(static_cast<uint32_t>(lParam));
}

} // namespace

void ZAVeravuvuDudu::InstallGridSubclass() {
    if (m_GridSubclassed || !win::IsWindow(m_GridWnd))
        return;
    shared::SubclassWindow(m_GridWnd, *this);
    for (const win::UINT msg : kGridMessages)
        shared::HookMessage(m_GridWnd, msg);
    m_GridSubclassed = true;
    for (const auto* container : {&m_picBG, &m_picHeaderContainer}) {
        if (!*container || !(*container)->IsAlive())
            continue;
        const win::HWND hwnd = (*container)->Window();
        shared::SubclassWindow(hwnd, *this);
        shared::HookMessage(hwnd, win::WM_CAPTURECHANGED);
        m_SplitterContainerWnds.push_back(hwnd);
    }
}

void ZAVeravuvuDudu::RemoveGridSubclass() {
    if (!m_GridSubclassed)
        return;
    m_GridSubclassed = false;
    ResumeNext([&] { shared::UnsubclassWindow(m_GridWnd); });
    for (const win::HWND hwnd : std::exchange(m_SplitterContainerWnds, {}))
        ResumeNext([&] { shared::UnsubclassWindow(hwnd); });
}

win::LRESULT ZAVeravuvuDudu::WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                               win::LPARAM lParam, bool& bRouteToOriginal) {
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    win::LRESULT result = 0;
    ResumeNext([&] {
        switch (Msg) {
        case win::WM_PAINT:
            result = OnGridPaint();
            break;
        case win::WM_NOTIFY:
            result = HandleTooltipNotify(hwnd, wParam, lParam, bRouteToOriginal);
            break;
        case win::WM_CTLCOLOREDIT:
        case win::WM_CTLCOLORSTATIC:
            result = OnGridCtlColor(hwnd, Msg, wParam, lParam, bRouteToOriginal);
            break;
        case win::WM_CTLCOLORSCROLLBAR:
            // The scroll bar keeps the system look instead of the panel's colours.
            if (m_VScroll && m_VScroll->IsAlive() && HwndFromParam(lParam) == m_VScroll->Window()) {
                bRouteToOriginal = false;
                result = win::DefWindowProcA(hwnd, Msg, wParam, lParam);
            }
            break;
        case win::WM_SYSCOLORCHANGE:
            Refresh();
            break;
        case win::WM_DESTROY:
            ReleaseResources();
            break;
        case win::WM_CAPTURECHANGED:
            OnSplitterContainerCaptureLost(hwnd);
            break;
        case win::WM_MOUSEWHEEL:
            bRouteToOriginal = false;
            OnScrollWheel(win::GET_WHEEL_DELTA_WPARAM(wParam));
            break;
        default:
            break;
        }
    });
    return result;
}

void ZAVeravuvuDudu::OnSplitterContainerCaptureLost(win::HWND container) {
    for (const auto& [box, splitter] : {std::pair{m_picBG, m_ContainerSplitter},
                                        std::pair{m_picHeaderContainer, m_HeaderSplitter}}) {
        if (box && splitter && box->IsAlive() && box->Window() == container)
            splitter->ContainerCaptureLost();
    }
}

win::LRESULT ZAVeravuvuDudu::OnGridPaint() {
    if (m_released || !win::IsWindow(m_GridWnd))
        return 0;
    // Under LockRefresh nothing was laid out as rows changed; a paint that happens anyway must
    // not show stale geometry.
    if (m_settings.lockRefresh) {
        ResumeNext([&] { UpdateScrollBar(); });
        ResumeNext([&] { LayoutRows(); });
    }
    const win::PaintDc paint(m_GridWnd);
    if (paint.Get())
        ResumeNext([&] { PaintGridArea(paint.Get(), paint.Area()); });
    return 1;
}

win::LRESULT ZAVeravuvuDudu::OnGridCtlColor(win::HWND, win::UINT, win::WPARAM wParam,
                                            win::LPARAM lParam, bool& bRouteToOriginal) {
    if (m_released || !m_ActiveEditor || !m_ResourceMgr)
        return 0;
    const ole::Ptr<CEditor> editor = m_ActiveEditor;
    if (static_cast<uint32_t>(editor->hwnd()) != static_cast<uint32_t>(lParam))
        return 0;
    const ole::Ptr<CProperty> property = GetSelectedProperty();
    if (!property)
        return 0;
    const auto hdc = win::HDC::FromValue(static_cast<uint32_t>(wParam));
    // The property reads its -1 colours as the control's property colours.
    const auto fore = static_cast<uint32_t>(property->GetForeColor());
    const auto back = static_cast<uint32_t>(property->GetBackColor());
    win::SetBkMode(hdc, win::TRANSPARENT);
    win::SetTextColor(hdc, shared::TranslateColor(fore));
    const win::HBRUSH brush =
        m_ResourceMgr->GetBrush(shared::TranslateColor(back), "EditorBackColor");
    bRouteToOriginal = false;
    return static_cast<win::LRESULT>(brush.Value());
}

void ZAVeravuvuDudu::OnTreeContainerPaint() {
    // The subclass paints at run time; the Paint event serves the designing container.
    if (m_released || m_GridSubclassed || !win::IsWindow(m_GridWnd))
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const win::WindowDc dc(m_GridWnd);
    if (!dc.Get())
        return;
    win::RECT client{};
    win::GetClientRect(m_GridWnd, &client);
    ResumeNext([&] { PaintGridArea(dc.Get(), client); });
}

void ZAVeravuvuDudu::PaintGridArea(win::HDC hdc, const win::RECT& update) {
    if (m_released || !m_Font || !m_DrawFont || !m_ResourceMgr)
        return;
    // A PropertyDraw handler may release the control mid-pass; the pass keeps what it draws with.
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const ole::Ptr<ole::Font> controlFont = m_Font;
    const ole::Ptr<ole::Font> drawFont = m_DrawFont;
    const std::shared_ptr<shared::CResourceMgr> resources = m_ResourceMgr;
    GridPaintContext context{
        .settings = m_settings,
        .controlFont = *controlFont,
        .drawFont = *drawFont,
        .resources = *resources,
        .activeNodes = m_ActiveNodes,
        .laidOutRows = m_LaidOut,
        .selectedNode = m_SelectedNode,
        .clientRect = {},
        .headerPixels = HeaderPixelsInGrid(),
        .scrollBarVisible = ScrollBarShown(),
        .raisePropertyDraw = {},
    };
    win::GetClientRect(m_GridWnd, &context.clientRect);
    context.raisePropertyDraw = [this](win::HDC dc, const ole::Ptr<CProperty>& property, int32_t cx,
                                       int32_t cy, ksDrawStage stage, bool& bDoDefault) {
        ole::Variant args[] = {ole::Variant(static_cast<int32_t>(dc.Value())),
                               ole::Variant(property),
                               ole::Variant(cx),
                               ole::Variant(cy),
                               ole::Variant(static_cast<int32_t>(stage)),
                               ole::Variant(bDoDefault)};
        Raise(EvPropertyDraw, args);
        ResumeNext([&] { bDoDefault = args[5].AsBool(); });
    };
    GridPainter(context).PaintGridArea(hdc, update);
}

void ZAVeravuvuDudu::CalcRowHeight() {
    if (m_released || !m_Font || !m_ResourceMgr)
        return;
    const win::HFONT font = m_ResourceMgr->GetFont(*m_Font, "TreeFont");
    m_RowHeight = GridPainter::CalcRowHeight(m_GridWnd, font, m_RowHeight);
}

void ZAVeravuvuDudu::RefreshGrid() {
    if (m_released || m_settings.lockRefresh || !m_picTreeContainer ||
        !m_picTreeContainer->IsAlive())
        return;
    // The panel's own Refresh would repaint the header panels inside it as well.
    ResumeNext([&] { RedrawPanel(m_picTreeContainer); });
}

} // namespace attrgrid
