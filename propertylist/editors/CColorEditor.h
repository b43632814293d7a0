#pragma once

#include "propertylist/editors/EditorChildEvents.h"
#include "propertylist/editors/HostedControlEditor.h"

namespace attrgrid {

// The colour editor on the list's colour picker: the value is the picker's SelectedColor, and a
// pick commits. The picker's failures reach the caller, except in Value let and Move.
class CColorEditor final : public HostedControlEditor, public ColorPickerEvents {
public:
    static ole::Ptr<CColorEditor> Create();

    ole::Variant GetValue() override;

    void Reset(const ole::Ptr<CProperty>& aProperty,
               const ole::Ptr<CEditorListener>& anEditorListener) override;

    void ColorPickerSelectedColorChanged() override { Commit(); }

protected:
    // Empty, Null and a number beyond 32 bits select colour 0.
    void ShowValue(const ole::Variant& value) override;

private:
    CColorEditor();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);
};

} // namespace attrgrid
