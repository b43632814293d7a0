#include "shared/util/FontUtils.h"

namespace shared {

void CopyFont(ole::Font& dest, const ole::Font& src) {
    dest.SetBold(src.Bold());
    dest.SetCharset(src.Charset());
    dest.SetItalic(src.Italic());
    dest.SetName(src.Name());
    dest.SetSize(src.Size());
    dest.SetStrikethrough(src.Strikethrough());
    dest.SetUnderline(src.Underline());
    dest.SetWeight(src.Weight());
}

bool IsFontDifferent(const ole::Font& a, const ole::Font& b) {
    return a.Bold() != b.Bold() || a.Charset() != b.Charset() || a.Italic() != b.Italic() ||
           a.Name() != b.Name() || a.Size() != b.Size() || a.Strikethrough() != b.Strikethrough() ||
           a.Underline() != b.Underline() || a.Weight() != b.Weight();
}

} // namespace shared
