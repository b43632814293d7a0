#pragma once

#include "platform/win/WinTypes.h"

#include <functional>
#include <string>
#include <vector>

namespace forms {

// The row of tabs above the property pages: one tab per page caption, the current one raised
// and joined to the page area below. A click on another tab calls the select function; the
// strip itself only draws.
class PageTabStrip {
public:
    using SelectFunction = std::function<void(size_t index)>;
    static constexpr int kHeight = 22;

    PageTabStrip(std::vector<std::string> captions, SelectFunction onSelect);
    ~PageTabStrip();
    PageTabStrip(const PageTabStrip&) = delete;
    PageTabStrip& operator=(const PageTabStrip&) = delete;

    // A child window of `parent` at `bounds`; false on failure.
    bool Create(win::HWND parent, const win::RECT& bounds);
    win::HWND Hwnd() const { return m_hwnd; }

    size_t Current() const { return m_current; }
    // Draws `index` as the current tab; no select call.
    void SetCurrent(size_t index);
    // The tab's rectangle in the strip's client area (empty past the last tab).
    win::RECT TabRect(size_t index) const;

private:
    static win::LRESULT Proc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    static PageTabStrip* FromHwnd(win::HWND hwnd);
    void Paint(win::HDC hdc);
    void MeasureTabs(win::HDC hdc);

    std::vector<std::string> m_captions;
    SelectFunction m_onSelect;
    std::vector<int> m_tabWidths;
    size_t m_current = 0;
    win::HWND m_hwnd;
};

} // namespace forms
