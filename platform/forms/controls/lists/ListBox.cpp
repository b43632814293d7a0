#include "platform/forms/controls/lists/ListBox.h"

#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/controls/common/StandardEvents.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"
#include "platform/win/controls/ControlConstants.h"

namespace forms {

namespace {

constexpr ListControl::Messages kListBoxMessages{
    win::LB_ADDSTRING, win::LB_INSERTSTRING, win::LB_DELETESTRING, win::LB_RESETCONTENT,
    win::LB_SETCURSEL, win::LB_GETCURSEL,    win::LB_GETTEXT,      win::LB_GETTEXTLEN,
    win::LB_GETCOUNT,  win::LB_GETITEMDATA,  win::LB_SETITEMDATA,  win::LBN_SELCHANGE};

} // namespace

ole::Ptr<ListBox> ListBox::Create() {
    return ole::MakeObject<ListBox>();
}

ListBox::ListBox() : ListControl(kListBoxMessages) {}

const ole::ClassInfo& ListBox::Info() {
    static const ole::ClassInfo info = [] {
        ole::ClassBuilder<ListBox> b("ListBox");
        b.Library("VB")
            .ClassId("{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1FB1}")
            .Interface("IListBox", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1FB2}", ole::TYPEFLAG_FDUAL)
            .EventInterface("ListBoxEvents", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1FB3}");
        AddCommonMembers(b, CommonMembers::All);
        AddTextMembers(b);
        AddListMembers(b);
        b.Property("Text", dispid::Text, &ListBox::Text, &ListBox::SetText)
            .Property("Sorted", Sorted, &ListBox::GetSorted, &ListBox::SetSorted,
                      ole::Persisted(ole::Variant(false)));
        AddClickEvents(b);
        AddKeyEvents(b);
        AddFocusEvents(b);
        return b.Build();
    }();
    return info;
}

void ListBox::SetText(const std::string& text) {
    if (!SelectText(text))
        ole::RaiseError(ole::ERR_READ_ONLY);
}

win::DWORD ListBox::WindowStyle() const {
    return win::WS_CLIPSIBLINGS | win::WS_VSCROLL | win::LBS_NOTIFY |
           (GetSorted() ? win::LBS_SORT : 0);
}

win::DWORD ListBox::WindowExStyle() const {
    return win::WS_EX_CLIENTEDGE;
}

} // namespace forms
