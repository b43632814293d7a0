#pragma once

#include "demo/hosted/HostedEvents.h"

#include "demo/forms/ProgramForm.h"

#include <memory>

namespace sampledesk {

// The window the user designs on: the form designer fills it, and its selection drives the
// properties window.
class frmDesigner : public ProgramForm {
public:
    static constexpr int16_t kLeftButton = 1;

    static ole::Ptr<frmDesigner> Create(ole::WeakRef<Sampledesk> program);

    // The hosted designer control, null while unloaded.
    ole::Ptr<forms::Control> m_FormDesigner() const;

    explicit frmDesigner(ole::WeakRef<Sampledesk> program);

protected:
    void OnLoad() override;
    void OnResize() override;
    void OnUnload() override;

private:
    void ConnectDesignerEvents();
    void ShowSelectionProperties();
    // ControlMoved and ControlResized: the one selected control's rows follow its new place.
    void ReloadWhenSingleSelection(const ole::Variant& aControl);

    std::unique_ptr<HostedEvents> m_designerEvents;
};

} // namespace sampledesk
