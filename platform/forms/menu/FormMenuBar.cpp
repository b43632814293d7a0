#include "platform/forms/menu/FormMenuBar.h"

#include "platform/forms/menu/Accelerators.h"
#include "platform/win/WinConstants.h"
#include "platform/win/menu/Menus.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/Messages.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace forms {

namespace {

ole::Ptr<Menu> FindIn(const std::vector<ole::Ptr<Menu>>& items, std::string_view name) {
    for (const auto& item : items) {
        if (item->GetName() == name) {
            return item;
        }
        if (auto inner = FindIn(item->Children(), name)) {
            return inner;
        }
    }
    return nullptr;
}

} // namespace

FormMenuBar::~FormMenuBar() {
    Detach();
}

ole::Ptr<Menu> FormMenuBar::Add(ole::Ptr<Menu> item) {
    m_items.push_back(item);
    Rebuild();
    return item;
}

ole::Ptr<Menu> FormMenuBar::Find(std::string_view name) const {
    return FindIn(m_items, name);
}

bool FormMenuBar::Holds(const Menu& item) const {
    return std::any_of(m_items.begin(), m_items.end(),
                       [&](const ole::Ptr<Menu>& top) { return top.Get() == &item; });
}

void FormMenuBar::Attach(win::HWND hwnd) {
    m_hwnd = hwnd;
    Rebuild();
}

void FormMenuBar::Detach() {
    Release(true);
    m_hwnd = {};
}

// Unrealises the items and drops the shortcuts; the bar itself goes too unless a rebuilt one is
// about to take its place on the window.
win::HMENU FormMenuBar::Release(bool destroyBar) {
    for (const auto& item : m_realised) {
        item->Realise({}, 0, {}, nullptr);
    }
    m_realised.clear();
    m_accels.clear();
    if (m_shortcuts) {
        win::DestroyAcceleratorTable(m_shortcuts);
        m_shortcuts = {};
    }
    const win::HMENU bar = std::exchange(m_bar, {});
    if (bar && destroyBar) {
        if (win::GetMenu(m_hwnd) == bar) {
            win::SetMenu(m_hwnd, {});
        }
        win::DestroyMenu(bar);
        return {};
    }
    return bar;
}

// The new bar replaces the old one on the window in one step, so the client area does not
// shrink and grow back on the way.
void FormMenuBar::Rebuild() {
    if (!m_hwnd) {
        return;
    }
    const win::HMENU old = Release(false);
    if (!m_items.empty()) {
        m_bar = win::CreateMenu();
        Build(m_bar, m_items);
        m_shortcuts =
            win::CreateAcceleratorTableA(m_accels.data(), static_cast<int>(m_accels.size()));
    }
    win::SetMenu(m_hwnd, m_bar);
    if (old) {
        win::DestroyMenu(old);
    }
}

// Commands are never reused while the form lives, so a late WM_COMMAND of a rebuilt bar finds
// nothing rather than a different item.
void FormMenuBar::Build(win::HMENU into, const std::vector<ole::Ptr<Menu>>& items) {
    for (const auto& item : items) {
        // Hidden items are still realised (unplaced), so their state changes stay harmless.
        m_realised.push_back(item);
        if (!item->GetVisible()) {
            item->Realise({}, 0, {}, [this] { Rebuild(); });
            continue;
        }
        win::HMENU popup;
        if (!item->Children().empty()) {
            popup = win::CreatePopupMenu();
            Build(popup, item->Children());
        }
        const win::UINT command = popup ? 0 : m_nextCommand++;
        item->Realise(into, command, popup, [this] { Rebuild(); });
        if (command != 0 && item->Shortcut().key != 0) {
            win::ACCEL shortcut = item->Shortcut();
            shortcut.fVirt |= win::FVIRTKEY;
            shortcut.cmd = static_cast<win::WORD>(command);
            m_accels.push_back(shortcut);
        }
        win::AppendMenuA(into, item->MenuFlags(), popup ? popup.Value() : command,
                         item->GetCaption().c_str());
    }
}

bool FormMenuBar::OnCommand(win::WPARAM wParam, win::LPARAM lParam) {
    if (lParam != 0 || win::HIWORD(wParam) > 1) {
        return false;
    }
    const win::UINT command = win::LOWORD(wParam);
    for (const auto& item : m_realised) {
        if (item->Command() == command && command != 0 && !item->Popup()) {
            const ole::Ptr<Menu> chosen = item; // a handler may rebuild the bar
            chosen->RaiseClick();
            return true;
        }
    }
    return false;
}

bool FormMenuBar::OnInitMenuPopup(win::HMENU popup) {
    for (const auto& item : m_realised) {
        if (item->Popup() == popup && popup) {
            const ole::Ptr<Menu> opening = item; // a handler may rebuild the bar
            opening->RaiseClick();
            return true;
        }
    }
    return false;
}

bool FormMenuBar::TranslateShortcut(win::WPARAM key) {
    if (!m_shortcuts) {
        return false;
    }
    win::MSG msg;
    msg.hwnd = m_hwnd;
    msg.message = win::WM_KEYDOWN;
    msg.wParam = key;
    return win::TranslateAcceleratorA(m_hwnd, m_shortcuts, &msg) != 0;
}

bool FormMenuBar::ChooseByCaptions(std::initializer_list<std::string_view> path) {
    const std::vector<ole::Ptr<Menu>>* level = &m_items;
    ole::Ptr<Menu> item;
    for (const std::string_view caption : path) {
        item = nullptr;
        for (const auto& candidate : *level) {
            if (candidate->GetVisible() && candidate->GetCaption() == caption) {
                item = candidate;
                break;
            }
        }
        if (!item || !item->GetEnabled()) {
            return false;
        }
        if (item->Popup()) {
            win::SendMessageA(m_hwnd, win::WM_INITMENUPOPUP, win::HandleToParam(item->Popup()), 0);
        }
        level = &item->Children();
    }
    if (!item || item->Popup() || item->IsSeparator() || item->Command() == 0) {
        return false;
    }
    win::SendMessageA(m_hwnd, win::WM_COMMAND, win::MAKEWPARAM(item->Command(), 0), 0);
    return true;
}

} // namespace forms
