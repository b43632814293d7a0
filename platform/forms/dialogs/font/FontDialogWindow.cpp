#include "platform/forms/dialogs/font/FontDialogWindow.h"

#include "platform/base/Rounding.h"
#include "platform/base/TextCase.h"
#include "platform/base/Utf8.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/dialogs/font/FontDialog.h"
#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/OwnedObject.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/text/FaceMapping.h"
#include "platform/win/text/Fonts.h"
#include "platform/win/text/Text.h"
#include "platform/win/window/Window.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace forms {

using namespace win;

namespace {

constexpr SIZE kClient{432, 300};
constexpr RECT kSample{166, 172, 416, 226};
const std::vector<std::string> kStyles{"Regular", "Italic", "Bold", "Bold Italic"};
constexpr int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

struct Named {
    const char* name;
    COLORREF color;
};
constexpr Named kColors[] = {
    {"Black", RGB(0, 0, 0)},       {"Maroon", RGB(128, 0, 0)},    {"Green", RGB(0, 128, 0)},
    {"Olive", RGB(128, 128, 0)},   {"Navy", RGB(0, 0, 128)},      {"Purple", RGB(128, 0, 128)},
    {"Teal", RGB(0, 128, 128)},    {"Gray", RGB(128, 128, 128)},  {"Silver", RGB(192, 192, 192)},
    {"Red", RGB(255, 0, 0)},       {"Lime", RGB(0, 255, 0)},      {"Yellow", RGB(255, 255, 0)},
    {"Blue", RGB(0, 0, 255)},      {"Fuchsia", RGB(255, 0, 255)}, {"Aqua", RGB(0, 255, 255)},
    {"White", RGB(255, 255, 255)},
};

struct Script {
    const char* name;
    BYTE charSet;
};
constexpr Script kScripts[] = {
    {"Western", ANSI_CHARSET},     {"Symbol", SYMBOL_CHARSET},
    {"Greek", GREEK_CHARSET},      {"Turkish", TURKISH_CHARSET},
    {"Hebrew", HEBREW_CHARSET},    {"Arabic", ARABIC_CHARSET},
    {"Baltic", BALTIC_CHARSET},    {"Central European", EASTEUROPE_CHARSET},
    {"Cyrillic", RUSSIAN_CHARSET}, {"Thai", THAI_CHARSET},
};

std::string SizeText(double points) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", points);
    std::string shown(text);
    shown.erase(shown.find_last_not_of('0') + 1);
    if (shown.back() == '.') {
        shown.pop_back();
    }
    return shown;
}

std::optional<double> SizeOf(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value > 0) || value > 1638) {
        return std::nullopt;
    }
    return value;
}

int FindRow(HWND list, const std::string& text) {
    const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string row(
            static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)) + 1,
            '\0');
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(row.data()));
        row.resize(row.size() - 1);
        if (base::EqualsNoCase(row, text)) {
            return i;
        }
    }
    return -1;
}

} // namespace

const std::vector<std::string>& FontDialogWindow::Faces() {
    static const std::vector<std::string> faces = [] {
        std::vector<std::string> names;
        for (const std::string_view name : text::MappedFaceNames()) {
            names.emplace_back(name);
        }
        std::sort(names.begin(), names.end(), base::LessNoCase{});
        return names;
    }();
    return faces;
}

FontDialogWindow::FontDialogWindow(FontDialogRequest request)
    : AnsweredDialog(request, "Font", kClient), m_font(request.initial),
      m_sizeText(SizeText(request.initial.points)) {}

void FontDialogWindow::AddEditList(const char* label, int x, int width, int editId, int listId,
                                   const std::vector<std::string>& rows) {
    AddControl("Static", label, 0, {x, 8, x + width, 22}, -1);
    AddControl("Edit", "", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, {x, 24, x + width, 46}, editId);
    const HWND list = AddControl("ListBox", "", WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY,
                                 {x, 48, x + width, 150}, listId);
    for (const std::string& row : rows) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    }
}

void FontDialogWindow::Build() {
    std::vector<std::string> sizes;
    for (const int size : kSizes) {
        if (m_request.sizeMax <= 0 || (size >= m_request.sizeMin && size <= m_request.sizeMax)) {
            sizes.push_back(std::to_string(size));
        }
    }
    AddEditList("&Font:", 8, 142, kFaceEdit, kFaceList, Faces());
    AddEditList("Font st&yle:", 158, 112, kStyleEdit, kStyleList, kStyles);
    AddEditList("&Size:", 278, 62, kSizeEdit, kSizeList, sizes);
    AddControl("Button", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, {350, 24, 424, 47}, IDOK);
    AddControl("Button", "Cancel", WS_TABSTOP, {350, 54, 424, 77}, IDCANCEL);
    if (m_request.effects) {
        AddControl("Button", "Effects", BS_GROUPBOX, {8, 156, 150, 292}, -1);
        AddControl("Button", "Stri&keout", WS_TABSTOP | BS_AUTOCHECKBOX, {16, 174, 140, 192},
                   kStrikeOut);
        AddControl("Button", "&Underline", WS_TABSTOP | BS_AUTOCHECKBOX, {16, 196, 140, 214},
                   kUnderline);
        AddControl("Static", "&Color:", 0, {16, 220, 140, 234}, -1);
        const HWND colors = AddControl("ComboBox", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                       {16, 238, 140, 360}, kColor);
        for (const Named& color : kColors) {
            SendMessageA(colors, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(color.name));
            if (color.color == m_font.color) {
                SendMessageA(colors, CB_SETCURSEL,
                             static_cast<WPARAM>(&color - std::begin(kColors)), 0);
            }
        }
        SetChecked(kStrikeOut, m_font.strikeOut);
        SetChecked(kUnderline, m_font.underline);
    }
    AddControl("Button", "Sample", BS_GROUPBOX, {158, 156, 424, 232}, -1);
    AddControl("Static", "Sc&ript:", 0, {158, 240, 340, 254}, -1);
    const HWND scripts = AddControl("ComboBox", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                    {158, 258, 340, 380}, kScript);
    int script = 0;
    for (const Script& entry : kScripts) {
        SendMessageA(scripts, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name));
        if (entry.charSet == m_font.charSet) {
            script = static_cast<int>(&entry - std::begin(kScripts));
        }
    }
    SendMessageA(scripts, CB_SETCURSEL, static_cast<WPARAM>(script), 0);

    ShowInBox(kFaceEdit, m_font.face);
    SendMessageA(Item(kFaceList), LB_SETCURSEL,
                 static_cast<WPARAM>(FindRow(Item(kFaceList), m_font.face)), 0);
    ShowInBox(kStyleEdit, m_font.StyleName());
    SendMessageA(Item(kStyleList), LB_SETCURSEL,
                 static_cast<WPARAM>(FindRow(Item(kStyleList), m_font.StyleName())), 0);
    ShowInBox(kSizeEdit, m_sizeText);
    SendMessageA(Item(kSizeList), LB_SETCURSEL,
                 static_cast<WPARAM>(FindRow(Item(kSizeList), m_sizeText)), 0);
    SetInitialFocus(kFaceEdit);
}

void FontDialogWindow::ShowInBox(int editId, const std::string& text) {
    m_updating = true;
    SetItemText(editId, text);
    m_updating = false;
}

void FontDialogWindow::OnCommand(int id, int code) {
    switch (id) {
    case IDOK:
        OnOk();
        return;
    case IDCANCEL:
        Finish(FontDialogAnswer::Cancel());
        return;
    case kFaceList:
    case kStyleList:
    case kSizeList:
        if (code == LBN_SELCHANGE) {
            OnListRow(id, id + (kFaceEdit - kFaceList));
        }
        break;
    case kFaceEdit:
    case kStyleEdit:
    case kSizeEdit:
        if (code == EN_CHANGE && !m_updating) {
            OnBoxTyped(id, id - (kFaceEdit - kFaceList));
        }
        break;
    case kStrikeOut:
    case kUnderline:
        m_font.strikeOut = IsChecked(kStrikeOut);
        m_font.underline = IsChecked(kUnderline);
        break;
    case kColor:
    case kScript:
        if (code == CBN_SELCHANGE) {
            const LRESULT row = SendMessageA(Item(id), CB_GETCURSEL, 0, 0);
            if (id == kColor && row >= 0 && static_cast<size_t>(row) < std::size(kColors)) {
                m_font.color = kColors[row].color;
            } else if (id == kScript && row >= 0 &&
                       static_cast<size_t>(row) < std::size(kScripts)) {
                m_font.charSet = kScripts[row].charSet;
            }
        }
        break;
    default:
        return;
    }
    InvalidateRect(Hwnd(), &kSample, TRUE);
}

void FontDialogWindow::OnListRow(int listId, int editId) {
    const LRESULT row = SendMessageA(Item(listId), LB_GETCURSEL, 0, 0);
    if (row < 0) {
        return;
    }
    std::string text(static_cast<size_t>(
                         SendMessageA(Item(listId), LB_GETTEXTLEN, static_cast<WPARAM>(row), 0)) +
                         1,
                     '\0');
    SendMessageA(Item(listId), LB_GETTEXT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(text.size() - 1);
    ShowInBox(editId, text);
    if (editId == kFaceEdit) {
        m_font.face = text;
    } else if (editId == kStyleEdit) {
        ApplyStyle(text);
    } else {
        m_sizeText = text;
        m_font.points = SizeOf(text).value_or(m_font.points);
    }
}

void FontDialogWindow::OnBoxTyped(int editId, int listId) {
    const std::string text = ItemText(editId);
    const int row = FindRow(Item(listId), text);
    SendMessageA(Item(listId), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    if (editId == kFaceEdit) {
        m_font.face = row >= 0 ? Faces()[static_cast<size_t>(row)] : text;
    } else if (editId == kStyleEdit) {
        ApplyStyle(text);
    } else {
        m_sizeText = text;
        if (const std::optional<double> points = SizeOf(text)) {
            m_font.points = *points;
        }
    }
}

void FontDialogWindow::ApplyStyle(const std::string& style) {
    for (size_t i = 0; i < kStyles.size(); ++i) {
        if (base::EqualsNoCase(style, kStyles[i])) {
            m_font.italic = i == 1 || i == 3;
            m_font.bold = i >= 2;
        }
    }
}

void FontDialogWindow::OnOk() {
    const std::optional<double> points = SizeOf(m_sizeText);
    std::string refusal;
    if (!points) {
        refusal = "Size must be a number.";
    } else if (m_request.sizeMax > 0 &&
               (*points < m_request.sizeMin || *points > m_request.sizeMax)) {
        refusal = "Size must be between " + std::to_string(m_request.sizeMin) + " and " +
                  std::to_string(m_request.sizeMax) + " points.";
    } else if (m_font.face.empty()) {
        refusal = "Choose a font name from the list.";
    }
    if (!refusal.empty()) {
        MessageBoxA(Hwnd(), refusal.c_str(), "Font", MB_OK | MB_ICONEXCLAMATION);
        FocusItem(points ? kFaceEdit : kSizeEdit);
        return;
    }
    m_font.points = *points;
    Finish(FontDialogAnswer{true, m_font});
}

void FontDialogWindow::OnPaint(HDC dc) {
    LOGFONTA lf;
    lf.lfHeight = -std::max(1, base::RoundHalfEvenToInt32(m_font.points * 96.0 / 72.0));
    lf.lfWeight = m_font.bold ? 700 : 400;
    lf.lfItalic = m_font.italic ? 1 : 0;
    lf.lfUnderline = m_font.underline ? 1 : 0;
    lf.lfStrikeOut = m_font.strikeOut ? 1 : 0;
    lf.lfCharSet = m_font.charSet;
    base::CopyUtf8ToBuffer(m_font.face, lf.lfFaceName, LF_FACESIZE);
    const OwnedObject<HFONT> font(CreateFontIndirectA(&lf));
    const SavedDc saved(dc);
    const SelectedObject selected(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_font.color);
    RECT sample = kSample;
    DrawTextA(dc, "AaBbYyZz", -1, &sample, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace forms
