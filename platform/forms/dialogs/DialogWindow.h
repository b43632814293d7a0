#pragma once

#include "platform/forms/dialogs/DialogResponder.h"
#include "platform/win/WinTypes.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace forms {

// The window of a file, colour, font or folder dialog: an owned popup with a caption made of the
// platform's own controls (Static, Button, Edit, ListBox, ComboBox), which a derived dialog adds
// in Build and answers in OnCommand. The dialog keys work as a person expects:
//
//   Tab, Shift+Tab   the next or previous tab stop, wrapping
//   Enter            the focused push button, else OnCommand(IDOK)
//   Esc, close box   OnCommand(IDCANCEL)
//   Alt+letter       the control whose caption has that access key: a push button is pressed,
//                    a check box clicked, and a label gives the focus to the control after it
//
// unless the focused control asks for those keys itself (WM_GETDLGCODE, as a dropped combo does).
class DialogWindow {
public:
    DialogWindow(std::string caption, win::SIZE client);
    virtual ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Creates the window hidden, with its controls, centred over `owner`; false on failure.
    bool Create(win::HWND owner);
    win::HWND Hwnd() const { return m_hwnd; }
    win::HWND Item(int id) const;

    // Shows the dialog and runs its nested loop until End; `ask` runs once from inside the loop.
    void Run(const std::function<void()>& ask);
    void End() { m_ended = true; }
    bool Ended() const { return m_ended; }

    // The dialog object behind a window of this class, null for any other window.
    static DialogWindow* FromHwnd(win::HWND hwnd);
    static constexpr const char* kClassName = "CommonDialogWindow";

protected:
    virtual void Build() = 0;
    virtual void OnCommand(int id, int code) = 0;
    virtual void OnPaint(win::HDC) {}
    // Sees each message of the dialog's controls first; a value answers it instead of the
    // control (how a dialog draws and operates a part of its own inside a Static).
    virtual std::optional<win::LRESULT> OnControlMessage(win::HWND, win::UINT, win::WPARAM,
                                                         win::LPARAM) {
        return std::nullopt;
    }

    // Adds a visible child control; WS_CHILD and WS_VISIBLE are implied.
    win::HWND AddControl(const char* className, std::string_view text, win::DWORD style,
                         const win::RECT& rect, int id);
    std::string ItemText(int id) const;
    void SetItemText(int id, std::string_view text);
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    void FocusItem(int id);
    // The control that takes the focus when the dialog first activates (else the first tab stop).
    void SetInitialFocus(int id) { m_lastFocus = Item(id); }

private:
    static win::LRESULT Proc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    static win::LRESULT ControlProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                    win::LPARAM lParam);
    win::LRESULT Handle(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    // Tab, Enter and Esc as the dialog reads them; false when `from` wants the key itself.
    bool DialogKey(win::HWND from, int vk);
    // Alt+letter; false when no control has that access key.
    bool AccessKey(char32_t ch);
    void FocusControl(win::HWND control);
    void Subclass(win::HWND control);
    win::WNDPROC OriginalProc(win::HWND control) const;

    std::string m_caption;
    win::SIZE m_client;
    win::HWND m_hwnd;
    win::HWND m_lastFocus;
    bool m_ended = false;
    bool m_closing = false;
    std::vector<std::pair<win::HWND, win::WNDPROC>> m_subclassed;
};

// The text of a list box row ("" for no such row).
std::string ListBoxText(win::HWND list, int row);

// The window of one dialog kind: the decoded request it shows and the answer that ends it, from
// the person or the responder, whichever comes first.
template <class RequestType, class AnswerType>
class AnsweredDialog : public DialogWindow {
public:
    AnsweredDialog(RequestType request, std::string caption, win::SIZE client)
        : DialogWindow(std::move(caption), client), m_request(std::move(request)) {}

    const RequestType& Request() const { return m_request; }
    const std::optional<AnswerType>& Result() const { return m_result; }
    void Finish(AnswerType answer) {
        if (!m_result) {
            m_result = std::move(answer);
            End();
        }
    }

protected:
    const RequestType m_request;

private:
    std::optional<AnswerType> m_result;
};

// The one way a dialog kind meets its responder: shows `dialog`, lets the responder answer from
// inside its loop (Dialog::Finish takes the answer), and logs the request with the answer it got,
// from the responder or from the person at the window. Null when nothing answered.
template <class Dialog, class Request, class Answer>
std::optional<Answer> RunCommonDialog(Dialog& dialog, win::HWND owner,
                                      DialogResponder<Request, Answer>& responder,
                                      std::string_view where) {
    if (!dialog.Create(owner)) {
        responder.Record(dialog.Request(), std::nullopt);
        return std::nullopt;
    }
    dialog.Run([&] {
        if (std::optional<Answer> answer = AskResponder(responder, dialog.Request(), where)) {
            dialog.Finish(std::move(*answer));
        }
    });
    responder.Record(dialog.Request(), dialog.Result());
    return dialog.Result();
}

} // namespace forms
