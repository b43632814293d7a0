#include "buttonbar/control/paint/Gradients.h"

#include "buttonbar/control/KSButtonBar.h"

#include "shared/util/ColorUtils.h"

#include "platform/base/Rounding.h"
#include "platform/win/Win.h"

#include <algorithm>
#include <cmath>

namespace shelfstrip {

namespace {

constexpr float kBandStep = 0.025F;

win::TRIVERTEX Vertex(win::LONG x, win::LONG y, win::COLORREF color) {
    const shared::RgbParts rgb = shared::SplitRGB(color);
    win::TRIVERTEX vertex;
    vertex.x = x;
    vertex.y = y;
    vertex.Red = static_cast<win::COLOR16>(rgb.r << 8);
    vertex.Green = static_cast<win::COLOR16>(rgb.g << 8);
    vertex.Blue = static_cast<win::COLOR16>(rgb.b << 8);
    return vertex;
}

void Shade(win::HDC hdc, win::LONG left, win::LONG top, win::COLORREF first, win::LONG right,
           win::LONG bottom, win::COLORREF second, win::ULONG mode) {
    const win::TRIVERTEX vertices[] = {Vertex(left, top, first), Vertex(right, bottom, second)};
    const win::GRADIENT_RECT mesh{0, 1};
    win::GradientFill(hdc, vertices, 2, &mesh, 1, mode);
}

int32_t Half(int32_t extent) {
    return static_cast<int32_t>(base::RoundHalfEven(extent / 2.0));
}

// Bands along one axis from `from` to `to`; `fill(p, q, colour)` paints [p, q).
template <class Fill>
void Bands(int32_t from, int32_t to, win::COLORREF grad, win::COLORREF back, Fill&& fill) {
    const int32_t extent = to - from;
    if (extent <= 0)
        return;
    int32_t start = from;
    float last = 1.5F;
    for (int32_t at = from; at <= to; ++at) {
        const float t = static_cast<float>(extent - (at - from)) / static_cast<float>(extent);
        if (std::fabs(last - t) > kBandStep || at == to) {
            last = t;
            fill(start, at, BandColor(t, grad, back));
            start = at;
        }
    }
}

// Band pairs out from the middle `m`; the outermost pair reaches `from` and `to`.
template <class Fill>
void CentreBands(int32_t from, int32_t to, win::COLORREF grad, win::COLORREF back, Fill&& fill) {
    if (to - from <= 0)
        return;
    // One pixel across halves to none; it still gets the middle band.
    const int32_t half = std::max(1, Half(to - from));
    const int32_t m = from + half;
    int32_t p = 0;
    for (int32_t i = 0; i < half; ++i) {
        const win::COLORREF color =
            BandColor(static_cast<float>(half - i) / static_cast<float>(half), grad, back);
        const bool outermost = i == half - 1;
        fill(m + p, outermost ? to : m + i, color);
        fill(outermost ? from : m - i, m - p, color);
        p = i;
    }
}

} // namespace

win::COLORREF BandColor(float t, win::COLORREF gradColor, win::COLORREF backColor) {
    const shared::RgbParts grad = shared::SplitRGB(gradColor);
    const shared::RgbParts back = shared::SplitRGB(backColor);
    const auto channel = [t](int32_t g, int32_t b) {
        const float mixed = t * static_cast<float>(g) + (1.0F - t) * static_cast<float>(b);
        return static_cast<win::COLORREF>(base::RoundHalfEven(mixed));
    };
    return channel(grad.r, back.r) | channel(grad.g, back.g) << 8 | channel(grad.b, back.b) << 16;
}

void FillGradient(win::HDC hdc, const win::RECT& r, win::COLORREF grad, win::COLORREF back,
                  int32_t type, shared::CResourceMgr& cache) {
    switch (type) {
    case ksGradientNone:
        win::FillRect(hdc, &r, cache.GetBrush(back, "GradEnd"));
        break;
    case ksGradientHorizontal:
        Shade(hdc, r.left, r.top, grad, r.right, r.bottom, back, win::GRADIENT_FILL_RECT_H);
        break;
    case ksGradientVertical:
        Shade(hdc, r.left, r.top, grad, r.right, r.bottom, back, win::GRADIENT_FILL_RECT_V);
        break;
    case ksGradientHorizontalCenter: {
        const win::LONG m = r.left + Half(r.right - r.left);
        Shade(hdc, r.left, r.top, back, m, r.bottom, grad, win::GRADIENT_FILL_RECT_H);
        Shade(hdc, m, r.top, grad, r.right, r.bottom, back, win::GRADIENT_FILL_RECT_H);
        break;
    }
    case ksGradientVerticalCenter: {
        const win::LONG m = r.top + Half(r.bottom - r.top);
        Shade(hdc, r.left, r.top, back, r.right, m, grad, win::GRADIENT_FILL_RECT_V);
        Shade(hdc, r.left, m, grad, r.right, r.bottom, back, win::GRADIENT_FILL_RECT_V);
        break;
    }
    default:
        break;
    }
}

void FillGradientBanded(win::HDC hdc, const win::RECT& r, win::COLORREF grad, win::COLORREF back,
                        int32_t type, shared::CResourceMgr& cache) {
    const auto across = [&](int32_t p, int32_t q, win::COLORREF color) {
        const win::RECT band{p, r.top, q, r.bottom};
        win::FillRect(hdc, &band, cache.GetBrush(color, "GradStart"));
    };
    const auto down = [&](int32_t p, int32_t q, win::COLORREF color) {
        const win::RECT band{r.left, p, r.right, q};
        win::FillRect(hdc, &band, cache.GetBrush(color, "GradStart"));
    };
    switch (type) {
    case ksGradientHorizontal:
        Bands(r.left, r.right, grad, back, across);
        break;
    case ksGradientVertical:
        Bands(r.top, r.bottom, grad, back, down);
        break;
    case ksGradientHorizontalCenter:
        CentreBands(r.left, r.right, grad, back, across);
        break;
    case ksGradientVerticalCenter:
        CentreBands(r.top, r.bottom, grad, back, down);
        break;
    default:
        break;
    }
}

} // namespace shelfstrip
