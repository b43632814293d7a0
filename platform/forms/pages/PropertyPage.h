#pragma once

#include "platform/forms/control/Control.h"
#include "platform/forms/host/UserControl.h"
#include "platform/ole/dispatch/ClassInfo.h"

#include <functional>
#include <string>
#include <vector>

namespace forms {

// The base of a property page: a user control that the property-page frame sites, hands the
// selected controls (SelectionChanged) and asks to write its edits back (ApplyChanges). The page
// tells the frame through Changed that it holds edits; the frame enables Apply while any page
// does and applies only those pages.
//
// An error escaping OnSelectionChanged or OnApplyChanges is the event's error: it goes to the
// frame, which shows it, instead of the runtime's unhandled-error report; one without a source
// names the page's library. The frame sites a page as a new instance, so a page builds its
// controls in OnInitProperties.
class PropertyPage : public UserControl {
public:
    enum Id : ole::DISPID { ChangedId = 1, SelectedControlsId = 2 };

    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    // The tab's caption and the page's size in twips.
    const std::string& Caption() const { return m_caption; }
    float PageWidth() const { return m_pageWidth; }
    float PageHeight() const { return m_pageHeight; }

    // The controls being edited (their extenders, zero-based: Count, Item(0)).
    ole::Ptr<ole::Object> SelectedControls() const;
    const std::vector<ole::Ptr<Control>>& Selection() const { return m_selection; }

    bool Changed() const { return m_changed; }
    void SetChanged(bool changed);
    // True when what the page loaded changed under it since (another page acted on the controls
    // at once): the frame loads it again when it is next shown.
    virtual bool Outdated() const { return false; }

    // ---- Driven by the frame ----
    // Stores the selection and raises SelectionChanged; the handler's error propagates.
    void RaiseSelectionChanged(std::vector<ole::Ptr<Control>> selection);
    // Raises ApplyChanges; the handler's error propagates.
    void RaiseApplyChanges();
    // Called after every change of Changed; the frame's hold on the page.
    void SetChangedListener(std::function<void()> listener) {
        m_changedListener = std::move(listener);
    }
    // Lets the selected controls go (the frame closed).
    void ReleaseSelection() { m_selection.clear(); }

protected:
    PropertyPage(std::string caption, float widthTwips, float heightTwips);

    virtual void OnSelectionChanged() {}
    virtual void OnApplyChanges() {}

private:
    void RaiseNamingSource(void (PropertyPage::*handler)());

    std::string m_caption;
    float m_pageWidth;
    float m_pageHeight;
    bool m_changed = false;
    std::vector<ole::Ptr<Control>> m_selection;
    std::function<void()> m_changedListener;
};

} // namespace forms
