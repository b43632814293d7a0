#pragma once

#include "propertylist/editors/CEditor.h"
#include "propertylist/editors/CEditorListener.h"

#include "platform/ole/object/WeakRef.h"

namespace attrgrid {

// What every built-in editor shares: the listener of the last Reset, held weakly, and the end of
// an edit told to it. The editor neither hides itself nor forgets the listener; the list hides.
class BuiltinEditor : public CEditor {
public:
    void Commit() override { Notify(true); }
    void Cancel() override { Notify(false); }

protected:
    void KeepListener(const ole::Ptr<CEditorListener>& anEditorListener) {
        m_ListenerPtr = ole::WeakRef<CEditorListener>(anEditorListener);
    }
    bool HasListener() const { return !m_ListenerPtr.Expired(); }
    // A listener that has gone (or was never given) hears nothing.
    void Notify(bool commit);

private:
    ole::WeakRef<CEditorListener> m_ListenerPtr;
};

} // namespace attrgrid
