#pragma once

#include "propertylist/editors/CEditor.h"
#include "propertylist/editors/CEditorListener.h"

#include "platform/ole/object/WeakRef.h"

#include <cstdint>
#include <optional>

namespace attrgrid {

// What every built-in editor shares: the listener of the last Reset, held weakly, and the end of
// an edit told to it. The editor neither hides itself nor forgets the listener; the list hides.
class BuiltinEditor : public CEditor {
public:
    // Shows the value. The first of an edit, the row's value, also remembers what the editor then
    // shows, so that the list can tell an edit the user left alone; a later one (the host's answer
    // to the custom dialog) is a change like any other.
    void LetValue(const ole::Variant& value) final;
    void Commit() override { Notify(true); }
    void Cancel() override { Notify(false); }

    // The editor still shows what it showed right after the first Value let of this edit. The list
    // then commits the row's own value: an editor cannot always show or give back a value as it
    // stands (a text row's Null, a list row's value no entry holds, a date's hidden time).
    bool Untouched();

protected:
    // Every Reset keeps its listener, which starts a new edit.
    void KeepListener(const ole::Ptr<CEditorListener>& anEditorListener) {
        m_ListenerPtr = ole::WeakRef<CEditorListener>(anEditorListener);
        m_valueGiven = false;
        m_shown.reset();
        ++m_edits;
    }
    // Tells a step that ran a modal dialog, whose message loop may run the host's code, whether
    // the editor was reset for another edit meanwhile.
    uint64_t EditCount() const { return m_edits; }
    bool HasListener() const { return !m_ListenerPtr.Expired(); }
    // A listener that has gone (or was never given) hears nothing.
    void Notify(bool commit);

    // Value let: puts the value on show; never ends the edit.
    virtual void ShowValue(const ole::Variant& value) = 0;
    // What the user sees and can change.
    virtual ole::Variant Shown() { return GetValue(); }

private:
    ole::WeakRef<CEditorListener> m_ListenerPtr;
    uint64_t m_edits = 0;
    bool m_valueGiven = false;
    std::optional<ole::Variant> m_shown;
};

} // namespace attrgrid
