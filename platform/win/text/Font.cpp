#include "platform/win/text/Font.h"

#include "platform/base/Rounding.h"
#include "platform/win/WinConstants.h"
#include "platform/win/gdi/detail/GdiObjects.h"

#include <algorithm>
#include <cstring>

namespace win::text {

namespace {

constexpr int kDefaultPpem = 11;
// Beyond this a glyph bitmap stops being a sensible thing to cache.
constexpr int kMaxPpem = 1000;

int CellHeight(const FontFile& file, int ppem) {
    int ascent = 0;
    int descent = 0;
    if (!FontFace::CellMetrics(file, ppem, &ascent, &descent)) {
        return ppem;
    }
    return ascent + descent;
}

// lfHeight > 0 asks for a cell height: the largest size whose cell is not taller.
int PpemForCellHeight(const FontFile& file, int cellHeight) {
    int ppem = 1;
    while (ppem < kMaxPpem && CellHeight(file, ppem + 1) <= cellHeight) {
        ++ppem;
    }
    return ppem;
}

BYTE FamilyBits(FontFamily family) {
    switch (family) {
    case FontFamily::Serif:
        return FF_ROMAN;
    case FontFamily::SansMono:
        return FF_MODERN;
    case FontFamily::Sans:
        break;
    }
    return FF_SWISS;
}

} // namespace

std::unique_ptr<Font> Font::Create(const LOGFONTA& request) {
    return std::unique_ptr<Font>(new Font(request));
}

std::unique_ptr<Font> Font::CreateStock() {
    LOGFONTA request;
    request.lfHeight = -kDefaultPpem;
    request.lfWeight = FW_NORMAL;
    std::strcpy(request.lfFaceName, "MS Sans Serif");
    return Create(request);
}

Font& Font::Resolve(HFONT font) {
    if (Font* selected = gdi::GdiObjects::Find<Font>(font)) {
        return *selected;
    }
    if (Font* stock = gdi::GdiObjects::Find<Font>(gdi::GdiObjects::Stock(SYSTEM_FONT))) {
        return *stock;
    }
    static const std::unique_ptr<Font> fallback = CreateStock();
    return *fallback;
}

Font::Font(const LOGFONTA& request) : GdiObject(gdi::GdiObjectKind::Font), m_logFont(request) {
    // The face name is read up to the first NUL, at most 31 bytes.
    const size_t nameLength = strnlen(request.lfFaceName, LF_FACESIZE - 1);
    std::memset(m_logFont.lfFaceName, 0, LF_FACESIZE);
    std::memcpy(m_logFont.lfFaceName, request.lfFaceName, nameLength);
    m_logFont.lfEscapement = request.lfEscapement % 3600;

    m_family = MapFaceName(FaceName());
    const LONG weight = request.lfWeight == 0 ? FW_NORMAL : request.lfWeight;
    const bool bold = weight >= FW_SEMIBOLD;
    const bool italic = request.lfItalic != 0;
    const FontFile& file = FindFontFile(m_family, bold, italic);

    if (request.lfHeight < 0) {
        m_ppem = static_cast<int>(std::min<int64_t>(-int64_t{request.lfHeight}, kMaxPpem));
    } else if (request.lfHeight > 0) {
        m_ppem = PpemForCellHeight(file, request.lfHeight);
    } else {
        m_ppem = kDefaultPpem;
    }
    const int turns = (m_logFont.lfEscapement + 3600 + 450) % 3600 / 900;
    m_quarterTurns = turns;
    m_face = FontFace::Get(file, m_ppem);

    TEXTMETRICA& tm = m_metrics;
    if (m_face) {
        tm.tmAscent = m_face->Ascent();
        tm.tmDescent = m_face->Descent();
        tm.tmAveCharWidth = m_face->Advance(U'x');
        tm.tmMaxCharWidth = m_face->MaxAdvance();
    } else {
        tm.tmAscent = m_ppem - m_ppem / 5;
        tm.tmDescent = m_ppem / 5;
    }
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = tm.tmHeight - m_ppem;
    tm.tmExternalLeading = 0;
    tm.tmWeight = weight;
    tm.tmOverhang = 0;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = 0xFF;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmItalic = italic ? 1 : 0;
    tm.tmUnderlined = request.lfUnderline ? 1 : 0;
    tm.tmStruckOut = request.lfStrikeOut ? 1 : 0;
    const bool fixed = m_face && m_face->FixedPitch();
    tm.tmPitchAndFamily = static_cast<BYTE>(FamilyBits(m_family) | TMPF_TRUETYPE | TMPF_VECTOR |
                                            (fixed ? 0 : TMPF_FIXED_PITCH));
    tm.tmCharSet = request.lfCharSet;
}

int Font::Describe(int size, void* out) const {
    constexpr int kSize = static_cast<int>(sizeof(LOGFONTA));
    if (!out) {
        return kSize;
    }
    const int bytes = std::clamp(size, 0, kSize);
    std::memcpy(out, &m_logFont, static_cast<size_t>(bytes));
    return bytes;
}

int Font::LineThickness() const {
    return std::max(1, static_cast<int>(base::RoundHalfEvenToInt64(m_ppem / 14.0)));
}

int Font::StrikeOutTop() const {
    // The stroke's centre sits a third of the ascent above the baseline.
    const int ascent = m_metrics.tmAscent;
    return ascent -
           static_cast<int>(base::RoundHalfEvenToInt64(ascent / 3.0 + LineThickness() / 2.0));
}

int Font::UnderlineTop() const {
    return m_metrics.tmAscent + (m_face ? m_face->UnderlineOffset() : 0);
}

} // namespace win::text
