#pragma once

// The designer hosted on a shown test form by ProgID, at client pixels (10, 10)-(310, 210) of the
// form, with hosted controls added through the form's Controls.Add inside it and placed in twips
// (the designer's scale mode). Input goes through the platform's hardware queue at designer
// client pixels; the designer's events are recorded from its extender.
//
//   TEST_F(MyTest, Something) {
//       auto button = Add("VB.CommandButton", "Command1", {300, 300, 1200, 750});
//       Designer().LetMode(ksModeSelect);
//       Click({40, 30});
//       EXPECT_EQ(Events(), ...);
//   }

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "testsupport/CleanPlatform.h"

#include "platform/forms/control/Control.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/win/WinTypes.h"
#include "platform/win/test/TestApi.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace layoutdesk::test {

class DesignerFixture : public testsupport::CleanPlatform {
protected:
    static constexpr win::RECT kBounds{10, 10, 310, 210};

    void SetUp() override;
    void TearDown() override;

    // Hosts the designer (once) and shows the form; read from `stored` when one was given first.
    ZORudeRuduvozu& Designer();
    void HostFromBag(ole::Ptr<ole::PropertyBag> stored) { m_stored = std::move(stored); }
    forms::test::TestHost& Host() { return *m_host; }
    forms::Form& GetForm() { return m_host->GetForm(); }
    const ole::Ptr<forms::Extender>& DesignerExtender();

    // Controls.Add, made visible and moved to `twips` (left, top, right, bottom) in its
    // container; the designer when no container is given.
    ole::Ptr<forms::Control> Add(std::string_view progId, const std::string& name,
                                 const win::RECT& twips, ole::Ptr<ole::Object> container = {});
    ole::Ptr<forms::Control> AddLine(const std::string& name, const win::RECT& ends,
                                     ole::Ptr<ole::Object> container = {});

    // Input at designer client pixels.
    win::HWND Surface() { return Designer().hWnd(); }
    void Press(win::POINT pt, win::test::MouseButton button = win::test::MouseButton::Left);
    void MoveTo(win::POINT pt);
    void Release(win::POINT pt, win::test::MouseButton button = win::test::MouseButton::Left);
    void Click(win::POINT pt, win::test::MouseButton button = win::test::MouseButton::Left);
    void Drag(win::POINT from, win::POINT to, int steps = 3);

    // A host handler run for every event after it is recorded (by-reference arguments as the
    // designer passes them).
    using Handler = std::function<void(ole::DISPID, std::span<ole::Variant>)>;
    void OnEvent(Handler handler);
    // The designer's events since the last call, as "Name(arg, ...)".
    std::vector<std::string> Events();
    std::vector<std::string> EventNames();
    // The selection by Name, in selection order.
    std::vector<std::string> Selected();
    // Left, Top, Width, Height as text "l,t,w,h".
    static std::string Geometry(const ole::Ptr<forms::Control>& control);

private:
    std::unique_ptr<forms::test::TestHost> m_host;
    ole::Ptr<forms::Extender> m_extender;
    ole::Ptr<ZORudeRuduvozu> m_designer;
    ole::Ptr<ole::Object> m_recorder;
    ole::Ptr<ole::PropertyBag> m_stored;
    uint32_t m_cookie = 0;
};

// The designer with Command1 at pixels (20, 20)-(100, 60) inside it.
class OneButtonFixture : public DesignerFixture {
protected:
    void SetUp() override {
        DesignerFixture::SetUp();
        button = Add("VB.CommandButton", "Command1", {300, 300, 1500, 900});
    }
    void TearDown() override {
        button = nullptr;
        DesignerFixture::TearDown();
    }

    ole::Ptr<forms::Control> button;
};

} // namespace layoutdesk::test
