#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/OwnedObject.h"

#include <optional>

namespace testsupport {

// A memory DC with a bitmap of its own selected (32-bit colour, or 1-bit monochrome), filled with
// one colour: tests draw on it and read the few pixels that prove a rule. Everything it creates
// and selects goes with it.
class MemoryCanvas {
public:
    static constexpr win::COLORREF kWhite = 0x00FFFFFF;

    MemoryCanvas(int width, int height, win::COLORREF fill = kWhite, int bitsPerPixel = 32);
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    win::HDC Dc() const { return m_dc.hdc; }
    win::HBITMAP Bitmap() const { return m_bitmap.Get(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    win::RECT All() const { return {0, 0, m_width, m_height}; }

    void Fill(win::COLORREF color);
    win::COLORREF At(int x, int y) const;
    // Pixels of `color` inside `rect`.
    int Count(const win::RECT& rect, win::COLORREF color) const;
    int Count(win::COLORREF color) const { return Count(All(), color); }
    // Pixels inside `rect` of anything but `background`.
    int Ink(const win::RECT& rect, win::COLORREF background = kWhite) const;
    // The bounds of every pixel that is not `background`; nullopt when there is none.
    std::optional<win::RECT> InkBounds(win::COLORREF background = kWhite) const;
    std::optional<win::RECT> InkBounds(const win::RECT& rect,
                                       win::COLORREF background = kWhite) const;

private:
    struct OwnedDc {
        win::HDC hdc;
        ~OwnedDc();
    };

    int m_width;
    int m_height;
    // Destroyed in reverse: the old bitmap is selected back, the canvas bitmap deleted, then the
    // DC.
    OwnedDc m_dc;
    win::OwnedObject<win::HBITMAP> m_bitmap;
    win::SelectedObject m_selection;
};

} // namespace testsupport
