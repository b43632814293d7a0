#include "platform/forms/dialogs/MessageBoxLayout.h"

#include <algorithm>

namespace forms {

MessageBoxLayout MessageBoxLayout::Compute(const MessageBoxRequest& request,
                                           const Measure& measure) {
    MessageBoxLayout layout;
    const bool hasIcon = request.icon != MessageBoxIcon::None;
    int left = kMargin;
    if (hasIcon) {
        layout.icon = {kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize};
        left += kIconSize + kMargin;
    }
    const win::SIZE textSize = measure(request.text, kMaxTextWidth);
    // A short text is centred on the icon's height.
    const int textTop =
        hasIcon && textSize.cy < kIconSize ? kMargin + (kIconSize - textSize.cy) / 2 : kMargin;
    layout.text = {left, textTop, left + textSize.cx, textTop + textSize.cy};

    const int count = static_cast<int>(request.buttons.size());
    const int rowWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    const int contentRight = std::max<int>(layout.text.right, layout.icon.right);
    const int contentBottom = std::max<int>(layout.text.bottom, layout.icon.bottom);
    layout.client.cx = std::max(contentRight + kMargin, rowWidth + 2 * kMargin);
    const int buttonTop = std::max(contentBottom, kMargin) + kMargin;
    layout.client.cy = buttonTop + kButtonHeight + kMargin;

    int x = (layout.client.cx - rowWidth) / 2;
    for (int i = 0; i < count; ++i) {
        layout.buttons.push_back({x, buttonTop, x + kButtonWidth, buttonTop + kButtonHeight});
        x += kButtonWidth + kButtonGap;
    }
    return layout;
}

int MessageBoxLayout::ButtonAt(win::POINT point) const {
    for (size_t i = 0; i < buttons.size(); ++i) {
        const win::RECT& r = buttons[i];
        if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace forms
