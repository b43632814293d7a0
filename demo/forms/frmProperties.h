#pragma once

#include "demo/hosted/HostedEvents.h"

#include "demo/forms/ProgramForm.h"

#include <memory>

namespace sampledesk {

// The floating window that lists the design surface's or one control's properties in a property
// list; every edit is written straight back to the object.
class frmProperties : public ProgramForm {
public:
    static ole::Ptr<frmProperties> Create(ole::WeakRef<Sampledesk> program);

    // Rows for the surface when aControl is the designer control, else for that control. Nothing
    // while the window is hidden.
    void ReloadProperties(const ole::Ptr<ole::Object>& aControl);
    // None selected: the surface; one: that control; more: an empty list.
    void ShowSelection(const ole::Ptr<forms::Control>& designer);
    // Properties.Clear, then Refresh.
    void ClearList();

    ole::Ptr<forms::Control> m_Properties() const { return FindControl("m_Properties"); }

    explicit frmProperties(ole::WeakRef<Sampledesk> program);

protected:
    void OnLoad() override;
    void OnResize() override;
    void OnUnload() override { m_listEvents.reset(); }
    // The close box hides the window; the main window's unload still unloads it.
    void OnQueryUnload(ole::Variant& cancel, int16_t unloadMode) override;

private:
    void ConnectListEvents();
    void AddSurfaceRows(const ole::Ptr<ole::Object>& designer);
    void AddControlRows(const ole::Ptr<ole::Object>& control);
    void OnValidateValue(const ole::Variant& aProperty, ole::Variant& bCancel);

    std::unique_ptr<HostedEvents> m_listEvents;
};

} // namespace sampledesk
