#include "platform/forms/menu/Accelerators.h"

#include "platform/win/WinConstants.h"
#include "platform/win/input/Input.h"
#include "platform/win/menu/Menus.h"
#include "platform/win/test/TestApi.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/Messages.h"

#include <map>
#include <vector>

namespace win {

namespace {

using Tables = std::map<HACCEL, std::vector<ACCEL>>;

Tables& LiveTables() {
    static Tables* tables = [] {
        static Tables instance;
        test::AddResetStep([] { instance.clear(); });
        return &instance;
    }();
    return *tables;
}

bool Down(int vk) {
    return GetKeyState(vk) < 0;
}

bool Matches(const ACCEL& entry, const MSG& msg) {
    const bool alt = Down(VK_MENU);
    if ((entry.fVirt & FVIRTKEY) != 0) {
        return (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) &&
               entry.key == msg.wParam && ((entry.fVirt & FSHIFT) != 0) == Down(VK_SHIFT) &&
               ((entry.fVirt & FCONTROL) != 0) == Down(VK_CONTROL) &&
               ((entry.fVirt & FALT) != 0) == alt;
    }
    return (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) && entry.key == msg.wParam &&
           ((entry.fVirt & FALT) != 0) == alt;
}

bool DisabledInBar(HWND hwnd, WORD command) {
    const UINT state = GetMenuState(GetMenu(hwnd), command, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) != 0;
}

} // namespace

HACCEL CreateAcceleratorTableA(const ACCEL* entries, int count) {
    if (entries == nullptr || count <= 0) {
        return {};
    }
    const HACCEL table = HACCEL::New();
    LiveTables()[table].assign(entries, entries + count);
    return table;
}

BOOL DestroyAcceleratorTable(HACCEL table) {
    return LiveTables().erase(table) != 0 ? TRUE : FALSE;
}

int TranslateAcceleratorA(HWND hwnd, HACCEL table, const MSG* msg) {
    const auto found = LiveTables().find(table);
    if (found == LiveTables().end() || msg == nullptr || !IsWindow(hwnd)) {
        return 0;
    }
    // Copied: the command's handler may destroy the table.
    const std::vector<ACCEL> entries = found->second;
    for (const ACCEL& entry : entries) {
        if (!Matches(entry, *msg)) {
            continue;
        }
        if (!DisabledInBar(hwnd, entry.cmd)) {
            SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
        }
        return TRUE;
    }
    return 0;
}

} // namespace win

namespace forms {
size_t LiveAcceleratorTableCount() {
    return win::LiveTables().size();
}
} // namespace forms
