#pragma once

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/raster/Region.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace win::gdi {

class Surface;
class Bitmap;

enum class DcKind { Window, Screen, Memory };

// What an HDC stands for: a target (a top-level window's framebuffer, the screen, or the bitmap
// selected into a memory DC), the mapping, the clip and the drawing attributes.
//
// Three coordinate spaces: logical (what callers pass), DC space (logical mapped by the window
// and viewport origins: device = logical - windowOrg + viewportOrg) and device (the target's own
// pixels: DC space plus the area's origin in the framebuffer, or screen pixels for the screen DC).
// A window DC recomputes its area origin and visible region at every drawing call, so a DC kept
// across window moves draws through the window's current region. Every primitive ends in
// ForEachPiece, so it needs no knowledge of where pixels live.
class DeviceContext {
public:
    // A DC on a window's client area (or whole window with DCX_WINDOW); clipping by dcxFlags.
    DeviceContext(HWND window, DWORD dcxFlags);
    // The screen DC.
    DeviceContext();
    // A memory DC with the default 1x1 monochrome bitmap selected.
    static std::unique_ptr<DeviceContext> Memory();

    HDC Handle() const { return m_handle; }
    void SetHandle(HDC handle) { m_handle = handle; }
    DcKind Kind() const { return m_kind; }
    HWND Window() const { return m_window; }
    HWND Root() const;
    bool IsScreen() const { return m_kind == DcKind::Screen; }
    bool IsMemory() const { return m_kind == DcKind::Memory; }
    // The target holds only black and white (a memory DC with a monochrome bitmap).
    bool IsMonochrome() const;
    // The bitmap a memory DC draws on.
    Bitmap* TargetBitmap() const;

    // Device position of DC-space (0,0): the area's top-left in its framebuffer.
    POINT Origin() const;
    // The clip in device coordinates: visible region (or bitmap bounds) ∩ paint/update restriction
    // ∩ the clip set by IntersectClipRect, ExcludeClipRect and SelectClipRgn.
    Region Clip() const;
    // Restricts further drawing to clip (device coordinates, as now); used by painting.
    void SetClip(const Region& clip);
    // Restricts further drawing to area (DC space), wherever the window goes.
    void Restrict(const Region& area);
    // The caller's clip in DC space; empty optional means none.
    const std::optional<Region>& UserClip() const { return m_userClip; }
    void SetUserClip(std::optional<Region> clip) { m_userClip = std::move(clip); }

    // Attributes.
    COLORREF TextColor() const { return m_textColor; }
    void SetTextColor(COLORREF color) { m_textColor = color; }
    COLORREF BkColor() const { return m_bkColor; }
    void SetBkColor(COLORREF color) { m_bkColor = color; }
    int BkMode() const { return m_bkMode; }
    void SetBkMode(int mode) { m_bkMode = mode; }
    int Rop2() const { return m_rop2; }
    void SetRop2(int rop2) { m_rop2 = rop2; }
    int StretchMode() const { return m_stretchMode; }
    void SetStretchMode(int mode) { m_stretchMode = mode; }
    UINT TextAlign() const { return m_textAlign; }
    void SetTextAlign(UINT align) { m_textAlign = align; }
    POINT BrushOrigin() const { return m_brushOrigin; }
    void SetBrushOrigin(POINT origin);
    POINT ViewportOrigin() const { return m_viewportOrigin; }
    void SetViewportOrigin(POINT origin);
    POINT WindowOrigin() const { return m_windowOrigin; }
    void SetWindowOrigin(POINT origin);
    // Logical coordinates.
    POINT CurrentPosition() const { return m_position; }
    void SetCurrentPosition(POINT position) { m_position = position; }
    // Pixels of the cosmetic dash pattern already used; continues across LineTo calls.
    int DashPhase() const { return m_dashPhase; }
    void SetDashPhase(int phase) { m_dashPhase = phase; }

    // Selected objects (handles; a selected object stays alive until deselected).
    HPEN SelectedPen() const { return m_pen; }
    HBRUSH SelectedBrush() const { return m_brush; }
    HFONT SelectedFont() const { return m_font; }
    HBITMAP SelectedBitmap() const { return m_bitmap; }
    // Swaps in a new object of that kind and returns the old one; the table's selection counts
    // follow. No checks here: SelectObject decides what may be selected.
    HGDIOBJ Select(HGDIOBJ object);
    // Lets go of every selected object (when the DC is released or deleted).
    void ReleaseSelections();

    // SaveDC/RestoreDC: attributes, mapping, clip and selections. Save returns the new depth;
    // Restore takes a depth (negative: relative to the top) and fails for one not saved.
    int Save();
    bool Restore(int level);

    // Mapping.
    POINT ToDevice(POINT logical) const;
    RECT ToDevice(const RECT& logical) const;
    POINT ToDcSpace(POINT logical) const;
    POINT ToLogical(POINT dcSpace) const;

    // Calls fn for each piece of deviceRect inside the clip, in the target framebuffer's
    // coordinates. Pieces never overlap. Writes to a monochrome target are brought back to black
    // and white after fn returns.
    void ForEachPiece(const RECT& deviceRect,
                      const std::function<void(Surface&, const RECT&)>& fn) const;
    // The same with where the piece lies on the device: device = framebuffer + offset (the offset
    // is zero except on the screen DC, whose pieces lie in several framebuffers).
    using PieceFn = std::function<void(Surface&, const RECT& piece, POINT offset)>;
    void ForEachPieceAt(const RECT& deviceRect, const PieceFn& fn) const;
    // For reading: no damage is recorded, no monochrome fix-up.
    void ForEachPieceToRead(const RECT& deviceRect, const PieceFn& fn) const;

    void FillSolid(const RECT& logicalRect, COLORREF color);
    // CLR_INVALID outside the clip (logical coordinates).
    COLORREF PixelAt(int x, int y) const;

    // The device bounds drawn on since the last call.
    RECT TakeDamage();

private:
    DeviceContext(DcKind kind, HWND window, DWORD dcxFlags);
    Region BaseClip() const;
    void AddDamage(const RECT& deviceBounds) const;

    HDC m_handle;
    DcKind m_kind;
    HWND m_window;
    DWORD m_dcxFlags = 0;
    // Paint restriction in DC space (update region of a paint DC).
    std::optional<Region> m_restriction;
    std::optional<Region> m_userClip;

    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_bkColor = RGB(255, 255, 255);
    int m_bkMode = OPAQUE;
    int m_rop2 = R2_COPYPEN;
    int m_stretchMode = BLACKONWHITE;
    UINT m_textAlign = 0;
    POINT m_brushOrigin;
    POINT m_viewportOrigin;
    POINT m_windowOrigin;
    POINT m_position;
    int m_dashPhase = 0;

    HPEN m_pen;
    HBRUSH m_brush;
    HFONT m_font;
    HBITMAP m_bitmap;

    mutable RECT m_damage{};

    struct Saved;
    std::vector<std::shared_ptr<const Saved>> m_saved;
};

} // namespace win::gdi
