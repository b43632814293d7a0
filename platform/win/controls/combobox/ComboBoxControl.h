#pragma once

#include "platform/win/controls/common/ControlFont.h"
#include "platform/win/controls/listbox/ListBoxControl.h"

#include <memory>

namespace win::controls {

// One combo box: a selection field (the selected item's text, or an Edit child with id 1001 for
// CBS_DROPDOWN) with a drop button, and its list, a "ComboLBox" popup that holds the items and is
// shown below the combo box (above it when the screen has no room below).
//
// The closed window is always field height + 6 pixels tall (a 2-pixel sunken edge and 1 pixel of
// background on each side); a height given by SetWindowPos or MoveWindow changes nothing, as the
// open list's height comes from its items (up to kDroppedItems).
//
// Notifications to the parent, in order:
//   opening (a click, F4, Alt+Down, CB_SHOWDROPDOWN): CBN_DROPDOWN, then the list shows with the
//     mouse captured
//   a user's change of the selection (a click on an item, arrows open or closed, a letter): the
//     list selects, sends LBN_SELCHANGE to the combo window, which sends CBN_SELCHANGE
//   choosing (a click on an item, Enter, F4): the change above if any, CBN_SELENDOK, the list
//     hides, CBN_CLOSEUP
//   cancelling (Esc, a click outside, the focus leaving): CBN_SELENDCANCEL, the list hides,
//     CBN_CLOSEUP
// CB_SETCURSEL and the other messages notify nothing.
class ComboBoxControl : public ListOwner, public std::enable_shared_from_this<ComboBoxControl> {
public:
    static constexpr int kChrome = 3;
    // Items the open list shows before it scrolls.
    static constexpr int kDroppedItems = 8;

    explicit ComboBoxControl(HWND hwnd) : m_hwnd(hwnd) {}

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

    void ListChose() override { Close(true); }
    void ListCancelled() override { Close(false); }

private:
    DWORD Kind() const;
    int FieldHeight() const;
    int ClosedHeight() const { return FieldHeight() + 2 * kChrome; }
    int DroppedWidth() const;
    int ListHeight() const;
    RECT FieldRect() const;
    RECT ButtonRect() const;
    std::shared_ptr<ListBoxControl> List() const;
    LRESULT ToList(UINT msg, WPARAM wParam, LPARAM lParam) const;

    void OnCreate(const CREATESTRUCTA& cs);
    void MeasureFont();
    void ApplyHeight();
    void Open();
    void Close(bool chosen);
    void OnKeyDown(int vk, bool alt);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void FocusIn();
    void FocusOut(HWND newFocus);
    // The field follows the list's selection (the edit's text for CBS_DROPDOWN).
    void SelectionShown();
    void Paint();
    LRESULT SelectedText(WPARAM size, char* buffer) const;

    HWND m_hwnd;
    HWND m_list;
    HWND m_edit;
    ControlFont m_font;
    int m_fontHeight = 13;
    int m_fieldHeight = 0; // 0: the font's height + 2
    int m_droppedWidth = 0;
    bool m_dropped = false;
    bool m_focused = false;
    bool m_settingEdit = false;
    bool m_dead = false;
};

} // namespace win::controls
