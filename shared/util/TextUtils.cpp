#include "shared/util/TextUtils.h"

#include "platform/base/Rounding.h"
#include "platform/win/text/Text.h"
#include "platform/win/text/TextConstants.h"
#include "shared/util/Geometry.h"

#include <vector>

namespace shared {

namespace {
constexpr std::string_view kEllipsis = "...";

// Byte offsets where each code point ends, so a prefix is never cut inside a sequence.
std::vector<size_t> CodePointEnds(std::string_view text) {
    std::vector<size_t> ends;
    for (size_t i = 1; i <= text.size(); ++i) {
        if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ends.push_back(i);
    }
    return ends;
}

bool Measure(win::HDC hdc, std::string_view text, win::SIZE& size) {
    return win::GetTextExtentPoint32A(hdc, text.data(), static_cast<int>(text.size()), &size) != 0;
}

std::string Candidate(std::string_view text, size_t bytes) {
    std::string candidate(text.substr(0, bytes));
    candidate += kEllipsis;
    return candidate;
}
} // namespace

void DrawTextEllipsis(win::HDC hdc, std::string_view text, const win::RECT& rect,
                      TextPlacement placement) {
    const int32_t width = RectWidth(rect);
    const int32_t height = RectHeight(rect);
    if (text.empty())
        return;

    win::SIZE size;
    if (!Measure(hdc, text, size))
        return;
    std::string display(text);
    if (size.cx > width) {
        // Prefix widths never shrink as the prefix grows (no kerning, non-negative advances), so
        // the longest fitting prefix is found by bisection instead of a scan per paint.
        const std::vector<size_t> ends = CodePointEnds(text);
        size_t fitting = 0; // code points in the longest prefix known to fit
        size_t lo = 1;
        size_t hi = ends.size();
        while (lo <= hi) {
            const size_t mid = lo + (hi - lo) / 2;
            win::SIZE candidateSize;
            Measure(hdc, Candidate(text, ends[mid - 1]), candidateSize);
            if (candidateSize.cx < width) {
                fitting = mid;
                lo = mid + 1;
            } else {
                hi = mid - 1;
            }
        }
        display = Candidate(text, ends[fitting == 0 ? 0 : fitting - 1]);
        Measure(hdc, display, size);
    }

    int32_t y = rect.top;
    if (placement == TextPlacement::Centred && size.cy < height)
        y = static_cast<int32_t>(base::RoundHalfEvenToInt64(rect.top + (height - size.cy) / 2.0));
    win::ExtTextOutA(hdc, rect.left, y, win::ETO_CLIPPED, &rect, display.data(),
                     static_cast<win::UINT>(display.size()), nullptr);
}

std::string StripNull(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

} // namespace shared
