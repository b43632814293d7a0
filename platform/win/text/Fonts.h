#pragma once

// Fonts: creation from a LOGFONTA, metrics of the font selected into a DC, and the lists a font
// dialog offers. Every face name maps onto one of the bundled DejaVu families, so metrics are
// the same on every machine; the font keeps reporting the name it was asked for.

#include "platform/win/text/TextConstants.h"

#include <string>
#include <vector>

namespace win {

// 0 only for a null pointer: unknown faces are substituted, never refused.
HFONT CreateFontIndirectA(const LOGFONTA* logFont);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName);

// Metrics of the font selected into hdc (the stock font when that one is gone).
BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics);
// Copies the requested face name of the selected font; returns the bytes copied without the NUL,
// or the length plus one when name is null.
int GetTextFaceA(HDC hdc, int count, LPSTR name);

// The LOGFONTA a font was created with (face name cut to 31 bytes, escapement modulo 3600);
// false for anything but a live font handle. GetObjectA on a font answers from here.
bool GetFontLogFont(HFONT font, LOGFONTA* logFont);

// Face names a font dialog lists: the mapped classic names and the DejaVu families, sorted
// case-insensitively.
std::vector<std::string> ListFontFaces();
// Point sizes a font dialog lists (8 to 72).
std::vector<int> ListFontSizes();

} // namespace win
