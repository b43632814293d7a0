#include "propertylist/control/ZAVeravuvuDudu.h"

#include "propertylist/control/GridGeometry.h"

#include "shared/util/Geometry.h"
#include "shared/util/TextUtils.h"

#include "platform/base/TextCase.h"
#include "platform/forms/app/App.h"
#include "platform/forms/control/ControlIds.h"
#include "platform/forms/dialogs/HelpCalls.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/text/TextEdits.h"
#include "platform/win/Win.h"

#include <algorithm>

namespace attrgrid {

using ole::ResumeNext;

namespace {

constexpr int32_t kRowsPerNotch = 3;

bool HasChildren(const ole::Ptr<CNode>& row) {
    return row && row->ChildCount() > 0;
}

// The row `steps` visible rows away (negative: upwards), stopping at the first or last row.
ole::Ptr<CNode> StepRows(ole::Ptr<CNode> row, int32_t steps) {
    for (; row && steps != 0; steps += steps > 0 ? -1 : 1) {
        ole::Ptr<CNode> next = steps > 0 ? row->NextVisibleNode() : row->PreviousVisibleNode();
        if (!next)
            break;
        row = std::move(next);
    }
    return row;
}

std::string HelpFileName(const std::string& text) {
    return std::string(ole::Trim(shared::StripNull(text)));
}

// Restores the application's help file whatever the help call does.
class HelpFileScope {
public:
    explicit HelpFileScope(forms::App& app) : m_app(app), m_kept(app.HelpFile()) {}
    ~HelpFileScope() { m_app.SetHelpFile(m_kept); }
    HelpFileScope(const HelpFileScope&) = delete;
    HelpFileScope& operator=(const HelpFileScope&) = delete;

private:
    forms::App& m_app;
    std::string m_kept;
};

} // namespace

// The grid panel takes the mouse and keys; the scroll bar moves the rows. At design time the
// grid is not subclassed and its input is left alone.
void ZAVeravuvuDudu::ConnectInputEvents() {
    using Args = std::span<ole::Variant>;
    auto userMode = [](ZAVeravuvuDudu& self) { return self.m_GridSubclassed; };

    ole::Ptr<ole::EventSink> grid = ole::EventSink::Create();
    grid->On(forms::eventid::Click, ChildHandler([userMode](ZAVeravuvuDudu& self, Args) {
                 if (userMode(self))
                     self.HandleGridClick();
             }))
        .On(forms::eventid::DblClick, ChildHandler([userMode](ZAVeravuvuDudu& self, Args) {
                if (userMode(self))
                    self.HandleGridDblClick();
            }))
        .On(forms::eventid::KeyDown, ChildHandler([userMode](ZAVeravuvuDudu& self, Args args) {
                if (!userMode(self) || args.size() < 2)
                    return;
                auto keyCode = static_cast<int16_t>(ole::CInt(args[0]));
                self.HandleGridKey(keyCode, static_cast<int16_t>(ole::CInt(args[1])));
                args[0].Deref() = ole::Variant(keyCode);
            }))
        .On(forms::eventid::MouseMove, ChildHandler([userMode](ZAVeravuvuDudu& self, Args args) {
                if (userMode(self) && args.size() >= 4)
                    self.OnGridMouseMove(static_cast<int16_t>(ole::CInt(args[0])),
                                         ole::CSng(args[2]), ole::CSng(args[3]));
            }));
    ConnectChild(m_picTreeContainer, grid);

    // Dragging the thumb moves the rows with it; the release then finds them in place.
    ole::Ptr<ole::EventSink> scroll = ole::EventSink::Create();
    scroll
        ->On(forms::eventid::Change,
             ChildHandler([](ZAVeravuvuDudu& self, Args) { self.OnScrollChange(); }))
        .On(forms::eventid::Scroll,
            ChildHandler([](ZAVeravuvuDudu& self, Args) { self.OnScrollChange(); }))
        .On(forms::eventid::GotFocus,
            ChildHandler([](ZAVeravuvuDudu& self, Args) { self.OnScrollGotFocus(); }));
    ConnectChild(m_VScroll, scroll);
}

win::POINT ZAVeravuvuDudu::GridCursorPos() const {
    win::POINT pt{};
    win::GetCursorPos(&pt);
    win::ScreenToClient(m_GridWnd, &pt);
    return pt;
}

ole::Ptr<CNode> ZAVeravuvuDudu::HitTestNode(int32_t x, int32_t y) const {
    if (!m_ActiveNodes)
        return nullptr;
    for (const auto& row : m_LaidOut) {
        if (m_ActiveNodes->Holds(row.Get()) &&
            shared::PointInRect(static_cast<float>(x), static_cast<float>(y), row->RowRect()))
            return row;
    }
    return nullptr;
}

void ZAVeravuvuDudu::HandleGridClick() {
    if (m_released)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const win::POINT pt = GridCursorPos();
    const ole::Ptr<CNode> row = HitTestNode(pt.x, pt.y);
    if (!row)
        return;
    const win::RECT rowRect = row->RowRect();
    const auto x = static_cast<float>(pt.x - rowRect.left);
    const auto y = static_cast<float>(pt.y - rowRect.top);
    if (row->NodeType() == NodeKind::Category && shared::PointInRect(x, y, row->PlusMinusRect())) {
        row->SetExpanded(!row->Expanded());
        return;
    }
    SelectNode(row);
    FocusTextBoxUnder(row, pt);
}

// A click on a text row's value cell lands in the text box that now covers it, so what the user
// types next goes into the value. Opened from the keyboard, the edit leaves the focus on the grid
// for its navigation keys.
void ZAVeravuvuDudu::FocusTextBoxUnder(const ole::Ptr<CNode>& row, win::POINT pt) {
    const ole::Ptr<CEditor> editor = m_ActiveEditor;
    if (!editor || !m_TextEditor || m_EditNode.Get() != row.Get())
        return;
    const win::HWND box = m_TextEditor->Window();
    if (static_cast<uint32_t>(editor->hwnd()) != box.Value())
        return;
    if (shared::PointInRect(static_cast<float>(pt.x), static_cast<float>(pt.y), row->ValueRect()))
        win::SetFocus(box);
}

void ZAVeravuvuDudu::HandleGridDblClick() {
    if (m_released)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const win::POINT pt = GridCursorPos();
    // A property row has nothing to open; toggling it would only commit and reopen its editor.
    if (const ole::Ptr<CNode> row = HitTestNode(pt.x, pt.y); HasChildren(row))
        row->SetExpanded(!row->Expanded());
}

void ZAVeravuvuDudu::HandleGridKey(int16_t& KeyCode, int16_t) {
    if (m_released || !m_ActiveNodes)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const ole::Ptr<CNode> selected = m_SelectedNode;
    if (!selected) {
        if (const auto first = m_ActiveNodes->FirstRow())
            SelectNode(first);
        return;
    }
    auto selectIfAny = [this](const ole::Ptr<CNode>& row) {
        if (row)
            SelectNode(row);
    };
    auto pageRows = [this] {
        const int32_t rows = m_VScroll->GetLargeChange() * m_ScrollScale.rowsPerUnit;
        return rows > 1 ? rows - 1 : rows;
    };
    switch (KeyCode) {
    case win::VK_NEXT:
        if (ScrollBarShown())
            SelectNode(StepRows(selected, pageRows()));
        break;
    case win::VK_PRIOR:
        if (ScrollBarShown())
            SelectNode(StepRows(selected, -pageRows()));
        break;
    case win::VK_ADD:
        if (HasChildren(selected) && !selected->Expanded())
            selected->SetExpanded(true);
        break;
    case win::VK_SUBTRACT:
        if (HasChildren(selected) && selected->Expanded())
            selected->SetExpanded(false);
        break;
    case win::VK_UP:
        selectIfAny(selected->PreviousVisibleNode());
        break;
    case win::VK_DOWN:
        selectIfAny(selected->NextVisibleNode());
        break;
    case win::VK_LEFT:
        if (HasChildren(selected) && selected->Expanded())
            selected->SetExpanded(false);
        else
            selectIfAny(selected->PreviousVisibleNode());
        break;
    case win::VK_RIGHT:
        if (!HasChildren(selected) || selected->Expanded())
            selectIfAny(selected->NextVisibleNode());
        else
            selected->SetExpanded(true);
        break;
    case win::VK_F1:
        RequestHelp(KeyCode);
        break;
    default:
        if (const ole::Ptr<CEditor> editor = m_ActiveEditor)
            win::SetFocus(win::HWND::FromValue(static_cast<uint32_t>(editor->hwnd())));
        break;
    }
}

// ---- Scrolling ----

void ZAVeravuvuDudu::OnScrollChange() {
    if (m_released || !m_VScroll || !m_VScroll->IsAlive())
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    win::HideCaret(m_VScroll->Window());
    if (!m_settingScrollRange)
        CommitActiveEditor();
    if (m_released || !m_VScroll)
        return;
    const int64_t offset = m_ScrollScale.RowOffset(m_VScroll->GetValue());
    if (offset == m_TopRow)
        return;
    const int64_t distance = (m_TopRow - offset) * m_RowHeight;
    m_TopRow = offset;
    ResumeNext([&] { LayoutRows(); });
    // A hidden bar's value does not place the rows, so nothing moved.
    if (!ScrollBarShown() || !win::IsWindow(m_GridWnd))
        return;
    if (m_settings.picture) {
        // The background stays put while the rows move over it.
        RefreshGrid();
        return;
    }
    win::ScrollWindowEx(m_GridWnd, 0, grid::Clamp32(distance), nullptr, nullptr, {}, nullptr,
                        win::SW_INVALIDATE);
}

void ZAVeravuvuDudu::OnScrollGotFocus() {
    if (m_released || !m_VScroll || !m_VScroll->IsAlive())
        return;
    if (win::IsWindow(m_GridWnd))
        win::SetFocus(m_GridWnd);
    win::HideCaret(m_VScroll->Window());
}

void ZAVeravuvuDudu::OnScrollWheel(int32_t delta) {
    if (m_released || !ScrollBarShown())
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    // Beyond the plain notch handling: a high-resolution wheel sends parts of a notch, which add
    // up until they make whole notches (WHEEL_DELTA each); a turn the other way starts afresh.
    if ((delta > 0) != (m_wheelRemainder > 0))
        m_wheelRemainder = 0;
    m_wheelRemainder += delta;
    const int32_t notches = m_wheelRemainder / win::WHEEL_DELTA;
    m_wheelRemainder -= notches * win::WHEEL_DELTA;
    // Rolling away from the user shows earlier rows.
    const int32_t rows = -notches * kRowsPerNotch;
    if (rows == 0)
        return;
    const int32_t value = m_VScroll->GetValue();
    const int32_t target =
        std::clamp(value + rows, int32_t{m_VScroll->GetMin()}, int32_t{m_VScroll->GetMax()});
    if (target != value)
        m_VScroll->SetValue(static_cast<int16_t>(target));
}

// Moves as stepping one row at a time would, and stops where another step could not help: a
// hidden bar (its value places nothing), the end of the range, or a row taller than the view,
// whose top is kept in sight. A row the last layout placed goes by that place; any other by its
// place in the sequence of rows, which is where a layout would put it. The first step is taken
// on the bar; once the rows follow it, the further steps are worked out and the bar is set once
// more, to where they end.
void ZAVeravuvuDudu::EnsureNodeVisible(const ole::Ptr<CNode>& node) {
    if (m_released || !node || !win::IsWindow(m_GridWnd))
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const ole::Ptr<CNode> row = node;
    const int32_t topLimit = HeaderPixelsInGrid();
    ResumeNext([&] {
        int32_t index = m_ActiveNodes ? m_ActiveNodes->VisibleIndex(row.Get()) : -1;
        if (std::find(m_LaidOut.begin(), m_LaidOut.end(), row) != m_LaidOut.end())
            index = -1;
        win::RECT client{};
        // Where a layout at scroll value `value` puts the row.
        auto placedAt = [&](int32_t value) {
            const win::RECT rect = row->RowRect();
            if (index < 0)
                return rect;
            const int64_t top =
                topLimit + (index - m_ScrollScale.RowOffset(value)) * int64_t{m_RowHeight};
            return grid::MakeRect(rect.left, top, rect.right, top + m_RowHeight);
        };
        auto stepFrom = [&](const win::RECT& rect, int32_t value) {
            if (rect.top < topLimit)
                return value - 1;
            // A step down moves the rows up by a whole unit of the bar.
            if (rect.bottom > client.bottom &&
                rect.top - int64_t{m_RowHeight} * m_ScrollScale.rowsPerUnit >= topLimit)
                return value + 1;
            return value;
        };
        while (!m_released && ScrollBarShown()) {
            win::GetClientRect(m_GridWnd, &client);
            const int32_t value = m_VScroll->GetValue();
            const int32_t next = stepFrom(placedAt(value), value);
            if (next == value || next < m_VScroll->GetMin() || next > m_VScroll->GetMax())
                break;
            m_VScroll->SetValue(static_cast<int16_t>(next));
            // Without its Change handler the rows would not follow and stepping would run on.
            if (m_TopRow != m_ScrollScale.RowOffset(next))
                break;
            index = m_ActiveNodes ? m_ActiveNodes->VisibleIndex(row.Get()) : -1;
            if (index < 0)
                continue;
            // The rows follow the bar: the further steps are worked out, then taken at once.
            const int32_t low = m_VScroll->GetMin();
            const int32_t high = m_VScroll->GetMax();
            int32_t target = next;
            for (int32_t step = stepFrom(placedAt(target), target);
                 step != target && step >= low && step <= high;
                 step = stepFrom(placedAt(target), target))
                target = step;
            if (target != next && !m_released && ScrollBarShown())
                m_VScroll->SetValue(static_cast<int16_t>(target));
            break;
        }
    });
}

// ---- Help ----

void ZAVeravuvuDudu::RequestHelp(int16_t& KeyCode) {
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const ole::Ptr<CProperty> property = GetSelectedProperty();
    if (!property)
        return;
    ole::Variant args[] = {ole::Variant(property), ole::Variant(true)};
    Raise(EvHelpRequested, args);
    bool processDefault = true;
    ResumeNext([&] { processDefault = ole::CBool(args[1]); });
    if (!processDefault || m_released)
        return;
    const std::string helpFile = property->GetHelpFile();
    if (helpFile.empty())
        return;
    ShowPropertyHelp(helpFile, property->GetHelpContext());
    KeyCode = 0;
}

void ZAVeravuvuDudu::ShowPropertyHelp(const std::string& sHelpFile, int32_t nHelpContext) {
    forms::App& app = forms::App::Component(kLibraryName);
    const HelpFileScope keep(app);
    const std::string file = HelpFileName(sHelpFile);
    app.SetHelpFile(file);
    if (file.size() < 3)
        return;
    const std::string_view ending = std::string_view(file).substr(file.size() - 3);
    const auto context = static_cast<uint32_t>(nHelpContext);
    if (base::EqualsNoCase(ending, "CHM"))
        win::HtmlHelpA(win::GetDesktopWindow(), file.c_str(), win::HH_HELP_CONTEXT, context);
    else if (base::EqualsNoCase(ending, "HLP"))
        win::WinHelpA(win::GetDesktopWindow(), file.c_str(), win::HELP_CONTEXT, context);
}

} // namespace attrgrid
