#pragma once

#include "platform/ole/font/Font.h"
#include "platform/win/gdi/OwnedObject.h"
#include "platform/win/text/TextConstants.h"

namespace shared {

// One cached GDI font built from a font object, with a private copy of the font it was last
// built from (the caller's object may change afterwards). A font may be built turned by an
// orientation in tenths of a degree: nOrient % 3600 with its sign kept (so -900 and 2700 are two
// different fonts); orientation 0 builds exactly the unturned font.
class CFont {
public:
    // At most 31 bytes of UTF-8 fit the face-name field with its terminator.
    static constexpr size_t kMaxFaceNameBytes = win::LF_FACESIZE - 1;

    win::HFONT hFont() const { return m_font.Get(); }
    // False on a fresh wrapper, whatever the font; then whether no attribute differs from the
    // copy (Weight included, although the GDI font ignores it).
    bool isSame(const ole::Font& font, int32_t nOrient = 0);
    // Run-time error 9 for a face name longer than kMaxFaceNameBytes.
    bool init(const ole::Font& font, int32_t nOrient = 0);
    // Rebuilds for a different font or orientation. When that fails the copy already holds the
    // new attributes and the handle stays 0 until the font or orientation changes again.
    void UpdateInfo(const ole::Font& font, int32_t nOrient = 0);
    int32_t Orientation() const { return m_orientation; }

private:
    win::HFONT BuildFont(const ole::Font& font, int32_t nOrient);

    win::OwnedObject<win::HFONT> m_font;
    ole::Ptr<ole::Font> m_copy;
    int32_t m_orientation = 0;
};

} // namespace shared
