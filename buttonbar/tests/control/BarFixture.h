#pragma once

// The button bar hosted on a test form as a program hosts it: created by ProgID, reached by member
// id through its own dispatch, its events recorded. Every test ends with windows, DCs, GDI
// objects, hooks and objects back where they were.

#include "buttonbar/control/KSButtonBar.h"

#include "testsupport/CleanPlatform.h"

#include "platform/forms/test/EventRecorder.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/picture/PictureType.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/test/TestApi.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace shelfstrip::test {

using forms::test::HostMode;

class BarFixture : public testsupport::CleanPlatform {
protected:
    static constexpr win::RECT kBounds{10, 10, 210, 310};

    void SetUp() override {
        CleanPlatform::SetUp();
        KSButtonBar::Register();
    }
    void TearDown() override {
        Unload();
        m_stored = nullptr;
        CleanPlatform::TearDown();
    }

    // A new bar, or one read from `stored`; the events of its loading stay in m_loadEvents.
    KSButtonBar& HostBar(HostMode mode = HostMode::User, const win::RECT& bounds = kBounds,
                         ole::PropertyBag* stored = nullptr) {
        if (!m_host)
            m_host = std::make_unique<forms::test::TestHost>(mode);
        m_bar = ole::PtrCast<KSButtonBar>(ole::ClassRegistry::Create(KSButtonBar::kProgId));
        m_events = forms::test::EventRecorder::Attach(m_bar);
        m_extender = m_host->Host(m_bar, "Bar1", bounds, stored);
        win::test::pump();
        m_loadEvents = m_events->Names();
        m_events->Clear();
        m_bar->ClearPropertyChangedLog();
        return *m_bar;
    }

    void Unload() {
        if (m_events)
            m_events->Detach();
        m_events = nullptr;
        m_extender = nullptr;
        m_bar = nullptr;
        m_host.reset();
        win::test::pump();
    }

    // Saves the bar, passes the bag through its stored bytes and loads a new bar from it.
    KSButtonBar& Reload(HostMode mode = HostMode::User) {
        m_stored = ole::PropertyBag::FromBytes(forms::test::TestHost::Save(*m_extender)->ToBytes());
        Unload();
        return HostBar(mode, kBounds, m_stored.Get());
    }

    // Loads a bar from the entries given.
    KSButtonBar& Load(const std::vector<std::pair<std::string, ole::Variant>>& entries,
                      HostMode mode = HostMode::User) {
        m_stored = ole::PropertyBag::Create();
        for (const auto& [name, value] : entries)
            m_stored->WriteProperty(name, value, ole::Variant::Missing());
        return HostBar(mode, kBounds, m_stored.Get());
    }

    KSButtonBar& Bar() { return *m_bar; }
    ole::Variant Get(ole::DISPID id) { return m_bar->Invoke(id, ole::DISPATCH_PROPERTYGET, {}); }
    void Put(ole::DISPID id, ole::Variant value) {
        ole::Variant args[] = {std::move(value)};
        m_bar->Invoke(id, ole::DISPATCH_PROPERTYPUT, args);
    }
    void PutRef(ole::DISPID id, ole::Variant value) {
        ole::Variant args[] = {std::move(value)};
        m_bar->Invoke(id, ole::DISPATCH_PROPERTYPUTREF, args);
    }
    std::vector<std::string> Events() {
        std::vector<std::string> names = m_events->Names();
        m_events->Clear();
        return names;
    }
    std::vector<std::string> Notified() {
        std::vector<std::string> names = m_bar->PropertyChangedLog();
        m_bar->ClearPropertyChangedLog();
        return names;
    }
    // A square bitmap `side` pixels wide.
    static ole::Ptr<ole::Picture> Bitmap(int side = 16) {
        return ole::Picture::FromImage(
            ole::Image{side, side,
                       std::vector<uint32_t>(static_cast<size_t>(side * side), 0xFF000000)},
            ole::PICTYPE_BITMAP);
    }
    ole::Ptr<CGroup> ActiveGroup() { return m_bar->GetActiveGroup(); }
    static std::vector<std::string> Captions(const CGroupButtons* list) {
        std::vector<std::string> captions;
        for (int32_t i = 1; i <= list->Count(); ++i)
            captions.push_back(list->Item(i)->GetCaption());
        return captions;
    }
    // Adds n buttons to the group (the active one by default).
    void AddButtons(int n, ole::Ptr<CGroup> group = nullptr) {
        if (!group)
            group = ActiveGroup();
        for (int i = 1; i <= n; ++i)
            group->GetButtons()->Add("b" + std::to_string(i), Bitmap());
    }

    std::unique_ptr<forms::test::TestHost> m_host;
    ole::Ptr<forms::Extender> m_extender;
    ole::Ptr<KSButtonBar> m_bar;
    ole::Ptr<forms::test::EventRecorder> m_events;
    std::vector<std::string> m_loadEvents;
    ole::Ptr<ole::PropertyBag> m_stored;
};

} // namespace shelfstrip::test
