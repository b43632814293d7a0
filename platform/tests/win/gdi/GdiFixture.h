#pragma once

#include "../window/WindowFixture.h"

#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/OwnedObject.h"
#include "testsupport/MemoryCanvas.h"

#include <initializer_list>
#include <utility>

namespace gditest {

using namespace win;
using wmtest::WindowTest;

using Canvas = testsupport::MemoryCanvas;

// An object made for a scope: selected, and deleted once selected out again.
struct Selected {
    Selected(HDC dc, HGDIOBJ object) : owned(object), selection(dc, object) {}
    OwnedObject<HGDIOBJ> owned;
    SelectedObject selection;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

} // namespace gditest
