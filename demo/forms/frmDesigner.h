#pragma once

#include "demo/hosted/HostedEvents.h"

#include "demo/forms/ProgramForm.h"

#include "platform/ole/collection/Collection.h"

#include <memory>
#include <span>
#include <string>

namespace sampledesk {

// The window the user designs on: the form designer fills it, and its selection drives the
// properties window.
class frmDesigner : public ProgramForm {
public:
    static constexpr int16_t kLeftButton = 1;

    static ole::Ptr<frmDesigner> Create(ole::WeakRef<Sampledesk> program);

    // The hosted designer control, null while unloaded.
    ole::Ptr<forms::Control> m_FormDesigner() const;
    // One wrapper per wrapped control, keyed by the control's name; made on first use.
    ole::Ptr<ole::Collection> Wrappers();

    // Puts the control the tool with this caption makes over the band (designer units) inside
    // aHitControl, or on the surface when that is Nothing; then the toolbox goes back to its
    // first tool. A caption that names no control class makes nothing.
    void CreateControl(const std::string& toolCaption, float StartX, float StartY, float cx,
                       float cy, const ole::Variant& aHitControl);
    // base & the smallest n from 1 up that no control on this window is named, in any case.
    std::string GetUniqueName(const std::string& base) const;
    // Removes every selected control, with the wrappers of the controls inside them.
    void DeleteSelectedControls();
    // The designer's LoadLayout; however many parts of the file are bad, "Invalid File." is
    // shown once.
    bool LoadLayout(const std::string& sFile);

    explicit frmDesigner(ole::WeakRef<Sampledesk> program);

protected:
    void OnLoad() override;
    void OnResize() override;
    void OnUnload() override;
    // The close box runs the main window's Close command.
    void OnQueryUnload(ole::Variant& cancel, int16_t unloadMode) override;

private:
    void ConnectDesignerEvents();
    void OnRubberBandEnd(std::span<ole::Variant> args);
    // The layout file's own keys: the window's caption and bounds, each control's texts.
    void OnSaveFormData(const ole::Variant& aPropBag);
    void OnSaveControlData(const ole::Variant& aControl, const ole::Variant& aPropBag);
    void OnLoadFormData(const ole::Variant& aPropBag);
    void OnLoadControlData(const ole::Variant& aControl, const ole::Variant& aPropBag);
    void OnDisplayError(int32_t nErrorCode, ole::Variant& bShowMsgBox);
    void Wrap(const ole::Ptr<forms::Control>& control);
    void OnMouseUp(int16_t button, float x, float y);
    void ResetToolbox();
    void RemoveWrappersWithin(const ole::Ptr<forms::Control>& container);
    void ShowSelectionProperties();
    // ControlMoved and ControlResized: the one selected control's rows follow its new place.
    void ReloadWhenSingleSelection(const ole::Variant& aControl);

    std::unique_ptr<HostedEvents> m_designerEvents;
    ole::Ptr<ole::Collection> m_Wrappers;
    bool m_invalidFileShown = false;
};

} // namespace sampledesk
