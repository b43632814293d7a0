#include "shared/util/TextUtils.h"

#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/test/Snapshot.h"
#include "testsupport/CleanPlatform.h"
#include "testsupport/MemoryCanvas.h"

#include <climits>
#include <string>
#include <vector>

using namespace shared;
using testsupport::CleanPlatform;
using testsupport::MemoryCanvas;

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 48;

class DrawTextEllipsisTest : public CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        m_font = win::CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    }
    void TearDown() override {
        win::DeleteObject(m_font);
        CleanPlatform::TearDown();
    }

    // The canvas after `draw`: the test font, black text without a background, on white.
    template <class Draw>
    win::test::Snapshot Render(Draw&& draw) const {
        const MemoryCanvas canvas(kWidth, kHeight);
        const win::SelectedObject font(canvas.Dc(), m_font);
        win::SetTextColor(canvas.Dc(), win::RGB(0, 0, 0));
        win::SetBkMode(canvas.Dc(), win::TRANSPARENT);
        draw(canvas.Dc());
        return win::test::CaptureBitmap(canvas.Bitmap());
    }

    // What the cell should look like: `expected` drawn plainly at (rect.left, y), clipped.
    win::test::Snapshot Reference(std::string_view expected, const win::RECT& rect, int y) const {
        return Render([&](win::HDC dc) {
            win::ExtTextOutA(dc, rect.left, y, win::ETO_CLIPPED, &rect, expected.data(),
                             static_cast<win::UINT>(expected.size()), nullptr);
        });
    }

    win::test::Snapshot Drawn(std::string_view text, const win::RECT& rect,
                              TextPlacement placement) const {
        return Render([&](win::HDC dc) { DrawTextEllipsis(dc, text, rect, placement); });
    }

    win::SIZE Extent(std::string_view text) const {
        const MemoryCanvas probe(1, 1);
        const win::SelectedObject font(probe.Dc(), m_font);
        win::SIZE size;
        win::GetTextExtentPoint32A(probe.Dc(), text.data(), static_cast<int>(text.size()), &size);
        return size;
    }

    // The downward scan over code points the drawing must agree with.
    std::string Shortened(std::string_view text, int width) const {
        std::vector<size_t> ends;
        for (size_t i = 1; i <= text.size(); ++i)
            if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
                ends.push_back(i);
        for (size_t n = ends.size(); n >= 1; --n) {
            std::string candidate = std::string(text.substr(0, ends[n - 1])) + "...";
            if (Extent(candidate).cx < width)
                return candidate;
        }
        return std::string(text.substr(0, ends[0])) + "...";
    }

    win::HFONT m_font;
};

} // namespace

TEST_F(DrawTextEllipsisTest, FitsWholeOrShortensToAStrictlyNarrowerPrefix) {
    const std::string text = "Hello world";
    const win::SIZE full = Extent(text);
    ASSERT_GT(full.cx, 20);
    ASSERT_LT(full.cx + 4, kWidth);

    // Exactly as wide as the cell: drawn whole.
    win::RECT exact{2, 0, 2 + full.cx, full.cy};
    EXPECT_EQ(Drawn(text, exact, TextPlacement::Top), Reference(text, exact, 0));

    // One pixel too narrow: the longest prefix whose "..." form is strictly narrower.
    win::RECT tight{2, 0, 2 + full.cx - 1, full.cy};
    const std::string shortened = Shortened(text, full.cx - 1);
    EXPECT_LT(Extent(shortened).cx, full.cx - 1);
    EXPECT_EQ(Drawn(text, tight, TextPlacement::Top), Reference(shortened, tight, 0));

    // A candidate exactly as wide as the cell is rejected in favour of the next shorter one.
    const int candidateWidth = Extent("Hello...").cx;
    ASSERT_LT(Extent("Hell...").cx, candidateWidth);
    win::RECT asWide{0, 0, candidateWidth, full.cy};
    EXPECT_EQ(Drawn(text, asWide, TextPlacement::Top), Reference("Hell...", asWide, 0));

    // Narrower than "H...": the first character and "..." clipped to the cell.
    win::RECT narrow{1, 0, 4, full.cy};
    const auto drawn = Drawn(text, narrow, TextPlacement::Top);
    EXPECT_EQ(drawn, Reference("H...", narrow, 0));
    EXPECT_NE(drawn, Reference("", narrow, 0));
}

TEST_F(DrawTextEllipsisTest, CutsMultiByteTextOnCodePoints) {
    const std::string text =
        "\xC3\xA4\xC3\xB6\xC3\xBC\xE2\x82\xAC\xC3\x9F\xC3\xA4\xC3\xB6"; // äöü€ßäö
    const win::SIZE full = Extent(text);
    for (int width = 4; width < full.cx; width += 3) {
        win::RECT cell{0, 0, width, full.cy};
        const std::string expected = Shortened(text, width);
        EXPECT_EQ(Drawn(text, cell, TextPlacement::Top), Reference(expected, cell, 0))
            << "width " << width << " expected " << expected;
    }
}

TEST_F(DrawTextEllipsisTest, TopPlacementStaysAtTheTopWhileCentredRoundsHalfToEven) {
    const std::string text = "Hig";
    const win::SIZE size = Extent(text);

    // A cell twice the text height: the top option draws at rect.top, centred half-way down.
    win::RECT tall{0, 4, kWidth, 4 + 2 * size.cy};
    EXPECT_EQ(Drawn(text, tall, TextPlacement::Top), Reference(text, tall, 4));
    EXPECT_EQ(Drawn(text, tall, TextPlacement::Centred), Reference(text, tall, 4 + size.cy / 2));
    EXPECT_NE(Drawn(text, tall, TextPlacement::Top), Drawn(text, tall, TextPlacement::Centred));

    // One pixel taller than the text: top + 0.5 goes to the even neighbour (0 -> 0, 1 -> 2).
    win::RECT fromZero{0, 0, kWidth, size.cy + 1};
    EXPECT_EQ(Drawn(text, fromZero, TextPlacement::Centred), Reference(text, fromZero, 0));
    win::RECT fromOne{0, 1, kWidth, size.cy + 2};
    EXPECT_EQ(Drawn(text, fromOne, TextPlacement::Centred), Reference(text, fromOne, 2));

    // A cell lower than the text is not centred upwards.
    win::RECT low{0, 3, kWidth, 3 + size.cy - 4};
    EXPECT_EQ(Drawn(text, low, TextPlacement::Centred), Reference(text, low, 3));
}

TEST_F(DrawTextEllipsisTest, EmptyTextDrawsNothingAndHugeCellsRaiseOverflow) {
    const MemoryCanvas surface(kWidth, kHeight);
    const win::SelectedObject font(surface.Dc(), m_font);
    DrawTextEllipsis(surface.Dc(), "", win::RECT{0, 0, 0, 0}, TextPlacement::Centred);
    DrawTextEllipsis(surface.Dc(), "", win::RECT{0, 0, kWidth, kHeight}, TextPlacement::Top);
    EXPECT_EQ(surface.InkBounds(), std::nullopt);

    try {
        DrawTextEllipsis(surface.Dc(), "x", win::RECT{INT_MIN, 0, INT_MAX, 10}, TextPlacement::Top);
        ADD_FAILURE() << "no overflow raised";
    } catch (const ole::Error& e) {
        EXPECT_EQ(e.Number(), ole::ERR_OVERFLOW);
    }
    EXPECT_EQ(surface.InkBounds(), std::nullopt);
}

TEST(StripNullTest, CutsAtTheFirstNul) {
    using namespace std::string_literals;
    EXPECT_EQ(StripNull("abc"), "abc");
    EXPECT_EQ(StripNull("abc\0def\0"s), "abc");
    EXPECT_EQ(StripNull("\0abc"s), "");
    EXPECT_EQ(StripNull(""), "");
}
