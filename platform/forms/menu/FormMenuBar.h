#pragma once

#include "platform/forms/menu/Menu.h"

#include <initializer_list>
#include <map>
#include <string_view>
#include <vector>

namespace forms {

// A form's menu bar: its top-level items, realised as the window's bar while the form is loaded.
// The window's WM_INITMENUPOPUP and menu WM_COMMAND come here and become the items' Click.
// Hidden items are left out; a change of shape (Visible, a new item) rebuilds the bar.
class FormMenuBar {
public:
    FormMenuBar() = default;
    ~FormMenuBar();
    FormMenuBar(const FormMenuBar&) = delete;
    FormMenuBar& operator=(const FormMenuBar&) = delete;

    ole::Ptr<Menu> Add(ole::Ptr<Menu> item);
    const std::vector<ole::Ptr<Menu>>& Items() const { return m_items; }
    // By name, anywhere in the tree; null when none.
    ole::Ptr<Menu> Find(std::string_view name) const;
    // The item is one of the bar's top-level items.
    bool Holds(const Menu& item) const;

    void Attach(win::HWND hwnd);
    void Detach();

    // True when the message was a menu's and was handled.
    bool OnCommand(win::WPARAM wParam, win::LPARAM lParam);
    bool OnInitMenuPopup(win::HMENU popup);

    // The key-down of a visible item's shortcut becomes that item's command; true when it was one.
    bool TranslateShortcut(win::WPARAM key);

    // Every item, each before its children, in the order they were added.
    std::vector<ole::Ptr<Menu>> AllItems() const;

    // Chooses an item as a person would, by captions from the bar down ("&File", "&Open"): each
    // popup on the way opens (its Click), then the leaf's command reaches the window. False when
    // the path names no visible, enabled leaf.
    bool ChooseByCaptions(std::initializer_list<std::string_view> path);
    // The same for the item with that name, wherever it is in the tree.
    bool ChooseByName(std::string_view name);

private:
    bool ChoosePath(const std::vector<ole::Ptr<Menu>>& path);
    void Rebuild();
    std::map<const Menu*, win::HMENU> Release(bool destroy);
    void Build(win::HMENU into, const std::vector<ole::Ptr<Menu>>& items,
               std::map<const Menu*, win::HMENU>& popups);

    std::vector<ole::Ptr<Menu>> m_items;
    win::HWND m_hwnd;
    win::HMENU m_bar;
    win::HACCEL m_shortcuts;
    std::vector<win::ACCEL> m_accels;
    win::UINT m_nextCommand = 1;
    std::vector<ole::Ptr<Menu>> m_realised;
};

} // namespace forms
