#include "platform/forms/controls/scrollbar/ScrollBarControl.h"

#include "platform/forms/control/ControlIds.h"
#include "platform/win/Win.h"
#include "platform/win/controls/ControlConstants.h"

// The scroll bar's side of the ScrollBar class: style, range and position, scroll codes.

namespace forms {

win::DWORD ScrollBarControl::WindowStyle() const {
    return m_vertical ? win::SBS_VERT : win::SBS_HORZ;
}

void ScrollBarControl::WritePosition(int32_t value) {
    m_value = value;
    if (IsAlive())
        win::SendMessageA(Window(), win::SBM_SETPOS,
                          static_cast<win::WPARAM>(m_values.ToPosition(value)), win::TRUE);
}

void ScrollBarControl::WriteRange() {
    if (IsAlive())
        win::SendMessageA(Window(), win::SBM_SETRANGEREDRAW, 0, m_values.Span());
}

int32_t ScrollBarControl::ReadPosition() const {
    return static_cast<int32_t>(win::SendMessageA(Window(), win::SBM_GETPOS, 0, 0));
}

namespace {

std::optional<ScrollStep> StepOf(win::WORD code) {
    switch (code) {
    case win::SB_LINEUP:
        return ScrollStep::LineUp;
    case win::SB_LINEDOWN:
        return ScrollStep::LineDown;
    case win::SB_PAGEUP:
        return ScrollStep::PageUp;
    case win::SB_PAGEDOWN:
        return ScrollStep::PageDown;
    case win::SB_TOP:
        return ScrollStep::ToMin;
    case win::SB_BOTTOM:
        return ScrollStep::ToMax;
    default:
        return std::nullopt;
    }
}

} // namespace

void ScrollBarControl::HandleScrollCode(win::WORD code, int32_t thumbPosition) {
    if (const auto step = StepOf(code)) {
        const int32_t before = GetValue();
        const int32_t after = m_values.Step(before, *step);
        if (after != before) {
            WritePosition(after);
            RaiseEvent(eventid::Change);
        }
        return;
    }
    switch (code) {
    case win::SB_THUMBTRACK:
        WritePosition(m_values.FromPosition(thumbPosition));
        RaiseEvent(eventid::Scroll);
        break;
    case win::SB_THUMBPOSITION:
        WritePosition(m_values.FromPosition(thumbPosition));
        RaiseEvent(eventid::Change);
        break;
    default:
        break;
    }
}

std::optional<win::LRESULT> ScrollBarControl::OnReflected(win::UINT msg, win::WPARAM wParam,
                                                          win::LPARAM lParam) {
    if (msg == (m_vertical ? win::WM_VSCROLL : win::WM_HSCROLL)) {
        HandleScrollCode(win::LOWORD(wParam), win::HIWORD(wParam));
        return 0;
    }
    return Control::OnReflected(msg, wParam, lParam);
}

} // namespace forms
