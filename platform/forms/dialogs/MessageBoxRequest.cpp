#include "platform/forms/dialogs/MessageBoxRequest.h"

#include "platform/forms/dialogs/MessageBoxConstants.h"
#include "platform/forms/dialogs/ModalDialog.h"

#include <algorithm>

namespace forms {

namespace {

std::vector<int> ButtonsOf(win::UINT type) {
    using namespace win;
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        // Unknown sets show OK alone, as MB_OK does.
        return {IDOK};
    }
}

MessageBoxIcon IconOf(win::UINT type) {
    using namespace win;
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return MessageBoxIcon::Stop;
    case MB_ICONQUESTION:
        return MessageBoxIcon::Question;
    case MB_ICONEXCLAMATION:
        return MessageBoxIcon::Exclamation;
    case MB_ICONASTERISK:
        return MessageBoxIcon::Information;
    default:
        return MessageBoxIcon::None;
    }
}

} // namespace

MessageBoxRequest MessageBoxRequest::Decode(win::HWND hwnd, const char* text, const char* caption,
                                            win::UINT type) {
    MessageBoxRequest request;
    request.owner = DialogOwnerOf(hwnd);
    request.text = text != nullptr ? text : "";
    request.caption = caption != nullptr ? caption : "Error";
    request.type = type;
    request.buttons = ButtonsOf(type);
    request.icon = IconOf(type);
    // A default beyond the last button falls back to the first.
    const size_t defaultIndex = (type & win::MB_DEFMASK) >> 8;
    request.defaultButton =
        request.buttons[defaultIndex < request.buttons.size() ? defaultIndex : 0];
    if (request.HasButton(win::IDCANCEL)) {
        request.escapeResult = win::IDCANCEL;
    } else if (request.buttons == std::vector<int>{win::IDOK}) {
        request.escapeResult = win::IDOK;
    }
    return request;
}

bool MessageBoxRequest::HasButton(int id) const {
    return std::find(buttons.begin(), buttons.end(), id) != buttons.end();
}

const char* MessageBoxButtonText(int id) {
    switch (id) {
    case win::IDOK:
        return "OK";
    case win::IDCANCEL:
        return "Cancel";
    case win::IDABORT:
        return "&Abort";
    case win::IDRETRY:
        return "&Retry";
    case win::IDIGNORE:
        return "&Ignore";
    case win::IDYES:
        return "&Yes";
    case win::IDNO:
        return "&No";
    default:
        return "";
    }
}

} // namespace forms
