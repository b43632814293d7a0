#include "platform/forms/pages/PropertyPage.h"

#include "platform/forms/form/ControlCollection.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/Error.h"

namespace forms {

PropertyPage::PropertyPage(std::string caption, float widthTwips, float heightTwips)
    : m_caption(std::move(caption)), m_pageWidth(widthTwips), m_pageHeight(heightTwips) {}

const ole::ClassInfo& PropertyPage::Info() {
    static const ole::ClassInfo info =
        ole::ClassBuilder<PropertyPage>("PropertyPage")
            .Property("Changed", ChangedId, &PropertyPage::Changed, &PropertyPage::SetChanged)
            .Get("SelectedControls", SelectedControlsId, &PropertyPage::SelectedControls,
                 ole::Typed("SelectedControls"))
            .Build();
    return info;
}

ole::Ptr<ole::Object> PropertyPage::SelectedControls() const {
    const ole::WeakRef<PropertyPage> self(this);
    return ControlCollection::Create([self] {
        const auto page = self.Lock();
        return page ? page->m_selection : std::vector<ole::Ptr<Control>>{};
    });
}

void PropertyPage::SetChanged(bool changed) {
    m_changed = changed;
    if (m_changedListener) {
        const auto listener = m_changedListener; // the listener may replace itself
        listener();
    }
}

void PropertyPage::RaiseSelectionChanged(std::vector<ole::Ptr<Control>> selection) {
    ole::Ptr<PropertyPage> keepAlive(this);
    m_selection = std::move(selection);
    RaiseNamingSource(&PropertyPage::OnSelectionChanged);
}

void PropertyPage::RaiseApplyChanges() {
    ole::Ptr<PropertyPage> keepAlive(this);
    RaiseNamingSource(&PropertyPage::OnApplyChanges);
}

// An error the runtime raised inside the page's own code (a conversion, a list's 380) carries no
// source; as the page's library raised it, the frame's box is titled with that library's name.
void PropertyPage::RaiseNamingSource(void (PropertyPage::*handler)()) {
    try {
        (this->*handler)();
    } catch (ole::Error& error) {
        if (error.Source().empty())
            error.SetSource(GetClassInfo().Library());
        throw;
    }
}

} // namespace forms
