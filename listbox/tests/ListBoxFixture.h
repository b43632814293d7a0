#pragma once

// The list box sited on a test form by ProgID (static registration), reached by member id through
// its extender, its events recorded. Teardown checks that the form's unload brings windows, GDI
// objects, objects and this library's subclass records back to where they were.

#include "listbox/control/KSListBox.h"

#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include "platform/forms/test/EventRecorder.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"
#include "platform/win/window/Classes.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/Tree.h"
#include "platform/win/window/Visibility.h"

#include <memory>
#include <vector>

namespace rowbox::test {

using forms::test::HostMode;
using testsupport::ErrorOf;
using Id = KSListBox::Id;

class ListBoxFixture : public testsupport::CleanPlatform {
protected:
    static constexpr win::RECT kBounds{20, 20, 140, 44};

    void SetUp() override {
        CleanPlatform::SetUp();
        KSListBox::Register();
        m_records = KSListBox::Subclassing().RecordCount();
    }
    void TearDown() override {
        m_recorder = nullptr;
        m_extender = nullptr;
        m_host.reset();
        EXPECT_EQ(KSListBox::Subclassing().RecordCount(), m_records);
        CleanPlatform::TearDown();
    }

    KSListBox& Host(HostMode mode = HostMode::User, ole::PropertyBag* stored = nullptr,
                    const win::RECT& bounds = kBounds) {
        m_host = std::make_unique<forms::test::TestHost>(mode);
        m_extender = m_host->Host(KSListBox::kProgId, "List1", bounds, stored);
        m_host->Show();
        m_recorder = forms::test::EventRecorder::Attach(m_extender);
        return List();
    }
    KSListBox& List() const { return static_cast<KSListBox&>(*m_extender->Inner()); }
    win::HWND Combo() const { return List().ComboBox()->Window(); }

    ole::Variant Get(ole::DISPID id, std::vector<ole::Variant> args = {}) const {
        return ole::GetPropertyById(ole::Variant(m_extender), id, args);
    }
    void Let(ole::DISPID id, const ole::Variant& value, std::vector<ole::Variant> args = {}) const {
        ole::LetPropertyById(ole::Variant(m_extender), id, value, args);
    }
    ole::Variant Call(ole::DISPID id, std::vector<ole::Variant> args = {}) const {
        return ole::CallMethodById(ole::Variant(m_extender), id, args);
    }
    // Opens the list with a click on the drop button; the list window, null when none shows.
    win::HWND OpenDroppedList() const {
        win::RECT client{};
        win::GetClientRect(Combo(), &client);
        win::test::click(Combo(), {client.right - 8, client.bottom / 2});
        win::test::pump();
        return win::test::DroppedList();
    }
    // Opens the list and clicks item `index` (placed by item height).
    void PickInDroppedList(int index) const {
        const win::HWND list = OpenDroppedList();
        ASSERT_TRUE(list);
        win::test::clickListItem(list, index);
        win::test::pump();
    }
    void AddItems(std::initializer_list<const char*> texts) const {
        int32_t data = 1;
        for (const char* text : texts)
            Call(Id::IdAddItemEx, {ole::Variant(text), ole::Variant(data++)});
    }

    std::unique_ptr<forms::test::TestHost> m_host;
    ole::Ptr<forms::Extender> m_extender;
    ole::Ptr<forms::test::EventRecorder> m_recorder;

private:
    size_t m_records = 0;
};

} // namespace rowbox::test
