#include "platform/win/icon/BuiltinIcons.h"

#include "platform/win/icon/Icons.h"

#include <array>
#include <cstdlib>

namespace win::icon {

namespace {

using Glyph = std::array<const char*, 7>;

constexpr Glyph kQuestion{".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."};
constexpr Glyph kExclamation{"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."};
constexpr Glyph kInformation{"..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."};

constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kBlue = 0xFF0000FFu;
constexpr uint32_t kYellow = 0xFFFFFF00u;
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kBlack = 0xFF000000u;

class Canvas {
public:
    explicit Canvas(int size) : m_image{size, size, std::vector<uint32_t>(size * size, 0u)} {}

    int Size() const { return m_image.width; }
    void Set(int x, int y, uint32_t pixel) {
        if (x >= 0 && y >= 0 && x < Size() && y < Size()) {
            m_image.pixels[static_cast<size_t>(y) * Size() + x] = pixel;
        }
    }

    // Pixel centres within size / 2 of the centre: (2x + 1 - size)^2 + (2y + 1 - size)^2 <= size^2.
    void Disc(uint32_t pixel) {
        const int n = Size();
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                const int dx = 2 * x + 1 - n;
                const int dy = 2 * y + 1 - n;
                if (dx * dx + dy * dy <= n * n) {
                    Set(x, y, pixel);
                }
            }
        }
    }

    void Glyph(const Glyph& glyph, uint32_t pixel) {
        const int scale = std::max(1, Size() / 10);
        const int left = (Size() - 5 * scale) / 2;
        const int top = (Size() - 7 * scale) / 2;
        for (int row = 0; row < 7; ++row) {
            for (int col = 0; col < 5; ++col) {
                if (glyph[static_cast<size_t>(row)][col] != '#') {
                    continue;
                }
                for (int i = 0; i < scale * scale; ++i) {
                    Set(left + col * scale + i % scale, top + row * scale + i / scale, pixel);
                }
            }
        }
    }

    image::Image Take() { return std::move(m_image); }

private:
    image::Image m_image;
};

void Cross(Canvas& canvas) {
    // Two diagonals two pixels thick over the middle half of the square.
    const int n = canvas.Size();
    const int from = n / 4;
    const int to = n - n / 4;
    for (int i = from; i < to; ++i) {
        canvas.Set(i, i, kWhite);
        canvas.Set(i + 1, i, kWhite);
        canvas.Set(n - 1 - i, i, kWhite);
        canvas.Set(n - 2 - i, i, kWhite);
    }
}

void Triangle(Canvas& canvas) {
    // Row y spans the columns within y / 2 + 1 of the centre line (between the two middle
    // columns); the outermost pixel of each row and the bottom row are the outline.
    const int n = canvas.Size();
    for (int y = 0; y < n; ++y) {
        const int half = y / 2 + 1;
        const int left = n / 2 - half;
        const int right = n / 2 + half - 1;
        for (int x = left; x <= right; ++x) {
            const bool edge = x == left || x == right || y == n - 1;
            canvas.Set(x, y, edge ? kBlack : kYellow);
        }
    }
}

void Window(Canvas& canvas) {
    const int n = canvas.Size();
    const int margin = n / 8;
    for (int y = margin; y < n - margin; ++y) {
        for (int x = 0; x < n; ++x) {
            const bool frame = x == 0 || x == n - 1 || y == margin || y == n - margin - 1;
            const bool title = y < margin + n / 6;
            canvas.Set(x, y, frame ? kBlack : (title ? kBlue : kWhite));
        }
    }
}

} // namespace

std::optional<image::Image> DrawBuiltinIcon(int iconId, int size) {
    Canvas canvas(size);
    switch (iconId) {
    case IDI_HAND:
        canvas.Disc(kRed);
        Cross(canvas);
        break;
    case IDI_QUESTION:
        canvas.Disc(kBlue);
        canvas.Glyph(kQuestion, kWhite);
        break;
    case IDI_EXCLAMATION:
        Triangle(canvas);
        canvas.Glyph(kExclamation, kBlack);
        break;
    case IDI_ASTERISK:
        canvas.Disc(kBlue);
        canvas.Glyph(kInformation, kWhite);
        break;
    case IDI_APPLICATION:
        Window(canvas);
        break;
    default:
        return std::nullopt;
    }
    return canvas.Take();
}

} // namespace win::icon
