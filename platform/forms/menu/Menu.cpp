#include "platform/forms/menu/Menu.h"

#include "platform/forms/control/ControlIds.h"
#include "platform/forms/errors/EventErrorBoundary.h"
#include "platform/win/WinConstants.h"
#include "platform/win/menu/Menus.h"

#include <string>

namespace forms {

ole::Ptr<Menu> Menu::Create(std::string name, std::string caption) {
    return ole::MakeObject<Menu>(std::move(name), std::move(caption));
}

Menu::Menu(std::string name, std::string caption)
    : m_name(std::move(name)), m_caption(std::move(caption)) {}

const ole::ClassInfo& Menu::Info() {
    static const ole::ClassInfo info = [] {
        ole::ClassBuilder<Menu> b("Menu");
        b.Library("VB")
            .Get("Name", dispid::Name, &Menu::GetName)
            .Property("Caption", dispid::Caption, &Menu::GetCaption, &Menu::SetCaption)
            .Property("Checked", Checked, &Menu::GetChecked, &Menu::SetChecked)
            .Property("Enabled", dispid::Enabled, &Menu::GetEnabled, &Menu::SetEnabled)
            .Property("Visible", dispid::Visible, &Menu::GetVisible, &Menu::SetVisible)
            .Event("Click", eventid::Click);
        return b.Build();
    }();
    return info;
}

void Menu::SetCaption(std::string caption) {
    const bool wasSeparator = IsSeparator();
    m_caption = std::move(caption);
    if (wasSeparator != IsSeparator() && m_changed) {
        m_changed();
        return;
    }
    Refresh();
}

void Menu::SetChecked(bool checked) {
    m_checked = checked;
    Refresh();
}

void Menu::SetEnabled(bool enabled) {
    m_enabled = enabled;
    Refresh();
}

void Menu::SetVisible(bool visible) {
    const bool changed = visible != m_visible;
    m_visible = visible;
    if (changed && m_changed) {
        m_changed();
    }
}

ole::Ptr<Menu> Menu::Add(ole::Ptr<Menu> child) {
    m_children.push_back(child);
    if (m_changed) {
        m_changed();
    }
    return child;
}

void Menu::Realise(win::HMENU owner, win::UINT command, win::HMENU popup,
                   std::function<void()> changed) {
    m_owner = owner;
    m_command = command;
    m_popup = popup;
    m_changed = std::move(changed);
}

win::UINT Menu::MenuFlags() const {
    if (IsSeparator()) {
        return win::MF_SEPARATOR;
    }
    return (m_checked ? win::MF_CHECKED : 0u) | (m_enabled ? 0u : win::MF_GRAYED) |
           (m_popup ? win::MF_POPUP : 0u);
}

namespace {

std::string KeyName(win::WORD key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
        return std::string(1, static_cast<char>(key));
    }
    if (key >= win::VK_F1 && key < win::VK_F1 + 24) {
        return "F" + std::to_string(key - win::VK_F1 + 1);
    }
    switch (key) {
    case win::VK_DELETE:
        return "Del";
    case win::VK_INSERT:
        return "Ins";
    default:
        return {};
    }
}

} // namespace

std::string Menu::MenuText() const {
    const std::string key = m_shortcut.key != 0 ? KeyName(m_shortcut.key) : std::string{};
    if (key.empty()) {
        return m_caption;
    }
    std::string text = m_caption + '\t';
    if ((m_shortcut.fVirt & win::FCONTROL) != 0) {
        text += "Ctrl+";
    }
    if ((m_shortcut.fVirt & win::FSHIFT) != 0) {
        text += "Shift+";
    }
    if ((m_shortcut.fVirt & win::FALT) != 0) {
        text += "Alt+";
    }
    return text + key;
}

// A realised item is found in its menu by command, or a popup item by its submenu's position.
void Menu::Refresh() {
    if (!m_owner || IsSeparator()) {
        return;
    }
    const win::UINT_PTR id = m_popup ? m_popup.Value() : m_command;
    if (m_popup) {
        for (int i = 0; i < win::GetMenuItemCount(m_owner); ++i) {
            if (win::GetSubMenu(m_owner, i) == m_popup) {
                win::ModifyMenuA(m_owner, static_cast<win::UINT>(i),
                                 win::MF_BYPOSITION | MenuFlags(), id, MenuText().c_str());
            }
        }
        return;
    }
    win::ModifyMenuA(m_owner, m_command, win::MF_BYCOMMAND | MenuFlags(), id, MenuText().c_str());
}

void Menu::RaiseClick() {
    ole::Ptr<Menu> keepAlive(this);
    CallEventHandler([&] { m_events.Raise(eventid::Click); });
}

} // namespace forms
