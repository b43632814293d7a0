#include "platform/win/text/FontFace.h"

#include "platform/base/Rounding.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <map>
#include <tuple>

namespace win::text {

struct FontFace::Handles {
    FT_Face face = nullptr;
    ~Handles() {
        if (face) {
            FT_Done_Face(face);
        }
    }
};

namespace {

struct FileMetrics {
    int unitsPerEm = 0;
    int winAscent = 0;
    int winDescent = 0;
};

using FaceKey = std::tuple<std::string, int, bool, bool>;

// The library outlives every face: members are destroyed in reverse order.
struct Library {
    FT_Library library = nullptr;
    std::map<std::string, FileMetrics> fileMetrics;
    std::map<FaceKey, std::shared_ptr<FontFace>> faces;

    Library() {
        if (FT_Init_FreeType(&library) != 0) {
            library = nullptr;
        }
    }
    ~Library() {
        faces.clear();
        if (library) {
            FT_Done_FreeType(library);
        }
    }
};

Library& Lib() {
    static Library lib;
    return lib;
}

FT_Face OpenFace(const std::string& path) {
    FT_Face face = nullptr;
    if (!Lib().library || path.empty() || FT_New_Face(Lib().library, path.c_str(), 0, &face) != 0) {
        return nullptr;
    }
    return face;
}

FileMetrics ReadMetrics(FT_Face face) {
    FileMetrics metrics;
    metrics.unitsPerEm = face->units_per_EM;
    if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        os2 && os2->version != 0xFFFF) {
        metrics.winAscent = os2->usWinAscent;
        metrics.winDescent = os2->usWinDescent;
    } else {
        metrics.winAscent = face->ascender;
        metrics.winDescent = -face->descender;
    }
    return metrics;
}

const FileMetrics* MetricsOf(const std::string& path) {
    auto& known = Lib().fileMetrics;
    if (const auto it = known.find(path); it != known.end()) {
        return &it->second;
    }
    FT_Face face = OpenFace(path);
    if (!face) {
        return nullptr;
    }
    const FileMetrics metrics = ReadMetrics(face);
    FT_Done_Face(face);
    if (metrics.unitsPerEm <= 0) {
        return nullptr;
    }
    return &known.emplace(path, metrics).first->second;
}

int Scale(int units, int ppem, int unitsPerEm) {
    return static_cast<int>(
        base::RoundHalfEvenToInt64(static_cast<double>(units) * ppem / unitsPerEm));
}

} // namespace

bool FontFace::CellMetrics(const FontFile& file, int ppem, int* ascent, int* descent) {
    const FileMetrics* metrics = MetricsOf(file.path);
    if (!metrics) {
        return false;
    }
    *ascent = Scale(metrics->winAscent, ppem, metrics->unitsPerEm);
    *descent = Scale(metrics->winDescent, ppem, metrics->unitsPerEm);
    return true;
}

std::shared_ptr<FontFace> FontFace::Get(const FontFile& file, int ppem) {
    auto& faces = Lib().faces;
    const FaceKey key{file.path, ppem, file.syntheticBold, file.syntheticOblique};
    if (const auto it = faces.find(key); it != faces.end()) {
        return it->second;
    }
    auto handles = std::make_unique<Handles>();
    handles->face = OpenFace(file.path);
    if (!handles->face || FT_Set_Pixel_Sizes(handles->face, 0, static_cast<FT_UInt>(ppem)) != 0) {
        return nullptr;
    }
    std::shared_ptr<FontFace> face(new FontFace(std::move(handles), file, ppem));
    faces.emplace(key, face);
    return face;
}

FontFace::FontFace(std::unique_ptr<Handles> handles, const FontFile& file, int ppem)
    : m_handles(std::move(handles)), m_syntheticBold(file.syntheticBold),
      m_syntheticOblique(file.syntheticOblique), m_ppem(ppem) {
    FT_Face face = m_handles->face;
    const FileMetrics metrics = ReadMetrics(face);
    m_ascent = Scale(metrics.winAscent, ppem, metrics.unitsPerEm);
    m_descent = Scale(metrics.winDescent, ppem, metrics.unitsPerEm);
    m_maxAdvance = static_cast<int>((face->size->metrics.max_advance + 32) >> 6);
    m_fixedPitch = FT_IS_FIXED_WIDTH(face);
    const int thickness = std::max(1, Scale(1, ppem, 14));
    // FreeType gives the centre of the underline stroke; the top row sits half a stroke above.
    const double centre =
        -static_cast<double>(face->underline_position) * ppem / metrics.unitsPerEm;
    const int offset = static_cast<int>(base::RoundHalfEvenToInt64(centre - thickness / 2.0));
    m_underlineOffset = std::clamp(offset, 0, std::max(0, m_descent - thickness));
}

FontFace::~FontFace() = default;

const Glyph& FontFace::GlyphFor(char32_t code) {
    if (code < m_latin.size()) {
        auto& slot = m_latin[code];
        if (!slot) {
            slot = std::make_unique<Glyph>(Render(code));
        }
        return *slot;
    }
    if (const auto it = m_others.find(code); it != m_others.end()) {
        return it->second;
    }
    return m_others.emplace(code, Render(code)).first->second;
}

Glyph FontFace::Render(char32_t code) const {
    Glyph glyph;
    FT_Face face = m_handles->face;
    const FT_UInt index = FT_Get_Char_Index(face, code);
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) != 0) {
        return glyph;
    }
    FT_GlyphSlot slot = face->glyph;
    if (m_syntheticBold) {
        FT_GlyphSlot_Embolden(slot);
    }
    if (m_syntheticOblique) {
        FT_GlyphSlot_Oblique(slot);
    }
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) {
        return glyph;
    }
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.coverage.assign(static_cast<size_t>(glyph.width) * glyph.height, 0);
    for (int y = 0; y < glyph.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < glyph.width; ++x) {
            glyph.coverage[static_cast<size_t>(y) * glyph.width + x] =
                (row[x >> 3] >> (7 - (x & 7))) & 1;
        }
    }
    return glyph;
}

} // namespace win::text
