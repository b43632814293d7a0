#include "propertylist/editors/BuiltinEditor.h"

namespace attrgrid {

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
