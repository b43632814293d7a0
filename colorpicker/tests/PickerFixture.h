#pragma once

// The colour picker hosted on a test form by ProgID, as a program hosts it, and driven through its
// automation members by id. Teardown checks that windows, GDI objects, hooks, objects and
// subclass records are back where they started.

#include "colorpicker/control/KSColorPicker.h"
#include "colorpicker/dropdown/frmColorPicker.h"

#include "testsupport/CleanPlatform.h"

#include "platform/forms/test/EventRecorder.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

#include <memory>
#include <string>
#include <vector>

namespace huechooser::test {

using forms::test::HostMode;

class PickerFixture : public testsupport::CleanPlatform {
protected:
    // Wide enough for the text; 21 pixels high like a combo box.
    static constexpr win::RECT kBounds{20, 20, 140, 41};

    void SetUp() override {
        CleanPlatform::SetUp();
        KSColorPicker::Register();
        m_records = frmColorPicker::Subclassing().RecordCount();
    }

    void TearDown() override {
        ReleasePicker();
        EXPECT_EQ(frmColorPicker::Subclassing().RecordCount(), m_records);
        CleanPlatform::TearDown();
    }

    KSColorPicker& HostPicker(ole::PropertyBag* stored = nullptr, const win::RECT& bounds = kBounds,
                              HostMode mode = HostMode::User) {
        // A second picker gets a fresh form.
        if (m_picker)
            ReleasePicker();
        if (!m_host)
            m_host = std::make_unique<forms::test::TestHost>(mode);
        m_picker = ole::PtrCast<KSColorPicker>(ole::ClassRegistry::Create(KSColorPicker::kProgId));
        m_events = forms::test::EventRecorder::Attach(m_picker);
        m_extender = m_host->Host(m_picker, "Picker1", bounds, stored);
        m_host->Show();
        return *m_picker;
    }

    // Unloads the form and lets go of the control, as a host that is done with it.
    void ReleasePicker() {
        if (m_events)
            m_events->Detach();
        m_events = nullptr;
        m_extender = nullptr;
        m_picker = nullptr;
        m_host.reset();
        win::test::pump();
    }

    KSColorPicker& Picker() { return *m_picker; }
    forms::test::TestHost& Host() { return *m_host; }

    ole::Variant Get(ole::DISPID id, std::vector<ole::Variant> args = {}) {
        return m_picker->Invoke(id, ole::DISPATCH_PROPERTYGET, args);
    }
    void Put(ole::DISPID id, ole::Variant value) {
        ole::Variant args[] = {std::move(value)};
        m_picker->Invoke(id, ole::DISPATCH_PROPERTYPUT, args);
    }

    std::vector<std::string> Events() const { return m_events->Names(); }
    std::vector<std::string> Notified() const { return m_picker->PropertyChangedLog(); }
    void ClearLogs() {
        m_events->Clear();
        m_picker->ClearPropertyChangedLog();
    }

    ole::Ptr<ole::PropertyBag> Save() { return forms::test::TestHost::Save(*m_extender); }
    // Hosts a second picker from the bag's bytes, as a reloaded form would.
    KSColorPicker& Reload(const ole::PropertyBag& bag) {
        const auto copy = ole::PropertyBag::FromBytes(bag.ToBytes());
        return HostPicker(copy.Get());
    }

    // ---- The drop-down ----
    frmColorPicker& DropDown() { return *m_picker->DropDown(); }
    win::HWND PickerWindow() { return m_picker->hWnd(); }
    // A point on the drop button strip, in the control's client pixels.
    win::POINT ButtonPoint() {
        win::RECT client;
        win::GetClientRect(PickerWindow(), &client);
        return {client.right - 3, client.bottom / 2};
    }
    // Press and release on the drop button, long enough after any earlier press not to make a
    // double click.
    void PressButton() {
        win::test::advanceTime(1000);
        win::test::mouseDown(win::test::MouseButton::Left, PickerWindow(), ButtonPoint());
        win::test::pump();
        win::test::mouseUp(win::test::MouseButton::Left, PickerWindow(), ButtonPoint());
        win::test::pump();
    }
    static win::POINT Centre(const win::RECT& r) {
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    win::HWND Cells() { return DropDown().PaletteContainer()->Window(); }
    void ClickCell(const ColorCell& cell,
                   win::test::MouseButton button = win::test::MouseButton::Left) {
        win::test::mouseMove(Cells(), Centre(cell.rect));
        win::test::pump();
        win::test::click(Cells(), Centre(cell.rect), button);
        win::test::pump();
    }
    void Key(int vk) {
        win::test::keyPress(vk);
        win::test::pump();
    }

private:
    std::unique_ptr<forms::test::TestHost> m_host;
    ole::Ptr<KSColorPicker> m_picker;
    ole::Ptr<forms::Extender> m_extender;
    ole::Ptr<forms::test::EventRecorder> m_events;
    size_t m_records = 0;
};

} // namespace huechooser::test
