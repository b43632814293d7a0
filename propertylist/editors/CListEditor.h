#pragma once

#include "propertylist/editors/EditorChildEvents.h"
#include "propertylist/editors/HostedControlEditor.h"

#include <string>

namespace attrgrid {

// The list and Boolean editor on the list's list box: Reset fills it with the row's items, the
// value is the selected item's data, and a pick in the box commits.
class CListEditor final : public HostedControlEditor, public ListBoxEvents {
public:
    static ole::Ptr<CListEditor> Create();

    ole::Variant GetValue() override;

    // The selected entry's text; "" when nothing is selected or no control is bound.
    std::string Text();

    void Reset(const ole::Ptr<CProperty>& aProperty,
               const ole::Ptr<CEditorListener>& anEditorListener) override;

    void ListEditorChange() override { Commit(); }

protected:
    // Selects the first entry whose data equals the value (objects: the same object only); a
    // value no entry holds leaves the selection as it is.
    void ShowValue(const ole::Variant& value) override;
    ole::Variant Shown() override { return ole::Variant(ListIndex()); }

private:
    CListEditor();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    int32_t ListIndex();
};

} // namespace attrgrid
