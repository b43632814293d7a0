#pragma once

// The property list hosted on a test form, the way a program hosts it: created by ProgID through
// the class registry (the real list box and colour picker loaded from their libraries), reached
// through its extender by member id or name. Every test ends on a clean platform: every live
// count back where it was and no error caught at a boundary.
//
//   class MyTest : public attrgrid::test::GridFixture {};
//   TEST_F(MyTest, Something) {
//       HostGrid();                       // user mode, InitProperties, default font
//       Put(ZAVeravuvuDudu::IdGrid, ole::Variant(int32_t{0}));
//       EXPECT_EQ(Grid().GetGrid(), 0);
//       EXPECT_EQ(EventNames(), ...);     // events of the control since HostGrid
//   }

#include "StandIns.h"

#include "propertylist/control/ZAVeravuvuDudu.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/host/Ambient.h"
#include "platform/forms/test/EventRecorder.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/object/ObjectProbes.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"
#include "testsupport/CleanPlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace attrgrid::test {

using forms::test::HostMode;

using testsupport::LiveCounts;

class GridFixture : public testsupport::CleanPlatform {
protected:
    static constexpr win::RECT kDefaultBounds{10, 10, 310, 250};

    void SetUp() override {
        CleanPlatform::SetUp();
        // The list box and the colour picker are the real ones, loaded from their libraries by
        // ProgID; tests that watch their calls register the stand-ins themselves.
        ZAVeravuvuDudu::Register();
    }

    void TearDown() override {
        Unload();
        CleanPlatform::TearDown();
    }

    // Hosts the control: a new one (InitProperties) without `stored`, else ReadProperties from it.
    ZAVeravuvuDudu& HostGrid(HostMode mode = HostMode::User, ole::PropertyBag* stored = nullptr,
                             const win::RECT& bounds = kDefaultBounds) {
        Host(mode);
        m_grid = ole::PtrCast<ZAVeravuvuDudu>(ole::ClassRegistry::Create(ZAVeravuvuDudu::kProgId));
        if (!m_grid)
            throw std::runtime_error("the control was not created");
        // Attached before siting, so the events raised while the properties load are recorded.
        m_events = forms::test::EventRecorder::Attach(m_grid);
        m_extender = m_host->Host(m_grid, "Grid1", bounds, stored);
        win::test::pump();
        return *m_grid;
    }

    // The control on a shown form, so that its windows paint.
    ZAVeravuvuDudu& ShowGrid(const win::RECT& bounds = kDefaultBounds,
                             HostMode mode = HostMode::User) {
        HostGrid(mode, nullptr, bounds);
        Host().Show();
        return Grid();
    }

    // Properties "P<n>" with values n, in `category` when one is given.
    void AddProperties(int count, const std::string& category = {}) {
        auto properties = m_grid->GetProperties();
        for (int i = 0; i < count; ++i) {
            const auto n = properties->Count();
            properties->Add("P" + std::to_string(n), ole::Variant(n), category);
        }
    }

    // Rows the grid shows at once below its headers.
    int32_t Page() {
        win::RECT rc{};
        win::GetClientRect(m_grid->GridWnd(), &rc);
        return (rc.bottom - m_grid->HeaderHeightPixels()) / m_grid->RowHeight();
    }

    // Message boxes the control shows are answered OK (the responder records them).
    static void AnswerMessageBoxesWithOk() {
        forms::MessageBoxResponder().Reset();
        forms::MessageBoxResponder().SetFunction(
            [](const forms::MessageBoxRequest&) { return std::optional<int>(forms::vbOK); });
    }

    ZAVeravuvuDudu& Grid() { return *m_grid; }
    const ole::Ptr<ZAVeravuvuDudu>& GridObject() const { return m_grid; }
    forms::Extender& Ext() { return *m_extender; }
    // The form, made on first use in `mode` (later calls keep the first mode); set its font
    // before HostGrid to give the control another ambient font.
    forms::test::TestHost& Host(HostMode mode = HostMode::User) {
        if (!m_host)
            m_host = std::make_unique<forms::test::TestHost>(mode);
        return *m_host;
    }

    // Late-bound access through the control's own dispatch, as the demo calls it.
    ole::Variant Get(ole::DISPID id) { return m_grid->Invoke(id, ole::DISPATCH_PROPERTYGET, {}); }
    void Put(ole::DISPID id, ole::Variant value) {
        ole::Variant args[] = {std::move(value)};
        m_grid->Invoke(id, ole::DISPATCH_PROPERTYPUT, args);
    }
    void PutRef(ole::DISPID id, ole::Variant value) {
        ole::Variant args[] = {std::move(value)};
        m_grid->Invoke(id, ole::DISPATCH_PROPERTYPUTREF, args);
    }
    ole::Variant Call(ole::DISPID id, std::vector<ole::Variant> args = {}) {
        return m_grid->Invoke(id, ole::DISPATCH_METHOD, args);
    }

    // The host's handlers for the control's events, by event id, connected until it unloads.
    void OnEvent(ole::DISPID id, std::function<void(std::span<ole::Variant>)> handler) {
        if (!m_sink) {
            m_sink = ole::EventSink::Create();
            m_cookie = ole::ConnectEvents(m_grid, m_sink);
        }
        m_sink->On(id, std::move(handler));
    }

    // The control's events since HostGrid began (or the last ClearEvents), by name.
    std::vector<std::string> EventNames() const {
        return m_events ? m_events->Names() : std::vector<std::string>{};
    }
    const std::vector<std::string>& EventLog() const { return m_events->Log(); }
    void ClearEvents() {
        if (m_events)
            m_events->Clear();
    }

    // Saves the control into a new container bag (WriteProperties).
    ole::Ptr<ole::PropertyBag> Save() { return forms::test::TestHost::Save(*m_extender); }

    // Unloads the form (WM_DESTROY of every window, then Terminate) and lets go of the control.
    void Unload() {
        if (m_cookie)
            ole::DisconnectEvents(m_grid, m_cookie);
        m_cookie = 0;
        m_sink = nullptr;
        if (m_events)
            m_events->Detach();
        m_events = nullptr;
        m_extender = nullptr;
        m_grid = nullptr;
        m_host.reset();
        win::test::pump();
    }

private:
    std::unique_ptr<forms::test::TestHost> m_host;
    ole::Ptr<forms::Extender> m_extender;
    ole::Ptr<ZAVeravuvuDudu> m_grid;
    ole::Ptr<forms::test::EventRecorder> m_events;
    ole::Ptr<ole::EventSink> m_sink;
    uint32_t m_cookie = 0;
};

} // namespace attrgrid::test
