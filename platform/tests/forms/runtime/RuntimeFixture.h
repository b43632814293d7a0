#pragma once

#include "platform/forms/dialogs/HelpCalls.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/object/ObjectProbes.h"
#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"
#include "platform/win/test/TestWindowClass.h"
#include "testsupport/CleanPlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace runtimetest {

using namespace win;

// A clean platform (no dialog responders, help calls or reported errors) around every test, with
// the answerable test class "RtTest" registered.
class RuntimeTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        ASSERT_NE(test::TestWindowClass::Register("RtTest", HBRUSH::FromValue(COLOR_WINDOW + 1)),
                  0);
    }

    static void Answer(test::TestWindowClass::AnswerFn answer) {
        test::TestWindowClass::Answer(std::move(answer));
    }

    static HWND TopLevel(DWORD exStyle = 0) {
        return CreateWindowExA(exStyle, "RtTest", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                               100, 400, 300, {}, {}, {}, nullptr);
    }

    static HWND Child(HWND parent) {
        return CreateWindowExA(0, "RtTest", "child", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, parent,
                               HMENU::FromValue(7), {}, nullptr);
    }

    static forms::MessageBoxResponderType& Responder() { return forms::MessageBoxResponder(); }
};

} // namespace runtimetest
