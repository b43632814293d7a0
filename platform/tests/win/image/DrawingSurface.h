#pragma once

#include "platform/win/Win.h"
#include "platform/win/gdi/Decorations.h"
#include "platform/win/gdi/detail/Bitmap.h"
#include "platform/win/icon/Icons.h"
#include "platform/win/image/ImageFile.h"
#include "platform/win/image/PngCodec.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/Snapshot.h"
#include "platform/win/test/TestApi.h"

#include <gtest/gtest.h>

namespace imagetest {

using namespace win;

// A clean platform around every test, and a memory DC on a white 32-bit bitmap to draw on.
// Teardown checks that DCs, GDI objects and icons are back where they were.
class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetPlatform();
        m_icons = test::LiveIconCount();
    }

    void TearDown() override {
        Discard();
        EXPECT_EQ(test::LiveDcCount(), 0u);
        EXPECT_EQ(test::LiveGdiObjectCount(), 0u);
        EXPECT_EQ(test::LiveIconCount(), m_icons);
        test::resetPlatform();
    }

    // Replaces the previous surface, if any.
    HDC Surface(int width, int height, COLORREF fill = RGB(255, 255, 255)) {
        Discard();
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateBitmap(width, height, 1, 32, nullptr);
        SelectObject(m_dc, m_bitmap);
        const RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(m_dc, &all, brush);
        DeleteObject(brush);
        return m_dc;
    }

    void Discard() {
        if (m_dc) {
            DeleteDC(m_dc);
        }
        if (m_bitmap) {
            DeleteObject(m_bitmap);
        }
        m_dc = nullptr;
        m_bitmap = nullptr;
    }

    COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }

    static COLORREF Sys(int index) { return GetSysColor(index); }

    HDC m_dc;
    HBITMAP m_bitmap;
    size_t m_icons = 0;
};

} // namespace imagetest
