#pragma once

#include "platform/tests/win/window/WindowFixture.h"
#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/text/Fonts.h"
#include "platform/win/text/Text.h"

#include <cstring>
#include <string>

namespace texttest {

using namespace win;

// A borderless white window and its DC; tests draw on it and read pixels back.
class TextTest : public wmtest::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_window = TopLevel(0, 0, 200, 120, WS_POPUP | WS_VISIBLE);
        ASSERT_TRUE(m_window);
        ASSERT_TRUE(test::pump());
        m_dc = GetDC(m_window);
        ASSERT_TRUE(m_dc);
        Clear();
    }

    void TearDown() override {
        if (m_dc) {
            ReleaseDC(m_window, m_dc);
        }
        WindowTest::TearDown();
    }

    void Clear() {
        const RECT all{0, 0, 200, 120};
        FillRect(m_dc, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
    }

    SIZE Extent(const std::string& text) const {
        SIZE size;
        EXPECT_TRUE(
            GetTextExtentPoint32A(m_dc, text.c_str(), static_cast<int>(text.size()), &size));
        return size;
    }

    // Bounds of every pixel that is not white.
    RECT InkBounds() const {
        RECT bounds{1000, 1000, -1000, -1000};
        for (int y = 0; y < 120; ++y) {
            for (int x = 0; x < 200; ++x) {
                if (GetPixel(m_dc, x, y) != RGB(255, 255, 255)) {
                    bounds.left = std::min<LONG>(bounds.left, x);
                    bounds.top = std::min<LONG>(bounds.top, y);
                    bounds.right = std::max<LONG>(bounds.right, x + 1);
                    bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
                }
            }
        }
        return bounds;
    }

    int CountColor(COLORREF color) const {
        int count = 0;
        for (int y = 0; y < 120; ++y) {
            for (int x = 0; x < 200; ++x) {
                count += GetPixel(m_dc, x, y) == color ? 1 : 0;
            }
        }
        return count;
    }

    static HFONT MakeFont(const char* face, int height, int weight = FW_NORMAL, int escapement = 0,
                          bool underline = false, bool strikeOut = false) {
        return CreateFontA(height, 0, escapement, 0, weight, 0, underline, strikeOut, 0, 0, 0, 0, 0,
                           face);
    }

    HWND m_window;
    HDC m_dc;
};

} // namespace texttest
