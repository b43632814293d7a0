#include "HostFixture.h"

namespace hosttest {

using forms::test::TestHost;

namespace {

win::WNDPROC g_original = nullptr;

// A subclass that paints and validates before the runtime's procedure sees WM_PAINT.
win::LRESULT PaintingSubclass(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                              win::LPARAM lParam) {
    if (msg == win::WM_PAINT) {
        win::PAINTSTRUCT ps;
        win::BeginPaint(hwnd, &ps);
        win::EndPaint(hwnd, &ps);
    }
    return win::CallWindowProcA(g_original, hwnd, msg, wParam, lParam);
}

win::COLORREF PixelOf(win::HWND hwnd, int x, int y) {
    const win::HDC dc = win::GetDC(hwnd);
    const win::COLORREF color = win::GetPixel(dc, x, y);
    win::ReleaseDC(hwnd, dc);
    return color;
}

} // namespace

using SurfacePaintTest = HostTest;

TEST_F(SurfacePaintTest, UpdateRegionIsFilledWithBackColorAndPaintRaisedOnlyWhenNotEmpty) {
    auto probe = ProbeControl::Create();
    TestHost host;
    auto site = host.Host(probe, "ctlProbe", {0, 0, 60, 40});
    probe->SetBackColor(win::RGB(200, 0, 0));
    host.Show();
    const win::HWND hwnd = site->Window();
    EXPECT_EQ(PixelOf(hwnd, 5, 5), win::RGB(200, 0, 0));

    // Stale drawing on the bare surface vanishes although no erase was asked.
    const win::HDC dc = win::GetDC(hwnd);
    const win::RECT stale{0, 0, 10, 10};
    const win::HBRUSH black = win::CreateSolidBrush(win::RGB(0, 0, 0));
    win::FillRect(dc, &stale, black);
    win::DeleteObject(black);
    win::ReleaseDC(hwnd, dc);
    probe->log.clear();
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::test::pump();
    EXPECT_EQ(PixelOf(hwnd, 5, 5), win::RGB(200, 0, 0));
    EXPECT_EQ(probe->log, (Log{"Paint"}));

    // Nothing to paint: no Paint.
    probe->log.clear();
    win::SendMessageA(hwnd, win::WM_PAINT, 0, 0);
    EXPECT_TRUE(probe->log.empty());

    // A subclass that validated first leaves the runtime nothing to paint.
    g_original = reinterpret_cast<win::WNDPROC>(win::SetWindowLongA(
        hwnd, win::GWL_WNDPROC, reinterpret_cast<win::LONG_PTR>(&PaintingSubclass)));
    win::InvalidateRect(hwnd, nullptr, win::TRUE);
    win::test::pump();
    EXPECT_TRUE(probe->log.empty());
    win::SetWindowLongA(hwnd, win::GWL_WNDPROC, reinterpret_cast<win::LONG_PTR>(g_original));

    // Refresh paints at once.
    probe->Refresh();
    EXPECT_EQ(probe->log, (Log{"Paint"}));
}

TEST_F(SurfacePaintTest, BorderStyleAndAppearanceApplyInPlace) {
    auto probe = ProbeControl::Create();
    TestHost host;
    auto site = host.Host(probe, "ctlProbe", {0, 0, 60, 40});
    const win::HWND hwnd = site->Window();
    const auto style = [&] { return win::GetWindowLongA(hwnd, win::GWL_STYLE); };
    const auto exStyle = [&] { return win::GetWindowLongA(hwnd, win::GWL_EXSTYLE); };
    EXPECT_EQ(style() & win::WS_BORDER, 0);
    EXPECT_EQ(exStyle() & win::WS_EX_CLIENTEDGE, 0);
    EXPECT_NE(style() & win::WS_CLIPCHILDREN, 0);

    probe->SetBorderStyle(1); // Appearance 1: a client edge
    EXPECT_NE(exStyle() & win::WS_EX_CLIENTEDGE, 0);
    win::RECT client;
    win::GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 56);
    probe->SetAppearance(0); // flat: a one-pixel border
    EXPECT_EQ(exStyle() & win::WS_EX_CLIENTEDGE, 0);
    EXPECT_NE(style() & win::WS_BORDER, 0);
    win::GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 58);
    EXPECT_FLOAT_EQ(probe->ScaleWidth(), 58 * 15.0f);
    probe->SetBorderStyle(0);
    EXPECT_EQ(style() & win::WS_BORDER, 0);
}

TEST_F(SurfacePaintTest, HdcIsThePaintDcDuringPaintAndOneKeptDcOtherwise) {
    struct DcProbe : ProbeControl {
        win::HDC seen;
        void OnPaint() override { seen = hDC(); }
    };
    auto probe = ole::MakeObject<DcProbe>();
    TestHost host;
    host.Host(probe, "ctlProbe", {0, 0, 60, 40});
    const win::HDC kept = probe->hDC();
    EXPECT_TRUE(kept);
    EXPECT_EQ(probe->hDC(), kept);
    host.Show();
    EXPECT_TRUE(probe->seen);
    EXPECT_NE(probe->seen, kept);
}

} // namespace hosttest
