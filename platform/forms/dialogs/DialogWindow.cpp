#include "platform/forms/dialogs/DialogWindow.h"

#include "platform/forms/dialogs/MessageBoxConstants.h"
#include "platform/forms/dialogs/ModalDialog.h"
#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/input/Input.h"
#include "platform/win/input/TabOrder.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/text/AccessKey.h"
#include "platform/win/window/Window.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace forms {

using namespace win;

namespace {

bool IsPushButton(HWND hwnd) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, "Button") != 0) {
        return false;
    }
    const auto type = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

} // namespace

std::string ListBoxText(HWND list, int row) {
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (row < 0 || length < 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

DialogWindow::DialogWindow(std::string caption, SIZE client)
    : m_caption(std::move(caption)), m_client(client) {}

DialogWindow::~DialogWindow() {
    // The derived dialog is gone: its window dies with default handling, its controls with theirs.
    m_closing = true;
    if (m_hwnd && IsWindow(m_hwnd)) {
        DestroyWindow(m_hwnd);
    }
}

bool DialogWindow::Create(HWND owner) {
    if (!EnsureDialogClass(kClassName, &DialogWindow::Proc) ||
        !CreateDialogWindow(kClassName, m_caption.c_str(), WS_EX_CONTROLPARENT, owner, m_client,
                            this)) {
        return false;
    }
    Build();
    return true;
}

HWND DialogWindow::Item(int id) const {
    return GetDlgItem(m_hwnd, id);
}

void DialogWindow::Run(const std::function<void()>& ask) {
    RunDialog(m_hwnd, ask, [this] { return m_ended; });
}

DialogWindow* DialogWindow::FromHwnd(HWND hwnd) {
    char name[32] = {};
    if (!hwnd || GetClassNameA(hwnd, name, sizeof name) == 0 ||
        std::strcmp(name, kClassName) != 0) {
        return nullptr;
    }
    auto* dialog = reinterpret_cast<DialogWindow*>(GetWindowLongA(hwnd, GWL_USERDATA));
    return dialog != nullptr && dialog->m_hwnd == hwnd ? dialog : nullptr;
}

HWND DialogWindow::AddControl(const char* className, std::string_view text, DWORD style,
                              const RECT& rect, int id) {
    const std::string caption(text);
    const HWND control = CreateWindowExA(
        0, className, caption.c_str(), WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, m_hwnd, HMENU::FromValue(id), {}, nullptr);
    if (control) {
        Subclass(control);
        // A combo box's own edit box reads the dialog keys too.
        for (HWND inner = GetWindow(control, GW_CHILD); inner;
             inner = GetWindow(inner, GW_HWNDNEXT)) {
            Subclass(inner);
        }
    }
    return control;
}

std::string DialogWindow::ItemText(int id) const {
    const HWND item = Item(id);
    std::string text(static_cast<size_t>(std::max(GetWindowTextLengthA(item), 0)) + 1, '\0');
    text.resize(static_cast<size_t>(
        std::max(GetWindowTextA(item, text.data(), static_cast<int>(text.size())), 0)));
    return text;
}

void DialogWindow::SetItemText(int id, std::string_view text) {
    SetWindowTextA(Item(id), std::string(text).c_str());
}

bool DialogWindow::IsChecked(int id) const {
    return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DialogWindow::SetChecked(int id, bool checked) {
    SendMessageA(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DialogWindow::FocusItem(int id) {
    SetFocus(Item(id));
}

void DialogWindow::Subclass(HWND control) {
    const auto original = reinterpret_cast<WNDPROC>(GetWindowLongA(control, GWL_WNDPROC));
    m_subclassed.emplace_back(control, original);
    SetWindowLongA(control, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&DialogWindow::ControlProc));
}

WNDPROC DialogWindow::OriginalProc(HWND control) const {
    for (const auto& [hwnd, proc] : m_subclassed) {
        if (hwnd == control) {
            return proc;
        }
    }
    return nullptr;
}

LRESULT DialogWindow::ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    DialogWindow* dialog = FromHwnd(GetAncestor(hwnd, GA_ROOT));
    const WNDPROC original = dialog != nullptr ? dialog->OriginalProc(hwnd) : nullptr;
    if (original == nullptr) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    if (!dialog->m_closing) {
        if (const std::optional<LRESULT> answer =
                dialog->OnControlMessage(hwnd, msg, wParam, lParam)) {
            return *answer;
        }
    }
    if (msg == WM_SYSCHAR && !dialog->m_closing &&
        dialog->AccessKey(static_cast<char32_t>(wParam))) {
        return 0;
    }
    if (msg == WM_KEYDOWN && !dialog->m_closing &&
        dialog->DialogKey(hwnd, static_cast<int>(wParam))) {
        return 0;
    }
    // The characters of the keys the dialog took are not typed into the control.
    if (msg == WM_CHAR && (wParam == '\t' || wParam == '\r' || wParam == 0x1B)) {
        const LRESULT code = CallWindowProcA(original, hwnd, WM_GETDLGCODE, wParam, 0);
        if ((code & DLGC_WANTALLKEYS) == 0 && (wParam != '\t' || (code & DLGC_WANTTAB) == 0)) {
            return 0;
        }
    }
    return CallWindowProcA(original, hwnd, msg, wParam, lParam);
}

bool DialogWindow::DialogKey(HWND from, int vk) {
    if (vk != VK_TAB && vk != VK_RETURN && vk != VK_ESCAPE) {
        return false;
    }
    if (from != m_hwnd) {
        const LRESULT code = SendMessageA(from, WM_GETDLGCODE, static_cast<WPARAM>(vk), 0);
        if ((code & DLGC_WANTALLKEYS) != 0 || (vk == VK_TAB && (code & DLGC_WANTTAB) != 0)) {
            return false;
        }
    }
    switch (vk) {
    case VK_TAB: {
        const HWND focus = GetFocus();
        const HWND next =
            GetNextDlgTabItem(m_hwnd, focus == m_hwnd ? HWND{} : focus, GetKeyState(VK_SHIFT) < 0);
        if (next) {
            FocusControl(next);
        }
        return true;
    }
    case VK_RETURN: {
        // From a combo's edit box the control that counts is the combo.
        HWND control = from;
        while (control && GetParent(control) != m_hwnd && control != m_hwnd) {
            control = GetParent(control);
        }
        if (control && control != m_hwnd && IsPushButton(control)) {
            OnCommand(GetDlgCtrlID(control), BN_CLICKED);
        } else {
            OnCommand(IDOK, BN_CLICKED);
        }
        return true;
    }
    default:
        OnCommand(IDCANCEL, BN_CLICKED);
        return true;
    }
}

void DialogWindow::FocusControl(HWND control) {
    SetFocus(control);
    // A box reached by the keyboard has its text selected, so typing replaces it.
    if ((SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
        SendMessageA(control, EM_SETSEL, 0, -1);
    }
}

bool DialogWindow::AccessKey(char32_t ch) {
    if (ch == 0 || ch >= 0x80) {
        return false;
    }
    const char key = static_cast<char>(std::toupper(static_cast<int>(ch)));
    for (HWND child = GetWindow(m_hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        // Only captions carry access keys: what is typed into a box or listed does not.
        char name[16] = {};
        GetClassNameA(child, name, sizeof name);
        const bool button = std::strcmp(name, "Button") == 0;
        if (!button && std::strcmp(name, "Static") != 0) {
            continue;
        }
        char caption[128] = {};
        GetWindowTextA(child, caption, sizeof caption);
        if (!IsWindowVisible(child) || !IsWindowEnabled(child) ||
            win::AccessKeyOf(caption) != key) {
            continue;
        }
        if (!button) {
            // A label: the focus goes to the control after it.
            const HWND next = GetNextDlgTabItem(m_hwnd, child, FALSE);
            if (next) {
                FocusControl(next);
            }
        } else if (IsPushButton(child)) {
            OnCommand(GetDlgCtrlID(child), BN_CLICKED);
        } else {
            SetFocus(child);
            SendMessageA(child, BM_CLICK, 0, 0);
        }
        return true;
    }
    return false;
}

LRESULT DialogWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* created = static_cast<DialogWindow*>(
            reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        created->m_hwnd = hwnd;
        SetWindowLongA(hwnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    DialogWindow* dialog = FromHwnd(hwnd);
    if (dialog == nullptr || dialog->m_closing) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    return dialog->Handle(msg, wParam, lParam);
}

LRESULT DialogWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CLOSE:
        OnCommand(IDCANCEL, BN_CLICKED);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(m_hwnd, focus)) {
                m_lastFocus = focus;
            }
        } else {
            // Back to the control that had the focus, else the first tab stop.
            HWND focus = m_lastFocus && IsWindow(m_lastFocus) ? m_lastFocus : HWND{};
            if (!focus) {
                focus = GetNextDlgTabItem(m_hwnd, {}, FALSE);
            }
            SetFocus(focus ? focus : m_hwnd);
        }
        return 0;
    case WM_KEYDOWN:
        if (DialogKey(m_hwnd, static_cast<int>(wParam))) {
            return 0;
        }
        break;
    case WM_SYSCHAR:
        if (AccessKey(static_cast<char32_t>(wParam))) {
            return 0;
        }
        break;
    case WM_PAINT: {
        const PaintDc paint(m_hwnd);
        if (paint.Get()) {
            OnPaint(paint.Get());
        }
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcA(m_hwnd, msg, wParam, lParam);
}

} // namespace forms
