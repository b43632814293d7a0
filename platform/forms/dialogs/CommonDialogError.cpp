#include "platform/forms/dialogs/CommonDialogError.h"

#include "platform/win/test/TestApi.h"

namespace forms {

namespace {

win::DWORD& LastError() {
    static win::DWORD error = 0;
    return error;
}

[[maybe_unused]] const bool g_resetAdded = (win::test::AddResetStep([] { LastError() = 0; }), true);

} // namespace

void SetCommDlgError(win::DWORD error) {
    LastError() = error;
}

} // namespace forms

namespace win {

DWORD CommDlgExtendedError() {
    return forms::LastError();
}

} // namespace win
