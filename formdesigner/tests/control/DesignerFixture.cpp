#include "DesignerFixture.h"

#include "formdesigner/control/LateReads.h"

#include "platform/forms/form/Form.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/win/Win.h"

#include <gtest/gtest.h>

namespace layoutdesk::test {

namespace {

// Records each event as "Name(arg, ...)"; a control argument shows its Name.
class DesignerEvents final : public ole::Object {
public:
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info =
            ole::ClassBuilder<DesignerEvents>("DesignerEvents").Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    bool HasMember(ole::DISPID) const override { return true; }

    ole::Variant Invoke(ole::DISPID id, uint16_t, std::span<ole::Variant> args) override {
        const ole::EventInfo* event = ZORudeRuduvozu::Info().FindEvent(id);
        std::string entry = event ? event->name : "?";
        std::string list;
        for (const ole::Variant& arg : args) {
            const ole::Variant& v = arg.Deref();
            std::string text;
            if (v.IsObject()) {
                text = "Nothing";
                if (!v.IsNothing()) {
                    const auto name = TryRead(v.AsObject(), "Name");
                    text = name ? ole::CStr(*name) : "Object";
                }
            } else {
                text = ole::CStr(v);
            }
            list += (list.empty() ? "" : ", ") + text;
        }
        log.push_back(list.empty() ? entry : entry + "(" + list + ")");
        if (handler)
            handler(id, args);
        return {};
    }

    std::vector<std::string> log;
    std::function<void(ole::DISPID, std::span<ole::Variant>)> handler;
};

} // namespace

void DesignerFixture::SetUp() {
    CleanPlatform::SetUp();
    ZORudeRuduvozu::Register();
    m_host = std::make_unique<forms::test::TestHost>();
}

void DesignerFixture::TearDown() {
    if (m_recorder)
        ole::DisconnectEvents(ole::Ptr<ole::Object>(m_extender), m_cookie);
    m_recorder = nullptr;
    m_designer = nullptr;
    m_extender = nullptr;
    m_stored = nullptr;
    m_host.reset();
    CleanPlatform::TearDown();
}

const ole::Ptr<forms::Extender>& DesignerFixture::DesignerExtender() {
    Designer();
    return m_extender;
}

ZORudeRuduvozu& DesignerFixture::Designer() {
    if (!m_designer) {
        m_extender = m_host->Host(ZORudeRuduvozu::kProgId, "Designer1", kBounds, m_stored.Get());
        m_designer = ole::PtrCast<ZORudeRuduvozu>(m_extender->Inner());
        auto sink = ole::MakeObject<DesignerEvents>();
        m_cookie = ole::ConnectEvents(ole::Ptr<ole::Object>(m_extender), sink);
        m_recorder = sink;
        m_host->Show();
    }
    return *m_designer;
}

ole::Ptr<forms::Control> DesignerFixture::Add(std::string_view progId, const std::string& name,
                                              const win::RECT& twips,
                                              ole::Ptr<ole::Object> container) {
    if (!container)
        container = DesignerExtender();
    ole::Ptr<forms::Control> control = GetForm().Add(progId, name, container);
    std::array<ole::Variant, 4> move{ole::Variant(static_cast<float>(twips.left)),
                                     ole::Variant(static_cast<float>(twips.top)),
                                     ole::Variant(static_cast<float>(twips.right - twips.left)),
                                     ole::Variant(static_cast<float>(twips.bottom - twips.top))};
    ole::CallMethod(ole::Variant(control), "Move", move);
    ole::LetProperty(ole::Variant(control), "Visible", ole::Variant(true));
    win::test::pump();
    return control;
}

ole::Ptr<forms::Control> DesignerFixture::AddLine(const std::string& name, const win::RECT& ends,
                                                  ole::Ptr<ole::Object> container) {
    if (!container)
        container = DesignerExtender();
    ole::Ptr<forms::Control> line = GetForm().Add("VB.Line", name, container);
    const ole::Variant target(line);
    ole::LetProperty(target, "X1", ole::Variant(static_cast<float>(ends.left)));
    ole::LetProperty(target, "Y1", ole::Variant(static_cast<float>(ends.top)));
    ole::LetProperty(target, "X2", ole::Variant(static_cast<float>(ends.right)));
    ole::LetProperty(target, "Y2", ole::Variant(static_cast<float>(ends.bottom)));
    ole::LetProperty(target, "Visible", ole::Variant(true));
    win::test::pump();
    return line;
}

void DesignerFixture::Press(win::POINT pt, win::test::MouseButton button) {
    // Past the double-click time, so each press is a press of its own.
    win::test::advanceTime(1000);
    win::test::mouseDown(button, Surface(), pt);
    win::test::pump();
}

void DesignerFixture::MoveTo(win::POINT pt) {
    win::test::mouseMove(Surface(), pt);
    win::test::pump();
}

void DesignerFixture::Release(win::POINT pt, win::test::MouseButton button) {
    win::test::mouseUp(button, Surface(), pt);
    win::test::pump();
}

void DesignerFixture::Click(win::POINT pt, win::test::MouseButton button) {
    Press(pt, button);
    Release(pt, button);
}

void DesignerFixture::Drag(win::POINT from, win::POINT to, int steps) {
    Press(from);
    for (int i = 1; i <= steps; ++i)
        MoveTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    Release(to);
}

std::vector<std::string> DesignerFixture::Events() {
    Designer();
    auto* sink = static_cast<DesignerEvents*>(m_recorder.Get());
    return std::exchange(sink->log, {});
}

void DesignerFixture::OnEvent(Handler handler) {
    Designer();
    static_cast<DesignerEvents*>(m_recorder.Get())->handler = std::move(handler);
}

std::vector<std::string> DesignerFixture::EventNames() {
    std::vector<std::string> names;
    for (const std::string& entry : Events())
        names.push_back(entry.substr(0, entry.find('(')));
    return names;
}

std::vector<std::string> DesignerFixture::Selected() {
    std::vector<std::string> names;
    for (const ole::Variant& item : Designer().GetSelectedControls()->Snapshot())
        names.push_back(ole::CStr(ReadMember(item.AsObject(), "Name")));
    return names;
}

std::string DesignerFixture::Geometry(const ole::Ptr<forms::Control>& control) {
    std::string text;
    for (const char* member : {"Left", "Top", "Width", "Height"})
        text += (text.empty() ? "" : ",") + ole::CStr(ReadMember(control, member));
    return text;
}

} // namespace layoutdesk::test
