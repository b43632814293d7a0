#pragma once

#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/Spy.h"
#include "platform/win/test/TestApi.h"
#include "platform/win/test/TestWindowClass.h"
#include "testsupport/CleanPlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace wmtest {

using namespace win;

// A clean platform around every test, with two answerable test classes registered: "WmTest"
// (white background) and "WmBare" (no background).
class WindowTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        Register("WmTest", HBRUSH::FromValue(COLOR_WINDOW + 1));
        Register("WmBare", HBRUSH{});
    }

    static void Register(const char* name, HBRUSH background, UINT style = 0) {
        ASSERT_NE(test::TestWindowClass::Register(name, background, style), 0);
    }

    static void Answer(test::TestWindowClass::AnswerFn answer) {
        test::TestWindowClass::Answer(std::move(answer));
    }

    static HWND TopLevel(int x, int y, int cx, int cy, DWORD style = WS_OVERLAPPED | WS_VISIBLE,
                         DWORD exStyle = 0, HWND owner = {}) {
        return CreateWindowExA(exStyle, "WmTest", "top", style, x, y, cx, cy, owner, {}, {},
                               nullptr);
    }

    static HWND Child(HWND parent, int x, int y, int cx, int cy,
                      DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0, int id = 0,
                      const char* className = "WmTest") {
        return CreateWindowExA(exStyle, className, "child", style, x, y, cx, cy, parent,
                               HMENU::FromValue(static_cast<uint32_t>(id)), {}, nullptr);
    }
};

} // namespace wmtest
