#pragma once

#include "platform/forms/controls/StandardControls.h"
#include "platform/forms/form/Form.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/object/ObjectProbes.h"
#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"

#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace controlstest {

using testsupport::ErrorOf;

// Records the events of one control as "Name" or "Name(Button)" for the mouse events.
class EventLog {
public:
    EventLog() = default;
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;
    ~EventLog() { Detach(); }

    void Attach(const ole::Ptr<ole::Object>& source) {
        Detach();
        m_sink = ole::EventSink::Create();
        for (const ole::EventInfo& event : source->GetClassInfo().Events()) {
            const std::string name = event.name;
            const bool mouse = event.params.size() == 4 && event.params[0].name == "Button";
            m_sink->On(event.id, [this, name, mouse](std::span<ole::Variant> args) {
                m_entries.push_back(mouse ? name + "(" + std::to_string(ole::CLng(args[0])) + ")"
                                          : name);
            });
        }
        m_source = source;
        m_cookie = ole::ConnectEvents(source, m_sink);
    }
    void Detach() {
        if (m_source)
            ole::DisconnectEvents(m_source, m_cookie);
        m_source = nullptr;
        m_sink = nullptr;
    }

    const std::vector<std::string>& Entries() const { return m_entries; }
    // The entries without MouseMove, which the pointer's travel adds.
    std::vector<std::string> WithoutMoves() const {
        std::vector<std::string> kept;
        for (const auto& entry : m_entries) {
            if (entry.rfind("MouseMove", 0) != 0)
                kept.push_back(entry);
        }
        return kept;
    }
    size_t Count(std::string_view name) const {
        size_t count = 0;
        for (const auto& entry : m_entries)
            count += entry == name ? 1 : 0;
        return count;
    }
    void Clear() { m_entries.clear(); }

private:
    ole::Ptr<ole::Object> m_source;
    ole::Ptr<ole::EventSink> m_sink;
    uint32_t m_cookie = 0;
    std::vector<std::string> m_entries;
};

// A shown form to site controls on, on a clean platform.
class ControlTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        forms::RegisterStandardControls();
        m_form = forms::Form::Create("frmTest");
        m_form->LoadForm();
        m_form->Show(ole::Variant::Missing(), ole::Variant::Missing());
        win::test::pump();
    }

    void TearDown() override {
        if (m_form) {
            m_form->UnloadForm();
            m_form = nullptr;
        }
        CleanPlatform::TearDown();
    }

    template <class T>
    ole::Ptr<T> Site(ole::Ptr<T> control, std::string name, win::RECT bounds,
                     ole::Ptr<ole::Object> container = {}) {
        m_form->AddControl(control, std::move(name), std::move(container), bounds);
        win::test::pump();
        return control;
    }

    static ole::Variant Get(const ole::Ptr<ole::Object>& object, std::string_view name) {
        return object->Invoke(object->GetIDsOfNames(name), ole::DISPATCH_PROPERTYGET, {});
    }
    static void Let(const ole::Ptr<ole::Object>& object, std::string_view name,
                    ole::Variant value) {
        ole::Variant args[] = {std::move(value)};
        object->Invoke(object->GetIDsOfNames(name), ole::DISPATCH_PROPERTYPUT, args);
    }
    static void SetRef(const ole::Ptr<ole::Object>& object, std::string_view name,
                       ole::Ptr<ole::Object> value) {
        ole::Variant args[] = {ole::Variant(std::move(value))};
        object->Invoke(object->GetIDsOfNames(name), ole::DISPATCH_PROPERTYPUTREF, args);
    }
    ole::Ptr<forms::Form> m_form;
};

} // namespace controlstest
