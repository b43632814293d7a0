#pragma once

// Minimal standard-style controls for the form tests: a windowed one on a runtime class that
// records reflected messages, and a windowless one that paints a colour and raises mouse events.

#include "platform/forms/Forms.h"
#include "platform/ole/Ole.h"
#include "platform/win/Win.h"

#include <vector>

namespace hosttest {

using namespace forms;

inline std::vector<ole::EventParam> MouseParams() {
    return {{"Button", ole::VT_I2}, {"Shift", ole::VT_I2}, {"X", ole::VT_R4}, {"Y", ole::VT_R4}};
}

class ProbeWidget : public Control {
public:
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info = [] {
            ole::ClassBuilder<ProbeWidget> b("ProbeWidget");
            b.Library("ProbeLib");
            AddCommonMembers(b, CommonMembers::All);
            b.Event("Click", eventid::Click)
                .Event("MouseDown", eventid::MouseDown, MouseParams())
                .Event("MouseUp", eventid::MouseUp, MouseParams())
                .Event("GotFocus", eventid::GotFocus)
                .Event("Resize", eventid::Resize);
            return b.Build();
        }();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    std::optional<win::LRESULT> OnReflected(win::UINT msg, win::WPARAM, win::LPARAM) override {
        reflected.push_back(msg);
        if (msg == win::WM_CTLCOLORSTATIC)
            return 77;
        return std::nullopt;
    }

    std::vector<win::UINT> reflected;

protected:
    std::string_view WindowClassName() const override {
        return RegisterRuntimeClass("ProbeWidgetWindow", win::CS_DBLCLKS);
    }
};

class ProbeMark : public Control {
public:
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info = [] {
            ole::ClassBuilder<ProbeMark> b("ProbeMark");
            b.Library("ProbeLib");
            AddCommonMembers(b, CommonMembers::Geometry | CommonMembers::Pointer |
                                    CommonMembers::ZOrder);
            b.Event("Click", eventid::Click)
                .Event("MouseDown", eventid::MouseDown, MouseParams())
                .Event("MouseUp", eventid::MouseUp, MouseParams());
            return b.Build();
        }();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    void PaintWindowless(win::HDC hdc, const win::RECT& bounds) override {
        ++paints;
        const win::HBRUSH brush = win::CreateSolidBrush(color);
        win::FillRect(hdc, &bounds, brush);
        win::DeleteObject(brush);
    }

    win::COLORREF color = win::RGB(255, 0, 0);
    int paints = 0;
};

} // namespace hosttest
