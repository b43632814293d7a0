#include "ListBoxFixture.h"

#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/test/Spy.h"

namespace rowbox::test {
namespace {

using ole::Variant;

class LooksTest : public ListBoxFixture {
protected:
    // A pixel of the control's window, counted from its outer top-left corner, read from the
    // screen's composite after painting.
    win::COLORREF At(int x, int y) const {
        win::UpdateWindow(Combo());
        win::RECT outer{};
        win::GetWindowRect(List().hWnd(), &outer);
        const win::WindowDc screen{win::HWND{}};
        return win::GetPixel(screen.Get(), outer.left + x, outer.top + y);
    }
    int MiddleRow() const {
        win::RECT outer{};
        win::GetWindowRect(List().hWnd(), &outer);
        return (outer.bottom - outer.top) / 2;
    }
};

// Left-edge pixels at mid-height: (outermost, next one in). The flat control draws one line of
// its own and cuts the combo box's edge off; the 3D one shows the combo box's sunken edge; the
// borderless 3D one shows no edge at all.
TEST_F(LooksTest, AppearanceAndBorderStyleChooseWhichEdgeShows) {
    Host();
    const win::COLORREF frame = win::GetSysColor(win::COLOR_WINDOWFRAME);
    const win::COLORREF shadow = win::GetSysColor(win::COLOR_BTNSHADOW);
    const win::COLORREF field = win::GetSysColor(win::COLOR_WINDOW);
    const int y = MiddleRow();
    EXPECT_EQ(At(0, y), frame);
    EXPECT_EQ(At(1, y), field);

    Let(Id::IdAppearance, Variant(int32_t{ks3d}));
    EXPECT_EQ(At(0, y), shadow);

    Let(Id::IdBorderStyle, Variant(int32_t{ksNone}));
    EXPECT_EQ(At(0, y), field);
}

// However the control is sized, the selection field takes its client height (less the one row
// left of the cut-off edge) and the combo box covers the whole width.
TEST_F(LooksTest, TheComboBoxFillsAnySize) {
    Host();
    for (const win::SIZE size : {win::SIZE{60, 15}, win::SIZE{200, 90}}) {
        win::SetWindowPos(List().hWnd(), {}, 0, 0, size.cx, size.cy,
                          win::SWP_NOMOVE | win::SWP_NOZORDER);
        win::RECT client{};
        win::GetClientRect(List().hWnd(), &client);
        win::RECT combo{};
        win::GetWindowRect(Combo(), &combo);
        win::MapWindowPoints({}, List().hWnd(), reinterpret_cast<win::POINT*>(&combo), 2);
        EXPECT_EQ(
            win::SendMessageA(Combo(), win::CB_GETITEMHEIGHT, static_cast<win::WPARAM>(-1), 0),
            client.bottom - 1);
        EXPECT_EQ(combo.left, -2);
        EXPECT_EQ(combo.right, client.right + 3);
        EXPECT_EQ(combo.top, -2);
    }
}

TEST_F(LooksTest, AnUnchangedAppearanceNeitherResizesNorMarksAChange) {
    Host();
    List().ClearPropertyChangedLog();
    win::test::Spy spy(Combo());
    Let(Id::IdAppearance, Variant(int32_t{ksFlat}));
    EXPECT_EQ(spy.Count(win::WM_WINDOWPOSCHANGED), 0u);
    EXPECT_TRUE(List().PropertyChangedLog().empty());
}

} // namespace
} // namespace rowbox::test
