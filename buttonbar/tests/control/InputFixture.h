#pragma once

// A shown bar driven by injected mouse and keys, with its mouse events kept as values: the hit
// type and the very object hit.

#include "BarFixture.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/win/Win.h"

#include <string>
#include <vector>

namespace shelfstrip::test {

class InputFixture : public BarFixture {
protected:
    struct Mouse {
        ole::DISPID id;
        int32_t hit;
        ole::Ptr<ole::Object> item;
        float x;
        float y;
    };

    void TearDown() override {
        if (m_bar && m_cookie)
            ole::DisconnectEvents(m_bar, m_cookie);
        m_mouse.clear();
        BarFixture::TearDown();
    }

    // A shown bar with the focus in its button area.
    KSButtonBar& ShowBar(HostMode mode = HostMode::User) {
        KSButtonBar& bar = HostBar(mode, {0, 0, 180, 200});
        m_host->Show();
        ole::Ptr<ole::EventSink> sink = ole::EventSink::Create();
        for (const ole::DISPID id :
             {KSButtonBar::EvMouseDown, KSButtonBar::EvMouseUp, KSButtonBar::EvMouseMove}) {
            sink->On(id, [this, id](std::span<ole::Variant> args) {
                m_mouse.push_back({id, ole::CLng(args[4]), args[5].Deref().AsObject(),
                                   ole::CSng(args[2]), ole::CSng(args[3])});
            });
        }
        m_cookie = ole::ConnectEvents(m_bar, sink);
        bar.ButtonsBox()->SetFocus();
        win::test::pump();
        Events();
        return bar;
    }

    static win::POINT Centre(const win::RECT& r) {
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    win::HWND Area() { return Bar().ButtonsBox()->Window(); }
    win::HWND Lower() { return Bar().LowerGroupsBox()->Window(); }
    win::HWND Upper() { return Bar().UpperGroupsBox()->Window(); }
    ole::Ptr<CButton> Button(int32_t position) { return ActiveGroup()->GetButtons()->At(position); }
    static void Move(win::HWND hwnd, win::POINT pt) {
        win::test::mouseMove(hwnd, pt);
        win::test::pump();
    }
    static void Click(win::HWND hwnd, win::POINT pt,
                      win::test::MouseButton button = win::test::MouseButton::Left) {
        win::test::click(hwnd, pt, button);
        win::test::pump();
    }
    void Key(int vk) {
        win::test::keyPress(vk);
        win::test::pump();
    }
    // The last mouse event, then none.
    Mouse TakeMouse() {
        Mouse last = m_mouse.empty() ? Mouse{} : m_mouse.back();
        m_mouse.clear();
        return last;
    }

    std::vector<Mouse> m_mouse;
    uint32_t m_cookie = 0;
};

} // namespace shelfstrip::test
