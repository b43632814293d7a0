#pragma once

#include "platform/ole/font/Font.h"
#include "platform/win/gdi/OwnedObject.h"
#include "platform/win/text/TextConstants.h"

namespace shared {

// One cached GDI font built from a font object, with a private copy of the font it was last
// built from (the caller's object may change afterwards).
class CFont {
public:
    // At most 31 bytes of UTF-8 fit the face-name field with its terminator.
    static constexpr size_t kMaxFaceNameBytes = win::LF_FACESIZE - 1;

    win::HFONT hFont() const { return m_font.Get(); }
    // False on a fresh wrapper, whatever the font; then whether no attribute differs from the
    // copy (Weight included, although the GDI font ignores it).
    bool isSame(const ole::Font& font);
    // Run-time error 9 for a face name longer than kMaxFaceNameBytes.
    bool init(const ole::Font& font);
    // Rebuilds for a different font. When that fails the copy already holds the new attributes
    // and the handle stays 0 until the font changes again.
    void UpdateInfo(const ole::Font& font);

private:
    win::HFONT BuildFont(const ole::Font& font);

    win::OwnedObject<win::HFONT> m_font;
    ole::Ptr<ole::Font> m_copy;
};

} // namespace shared
