#include "platform/forms/dialogs/HelpCalls.h"

#include "platform/win/test/TestApi.h"
#include "platform/win/window/Tree.h"

#include <utility>

namespace forms {

namespace {

std::vector<HelpCall>& Log() {
    static std::vector<HelpCall> log;
    return log;
}

void Record(const char* function, win::LPCSTR file, win::UINT command, uintptr_t data) {
    Log().push_back(HelpCall{function, file != nullptr ? file : "", command, data});
}

[[maybe_unused]] const bool g_resetAdded = (win::test::AddResetStep([] { Log().clear(); }), true);

} // namespace

const std::vector<HelpCall>& HelpCalls() {
    return Log();
}

std::vector<HelpCall> TakeHelpCalls() {
    return std::exchange(Log(), {});
}

} // namespace forms

namespace win {

HWND HtmlHelpA(HWND, LPCSTR file, UINT command, DWORD_PTR data) {
    forms::Record("HtmlHelpA", file, command, data);
    // Stands for the viewer window a real help call would return.
    return GetDesktopWindow();
}

BOOL WinHelpA(HWND, LPCSTR file, UINT command, ULONG_PTR data) {
    forms::Record("WinHelpA", file, command, data);
    return TRUE;
}

} // namespace win
