#include "platform/win/test/TestWindowClass.h"

#include "platform/win/WinConstants.h"
#include "platform/win/test/TestApi.h"
#include "platform/win/window/Classes.h"
#include "platform/win/window/Messages.h"

namespace win::test {

namespace {

struct State {
    TestWindowClass::AnswerFn answer;
    MessageRecorder recorder;
};

State& Current() {
    static State state;
    return state;
}

[[maybe_unused]] const bool g_resetAdded = (AddResetStep([] {
                                                Current().answer = nullptr;
                                                Current().recorder.Reset();
                                            }),
                                            true);

} // namespace

ATOM TestWindowClass::Register(const char* name, HBRUSH background, UINT style) {
    WNDCLASSEXA wc;
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = &TestWindowClass::Proc;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExA(&wc);
}

void TestWindowClass::Answer(AnswerFn answer) {
    Current().answer = std::move(answer);
}

MessageRecorder& TestWindowClass::Recorder() {
    return Current().recorder;
}

LRESULT TestWindowClass::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Current().recorder.Record(hwnd, msg, wParam, lParam);
    // A copy: the answer may replace itself while it runs.
    if (const AnswerFn answer = Current().answer) {
        if (const auto result = answer(hwnd, msg, wParam, lParam))
            return *result;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace win::test
