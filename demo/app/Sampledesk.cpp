#include "Sampledesk.h"

#include "demo/forms/MDISample.h"
#include "demo/forms/frmDesigner.h"
#include "demo/forms/frmProperties.h"

#include "platform/forms/app/App.h"
#include "platform/forms/form/FormSettings.h"
#include "platform/ole/dispatch/ClassBuilder.h"

namespace sampledesk {

Sampledesk::Sampledesk()
    : m_main([this] { return MDISample::Create(ole::WeakRef<Sampledesk>(this)); }),
      m_designer([this] { return frmDesigner::Create(ole::WeakRef<Sampledesk>(this)); }),
      m_properties([this] { return frmProperties::Create(ole::WeakRef<Sampledesk>(this)); }) {}

ole::Ptr<Sampledesk> Sampledesk::Create() {
    forms::App::Program().SetTitle(kTitle);
    return ole::MakeObject<Sampledesk>();
}

const ole::ClassInfo& Sampledesk::Info() {
    static const ole::ClassInfo info = ole::ClassBuilder<Sampledesk>("Sampledesk").Build();
    return info;
}

Sampledesk::~Sampledesk() {
    Shutdown();
}

ole::Ptr<MDISample> Sampledesk::Main() {
    return m_main.Get();
}
ole::Ptr<frmDesigner> Sampledesk::Designer() {
    return m_designer.Get();
}
ole::Ptr<frmProperties> Sampledesk::Properties() {
    return m_properties.Get();
}
ole::Ptr<frmDesigner> Sampledesk::PeekDesigner() const {
    return m_designer.Peek();
}
ole::Ptr<frmProperties> Sampledesk::PeekProperties() const {
    return m_properties.Peek();
}

void Sampledesk::Start() {
    const auto main = Main();
    // The program ends when this window unloads.
    forms::FormSettings::SetStartupForm(main.Get());
    main->Show({}, {});
}

void Sampledesk::Shutdown() {
    if (auto designer = m_designer.Peek())
        designer->UnloadForm();
    if (auto properties = m_properties.Peek())
        properties->UnloadForm();
    if (auto main = m_main.Peek())
        main->UnloadForm();
    m_designer.Reset();
    m_properties.Reset();
    m_main.Reset();
}

} // namespace sampledesk
