#include "platform/win/controls/mdi/MdiArrange.h"

#include "platform/win/Win.h"

#include <cmath>
#include <vector>

namespace win::mdi {

namespace {

// The caption's step between cascaded children.
constexpr int kCascadeStep = 20;
constexpr int kCascadeSlots = 8;

// The children an arrangement moves, from the top of the z-order down, restored from maximised.
std::vector<HWND> ArrangedChildren(HWND client) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsMdiChild(child) && IsWindowVisible(child) && !IsIconic(child))
            children.push_back(child);
    }
    for (const HWND child : children) {
        if (IsZoomed(child))
            ShowWindow(child, SW_RESTORE);
    }
    return children;
}

void Place(HWND child, int left, int top, int right, int bottom) {
    SetWindowPos(child, {}, left, top, right - left, bottom - top, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

bool IsMdiChild(HWND hwnd) {
    return (static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE)) & WS_EX_MDICHILD) != 0;
}

RECT CascadeSlot(const RECT& area, int index) {
    const int step = (index % kCascadeSlots) * kCascadeStep;
    const int width = (area.right - area.left) * 3 / 4;
    const int height = (area.bottom - area.top) * 3 / 4;
    return RECT{area.left + step, area.top + step, area.left + step + width,
                area.top + step + height};
}

bool CascadeChildren(HWND client) {
    const std::vector<HWND> children = ArrangedChildren(client);
    RECT area;
    GetClientRect(client, &area);
    int index = 0;
    for (auto child = children.rbegin(); child != children.rend(); ++child, ++index) {
        const RECT slot = CascadeSlot(area, index);
        Place(*child, slot.left, slot.top, slot.right, slot.bottom);
    }
    return !children.empty();
}

bool TileChildren(HWND client, UINT how) {
    const std::vector<HWND> children = ArrangedChildren(client);
    if (children.empty())
        return false;
    RECT area;
    GetClientRect(client, &area);
    const int count = static_cast<int>(children.size());
    const int perLine = static_cast<int>(std::sqrt(static_cast<double>(count)));
    const int lines = count / perLine;
    const bool rows = (how & MDITILE_HORIZONTAL) != 0;
    // A line is a column for vertical tiling and a row for horizontal tiling.
    const int across = rows ? area.bottom : area.right;
    const int along = rows ? area.right : area.bottom;
    int next = 0;
    for (int line = 0; line < lines; ++line) {
        const int cells = line == lines - 1 ? count - next : perLine;
        const int lineStart = line * across / lines;
        const int lineEnd = (line + 1) * across / lines;
        for (int cell = 0; cell < cells; ++cell, ++next) {
            const int cellStart = cell * along / cells;
            const int cellEnd = (cell + 1) * along / cells;
            if (rows)
                Place(children[next], cellStart, lineStart, cellEnd, lineEnd);
            else
                Place(children[next], lineStart, cellStart, lineEnd, cellEnd);
        }
    }
    return true;
}

} // namespace win::mdi
