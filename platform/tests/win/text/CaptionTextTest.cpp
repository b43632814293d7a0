#include "platform/tests/win/window/WindowFixture.h"

namespace wmtest {
namespace {

// Counts pixels of one colour in the top rows of a window, where its frame and caption lie.
int CaptionPixels(HWND hwnd, int width, COLORREF color) {
    int count = 0;
    for (int y = 0; y < GetSystemMetrics(SM_CYCAPTION); ++y) {
        for (int x = 0; x < width; ++x) {
            count += test::WindowPixel(hwnd, x, y) == color;
        }
    }
    return count;
}

TEST_F(WindowTest, CaptionShowsTheTitleInTheCaptionTextColourAndFollowsItsChanges) {
    const HWND hwnd = TopLevel(0, 0, 160, 60, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(test::pump());
    const COLORREF ink = GetSysColor(COLOR_CAPTIONTEXT);
    const int untitled = CaptionPixels(hwnd, 160, ink); // the frame's highlight

    SetWindowTextA(hwnd, "Title");
    ASSERT_TRUE(test::pump());
    const int titled = CaptionPixels(hwnd, 160, ink);
    EXPECT_GT(titled, untitled);

    SetWindowTextA(hwnd, "Title and more");
    ASSERT_TRUE(test::pump());
    EXPECT_GT(CaptionPixels(hwnd, 160, ink), titled);
}

} // namespace
} // namespace wmtest
