#include "buttonbar/control/paint/TransparentBitmap.h"

#include "shared/util/ColorUtils.h"

#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/OwnedObject.h"

namespace shelfstrip {

namespace {

constexpr win::COLORREF kBlack = 0;
constexpr win::COLORREF kWhite = 0xFFFFFF;

// Puts a DC's text and background colours back.
class KeptColors {
public:
    KeptColors(win::HDC hdc, win::COLORREF text, win::COLORREF back)
        : m_hdc(hdc), m_text(win::SetTextColor(hdc, text)), m_back(win::SetBkColor(hdc, back)) {}
    ~KeptColors() {
        win::SetTextColor(m_hdc, m_text);
        win::SetBkColor(m_hdc, m_back);
    }
    KeptColors(const KeptColors&) = delete;
    KeptColors& operator=(const KeptColors&) = delete;

private:
    win::HDC m_hdc;
    win::COLORREF m_text;
    win::COLORREF m_back;
};

} // namespace

bool DrawTransparentBitmap(win::HDC hdc, int32_t x, int32_t y, int32_t w, int32_t h, win::HDC src,
                           int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t transparent) {
    const win::COLORREF key = shared::TranslateColor(static_cast<uint32_t>(transparent));
    const win::MemoryDc mask(hdc);
    const win::MemoryDc copy(hdc);
    if (!mask.Get() || !copy.Get())
        return false;
    const win::OwnedObject<win::HBITMAP> maskBitmap(win::CreateBitmap(sw, sh, 1, 1, nullptr));
    const win::OwnedObject<win::HBITMAP> copyBitmap(win::CreateCompatibleBitmap(hdc, sw, sh));
    if (!maskBitmap.Get() || !copyBitmap.Get())
        return false;
    const win::SelectedObject maskSelected(mask.Get(), maskBitmap.Get());
    const win::SelectedObject copySelected(copy.Get(), copyBitmap.Get());
    if (!maskSelected.Selected() || !copySelected.Selected())
        return false;

    win::BitBlt(copy.Get(), 0, 0, sw, sh, src, sx, sy, win::SRCCOPY);
    // Pixels of the key colour become 1 in the mask; the mask's 1 bits come back as the key
    // colour (the copy's background), so XOR turns them black in the copy.
    win::SetBkColor(copy.Get(), key);
    win::BitBlt(mask.Get(), 0, 0, sw, sh, copy.Get(), 0, 0, win::SRCCOPY);
    win::BitBlt(copy.Get(), 0, 0, sw, sh, mask.Get(), 0, 0, win::SRCINVERT);

    const KeptColors kept(hdc, kBlack, kWhite);
    if (sw != w || sh != h) {
        win::StretchBlt(hdc, x, y, w, h, mask.Get(), 0, 0, sw, sh, win::SRCAND);
        win::StretchBlt(hdc, x, y, w, h, copy.Get(), 0, 0, sw, sh, win::SRCINVERT);
    } else {
        win::BitBlt(hdc, x, y, sw, sh, mask.Get(), 0, 0, win::SRCAND);
        win::BitBlt(hdc, x, y, sw, sh, copy.Get(), 0, 0, win::SRCINVERT);
    }
    return true;
}

} // namespace shelfstrip
