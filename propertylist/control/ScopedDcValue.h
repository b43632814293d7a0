#pragma once

#include "platform/win/Win.h"

namespace attrgrid {

// Sets one attribute of a device context (text colour, background mode, stretch mode, mix mode)
// and puts
// the previous value back on scope exit, so a failing paint step never leaves it behind.
template <class Value, Value (*Set)(win::HDC, Value)>
class ScopedDcValue {
public:
    ScopedDcValue(win::HDC hdc, Value value) : m_hdc(hdc), m_previous(Set(hdc, value)) {}
    ~ScopedDcValue() { Set(m_hdc, m_previous); }
    ScopedDcValue(const ScopedDcValue&) = delete;
    ScopedDcValue& operator=(const ScopedDcValue&) = delete;

private:
    win::HDC m_hdc;
    Value m_previous;
};

using ScopedTextColor = ScopedDcValue<win::COLORREF, &win::SetTextColor>;
using ScopedBkMode = ScopedDcValue<int, &win::SetBkMode>;
using ScopedStretchMode = ScopedDcValue<int, &win::SetStretchBltMode>;
using ScopedRop2 = ScopedDcValue<int, &win::SetROP2>;

} // namespace attrgrid
