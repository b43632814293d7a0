#pragma once

#include "propertylist/editors/WindowEditor.h"

#include <string>

namespace attrgrid {

// The date editor: a date picker over the cell, formatted by the row's "DateFormat", its calendar
// in the row's colours. The value handed back is the text the picker shows whenever that text
// reads back as a date, so the next edit of the row opens; otherwise it is the picked date.
class CDateEditor final : public WindowEditor {
public:
    static ole::Ptr<CDateEditor> Create();

    ole::Variant GetValue() override;

    void Reset(const ole::Ptr<CProperty>& aProperty,
               const ole::Ptr<CEditorListener>& anEditorListener) override;
    void init(int32_t hParentWnd) override;

    win::LRESULT WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                   win::LPARAM lParam, bool& bRouteToOriginal) override;

protected:
    // Text is read by the current format first, then as any date; what is no date shows today.
    void ShowValue(const ole::Variant& value) override;
    // The text the picker shows: the only part of the date the user can change.
    ole::Variant Shown() override;

private:
    CDateEditor() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    void EraseBackground(win::HDC hdc);
    void ShowDate(double date);

    win::COLORREF m_BackColor = 0;
    // The trimmed "DateFormat" of the last Reset; empty for the picker's default.
    std::string m_format;
};

} // namespace attrgrid
