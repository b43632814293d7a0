// The row height, measured on a real window's DC.

#include "PaintFixture.h"

#include "platform/win/Win.h"

namespace painttest {
namespace {

class RowHeightTest : public PaintTest {
protected:
    void SetUp() override {
        PaintTest::SetUp();
        m_wnd = win::CreateWindowExA(0, "Static", "", win::WS_POPUP | win::WS_VISIBLE, 0, 0, kWidth,
                                     100, win::HWND{}, win::HMENU{}, win::HINSTANCE{}, nullptr);
        ASSERT_TRUE(m_wnd);
    }
    void TearDown() override {
        win::DestroyWindow(m_wnd);
        PaintTest::TearDown();
    }

    win::HWND m_wnd;
};

TEST_F(RowHeightTest, RowHeightIsAgPlusFourMadeEven) {
    // A positive font height asks for that cell height, which is what "Ag" measures.
    for (const int cell : {15, 16}) {
        const auto font =
            win::CreateFontA(cell, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
        {
            const win::WindowDc dc(m_wnd);
            const win::SelectedObject select(dc.Get(), font);
            win::SIZE size;
            win::GetTextExtentPoint32A(dc.Get(), "Ag", 2, &size);
            ASSERT_EQ(size.cy, cell);
        }
        EXPECT_EQ(GridPainter::CalcRowHeight(m_wnd, font, 7), 20) << cell;
        // Without a DC the height stays.
        EXPECT_EQ(GridPainter::CalcRowHeight(win::HWND{}, font, 7), 7);
        win::DeleteObject(font);
    }
    EXPECT_EQ(win::test::LiveDcCount(), 0u);
}

} // namespace
} // namespace painttest
