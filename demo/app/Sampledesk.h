#pragma once

#include "platform/forms/errors/EventErrorBoundary.h"
#include "platform/forms/form/FormRef.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"

#include <string>

namespace sampledesk {

class MDISample;
class frmDesigner;
class frmProperties;

// The program: its three windows, each made on first use and made again after it unloaded (never
// during shutdown), and the start-up sequence. The windows reach each other through it.
class Sampledesk : public ole::Object {
public:
    static constexpr const char* kTitle = "Sampledesk";

    static ole::Ptr<Sampledesk> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    ~Sampledesk() override;

    // Loads and shows the main window, which runs the start-up steps.
    void Start();
    // Unloads every window, the main window last.
    void Shutdown();

    ole::Ptr<MDISample> Main();
    ole::Ptr<frmDesigner> Designer();
    ole::Ptr<frmProperties> Properties();
    // Without making one.
    ole::Ptr<frmDesigner> PeekDesigner() const;
    ole::Ptr<frmProperties> PeekProperties() const;

    Sampledesk();

private:
    // Errors no handler trapped are shown in one stop-icon box titled with the program's title,
    // and the program goes on. A handler of its own would show a second box for errors the
    // event boundaries report.
    forms::EventErrorBoxScope m_errorBoxes;
    forms::FormRef<MDISample> m_main;
    forms::FormRef<frmDesigner> m_designer;
    forms::FormRef<frmProperties> m_properties;
};

} // namespace sampledesk
