#pragma once

#include "platform/forms/control/Control.h"
#include "platform/forms/controls/scrollbar/ScrollBarValues.h"
#include "platform/ole/dispatch/ClassBuilder.h"

#include <cstdint>
#include <optional>

namespace forms {

// A scroll bar on the platform's ScrollBar class; VScrollBar and HScrollBar differ only in the
// class style. Value is read from the window whenever it has one. Its container reflects
// WM_VSCROLL/WM_HSCROLL here:
//
//   line and page codes   Value moves by SmallChange / LargeChange; Change when it moved
//   SB_TOP / SB_BOTTOM    Value goes to Min / Max; Change when it moved
//   SB_THUMBTRACK         the window follows the thumb; Scroll
//   SB_THUMBPOSITION      Value = the thumb's position; Change
//   SB_ENDSCROLL          nothing
//
// Code changes raise events too: a Value let raises Change when it changes, and a Min or Max
// that leaves Value outside the range clamps it and raises Change.
class ScrollBarControl : public Control {
public:
    enum Id : ole::DISPID {
        Min = 1,
        Max = 2,
        Value = 3,
        SmallChange = 4,
        LargeChange = 5,
    };

    int16_t GetMin() const { return m_values.min; }
    void SetMin(int16_t min);
    int16_t GetMax() const { return m_values.max; }
    void SetMax(int16_t max);
    // Outside Min..Max raises 380.
    int16_t GetValue() const;
    void SetValue(int16_t value);
    // 1..32767; others raise 380.
    int16_t GetSmallChange() const { return m_values.smallChange; }
    void SetSmallChange(int16_t change);
    int16_t GetLargeChange() const { return m_values.largeChange; }
    void SetLargeChange(int16_t change);

    std::optional<win::LRESULT> OnReflected(win::UINT msg, win::WPARAM wParam,
                                            win::LPARAM lParam) override;

protected:
    explicit ScrollBarControl(bool vertical) : m_vertical(vertical) {}

    std::string_view WindowClassName() const override { return "ScrollBar"; }
    win::DWORD WindowStyle() const override;
    void OnWindowCreated() override;
    win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    void ChangeRange(ScrollBarValues values);
    void HandleScrollCode(win::WORD code, int32_t thumbPosition);
    // Window position of a value, and the range, written to the window when there is one.
    void WritePosition(int32_t value);
    void WriteRange();
    int32_t ReadPosition() const;

    bool m_vertical;
    ScrollBarValues m_values;
    // Value while there is no window.
    int32_t m_value = 0;
};

// Min, Max, Value, SmallChange and LargeChange; stored in that order, so a stored Value meets its
// stored range.
template <class C>
ole::ClassBuilder<C>& AddScrollBarMembers(ole::ClassBuilder<C>& b) {
    using ole::Persisted;
    using ole::Variant;
    using S = ScrollBarControl;
    return b.Property("Min", S::Min, &S::GetMin, &S::SetMin, Persisted(Variant(int16_t{0})))
        .Property("Max", S::Max, &S::GetMax, &S::SetMax, Persisted(Variant(int16_t{32767})))
        .Property("Value", S::Value, &S::GetValue, &S::SetValue, Persisted(Variant(int16_t{0})))
        .Property("SmallChange", S::SmallChange, &S::GetSmallChange, &S::SetSmallChange,
                  Persisted(Variant(int16_t{1})))
        .Property("LargeChange", S::LargeChange, &S::GetLargeChange, &S::SetLargeChange,
                  Persisted(Variant(int16_t{1})));
}

} // namespace forms
