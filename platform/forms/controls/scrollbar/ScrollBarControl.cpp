#include "platform/forms/controls/scrollbar/ScrollBarControl.h"

#include "platform/forms/control/ControlIds.h"
#include "platform/ole/error/Error.h"
#include "platform/win/WinConstants.h"

namespace forms {

int16_t ScrollBarControl::GetValue() const {
    if (!IsAlive())
        return static_cast<int16_t>(m_value);
    return static_cast<int16_t>(m_values.FromPosition(ReadPosition()));
}

void ScrollBarControl::SetValue(int16_t value) {
    if (!m_values.Contains(value))
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    if (value == GetValue())
        return;
    WritePosition(value);
    RaiseEvent(eventid::Change);
}

void ScrollBarControl::SetMin(int16_t min) {
    ScrollBarValues values = m_values;
    values.min = min;
    ChangeRange(values);
}

void ScrollBarControl::SetMax(int16_t max) {
    ScrollBarValues values = m_values;
    values.max = max;
    ChangeRange(values);
}

void ScrollBarControl::ChangeRange(ScrollBarValues values) {
    const int32_t before = GetValue();
    const int32_t after = values.Clamp(before);
    m_values = values;
    WriteRange();
    // The window measures from Min, so the position moves even when Value does not.
    WritePosition(after);
    if (after != before)
        RaiseEvent(eventid::Change);
}

void ScrollBarControl::SetSmallChange(int16_t change) {
    if (change < 1)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_values.smallChange = change;
}

void ScrollBarControl::SetLargeChange(int16_t change) {
    if (change < 1)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_values.largeChange = change;
}

void ScrollBarControl::OnWindowCreated() {
    WriteRange();
    WritePosition(m_value);
}

win::LRESULT ScrollBarControl::WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_DESTROY)
        m_value = GetValue();
    return Control::WindowProc(msg, wParam, lParam);
}

} // namespace forms
