#include "platform/forms/dialogs/font/FontDialog.h"

#include "platform/base/Rounding.h"
#include "platform/base/Utf8.h"
#include "platform/forms/dialogs/CommonDialogError.h"
#include "platform/forms/dialogs/ModalDialog.h"
#include "platform/forms/dialogs/font/FontDialogWindow.h"
#include "platform/win/kernel/Kernel.h"

#include <cmath>
#include <cstring>

namespace forms {

namespace {

constexpr const char* kDefaultFace = "MS Sans Serif";

FontDialogRequest Decode(const win::CHOOSEFONTA& cf) {
    using namespace win;
    FontDialogRequest request;
    request.owner = DialogOwnerOf(cf.hwndOwner);
    request.flags = cf.Flags;
    request.pointSize = cf.iPointSize;
    request.effects = (cf.Flags & CF_EFFECTS) != 0;
    if ((cf.Flags & CF_LIMITSIZE) != 0) {
        request.sizeMin = cf.nSizeMin;
        request.sizeMax = cf.nSizeMax;
    }
    FontChoice& font = request.initial;
    font.face = kDefaultFace;
    font.color = request.effects ? cf.rgbColors & 0x00FFFFFFu : 0;
    if ((cf.Flags & CF_INITTOLOGFONTSTRUCT) != 0) {
        request.logFont = *cf.lpLogFont;
        const LOGFONTA& lf = request.logFont;
        const size_t length = strnlen(lf.lfFaceName, LF_FACESIZE);
        if (length > 0) {
            font.face.assign(lf.lfFaceName, length);
        }
        if (lf.lfHeight != 0) {
            font.points = std::abs(static_cast<double>(lf.lfHeight)) * 72.0 / 96.0;
        } else if (cf.iPointSize > 0) {
            font.points = cf.iPointSize / 10.0;
        }
        font.bold = lf.lfWeight >= 600;
        font.italic = lf.lfItalic != 0;
        font.underline = request.effects && lf.lfUnderline != 0;
        font.strikeOut = request.effects && lf.lfStrikeOut != 0;
        font.charSet = lf.lfCharSet;
    }
    return request;
}

void Write(win::CHOOSEFONTA& cf, const FontDialogRequest& request, const FontChoice& font) {
    using namespace win;
    LOGFONTA lf = request.logFont;
    const bool whole = font.points == std::floor(font.points);
    lf.lfHeight = whole ? -MulDiv(static_cast<int>(font.points), 96, 72)
                        : -base::RoundHalfEvenToInt32(font.points * 96.0 / 72.0);
    lf.lfWidth = 0;
    lf.lfWeight = font.bold ? 700 : 400;
    lf.lfItalic = font.italic ? 255 : 0;
    lf.lfUnderline = font.underline ? 255 : 0;
    lf.lfStrikeOut = font.strikeOut ? 255 : 0;
    lf.lfCharSet = font.charSet;
    std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
    base::CopyUtf8ToBuffer(font.face, lf.lfFaceName, LF_FACESIZE);
    *cf.lpLogFont = lf;
    cf.iPointSize = base::RoundHalfEvenToInt32(font.points * 10.0);
    cf.rgbColors = font.color & 0x00FFFFFFu;
    cf.nFontType = static_cast<WORD>(SCREEN_FONTTYPE | (font.bold ? BOLD_FONTTYPE : 0) |
                                     (font.italic ? ITALIC_FONTTYPE : 0) |
                                     (!font.bold && !font.italic ? REGULAR_FONTTYPE : 0));
    if (cf.lpszStyle != nullptr) {
        base::CopyUtf8ToBuffer(font.StyleName(), cf.lpszStyle, LF_FACESIZE);
    }
}

} // namespace

std::string FontChoice::StyleName() const {
    if (bold) {
        return italic ? "Bold Italic" : "Bold";
    }
    return italic ? "Italic" : "Regular";
}

FontDialogResponderType& FontDialogResponder() {
    return ResponderInstance<FontDialogResponderType>();
}

} // namespace forms

namespace win {

BOOL ChooseFontA(CHOOSEFONTA* cf) {
    if (cf == nullptr ||
        (cf->lStructSize != CHOOSEFONTA_V1_SIZE && cf->lStructSize != sizeof(CHOOSEFONTA))) {
        forms::SetCommDlgError(CDERR_STRUCTSIZE);
        return FALSE;
    }
    if (cf->lpLogFont == nullptr) {
        forms::SetCommDlgError(CDERR_INITIALIZATION);
        return FALSE;
    }
    forms::FontDialogWindow dialog(forms::Decode(*cf));
    const std::optional<forms::FontDialogAnswer> answer = forms::RunCommonDialog(
        dialog, dialog.Request().owner, forms::FontDialogResponder(), "font dialog responder");
    forms::SetCommDlgError(0);
    if (!answer || !answer->ok) {
        return FALSE;
    }
    forms::Write(*cf, dialog.Request(), answer->font);
    return TRUE;
}

} // namespace win
