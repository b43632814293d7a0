#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/test/MessageRecorder.h"

#include <functional>
#include <optional>

namespace win::test {

// The window procedure of every test window class: it records what the recorder watches, lets
// the test answer chosen messages itself and hands the rest to DefWindowProcA. A platform reset
// forgets the answer and the recording along with the classes.
//
//   TestWindowClass::Register("MyTest", HBRUSH::FromValue(COLOR_WINDOW + 1));
//   TestWindowClass::Recorder().Watch({WM_COMMAND});
//   TestWindowClass::Answer([](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
//       return msg == WM_GETDLGCODE ? std::optional<LRESULT>(DLGC_WANTALLKEYS) : std::nullopt;
//   });
class TestWindowClass {
public:
    using AnswerFn = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

    // 0 when the class cannot be registered (a name already taken).
    static ATOM Register(const char* name, HBRUSH background = {}, UINT style = 0);
    // Replaces the previous answer; an empty function answers nothing.
    static void Answer(AnswerFn answer);
    static MessageRecorder& Recorder();
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

} // namespace win::test
