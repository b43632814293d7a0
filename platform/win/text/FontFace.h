#pragma once

#include "platform/win/text/FontFiles.h"
#include "platform/win/text/Glyph.h"

#include <array>
#include <memory>
#include <unordered_map>

namespace win::text {

// One font file at one pixel size: its metrics and a cache of its rendered glyphs. Shared by every
// font object of that file, size and synthesis; kept for the life of the process.
class FontFace {
public:
    // Null when the file cannot be loaded.
    static std::shared_ptr<FontFace> Get(const FontFile& file, int ppem);

    // Vertical metrics from the OS/2 table's winAscent and winDescent, rounded at this size.
    static bool CellMetrics(const FontFile& file, int ppem, int* ascent, int* descent);

    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    int Ppem() const { return m_ppem; }
    int Ascent() const { return m_ascent; }
    int Descent() const { return m_descent; }
    int MaxAdvance() const { return m_maxAdvance; }
    bool FixedPitch() const { return m_fixedPitch; }
    // Offset of the underline's top row below the baseline.
    int UnderlineOffset() const { return m_underlineOffset; }

    const Glyph& GlyphFor(char32_t code);
    int Advance(char32_t code) { return GlyphFor(code).advance; }

private:
    struct Handles;
    FontFace(std::unique_ptr<Handles> handles, const FontFile& file, int ppem);
    Glyph Render(char32_t code) const;

    std::unique_ptr<Handles> m_handles;
    bool m_syntheticBold;
    bool m_syntheticOblique;
    int m_ppem;
    int m_ascent = 0;
    int m_descent = 0;
    int m_maxAdvance = 0;
    bool m_fixedPitch = false;
    int m_underlineOffset = 0;
    std::array<std::unique_ptr<Glyph>, 256> m_latin;
    std::unordered_map<char32_t, Glyph> m_others;
};

} // namespace win::text
