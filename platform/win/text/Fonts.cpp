#include "platform/win/text/Fonts.h"

#include "platform/base/TextCase.h"
#include "platform/win/WinConstants.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/gdi/detail/GdiObjects.h"
#include "platform/win/text/Font.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

std::unique_ptr<gdi::GdiObject> MakeStockFont(int index) {
    switch (index) {
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT:
    case ANSI_VAR_FONT:
    case DEVICE_DEFAULT_FONT:
        return text::Font::CreateStock();
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT: {
        LOGFONTA request;
        request.lfHeight = -11;
        request.lfWeight = FW_NORMAL;
        std::strcpy(request.lfFaceName, "Courier New");
        return text::Font::Create(request);
    }
    default:
        return nullptr;
    }
}

// The stock fonts exist from the moment the platform is loaded, so every new DC starts with one.
const bool kStockFontsRegistered = [] {
    gdi::GdiObjects::SetStockFontFactory(MakeStockFont);
    return true;
}();

} // namespace

HFONT CreateFontIndirectA(const LOGFONTA* logFont) {
    if (!logFont) {
        return {};
    }
    return HFONT(gdi::GdiObjects::Add(text::Font::Create(*logFont)));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
    LOGFONTA request;
    request.lfHeight = height;
    request.lfWidth = width;
    request.lfEscapement = escapement;
    request.lfOrientation = orientation;
    request.lfWeight = weight;
    request.lfItalic = italic ? 1 : 0;
    request.lfUnderline = underline ? 1 : 0;
    request.lfStrikeOut = strikeOut ? 1 : 0;
    request.lfCharSet = static_cast<BYTE>(charSet);
    request.lfOutPrecision = static_cast<BYTE>(outPrecision);
    request.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    request.lfQuality = static_cast<BYTE>(quality);
    request.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName) {
        std::memcpy(request.lfFaceName, faceName, strnlen(faceName, LF_FACESIZE - 1));
    }
    return CreateFontIndirectA(&request);
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || !metrics) {
        return FALSE;
    }
    *metrics = text::Font::Resolve(dc->SelectedFont()).Metrics();
    return TRUE;
}

int GetTextFaceA(HDC hdc, int count, LPSTR name) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return 0;
    }
    const std::string_view face = text::Font::Resolve(dc->SelectedFont()).FaceName();
    if (!name) {
        return static_cast<int>(face.size()) + 1;
    }
    if (count <= 0) {
        return 0;
    }
    const size_t copied = std::min(face.size(), static_cast<size_t>(count - 1));
    std::memcpy(name, face.data(), copied);
    name[copied] = '\0';
    return static_cast<int>(copied);
}

bool GetFontLogFont(HFONT font, LOGFONTA* logFont) {
    const text::Font* object = gdi::GdiObjects::Find<text::Font>(font);
    if (!object || !logFont) {
        return false;
    }
    *logFont = object->LogFont();
    return true;
}

std::vector<std::string> ListFontFaces() {
    std::vector<std::string> faces;
    for (const std::string_view name : text::MappedFaceNames()) {
        faces.emplace_back(name);
    }
    for (const text::FontFamily family :
         {text::FontFamily::Sans, text::FontFamily::Serif, text::FontFamily::SansMono}) {
        faces.emplace_back(text::FamilyName(family));
    }
    std::sort(faces.begin(), faces.end(), base::LessNoCase{});
    return faces;
}

std::vector<int> ListFontSizes() {
    return {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
}

} // namespace win
