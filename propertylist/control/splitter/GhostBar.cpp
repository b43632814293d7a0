#include "propertylist/control/splitter/GhostBar.h"

#include "platform/win/Win.h"

namespace attrgrid {

void DrawGhostBar(win::HWND container, GhostBarAxis axis, int offset) {
    const win::WindowDc screen(win::HWND{});
    if (!screen.Get())
        return;

    win::RECT visible{};
    {
        const win::WindowDc containerDc(container);
        if (!containerDc.Get())
            return;
        win::GetClipBox(containerDc.Get(), &visible);
    }
    win::POINT origin{0, 0};
    win::ClientToScreen(container, &origin);
    win::OffsetRect(&visible, origin.x, origin.y);

    win::RECT bar = visible;
    if (axis == GhostBarAxis::Horizontal) {
        bar.top = origin.y + offset;
        bar.bottom = bar.top + win::GetSystemMetrics(win::SM_CYFRAME);
    } else {
        bar.left = origin.x + offset;
        bar.right = bar.left + win::GetSystemMetrics(win::SM_CXFRAME);
    }

    // The DC's own pen and brush: under XOR the black outline keeps the pixels, the white
    // interior inverts them.
    const win::SavedDc saved(screen.Get());
    win::SetROP2(screen.Get(), win::R2_XORPEN);
    win::Rectangle(screen.Get(), bar.left, bar.top, bar.right, bar.bottom);
}

} // namespace attrgrid
