#pragma once

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/Region.h"

#include <functional>

namespace win::gdi {

class Surface;

// What an HDC stands for: a target (a top-level window's framebuffer, or the screen), the device
// position of logical (0,0), a clip region in device coordinates, and the drawing attributes.
// Device coordinates are the framebuffer's own for window DCs and screen pixels for the screen DC.
// The drawing layer adds its attributes and primitives here; every primitive ends in ForEachPiece,
// so it needs no knowledge of where pixels live.
class DeviceContext {
public:
    // root: the top-level window whose framebuffer is drawn on; null for the screen.
    DeviceContext(HWND window, HWND root, POINT origin, Region clip);

    HDC Handle() const { return m_handle; }
    void SetHandle(HDC handle) { m_handle = handle; }
    HWND Window() const { return m_window; }
    HWND Root() const { return m_root; }
    bool IsScreen() const { return !m_root; }

    POINT Origin() const { return m_origin; }
    const Region& Clip() const { return m_clip; }
    void SetClip(Region clip) { m_clip = std::move(clip); }

    COLORREF TextColor() const { return m_textColor; }
    void SetTextColor(COLORREF color) { m_textColor = color; }
    COLORREF BkColor() const { return m_bkColor; }
    void SetBkColor(COLORREF color) { m_bkColor = color; }
    int BkMode() const { return m_bkMode; }
    void SetBkMode(int mode) { m_bkMode = mode; }

    RECT ToDevice(const RECT& logical) const;

    // Calls fn for each framebuffer piece of deviceRect inside the clip, in that framebuffer's
    // coordinates. Pieces never overlap.
    void ForEachPiece(const RECT& deviceRect,
                      const std::function<void(Surface&, const RECT&)>& fn) const;

    void FillSolid(const RECT& logicalRect, COLORREF color);
    // CLR_INVALID outside the clip.
    COLORREF PixelAt(int x, int y) const;

    // The device bounds drawn on since the last call.
    RECT TakeDamage();

private:
    HDC m_handle;
    HWND m_window;
    HWND m_root;
    POINT m_origin;
    Region m_clip;
    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_bkColor = RGB(255, 255, 255);
    int m_bkMode = OPAQUE;
    RECT m_damage{};
};

} // namespace win::gdi
