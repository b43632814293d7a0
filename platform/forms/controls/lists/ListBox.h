#pragma once

#include "platform/forms/controls/lists/ListControl.h"
#include "platform/ole/dispatch/ClassInfo.h"

#include <string>

namespace forms {

// A list on the platform's ListBox class, with a sunken edge and a scroll bar when the items do
// not fit. Text is the selected item; a Text let selects the item with that text (383 when no
// item has it).
class ListBox : public ListControl {
public:
    static ole::Ptr<ListBox> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    std::string Text() const { return SelectedText(); }
    void SetText(const std::string& text);

    ListBox();

protected:
    std::string_view WindowClassName() const override { return "ListBox"; }
    win::DWORD WindowStyle() const override;
    win::DWORD WindowExStyle() const override;
};

} // namespace forms
