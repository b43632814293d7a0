#pragma once

#include "platform/ole/object/ObjectProbes.h"
#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/Spy.h"
#include "platform/win/test/TestApi.h"
#include "platform/win/test/TestWindowClass.h"
#include "platform/win/window/MessageObserver.h"
#include "shared/tooltip/CToolTip.h"
#include "shared/tooltip/CTooltip.h"
#include "testsupport/CleanPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace tooltiptest {

using namespace win;

// What a message to the tip pointed at, copied while it was being delivered (the spy keeps only
// the pointer, which is dead once the wrapper's call returns).
struct Tapped {
    UINT msg = 0;
    WPARAM wParam = 0;
    std::optional<TOOLINFOA> info;
    std::string text; // the tool's text, or the title
    bool textNull = true;
};

class PointeeTap final : public detail::MessageObserver {
public:
    PointeeTap() { detail::AddMessageObserver(this); }
    ~PointeeTap() override { detail::RemoveMessageObserver(this); }
    PointeeTap(const PointeeTap&) = delete;
    PointeeTap& operator=(const PointeeTap&) = delete;

    void Watch(HWND hwnd) { m_hwnd = hwnd; }
    const std::vector<Tapped>& Of() const { return m_tapped; }
    std::vector<Tapped> Of(UINT msg) const;
    void Clear() { m_tapped.clear(); }

    void BeforeDeliver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, int depth) override;
    void AfterDeliver(HWND, UINT, LRESULT, int) override {}

private:
    HWND m_hwnd;
    std::vector<Tapped> m_tapped;
};

// A clean platform around every test, with the tools' parent class "TipParent" (an answerable
// test class) whose recorder logs the tooltip notifications it gets.
class TooltipTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override;

    // A shown top-level window at (x, y), made active.
    static HWND MakeParent(int x = 100, int y = 100, int cx = 300, int cy = 200);
    // The top-level windows, topmost first.
    static std::vector<HWND> ZOrder();
    static bool Above(HWND upper, HWND lower);
    static bool Shown(HWND hwnd) { return IsWindowVisible(hwnd) != FALSE; }
    // The NMHDR codes the parent got, in order.
    static std::vector<int> Notifications();
};

namespace fixture {

inline bool CarriesToolInfo(UINT msg) {
    return msg == TTM_ADDTOOLA || msg == TTM_DELTOOLA || msg == TTM_NEWTOOLRECTA ||
           msg == TTM_UPDATETIPTEXTA || msg == TTM_GETTEXTA || msg == TTM_ENUMTOOLSA;
}

} // namespace fixture

inline std::vector<Tapped> PointeeTap::Of(UINT msg) const {
    std::vector<Tapped> out;
    std::copy_if(m_tapped.begin(), m_tapped.end(), std::back_inserter(out),
                 [msg](const Tapped& t) { return t.msg == msg; });
    return out;
}

inline void PointeeTap::BeforeDeliver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, int) {
    if (!hwnd || hwnd != m_hwnd || msg < WM_USER) {
        return;
    }
    Tapped tapped{msg, wParam, {}, {}, true};
    if (fixture::CarriesToolInfo(msg) && lParam) {
        tapped.info = *reinterpret_cast<const TOOLINFOA*>(lParam);
        if (const char* text = tapped.info->lpszText) {
            tapped.textNull = false;
            // The read buffer is only as long as wParam says.
            tapped.text = msg == TTM_GETTEXTA ? std::string(text, wParam) : std::string(text);
        }
    } else if (msg == TTM_SETTITLEA && lParam) {
        tapped.textNull = false;
        tapped.text = reinterpret_cast<const char*>(lParam);
    }
    m_tapped.push_back(std::move(tapped));
}

inline void TooltipTest::SetUp() {
    CleanPlatform::SetUp();
    ASSERT_NE(test::TestWindowClass::Register("TipParent", HBRUSH::FromValue(COLOR_BTNFACE + 1)),
              0);
    test::TestWindowClass::Recorder().Watch({WM_NOTIFY});
}

inline std::vector<int> TooltipTest::Notifications() {
    std::vector<int> codes;
    for (const test::RecordedMessage& r : test::TestWindowClass::Recorder().Of(WM_NOTIFY))
        codes.push_back(r.code);
    return codes;
}

inline HWND TooltipTest::MakeParent(int x, int y, int cx, int cy) {
    const HWND hwnd = CreateWindowExA(0, "TipParent", "parent", WS_POPUP | WS_VISIBLE, x, y, cx, cy,
                                      {}, {}, {}, nullptr);
    SetActiveWindow(hwnd);
    return hwnd;
}

inline std::vector<HWND> TooltipTest::ZOrder() {
    std::vector<HWND> order;
    EnumWindows(
        [](HWND hwnd, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&order));
    return order;
}

inline bool TooltipTest::Above(HWND upper, HWND lower) {
    const std::vector<HWND> order = ZOrder();
    const auto u = std::find(order.begin(), order.end(), upper);
    const auto l = std::find(order.begin(), order.end(), lower);
    return u != order.end() && l != order.end() && u < l;
}

} // namespace tooltiptest
