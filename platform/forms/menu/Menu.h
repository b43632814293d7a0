#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/win/menu/MenuConstants.h"

#include <functional>
#include <string>
#include <vector>

namespace forms {

// One item of a form's menu: a leaf that raises Click when chosen, or an item with a submenu that
// raises Click when its popup is about to open, before it is shown, so a handler can set check
// marks. Captions are kept verbatim ('&' access keys, trailing blanks; "-" is a separator).
// While the form's bar is realised, state changes go straight to the live menu item.
class Menu : public ole::Object, public ole::EventSource {
public:
    enum Id : ole::DISPID { Checked = 1 };

    static ole::Ptr<Menu> Create(std::string name, std::string caption);
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    ole::ConnectionPoint& Events() override { return m_events; }

    const std::string& GetName() const { return m_name; }
    const std::string& GetCaption() const { return m_caption; }
    void SetCaption(std::string caption);
    bool GetChecked() const { return m_checked; }
    void SetChecked(bool checked);
    bool GetEnabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool GetVisible() const { return m_visible; }
    void SetVisible(bool visible);

    // The key that chooses the item (FVIRTKEY with FSHIFT, FCONTROL, FALT; key 0 for none).
    void SetShortcut(win::BYTE modifiers, win::WORD key) { m_shortcut = {modifiers, key, 0}; }
    const win::ACCEL& Shortcut() const { return m_shortcut; }

    // Builds the tree; returns the item added.
    ole::Ptr<Menu> Add(ole::Ptr<Menu> child);
    const std::vector<ole::Ptr<Menu>>& Children() const { return m_children; }
    bool IsSeparator() const { return m_caption == "-"; }

    // Realising in a window's menu: where the item lives, its command and (with children) its
    // popup. `changed` runs when the item's visibility changes the menu's shape.
    void Realise(win::HMENU owner, win::UINT command, win::HMENU popup,
                 std::function<void()> changed);
    win::UINT Command() const { return m_command; }
    win::HMENU Popup() const { return m_popup; }
    // The flags AppendMenuA takes for this item.
    win::UINT MenuFlags() const;
    // The text the live item shows: the caption, then a tab and the shortcut ("Ctrl+O", "F4").
    std::string MenuText() const;

    void RaiseClick();

    Menu(std::string name, std::string caption);

private:
    void Refresh();

    ole::ConnectionPoint m_events{Info(), this};
    std::string m_name;
    std::string m_caption;
    bool m_checked = false;
    bool m_enabled = true;
    bool m_visible = true;
    std::vector<ole::Ptr<Menu>> m_children;
    win::ACCEL m_shortcut;
    win::HMENU m_owner;
    win::UINT m_command = 0;
    win::HMENU m_popup;
    std::function<void()> m_changed;
};

} // namespace forms
