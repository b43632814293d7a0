#pragma once

#include "propertylist/editors/CEditor.h"
#include "propertylist/editors/CEditorListener.h"

#include "platform/ole/object/WeakRef.h"

#include <cstdint>

namespace attrgrid {

// What every built-in editor shares: the listener of the last Reset, held weakly, and the end of
// an edit told to it. The editor neither hides itself nor forgets the listener; the list hides.
class BuiltinEditor : public CEditor {
public:
    void Commit() override { Notify(true); }
    void Cancel() override { Notify(false); }

protected:
    // Every Reset keeps its listener, which starts a new edit.
    void KeepListener(const ole::Ptr<CEditorListener>& anEditorListener) {
        m_ListenerPtr = ole::WeakRef<CEditorListener>(anEditorListener);
        ++m_edits;
    }
    // Tells a step that ran a modal dialog, whose message loop may run the host's code, whether
    // the editor was reset for another edit meanwhile.
    uint64_t EditCount() const { return m_edits; }
    bool HasListener() const { return !m_ListenerPtr.Expired(); }
    // A listener that has gone (or was never given) hears nothing.
    void Notify(bool commit);

private:
    ole::WeakRef<CEditorListener> m_ListenerPtr;
    uint64_t m_edits = 0;
};

} // namespace attrgrid
