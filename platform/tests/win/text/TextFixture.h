#pragma once

#include "platform/tests/win/window/WindowFixture.h"
#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/text/Fonts.h"
#include "platform/win/text/Text.h"
#include "testsupport/MemoryCanvas.h"

#include <cstring>
#include <optional>
#include <string>

namespace texttest {

using namespace win;

// A white 200 x 120 memory canvas; tests draw on it and read pixels back.
class TextTest : public wmtest::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        m_canvas.emplace(200, 120);
    }

    void TearDown() override {
        m_canvas.reset();
        WindowTest::TearDown();
    }

    testsupport::MemoryCanvas& Canvas() { return *m_canvas; }
    HDC Dc() const { return m_canvas->Dc(); }
    void Clear() { m_canvas->Fill(testsupport::MemoryCanvas::kWhite); }
    // Bounds of every pixel that is not white.
    std::optional<RECT> InkBounds() const { return m_canvas->InkBounds(); }

    SIZE Extent(const std::string& text) const {
        SIZE size;
        EXPECT_TRUE(
            GetTextExtentPoint32A(Dc(), text.c_str(), static_cast<int>(text.size()), &size));
        return size;
    }

    static HFONT MakeFont(const char* face, int height, int weight = FW_NORMAL, int escapement = 0,
                          bool underline = false, bool strikeOut = false) {
        return CreateFontA(height, 0, escapement, 0, weight, 0, underline, strikeOut, 0, 0, 0, 0, 0,
                           face);
    }

private:
    std::optional<testsupport::MemoryCanvas> m_canvas;
};

} // namespace texttest
