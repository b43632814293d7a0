#pragma once

#include "platform/forms/controls/common/TextControl.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/win/controls/listbox/ListItems.h"

#include <cstdint>
#include <string>

namespace forms {

// What ListBox and ComboBox share: the list members over their window's list messages. The
// window holds the items while it exists; the control keeps them, the selection and the item
// data while there is none, so an unloaded form's lists come back as they were.
//
// Click is raised for a user's change of the selection (reflected LBN_SELCHANGE/CBN_SELCHANGE)
// and for a ListIndex (or Text) let that changes it; a let never sends the window's own
// notification, so code subclassing the window sees user changes only.
class ListControl : public TextControl {
public:
    enum Id : ole::DISPID {
        AddItem = 40,
        RemoveItem = 41,
        Clear = 42,
        List = 43,
        ListCount = 44,
        ListIndex = 45,
        ItemData = 46,
        Sorted = 47,
    };

    // At `index` (0..ListCount) or at the end (sorted when Sorted); beyond raises 5.
    void DoAddItem(const std::string& text, const ole::Variant& index);
    // 5 out of range.
    void DoRemoveItem(int32_t index);
    void DoClear();
    // "" outside the items.
    std::string GetList(int32_t index) const;
    int32_t GetListCount() const;
    // -1 when nothing is selected. A let outside -1..ListCount-1 raises 380.
    int32_t GetListIndex() const;
    void SetListIndex(int32_t index);
    // 381 outside the items.
    int32_t GetItemData(int32_t index) const;
    void SetItemData(int32_t index, int32_t data);
    bool GetSorted() const { return m_sorted; }
    // Fixed once the window exists (383).
    void SetSorted(bool sorted);

    std::optional<win::LRESULT> OnReflected(win::UINT msg, win::WPARAM wParam,
                                            win::LPARAM lParam) override;

    // The window's list messages.
    struct Messages {
        win::UINT add;
        win::UINT insert;
        win::UINT remove;
        win::UINT reset;
        win::UINT setCurSel;
        win::UINT getCurSel;
        win::UINT getText;
        win::UINT getTextLen;
        win::UINT getCount;
        win::UINT getItemData;
        win::UINT setItemData;
        win::WORD selChange;
    };

protected:
    ListControl(const Messages& messages);

    // The selected item's text, "" when none.
    std::string SelectedText() const;
    // Selects the item whose text is `text` (case-insensitive); false when there is none.
    bool SelectText(const std::string& text);

    bool RaisesClickOnMouseUp() const override { return false; }
    void OnWindowCreated() override;
    void OnWindowDestroying() override;
    win::LRESULT WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

private:
    win::LRESULT Send(win::UINT msg, win::WPARAM wParam = 0, win::LPARAM lParam = 0) const;
    void CheckItem(int32_t index, int32_t error) const;
    // Copies the window's items, their data and the choice into the control, once per window.
    void KeepItems();

    const Messages& m_messages;
    // While there is no window.
    win::controls::ListItems m_items;
    int32_t m_listIndex = -1;
    bool m_sorted = false;
    // The window's items were copied in as it went.
    bool m_kept = false;
};

// AddItem, RemoveItem, Clear, List, ListCount, ListIndex, ItemData.
template <class C>
ole::ClassBuilder<C>& AddListMembers(ole::ClassBuilder<C>& b) {
    using ole::Arg;
    using ole::Opt;
    using ole::Params;
    using L = ListControl;
    return b.Method("AddItem", L::AddItem, &L::DoAddItem, Params({Arg("Item"), Opt("Index")}))
        .Method("RemoveItem", L::RemoveItem, &L::DoRemoveItem, Params({Arg("Index")}))
        .Method("Clear", L::Clear, &L::DoClear)
        .Get("List", L::List, &L::GetList, Params({Arg("Index")}))
        .Get("ListCount", L::ListCount, &L::GetListCount)
        .Property("ListIndex", L::ListIndex, &L::GetListIndex, &L::SetListIndex)
        .Property("ItemData", L::ItemData, &L::GetItemData, &L::SetItemData,
                  Params({Arg("Index")}));
}

} // namespace forms
