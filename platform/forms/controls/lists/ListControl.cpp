#include "platform/forms/controls/lists/ListControl.h"

#include "platform/base/TextCase.h"
#include "platform/ole/dispatch/ArgConvert.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"

#include <algorithm>
#include <vector>

namespace forms {

namespace {

constexpr int32_t kErrInvalidArrayIndex = 381;

} // namespace

ListControl::ListControl(const Messages& messages)
    : TextControl(kWindowBackground, kWindowText), m_messages(messages) {}

win::LRESULT ListControl::Send(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) const {
    return win::SendMessageA(Window(), msg, wParam, lParam);
}

int32_t ListControl::GetListCount() const {
    if (!IsAlive())
        return m_items.Count();
    return static_cast<int32_t>(Send(m_messages.getCount));
}

void ListControl::CheckItem(int32_t index, int32_t error) const {
    if (index < 0 || index >= GetListCount())
        ole::RaiseError(error);
}

void ListControl::DoAddItem(const std::string& text, const ole::Variant& index) {
    const ole::Variant& at = index.Deref();
    const bool given = !at.IsMissing() && !at.IsEmpty();
    const int32_t position = given ? ole::FromVariant<int32_t>(at) : GetListCount();
    if (position < 0 || position > GetListCount())
        ole::RaiseError(ole::ERR_INVALID_CALL);
    if (IsAlive()) {
        const auto param = reinterpret_cast<win::LPARAM>(text.c_str());
        if (given)
            Send(m_messages.insert, static_cast<win::WPARAM>(position), param);
        else
            Send(m_messages.add, 0, param);
        return;
    }
    const int added = given ? m_items.Insert(position, text) : m_items.Add(text, m_sorted);
    if (m_listIndex >= added)
        ++m_listIndex;
}

void ListControl::DoRemoveItem(int32_t index) {
    CheckItem(index, ole::ERR_INVALID_CALL);
    if (IsAlive()) {
        Send(m_messages.remove, static_cast<win::WPARAM>(index));
        return;
    }
    m_items.Erase(index);
    if (m_listIndex == index)
        m_listIndex = -1;
    else if (m_listIndex > index)
        --m_listIndex;
}

void ListControl::DoClear() {
    m_items.Clear();
    m_listIndex = -1;
    if (IsAlive())
        Send(m_messages.reset);
}

std::string ListControl::GetList(int32_t index) const {
    if (index < 0 || index >= GetListCount())
        return {};
    if (!IsAlive())
        return m_items.At(index)->text;
    const auto length = Send(m_messages.getTextLen, static_cast<win::WPARAM>(index));
    std::vector<char> buffer(static_cast<size_t>(std::max<win::LRESULT>(length, 0)) + 1);
    Send(m_messages.getText, static_cast<win::WPARAM>(index),
         reinterpret_cast<win::LPARAM>(buffer.data()));
    return std::string(buffer.data());
}

int32_t ListControl::GetListIndex() const {
    if (!IsAlive())
        return m_listIndex;
    return static_cast<int32_t>(Send(m_messages.getCurSel));
}

void ListControl::SetListIndex(int32_t index) {
    if (index < -1 || index >= GetListCount())
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    if (index == GetListIndex())
        return;
    m_listIndex = index;
    if (IsAlive())
        Send(m_messages.setCurSel, static_cast<win::WPARAM>(index));
    RaiseEvent(eventid::Click);
}

int32_t ListControl::GetItemData(int32_t index) const {
    CheckItem(index, kErrInvalidArrayIndex);
    if (!IsAlive())
        return static_cast<int32_t>(m_items.At(index)->data);
    return static_cast<int32_t>(Send(m_messages.getItemData, static_cast<win::WPARAM>(index)));
}

void ListControl::SetItemData(int32_t index, int32_t data) {
    CheckItem(index, kErrInvalidArrayIndex);
    if (!IsAlive())
        m_items.At(index)->data = data;
    else
        Send(m_messages.setItemData, static_cast<win::WPARAM>(index), data);
}

void ListControl::SetSorted(bool sorted) {
    if (IsSited())
        ole::RaiseError(ole::ERR_READ_ONLY);
    m_sorted = sorted;
}

std::string ListControl::SelectedText() const {
    return GetList(GetListIndex());
}

bool ListControl::SelectText(const std::string& text) {
    for (int32_t i = 0, count = GetListCount(); i < count; ++i) {
        if (base::EqualsNoCase(GetList(i), text)) {
            SetListIndex(i);
            return true;
        }
    }
    return false;
}

std::optional<win::LRESULT> ListControl::OnReflected(win::UINT msg, win::WPARAM wParam,
                                                     win::LPARAM lParam) {
    if (msg == win::WM_COMMAND) {
        if (win::HIWORD(wParam) == m_messages.selChange)
            RaiseEvent(eventid::Click);
        return 0;
    }
    return TextControl::OnReflected(msg, wParam, lParam);
}

void ListControl::OnWindowCreated() {
    TextControl::OnWindowCreated();
    m_kept = false;
    for (int i = 0; i < m_items.Count(); ++i) {
        const win::controls::ListItem* item = m_items.At(i);
        Send(m_messages.insert, static_cast<win::WPARAM>(-1),
             reinterpret_cast<win::LPARAM>(item->text.c_str()));
        Send(m_messages.setItemData, static_cast<win::WPARAM>(i), item->data);
    }
    Send(m_messages.setCurSel, static_cast<win::WPARAM>(m_listIndex));
}

void ListControl::KeepItems() {
    if (m_kept)
        return;
    win::controls::ListItems items;
    for (int32_t i = 0, count = GetListCount(); i < count; ++i)
        items.At(items.Insert(-1, GetList(i)))->data = GetItemData(i);
    m_listIndex = GetListIndex();
    m_items = std::move(items);
    m_kept = true;
}

void ListControl::OnWindowDestroying() {
    // A combo box's dropped list is a window of its own, owned by the combo box, and goes before
    // the combo box hears WM_DESTROY: read the items while it still holds them.
    KeepItems();
    TextControl::OnWindowDestroying();
}

win::LRESULT ListControl::WindowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    // The items outlive the window: an unloaded form keeps its lists.
    if (msg == win::WM_DESTROY)
        KeepItems();
    return TextControl::WindowProc(msg, wParam, lParam);
}

} // namespace forms
