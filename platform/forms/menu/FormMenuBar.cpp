#include "platform/forms/menu/FormMenuBar.h"

#include "platform/forms/menu/Accelerators.h"
#include "platform/win/WinConstants.h"
#include "platform/win/menu/Menus.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/Messages.h"

#include <algorithm>
#include <functional>
#include <map>
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

// Unrealises the items and drops the shortcuts; the menus themselves are destroyed when asked,
// else handed back (the popups by item) for a rebuild to fill again.
std::map<const Menu*, win::HMENU> FormMenuBar::Release(bool destroy) {
    std::map<const Menu*, win::HMENU> popups;
    for (const auto& item : m_realised) {
        if (item->Popup()) {
            popups[item.Get()] = item->Popup();
        }
        item->Realise({}, 0, {}, nullptr);
    }
    m_realised.clear();
    m_accels.clear();
    if (m_shortcuts) {
        win::DestroyAcceleratorTable(m_shortcuts);
        m_shortcuts = {};
    }
    if (destroy && m_bar) {
        if (win::GetMenu(m_hwnd) == m_bar) {
            win::SetMenu(m_hwnd, {});
        }
        win::DestroyMenu(std::exchange(m_bar, {}));
        return {};
    }
    return popups;
}

// The bar and the popups of items that still have children are emptied and filled again rather
// than replaced: a popup on the screen (whose Click may be what changed the tree) stays valid,
// and the client area does not shrink and grow back on the way.
void FormMenuBar::Rebuild() {
    if (!m_hwnd) {
        return;
    }
    std::map<const Menu*, win::HMENU> popups = Release(false);
    while (m_bar && win::RemoveMenu(m_bar, 0, win::MF_BYPOSITION)) {
    }
    for (const auto& [item, popup] : popups) {
        while (win::RemoveMenu(popup, 0, win::MF_BYPOSITION)) {
        }
    }
    if (!m_bar) {
        m_bar = win::CreateMenu();
    }
    Build(m_bar, m_items, popups);
    for (const auto& [item, popup] : popups) {
        win::DestroyMenu(popup); // its item is gone or has no children left
    }
    m_shortcuts = win::CreateAcceleratorTableA(m_accels.data(), static_cast<int>(m_accels.size()));
    if (m_items.empty()) {
        Release(true);
        return;
    }
    if (win::GetMenu(m_hwnd) == m_bar) {
        win::DrawMenuBar(m_hwnd);
    } else {
        win::SetMenu(m_hwnd, m_bar);
    }
}

// Commands are never reused while the form lives, so a late WM_COMMAND of a rebuilt bar finds
// nothing rather than a different item.
void FormMenuBar::Build(win::HMENU into, const std::vector<ole::Ptr<Menu>>& items,
                        std::map<const Menu*, win::HMENU>& popups) {
    for (const auto& item : items) {
        // Hidden items are still realised (unplaced), so their state changes stay harmless.
        m_realised.push_back(item);
        if (!item->GetVisible()) {
            item->Realise({}, 0, {}, [this] { Rebuild(); });
            continue;
        }
        win::HMENU popup;
        if (!item->Children().empty()) {
            const auto kept = popups.find(item.Get());
            if (kept != popups.end()) {
                popup = kept->second;
                popups.erase(kept);
            } else {
                popup = win::CreatePopupMenu();
            }
            Build(popup, item->Children(), popups);
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
                         item->MenuText().c_str());
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

std::vector<ole::Ptr<Menu>> FormMenuBar::AllItems() const {
    std::vector<ole::Ptr<Menu>> all;
    const std::function<void(const std::vector<ole::Ptr<Menu>>&)> walk = [&](const auto& items) {
        for (const auto& item : items) {
            all.push_back(item);
            walk(item->Children());
        }
    };
    walk(m_items);
    return all;
}

bool FormMenuBar::ChooseByCaptions(std::initializer_list<std::string_view> captions) {
    const std::vector<ole::Ptr<Menu>>* level = &m_items;
    std::vector<ole::Ptr<Menu>> path;
    for (const std::string_view caption : captions) {
        const auto found =
            std::find_if(level->begin(), level->end(), [&](const ole::Ptr<Menu>& candidate) {
                return candidate->GetVisible() && candidate->GetCaption() == caption;
            });
        if (found == level->end()) {
            return false;
        }
        path.push_back(*found);
        level = &(*found)->Children();
    }
    return ChoosePath(path);
}

bool FormMenuBar::ChooseByName(std::string_view name) {
    std::vector<ole::Ptr<Menu>> path;
    const std::function<bool(const std::vector<ole::Ptr<Menu>>&)> find = [&](const auto& items) {
        for (const auto& item : items) {
            path.push_back(item);
            if (item->GetName() == name || find(item->Children())) {
                return true;
            }
            path.pop_back();
        }
        return false;
    };
    return find(m_items) && ChoosePath(path);
}

bool FormMenuBar::ChoosePath(const std::vector<ole::Ptr<Menu>>& path) {
    for (const auto& item : path) {
        if (!item->GetVisible() || !item->GetEnabled()) {
            return false;
        }
        if (item->Popup()) {
            win::SendMessageA(m_hwnd, win::WM_INITMENUPOPUP, win::HandleToParam(item->Popup()), 0);
        }
    }
    const ole::Ptr<Menu> leaf = path.empty() ? nullptr : path.back();
    if (!leaf || leaf->Popup() || leaf->IsSeparator() || leaf->Command() == 0) {
        return false;
    }
    win::SendMessageA(m_hwnd, win::WM_COMMAND, win::MAKEWPARAM(leaf->Command(), 0), 0);
    return true;
}

} // namespace forms
