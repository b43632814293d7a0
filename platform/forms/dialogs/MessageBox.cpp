#include "platform/forms/dialogs/MessageBox.h"

#include "platform/forms/app/App.h"
#include "platform/forms/dialogs/MessageBoxWindow.h"
#include "platform/forms/dialogs/ModalDialog.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"
#include "platform/win/window/Activation.h"

#include <string>

namespace win {

int MessageBoxA(HWND hwnd, LPCSTR text, LPCSTR caption, UINT type) {
    forms::MessageBoxResponderType& responder = forms::MessageBoxResponder();
    forms::MessageBoxWindow box(forms::MessageBoxRequest::Decode(hwnd, text, caption, type));
    if (!box.Create()) {
        responder.Record(box.Request(), std::nullopt);
        return 0;
    }
    const auto ask = [&] {
        const std::optional<int> answer =
            forms::AskResponder(responder, box.Request(), "message box responder");
        if (answer && !box.Finish(*answer)) {
            test::RecordCaughtException("message box responder", "answer " +
                                                                     std::to_string(*answer) +
                                                                     " is not a button of the box");
        }
    };
    forms::RunDialog(box.Hwnd(), ask, [&] { return box.Result().has_value(); });
    // Nothing answered (headless and idle, WM_QUIT, or the box was destroyed): the default button.
    const int result = box.Result().value_or(box.Request().defaultButton);
    responder.Record(box.Request(), box.Result());
    return result;
}

} // namespace win

namespace forms {

MessageBoxResponderType& MessageBoxResponder() {
    return ResponderInstance<MessageBoxResponderType>();
}

int MsgBox(const App& component, std::string_view prompt, int buttons,
           std::optional<std::string_view> title) {
    const std::string text(prompt);
    const std::string caption = title ? std::string(*title) : component.Title();
    return win::MessageBoxA(win::GetActiveWindow(), text.c_str(), caption.c_str(),
                            static_cast<win::UINT>(buttons));
}

int MsgBox(std::string_view prompt, int buttons, std::optional<std::string_view> title) {
    return MsgBox(App::Program(), prompt, buttons, title);
}

} // namespace forms
