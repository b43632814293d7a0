#include "shared/gdi/CFont.h"

#include "platform/base/Rounding.h"
#include "platform/ole/error/Error.h"
#include "platform/win/WinConstants.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/kernel/Kernel.h"
#include "platform/win/text/Fonts.h"
#include "platform/win/window/Tree.h"
#include "shared/util/FontUtils.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace shared {

namespace {
constexpr win::LONG kBoldWeight = 700;
constexpr win::LONG kNormalWeight = 400;
constexpr int32_t kFullTurn = 3600;

// -(points at the desktop's vertical resolution); 0 when no desktop DC can be had.
win::LONG HeightForSize(ole::Currency size) {
    const win::WindowDc desktop(win::GetDesktopWindow());
    if (!desktop.Get())
        return 0;
    const int dpi = win::GetDeviceCaps(desktop.Get(), win::LOGPIXELSY);
    const int64_t points =
        std::clamp<int64_t>(base::RoundHalfEvenToInt64(size.ToDouble()),
                            std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    return -win::MulDiv(static_cast<int>(points), dpi, 72);
}
} // namespace

bool CFont::isSame(const ole::Font& font, int32_t nOrient) {
    if (!m_copy) {
        m_copy = ole::Font::Create();
        return false;
    }
    if (m_orientation != nOrient % kFullTurn)
        return false;
    return !IsFontDifferent(*m_copy, font);
}

bool CFont::init(const ole::Font& font, int32_t nOrient) {
    m_font.Reset(BuildFont(font, nOrient));
    return static_cast<bool>(m_font.Get());
}

void CFont::UpdateInfo(const ole::Font& font, int32_t nOrient) {
    if (isSame(font, nOrient))
        return;
    m_font.Reset();
    m_font.Reset(BuildFont(font, nOrient));
}

win::HFONT CFont::BuildFont(const ole::Font& font, int32_t nOrient) {
    if (!m_copy)
        m_copy = ole::Font::Create();
    CopyFont(*m_copy, font);
    m_orientation = nOrient % kFullTurn;

    win::LOGFONTA logFont;
    const std::string& name = font.Name();
    // The field needs its terminator: a longer name is refused, never cut inside a character.
    if (name.size() > kMaxFaceNameBytes)
        ole::RaiseError(ole::ERR_SUBSCRIPT);
    std::memcpy(logFont.lfFaceName, name.data(), name.size());
    logFont.lfHeight = HeightForSize(font.Size());
    logFont.lfItalic = font.Italic() ? 1 : 0;
    logFont.lfWeight = font.Bold() ? kBoldWeight : kNormalWeight;
    logFont.lfUnderline = font.Underline() ? 1 : 0;
    logFont.lfStrikeOut = font.Strikethrough() ? 1 : 0;
    logFont.lfCharSet = static_cast<win::BYTE>(font.Charset() & 0xFF);
    logFont.lfEscapement = m_orientation;
    logFont.lfOrientation = m_orientation;
    // Only outline faces turn.
    if (m_orientation != 0)
        logFont.lfOutPrecision = win::OUT_TT_ONLY_PRECIS;
    return win::CreateFontIndirectA(&logFont);
}

} // namespace shared
