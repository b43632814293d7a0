#pragma once

#include "demo/forms/ProgramForm.h"
#include "demo/hosted/HostedEvents.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sampledesk {

// The main window, the MDI frame the designer window lives in: start-up, the file name the other
// windows show, and keeping the floating properties window above it.
class MDISample : public ProgramFormOn<forms::MdiForm> {
public:
    static constexpr const char* kStartupNotice =
        "ZAVeravuvuDudu (property sheet) and KSButtonBar (toolboxes) activex controls packaged "
        "with this sample are not the part of this product.";

    static ole::Ptr<MDISample> Create(ole::WeakRef<Sampledesk> program);

    // The toolbox; null until the window is loaded.
    ole::Ptr<forms::Control> m_ToolBox() const { return FindControl("m_ToolBox"); }
    ole::Ptr<forms::Control> m_MenuToolbar() const { return FindControl("m_MenuToolbar"); }

    static constexpr const char* kUntitled = "Untitled";
    // The current layout file; kUntitled when none is attached.
    std::string m_sFileName = kUntitled;

    explicit MDISample(ole::WeakRef<Sampledesk> program);

    // The toolbox's selection became `caption`, or none: the designer's mode and pointer follow.
    void ToolChanged(const std::optional<std::string>& caption);
    // A menu toolbar button was pressed: its command runs and the bar lets go of it.
    void MenuButtonChanged();
    // The Close command: asks to save, then unloads the designer window and names the layout
    // "Untitled"; Cancel keeps both.
    void CloseLayout();

protected:
    void OnLoad() override;
    void OnResize() override;
    void OnUnload() override;

private:
    void ShowFileNameInCaption();
    // Every menu item's Click runs its command.
    void ConnectMenus();
    void RunCommand(const std::string& item);
    // The designer control of the designer window, which is made first when there is none.
    ole::Variant FormDesigner();
    ole::Variant CallDesigner(std::string_view method, std::vector<ole::Variant> args);
    void ShowPropertiesWindow();
    void SetDesignerMode(int32_t mode);
    void HideProperties();
    void LockFirstSelected(std::string_view method);

    // Layout files: the question, the dialog, saving, and the file commands.
    bool AskToSave();
    bool ShowFileDialog(bool bOpen);
    // True when the layout was written whole.
    bool SaveFile();
    // Unloads the designer window and names the layout "Untitled" again.
    void DropLayout();
    void ShowDesigner();
    void NewLayout();
    void OpenLayout();
    void Exit();

    void ConnectBars();

    std::vector<ole::Ptr<ole::Object>> m_menuSinks;
    std::unique_ptr<HostedEvents> m_toolBoxEvents;
    std::unique_ptr<HostedEvents> m_menuToolbarEvents;
};

} // namespace sampledesk
