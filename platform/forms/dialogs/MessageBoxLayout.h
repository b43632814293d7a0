#pragma once

#include "platform/forms/dialogs/MessageBoxRequest.h"
#include "platform/win/WinTypes.h"

#include <functional>
#include <string_view>
#include <vector>

namespace forms {

// Where the parts of a message box go, in client pixels: the icon at the top-left, the text
// beside it, the push buttons in one row centred beneath both.
struct MessageBoxLayout {
    // The size of `text` word-wrapped to at most maxWidth pixels.
    using Measure = std::function<win::SIZE(std::string_view text, int maxWidth)>;

    static constexpr int kMargin = 12;
    static constexpr int kIconSize = 32;
    static constexpr int kButtonWidth = 75;
    static constexpr int kButtonHeight = 23;
    static constexpr int kButtonGap = 6;
    static constexpr int kMaxTextWidth = 480;

    win::SIZE client;
    win::RECT icon; // empty without an icon
    win::RECT text;
    std::vector<win::RECT> buttons; // in the request's button order

    static MessageBoxLayout Compute(const MessageBoxRequest& request, const Measure& measure);

    // Index of the button under the point, -1 when none.
    int ButtonAt(win::POINT point) const;
};

} // namespace forms
