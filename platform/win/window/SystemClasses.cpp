#include "platform/win/WinConstants.h"
#include "platform/win/controls/common/ControlProcs.h"
#include "platform/win/controls/mdi/Mdi.h"
#include "platform/win/input/Cursors.h"
#include "platform/win/menu/PopupMenuWindow.h"
#include "platform/win/window/ClassTable.h"
#include "platform/win/window/Messages.h"

#include <array>
#include <memory>

namespace win::detail {

namespace {

struct SystemClass {
    const char* name;
    UINT style;
    int background; // COLOR_x, or -1 for none
    bool neverActivates;
    int cursor = IDC_ARROW;
    WNDPROC proc = DefWindowProcA;
};

// The standard controls get their behaviour from their own modules as those arrive; until then
// they are plain windows with the platform's default procedure.
constexpr std::array kSystemClasses = {
    SystemClass{"Static", 0, -1, false, IDC_ARROW, controls::StaticWndProc},
    SystemClass{"Button", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, -1, false, IDC_ARROW,
                controls::ButtonWndProc},
    SystemClass{"Edit", CS_DBLCLKS, -1, false, IDC_IBEAM, controls::EditWndProc},
    SystemClass{"ListBox", CS_DBLCLKS, -1, false, IDC_ARROW, controls::ListBoxWndProc},
    SystemClass{"ComboBox", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, -1, false, IDC_ARROW,
                controls::ComboBoxWndProc},
    SystemClass{"ComboLBox", CS_DBLCLKS | CS_SAVEBITS, -1, true, IDC_ARROW,
                controls::ListBoxWndProc},
    SystemClass{"ScrollBar", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, -1, false, IDC_ARROW,
                controls::ScrollBarWndProc},
    SystemClass{"MDIClient", 0, COLOR_APPWORKSPACE, false, IDC_ARROW, controls::MdiClientWndProc},
    SystemClass{"tooltips_class32", CS_DBLCLKS | CS_SAVEBITS, COLOR_INFOBK, true, IDC_ARROW,
                controls::TooltipWndProc},
    SystemClass{"SysDateTimePick32", CS_DBLCLKS, COLOR_WINDOW, false, IDC_ARROW,
                controls::DateTimeWndProc},
    SystemClass{"SysMonthCal32", CS_DBLCLKS | CS_SAVEBITS, COLOR_WINDOW, true, IDC_ARROW,
                controls::MonthCalendarWndProc},
    SystemClass{PopupMenuWindow::kClassName, CS_SAVEBITS, COLOR_MENU, true, IDC_ARROW,
                PopupMenuWindow::WndProc},
};

} // namespace

void RegisterSystemClasses() {
    for (const SystemClass& sc : kSystemClasses) {
        auto windowClass = std::make_shared<WindowClass>();
        windowClass->name = sc.name;
        windowClass->style = sc.style;
        windowClass->proc = sc.proc;
        windowClass->cursor = LoadCursorA({}, sc.cursor);
        if (sc.background >= 0) {
            windowClass->background = HBRUSH::FromValue(static_cast<uint32_t>(sc.background + 1));
        }
        windowClass->system = true;
        windowClass->neverActivates = sc.neverActivates;
        ClassTable::Add(std::move(windowClass));
    }
}

} // namespace win::detail
