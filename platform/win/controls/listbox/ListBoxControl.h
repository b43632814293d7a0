#pragma once

#include "platform/win/controls/common/ControlFont.h"
#include "platform/win/controls/listbox/ListItems.h"

#include <memory>

namespace win::controls {

// What a combo box's dropped list reports to the combo box that owns it.
class ListOwner {
public:
    virtual ~ListOwner() = default;
    // A click on an item (already selected, with LBN_SELCHANGE sent).
    virtual void ListChose() = 0;
    // A press outside the list: the list closes without a choice.
    virtual void ListCancelled() = 0;
};

// One list box window: the class "ListBox", and "ComboLBox", the list a combo box drops down.
// A dropped list reports to its combo box instead of a parent: LBN_SELCHANGE and the colour
// message go to the combo window, choices and cancels to its ListOwner.
//
// User changes of the selection (a click, a drag, arrows, Home, End, PgUp, PgDn, a typed letter)
// send LBN_SELCHANGE after the selection is set, so LB_GETCURSEL already answers the new index;
// a plain list box only with LBS_NOTIFY. LB_SETCURSEL and the other messages send nothing.
// A dropped list highlights the item under the pointer without selecting it.
//
// Multiple selection (the caret is the item with the focus rectangle, LB_GETCURSEL's answer):
//   LBS_MULTIPLESEL  click, Space        toggles the item; arrows move the caret only
//   LBS_EXTENDEDSEL  click, arrows       selects only that item, which becomes the anchor
//                    Ctrl+click          toggles the item, which becomes the anchor
//                    Shift+click, arrow  selects only anchor..item (with Ctrl, adds them)
//                    drag                as Shift+click, from the press
class ListBoxControl {
public:
    explicit ListBoxControl(HWND hwnd) : m_hwnd(hwnd) {}

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

    void SetOwner(std::weak_ptr<ListOwner> owner) { m_owner = std::move(owner); }
    // The dropped list was shown or hidden by its combo box.
    void SetDropped(bool dropped);
    // Enter on an open dropped list: the highlighted item becomes the selection, announced when it
    // changed.
    void ChooseHighlighted();
    // Whole items the client area shows (at least 1).
    int VisibleCount() const;
    int ItemHeight() const;

private:
    enum class Selection { Single, Multiple, Extended };

    bool IsDroppedList() const { return static_cast<bool>(m_combo); }
    Selection SelectionKind() const;
    bool Notifies() const;
    void NotifySelChange();
    // A user's move of the selection: set, made visible, announced when it changed (or always).
    void SelectByUser(int index, bool always = false);
    // The same in a multiple-selection list, by the table above.
    void PickByUser(int index, bool shift, bool control, bool toggle);
    // LB_GETSEL, LB_SETSEL, LB_GETSELCOUNT, LB_GETSELITEMS.
    LRESULT HandleSelectionMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void SetTop(int top);
    void EnsureVisible(int index);
    void UpdateScrollBar();
    int ListWidth() const;
    int ItemAt(POINT pt) const;
    void MeasureFont();
    void OnScroll(WORD code);
    void OnKeyDown(int vk);
    void OnButtonDown(POINT pt, bool doubleClick, WPARAM keys);
    void OnMouseMove(POINT pt, WPARAM keys);
    void OnButtonUp(POINT pt);
    bool OnScrollBar(POINT pt) const;
    void ForwardToScrollBar(UINT msg, POINT pt);
    void Paint();
    LRESULT GetText(int index, char* buffer) const;
    void AdjustIntegralHeight(WINDOWPOS& pos) const;

    HWND m_hwnd;
    HWND m_combo;
    HWND m_scroll;
    std::weak_ptr<ListOwner> m_owner;
    ListItems m_items;
    ControlFont m_font;
    int m_sel = -1;
    int m_anchor = -1;
    int m_top = 0;
    int m_hot = -1;
    int m_fontHeight = 13;
    int m_itemHeight = 0; // 0: the font's height
    bool m_focused = false;
    bool m_tracking = false;
    bool m_dropped = false;
    bool m_dead = false;
};

} // namespace win::controls
