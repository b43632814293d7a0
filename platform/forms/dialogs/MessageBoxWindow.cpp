#include "platform/forms/dialogs/MessageBoxWindow.h"

#include "platform/forms/dialogs/MessageBoxPainter.h"
#include "platform/forms/dialogs/ModalDialog.h"
#include "platform/win/WinConstants.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/input/Capture.h"
#include "platform/win/input/Input.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/text/AccessKey.h"
#include "platform/win/window/Window.h"

#include <cctype>
#include <utility>

namespace forms {

using namespace win;

MessageBoxWindow::MessageBoxWindow(MessageBoxRequest request)
    : m_request(std::move(request)),
      m_layout(MessageBoxLayout::Compute(m_request, &MessageBoxPainter::MeasureText)) {
    for (size_t i = 0; i < m_request.buttons.size(); ++i) {
        if (m_request.buttons[i] == m_request.defaultButton) {
            m_focus = static_cast<int>(i);
        }
    }
}

MessageBoxWindow::~MessageBoxWindow() {
    if (m_hwnd && IsWindow(m_hwnd)) {
        DestroyWindow(m_hwnd);
    }
}

bool MessageBoxWindow::Create() {
    return EnsureDialogClass(kClassName, &MessageBoxWindow::Proc) &&
           CreateDialogWindow(kClassName, m_request.caption.c_str(), 0, m_request.owner,
                              m_layout.client, this);
}

bool MessageBoxWindow::Finish(int id) {
    if (m_result || !m_request.HasButton(id)) {
        return false;
    }
    m_result = id;
    return true;
}

LRESULT MessageBoxWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* created = static_cast<MessageBoxWindow*>(
            reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        created->m_hwnd = hwnd;
        SetWindowLongA(hwnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* box = reinterpret_cast<MessageBoxWindow*>(GetWindowLongA(hwnd, GWL_USERDATA));
    if (box == nullptr || box->m_hwnd != hwnd) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    return box->Handle(msg, wParam, lParam);
}

LRESULT MessageBoxWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND: {
        // The box's background is what its procedure answers for WM_CTLCOLORMSGBOX.
        const HDC dc = HdcFromParam(static_cast<LPARAM>(wParam));
        const HBRUSH brush =
            HbrushFromParam(SendMessageA(m_hwnd, WM_CTLCOLORMSGBOX, wParam, HandleToParam(m_hwnd)));
        RECT client;
        GetClientRect(m_hwnd, &client);
        return brush && FillRect(dc, &client, brush) ? 1 : 0;
    }
    case WM_PAINT:
        Paint();
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            SetFocus(m_hwnd);
        }
        return 0;
    case WM_KEYDOWN:
        if (OnKeyDown(static_cast<int>(wParam))) {
            return 0;
        }
        break;
    case WM_KEYUP:
        if (static_cast<int>(wParam) == VK_SPACE && m_spaceDown) {
            m_spaceDown = false;
            SetPressed(-1);
            Finish(m_request.buttons[static_cast<size_t>(m_focus)]);
            return 0;
        }
        break;
    case WM_CHAR:
    case WM_SYSCHAR:
        if (OnCharacter(static_cast<char32_t>(wParam))) {
            return 0;
        }
        break;
    case WM_LBUTTONDOWN: {
        const int index = m_layout.ButtonAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (index >= 0) {
            m_tracking = index;
            m_focus = index;
            SetCapture(m_hwnd);
            SetPressed(index);
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (m_tracking >= 0) {
            const int under = m_layout.ButtonAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            SetPressed(under == m_tracking ? m_tracking : -1);
        }
        return 0;
    case WM_LBUTTONUP:
        if (m_tracking >= 0) {
            const int released = m_layout.ButtonAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            const int tracked = std::exchange(m_tracking, -1);
            ReleaseCapture();
            SetPressed(-1);
            if (released == tracked) {
                Finish(m_request.buttons[static_cast<size_t>(tracked)]);
            }
        }
        return 0;
    case WM_CAPTURECHANGED:
        m_tracking = -1;
        SetPressed(-1);
        return 0;
    case WM_CLOSE:
        // The close box and Alt+F4 answer like Esc; the box itself is destroyed by its caller.
        if (m_request.escapeResult != 0) {
            Finish(m_request.escapeResult);
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcA(m_hwnd, msg, wParam, lParam);
}

bool MessageBoxWindow::OnKeyDown(int vk) {
    switch (vk) {
    case VK_RETURN:
        Finish(m_request.buttons[static_cast<size_t>(m_focus)]);
        return true;
    case VK_ESCAPE:
        if (m_request.escapeResult != 0) {
            Finish(m_request.escapeResult);
        }
        return true;
    case VK_SPACE:
        m_spaceDown = true;
        SetPressed(m_focus);
        return true;
    case VK_TAB:
        MoveFocus(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
        return true;
    case VK_LEFT:
    case VK_UP:
        MoveFocus(-1);
        return true;
    case VK_RIGHT:
    case VK_DOWN:
        MoveFocus(1);
        return true;
    default:
        return false;
    }
}

bool MessageBoxWindow::OnCharacter(char32_t ch) {
    if (ch >= 0x80) {
        return false;
    }
    const char key = static_cast<char>(std::toupper(static_cast<int>(ch)));
    for (const int id : m_request.buttons) {
        if (key != '\0' && win::AccessKeyOf(MessageBoxButtonText(id)) == key) {
            Finish(id);
            return true;
        }
    }
    return false;
}

void MessageBoxWindow::MoveFocus(int step) {
    const int count = static_cast<int>(m_request.buttons.size());
    m_focus = (m_focus + step + count) % count;
    m_spaceDown = false;
    SetPressed(-1);
    InvalidateButtons();
}

void MessageBoxWindow::SetPressed(int index) {
    if (m_pressed != index) {
        m_pressed = index;
        InvalidateButtons();
    }
}

void MessageBoxWindow::InvalidateButtons() {
    for (const RECT& button : m_layout.buttons) {
        InvalidateRect(m_hwnd, &button, FALSE);
    }
}

void MessageBoxWindow::Paint() {
    const PaintDc paint(m_hwnd);
    const HDC dc = paint.Get();
    if (!dc) {
        return;
    }
    // Who subclasses the box may colour its text as it would a static control's.
    SendMessageA(m_hwnd, WM_CTLCOLORSTATIC, static_cast<WPARAM>(dc.Value()), HandleToParam(m_hwnd));
    MessageBoxPainter::DrawIcon(dc, m_layout.icon, m_request.icon);
    MessageBoxPainter::DrawText(dc, m_request.text, m_layout.text);
    for (size_t i = 0; i < m_layout.buttons.size(); ++i) {
        const int index = static_cast<int>(i);
        MessageBoxPainter::DrawButton(dc, m_layout.buttons[i],
                                      MessageBoxButtonText(m_request.buttons[i]), index == m_focus,
                                      index == m_pressed, index == m_focus);
    }
}

} // namespace forms
