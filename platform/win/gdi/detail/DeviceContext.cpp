#include "platform/win/gdi/detail/DeviceContext.h"

#include "platform/win/gdi/detail/Bitmap.h"
#include "platform/win/gdi/detail/GdiObjects.h"
#include "platform/win/gdi/raster/Screen.h"
#include "platform/win/gdi/raster/Surface.h"
#include "platform/win/gdi/raster/VisibleRegion.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/WindowState.h"

#include <algorithm>
#include <utility>

namespace win::gdi {

DeviceContext::DeviceContext(DcKind kind, HWND window, DWORD dcxFlags)
    : m_kind(kind), m_window(window), m_dcxFlags(dcxFlags),
      m_pen(HPEN(GdiObjects::Stock(BLACK_PEN))), m_brush(HBRUSH(GdiObjects::Stock(WHITE_BRUSH))),
      m_font(HFONT(GdiObjects::Stock(SYSTEM_FONT))) {
    if (kind == DcKind::Memory) {
        m_bitmap = HBITMAP(GdiObjects::Stock(GdiObjects::DefaultBitmapIndex));
    }
}

DeviceContext::DeviceContext(HWND window, DWORD dcxFlags)
    : DeviceContext(DcKind::Window, window, dcxFlags) {}

DeviceContext::DeviceContext() : DeviceContext(DcKind::Screen, HWND{}, 0) {}

std::unique_ptr<DeviceContext> DeviceContext::Memory() {
    return std::unique_ptr<DeviceContext>(new DeviceContext(DcKind::Memory, HWND{}, 0));
}

HWND DeviceContext::Root() const {
    return m_kind == DcKind::Window ? detail::RootWindow(m_window) : HWND{};
}

Bitmap* DeviceContext::TargetBitmap() const {
    return m_kind == DcKind::Memory ? LookupBitmap(m_bitmap) : nullptr;
}

bool DeviceContext::IsMonochrome() const {
    const Bitmap* bitmap = TargetBitmap();
    return bitmap && bitmap->IsMonochrome();
}

POINT DeviceContext::Origin() const {
    if (m_kind != DcKind::Window) {
        return {};
    }
    const detail::WindowRecord* record = detail::LookupWindow(m_window);
    const detail::WindowRecord* root = detail::LookupWindow(detail::RootWindow(m_window));
    if (!record || !root) {
        return {};
    }
    const RECT& area = (m_dcxFlags & DCX_WINDOW) ? record->windowRect : record->clientRect;
    return {area.left - root->windowRect.left, area.top - root->windowRect.top};
}

Region DeviceContext::BaseClip() const {
    switch (m_kind) {
    case DcKind::Memory: {
        const Bitmap* bitmap = TargetBitmap();
        return bitmap ? Region(bitmap->Pixels().Bounds()) : Region();
    }
    case DcKind::Screen:
        return Region(Screen::Desktop().Bounds());
    case DcKind::Window:
        break;
    }
    const detail::WindowRecord* record = detail::LookupWindow(m_window);
    if (!record) {
        return {};
    }
    // The parent's visible region, children included: such a DC may draw over hwnd's siblings.
    if ((m_dcxFlags & DCX_PARENTCLIP) && record->parent) {
        return VisibleRegion(record->parent, 0);
    }
    return VisibleRegion(m_window, m_dcxFlags);
}

Region DeviceContext::Clip() const {
    Region clip = BaseClip();
    if (!m_restriction && !m_userClip) {
        return clip;
    }
    const POINT origin = Origin();
    for (const auto* extra : {&m_restriction, &m_userClip}) {
        if (*extra) {
            Region device = **extra;
            device.Offset(origin.x, origin.y);
            clip.Intersect(device);
        }
    }
    return clip;
}

void DeviceContext::SetClip(const Region& clip) {
    Region dcSpace = clip;
    const POINT origin = Origin();
    dcSpace.Offset(-origin.x, -origin.y);
    m_restriction = std::move(dcSpace);
}

void DeviceContext::Restrict(const Region& area) {
    if (m_restriction) {
        m_restriction->Intersect(area);
    } else {
        m_restriction = area;
    }
}

HGDIOBJ DeviceContext::Select(HGDIOBJ object) {
    const GdiObject* found = GdiObjects::Find(object);
    if (!found) {
        return {};
    }
    HGDIOBJ old;
    switch (found->Kind()) {
    case GdiObjectKind::Pen:
        old = std::exchange(m_pen, HPEN(object));
        break;
    case GdiObjectKind::Brush:
        old = std::exchange(m_brush, HBRUSH(object));
        break;
    case GdiObjectKind::Font:
        old = std::exchange(m_font, HFONT(object));
        break;
    case GdiObjectKind::Bitmap:
        old = std::exchange(m_bitmap, HBITMAP(object));
        break;
    case GdiObjectKind::Region:
        return {};
    }
    GdiObjects::Selected(object);
    GdiObjects::Deselected(old);
    return old;
}

void DeviceContext::ReleaseSelections() {
    for (HGDIOBJ held : {HGDIOBJ(m_pen), HGDIOBJ(m_brush), HGDIOBJ(m_font), HGDIOBJ(m_bitmap)}) {
        if (held) {
            GdiObjects::Deselected(held);
        }
    }
    m_pen = {};
    m_brush = {};
    m_font = {};
    m_bitmap = {};
}

struct DeviceContext::Saved {
    std::optional<Region> userClip;
    COLORREF textColor;
    COLORREF bkColor;
    int bkMode;
    int rop2;
    int stretchMode;
    UINT textAlign;
    POINT brushOrigin;
    POINT viewportOrigin;
    POINT windowOrigin;
    POINT position;
    HPEN pen;
    HBRUSH brush;
    HFONT font;
    HBITMAP bitmap;
};

int DeviceContext::Save() {
    m_saved.push_back(std::make_shared<const Saved>(
        Saved{m_userClip, m_textColor, m_bkColor, m_bkMode, m_rop2, m_stretchMode, m_textAlign,
              m_brushOrigin, m_viewportOrigin, m_windowOrigin, m_position, m_pen, m_brush, m_font,
              m_bitmap}));
    return static_cast<int>(m_saved.size());
}

bool DeviceContext::Restore(int level) {
    const int depth = static_cast<int>(m_saved.size());
    const int target = level < 0 ? depth + level + 1 : level;
    if (target < 1 || target > depth) {
        return false;
    }
    const std::shared_ptr<const Saved> state = m_saved[static_cast<size_t>(target - 1)];
    m_saved.resize(static_cast<size_t>(target - 1));
    m_userClip = state->userClip;
    m_textColor = state->textColor;
    m_bkColor = state->bkColor;
    m_bkMode = state->bkMode;
    m_rop2 = state->rop2;
    m_stretchMode = state->stretchMode;
    m_textAlign = state->textAlign;
    m_brushOrigin = state->brushOrigin;
    m_viewportOrigin = state->viewportOrigin;
    m_windowOrigin = state->windowOrigin;
    m_position = state->position;
    // Objects deleted since the save are gone; their kind keeps what is selected now.
    for (HGDIOBJ object : {HGDIOBJ(state->pen), HGDIOBJ(state->brush), HGDIOBJ(state->font),
                           HGDIOBJ(state->bitmap)}) {
        const GdiObject* found = GdiObjects::Find(object);
        if (found && !found->IsDeletePending()) {
            Select(object);
        }
    }
    return true;
}

namespace {

// Origins and mapped points stay within the 27-bit coordinate range, so that no mapping or extent
// arithmetic on them can overflow; shapes reaching beyond it are drawn as if cut off there.
POINT Pinned(long long x, long long y) {
    return {PinCoordinate(x), PinCoordinate(y)};
}

} // namespace

void DeviceContext::SetBrushOrigin(POINT origin) {
    m_brushOrigin = Pinned(origin.x, origin.y);
}

void DeviceContext::SetViewportOrigin(POINT origin) {
    m_viewportOrigin = Pinned(origin.x, origin.y);
}

void DeviceContext::SetWindowOrigin(POINT origin) {
    m_windowOrigin = Pinned(origin.x, origin.y);
}

POINT DeviceContext::ToDcSpace(POINT logical) const {
    return Pinned(static_cast<long long>(logical.x) - m_windowOrigin.x + m_viewportOrigin.x,
                  static_cast<long long>(logical.y) - m_windowOrigin.y + m_viewportOrigin.y);
}

POINT DeviceContext::ToLogical(POINT dcSpace) const {
    return Pinned(static_cast<long long>(dcSpace.x) + m_windowOrigin.x - m_viewportOrigin.x,
                  static_cast<long long>(dcSpace.y) + m_windowOrigin.y - m_viewportOrigin.y);
}

POINT DeviceContext::ToDevice(POINT logical) const {
    const POINT origin = Origin();
    const POINT p = ToDcSpace(logical);
    return {p.x + origin.x, p.y + origin.y};
}

RECT DeviceContext::ToDevice(const RECT& logical) const {
    const POINT tl = ToDevice(POINT{logical.left, logical.top});
    const POINT br = ToDevice(POINT{logical.right, logical.bottom});
    return {tl.x, tl.y, br.x, br.y};
}

void DeviceContext::ForEachPieceToRead(const RECT& deviceRect, const PieceFn& fn) const {
    if (deviceRect.left >= deviceRect.right || deviceRect.top >= deviceRect.bottom) {
        return;
    }
    Region pieces(deviceRect);
    pieces.Intersect(Clip());
    if (pieces.IsEmpty()) {
        return;
    }
    switch (m_kind) {
    case DcKind::Screen:
        for (const RECT& piece : pieces.Rects()) {
            Screen::ForEachPiece(piece, [&](Surface& surface, const RECT& local, POINT offset) {
                fn(surface, local, offset);
            });
        }
        return;
    case DcKind::Memory:
        if (Bitmap* bitmap = TargetBitmap()) {
            for (const RECT& piece : pieces.Rects()) {
                fn(bitmap->Pixels(), piece, POINT{});
            }
        }
        return;
    case DcKind::Window:
        break;
    }
    // The window may have died since the DC was handed out; drawing then does nothing.
    detail::WindowRecord* root = detail::LookupWindow(Root());
    if (!root || !root->surface) {
        return;
    }
    for (const RECT& piece : pieces.Rects()) {
        fn(*root->surface, piece, POINT{});
    }
}

void DeviceContext::ForEachPiece(const RECT& deviceRect,
                                 const std::function<void(Surface&, const RECT&)>& fn) const {
    ForEachPieceAt(deviceRect,
                   [&](Surface& surface, const RECT& piece, POINT) { fn(surface, piece); });
}

void DeviceContext::ForEachPieceAt(const RECT& deviceRect, const PieceFn& fn) const {
    const bool monochrome = IsMonochrome();
    ForEachPieceToRead(deviceRect, [&](Surface& surface, const RECT& piece, POINT offset) {
        fn(surface, piece, offset);
        if (monochrome) {
            for (int y = piece.top; y < piece.bottom; ++y) {
                const auto row = surface.Row(y);
                for (int x = piece.left; x < piece.right; ++x) {
                    row[static_cast<size_t>(x)] = ToMonochromePixel(row[static_cast<size_t>(x)]);
                }
            }
        }
        if (m_kind != DcKind::Memory) {
            AddDamage({piece.left + offset.x, piece.top + offset.y, piece.right + offset.x,
                       piece.bottom + offset.y});
        }
    });
}

// Damage is kept in device coordinates regardless of which framebuffer took the pixels.
void DeviceContext::AddDamage(const RECT& b) const {
    if (m_damage.left >= m_damage.right) {
        m_damage = b;
    } else {
        m_damage = {std::min(m_damage.left, b.left), std::min(m_damage.top, b.top),
                    std::max(m_damage.right, b.right), std::max(m_damage.bottom, b.bottom)};
    }
}

void DeviceContext::FillSolid(const RECT& logicalRect, COLORREF color) {
    const uint32_t pixel = ColorToPixel(color);
    ForEachPiece(ToDevice(logicalRect),
                 [&](Surface& surface, const RECT& piece) { surface.Fill(piece, pixel); });
}

COLORREF DeviceContext::PixelAt(int x, int y) const {
    const POINT d = ToDevice(POINT{x, y});
    COLORREF result = CLR_INVALID;
    ForEachPieceToRead({d.x, d.y, d.x + 1, d.y + 1},
                       [&](Surface& surface, const RECT& piece, POINT) {
                           result = PixelToColor(surface.Pixel(piece.left, piece.top));
                       });
    return result;
}

RECT DeviceContext::TakeDamage() {
    const RECT damage = m_damage;
    m_damage = {};
    return damage;
}

} // namespace win::gdi
