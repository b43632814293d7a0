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
#include "testsupport/CleanPlatform.h"
#include "testsupport/MemoryCanvas.h"

#include <gtest/gtest.h>

#include <optional>

namespace imagetest {

using namespace win;

// A clean platform around every test, and a memory canvas to draw on.
class DrawingTest : public testsupport::CleanPlatform {
protected:
    void TearDown() override {
        m_canvas.reset();
        CleanPlatform::TearDown();
    }

    // A white (or `fill`) 32-bit canvas; replaces the previous one, if any.
    HDC Surface(int width, int height, COLORREF fill = RGB(255, 255, 255)) {
        m_canvas.reset();
        return m_canvas.emplace(width, height, fill).Dc();
    }

    HDC Dc() const { return m_canvas->Dc(); }
    HBITMAP Bitmap() const { return m_canvas->Bitmap(); }
    COLORREF At(int x, int y) const { return m_canvas->At(x, y); }

    static COLORREF Sys(int index) { return GetSysColor(index); }

private:
    std::optional<testsupport::MemoryCanvas> m_canvas;
};

} // namespace imagetest
