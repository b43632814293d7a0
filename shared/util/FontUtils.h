#pragma once

// Copying and comparing font objects attribute by attribute.

#include "platform/ole/font/Font.h"

namespace shared {

// Sets Bold, Charset, Italic, Name, Size, Strikethrough, Underline and Weight on dest, in that
// order. Weight comes last so dest keeps src's weight although setting Bold rewrites it. dest
// keeps its identity, and raises FontChanged only for attributes that really change.
void CopyFont(ole::Font& dest, const ole::Font& src);

// True at the first of the eight attributes that differs: Name case-sensitively, Size exactly
// (8.25 and 8.2500 are equal, 10.5 and 10 are not).
bool IsFontDifferent(const ole::Font& a, const ole::Font& b);
// The name the colour-picker and list-box code uses for the same comparison.
inline bool FontsDiffer(const ole::Font& a, const ole::Font& b) {
    return IsFontDifferent(a, b);
}

} // namespace shared
