#include "propertylist/editors/CDateEditor.h"

#include "propertylist/editors/DateFormatReader.h"
#include "propertylist/model/property/CProperty.h"

#include "shared/util/ColorUtils.h"

#include "platform/ole/convert/Calendar.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/convert/DateParts.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/controls/common/CommonControls.h"
#include "platform/win/gdi/Brushes.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/OwnedObject.h"

#include <array>
#include <utility>

namespace attrgrid {

namespace {

constexpr win::DWORD kPickerStyle = 0x40000020; // WS_CHILD | DTS_RIGHTALIGN
constexpr win::UINT kHooked[] = {win::WM_KEYDOWN, win::WM_DESTROY, win::WM_ERASEBKGND};
// System colours by their OLE colour numbers.
constexpr uint32_t kHighlight = 0x8000000D;
constexpr uint32_t kHighlightText = 0x8000000E;
constexpr uint32_t kGrayText = 0x80000011;

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string WindowText(win::HWND window) {
    std::array<char, 256> buffer{};
    const int length = win::GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<size_t>(length > 0 ? length : 0));
}

} // namespace

ole::Ptr<CDateEditor> CDateEditor::Create() {
    return ole::MakeObject<CDateEditor>();
}

void CDateEditor::init(int32_t hParentWnd) {
    const win::INITCOMMONCONTROLSEX controls{sizeof(win::INITCOMMONCONTROLSEX),
                                             win::ICC_DATE_CLASSES};
    win::InitCommonControlsEx(&controls);
    const win::HWND picker = win::CreateWindowExA(
        0, "SysDateTimePick32", "", kPickerStyle, 0, 0, 50, 200,
        win::HWND::FromValue(static_cast<uint32_t>(hParentWnd)), {}, {}, nullptr);
    Attach(picker, kHooked);
    // No sunken edge.
    if (picker)
        win::SetWindowLongA(picker, win::GWL_EXSTYLE, 0);
}

void CDateEditor::Reset(const ole::Ptr<CProperty>& aProperty,
                        const ole::Ptr<CEditorListener>& anEditorListener) {
    if (aProperty)
        m_BackColor = shared::TranslateColor(static_cast<uint32_t>(aProperty->GetBackColor()));
    KeepListener(anEditorListener);
    const auto style = static_cast<win::DWORD>(win::GetWindowLongA(Window(), win::GWL_STYLE));
    if (Window() && !(style & win::DTS_SHOWNONE))
        win::SetWindowLongA(Window(), win::GWL_STYLE,
                            static_cast<win::LONG_PTR>(style | win::DTS_SHOWNONE));
    m_format = aProperty ? Trimmed(aProperty->GetEditorParam("DateFormat")) : std::string();
    win::SendMessageA(Window(), win::DTM_SETFORMAT, 0,
                      m_format.empty() ? 0 : reinterpret_cast<win::LPARAM>(m_format.c_str()));
    if (!aProperty)
        return;
    const std::pair<win::WPARAM, win::COLORREF> colors[] = {
        {win::MCSC_MONTHBK, m_BackColor},
        {win::MCSC_TEXT, shared::TranslateColor(static_cast<uint32_t>(aProperty->GetForeColor()))},
        {win::MCSC_TITLEBK, shared::TranslateColor(kHighlight)},
        {win::MCSC_TITLETEXT, shared::TranslateColor(kHighlightText)},
        {win::MCSC_TRAILINGTEXT, shared::TranslateColor(kGrayText)},
    };
    for (const auto& [index, color] : colors)
        win::SendMessageA(Window(), win::DTM_SETMCCOLOR, index, static_cast<win::LPARAM>(color));
}

void CDateEditor::ShowDate(double date) {
    const ole::CivilDateTime parts = ole::SplitDate(date);
    win::SYSTEMTIME time{};
    time.wYear = static_cast<win::WORD>(parts.year);
    time.wMonth = static_cast<win::WORD>(parts.month);
    time.wDay = static_cast<win::WORD>(parts.day);
    time.wHour = static_cast<win::WORD>(parts.hour);
    time.wMinute = static_cast<win::WORD>(parts.minute);
    time.wSecond = static_cast<win::WORD>(parts.second);
    win::SendMessageA(Window(), win::DTM_SETSYSTEMTIME, win::GDT_VALID,
                      reinterpret_cast<win::LPARAM>(&time));
}

void CDateEditor::ShowValue(const ole::Variant& value) {
    std::optional<double> date;
    ole::ResumeNext([&] {
        if (value.ValueType() == ole::VT_BSTR && !m_format.empty())
            date = ReadDateByFormat(value.AsString(), m_format);
        if (!date && !value.IsObject() && ole::IsDate(value))
            date = ole::CDate(value);
    });
    ShowDate(date.value_or(ole::Date()));
}

ole::Variant CDateEditor::Shown() {
    return ole::Variant(WindowText(Window()));
}

ole::Variant CDateEditor::GetValue() {
    const std::string text = WindowText(Window());
    if (ole::IsDate(ole::Variant(text)))
        return ole::Variant(text);
    // A format the date grammar cannot read back: the picked date itself, or with "no date"
    // marked the date the picker still shows, so the row holds a date and opens again.
    win::SYSTEMTIME time{};
    if (win::SendMessageA(Window(), win::DTM_GETSYSTEMTIME, 0,
                          reinterpret_cast<win::LPARAM>(&time)) !=
        static_cast<win::LRESULT>(win::GDT_VALID)) {
        const std::optional<double> shown = ReadDateByFormat(text, m_format);
        return shown ? ole::Variant::FromDate(*shown) : ole::Variant(text);
    }
    const std::optional<double> day = ole::DateFromParts(time.wYear, time.wMonth, time.wDay);
    if (!day)
        return ole::Variant(text);
    return ole::Variant::FromDate(
        ole::EncodeDate(ole::DayNumber(time.wYear, time.wMonth, time.wDay),
                        (time.wHour * 3600 + time.wMinute * 60 + time.wSecond) / 86400.0));
}

void CDateEditor::EraseBackground(win::HDC hdc) {
    win::OwnedObject<win::HBRUSH> brush(win::CreateSolidBrush(m_BackColor));
    if (!brush.Get())
        return;
    win::RECT client{};
    win::GetClientRect(Window(), &client);
    win::FillRect(hdc, &client, brush.Get());
}

win::LRESULT CDateEditor::WindowMsgListener(win::HWND, win::UINT Msg, win::WPARAM wParam,
                                            win::LPARAM, bool& bRouteToOriginal) {
    const ole::Ptr<ole::Object> self(this);
    switch (Msg) {
    case win::WM_DESTROY:
        UnhookWindow();
        return 0;
    case win::WM_ERASEBKGND:
        EraseBackground(win::HdcFromParam(static_cast<intptr_t>(wParam)));
        bRouteToOriginal = false;
        return 1;
    case win::WM_KEYDOWN:
        EndOnKey(wParam);
        return 0;
    default:
        return 0;
    }
}

} // namespace attrgrid
