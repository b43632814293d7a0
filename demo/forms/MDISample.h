#pragma once

#include "demo/forms/ProgramForm.h"

#include <string>

namespace sampledesk {

// The main window: start-up, the file name the other windows show, and keeping the floating
// properties window above it.
class MDISample : public ProgramForm {
public:
    static constexpr const char* kStartupNotice =
        "ZAVeravuvuDudu (property sheet) and KSButtonBar (toolboxes) activex controls packaged "
        "with this sample are not the part of this product.";

    static ole::Ptr<MDISample> Create(ole::WeakRef<Sampledesk> program);

    // The current layout file; "Untitled" when none is attached.
    std::string m_sFileName = "Untitled";

    explicit MDISample(ole::WeakRef<Sampledesk> program);

protected:
    void OnLoad() override;
    void OnResize() override;
    void OnUnload() override;

private:
    void ShowFileNameInCaption();
};

} // namespace sampledesk
