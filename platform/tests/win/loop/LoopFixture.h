#pragma once

#include "platform/win/Win.h"
#include "platform/win/detail/LoopSeam.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"
#include "platform/win/test/TestWindowClass.h"
#include "testsupport/CleanPlatform.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace looptest {

using namespace win;

using Received = test::RecordedMessage;

// Every test starts and ends on a clean platform; whatever a test leaves behind must go. The test
// window classes "LoopPlain" and "LoopDbl" (double clicks) record what a test watches and may
// answer messages themselves.
class LoopTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        ASSERT_NE(test::TestWindowClass::Register("LoopPlain"), 0);
        ASSERT_NE(test::TestWindowClass::Register("LoopDbl", {}, CS_DBLCLKS), 0);
    }

    static void Watch(std::initializer_list<UINT> messages) { Rec().Watch(messages); }
    static test::MessageRecorder& Rec() { return test::TestWindowClass::Recorder(); }
    static void Answer(test::TestWindowClass::AnswerFn answer) {
        test::TestWindowClass::Answer(std::move(answer));
    }

    // A visible popup at screen rect (x, y, w, h), without a frame: client == window.
    static HWND TopLevel(int x, int y, int w, int h, const char* cls = "LoopPlain",
                         DWORD exStyle = 0) {
        return CreateWindowExA(exStyle, cls, "", WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr,
                               nullptr, nullptr, nullptr);
    }
    static HWND Child(HWND parent, int x, int y, int w, int h, const char* cls = "LoopPlain",
                      DWORD style = 0) {
        return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                               nullptr, nullptr, nullptr);
    }
};

} // namespace looptest
