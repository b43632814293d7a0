#include "platform/win/menu/MenuTracker.h"

#include "platform/win/WinConstants.h"
#include "platform/win/input/Capture.h"
#include "platform/win/loop/MessageLoop.h"
#include "platform/win/loop/ModalLoop.h"
#include "platform/win/menu/MenuBar.h"
#include "platform/win/menu/MenuConstants.h"
#include "platform/win/menu/MenuTable.h"
#include "platform/win/menu/Menus.h"
#include "platform/win/menu/PopupMenuWindow.h"
#include "platform/win/text/AccessKey.h"
#include "platform/win/window/Window.h"

#include <cctype>

namespace win::detail {

namespace {

MenuTracker* g_running = nullptr;

const MenuData* Data(HMENU menu) {
    return MenuTable::Instance().Find(menu);
}

const MenuEntry* EntryAt(HMENU menu, int item) {
    const MenuData* data = Data(menu);
    if (data == nullptr || item < 0 || item >= static_cast<int>(data->items.size())) {
        return nullptr;
    }
    return &data->items[static_cast<size_t>(item)];
}

bool Grayed(const MenuEntry& entry) {
    return (entry.flags & (MF_GRAYED | MF_DISABLED)) != 0;
}

bool IsSubmenu(const MenuEntry& entry) {
    return (entry.flags & MF_POPUP) != 0;
}

// The next item from `from` in direction `step` that can be highlighted (not a separator),
// wrapping; -1 when there is none.
int NextSelectable(HMENU menu, int from, int step) {
    const MenuData* data = Data(menu);
    if (data == nullptr || data->items.empty()) {
        return -1;
    }
    const int count = static_cast<int>(data->items.size());
    int item = from;
    for (int tries = 0; tries < count; ++tries) {
        item = ((item + step) % count + count) % count;
        if ((data->items[static_cast<size_t>(item)].flags & MF_SEPARATOR) == 0) {
            return item;
        }
    }
    return -1;
}

int ItemWithAccessKey(HMENU menu, char key) {
    const MenuData* data = Data(menu);
    if (data == nullptr || key == 0) {
        return -1;
    }
    const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    for (size_t i = 0; i < data->items.size(); ++i) {
        if ((data->items[i].flags & MF_SEPARATOR) == 0 &&
            AccessKeyOf(data->items[i].text) == wanted) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool IsMouseMessage(UINT msg) {
    return (msg >= WM_MOUSEFIRST && msg < WM_MOUSEWHEEL) ||
           (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK);
}

// Non-client and double-click variants as their plain client message.
UINT PlainMouseMessage(UINT msg) {
    if (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK) {
        msg = msg - WM_NCMOUSEMOVE + WM_MOUSEMOVE;
    }
    switch (msg) {
    case WM_LBUTTONDBLCLK:
        return WM_LBUTTONDOWN;
    case WM_RBUTTONDBLCLK:
        return WM_RBUTTONDOWN;
    case WM_MBUTTONDBLCLK:
        return WM_MBUTTONDOWN;
    default:
        return msg;
    }
}

} // namespace

MenuTracker::MenuTracker(HWND owner, HMENU bar, UINT flags)
    : m_owner(owner), m_captureWindow(GetAncestor(owner, GA_ROOT)), m_bar(bar), m_flags(flags) {}

MenuTracker::~MenuTracker() {
    m_popups.clear();
    if (m_bar) {
        HighlightMenuBarItem(m_owner, -1);
    }
    if (GetCapture() == m_captureWindow) {
        ReleaseCapture();
    }
    if (IsWindow(m_owner)) {
        SendMessageA(m_owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    }
    g_running = nullptr;
}

bool MenuTracker::Tracking() {
    return g_running != nullptr;
}

UINT MenuTracker::TrackPopup(HMENU menu, UINT flags, POINT at, HWND owner) {
    if (Tracking() || Data(menu) == nullptr || !IsWindow(owner)) {
        return 0;
    }
    MenuTracker tracker(owner, {}, flags);
    g_running = &tracker;
    tracker.m_popups.push_back(std::make_unique<PopupMenuWindow>(menu, owner, at));
    return tracker.Run();
}

bool MenuTracker::BarHasAccessKey(HWND owner, char key) {
    return key != 0 && ItemWithAccessKey(GetMenu(owner), key) >= 0;
}

void MenuTracker::TrackBarByKey(HWND owner, char key) {
    const HMENU bar = GetMenu(owner);
    if (Tracking() || Data(bar) == nullptr || Data(bar)->items.empty()) {
        return;
    }
    const int item = key != 0 ? ItemWithAccessKey(bar, key) : NextSelectable(bar, -1, 1);
    if (item < 0) {
        return;
    }
    MenuTracker tracker(owner, bar, 0);
    g_running = &tracker;
    SendMessageA(owner, WM_INITMENU, HandleToParam(bar), 0);
    if (key != 0) {
        tracker.OpenBar(item, true, false);
    } else {
        tracker.SelectBar(item, false);
    }
    const UINT command = tracker.m_done ? tracker.m_chosen : tracker.Run();
    if (command != 0 && IsWindow(owner)) {
        PostMessageA(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
}

void MenuTracker::TrackBarByMouse(HWND owner, POINT screen) {
    const HMENU bar = GetMenu(owner);
    const int item = MenuBarItemAt(owner, screen);
    if (Tracking() || item < 0) {
        return;
    }
    MenuTracker tracker(owner, bar, 0);
    g_running = &tracker;
    SendMessageA(owner, WM_INITMENU, HandleToParam(bar), 0);
    tracker.OpenBar(item, false, true);
    const UINT command = tracker.m_done ? tracker.m_chosen : tracker.Run();
    if (command != 0 && IsWindow(owner)) {
        PostMessageA(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
}

UINT MenuTracker::Run() {
    SetCapture(m_captureWindow);
    ModalLoopOptions options;
    options.disableOwner = false;
    options.preview = [this](MSG& msg) { return Preview(msg); };
    RunModalLoop(
        {}, [this] { return m_done || !IsWindow(m_owner); }, options);
    return m_done ? m_chosen : 0;
}

bool MenuTracker::Preview(MSG& msg) {
    if (IsMouseMessage(msg.message)) {
        OnMouse(PlainMouseMessage(msg.message), msg.pt);
        return true;
    }
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        TranslateMessage(&msg); // letters come back as characters
        OnKey(static_cast<int>(msg.wParam));
        return true;
    case WM_CHAR:
    case WM_SYSCHAR:
        if (msg.wParam < 0x80) {
            OnChar(static_cast<char>(msg.wParam));
        }
        return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_MOUSEWHEEL:
        return true;
    default:
        return false;
    }
}

void MenuTracker::OnKey(int vk) {
    const size_t open = m_popups.size();
    const size_t innermost = open - 1;
    switch (vk) {
    case VK_ESCAPE:
        if (open > (m_bar ? 0u : 1u)) {
            CloseAbove(open - 1);
            if (m_bar && m_popups.empty()) {
                SelectBar(m_barItem, false);
            }
        } else {
            Finish(0);
        }
        return;
    case VK_MENU:
    case VK_F10:
        Finish(0);
        return;
    case VK_UP:
    case VK_DOWN:
        if (open > 0) {
            Step(vk == VK_DOWN ? 1 : -1);
        } else if (vk == VK_DOWN) {
            OpenBar(m_barItem, true, false);
        }
        return;
    case VK_LEFT:
        if (open > 1) {
            CloseAbove(open - 1);
        } else if (m_bar) {
            MoveBar(-1);
        }
        return;
    case VK_RIGHT: {
        const MenuEntry* entry =
            open > 0 ? EntryAt(m_popups[innermost]->Menu(), m_popups[innermost]->Selected())
                     : nullptr;
        if (entry != nullptr && IsSubmenu(*entry) && !Grayed(*entry)) {
            OpenSubmenu(innermost, true);
        } else if (m_bar) {
            MoveBar(1);
        }
        return;
    }
    case VK_RETURN:
        if (open > 0) {
            Activate(innermost, m_popups[innermost]->Selected(), false);
        } else {
            OpenBar(m_barItem, true, false);
        }
        return;
    default:
        return;
    }
}

void MenuTracker::OnChar(char key) {
    if (m_popups.empty()) {
        if (const int item = ItemWithAccessKey(m_bar, key); item >= 0) {
            OpenBar(item, true, false);
        }
        return;
    }
    const size_t innermost = m_popups.size() - 1;
    if (const int item = ItemWithAccessKey(m_popups[innermost]->Menu(), key); item >= 0) {
        Select(innermost, item, false);
        Activate(innermost, item, false);
    }
}

void MenuTracker::OnMouse(UINT msg, POINT pt) {
    const bool press = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
    const bool release =
        msg == WM_LBUTTONUP || (msg == WM_RBUTTONUP && (m_bar || (m_flags & TPM_RIGHTBUTTON) != 0));
    for (size_t level = m_popups.size(); level-- > 0;) {
        if (!m_popups[level]->Holds(pt)) {
            continue;
        }
        const int item = m_popups[level]->ItemAt(pt);
        if (item < 0) {
            return;
        }
        if (item != m_popups[level]->Selected()) {
            CloseAbove(level + 1);
            Select(level, item, true);
        }
        const MenuEntry* entry = EntryAt(m_popups[level]->Menu(), item);
        if (m_popups.size() == level + 1 && entry != nullptr && IsSubmenu(*entry)) {
            OpenSubmenu(level, false);
        }
        if (release) {
            Activate(level, item, true);
        }
        return;
    }
    const int barItem = m_bar ? MenuBarItemAt(m_owner, pt) : -1;
    if (barItem >= 0) {
        const MenuEntry* entry = EntryAt(m_bar, barItem);
        if (release && barItem == m_barItem && entry != nullptr && !IsSubmenu(*entry) &&
            !Grayed(*entry)) {
            Finish(entry->id);
        } else if (press && barItem == m_barItem && !m_popups.empty()) {
            Finish(0); // a second press on the open item closes the menu
        } else if (press || (barItem != m_barItem && !m_popups.empty())) {
            OpenBar(barItem, false, true);
        } else if (barItem != m_barItem && msg == WM_MOUSEMOVE) {
            SelectBar(barItem, true);
        }
        return;
    }
    if (press) {
        Finish(0);
    }
}

void MenuTracker::SelectBar(int item, bool mouse) {
    m_barItem = item;
    HighlightMenuBarItem(m_owner, item);
    if (const MenuEntry* entry = EntryAt(m_bar, item)) {
        const UINT id = IsSubmenu(*entry) ? static_cast<UINT>(item) : entry->id;
        const UINT flags = (entry->flags & 0xFF) | MF_HILITE | (mouse ? MF_MOUSESELECT : 0u);
        SendMessageA(m_owner, WM_MENUSELECT, MAKEWPARAM(id, flags), HandleToParam(m_bar));
    }
}

void MenuTracker::OpenBar(int item, bool selectFirst, bool mouse) {
    CloseAbove(0);
    SelectBar(item, mouse);
    const MenuEntry* entry = EntryAt(m_bar, item);
    if (entry == nullptr || Grayed(*entry)) {
        return;
    }
    if (!IsSubmenu(*entry)) {
        // A command on the bar itself is chosen as it is opened from the keyboard or clicked.
        if (!mouse || selectFirst) {
            Finish(entry->id);
        }
        return;
    }
    const RECT box = MenuBarItemRect(m_owner, item);
    OpenPopup(entry->submenu, item, POINT{box.left, box.bottom}, -1, selectFirst);
}

void MenuTracker::MoveBar(int step) {
    const int item = NextSelectable(m_bar, m_barItem, step);
    if (item < 0) {
        return;
    }
    if (m_popups.empty()) {
        SelectBar(item, false);
    } else {
        OpenBar(item, true, false);
    }
}

bool MenuTracker::OpenPopup(HMENU menu, int indexInParent, POINT at, int flipRight,
                            bool selectFirst) {
    SendMessageA(m_owner, WM_INITMENUPOPUP, HandleToParam(menu),
                 MAKELPARAM(static_cast<UINT>(indexInParent), FALSE));
    if (!IsWindow(m_owner) || Data(menu) == nullptr) { // a handler destroyed them
        return false;
    }
    m_popups.push_back(std::make_unique<PopupMenuWindow>(menu, m_owner, at, flipRight));
    if (selectFirst) {
        Select(m_popups.size() - 1, NextSelectable(menu, -1, 1), false);
    }
    return true;
}

void MenuTracker::OpenSubmenu(size_t level, bool selectFirst) {
    const PopupMenuWindow& parent = *m_popups[level];
    const int item = parent.Selected();
    const MenuEntry* entry = EntryAt(parent.Menu(), item);
    if (entry == nullptr || !IsSubmenu(*entry) || Grayed(*entry)) {
        return;
    }
    CloseAbove(level + 1);
    const RECT box = parent.ItemScreenRect(item);
    const RECT window = parent.ScreenRect();
    OpenPopup(entry->submenu, item, POINT{window.right - 3, box.top - 3}, window.left + 3,
              selectFirst);
}

void MenuTracker::Select(size_t level, int item, bool mouse) {
    PopupMenuWindow& popup = *m_popups[level];
    popup.Select(item);
    if (const MenuEntry* entry = EntryAt(popup.Menu(), item)) {
        const UINT id = IsSubmenu(*entry) ? static_cast<UINT>(item) : entry->id;
        const UINT flags = (entry->flags & 0xFF) | MF_HILITE | (mouse ? MF_MOUSESELECT : 0u);
        SendMessageA(m_owner, WM_MENUSELECT, MAKEWPARAM(id, flags), HandleToParam(popup.Menu()));
    }
}

void MenuTracker::Step(int step) {
    const size_t innermost = m_popups.size() - 1;
    const PopupMenuWindow& popup = *m_popups[innermost];
    const int from = popup.Selected() < 0 && step < 0 ? 0 : popup.Selected();
    const int item = NextSelectable(popup.Menu(), from, step);
    if (item >= 0) {
        Select(innermost, item, false);
    }
}

void MenuTracker::Activate(size_t level, int item, bool mouse) {
    const MenuEntry* entry = EntryAt(m_popups[level]->Menu(), item);
    if (entry == nullptr || Grayed(*entry)) {
        return;
    }
    if (IsSubmenu(*entry)) {
        if (m_popups.size() == level + 1) {
            OpenSubmenu(level, !mouse);
        }
        return;
    }
    Finish(entry->id);
}

void MenuTracker::CloseAbove(size_t keep) {
    while (m_popups.size() > keep) {
        m_popups.pop_back();
    }
}

void MenuTracker::Finish(UINT command) {
    m_chosen = command;
    m_done = true;
}

} // namespace win::detail
