#pragma once

#include "platform/forms/control/Control.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/pages/PageTabStrip.h"
#include "platform/forms/pages/PropertyPage.h"
#include "platform/ole/error/Error.h"
#include "platform/win/WinTypes.h"

#include <memory>
#include <string>
#include <vector>

namespace forms {

class CommandButton;

// The property-page frame: a modal dialog with a tab per page, the current page below the tabs
// in a child window of its own size, and OK, Cancel and Apply.
//
// The pages offered are those of the first selected control's list, in its order, that every
// other selected control lists too; a page the class registry cannot create as a PropertyPage
// (the standard colour, font and picture pages among them) is left out. A page is loaded
// (SelectionChanged) when it is first shown, and again when it is shown Outdated; edits it still
// holds then are applied first, so that none is lost without a word.
//
//   Apply    ApplyChanges on every page whose Changed is True, in tab order; each that succeeds
//            gets Changed False. The first error stops it: a stop-icon box shows the error's
//            description titled with its source, and that page keeps Changed True.
//   OK       Apply, then closes unless an error stopped it.
//   Cancel   closes (so do Esc and the close box); nothing is applied.
// Apply is enabled exactly while some page is Changed.
class PropertyPageFrame {
public:
    static constexpr int kMargin = 6;
    static constexpr int kButtonWidth = 75;
    static constexpr int kButtonHeight = 23;
    static constexpr const char* kCaption = "Property Pages";

    // `selection` holds the extenders of the controls to edit.
    explicit PropertyPageFrame(std::vector<ole::Ptr<Control>> selection);
    ~PropertyPageFrame();
    PropertyPageFrame(const PropertyPageFrame&) = delete;
    PropertyPageFrame& operator=(const PropertyPageFrame&) = delete;

    // Shows the frame modelessly, owned by the top-level ancestor of `owner` and above it, with
    // the first page loaded. False when there is no page to show.
    bool Open(win::HWND owner);
    // The same, modal: returns when the frame closes; headless with nothing left that could
    // close it, the frame is cancelled.
    void ShowModal(win::HWND owner);
    bool IsOpen() const;
    void Close();

    size_t PageCount() const { return m_pages.size(); }
    PropertyPage& Page(size_t index) const { return *m_pages[index]; }
    size_t CurrentPage() const { return m_current; }
    // Shows the page, loading it the first time.
    void SelectPage(size_t index);
    bool ApplyEnabled() const;
    // True when every changed page applied.
    bool Apply();
    void Ok();

    Form& GetForm() const { return *m_form; }
    const PageTabStrip& Tabs() const { return *m_tabs; }
    CommandButton& OkButton() const { return *m_ok; }
    CommandButton& CancelButton() const { return *m_cancel; }
    CommandButton& ApplyButton() const { return *m_apply; }

private:
    void CreatePages();
    bool Prepare(win::HWND owner);
    void Layout();
    ole::Ptr<CommandButton> AddButton(const char* name, const char* caption, int left, int top,
                                      void (PropertyPageFrame::*action)());
    void LoadPage(size_t index);
    // ApplyChanges on one page; an error is shown and leaves the page Changed.
    bool ApplyPage(PropertyPage& page);
    void ShowError(const ole::Error& error);
    void UpdateApply();
    void DoCancel() { Close(); }
    void DoApply() { Apply(); }

    std::vector<ole::Ptr<Control>> m_selection;
    std::vector<ole::Ptr<PropertyPage>> m_pages;
    std::vector<bool> m_loaded;
    size_t m_current = 0;
    ole::Ptr<Form> m_form;
    std::unique_ptr<PageTabStrip> m_tabs;
    ole::Ptr<CommandButton> m_ok;
    ole::Ptr<CommandButton> m_cancel;
    ole::Ptr<CommandButton> m_apply;
    std::vector<std::pair<ole::Ptr<ole::Object>, uint32_t>> m_connections;
};

// Shows the property pages of `selection` in a modal frame owned by the top-level ancestor of
// `owner`; returns when the frame closes. Nothing happens when no page is offered.
void ShowPropertyPages(std::vector<ole::Ptr<Control>> selection, win::HWND owner);

} // namespace forms
