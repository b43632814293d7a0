#include "propertylist/editors/CFontEditor.h"

#include "propertylist/library/AttrgridErrors.h"

#include "shared/util/FontUtils.h"

#include "platform/base/Rounding.h"
#include "platform/forms/app/Screen.h"
#include "platform/forms/dialogs/font/FontDialog.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/win/Win.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace attrgrid {

namespace {

// WS_CHILD | SS_LEFTNOWORDWRAP.
constexpr win::DWORD kValueStyle = 0x4000000C;
constexpr win::DWORD kDialogFlags =
    win::CF_SCREENFONTS | win::CF_INITTOLOGFONTSTRUCT | win::CF_EFFECTS;

// Passed to the dialog without CF_ENABLEHOOK, so it is never called.
win::UINT_PTR ChooseFontHook(win::HWND, win::UINT, win::WPARAM, win::LPARAM) {
    return 0;
}

win::BYTE Flag(bool on) {
    return on ? 255 : 0;
}

// At most 31 bytes of the name, cut where a character starts, and a NUL.
void CopyFaceName(win::LOGFONTA& logFont, const std::string& name) {
    size_t length = std::min<size_t>(name.size(), sizeof logFont.lfFaceName - 1);
    while (length > 0 && length < name.size() &&
           (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80)
        --length;
    std::memcpy(logFont.lfFaceName, name.data(), length);
    logFont.lfFaceName[length] = '\0';
}

// The returned name, from the field's own 32 bytes only.
std::string FaceName(const win::LOGFONTA& logFont) {
    const char* field = logFont.lfFaceName;
    return std::string(field, strnlen(field, sizeof logFont.lfFaceName));
}

} // namespace

CFontEditor::CFontEditor() : ValueBoxEditor(kValueStyle, kPlainMessages) {}

ole::Ptr<CFontEditor> CFontEditor::Create() {
    return ole::MakeObject<CFontEditor>();
}

ole::Font& CFontEditor::Font() {
    if (!m_Font)
        m_Font = ole::Font::Create();
    return *m_Font;
}

ole::Variant CFontEditor::GetValue() {
    Font();
    return ole::Variant(m_Font);
}

ole::Variant CFontEditor::Shown() {
    const ole::Font& font = Font();
    const std::string attributes[] = {font.Name(),
                                      ole::CStr(ole::Variant(font.Size())),
                                      std::to_string(font.Bold()),
                                      std::to_string(font.Italic()),
                                      std::to_string(font.Underline()),
                                      std::to_string(font.Strikethrough()),
                                      std::to_string(font.Weight()),
                                      std::to_string(font.Charset())};
    std::string text;
    for (const std::string& attribute : attributes)
        text += attribute + '\n';
    return ole::Variant(text);
}

void CFontEditor::ShowValue(const ole::Variant& value) {
    ole::Ptr<ole::Font> source;
    if (value.IsNothing())
        source = ole::Font::Create();
    else if (value.IsObject())
        source = ole::PtrCast<ole::Font>(value.AsObject());
    if (!source)
        ole::RaiseError(errors::InvalidPropertyValue, "Attrgrid");
    shared::CopyFont(Font(), *source);
    win::SetWindowTextA(Window(), Font().Name().c_str());
}

void CFontEditor::Reset(const ole::Ptr<CProperty>& aProperty,
                        const ole::Ptr<CEditorListener>& anEditorListener) {
    ValueBoxEditor::Reset(aProperty, anEditorListener);
    m_Font = nullptr;
}

void CFontEditor::Browse() {
    // Held: a Reset while the dialog is open drops the editor's font.
    const ole::Ptr<ole::Font> held(&Font());
    ole::Font& font = *held;
    const double twips = forms::Screen::TwipsPerPixelY();
    win::LOGFONTA logFont{};
    logFont.lfCharSet = static_cast<win::BYTE>(font.Charset());
    CopyFaceName(logFont, font.Name());
    // Whole pixels of the size's whole twips, both rounded: 10 pt is -13 and comes back as 10.
    const int32_t sizeTwips = base::RoundHalfEvenToInt32(font.Size().ToDouble() * 20);
    logFont.lfHeight = -base::RoundHalfEvenToInt32(sizeTwips / twips);
    logFont.lfItalic = Flag(font.Italic());
    logFont.lfStrikeOut = Flag(font.Strikethrough());
    logFont.lfUnderline = Flag(font.Underline());
    logFont.lfWeight = font.Weight();

    std::string style(255, ' ');
    win::CHOOSEFONTA choose{};
    choose.lStructSize = win::CHOOSEFONTA_V1_SIZE;
    choose.hwndOwner = Button();
    choose.lpLogFont = &logFont;
    choose.iPointSize = base::RoundHalfEvenToInt32(font.Size().ToDouble() * 10);
    choose.Flags = kDialogFlags;
    choose.rgbColors = static_cast<win::COLORREF>(m_TextColor);
    choose.lpfnHook = reinterpret_cast<void*>(&ChooseFontHook);
    choose.lpszStyle = style.data();
    const ole::Ptr<ole::Object> self(this);
    const uint64_t edit = EditCount();
    // The answer belongs to the edit that asked; one started meanwhile keeps its own font.
    if (!win::ChooseFontA(&choose) || EditCount() != edit)
        return;

    const double backTwips = forms::Screen::TwipsPerPixelY();
    font.SetCharset(logFont.lfCharSet);
    font.SetSize(
        ole::Currency::FromUnits(base::RoundHalfEvenToInt32(-logFont.lfHeight * backTwips / 20)));
    font.SetItalic(logFont.lfItalic != 0);
    font.SetStrikethrough(logFont.lfStrikeOut != 0);
    font.SetUnderline(logFont.lfUnderline != 0);
    font.SetWeight(static_cast<int16_t>(logFont.lfWeight));
    font.SetName(FaceName(logFont));
    win::SetWindowTextA(Window(), font.Name().c_str());
    Commit();
}

} // namespace attrgrid
