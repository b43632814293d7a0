#pragma once

#include "propertylist/editors/ValueBoxEditor.h"

#include "platform/ole/object/WeakRef.h"

namespace attrgrid {

// The custom-dialog editor: a value box whose "..." asks the host, through the list, for a new
// value. An object the host hands back becomes the editor's value by reference and is stored by
// the commit like any other value.
class CCustomDialog final : public ValueBoxEditor {
public:
    static ole::Ptr<CCustomDialog> Create();

    ole::Variant GetValue() override { return m_Value; }

    // The list's notifier for the browse request, held weakly; set once.
    void SetDialogListener(const ole::Ptr<ole::Object>& listener);

protected:
    // Keeps the value and shows its text form; a value without one leaves the text.
    void ShowValue(const ole::Variant& value) override;

private:
    CCustomDialog();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    void Browse() override;

    ole::Variant m_Value;
    ole::WeakRef<ole::Object> m_DialogListenerPtr;
};

} // namespace attrgrid
