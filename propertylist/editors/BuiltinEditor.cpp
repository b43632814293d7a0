#include "propertylist/editors/BuiltinEditor.h"

#include "platform/ole/convert/Equality.h"

#include <utility>

namespace attrgrid {

namespace {

// The same type and equal; objects only as the same object.
bool Identical(const ole::Variant& a, const ole::Variant& b) {
    if (a.IsObject() || b.IsObject())
        return a.IsObject() && b.IsObject() && a.AsObject().Get() == b.AsObject().Get();
    return a.ValueType() == b.ValueType() && (a.IsNull() || ole::VariantEquals(a, b));
}

} // namespace

void BuiltinEditor::LetValue(const ole::Variant& value) {
    const bool first = !std::exchange(m_valueGiven, true);
    ShowValue(value);
    if (!first)
        return;
    // An editor whose control cannot tell what it shows never counts as untouched.
    try {
        m_shown = Shown();
    } catch (const ole::Error&) {
    }
}

bool BuiltinEditor::Untouched() {
    if (!m_shown)
        return false;
    try {
        return Identical(Shown(), *m_shown);
    } catch (const ole::Error&) {
        return false;
    }
}

void BuiltinEditor::Notify(bool commit) {
    const ole::Ptr<CEditorListener> listener = m_ListenerPtr.Lock();
    if (!listener)
        return;
    // The list's handler may release the list and with it this editor.
    const ole::Ptr<ole::Object> self(this);
    if (commit)
        listener->NotifyCommit(self);
    else
        listener->NotifyCancel(self);
}

} // namespace attrgrid
