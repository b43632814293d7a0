#pragma once

#include "platform/win/gdi/detail/GdiObject.h"
#include "platform/win/text/FaceMapping.h"
#include "platform/win/text/FontFace.h"
#include "platform/win/text/TextConstants.h"

#include <memory>
#include <string>
#include <string_view>

namespace win::text {

// The object behind an HFONT: the request as given, and the face and size that render it.
class Font final : public gdi::GdiObject {
public:
    static std::unique_ptr<Font> Create(const LOGFONTA& request);
    // "MS Sans Serif", ppem 11, weight 400: the stock fonts.
    static std::unique_ptr<Font> CreateStock();

    // The font the DC draws with: the selected one, or the stock font when it is gone.
    static Font& Resolve(HFONT font);

    // GetObjectA: the LOGFONTA (at most size bytes of it).
    int Describe(int size, void* out) const override;

    const LOGFONTA& LogFont() const { return m_logFont; }
    std::string_view FaceName() const { return m_logFont.lfFaceName; }
    FontFamily Family() const { return m_family; }
    const TEXTMETRICA& Metrics() const { return m_metrics; }
    int Ppem() const { return m_ppem; }
    // Escapement in quarter turns counter-clockwise (0 to 3); other angles snap to the nearest.
    int QuarterTurns() const { return m_quarterTurns; }
    bool Underline() const { return m_logFont.lfUnderline != 0; }
    bool StrikeOut() const { return m_logFont.lfStrikeOut != 0; }
    // Thickness of underline and strike-out lines.
    int LineThickness() const;
    // Top row of the strike-out line, counted from the cell top.
    int StrikeOutTop() const;
    // Top row of the underline, counted from the cell top.
    int UnderlineTop() const;

    // Null only when no DejaVu file could be loaded at all.
    FontFace* Face() const { return m_face.get(); }
    int Advance(char32_t code) const { return m_face ? m_face->Advance(code) : 0; }

private:
    explicit Font(const LOGFONTA& request);

    LOGFONTA m_logFont;
    FontFamily m_family;
    int m_ppem = 11;
    int m_quarterTurns = 0;
    std::shared_ptr<FontFace> m_face;
    TEXTMETRICA m_metrics;
};

} // namespace win::text
