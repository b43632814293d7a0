#include "platform/forms/dialogs/color/ColorDialogWindow.h"

#include "platform/forms/dialogs/MessageBoxConstants.h"
#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/gdi/Brushes.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/OwnedObject.h"
#include "platform/win/input/Capture.h"
#include "platform/win/input/Input.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/window/Window.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace forms {

using namespace win;

namespace {

constexpr int kNarrow = 222;
constexpr int kWide = 470;
constexpr int kHeight = 290;
constexpr int kCellWidth = 26;
constexpr int kCellHeight = 22;
constexpr int kColumns = 8;
constexpr POINT kBasicOrigin{8, 24};
constexpr POINT kCustomOrigin{8, 178};
constexpr POINT kFieldOrigin{236, 8};
constexpr POINT kBarOrigin{408, 8};
constexpr RECT kPreview{236, 142, 300, 190};

RECT CellAt(POINT origin, int index) {
    const int x = origin.x + (index % kColumns) * kCellWidth + 2;
    const int y = origin.y + (index / kColumns) * kCellHeight + 2;
    return {x, y, x + kCellWidth - 4, y + kCellHeight - 4};
}

bool Inside(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// How a stored entry shows: a value with its high byte set is no colour and shows white.
COLORREF Shown(COLORREF color) {
    return (color & 0xFF000000u) != 0 ? RGB(255, 255, 255) : color;
}

void Fill(HDC dc, const RECT& rect, COLORREF color) {
    const OwnedObject<HBRUSH> brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.Get());
}

std::optional<int> Number(const std::string& text, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return std::clamp(value, 0, high);
}

} // namespace

const std::array<COLORREF, 48>& ColorDialogWindow::BasicColors() {
    // Rows from light to dark; columns red, yellow, green, cyan, blue, magenta and the greys.
    static constexpr std::array<COLORREF, 48> colors{
        RGB(255, 128, 128), RGB(255, 255, 128), RGB(128, 255, 128), RGB(0, 255, 128),
        RGB(128, 255, 255), RGB(0, 128, 255),   RGB(255, 128, 192), RGB(255, 128, 255),
        RGB(255, 0, 0),     RGB(255, 255, 0),   RGB(128, 255, 0),   RGB(0, 255, 64),
        RGB(0, 255, 255),   RGB(0, 128, 192),   RGB(128, 128, 192), RGB(255, 0, 255),
        RGB(128, 64, 64),   RGB(255, 128, 64),  RGB(0, 255, 0),     RGB(0, 128, 128),
        RGB(0, 64, 128),    RGB(128, 128, 255), RGB(128, 0, 64),    RGB(255, 0, 128),
        RGB(128, 0, 0),     RGB(255, 128, 0),   RGB(0, 128, 0),     RGB(0, 128, 64),
        RGB(0, 0, 255),     RGB(0, 0, 160),     RGB(128, 0, 128),   RGB(128, 0, 255),
        RGB(64, 0, 0),      RGB(128, 64, 0),    RGB(0, 64, 0),      RGB(0, 64, 64),
        RGB(0, 0, 128),     RGB(0, 0, 64),      RGB(64, 0, 64),     RGB(64, 0, 128),
        RGB(0, 0, 0),       RGB(128, 128, 0),   RGB(128, 128, 64),  RGB(128, 128, 128),
        RGB(64, 128, 128),  RGB(192, 192, 192), RGB(64, 0, 64),     RGB(255, 255, 255),
    };
    return colors;
}

RECT ColorDialogWindow::BasicCell(int index) {
    return CellAt(kBasicOrigin, index);
}

RECT ColorDialogWindow::CustomCell(int index) {
    return CellAt(kCustomOrigin, index);
}

ColorDialogWindow::ColorDialogWindow(ColorDialogRequest request)
    // The request is copied, not moved: the size is read from it too.
    : AnsweredDialog(request, "Color", {request.fullOpen ? kWide : kNarrow, kHeight}),
      m_custom(m_request.customColors), m_current(m_request.initial), m_hsl(HslFromRgb(m_current)),
      m_fullOpen(m_request.fullOpen) {
    const auto& basic = BasicColors();
    for (size_t i = 0; i < basic.size(); ++i) {
        if (basic[i] == m_current) {
            m_basicSelected = static_cast<int>(i);
            break;
        }
    }
}

void ColorDialogWindow::Build() {
    AddControl("Static", "&Basic colors:", 0, {8, 6, 214, 22}, -1);
    AddControl("Static", "", WS_TABSTOP | SS_NOTIFY,
               {kBasicOrigin.x, kBasicOrigin.y, kBasicOrigin.x + kColumns * kCellWidth,
                kBasicOrigin.y + 6 * kCellHeight},
               kBasicGrid);
    AddControl("Static", "&Custom colors:", 0, {8, 160, 214, 176}, -1);
    AddControl("Static", "", WS_TABSTOP | SS_NOTIFY,
               {kCustomOrigin.x, kCustomOrigin.y, kCustomOrigin.x + kColumns * kCellWidth,
                kCustomOrigin.y + 2 * kCellHeight},
               kCustomGrid);
    const HWND define =
        AddControl("Button", "&Define Custom Colors >>", WS_TABSTOP, {8, 228, 214, 251}, kDefine);
    AddControl("Button", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, {8, 258, 82, 281}, IDOK);
    AddControl("Button", "Cancel", WS_TABSTOP, {90, 258, 164, 281}, IDCANCEL);
    EnableWindow(define, m_request.canFullOpen && !m_fullOpen ? TRUE : FALSE);

    struct Field {
        const char* label;
        int id;
    };
    static constexpr Field fields[] = {{"Hu&e:", kHue},        {"&Sat:", kSaturation},
                                       {"&Lum:", kLuminosity}, {"&Red:", kRed},
                                       {"&Green:", kGreen},    {"Bl&ue:", kBlue}};
    const SIZE field = ColorField::FieldSize();
    const SIZE bar = ColorField::BarSize();
    m_definition.push_back(AddControl(
        "Static", "", SS_NOTIFY,
        {kFieldOrigin.x, kFieldOrigin.y, kFieldOrigin.x + field.cx, kFieldOrigin.y + field.cy},
        kColorField));
    m_definition.push_back(
        AddControl("Static", "", SS_NOTIFY,
                   {kBarOrigin.x, kBarOrigin.y, kBarOrigin.x + bar.cx, kBarOrigin.y + bar.cy},
                   kLuminosityBar));
    m_definition.push_back(
        AddControl("Static", "Color|S&olid", 0,
                   {kPreview.left, kPreview.bottom + 2, kPreview.right, kPreview.bottom + 18}, -1));
    for (size_t i = 0; i < std::size(fields); ++i) {
        const int x = i < 3 ? 304 : 386;
        const int y = kPreview.top + static_cast<int>(i % 3) * 26;
        m_definition.push_back(
            AddControl("Static", fields[i].label, 0, {x, y + 3, x + 40, y + 19}, -1));
        m_definition.push_back(AddControl("Edit", "", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
                                          {x + 42, y, x + 76, y + 20}, fields[i].id));
    }
    m_definition.push_back(
        AddControl("Button", "&Add to Custom Colors", WS_TABSTOP, {236, 258, 462, 281}, kAdd));
    for (const HWND control : m_definition) {
        ShowWindow(control, m_fullOpen ? SW_SHOWNA : SW_HIDE);
    }
    ShowFields();
}

void ColorDialogWindow::OnCommand(int id, int code) {
    switch (id) {
    case IDOK:
        Finish(ColorDialogAnswer{true, m_current, m_custom});
        break;
    case IDCANCEL:
        Finish(ColorDialogAnswer::Cancel());
        break;
    case kDefine:
        Expand();
        break;
    case kAdd: {
        const int slot = m_customSelected >= 0 ? m_customSelected : m_nextSlot;
        m_custom[static_cast<size_t>(slot)] = m_current;
        m_nextSlot = (slot + 1) % static_cast<int>(m_custom.size());
        InvalidateSwatches();
        break;
    }
    default:
        if (code == EN_CHANGE && !m_updating && id >= kHue && id <= kBlue) {
            ReadFields(id);
        }
        break;
    }
}

void ColorDialogWindow::Expand() {
    if (m_fullOpen || !m_request.canFullOpen) {
        return;
    }
    m_fullOpen = true;
    RECT window;
    GetWindowRect(Hwnd(), &window);
    SetWindowPos(Hwnd(), {}, 0, 0, window.right - window.left + (kWide - kNarrow),
                 window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const HWND control : m_definition) {
        ShowWindow(control, SW_SHOWNA);
    }
    // The focus leaves the button before it goes grey.
    FocusItem(kRed);
    EnableWindow(Item(kDefine), FALSE);
}

void ColorDialogWindow::SetCurrent(COLORREF color) {
    m_current = color;
    m_hsl = HslFromRgb(color);
    ShowFields();
    InvalidateSwatches();
}

void ColorDialogWindow::SetCurrent(const Hsl& hsl) {
    m_basicSelected = -1;
    m_current = RgbFromHsl(hsl);
    m_hsl = hsl;
    ShowFields();
    InvalidateSwatches();
}

void ColorDialogWindow::ShowFields() {
    const Hsl& hsl = m_hsl;
    m_updating = true;
    const auto show = [this](int id, int value) {
        if (ItemText(id) != std::to_string(value)) {
            SetItemText(id, std::to_string(value));
        }
    };
    show(kHue, hsl.hue);
    show(kSaturation, hsl.saturation);
    show(kLuminosity, hsl.luminosity);
    show(kRed, GetRValue(m_current));
    show(kGreen, GetGValue(m_current));
    show(kBlue, GetBValue(m_current));
    m_updating = false;
}

void ColorDialogWindow::ReadFields(int changedId) {
    const bool fromRgb = changedId >= kRed;
    const int high = fromRgb ? 255 : 240;
    std::array<int, 3> values{};
    for (int i = 0; i < 3; ++i) {
        const std::optional<int> value = Number(ItemText((fromRgb ? kRed : kHue) + i), high);
        if (!value) {
            return; // half typed: the colour waits for a number
        }
        values[static_cast<size_t>(i)] = *value;
    }
    m_basicSelected = -1;
    const COLORREF color =
        fromRgb ? RGB(static_cast<uint32_t>(values[0]), static_cast<uint32_t>(values[1]),
                      static_cast<uint32_t>(values[2]))
                : RgbFromHsl({values[0], values[1], values[2]});
    // Only the other group follows; the box being typed in keeps its text.
    m_current = color;
    m_hsl = fromRgb ? HslFromRgb(color) : Hsl{values[0], values[1], values[2]};
    m_updating = true;
    const Hsl& hsl = m_hsl;
    if (fromRgb) {
        SetItemText(kHue, std::to_string(hsl.hue));
        SetItemText(kSaturation, std::to_string(hsl.saturation));
        SetItemText(kLuminosity, std::to_string(hsl.luminosity));
    } else {
        SetItemText(kRed, std::to_string(GetRValue(color)));
        SetItemText(kGreen, std::to_string(GetGValue(color)));
        SetItemText(kBlue, std::to_string(GetBValue(color)));
    }
    m_updating = false;
    InvalidateSwatches();
}

void ColorDialogWindow::Pick(bool custom, int index) {
    m_basicSelected = custom ? -1 : index;
    m_customSelected = custom ? index : -1;
    SetCurrent(custom ? Shown(m_custom[static_cast<size_t>(index)])
                      : BasicColors()[static_cast<size_t>(index)]);
}

std::optional<LRESULT> ColorDialogWindow::OnControlMessage(HWND control, UINT msg, WPARAM wParam,
                                                           LPARAM lParam) {
    const int id = GetDlgCtrlID(control);
    if (id == kColorField || id == kLuminosityBar) {
        return OnPickerMessage(control, msg, lParam);
    }
    if (id != kBasicGrid && id != kCustomGrid) {
        return std::nullopt;
    }
    const bool custom = id == kCustomGrid;
    const int count = custom ? 16 : 48;
    const int picked = custom ? m_customSelected : m_basicSelected;
    switch (msg) {
    case WM_PAINT:
        PaintGrid(control, custom);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(control, nullptr, FALSE);
        return std::nullopt;
    case WM_LBUTTONDOWN: {
        const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        SetFocus(control);
        for (int i = 0; i < count; ++i) {
            if (Inside(CellAt({0, 0}, i), point)) {
                Pick(custom, i);
            }
        }
        return 0;
    }
    case WM_KEYDOWN: {
        // The arrows walk the grid, wrapping from one end to the other.
        int step = 0;
        switch (static_cast<int>(wParam)) {
        case VK_LEFT:
            step = -1;
            break;
        case VK_RIGHT:
            step = 1;
            break;
        case VK_UP:
            step = -kColumns;
            break;
        case VK_DOWN:
            step = kColumns;
            break;
        default:
            return std::nullopt;
        }
        Pick(custom, picked < 0 ? 0 : (picked + step + count) % count);
        return 0;
    }
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> ColorDialogWindow::OnPickerMessage(HWND picker, UINT msg, LPARAM lParam) {
    const bool field = GetDlgCtrlID(picker) == kColorField;
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
    case WM_PAINT: {
        const PaintDc paint(picker);
        if (paint.Get()) {
            if (field) {
                m_field.PaintField(paint.Get(), m_hsl);
            } else {
                ColorField::PaintBar(paint.Get(), m_hsl);
            }
        }
        return 0;
    }
    case WM_LBUTTONDOWN:
        SetCapture(picker);
        [[fallthrough]];
    case WM_MOUSEMOVE:
        if (GetCapture() == picker) {
            SetCurrent(field ? ColorField::At(point, m_hsl.luminosity)
                             : Hsl{m_hsl.hue, m_hsl.saturation, ColorField::LuminosityAt(point.y)});
        }
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == picker) {
            ReleaseCapture();
        }
        return 0;
    default:
        return std::nullopt;
    }
}

void ColorDialogWindow::InvalidateSwatches() {
    InvalidateRect(Item(kBasicGrid), nullptr, FALSE);
    InvalidateRect(Item(kCustomGrid), nullptr, FALSE);
    InvalidateRect(Item(kColorField), nullptr, FALSE);
    InvalidateRect(Item(kLuminosityBar), nullptr, FALSE);
    InvalidateRect(Hwnd(), &kPreview, FALSE);
}

void ColorDialogWindow::PaintGrid(HWND grid, bool custom) {
    const PaintDc paint(grid);
    const HDC dc = paint.Get();
    if (!dc) {
        return;
    }
    RECT client;
    GetClientRect(grid, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
    const int count = custom ? 16 : 48;
    const int picked = custom ? m_customSelected : m_basicSelected;
    for (int i = 0; i < count; ++i) {
        const RECT rect = CellAt({0, 0}, i);
        RECT frame{rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1};
        DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
        Fill(dc, rect,
             custom ? Shown(m_custom[static_cast<size_t>(i)])
                    : BasicColors()[static_cast<size_t>(i)]);
        if (i == picked) {
            RECT mark{rect.left - 2, rect.top - 2, rect.right + 2, rect.bottom + 2};
            const OwnedObject<HBRUSH> black(CreateSolidBrush(RGB(0, 0, 0)));
            FrameRect(dc, &mark, black.Get());
            if (GetFocus() == grid) {
                RECT focus{rect.left - 3, rect.top - 3, rect.right + 3, rect.bottom + 3};
                DrawFocusRect(dc, &focus);
            }
        }
    }
}

void ColorDialogWindow::OnPaint(HDC dc) {
    if (m_fullOpen) {
        RECT frame = kPreview;
        DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
        Fill(dc, {kPreview.left + 2, kPreview.top + 2, kPreview.right - 2, kPreview.bottom - 2},
             m_current);
    }
}

} // namespace forms
