#include "platform/forms/controls/lists/ComboBox.h"

#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/controls/common/StandardEvents.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"
#include "platform/win/controls/ControlConstants.h"

#include <vector>

namespace forms {

namespace {

constexpr ListControl::Messages kComboMessages{
    win::CB_ADDSTRING, win::CB_INSERTSTRING, win::CB_DELETESTRING, win::CB_RESETCONTENT,
    win::CB_SETCURSEL, win::CB_GETCURSEL,    win::CB_GETLBTEXT,    win::CB_GETLBTEXTLEN,
    win::CB_GETCOUNT,  win::CB_GETITEMDATA,  win::CB_SETITEMDATA,  win::CBN_SELCHANGE};

constexpr ole::DISPID kDropDownEvent = 7;

} // namespace

ole::Ptr<ComboBox> ComboBox::Create() {
    return ole::MakeObject<ComboBox>();
}

ComboBox::ComboBox() : ListControl(kComboMessages) {}

const ole::ClassInfo& ComboBox::Info() {
    static const ole::ClassInfo info = [] {
        using C = ComboBox;
        ole::ClassBuilder<ComboBox> b("ComboBox");
        b.Library("VB")
            .ClassId("{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1FC1}")
            .Interface("IComboBox", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1FC2}", ole::TYPEFLAG_FDUAL)
            .EventInterface("ComboBoxEvents", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1FC3}");
        AddCommonMembers(b, CommonMembers::All);
        b.Property("Style", Style, &C::GetStyle, &C::SetStyle,
                   ole::Persisted(ole::Variant(int16_t{0})));
        AddTextMembers(b);
        AddListMembers(b);
        b.Property("Text", dispid::Text, &C::Text, &C::SetText, ole::Persisted(ole::Variant("")));
        b.Event("Click", eventid::Click)
            .Event("Change", eventid::Change)
            .Event("DropDown", kDropDownEvent);
        AddKeyEvents(b);
        AddFocusEvents(b);
        return b.Build();
    }();
    return info;
}

void ComboBox::SetStyle(int16_t style) {
    if (IsSited())
        ole::RaiseError(ole::ERR_READ_ONLY);
    if (style != 0 && style != 2)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_style = style;
}

std::string ComboBox::Text() const {
    // A drop-down list's field shows the chosen item.
    if (!IsAlive())
        return m_style == 2 ? SelectedText() : m_text;
    const auto length = win::GetWindowTextLengthA(Window());
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    win::GetWindowTextA(Window(), buffer.data(), length + 1);
    return std::string(buffer.data());
}

void ComboBox::SetText(const std::string& text) {
    if (m_style == 2) {
        if (!SelectText(text))
            ole::RaiseError(ole::ERR_READ_ONLY);
        return;
    }
    if (text == Text())
        return;
    m_text = text;
    if (IsAlive()) {
        // The let raises its own Change, once, whatever the window reports.
        m_settingText = true;
        win::SetWindowTextA(Window(), text.c_str());
        m_settingText = false;
    }
    RaiseEvent(eventid::Change);
}

void ComboBox::OnWindowCreated() {
    ListControl::OnWindowCreated();
    // Without a chosen item the field shows the text it was given, which the window's own field
    // starts without.
    if (m_style == 0 && GetListIndex() < 0 && Text() != m_text) {
        m_settingText = true;
        win::SetWindowTextA(Window(), m_text.c_str());
        m_settingText = false;
    }
}

win::DWORD ComboBox::WindowStyle() const {
    return win::WS_CLIPSIBLINGS | win::WS_VSCROLL |
           (m_style == 2 ? win::CBS_DROPDOWNLIST : win::CBS_DROPDOWN);
}

std::optional<win::LRESULT> ComboBox::OnReflected(win::UINT msg, win::WPARAM wParam,
                                                  win::LPARAM lParam) {
    if (msg == win::WM_COMMAND) {
        switch (win::HIWORD(wParam)) {
        case win::CBN_EDITCHANGE:
            if (!m_settingText)
                RaiseEvent(eventid::Change);
            return 0;
        case win::CBN_DROPDOWN:
            RaiseEvent(kDropDownEvent);
            return 0;
        default:
            break;
        }
    }
    return ListControl::OnReflected(msg, wParam, lParam);
}

win::LRESULT ComboBox::WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    // The dropped list asks the combo window for its colours: BackColor and ForeColor apply to
    // the list as to the field.
    if (msg == win::WM_CTLCOLORLISTBOX)
        return win::HandleToParam(
            PrepareColors(win::HdcFromParam(static_cast<win::LPARAM>(wParam))));
    if (msg == win::WM_DESTROY)
        m_text = Text();
    return ListControl::WindowProc(msg, wParam, lParam);
}

} // namespace forms
